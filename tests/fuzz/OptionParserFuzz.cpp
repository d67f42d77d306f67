// libFuzzer target for the option parsers: the value parsers, the overlay names, and brik's and
// brik-house's command lines, parsed but never run (tests/fuzz/OptionInput.h gives the input's
// form). `make fuzz` builds and runs it after the reader's; inputs that fail go to
// tests/cli/regressions/, which the brik command's tests replay.

#include "OptionInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    parseOptionInput(data, size);
    return 0;
}
