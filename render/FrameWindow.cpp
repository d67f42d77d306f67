#include <epoxy/gl.h>
#include <GL/freeglut.h>

#include "render/FrameWindow.h"

#include "render/FrameSetup.h"

void openFrameWindow(int* argc, char** argv, int width, int height, const char* title) {
    glutInit(argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(width, height);
    glutCreateWindow(title);
}

namespace {
// GLUT's callbacks take no argument: the frame being settled, for the reshape callback.
FrameState* settling = nullptr;
WindowSize reportedSize{0, 0};
void noteReshape(int width, int height) {
    reportedSize = {width, height};
    Reshape(*settling, width, height);
}
void drawNothing() {}
}  // namespace

WindowSize settleWindow(FrameState& frame) {
    settling = &frame;
    glutDisplayFunc(drawNothing);
    glutReshapeFunc(noteReshape);
    for (int i = 0; i < 200 && reportedSize.width == 0; ++i) glutMainLoopEvent();
    return reportedSize;
}

bool openSettledFrameWindow(int* argc, char** argv, int width, int height, const char* title,
                            FrameState& frame, WindowSize* settled, const std::string& floorImage) {
    openFrameWindow(argc, argv, width, height, title);
    if (!Init(frame, floorImage)) return false;
    *settled = settleWindow(frame);
    Reshape(frame, width, height);
    return true;
}
