#include "instructions/StepFigures.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "instructions/StepDrawTarget.h"

namespace {
// A mask pixel is a mask colour when it is on the colour's side of the middle in every
// channel (the masks are drawn flat, but edges may be blended).
bool isMaskColour(const unsigned char* pixel, const double colour[3]) {
    for (int c = 0; c < 3; ++c)
        if ((pixel[c] >= 128) != (colour[c] >= 0.5)) return false;
    return true;
}

std::vector<bool> maskOf(const RgbImage& mask, const double colour[3]) {
    std::vector<bool> inside(size_t(mask.width) * size_t(mask.height));
    for (int y = 0; y < mask.height; ++y)
        for (int x = 0; x < mask.width; ++x)
            inside[size_t(y) * size_t(mask.width) + size_t(x)] =
                isMaskColour(mask.at(x, y), colour);
    return inside;
}

double distance(const unsigned char* a, const unsigned char* b) {
    double sum = 0;
    for (int c = 0; c < 3; ++c) sum += (a[c] - b[c]) * (a[c] - b[c]) / (255.0 * 255.0);
    return std::sqrt(sum / 3);
}
}  // namespace

int outlineWidth(int height) { return std::max(2, (height + 80) / 160); }

void outlineNewPieces(RgbImage& picture, const RgbImage& builtMask) {
    const std::vector<bool> isNew = maskOf(builtMask, kMaskNew);
    const int width = picture.width, height = picture.height, reach = outlineWidth(height);
    auto inside = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < width && y < height &&
               isNew[size_t(y) * size_t(width) + size_t(x)];
    };
    // The nearest new pixel within reach, as the square of its distance; beyond reach, -1.
    auto nearestSquared = [&](int x, int y) {
        int best = -1;
        for (int dy = -reach; dy <= reach; ++dy)
            for (int dx = -reach; dx <= reach; ++dx) {
                const int squared = dx * dx + dy * dy;
                if (squared <= reach * reach && (best < 0 || squared < best) &&
                    inside(x + dx, y + dy))
                    best = squared;
            }
        return best;
    };
    std::vector<unsigned char>& pixels = picture.pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            if (inside(x, y)) continue;
            const int squared = nearestSquared(x, y);
            if (squared < 0) continue;
            const int inner = (reach - 1) * (reach - 1);
            const double weight = squared <= inner ? 1.0 : 0.5;
            unsigned char* pixel = &pixels[(size_t(y) * size_t(width) + size_t(x)) * 3];
            for (int c = 0; c < 3; ++c)
                pixel[c] = static_cast<unsigned char>(
                    std::lround(pixel[c] + (kOutlineColour[c] - pixel[c]) * weight));
        }
}

StepFigures measureStep(const RgbImage& picture, const RgbImage& builtMask,
                        const RgbImage& aloneMask) {
    const std::vector<bool> isNew = maskOf(builtMask, kMaskNew);
    const std::vector<bool> isBuilt = maskOf(builtMask, kMaskBuilt);
    const std::vector<bool> isAlone = maskOf(aloneMask, kMaskNew);
    const int width = picture.width, height = picture.height;
    StepFigures figures{0, 0, 0, 0};
    long alone = 0, builtPixels = 0, edges = 0;
    double edgeSum = 0, newSum[3] = {0, 0, 0}, builtSum[3] = {0, 0, 0};
    const int neighbours[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const size_t at = size_t(y) * size_t(width) + size_t(x);
            alone += isAlone[at];
            const unsigned char* pixel = picture.at(x, y);
            if (isBuilt[at]) {
                ++builtPixels;
                for (int c = 0; c < 3; ++c) builtSum[c] += pixel[c];
            }
            if (!isNew[at]) continue;
            ++figures.newPixels;
            for (int c = 0; c < 3; ++c) newSum[c] += pixel[c];
            for (const auto& step : neighbours) {
                const int nx = x + step[0], ny = y + step[1];
                if (nx < 0 || ny < 0 || nx >= width || ny >= height ||
                    isNew[size_t(ny) * size_t(width) + size_t(nx)])
                    continue;
                edgeSum += distance(pixel, picture.at(nx, ny));
                ++edges;
            }
        }
    figures.visibleShare = alone > 0 ? double(figures.newPixels) / double(alone) : 0;
    figures.edgeContrast = edges > 0 ? edgeSum / double(edges) : 0;
    if (figures.newPixels > 0 && builtPixels > 0) {
        unsigned char newMean[3], builtMean[3];
        for (int c = 0; c < 3; ++c) {
            newMean[c] =
                static_cast<unsigned char>(std::lround(newSum[c] / double(figures.newPixels)));
            builtMean[c] =
                static_cast<unsigned char>(std::lround(builtSum[c] / double(builtPixels)));
        }
        figures.colourDifference = distance(newMean, builtMean);
    }
    return figures;
}
