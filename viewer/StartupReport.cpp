#include "viewer/StartupReport.h"

#include <time.h>

#include <cstdio>
#include <utility>
#include <vector>

namespace {
std::vector<std::pair<const char*, double>> steps;

double monotonicSeconds() {
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}
}  // namespace

void markStartup(const char* step) { steps.emplace_back(step, monotonicSeconds()); }

void printStartupReport() {
    for (const auto& step : steps) printf("startup %s %.6f\n", step.first, step.second);
    fflush(stdout);
}
