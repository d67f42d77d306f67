// brik-clear-and-swap: the smallest GLUT program that shows a frame (clear, swap), the
// reference for the viewer's start-up time. With --startup-report it prints when its first
// frame was shown (as brik-house --startup-report does) and quits.

#include <GL/glut.h>
#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
bool report = false;

void display() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glFinish();
    glutSwapBuffers();
    if (!report) return;
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    printf("startup first-frame %.6f\n", double(now.tv_sec) + double(now.tv_nsec) * 1e-9);
    exit(0);
}
}  // namespace

int main(int argc, char** argv) {
    report = argc > 1 && std::strcmp(argv[argc - 1], "--startup-report") == 0;
    if (report) --argc;
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(800, 600);
    glutCreateWindow("clear and swap");
    glutDisplayFunc(display);
    glutMainLoop();
    return 0;
}
