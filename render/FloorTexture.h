#pragma once

// The floor texture: a repeating, mipmapped RGB texture from an SGI image file.

constexpr const char* kFloorImagePath = "images/Floor.rgb";  // relative to the working directory

// Creates the floor texture from the image at `path` and returns its name. A file that cannot be
// read, an image that is not three-channel RGB or a texture that cannot be built ends the process
// with status -1 (one line on standard error says why where the reader has not already).
unsigned loadTextureFloor(const char* path = kFloorImagePath);
