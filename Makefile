# The two commands of the README: `make run` and `make test`.
PRESET ?= default
BUILD  := build/$(PRESET)

.PHONY: all setup build run test test-default test-asan bench fuzz clean

all: build

setup:
	@scripts/setup

build: setup
	@cmake --preset $(PRESET) >/dev/null
	@cmake --build --preset $(PRESET)

# In a terminal the host is interactive; without one it plays the demo session.
run: build
	@if [ -t 0 ]; then $(BUILD)/qzhost/qzhost run; \
	else $(BUILD)/qzhost/qzhost run < qzhost/demo.qzs; fi

test: setup
	@$(MAKE) --no-print-directory test-default
	@$(MAKE) --no-print-directory test-asan

test-default:
	cmake --preset default >/dev/null
	cmake --build --preset default
	ctest --preset default

test-asan:
	cmake --preset asan >/dev/null
	cmake --build --preset asan
	ctest --preset asan

bench: build
	@scripts/run-benchmarks $(BUILD)

# Coverage-guided fuzzing with clang's libFuzzer; new inputs go to build/fuzz/found.
FUZZ_SECONDS ?= 30
fuzz:
	@scripts/setup fuzz
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz
	@for t in build/fuzz/tests/fuzz/fuzz_*; do n=$${t##*/fuzz_}; mkdir -p build/fuzz/found/$$n; \
	  $$t -max_total_time=$(FUZZ_SECONDS) build/fuzz/found/$$n tests/fuzz/corpus/$$n || exit 1; done

clean:
	rm -rf build
