#pragma once

// The view fitted to a model: every length of the frame that depends on how big the model is
// (the start eye, the orbit's distance limits, the light's place and depth range, the camera's
// depth range, the floor and its texture) as the built-in frame's number times one scale.
//
// The built-in numbers (FrameConstants.h, FrameState.h) were chosen for the built-in house,
// which reaches kFittedAcrossStuds from the vertical through the view's centre and
// kFittedUpStuds high, in whole studs. A model's reach (model/ModelBounds.h), each rounded up to
// whole studs (which leaves room for the studs the bodies leave out), over those is the scale,
// the larger of the two: the house gets exactly 1 and so every number as it was. All shapes
// keep their angles, so a model of any size looks as the house does: whole in the first view,
// inside the shadow map, on a floor reaching as far past it.
//
// World units (brick units times kHouseScale).

#include "maths/Vector3D.h"
#include "model/Model.h"
#include "model/ModelBounds.h"

// The reach, in whole studs, that the built-in numbers hold: across (the base plate's corners,
// 22.6, and the right gutter) and up (the chimney's cap, 21.2).
constexpr double kFittedAcrossStuds = 23.0;
constexpr double kFittedUpStuds = 22.0;

// The orbit's distance limits for the built-in house: outside the sphere that holds it, and
// near enough that it still spans about a fifth of the window.
constexpr double orbitMinimumDistance = 3.5;
constexpr double orbitMaximumDistance = 20.0;

struct ViewFit {
    double scale = 1.0;  // 1: the built-in frame's numbers

    VECTOR3D startEye() const;
    VECTOR3D startLight() const;
    double lightNear() const;
    double lightFar() const;
    double cameraNear() const;
    double cameraFar() const;
    double minimumDistance() const;
    double maximumDistance() const;
    float floorHalf() const;
    float floorTextureHalf() const;
};

// The fit for a reach in brick units, and for a whole model (its modelReach). A model smaller
// than one stud gets the fit of one stud.
ViewFit viewFitForReach(const ModelReach& reach);
ViewFit viewFitFor(const Model& model);
