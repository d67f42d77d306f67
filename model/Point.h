#pragma once

// A position in brick units (double precision), used to build the polygons of the pieces.
class Point {
public:
    Point() { setPoint(0, 0, 0); }
    Point(double x, double y, double z) { setPoint(x, y, z); }
    ~Point() {}

    void setPoint(double newX, double newY, double newZ) {
        x = newX;
        y = newY;
        z = newZ;
    }
    double getX() const { return x; }
    double getY() const { return y; }
    double getZ() const { return z; }

private:
    double x;
    double y;
    double z;
};
