#pragma once

// The shadow-mapped frame: three passes over the frame state's scene (light depth pass into
// the shadow map, dim camera pass, lit camera pass with the depth comparison), then the
// textured floor. The window program, the snapshot tool and the tests all drive the frame
// through here, each with a frame state of its own (render/FrameState.h).

#include "model/Model.h"
#include "render/FrameState.h"

// Milliseconds each part of a frame took, measured with a pipeline flush after each part.
struct FrameTimings {
    double lightPass;
    double dimPass;
    double litPass;
    double floor;
};

// Renders one frame of `frame` into the back buffer without swapping. With `timings`, the
// pipeline is finished after every pass so that each pass is timed on its own.
void renderFrame(FrameState& frame, FrameTimings* timings = nullptr);

// The textured floor quad, unlit and unshadowed, drawn with the current (camera) matrices.
void drawFloor(const FrameState& frame);

// World position to shadow-map texture coordinates (s, t, depth, q): the light's projection and
// view, then the bias from clip coordinates -1...1 to the texture's 0...1.
MATRIX4X4 shadowTextureMatrix(const FrameState& frame);

// Generates each vertex's shadow-map coordinates (S, T, R, Q) from its eye position with
// shadowTextureMatrix as eye planes; to be called with the camera's view on the modelview stack.
void generateShadowCoordinates(const FrameState& frame);

// Makes `scene` what the frame's passes draw; an empty function leaves only the floor.
void setSceneFunction(FrameState& frame, SceneFunction scene);

// DrawScene of the model, which the function keeps a copy of.
SceneFunction modelScene(const Model& model);

// Counts a frame on the frame's meter and rewrites its frameRateText; every frame calls it once.
void updateFrameRate(FrameState& frame);

// True when the light pass renders into an offscreen depth buffer (correct shadows at any
// window size); false when it falls back to the window's own depth buffer.
bool lightPassIsOffscreen(const FrameState& frame);

// Creates the empty shadow map texture and the light pass's offscreen target. Needs a
// context; called once by Init.
void createShadowMap(FrameState& frame);
