// Linked into every program and test of the sanitized build (BRIK_SANITIZE), and only there.
//
// Keeping libraries loaded: the OpenGL driver is unloaded with dlclose when the display closes,
// before LeakSanitizer reports at exit, so its frames would read "<unknown module>" and could
// not be told apart from ours. Defined in the executable, this dlclose is the one every library
// calls: nothing is unloaded and every frame keeps its module and function name.
//
// Death tests: a death test's child ends in the middle of the test (exit from deep inside the
// code under test), abandoning whatever the test held; its leaks say nothing. Children forked by
// a test ("fast" death tests) and test programs re-run as a death test's child ("threadsafe")
// skip the leak check; the test process itself and every program it starts keep it.

#include <unistd.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

const pid_t kStartingProcess = getpid();

bool isDeathTestChild() {
    if (getpid() != kStartingProcess) return true;
    std::ifstream commandLine("/proc/self/cmdline", std::ios::binary);
    const std::string arguments(std::istreambuf_iterator<char>(commandLine), {});
    return arguments.find("--gtest_internal_run_death_test") != std::string::npos;
}

}  // namespace

extern "C" int dlclose(void*) { return 0; }

extern "C" int __lsan_is_turned_off() { return isDeathTestChild() ? 1 : 0; }

// Defaults for every run, from ctest or by hand; the environment's *SAN_OPTIONS still override.
extern "C" const char* __asan_default_options() { return "detect_leaks=1"; }
extern "C" const char* __lsan_default_options() {
    return "suppressions=" BRIK_LEAK_SUPPRESSIONS ":print_suppressions=0";
}
extern "C" const char* __ubsan_default_options() { return "print_stacktrace=1"; }
