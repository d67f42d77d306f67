#pragma once

// The draw target of one building step: it forwards every call to another target (the
// immediate one for the guide's pictures), but
// placements of later maps are skipped and those of earlier maps (and the base plate) have
// their colours lightened towards white, keeping their hue (a faded green plate stays a pale
// green), so that the step's own pieces stand out. For the guide's measurements it can draw a
// mask instead: flat colours that tell the step's pieces from the earlier ones. Matrix calls
// always pass, so the stack stays balanced. Installed around each scene draw with
// ScopedDrawTarget.

#include "mesh/HouseMesh.h"
#include "model/DrawTarget.h"
#include "model/Model.h"

// Fading, on the palette's sRGB-encoded channels (0...1): each channel moves kFadeWeight of the
// way to kFadeTowards (white), so the hue stays and the saturation and contrast drop. The 3D
// guide fades the same way.
constexpr double kFadeTowards = 1.0;
constexpr double kFadeWeight = 0.5;

// What a step draws: its picture, or one of the two masks of the guide's measurements. The
// masks are flat colours meant to be drawn unlit: the step's pieces kMaskNew, the earlier
// ones kMaskBuilt (or nothing, in NewAlone), later ones nothing.
enum class StepDrawing { Picture, NewAndBuilt, NewAlone };
constexpr double kMaskNew[3] = {1, 0, 0};
constexpr double kMaskBuilt[3] = {0, 1, 0};

class StepDrawTarget : public DrawTarget {
public:
    // Forwards to `out`, which must outlive this target.
    explicit StepDrawTarget(DrawTarget& out) : output(out) {}

    // The layer map whose pieces are shown in full (1-40); 0 shows everything in full.
    void setStep(int map) { step = map; }
    void setDrawing(StepDrawing what) { drawing = what; }

    void beginPolygon() override;
    void endPolygon() override;
    void vertex(double x, double y, double z) override;
    void normal(double x, double y, double z) override;
    void colour(double red, double green, double blue) override;
    void colour(double red, double green, double blue, double alpha) override;
    void pushMatrix() override;
    void popMatrix() override;
    void translate(double x, double y, double z) override;
    void rotate(double degrees, double x, double y, double z) override;
    void scale(double x, double y, double z) override;
    void unitCube() override;
    void beginPlacement(const PlacementTag& placement) override;
    void endPlacement() override;

private:
    enum class Look { Full, Faded, Hidden };
    double faded(double channel) const;
    bool hidden() const;
    void forwardColour(double red, double green, double blue, const double* alpha);

    DrawTarget& output;
    int step = 0;
    StepDrawing drawing = StepDrawing::Picture;
    Look look = Look::Full;
};

// The house as step `map` shows it (0: all in full), captured in the house frame as
// captureHouse gives the whole house.
HouseMesh captureStep(const Model& model, int map);
