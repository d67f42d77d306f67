#pragma once

// The one-time OpenGL set-up the frame needs, for every program that draws it (the viewer,
// brik, the benches, the soak, the tests), and the camera's projection kept with the window.

// Loads every texture of the frame (the floor's) into `textureFloor`.
void loadTexture();

// One-time set-up, in a current context: the floor texture, the fixed pipeline's state, the
// shadow map, the first frame's camera and light, the scene clock. Prints the message and
// returns false when the depth-texture or shadow extension is missing; ends the process when
// the floor image is unusable.
bool Init();

// Window resized: keeps the size and the camera projection current.
void Reshape(int width, int height);
