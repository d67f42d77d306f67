#pragma once

// Scenes other than the house, for the snapshot tool and the tests: the same world units
// and placement on the floor as `DrawScene`.

#include "model/Placement.h"

// The 32 × 32 base plate alone.
void DrawBasePlateScene(float sceneTime);

// Every kind of brick piece in rows on the base plate, each turned 0, 90, 180 and 270.
void DrawShowcaseScene(float sceneTime);

// The showcase's placement table (house frame), for tests that check each row's cell.
const PlacementTable& showcaseTable();

// The base plate and the given table on it, placed as the showcase is.
void drawOnBasePlate(const PlacementTable& table);
