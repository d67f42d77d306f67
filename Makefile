# Two commands do all the set-up on a fresh Debian machine:
#   make run    installs what is missing, builds, and shows the house
#   make test   installs what is missing, builds, and runs every test

BUILD_DIR ?= build
SANITIZED_BUILD_DIR ?= build-asan
FUZZ_BUILD_DIR ?= build-fuzz
CLANG_BUILD_DIR ?= build-clang
FUZZ_SECONDS ?= 60
JOBS ?= $(shell nproc)
# Tests and headless runs share one virtual screen, large enough for any test window.
# -noreset: with tests in parallel the server must not reset when its last client leaves,
# or a test that connects at that moment finds no display.
XVFB := xvfb-run -a -s "-screen 0 1280x1024x24 -noreset"

.PHONY: all deps configure build run snapshot bench shadow-quality startup test test-sanitized \
  fuzz soak install package clean check-clang

all: build

# DEPS=run installs what building and running need; the tests need more (tools/install-deps.sh).
DEPS ?= test
deps:
	@tools/install-deps.sh $(DEPS)

# WERROR=ON turns compiler warnings into errors (CI does); a plain build only reports them.
WERROR ?= OFF
# TESTS=OFF leaves the tests out of the build (make run, install and package do).
TESTS ?= ON
# Where `make install` puts the programs and their data (DESTDIR, if set, is put before it); the
# programs look for their data there.
PREFIX ?= /usr/local

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRIK_WERROR=$(WERROR) \
	  -DBRIK_TESTS=$(TESTS) -DCMAKE_INSTALL_PREFIX=$(PREFIX) > /dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

# With a display the viewer opens its window; without one the same frame is rendered
# under Xvfb to a PNG. Only what running needs is installed and built, the build's progress
# shown in a few lines.
run: DEPS = run
run: TESTS = OFF
run: configure
	@tools/quiet-build.sh $(BUILD_DIR) $(JOBS) brik brik-house
	@if [ -n "$$DISPLAY" ]; then \
	  ./$(BUILD_DIR)/brik-house; \
	else \
	  $(XVFB) ./$(BUILD_DIR)/brik snapshot -o $(BUILD_DIR)/brik-house.png && \
	  echo "No display (DISPLAY is unset): the viewer's frame was rendered headless to $(BUILD_DIR)/brik-house.png"; \
	fi

# The fixed and the fast renderer interleaved (five rounds of ten frames each, one window) at
# three window sizes: median and minimum ms per frame, their ratio, the fast renderer's memory.
# The screen is large enough for the largest window.
BENCH_SIZES ?= 800x600 400x300 1600x1200
bench: build
	@for size in $(BENCH_SIZES); do \
	  xvfb-run -a -s "-screen 0 1700x1300x24" ./$(BUILD_DIR)/brik-bench --size $$size || exit 1; \
	done

# Shadow quality: for several eyes and lights, the share of visible pixels each renderer shows
# lit where the light does not reach or shadowed where it does (against rays cast on the
# processor), and its ms per frame, interleaved: the specified frame, the fast renderer, one
# row per shadow control turned and the presentation look.
shadow-quality: build
	@$(XVFB) ./$(BUILD_DIR)/brik-shadow-quality

# Start-up, exec to first frame (median of ten interleaved runs): a GLUT program that only clears
# and swaps, the fixed frame and the fast renderer.
startup: build
	@$(XVFB) ./$(BUILD_DIR)/brik-startup-bench --runs 10 ./$(BUILD_DIR)/brik-clear-and-swap \
	  ./$(BUILD_DIR)/brik-house "./$(BUILD_DIR)/brik-house --renderer fast"

test: build
	@$(XVFB) ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)
	@$(MAKE) --no-print-directory test-sanitized

# The whole suite again, built with AddressSanitizer (leak checks on) and UBSan; leaks inside
# the OpenGL driver, GLX and freeglut are suppressed in tests/sanitizer/leaks.supp.
test-sanitized: deps
	@cmake -S . -B $(SANITIZED_BUILD_DIR) -DCMAKE_BUILD_TYPE=Debug -DBRIK_SANITIZE=ON \
	  -DBRIK_WERROR=$(WERROR) > /dev/null
	@cmake --build $(SANITIZED_BUILD_DIR) -j $(JOBS)
	@$(XVFB) ctest --test-dir $(SANITIZED_BUILD_DIR) --output-on-failure -j $(JOBS)

