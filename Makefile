# Carolune: `make test` sets up a fresh Debian 12 machine, builds everything
# with AddressSanitizer and UndefinedBehaviorSanitizer and runs all tests;
# `make bench` builds Release and runs the benchmarks; `make run` builds the
# same optimised Release build (no sanitizers) and starts the program.
BUILD_DIR ?= build
RELEASE_DIR ?= build-release
JOBS ?= $(shell nproc)

.PHONY: all setup configure build test release-configure bench run clean

all: build

setup:
	@bash scripts/setup-deps.sh

configure: setup
	@cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCAROLUNE_SANITIZE=ON >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	@cd $(BUILD_DIR) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	  ctest --output-on-failure -j $(JOBS) --timeout 300

# One Release folder serves the benchmarks and the program.
release-configure: setup
	@cmake -S . -B $(RELEASE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DCAROLUNE_BENCH=ON -DCAROLUNE_TESTS=OFF >/dev/null

bench: release-configure
	@cmake --build $(RELEASE_DIR) -j $(JOBS)
	@for b in $(RELEASE_DIR)/bin/*_bench; do echo "== $$b"; $$b; done

run: release-configure
	@cmake --build $(RELEASE_DIR) -j $(JOBS) --target Carolune Dravik carolune_shipped_filters
	@$(RELEASE_DIR)/bin/Carolune

clean:
	rm -rf $(BUILD_DIR) $(RELEASE_DIR)
