#pragma once

// Pi and the degree-to-radian conversion, defined once for the whole program. Header only:
// model/ and the tools use it without linking the maths library.

constexpr double kPi = 3.14159265358979323846;

// Computed in double as angle × pi / 180, in that order.
constexpr double degreesToRadians(double degrees) { return degrees * kPi / 180.0; }
