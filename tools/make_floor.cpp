// Writes the floor texture: warm wooden floorboards, 256 x 256 RGB, as a
// run-length encoded SGI image. The picture tiles seamlessly, since the floor
// repeats it four times each way.
//
//   brik-make-floor [OPTIONS] [--] [OUTPUT]     OUTPUT defaults to images/Floor.rgb
//
// Exit status: 0 written, 1 the output cannot be written, 2 a bad command line.

#include <CLI/CLI.hpp>

#include "image/ImageWrite.h"
#include "maths/Angles.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kSize = 256;  // pixels per side
constexpr int kBoards = 8;  // boards across the picture, running along x
constexpr int kBoardWidth = kSize / kBoards;

struct Rgb {
    double r, g, b;
};

constexpr Rgb kEarlyWood{204, 148, 94};
constexpr Rgb kLateWood{150, 96, 56};
constexpr Rgb kGap{80, 52, 32};  // the shadowed seam between boards

Rgb Mix(Rgb a, Rgb b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Rgb Scale(Rgb c, double factor) { return {c.r * factor, c.g * factor, c.b * factor}; }

// A repeatable value in [0, 1) for a board, a plank and a purpose.
double Hash(int board, int plank, int purpose) {
    unsigned int h = 2166136261u;
    for (int value : {board, plank, purpose}) {
        h ^= static_cast<unsigned int>(value) + 0x9E3779B9u + (h << 6) + (h >> 2);
        h *= 16777619u;
    }
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    return (h & 0xFFFFFF) / static_cast<double>(0x1000000);
}

// One plank: its length, its tint and the shape of its grain.
struct Plank {
    int length;     // pixels along x
    double tint;    // overall brightness
    double warmth;  // shifts towards red
    double rings;   // growth rings across the board's width
    double ringPhase;
    double waveAmplitude;
    double wavePhase;
    bool knot;
    double knotU, knotV;  // pixels within the plank
};

Plank MakePlank(int board, int index, int length) {
    Plank p{};
    p.length = length;
    p.tint = 0.9 + 0.18 * Hash(board, index, 1);
    p.warmth = 0.06 * (Hash(board, index, 2) - 0.5);
    p.rings = 3.0 + 3.0 * Hash(board, index, 3);
    p.ringPhase = Hash(board, index, 4);
    p.waveAmplitude = 0.6 + 0.8 * Hash(board, index, 5);
    p.wavePhase = 2 * kPi * Hash(board, index, 7);
    p.knot = Hash(board, index, 8) < 0.35;
    p.knotU = length * (0.2 + 0.6 * Hash(board, index, 9));
    p.knotV = kBoardWidth * (0.3 + 0.4 * Hash(board, index, 10));
    return p;
}

// Wood colour at (u, v) pixels within a plank, u along its length.
Rgb WoodColour(const Plank& p, double u, double v) {
    const double along = u / p.length;
    double phase = p.ringPhase + p.rings * v / kBoardWidth +
                   p.waveAmplitude * std::sin(2 * kPi * along + p.wavePhase) +
                   0.05 * std::sin(2 * kPi * 3 * along + 2 * p.wavePhase);
    double knotShade = 0;
    if (p.knot) {
        const double du = (u - p.knotU) / 9.0;
        const double dv = (v - p.knotV) / 4.0;
        const double nearness = std::exp(-(du * du + dv * dv));
        phase += 1.2 * nearness * (dv >= 0 ? 1 : -1);  // rings bend around the knot
        knotShade = 0.55 * std::exp(-4 * (du * du + dv * dv));
    }
    const double band = 0.5 + 0.5 * std::cos(2 * kPi * phase);
    const double line = std::pow(band, 16);  // thin dark ring lines
    const double streaks = 0.5 + 0.5 * std::sin(2 * kPi * (v * 0.9 + 0.3 * along));

    Rgb colour = Mix(kEarlyWood, kLateWood, 0.18 * band + 0.3 * line + 0.08 * streaks);
    colour = Mix(colour, kLateWood, knotShade);
    colour = Scale(colour, p.tint);
    colour.r *= 1 + p.warmth;
    colour.b *= 1 - p.warmth;
    return colour;
}

// Seams: a dark gap on the first pixel of a board or plank, a lit bevel after
// it and a shaded one before the next.
double EdgeShade(int position, int length) {
    if (position == 1) return 1.08;
    if (position == length - 1) return 0.86;
    return 1.0;
}

std::vector<unsigned char> DrawFloor() {
    std::vector<unsigned char> pixels(kSize * kSize * 3);
    for (int board = 0; board < kBoards; ++board) {
        // Two planks per board, their end joints staggered from board to board.
        const int joint = (board * 101 + 37) % kSize;
        const int firstLength = 96 + static_cast<int>(64 * Hash(board, 0, 0));
        const Plank planks[2] = {MakePlank(board, 0, firstLength),
                                 MakePlank(board, 1, kSize - firstLength)};

        for (int v = 0; v < kBoardWidth; ++v) {
            const int top = board * kBoardWidth + v;  // picture rows, top first
            for (int x = 0; x < kSize; ++x) {
                // u runs on across the picture's right edge, so planks tile.
                int u = (x - joint + kSize) % kSize;
                const Plank& plank = u < firstLength ? planks[0] : planks[1];
                if (u >= firstLength) u -= firstLength;

                Rgb colour;
                if (v == 0 || u == 0) {
                    colour = kGap;
                } else {
                    colour = WoodColour(plank, u, v);
                    colour = Scale(colour, EdgeShade(v, kBoardWidth) * EdgeShade(u, plank.length));
                }
                // The file stores the bottom row first.
                unsigned char* pixel = &pixels[size_t((kSize - 1 - top) * kSize + x) * 3];
                const double channels[3] = {colour.r, colour.g, colour.b};
                for (int c = 0; c < 3; ++c)
                    pixel[c] =
                        static_cast<unsigned char>(std::clamp(std::lround(channels[c]), 0L, 255L));
            }
        }
    }
    return pixels;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app(
        "Write the floor texture: warm wooden floorboards, 256 x 256, as a run-length "
        "encoded SGI image",
        "brik-make-floor");
    std::string path = "images/Floor.rgb";
    app.add_option("output", path,
                   "the SGI image to write (a word starting with '-' only after --)")
        ->check(CLI::Validator(
            [](std::string& text) { return text.empty() ? std::string("the path is empty") : ""; },
            "", "non-empty path"))
        ->type_name("OUTPUT")
        ->capture_default_str();
    app.set_version_flag("--version", BRIK_VERSION);
    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& done) {  // --help, --version: on standard output, status 0
        return app.exit(done);
    } catch (const CLI::ParseError& error) {
        std::fprintf(stderr, "brik-make-floor: %s\nRun 'brik-make-floor --help' for the options.\n",
                     error.what());
        return 2;
    }

    const std::vector<unsigned char> pixels = DrawFloor();
    std::string error;
    if (!ImageWrite(path.c_str(), kSize, kSize, 3, pixels.data(), ImageStorage::RunLength,
                    &error)) {
        std::fprintf(stderr, "brik-make-floor: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
