#include "model/DrawTarget.h"

#include <cstdio>
#include <cstdlib>

namespace {
thread_local DrawTarget* currentTarget = nullptr;
}  // namespace

DrawTarget& drawTarget() {
    if (currentTarget == nullptr) {
        std::fprintf(stderr, "a piece was drawn with no draw target installed on this thread\n");
        std::abort();
    }
    return *currentTarget;
}

ScopedDrawTarget::ScopedDrawTarget(DrawTarget& target) : previous(currentTarget) {
    currentTarget = &target;
}

ScopedDrawTarget::~ScopedDrawTarget() { currentTarget = previous; }
