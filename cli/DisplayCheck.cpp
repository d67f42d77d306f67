#include "cli/DisplayCheck.h"

#include <X11/Xlib.h>

bool displayIsReachable() {
    Display* display = XOpenDisplay(nullptr);
    if (!display) return false;
    XCloseDisplay(display);
    return true;
}
