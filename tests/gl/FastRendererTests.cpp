// The fast renderer against the fixed frame on real Mesa: the same picture from two eyes, and
// the window program's choice of renderer (a bad name, a GL that lacks what it needs).

#include <epoxy/gl.h>

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "model/ModelFile.h"
#include "render/FrameCapture.h"
#include "render/FrameSetup.h"
#include "render/Renderer.h"
#include "viewer/ViewerShell.h"
#include "support/ViewerTestSupport.h"
#include "viewer/CommandLine.h"

namespace {
constexpr int kWidth = 800;
constexpr int kHeight = 600;

int largestChannelDifference(const unsigned char* a, const unsigned char* b) {
    int largest = 0;
    for (int c = 0; c < 3; ++c) largest = std::max(largest, std::abs(int(a[c]) - int(b[c])));
    return largest;
}

// True when the fast frame's colour at (x, y) is what the fixed frame shows within two pixels:
// a shadow edge (or a silhouette) one shadow-map texel or one pixel away from the fixed one.
bool isAnEdgeMovedAPixel(const RgbImage& fixed, const RgbImage& fast, int x, int y) {
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx) {
            const int nx = x + dx, ny = y + dy;
            if (nx < 0 || ny < 0 || nx >= fixed.width || ny >= fixed.height) continue;
            if (largestChannelDifference(fixed.at(nx, ny), fast.at(x, y)) <= 6) return true;
        }
    return false;
}

struct ProgramRun {
    int status;
    std::string err;
};

// Runs the viewer with `arguments` from the project root, where it finds the floor image.
ProgramRun runViewer(const std::string& environment, const std::string& arguments) {
    const std::string errPath = std::filesystem::temp_directory_path() /
                                ("brik-fast-" + std::to_string(::getpid()) + ".err");
    const std::string command = environment + " " + BRIK_BUILD_DIR + "/brik-house " + arguments +
                                " >/dev/null 2>'" + errPath + "'";
    const int raw = std::system(command.c_str());
    std::ifstream in(errPath);
    std::stringstream err;
    err << in.rdbuf();
    std::filesystem::remove(errPath);
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, err.str()};
}
// The processor time a process has used so far (all its threads), in clock ticks; -1 once it
// has ended.
long processorTicks(pid_t process) {
    std::ifstream in("/proc/" + std::to_string(process) + "/stat");
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const size_t end = text.rfind(')');  // the name may hold spaces
    if (end == std::string::npos) return -1;
    std::istringstream fields(text.substr(end + 2));
    std::string field;
    long user = 0, system = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i) {  // state is field 3, utime 14, stime 15
        if (i == 3 && (field == "Z" || field == "X")) return -1;
        if (i == 14) user = std::stol(field);
        if (i == 15) system = std::stol(field);
    }
    return user + system;
}

struct View {
    VECTOR3D eye;
    double lightAngle;  // 0: the light where it starts
};

// The fast renderer's and the fixed frame's pictures of the viewer's frame from each view: the
// same but for a few pixels and for edges moved a pixel.
void expectTheSamePicture(FrameRenderer& renderer, const std::vector<View>& views) {
    for (const View& view : views) {
        const VECTOR3D& eye = view.eye;
        SCOPED_TRACE(testing::Message() << "eye " << eye.x << "," << eye.y << "," << eye.z
                                        << " light " << view.lightAngle);
        setCameraEye(viewerFrame(), eye);
        if (view.lightAngle != 0) setLightAngle(viewerFrame(), view.lightAngle);
        // The fast frame first: the fixed frame's light pass refills the shared shadow map.
        renderer.fast()->render(viewerFrame());
        const RgbImage fast = readBackBuffer(kWidth, kHeight);
        renderFrame(viewerFrame());
        const RgbImage fixed = readBackBuffer(kWidth, kHeight);
        ASSERT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

        int differing = 0, farOffEdges = 0;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                const int difference = largestChannelDifference(fixed.at(x, y), fast.at(x, y));
                if (difference > 2) ++differing;
                if (difference > 96 && !isAnEdgeMovedAPixel(fixed, fast, x, y)) ++farOffEdges;
            }
        EXPECT_LE(differing, kWidth * kHeight / 10000) << "pixels off by more than 2/255";
        EXPECT_EQ(farOffEdges, 0) << "pixels off by more than 96/255 away from any edge";
    }
}
}  // namespace

TEST(FastRenderer, DrawsTheFixedFramesPictureFromTheStartingViewAndFromBehind) {
    ASSERT_TRUE(prepareViewer(kWidth, kHeight));
    FrameRenderer renderer;
    ASSERT_EQ(renderer.select(Renderer::Fast, "brik_gl_tests", houseModel()), Renderer::Fast);
    const VECTOR3D startingEye = viewerFrame().cameraPosition;
    // The last views turn the light after the fast renderer filled its shadow map: it must
    // draw the map again.
    expectTheSamePicture(renderer, {{startingEye, 0},
                                    {VECTOR3D(-2.5f, 1.5f, -3.0f), 0},
                                    {startingEye, 90},
                                    {VECTOR3D(-2.5f, 1.5f, -3.0f), 200}});
    setCameraEye(viewerFrame(), startingEye);
    setStartLight(viewerFrame());
}

