#include "support/GlTestContext.h"

#include <GL/gl.h>
#include <GL/freeglut.h>

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <stdexcept>

#include "render/FrameWindow.h"
#include "render/ImmediateDrawTarget.h"

namespace {
constexpr int kViewportSize = 2048;
bool contextReady = false;
int mappedWidth = 0;
void noteReshape(int width, int /*height*/) { mappedWidth = width; }
void noDisplay() {}
}  // namespace

void ensureGlContext() {
    if (contextReady) return;
    int argc = 1;
    char name[] = "brik-tests";
    char* argv[] = {name, nullptr};
    openFrameWindow(&argc, argv, viewerWindowWidth, viewerWindowHeight, "brik tests");
    // The pieces draw straight into the context, as the frame's passes make them.
    static ScopedDrawTarget immediate(immediateDrawTarget());
    glutDisplayFunc(noDisplay);
    glutReshapeFunc(noteReshape);
    pumpWindowEvents();
    contextReady = true;
}

void pumpWindowEvents() {
    mappedWidth = 0;
    for (int i = 0; i < 200 && mappedWidth == 0; ++i) glutMainLoopEvent();
}

std::vector<FeedbackPolygon> captureFeedback(const std::function<void()>& draw, double extent) {
    ensureGlContext();
    glPushAttrib(GL_ALL_ATTRIB_BITS);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(-extent, extent, -extent, extent, -extent, extent);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glViewport(0, 0, kViewportSize, kViewportSize);
    glDisable(GL_CULL_FACE);
    glDisable(GL_LIGHTING);

    // One buffer for every capture: allocating and zeroing 64 MiB per call cost more than
    // the drawing. OpenGL writes only the `used` values read below.
    static std::vector<GLfloat> buffer(1 << 24);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D_COLOR, buffer.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    const GLint used = glRenderMode(GL_RENDER);

    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopAttrib();
    if (used < 0) throw std::runtime_error("feedback buffer overflow");

    const double half = kViewportSize / 2.0;
    auto readVertex = [&](GLint& i) {
        FeedbackVertex v;
        v.x = (buffer[i] / half - 1) * extent;
        v.y = (buffer[i + 1] / half - 1) * extent;
        v.z = -(2.0 * buffer[i + 2] - 1) * extent;
        v.r = buffer[i + 3];
        v.g = buffer[i + 4];
        v.b = buffer[i + 5];
        v.a = buffer[i + 6];
        i += 7;
        return v;
    };

    std::vector<FeedbackPolygon> polygons;
    GLint i = 0;
    while (i < used) {
        const GLint token = static_cast<GLint>(buffer[i++]);
        if (token == GL_POLYGON_TOKEN) {
            const int count = static_cast<int>(buffer[i++]);
            FeedbackPolygon polygon;
            for (int k = 0; k < count; ++k) polygon.vertices.push_back(readVertex(i));
            polygons.push_back(std::move(polygon));
        } else if (token == GL_POINT_TOKEN || token == GL_BITMAP_TOKEN ||
                   token == GL_DRAW_PIXEL_TOKEN || token == GL_COPY_PIXEL_TOKEN) {
            readVertex(i);
        } else if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN) {
            readVertex(i);
            readVertex(i);
        } else if (token == GL_PASS_THROUGH_TOKEN) {
            ++i;
        } else {
            throw std::runtime_error("unknown feedback token");
        }
    }
    return polygons;
}

Bounds boundsOf(const std::vector<FeedbackPolygon>& polygons) {
    const double inf = std::numeric_limits<double>::infinity();
    Bounds bounds{{inf, inf, inf}, {-inf, -inf, -inf}};
    for (const auto& polygon : polygons) {
        for (const auto& v : polygon.vertices) {
            const double p[3] = {v.x, v.y, v.z};
            for (int axis = 0; axis < 3; ++axis) {
                bounds.min[axis] = std::min(bounds.min[axis], p[axis]);
                bounds.max[axis] = std::max(bounds.max[axis], p[axis]);
            }
        }
    }
    return bounds;
}

int modelviewDepth() {
    GLint depth = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    return depth;
}

std::array<double, 16> currentModelview() {
    std::array<double, 16> matrix{};
    glGetDoublev(GL_MODELVIEW_MATRIX, matrix.data());
    return matrix;
}

std::array<float, 4> currentColour() {
    std::array<float, 4> colour{};
    glGetFloatv(GL_CURRENT_COLOR, colour.data());
    return colour;
}

double signedVolume(const std::vector<FeedbackPolygon>& polygons, std::array<double, 3> origin) {
    double volume = 0;
    for (const auto& polygon : polygons) {
        const auto& v = polygon.vertices;
        for (std::size_t k = 1; k + 1 < v.size(); ++k) {
            const double ax = v[0].x - origin[0], ay = v[0].y - origin[1], az = v[0].z - origin[2];
            const double bx = v[k].x - origin[0], by = v[k].y - origin[1], bz = v[k].z - origin[2];
            const double cx = v[k + 1].x - origin[0], cy = v[k + 1].y - origin[1],
                         cz = v[k + 1].z - origin[2];
            volume +=
                (ax * (by * cz - bz * cy) - ay * (bx * cz - bz * cx) + az * (bx * cy - by * cx)) /
                6;
        }
    }
    return volume;
}
