# Two commands do all the set-up on a fresh Debian machine:
#   make run    installs what is missing, builds, and shows the house
#   make test   installs what is missing, builds, and runs every test

BUILD_DIR ?= build
JOBS ?= $(shell nproc)
# Tests and headless runs share one virtual screen, large enough for any test window.
XVFB := xvfb-run -a -s "-screen 0 1280x1024x24"

.PHONY: all deps configure build run snapshot bench test clean

all: build

deps:
	@tools/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

# With a display the viewer opens its window; without one the same frame is rendered
# under Xvfb to a PNG.
run: build
	@if [ -n "$$DISPLAY" ]; then \
	  ./$(BUILD_DIR)/brik-house; \
	else \
	  $(XVFB) ./$(BUILD_DIR)/brik-snapshot -o $(BUILD_DIR)/brik-house.png && \
	  echo "No display (DISPLAY is unset): the viewer's frame was rendered headless to $(BUILD_DIR)/brik-house.png"; \
	fi

# Frame timings of the whole house: median and minimum per pass, frames per second.
bench: build
	@$(XVFB) ./$(BUILD_DIR)/brik-snapshot --frames 30 -o $(BUILD_DIR)/bench.png

test: build
	@$(XVFB) ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

clean:
	rm -rf $(BUILD_DIR)
