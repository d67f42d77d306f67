#pragma once

// The single-precision maths layer: vectors, colour, 4x4 matrix and plane,
// with the named colours and the plane classification codes. Every module
// that includes this header gets its own copies of the constants.

#include "maths/Color.h"
#include "maths/Matrix4x4.h"
#include "maths/Plane.h"
#include "maths/Vector2D.h"
#include "maths/Vector3D.h"
#include "maths/Vector4D.h"

static const COLOR white(1.0f, 1.0f, 1.0f, 1.0f);
static const COLOR black(0.0f, 0.0f, 0.0f, 0.0f);  // alpha 0: fully transparent
static const COLOR red(1.0f, 0.0f, 0.0f, 1.0f);
static const COLOR green(0.0f, 1.0f, 0.0f, 1.0f);
static const COLOR blue(0.0f, 0.0f, 1.0f, 1.0f);
static const COLOR cyan(0.0f, 1.0f, 1.0f, 1.0f);
static const COLOR magenta(1.0f, 0.0f, 1.0f, 1.0f);
static const COLOR yellow(1.0f, 1.0f, 0.0f, 1.0f);

// Results of PLANE::ClassifyPoint.
static const int POINT_ON_PLANE = 0;
static const int POINT_IN_FRONT_OF_PLANE = 1;
static const int POINT_BEHIND_PLANE = 2;
