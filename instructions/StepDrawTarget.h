#pragma once

// The draw target of one building step: it forwards every call to another target (the
// immediate one for the guide's pictures), but
// placements of later maps are skipped and those of earlier maps (and the base plate) have
// their colours blended towards grey, so that the step's own pieces stand out. Matrix calls
// always pass, so the stack stays balanced. Installed around each scene draw with
// ScopedDrawTarget.

#include "model/DrawTarget.h"

// Fading, on the palette's sRGB-encoded channels (0...1); the 3D guide fades the same way.
constexpr double kFadeGrey = 0.5;     // the grey earlier pieces are blended towards
constexpr double kFadeWeight = 0.65;  // how much of that grey they get

class StepDrawTarget : public DrawTarget {
public:
    // Forwards to `out`, which must outlive this target.
    explicit StepDrawTarget(DrawTarget& out) : output(out) {}

    // The layer map whose pieces are shown in full (1-40); 0 shows everything in full.
    void setStep(int map) { step = map; }

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

    DrawTarget& output;
    int step = 0;
    Look look = Look::Full;
};
