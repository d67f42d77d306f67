#pragma once

// The one-time OpenGL set-up the frame needs, for every program that draws it (the viewer,
// brik, the benches, the soak, the tests), and the camera's projection kept with the window.

#include <string>

#include "render/FloorTexture.h"
#include "render/FrameState.h"

// Loads every texture of the frame (the floor's, from the SGI image `floorImage`) into its
// `textureFloor`.
void loadTexture(FrameState& frame, const std::string& floorImage = kFloorImagePath);

// One-time set-up, in a current context: the floor texture, the fixed pipeline's state, the
// shadow map, the first frame's camera and light, the scene clock. Prints the message and
// returns false when the depth-texture or shadow extension is missing; ends the process when
// the floor image is unusable.
bool Init(FrameState& frame, const std::string& floorImage = kFloorImagePath);

// The camera's vertical field of view, in degrees, for a window `width` × `height` pixels:
// fieldOfViewDegrees in a landscape or square window; in a portrait one, wider, so that the
// horizontal field stays what the first frame's 4:3 window gives and the house keeps its width.
double cameraFieldOfView(int width, int height);

// Window resized: keeps the frame's window size and camera projection current.
void Reshape(FrameState& frame, int width, int height);
