#include "maths/Color.h"

namespace {

void ClampComponent(float& value) {
    if (value > 1.0f) value = 1.0f;
    if (value < 0.0f) value = 0.0f;
}

}  // namespace

COLOR COLOR::operator*(float scale) const {
    return COLOR(scale * r, scale * g, scale * b, scale * a);
}

bool COLOR::operator==(COLOR const& other) const {
    return r == other.r && g == other.g && b == other.b && a == other.a;
}

void COLOR::ClampTo01() {
    ClampComponent(r);
    ClampComponent(g);
    ClampComponent(b);
    ClampComponent(a);
}

COLOR operator*(float scale, COLOR const& color) { return color * scale; }
