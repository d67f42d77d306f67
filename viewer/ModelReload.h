#pragma once

// The viewer's model file, watched: a few times a second a GLUT timer compares the file's
// modification time, size and inode with what it last saw (a still window then costs a stat
// call now and then, nothing more). When they changed the file is read again:
// - a good model replaces the one on screen without a restart: the scene, the view's fit and
//   the fast renderer (rebuilt), the camera kept where it is;
// - a file with a fault (or one that cannot be read) leaves the last good model on screen and
//   shows the fault's line over the frame (OverlaySet::modelError) until the file is fixed.

#include <string>

#include "model/Model.h"

constexpr unsigned modelCheckMilliseconds = 250;

// Puts `model` on the viewer's window: the frame's scene and fit, the controls' limits, the
// fast renderer if chosen. Needs the window's context (after Init).
void showModel(const Model& model);

// Starts watching `path`, whose current contents are on screen; registers the GLUT timer.
void watchModelFile(const std::string& path);

// One look at the watched file, as the timer takes it: reloads and shows the model, or the
// fault, when the file changed. Returns true when it changed.
bool reloadModelIfChanged();
