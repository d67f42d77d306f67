#include "model/Vector.h"

#include <cmath>

Vector Vector::getNormal(Vector a, Vector b) {
    x = a.y * b.z - b.y * a.z;
    y = a.z * b.x - b.z * a.x;
    z = a.x * b.y - b.x * a.y;
    double length = std::sqrt((x * x + y * y) + z * z);
    if (length == 0) length = 1;
    x /= length;
    y /= length;
    z /= length;
    return Vector(x, y, z);
}

Vector faceNormal(Point p0, Point p1, Point p2) {
    return Vector().getNormal(Vector(p0, p1), Vector(p0, p2));
}
