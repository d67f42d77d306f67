#include "instructions/StepDrawTarget.h"

#include "model/HouseFrame.h"

double StepDrawTarget::faded(double channel) const {
    return look == Look::Faded ? channel + (kFadeTowards - channel) * kFadeWeight : channel;
}

bool StepDrawTarget::hidden() const {
    return look == Look::Hidden || (look == Look::Faded && drawing == StepDrawing::NewAlone);
}

void StepDrawTarget::forwardColour(double red, double green, double blue, const double* alpha) {
    if (hidden()) return;
    if (drawing != StepDrawing::Picture) {
        const double* mask = look == Look::Full ? kMaskNew : kMaskBuilt;
        output.colour(mask[0], mask[1], mask[2]);
    } else if (alpha) {
        output.colour(faded(red), faded(green), faded(blue), *alpha);
    } else {
        output.colour(faded(red), faded(green), faded(blue));
    }
}

void StepDrawTarget::beginPolygon() {
    if (!hidden()) output.beginPolygon();
}
void StepDrawTarget::endPolygon() {
    if (!hidden()) output.endPolygon();
}
void StepDrawTarget::vertex(double x, double y, double z) {
    if (!hidden()) output.vertex(x, y, z);
}
void StepDrawTarget::normal(double x, double y, double z) {
    if (!hidden()) output.normal(x, y, z);
}
void StepDrawTarget::colour(double red, double green, double blue) {
    forwardColour(red, green, blue, nullptr);
}
void StepDrawTarget::colour(double red, double green, double blue, double alpha) {
    forwardColour(red, green, blue, &alpha);
}
void StepDrawTarget::pushMatrix() { output.pushMatrix(); }
void StepDrawTarget::popMatrix() { output.popMatrix(); }
void StepDrawTarget::translate(double x, double y, double z) { output.translate(x, y, z); }
void StepDrawTarget::rotate(double degrees, double x, double y, double z) {
    output.rotate(degrees, x, y, z);
}
void StepDrawTarget::scale(double x, double y, double z) { output.scale(x, y, z); }
void StepDrawTarget::unitCube() {
    if (!hidden()) output.unitCube();
}
void StepDrawTarget::beginPlacement(const PlacementTag& placement) {
    if (step == 0 || placement.map == step)
        look = Look::Full;
    else
        look = placement.map < step ? Look::Faded : Look::Hidden;
    output.beginPlacement(placement);
}
void StepDrawTarget::endPlacement() {
    look = Look::Full;
    output.endPlacement();
}

HouseMesh captureStep(const Model& model, int map) {
    return captureDrawing([&model, map] {
        StepDrawTarget step(drawTarget());
        step.setStep(map);
        const ScopedDrawTarget faded(step);
        // As captureHouse: the base plate's corner at the house frame's origin.
        drawTarget().translate(-kBasePlateOffset, 0, -kBasePlateOffset);
        drawModel(model);
    });
}
