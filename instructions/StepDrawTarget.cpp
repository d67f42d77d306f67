#include "instructions/StepDrawTarget.h"

namespace {
DrawTarget& out() { return immediateDrawTarget(); }
}  // namespace

double StepDrawTarget::faded(double channel) const {
    return look == Look::Faded ? channel + (kFadeGrey - channel) * kFadeWeight : channel;
}

void StepDrawTarget::beginPolygon() {
    if (look != Look::Hidden) out().beginPolygon();
}
void StepDrawTarget::endPolygon() {
    if (look != Look::Hidden) out().endPolygon();
}
void StepDrawTarget::vertex(double x, double y, double z) {
    if (look != Look::Hidden) out().vertex(x, y, z);
}
void StepDrawTarget::normal(double x, double y, double z) {
    if (look != Look::Hidden) out().normal(x, y, z);
}
void StepDrawTarget::colour(double red, double green, double blue) {
    if (look != Look::Hidden) out().colour(faded(red), faded(green), faded(blue));
}
void StepDrawTarget::colour(double red, double green, double blue, double alpha) {
    if (look != Look::Hidden) out().colour(faded(red), faded(green), faded(blue), alpha);
}
void StepDrawTarget::pushMatrix() { out().pushMatrix(); }
void StepDrawTarget::popMatrix() { out().popMatrix(); }
void StepDrawTarget::translate(double x, double y, double z) { out().translate(x, y, z); }
void StepDrawTarget::rotate(double degrees, double x, double y, double z) {
    out().rotate(degrees, x, y, z);
}
void StepDrawTarget::scale(double x, double y, double z) { out().scale(x, y, z); }
void StepDrawTarget::unitCube() {
    if (look != Look::Hidden) out().unitCube();
}
void StepDrawTarget::beginPlacement(const PlacementTag& placement) {
    if (step == 0 || placement.map == step)
        look = Look::Full;
    else
        look = placement.map < step ? Look::Faded : Look::Hidden;
    out().beginPlacement(placement);
}
void StepDrawTarget::endPlacement() {
    look = Look::Full;
    out().endPlacement();
}
