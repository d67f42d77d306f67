// brik-leak-canary (sanitized build only): opens a GLUT window and draws the viewer's frame (of
// an empty scene, to be quick), so the OpenGL driver, GLX and freeglut leave what they leave at
// exit; with --leak it also loses two blocks of its own, one in a display callback that
// freeglut calls and one in main. The leak suppressions must hide the libraries' leaks and
// report ours (LeakSanitizerTest).

#include <GL/freeglut.h>

#include <cstring>

#include "render/ShadowFrame.h"
#include "render/FrameWindow.h"
#include "viewer/ViewerShell.h"

namespace {

bool leak = false;
void* volatile lastBlock = nullptr;  // overwritten, so each block is lost when the next comes

void emptyScene(float) {}

void loseBlockInCallback() {
    static bool lost = false;
    if (leak && !lost) lastBlock = new char[1000];
    lost = true;
    composeFrame();
}

}  // namespace

int main(int argc, char** argv) {
    openFrameWindow(&argc, argv, 320, 240, "brik-leak-canary");
    leak = argc > 1 && std::strcmp(argv[1], "--leak") == 0;
    if (!Init(viewerFrame())) return 1;
    setSceneFunction(viewerFrame(), emptyScene);
    glutDisplayFunc(loseBlockInCallback);
    for (int i = 0; i < 20; ++i) {
        glutPostRedisplay();
        glutMainLoopEvent();
    }
    if (leak) lastBlock = new char[2000];
    lastBlock = nullptr;
    return 0;
}
