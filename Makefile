# The two commands of the README: `make run` and `make test`.
PRESET ?= default
BUILD  := build/$(PRESET)

.PHONY: all setup build run test test-default test-asan test-clang bench coverage fuzz validate clean

all: build

setup:
	@scripts/setup

# Only what `qzhost run` needs (the target qz_run); `make test` and
# `make bench` build everything.
build: setup
	@cmake --preset $(PRESET) >/dev/null
	@cmake --build --preset $(PRESET) --target qz_run

# In a terminal the host is interactive; without one it plays the demo session.
run: build
	@if [ -t 0 ]; then $(BUILD)/qzhost/qzhost run; \
	else $(BUILD)/qzhost/qzhost run < qzhost/demo.qzs; fi

# Every configuration CI runs: g++ optimised, clang++ with sanitizers, clang++.
# Each also checks that no test went missing (tests/ctest-floor). The sources
# must match .clang-format first. The next configuration builds while the
# tests of the one before it run (scripts/test-configs); `make test-PRESET`
# does one configuration alone.
test: setup
	@scripts/check-format
	@scripts/test-configs default asan clang

test-default test-asan test-clang: test-%:
	cmake --preset $* >/dev/null
	cmake --build --preset $*
	scripts/check-test-count build/$*
	ctest --preset $*

# The strictest validator run (qzhost/README.md) on the headless module of this build.
validate: build
	@$(BUILD)/qzhost/qzhost validate --level 10 $(BUILD)/plugin/qzstaffset.so

bench: setup
	@cmake --preset $(PRESET) >/dev/null
	@cmake --build --preset $(PRESET)
	@scripts/run-benchmarks $(BUILD)

# Line coverage of the shared bridge code (framework/ui/bridge/) by the
# headless suites, as gcovr prints it.
coverage: setup
	@scripts/coverage

# Coverage-guided fuzzing with clang's libFuzzer, every target in turn
# (scripts/run-fuzz); failing inputs go to build/fuzz/found.
FUZZ_SECONDS ?= 30
fuzz:
	@scripts/setup fuzz
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz
	@scripts/run-fuzz build/fuzz $(FUZZ_SECONDS)

clean:
	rm -rf build
