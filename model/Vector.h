#pragma once

#include "model/Point.h"

// A direction or a difference of two points, in brick units (double precision). The model's
// own vector type beside maths/VECTOR3D: see Point.h for why there are two families.
class Vector {
public:
    Vector() { setVector(0, 0, 0); }
    Vector(double newX, double newY, double newZ) { setVector(newX, newY, newZ); }
    Vector(Point from, Point to) { setVector(from, to); }
    ~Vector() {}

    void setVector(double newX, double newY, double newZ) {
        x = newX;
        y = newY;
        z = newZ;
    }
    void setVector(Point from, Point to) {
        setVector(to.getX() - from.getX(), to.getY() - from.getY(), to.getZ() - from.getZ());
    }

    // Makes this vector the unit normal a × b and returns a copy of it. Parallel or zero
    // edges give the zero vector (the length is taken as 1 instead of dividing by zero).
    Vector getNormal(Vector a, Vector b);

    double getX() const { return x; }
    double getY() const { return y; }
    double getZ() const { return z; }

private:
    double x;
    double y;
    double z;
};

// The outward normal of a polygon wound counter-clockwise seen from outside: the unit
// vector along (p1 - p0) × (p2 - p0).
Vector faceNormal(Point p0, Point p1, Point p2);
