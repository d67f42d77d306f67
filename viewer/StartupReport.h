#pragma once

// Start-up timestamps for `brik-house --startup-report`: each step of the start marks the
// moment it ended on the system's monotonic clock, the same clock in every process, so that a
// launcher can subtract the moment it started the program (tools/startup_bench.cpp).

// Records that `step` (a string literal) ended now.
void markStartup(const char* step);

// Prints one line per step, "startup STEP SECONDS" (monotonic clock, microseconds), in order.
void printStartupReport();
