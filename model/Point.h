#pragma once

// A position in brick units (double precision), used to build the polygons of the pieces.
//
// Why not maths/VECTOR3D: the model is kept independent of the maths layer (it links
// nothing of it), and the pieces' vertices are computed and handed to OpenGL in double
// precision, while maths/ is the frame's single-precision layer. Point and Vector are the
// model's own small pair; maths/Angles.h is the one header it shares.
class Point {
public:
    Point() { setPoint(0, 0, 0); }
    Point(double newX, double newY, double newZ) { setPoint(newX, newY, newZ); }
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