# Fuzzes the SGI reader, the option parsers and the model file parser with libFuzzer (clang),
# FUZZ_SECONDS in all, a third each. An input that crashes a target or trips a sanitizer is
# written to tests/image/regressions/, tests/cli/regressions/ or tests/model/regressions/, which
# the tests replay. The reader's inputs grow up to twice the shipped floor image (whose long
# run-length tables are mutated too: images/ is a seed folder), at full length from the start.
READER_FUZZ_SECONDS = $(shell expr $(FUZZ_SECONDS) / 3)
OPTION_FUZZ_SECONDS = $(shell expr $(FUZZ_SECONDS) / 3)
MODEL_FUZZ_SECONDS = $(shell expr $(FUZZ_SECONDS) - 2 \* $(READER_FUZZ_SECONDS))
fuzz: deps
	@cmake -S . -B $(FUZZ_BUILD_DIR) -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRIK_FUZZ=ON -DBRIK_TESTS=OFF > /dev/null
	@cmake --build $(FUZZ_BUILD_DIR) -j $(JOBS) \
	  --target brik_image_fuzzer brik_option_fuzzer brik_model_fuzzer \
	  > $(FUZZ_BUILD_DIR)/build.log 2>&1 || { tail -n 40 $(FUZZ_BUILD_DIR)/build.log; exit 1; }
	@mkdir -p $(FUZZ_BUILD_DIR)/corpus $(FUZZ_BUILD_DIR)/option-corpus $(FUZZ_BUILD_DIR)/model-corpus
	@$(FUZZ_BUILD_DIR)/brik_image_fuzzer -max_total_time=$(READER_FUZZ_SECONDS) -print_final_stats=1 \
	  -max_len=$$((2 * $$(stat -c %s images/Floor.rgb))) -len_control=0 \
	  -artifact_prefix=tests/image/regressions/ $(FUZZ_BUILD_DIR)/corpus tests/fuzz/seeds images \
	  > $(FUZZ_BUILD_DIR)/fuzz.log 2>&1 || { tail -n 60 $(FUZZ_BUILD_DIR)/fuzz.log; exit 1; }
	@grep -E "^stat::number_of_executed_units|Done" $(FUZZ_BUILD_DIR)/fuzz.log
	@$(FUZZ_BUILD_DIR)/brik_option_fuzzer -max_total_time=$(OPTION_FUZZ_SECONDS) \
	  -print_final_stats=1 -artifact_prefix=tests/cli/regressions/ \
	  $(FUZZ_BUILD_DIR)/option-corpus tests/fuzz/option-seeds \
	  > $(FUZZ_BUILD_DIR)/option-fuzz.log 2>&1 || { tail -n 60 $(FUZZ_BUILD_DIR)/option-fuzz.log; exit 1; }
	@grep -E "^stat::number_of_executed_units|Done" $(FUZZ_BUILD_DIR)/option-fuzz.log
	@$(FUZZ_BUILD_DIR)/brik_model_fuzzer -max_total_time=$(MODEL_FUZZ_SECONDS) \
	  -print_final_stats=1 -max_len=8192 -dict=tests/fuzz/model.dict \
	  -artifact_prefix=tests/model/regressions/ $(FUZZ_BUILD_DIR)/model-corpus models \
	  > $(FUZZ_BUILD_DIR)/model-fuzz.log 2>&1 || { tail -n 60 $(FUZZ_BUILD_DIR)/model-fuzz.log; exit 1; }
	@grep -E "^stat::number_of_executed_units|Done" $(FUZZ_BUILD_DIR)/model-fuzz.log

# Everything built once more with clang, warnings as errors, unoptimised and without debug
# information to keep it cheap; nothing is run. Keeps the code clean for both compilers.
check-clang: deps
	@cmake -S . -B $(CLANG_BUILD_DIR) -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
	  -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG=-O0 -DBRIK_WERROR=ON > /dev/null
	@cmake --build $(CLANG_BUILD_DIR) -j $(JOBS)

# The long-run check, not part of `make test`: 5000 frames of the viewer's frame with the
# resident memory sampled every 100; fails on more than 1 MiB of growth after the warm-up or on
# any OpenGL error.
soak: build
	@$(XVFB) ./$(BUILD_DIR)/brik-soak

# The programs, the floor image, the manual pages, the completions and the desktop entry under
# $(DESTDIR)$(PREFIX).
install: DEPS = run
install: TESTS = OFF
install: build
	@DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# A Debian package of the same files under /usr: $(BUILD_DIR)/brik_VERSION_ARCH.deb. Its
# dependencies are the run-time libraries the programs link (dpkg-shlibdeps finds them).
package: TESTS = OFF
package: PREFIX = /usr
package: build
	@cd $(BUILD_DIR) && cpack -G DEB > cpack.log 2>&1 || { cat cpack.log; exit 1; }
	@ls $(BUILD_DIR)/brik_*.deb

clean:
	rm -rf $(BUILD_DIR) $(SANITIZED_BUILD_DIR) $(FUZZ_BUILD_DIR) $(CLANG_BUILD_DIR)
