#pragma once

// Choosing the eyes of the building guide. Candidate eyes around the house are scored, for
// each step, by how many pixels of the step's new pieces they see in front of the pieces
// placed before, and what share of the new pieces' pixels that is (instructions/
// StepCoverage.h). The guide keeps one eye for as many steps as it sees enough of the new
// pieces, and turns only where it would not; every eye stands at the distance that frames
// the whole house with a margin (maths/ViewFit.h).

#include <cstddef>
#include <vector>

#include "maths/Maths.h"
#include "mesh/HouseMesh.h"

// What one eye sees of one step's new pieces.
struct EyeView {
    double seen;       // their pixels in front of everything placed before (any scale)
    double seenShare;  // `seen` over their pixels drawn alone, 0-1
};

// When an eye may stay at a step: it sees at least `share` of the new pieces' pixels, and at
// least `area` times the pixels the best eye of that step sees (so that pieces seen edge-on
// count as hidden). Where no eye passes, only the step's best eye may stay.
struct EyeKeeping {
    double share = 0.8;
    double area = 0.4;
};

// The eye of every step, as indices into each step's views (views[step][eye], every step the
// same eyes in the same order): the eye of the step before while it may stay, otherwise the
// eye that may stay for the most steps from there on (the earliest on a tie), which makes the
// turns as few as the rule allows. Pure: reads nothing but its arguments.
std::vector<size_t> chooseGuideEyes(const std::vector<std::vector<EyeView>>& views,
                                    const EyeKeeping& rule = {});

// The guide's camera (world units, +y up): every picture looks at `target`, the middle of the
// house's bounds; the cover from the front, step k from steps[k - 1].
struct GuideView {
    VECTOR3D target;
    VECTOR3D cover;
    std::vector<VECTOR3D> steps;
};

// The guide's camera for the house's first `steps` maps in pictures of `aspect` (width over
// height), from the fixed candidates, each fitted to frame the whole house.
GuideView guideView(const HouseMesh& house, int steps, double aspect);

// The single eye that sees most of map `map`'s new pieces, the viewer's start eye unless
// another is clearly better; every candidate at the start eye's distance, looking at the
// origin.
VECTOR3D bestEyeForStep(const HouseMesh& house, int map, double aspect);

// The guide's light (world units, aimed at the origin): over the right shoulder of an eye
// looking at `target`, 45 degrees round from it about the vertical, and high (60 degrees up)
// so that the tops and the faces towards the eye are lit; as far from the origin as the
// viewer's start light, so that the circling light's field of view holds the house.
VECTOR3D guideLightPosition(const VECTOR3D& eye, const VECTOR3D& target);
