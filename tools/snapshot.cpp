// brik-snapshot: renders the viewer's frame in a window of its own (hidden under Xvfb when
// there is no display), writes the last frame as a PNG and prints per-pass timings.
//
//   brik-snapshot [-o file.png] [--frames N] [--size WxH] [--eye x,y,z]
//                 [--scene house|base-plate|showcase] [--light-angle DEGREES]
//                 [--overlay fps,help,shadow-map]
//
// GLUT's own options (-display ...) are accepted too. Exit status: 0 on success, 1 for a
// bad option or an unwritable output, 0 with the viewer's message when the required
// extensions are missing.

#include <epoxy/gl.h>
#include <GL/freeglut.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "render/FrameCapture.h"
#include "render/ShadowFrame.h"
#include "viewer/Overlays.h"
#include "viewer/ViewerShell.h"
#include "model/ExtraScenes.h"

namespace {
struct Options {
    std::string output = "brik-house.png";
    int frames = 1;
    int width = 800;
    int height = 600;
    bool customEye = false;
    VECTOR3D eye;
    std::string scene = "house";
    SceneFunction sceneFunction = nullptr;  // the house
    bool lightTurned = false;
    double lightAngle = 0;  // degrees about +y from the start, as the viewer's L and [ ] turn it
    OverlaySet overlays;
};

void usage() {
    fprintf(stderr,
            "usage: brik-snapshot [-o file.png] [--frames N] [--size WxH] [--eye x,y,z]\n"
            "                     [--scene house|base-plate|showcase] [--light-angle DEGREES]\n"
            "                     [--overlay fps,help,shadow-map]\n");
}

bool parseOptions(int argc, char** argv, Options* options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        char extra = 0;
        if ((arg == "-o" || arg == "--output") && value) {
            options->output = value;
        } else if (arg == "--frames" && value) {
            if (sscanf(value, "%d%c", &options->frames, &extra) != 1 || options->frames < 1) {
                fprintf(stderr,
                        "brik-snapshot: --frames needs a whole number of at least 1, not '%s'\n",
                        value);
                return false;
            }
        } else if (arg == "--size" && value) {
            if (sscanf(value, "%dx%d%c", &options->width, &options->height, &extra) != 2 ||
                options->width < 1 || options->height < 1 || options->width > 8192 ||
                options->height > 8192) {
                fprintf(stderr,
                        "brik-snapshot: --size needs WIDTHxHEIGHT (1-8192 each), not '%s'\n",
                        value);
                return false;
            }
        } else if (arg == "--eye" && value) {
            float x, y, z;
            if (sscanf(value, "%f,%f,%f%c", &x, &y, &z, &extra) != 3) {
                fprintf(stderr, "brik-snapshot: --eye needs x,y,z in world units, not '%s'\n",
                        value);
                return false;
            }
            options->eye = VECTOR3D(x, y, z);
            options->customEye = true;
        } else if (arg == "--scene" && value) {
            options->scene = value;
            if (options->scene == "house") {
                options->sceneFunction = nullptr;
            } else if (options->scene == "base-plate") {
                options->sceneFunction = DrawBasePlateScene;
            } else if (options->scene == "showcase") {
                options->sceneFunction = DrawShowcaseScene;
            } else {
                fprintf(stderr,
                        "brik-snapshot: --scene is house, base-plate or showcase, not '%s'\n",
                        value);
                return false;
            }
        } else if (arg == "--light-angle" && value) {
            if (sscanf(value, "%lf%c", &options->lightAngle, &extra) != 1 ||
                !std::isfinite(options->lightAngle)) {
                fprintf(stderr,
                        "brik-snapshot: --light-angle needs a number of degrees, not '%s'\n",
                        value);
                return false;
            }
            options->lightTurned = true;
        } else if (arg == "--overlay" && value) {
            std::string unknown;
            if (!parseOverlayNames(value, &options->overlays, &unknown)) {
                fprintf(stderr,
                        "brik-snapshot: --overlay takes fps, help and shadow-map, not '%s'\n",
                        unknown.c_str());
                return false;
            }
        } else {
            usage();
            return false;
        }
        ++i;
    }
    return true;
}

int reshapedWidth = 0, reshapedHeight = 0;
void noteReshape(int width, int height) {
    reshapedWidth = width;
    reshapedHeight = height;
    Reshape(width, height);
}
void noDisplay() {}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double minimum(const std::vector<double>& values) {
    return *std::min_element(values.begin(), values.end());
}

void printRow(const char* name, const std::vector<double>& values) {
    printf("  %-12s %10.2f %10.2f\n", name, median(values), minimum(values));
}
}  // namespace

int main(int argc, char** argv) {
    glutInit(&argc, argv);
    Options options;
    if (!parseOptions(argc, argv, &options)) return 1;

    glutInitDisplayMode(GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowSize(options.width, options.height);
    glutCreateWindow("BRIK Vanta House 3D - Texture with Shadow Mapping");
    if (!Init()) return 0;
    if (options.customEye) setCameraEye(options.eye);
    if (options.lightTurned) setLightAngle(options.lightAngle);
    setSceneFunction(options.sceneFunction);

    // Let the window appear so that its size is settled before drawing.
    glutDisplayFunc(noDisplay);
    glutReshapeFunc(noteReshape);
    for (int i = 0; i < 200 && reshapedWidth == 0; ++i) glutMainLoopEvent();
    if (reshapedWidth != options.width || reshapedHeight != options.height) {
        fprintf(
            stderr,
            "brik-snapshot: the window is %dx%d instead of %dx%d (is the screen large enough?)\n",
            reshapedWidth, reshapedHeight, options.width, options.height);
        Reshape(options.width, options.height);
    }

    std::vector<double> frame, light, dim, lit, floor;
    RgbImage image;
    for (int i = 0; i < options.frames; ++i) {
        FrameTimings timings;
        const auto start = std::chrono::steady_clock::now();
        renderFrame(&timings);
        drawOverlays(options.overlays);
        glFinish();
        frame.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
        light.push_back(timings.lightPass);
        dim.push_back(timings.dimPass);
        lit.push_back(timings.litPass);
        floor.push_back(timings.floor);
        if (i + 1 == options.frames) image = readBackBuffer(options.width, options.height);
        glutSwapBuffers();
    }

    printf("%s: %d frame(s) at %dx%d, light pass %s\n", options.scene.c_str(), options.frames,
           options.width, options.height,
           lightPassIsOffscreen() ? "offscreen" : "in the window's depth buffer");
    printf("  %-12s %10s %10s\n", "ms", "median", "min");
    printRow("frame", frame);
    printRow("light pass", light);
    printRow("dim pass", dim);
    printRow("lit pass", lit);
    printRow("floor", floor);
    printf("  frames per second: %.2f (median frame)\n", 1000.0 / median(frame));

    std::string error;
    if (!writePng(options.output, image, &error)) {
        fprintf(stderr, "brik-snapshot: %s\n", error.c_str());
        return 1;
    }
    printf("wrote %s\n", options.output.c_str());
    return 0;
}
