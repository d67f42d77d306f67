#pragma once

// Piece extents: the space a placed piece's body fills, as a few axis-aligned boxes (the
// boxes themselves are each kind's row in model/PieceKinds.cpp).
//
// A body is the solid that no other body may pass through. Studs are left out: a stud is
// only the connector that reaches into the piece above it. Boxes are in brick units (1 = one
// stud pitch in x and z; a plate 0.4 high, a brick 1.2), +y up.
//
// What the boxes cover, per piece, in its own frame (origin at the smallest-x, smallest-z
// corner of its footprint, on its bottom face):
//
//   plate, flat tile, brick          their block, size x × size z, 0.4 or 1.2 high
//   round plate, round brick         their 1 × 1 cell (the body cylinder reaches its edges)
//   corner plate, corner brick       two boxes: the L of three cells
//   roof tile                        the flat-topped back half at full height, and the 0.2 lip
//                                    of the sloped front half; the wedge above the lip is left
//                                    out, so the boxes stay inside the solid
//   inverted roof tile               the same turned over: back half full, the lip at the top
//   ridged tile, end ridged tile     the 0.2 eave slab and the box under the ridge that the
//                                    slopes clear (x 0.5-1.5 up to 0.7)
//   radiator grille                  its outer 1 × 2 × 0.4 box
//   angular brick                    its foot and its body (the side stud left out)
//   plate with slide                 plate, rail and slide wall
//   wall corner                      base slab and the two thin walls
//   angle plate                      the standing 2 × 2 plate and the 1 × 2 plate at its top
//   window, door, fence              their outer boxes: 4 × 1, 3.6, 6.0 and 2.4 high
//   mailbox                          the half-cylinder's box and the sloped block's box
//
// Turns, in the order a placement applies them:
//   1. the piece's own angle argument: a quarter turn about +y for the exact values the piece
//      recognises (90, 180 and 270; the grille, the ridged tile, the fence and the mailbox
//      recognise 90 only), the turned footprint beginning again at the origin; any other
//      value leaves the piece unturned;
//   2. the row's turn about x or z through the placement point (the upright details);
//   3. the move to the placement's house-frame position.
//
// The house's structural checks use these boxes; a parts list or an export can use them as
// each piece's bounding geometry.

#include <vector>

#include "model/Placement.h"

// The common volume of two boxes; 0 when they only touch or are apart.
double overlapVolume(const BodyBox& a, const BodyBox& b);

// The common area of the two boxes' footprints on the x-z plane.
double footprintOverlapArea(const BodyBox& a, const BodyBox& b);

// The body boxes of a piece in its own frame, its own angle argument applied. `arguments`
// are a table row's (call order, as `Placement::arguments`). A group origin has none.
std::vector<BodyBox> pieceBodyBoxes(PieceKind piece, const double arguments[2]);

// The body boxes of one placement in the house frame. A turn about x or z that is not a
// multiple of 90 degrees gives the boxes bounding the turned ones.
std::vector<BodyBox> placementBodyBoxes(const PlacementInstance& placement);

// The base plate that the house assembly lays first: 32 × 32 at the house origin, top at 0.4.
BodyBox basePlateBody();
