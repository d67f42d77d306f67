#include "cli/DisplayCheck.h"

#include <X11/Xlib.h>

DisplayConnection::DisplayConnection() : display_(XOpenDisplay(nullptr)) {}

DisplayConnection::~DisplayConnection() {
    if (display_) XCloseDisplay(static_cast<Display*>(display_));
}
