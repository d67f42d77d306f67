#include "model/Scene.h"

#include <GL/gl.h>

BrikVantaHouse brik;

void DrawScene(float /*sceneTime*/) {
    glPushMatrix();
    glScaled(0.1, 0.1, 0.1);  // brick units to world units
    brik.drawSolidBrikVantaHouse();
    glPopMatrix();
}
