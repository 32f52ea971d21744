# The two commands of the README:
#   make run    installs what is missing, builds, and starts Threadwright
#   make test   installs what is missing, builds, and runs every test
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build run test bench clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j$(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "Threadwright is a desktop program and needs a display (no DISPLAY or WAYLAND_DISPLAY is set)."; \
	  echo "Start it from a desktop session with:  $(BUILD_DIR)/bin/threadwright [DESIGN]"; \
	  echo "or under a virtual display with:       xvfb-run $(BUILD_DIR)/bin/threadwright"; \
	  echo "The command-line program works without a display: $(BUILD_DIR)/bin/threadwright-cli --help"; \
	  exit 1; \
	fi
	@$(BUILD_DIR)/bin/threadwright

test: build
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

bench: build
	@echo "Benchmarks are in $(BUILD_DIR)/bench/; see bench/README.md for the figures and commands."

clean:
	rm -rf $(BUILD_DIR)
