#include <epoxy/gl.h>
#include <GL/freeglut.h>

#include "viewer/ModelReload.h"

#include <sys/stat.h>

#include "model/ModelFile.h"
#include "render/ShadowFrame.h"
#include "render/ViewFit.h"
#include "viewer/ViewerInput.h"
#include "viewer/ViewerShell.h"

namespace {
// What stat says of the file; all zero while it cannot be read.
struct FileStamp {
    long long seconds = 0, nanoseconds = 0, size = 0, inode = 0;
    bool operator==(const FileStamp& other) const {
        return seconds == other.seconds && nanoseconds == other.nanoseconds && size == other.size &&
               inode == other.inode;
    }
};

FileStamp stampOf(const std::string& path) {
    struct stat status {};
    if (stat(path.c_str(), &status) != 0) return {};
    return {static_cast<long long>(status.st_mtim.tv_sec),
            static_cast<long long>(status.st_mtim.tv_nsec), static_cast<long long>(status.st_size),
            static_cast<long long>(status.st_ino)};
}

struct WatchedFile {
    std::string path;
    FileStamp seen;
};
WatchedFile& watched() {
    static WatchedFile file;
    return file;
}

void onTimer(int /*unused*/) {
    reloadModelIfChanged();
    glutTimerFunc(modelCheckMilliseconds, onTimer, 0);
}
}  // namespace

void showModel(const Model& model) {
    FrameState& frame = viewerFrame();
    setViewerModel(model);
    setSceneFunction(frame, modelScene(model));
    frame.view = viewFitFor(model);
    refitControls();
    viewerRenderer().replaceModel(model, "brik-house");
    glutPostRedisplay();
}

void watchModelFile(const std::string& path) {
    watched() = {path, stampOf(path)};
    glutTimerFunc(modelCheckMilliseconds, onTimer, 0);
}

bool reloadModelIfChanged() {
    WatchedFile& file = watched();
    const FileStamp now = stampOf(file.path);
    if (file.path.empty() || now == file.seen) return false;
    file.seen = now;
    Model model;
    std::string error;
    if (readModelFile(file.path, &model, &error)) {
        showModel(model);
        shownOverlays.modelError.clear();
    } else {
        shownOverlays.modelError = error;
    }
    glutPostRedisplay();
    return true;
}
