# Two commands do all the set-up on a fresh Debian machine:
#   make run    installs what is missing, builds, and shows the house
#   make test   installs what is missing, builds, and runs every test

BUILD_DIR ?= build
JOBS ?= $(shell nproc)
# Tests and headless runs share one virtual screen, large enough for any test window.
# -noreset: with tests in parallel the server must not reset when its last client leaves,
# or a test that connects at that moment finds no display.
XVFB := xvfb-run -a -s "-screen 0 1280x1024x24 -noreset"

.PHONY: all deps configure build run snapshot bench startup test clean

all: build

deps:
	@tools/install-deps.sh

# WERROR=ON turns compiler warnings into errors (CI does); a plain build only reports them.
WERROR ?= OFF

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRIK_WERROR=$(WERROR) > /dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

# With a display the viewer opens its window; without one the same frame is rendered
# under Xvfb to a PNG.
run: build
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

# Start-up, exec to first frame (median of ten interleaved runs): a GLUT program that only clears
# and swaps, the fixed frame and the fast renderer.
startup: build
	@$(XVFB) ./$(BUILD_DIR)/brik-startup-bench --runs 10 ./$(BUILD_DIR)/brik-clear-and-swap \
	  ./$(BUILD_DIR)/brik-house "./$(BUILD_DIR)/brik-house --renderer fast"

test: build
	@$(XVFB) ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD_DIR)
