#include <epoxy/gl.h>
#include <GL/glut.h>

#include "render/ImmediateDrawTarget.h"

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

}  // namespace

DrawTarget& immediateDrawTarget() {
    static ImmediateDrawTarget target;  // stateless: every thread may share it
    return target;
}
