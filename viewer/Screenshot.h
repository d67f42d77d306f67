#pragma once

// Saving what the window shows.

#include <ctime>
#include <string>

// brik-house-YYYY-MM-DD-HHMMSS.png, from the local date and time.
std::string screenshotFileName(std::time_t when);

// Saves the back buffer, `width` × `height` pixels (the frame just drawn, overlays included, before
// the swap) as a PNG in the working directory, named after the date and time (with -2, -3 ... added
// when that name is taken), and prints its path on standard output. A failure prints one line on
// standard error and returns false; the viewer goes on either way. `note`, where given, gets a
// short line for the window: "saved " and the file's name, or the failure's line.
bool saveScreenshot(int width, int height, std::string* note = nullptr);