// What the house never does, so that leaving out hidden triangles is shown sound for any model:
// studs half covered by a piece half a stud over, a plate held a gap above studs (their sides
// and tops in the gap show), a window's glass in front of a brick face with a gap between, a
// brick turned by a non-quarter turn through another, pieces off a small base plate.
TEST(FastRenderer, LeavesOutOnlyWhatNoEyeSeesForAModelUnlikeTheHouse) {
    const char* text =
        "plate 8 8 LightGrey\n"
        "step odd placements\n"
        "1 Brick 2 2 Red 1 0.4 1\n"
        "2 Plate 2 2 Yellow 1.5 1.6 1\n"  // half a stud over the studs of 1
        "3 Brick 2 2 Red 5 0.4 1\n"
        "4 Plate 2 2 Yellow 5 1.7 1\n"  // 0.1 above the studs' shoulders of 3
        "5 Window 0 - 1 0.4 5\n"
        "6 Brick 1 4 White 1 0.4 6.2\n"          // behind the window, 0.2 away
        "7 Brick 1 2 Green 6 0.4 5 turn z 30\n"  // turned by 30 degrees into the plate's studs
        "8 Brick 2 2 Brown -1 0 -1\n";           // off the base plate, on the floor
    Model model;
    std::string error;
    ASSERT_TRUE(parseModel(text, "odd.brik", &model, &error)) << error;
    ASSERT_TRUE(prepareViewer(kWidth, kHeight));
    FrameState& frame = viewerFrame();
    fitView(frame, viewFitFor(model));
    Reshape(frame, kWidth, kHeight);
    setStartLight(frame);
    setSceneFunction(frame, modelScene(model));
    FrameRenderer renderer;
    ASSERT_EQ(renderer.select(Renderer::Fast, "brik_gl_tests", model), Renderer::Fast);
    // The start, low views into the gaps from each side and from above, at the orbit's nearest.
    const float near = float(frame.view.minimumDistance() * 1.01);
    std::vector<View> views = {{frame.view.startEye(), 0}, {VECTOR3D(0, near, 0.05f * near), 0}};
    for (double degrees = 0; degrees < 360; degrees += 60)
        views.push_back({VECTOR3D(0, 0.15f * near, near).GetRotatedY(degrees), degrees});
    expectTheSamePicture(renderer, views);
    fitView(frame, ViewFit{});
    Reshape(frame, kWidth, kHeight);
    setCameraEye(frame, frame.cameraPosition);
    setStartLight(frame);
}

TEST(FastRenderer, TheViewerTakesItsOwnOptionsAndLeavesGlutsInOrder) {
    // -display takes the next word as its value, even one that looks like ours.
    char name[] = "brik-house", display[] = "-display", value[] = "--renderer",
         ours[] = "--renderer", fast[] = "fast", geometry[] = "-geometry", size[] = "10x10";
    char* argv[] = {name, display, value, ours, fast, geometry, size, nullptr};
    int argc = 7;
    ViewerOptions options;
    std::ostringstream out, err;
    int status = 0;
    ASSERT_TRUE(takeViewerOptions(&argc, argv, &options, out, err, &status)) << err.str();
    EXPECT_EQ(options.renderer, Renderer::Fast);
    ASSERT_EQ(argc, 5);
    EXPECT_STREQ(argv[2], "--renderer");
    EXPECT_STREQ(argv[3], "-geometry");
    EXPECT_EQ(argv[5], nullptr);
}

TEST(FastRenderer, TheViewerRefusesAnUnknownRendererAndFallsBackWhereTheGlLacksShaders) {
    const ProgramRun unknown = runViewer("", "--renderer slow");
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.err, "brik-house: --renderer is fixed or fast, not 'slow'\n");
    EXPECT_EQ(runViewer("", "--renderer").status, 2);

    // OpenGL 2.0 has no GLSL 1.20: one line, then the fixed frame's first frame.
    const ProgramRun old =
        runViewer("MESA_GL_VERSION_OVERRIDE=2.0", "--renderer=fast --startup-report");
    EXPECT_EQ(old.status, 0);
    EXPECT_EQ(old.err,
              "brik-house: the fast renderer cannot run (this OpenGL lacks OpenGL 2.1 (GLSL 1.20 "
              "and vertex buffers)); drawing with the fixed frame\n");
}

TEST(FastRenderer, AStillWindowUsesNoProcessorTime) {
    const std::string viewer = std::string(BRIK_BUILD_DIR) + "/brik-house";
    const pid_t child = fork();
    if (child == 0) {
        // Below the corner where the other tests' windows open (ctest runs them in parallel on
        // the same screen), so that none of them exposes this one and makes it redraw.
        execl(viewer.c_str(), viewer.c_str(), "--renderer", "fast", "-geometry", "+480+600",
              static_cast<char*>(nullptr));
        _exit(127);
    }
    ASSERT_GT(child, 0);
    // Once its first frame is shown the window is still: within a few seconds (more on a busy
    // machine) a whole second passes with at most a tick or two of processor time.
    bool settled = false;
    long before = processorTicks(child);
    for (int second = 0; second < 20 && before >= 0 && !settled; ++second) {
        std::this_thread::sleep_for(std::chrono::seconds(1));
        const long after = processorTicks(child);
        settled = after >= 0 && after - before <= 2;
        before = after;
    }
    EXPECT_GE(before, 0) << "the viewer ended early";
    EXPECT_TRUE(settled) << "the viewer kept using the processor while nothing changed";
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
}
