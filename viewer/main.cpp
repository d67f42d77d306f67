// The viewer: one window showing the brick house with shadow mapping.
// Command-line arguments go to GLUT. The mouse and the keys turn the camera and the light
// (H shows them all); Escape quits.

#include <epoxy/gl.h>
#include <GL/glut.h>

#include "render/ShadowFrame.h"
#include "viewer/ViewerShell.h"

int main(int argc, char** argv) {
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(800, 600);
    glutCreateWindow("BRIK Vanta House 3D - Texture with Shadow Mapping");

    if (!Init()) return 0;

    glutDisplayFunc(Display);
    glutReshapeFunc(Reshape);
    glutKeyboardFunc(Keyboard);
    glutSpecialFunc(SpecialKey);
    glutMouseFunc(Mouse);
    glutMotionFunc(Motion);
    glutMainLoop();
    return 0;
}
