#include "instructions/StepDrawTarget.h"

double StepDrawTarget::faded(double channel) const {
    return look == Look::Faded ? channel + (kFadeGrey - channel) * kFadeWeight : channel;
}

void StepDrawTarget::beginPolygon() {
    if (look != Look::Hidden) output.beginPolygon();
}
void StepDrawTarget::endPolygon() {
    if (look != Look::Hidden) output.endPolygon();
}
void StepDrawTarget::vertex(double x, double y, double z) {
    if (look != Look::Hidden) output.vertex(x, y, z);
}
void StepDrawTarget::normal(double x, double y, double z) {
    if (look != Look::Hidden) output.normal(x, y, z);
}
void StepDrawTarget::colour(double red, double green, double blue) {
    if (look != Look::Hidden) output.colour(faded(red), faded(green), faded(blue));
}
void StepDrawTarget::colour(double red, double green, double blue, double alpha) {
    if (look != Look::Hidden) output.colour(faded(red), faded(green), faded(blue), alpha);
}
void StepDrawTarget::pushMatrix() { output.pushMatrix(); }
void StepDrawTarget::popMatrix() { output.popMatrix(); }
void StepDrawTarget::translate(double x, double y, double z) { output.translate(x, y, z); }
void StepDrawTarget::rotate(double degrees, double x, double y, double z) {
    output.rotate(degrees, x, y, z);
}
void StepDrawTarget::scale(double x, double y, double z) { output.scale(x, y, z); }
void StepDrawTarget::unitCube() {
    if (look != Look::Hidden) output.unitCube();
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
