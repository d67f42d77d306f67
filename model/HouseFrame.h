#pragma once

// The house frame's fixed numbers, in brick units unless stated: 1 is one stud pitch in x
// and z, +y up, origin at the base plate's smallest-x, smallest-z corner on its bottom face.

constexpr double kPlateHeight = 0.4;
constexpr double kBrickHeight = 1.2;  // three plates

// The base plate every scene stands on: kBasePlateSize studs a side. Scenes move the house
// frame by kBasePlateOffset in x and z so that the plate is centred on the world origin, then
// scale by kHouseScale into world units.
constexpr int kBasePlateSize = 32;
constexpr double kBasePlateOffset = -kBasePlateSize / 2.0;
constexpr double kHouseScale = 0.1;  // world units per brick unit
// Where the house frame's origin lands in the world frame, in x and z (world units): -1.6.
constexpr double kHouseOriginInWorldXZ = kBasePlateOffset * kHouseScale;

// The pieces' round parts were laid out with pi rounded to 3.14159265 (not maths/Angles.h's
// kPi); keeping the rounded value keeps every vertex, and so every image, exactly as it was.
constexpr double kPiAsDrawn = 3.14159265;
