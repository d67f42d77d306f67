// libFuzzer target for the model file parser: every input is parsed as a model file. Parsing
// may fail, with one line naming the input; it must not crash, trip a sanitizer, leak, hang or
// allocate without bound. A model read must write back as text that reads to the same text.
// `make fuzz` builds and runs it, seeded with models/; inputs that fail go to
// tests/model/regressions/, which the model tests read.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "model/ModelFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Model model;
    std::string error;
    if (!parseModel(text, "fuzz", &model, &error)) {
        if (error.rfind("fuzz:", 0) != 0 || error.find('\n') != std::string::npos) std::abort();
        return 0;
    }
    const std::string written = modelText(model);
    Model again;
    if (!parseModel(written, "written", &again, &error) || modelText(again) != written)
        std::abort();
    return 0;
}
