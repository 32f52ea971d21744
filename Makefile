# The two commands of the README:
#   make run    installs what is missing, builds, and starts Threadwright
#   make test   installs what is missing, builds, and runs every test
# and two for the readers of outside files:
#   make test-sanitize  every test with AddressSanitizer, UndefinedBehaviorSanitizer and
#                       LeakSanitizer (build-sanitize/), including the replay of the fuzz seeds
#   make fuzz           builds the fuzz targets with clang and runs each for FUZZ_SECONDS
#                       (build-fuzz/; see fuzz/README.md)
# and one for installing it:
#   make package        builds $(BUILD_DIR)/threadwright_<version>_<arch>.deb from the install rules
# and one for the speed figures:
#   make bench          also builds the benchmarks into $(BUILD_DIR)/bench/ (see bench/README.md)
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
# The benchmarks are built by `make bench` only: the tests do not need them.
BENCH ?= OFF

SANITIZE_DIR ?= build-sanitize
# Light optimisation and line tables only: the sanitizers' reports keep file and line, and the
# instrumented build takes little more than half the time of a full -O2 -g one.
SANITIZE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG"
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS ?= $(notdir $(wildcard fuzz/corpus/*))
# Every finding ends the run with a report: a leak, a wrong memory access or undefined behaviour.
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:halt_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1 \
	UBSAN_OPTIONS=halt_on_error=1:abort_on_error=1:print_stacktrace=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/fuzz/lsan.supp:print_suppressions=0

.PHONY: all deps configure build run test bench clean test-sanitize fuzz package

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS) -DTHREADWRIGHT_BENCH=$(BENCH) >/dev/null

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

package: build
	@cd $(BUILD_DIR) && cpack -G DEB

bench:
	@$(MAKE) --no-print-directory build BENCH=ON
	@echo "Benchmarks are in $(BUILD_DIR)/bench/; see bench/README.md for the figures and commands."

test-sanitize: deps
	@cmake -S . -B $(SANITIZE_DIR) -G Ninja $(SANITIZE_FLAGS) -DTHREADWRIGHT_SANITIZE=ON -DTHREADWRIGHT_UI=OFF -DTHREADWRIGHT_BENCH=OFF >/dev/null
	@cmake --build $(SANITIZE_DIR) -j$(JOBS)
	@cd $(SANITIZE_DIR) && $(SANITIZER_ENV) QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

# New inputs go to $(FUZZ_DIR)/corpus/<target>; the seeds of fuzz/corpus/<target> are read too.
fuzz: deps
	@cmake -S . -B $(FUZZ_DIR) -G Ninja $(CMAKE_FLAGS) -DCMAKE_CXX_COMPILER=clang++ -DTHREADWRIGHT_FUZZ=ON \
	  -DTHREADWRIGHT_SANITIZE=ON -DTHREADWRIGHT_UI=OFF -DTHREADWRIGHT_TESTS=OFF -DTHREADWRIGHT_BENCH=OFF >/dev/null
	@cmake --build $(FUZZ_DIR) -j$(JOBS)
	@for t in $(FUZZ_TARGETS); do \
	  echo "== fuzz_$$t for $(FUZZ_SECONDS) s"; \
	  mkdir -p $(FUZZ_DIR)/corpus/$$t $(FUZZ_DIR)/artifacts; \
	  dict=""; [ -f fuzz/dict/$$t.dict ] && dict="-dict=fuzz/dict/$$t.dict"; \
	  $(SANITIZER_ENV) nice -n 19 $(FUZZ_DIR)/fuzz/fuzz_$$t $(FUZZ_DIR)/corpus/$$t fuzz/corpus/$$t $$dict \
	    -max_total_time=$(FUZZ_SECONDS) -timeout=60 -rss_limit_mb=2560 -malloc_limit_mb=512 -print_final_stats=1 \
	    -artifact_prefix=$(FUZZ_DIR)/artifacts/$$t- || exit 1; \
	done

clean:
	rm -rf $(BUILD_DIR)
