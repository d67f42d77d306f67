#include "viewer/Screenshot.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "render/FrameCapture.h"

std::string screenshotFileName(std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    char name[64];
    std::strftime(name, sizeof name, "brik-house-%Y-%m-%d-%H%M%S.png", &local);
    return name;
}

bool saveScreenshot(int width, int height, std::string* note) {
    namespace fs = std::filesystem;
    const std::string base = screenshotFileName(std::time(nullptr));
    std::string name = base;
    std::error_code ignored;
    for (int copy = 2; fs::exists(name, ignored); ++copy) {
        name = base.substr(0, base.size() - 4) + "-" + std::to_string(copy) + ".png";
    }
    std::error_code noDirectory;
    const fs::path path = fs::absolute(name, noDirectory);
    const std::string shown = noDirectory ? name : path.string();

    std::string error;
    RgbImage image;
    if (!tryReadBackBuffer(width, height, &image, &error) || !writePng(name, image, &error)) {
        const std::string failure = "screenshot not saved: " + error;
        fprintf(stderr, "%s\n", failure.c_str());
        if (note) *note = failure;
        return false;
    }
    if (note) *note = "saved " + name;
    printf("%s\n", shown.c_str());
    fflush(stdout);
    return true;
}
