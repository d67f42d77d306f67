#pragma once

// True when an X display can be opened ($DISPLAY). freeglut ends the process with its own
// message when there is none, so the drawing subcommands ask first. (Kept apart from the
// other files: Xlib's macros clash with the option parser's names.)
bool displayIsReachable();
