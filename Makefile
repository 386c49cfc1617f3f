# Quick start: `make run` starts the editor, `make test` runs every test.
# Both install what is missing (Debian/Ubuntu), configure and build first.

BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test bench clean

all: build

deps:
	@sh tools/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./$(BUILD_DIR)/app/grimlark

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Benchmarks: an optimised build of their own, run offscreen.
bench:
	@sh tools/install-deps.sh libbenchmark-dev
	@cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DGRIMLARK_BENCH=ON -DGRIMLARK_TESTS=OFF >/dev/null
	@cmake --build build-bench -j $(JOBS) --target grimlark_bench
	QT_QPA_PLATFORM=offscreen ./build-bench/bench/grimlark_bench $(BENCH_ARGS)

clean:
	rm -rf $(BUILD_DIR) build-bench build-fuzz build-asan
