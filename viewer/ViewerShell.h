#pragma once

// The viewer's shell: one-time OpenGL set-up and the window's callbacks. The frame itself
// (the passes) is render/ShadowFrame; the state both share is render/FrameState.

// Loads every texture of the viewer (the floor's) into `textureFloor`.
void loadTexture();

// One-time set-up. Prints the message and returns false when the depth-texture or
// shadow extension is missing; ends the process when the floor image is unusable.
bool Init();

// Window resized: keeps the size and the camera projection current.
void Reshape(int width, int height);

// Escape ends the program, P/p pauses the scene clock, U/u resumes it.
void Keyboard(unsigned char key, int x, int y);

// The display callback: one frame, then swap and ask for the next one at once.
void Display();
