// The draw target the viewer's fixed frame uses: OpenGL immediate mode, one call per
// request, with the values unchanged.

#include <GL/gl.h>
#include <GL/glut.h>

#include "model/DrawTarget.h"

namespace {
class ImmediateDrawTarget final : public DrawTarget {
public:
    void beginPolygon() override { glBegin(GL_POLYGON); }
    void endPolygon() override { glEnd(); }
    void vertex(double x, double y, double z) override { glVertex3d(x, y, z); }
    void normal(double x, double y, double z) override { glNormal3d(x, y, z); }
    void colour(double red, double green, double blue) override { glColor3d(red, green, blue); }
    void colour(double red, double green, double blue, double alpha) override {
        glColor4d(red, green, blue, alpha);
    }
    void pushMatrix() override { glPushMatrix(); }
    void popMatrix() override { glPopMatrix(); }
    void translate(double x, double y, double z) override { glTranslated(x, y, z); }
    void rotate(double degrees, double x, double y, double z) override {
        glRotated(degrees, x, y, z);
    }
    void scale(double x, double y, double z) override { glScaled(x, y, z); }
    void unitCube() override { glutSolidCube(1.0); }
};

ImmediateDrawTarget immediateTarget;
DrawTarget* currentTarget = &immediateTarget;
}  // namespace

DrawTarget& immediateDrawTarget() { return immediateTarget; }

DrawTarget& drawTarget() { return *currentTarget; }

ScopedDrawTarget::ScopedDrawTarget(DrawTarget& target) : previous(currentTarget) {
    currentTarget = &target;
}

ScopedDrawTarget::~ScopedDrawTarget() { currentTarget = previous; }
