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
WindowSize reportedSize{0, 0};
void noteReshape(int width, int height) {
    reportedSize = {width, height};
    Reshape(width, height);
}
void drawNothing() {}
}  // namespace

WindowSize settleWindow() {
    glutDisplayFunc(drawNothing);
    glutReshapeFunc(noteReshape);
    for (int i = 0; i < 200 && reportedSize.width == 0; ++i) glutMainLoopEvent();
    return reportedSize;
}

bool openSettledFrameWindow(int* argc, char** argv, int width, int height, const char* title,
                            WindowSize* settled) {
    openFrameWindow(argc, argv, width, height, title);
    if (!Init()) return false;
    *settled = settleWindow();
    Reshape(width, height);
    return true;
}
