// libFuzzer target for the SGI reader: every input is read as a whole image through the
// non-exiting API from an in-memory file. Reading may fail, with a one-line message; it must not
// crash, trip a sanitizer, leak, or ask for more memory than its limit. `make fuzz` builds and
// runs it; inputs that fail go to tests/image/regressions/, which the reader's tests read.

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "image/Image.h"

namespace {

// One memory-backed file, rewritten for each input: the reader takes a path, and
// /proc/self/fd/N names the file without touching the disk.
int memoryFile() {
    static const int descriptor = memfd_create("sgi-input", 0);
    if (descriptor < 0) std::abort();
    return descriptor;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const int descriptor = memoryFile();
    if (ftruncate(descriptor, 0) != 0 ||
        pwrite(descriptor, data, size, 0) != static_cast<ssize_t>(size))
        std::abort();
    const std::string path = "/proc/self/fd/" + std::to_string(descriptor);

    LoadedImage* image = nullptr;
    ImageError error;
    if (ImageTryLoad(path.c_str(), &image, &error)) {
        ImageFree(image);
    } else if (error.message.empty() || error.message.find('\n') != std::string::npos) {
        std::abort();  // every refusal is one line
    }
    return 0;
}
