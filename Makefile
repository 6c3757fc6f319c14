# Carolune: `make test` sets up a fresh Debian 12 machine, builds everything
# with AddressSanitizer and UndefinedBehaviorSanitizer and runs all tests;
# `make fuzz` builds the fuzz harnesses with clang and runs each for
# FUZZ_SECONDS; `make bench` builds Release and runs the benchmarks;
# `make run` builds the same optimised Release build (no sanitizers) and
# starts the program.
BUILD_DIR ?= build
RELEASE_DIR ?= build-release
FUZZ_DIR ?= build-fuzz
JOBS ?= $(shell nproc)
# Seconds each fuzz harness runs, and how many run at once.
FUZZ_SECONDS ?= 60
FUZZ_AT_ONCE ?= 4

.PHONY: all setup configure build test fuzz release-configure bench run clean

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

fuzz: setup
	@cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
	  -DCMAKE_CXX_COMPILER=clang++ -DCAROLUNE_FUZZ=ON -DCAROLUNE_TESTS=OFF >/dev/null
	@cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzzers
	@bash fuzz/run-fuzzers.sh $(FUZZ_DIR) $(FUZZ_SECONDS) $(FUZZ_AT_ONCE)

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
	rm -rf $(BUILD_DIR) $(RELEASE_DIR) $(FUZZ_DIR)
