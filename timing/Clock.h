#pragma once

#include <cstdint>

// The millisecond clock behind the scene clock and the frame-rate meter: a monotonic
// count of milliseconds since the program started, as an unsigned 32-bit value.
// Counting from the program's start (not the system's) keeps the meter's float seconds
// precise however long the machine has been up.
std::uint32_t clockMilliseconds();

// Replaces the clock source (tests drive time by hand); nullptr restores the real clock.
using ClockSource = std::uint32_t (*)();
void setClockSource(ClockSource source);
