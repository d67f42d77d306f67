#pragma once

// The draw target of the shadow-mapped frame: OpenGL immediate mode, one call per request, with
// the values unchanged, exactly the calls the pieces have always made. Needs a current context
// on the drawing thread; the frame installs it around each pass (ScopedDrawTarget).

#include "model/DrawTarget.h"

DrawTarget& immediateDrawTarget();
