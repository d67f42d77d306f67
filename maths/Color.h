#pragma once

#include <type_traits>

// An RGBA colour in single precision, components nominally 0..1 but only
// clamped when asked. The components are contiguous, so a colour can be
// handed to glLightfv and glMaterialfv as an array of four floats.
class COLOR {
public:
    float r;
    float g;
    float b;
    float a;

    constexpr COLOR(float newR, float newG, float newB, float newA)
        : r(newR), g(newG), b(newB), a(newA) {}

    // r, g, b, a in this order.
    operator float const*() const { return &r; }

    // Scales alpha too: white * 0.2 is (0.2, 0.2, 0.2, 0.2).
    COLOR operator*(float scale) const;

    // Exact comparison of all components; a NaN component never compares equal.
    bool operator==(COLOR const& other) const;

    // Each component, alpha included, forced into 0..1.
    void ClampTo01();
};

COLOR operator*(float scale, COLOR const& color);

static_assert(sizeof(COLOR) == 4 * sizeof(float), "COLOR must read as four floats");
static_assert(std::is_standard_layout<COLOR>::value, "COLOR must keep a C layout");
static_assert(std::is_trivially_copyable<COLOR>::value, "COLOR is a plain value");
