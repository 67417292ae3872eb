# The two commands of the README: `make run` and `make test`.
PRESET ?= default
BUILD  := build/$(PRESET)

.PHONY: all setup build run test test-default test-asan bench clean

all: build

setup:
	@scripts/setup

build: setup
	@cmake --preset $(PRESET) >/dev/null
	@cmake --build --preset $(PRESET)

run: build
	@$(BUILD)/qzhost/qzhost info $(BUILD)/plugin/qzstaffset.so
	@echo
	@$(BUILD)/qzhost/qzhost doc show demo

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

clean:
	rm -rf build
