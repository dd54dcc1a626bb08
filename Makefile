# The README's commands. Each one installs what is missing first, so a fresh
# Debian 12 machine needs nothing else.
BUILD_DIR ?= build
BENCH_DIR ?= build-bench
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps build run test bench format clean

all: build

deps:
	@bash scripts/install-deps

build: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja
	cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	$(BUILD_DIR)/app/kettwerk

test: build
	QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B $(BENCH_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DKETTWERK_BUILD_TESTS=OFF -DKETTWERK_BUILD_BENCH=ON
	cmake --build $(BENCH_DIR) -j $(JOBS) --target kettwerk-bench
	QT_QPA_PLATFORM=offscreen $(BENCH_DIR)/bench/kettwerk-bench --benchmark_out=$(BENCH_DIR)/bench.json --benchmark_out_format=json
	@echo "JSON: $(BENCH_DIR)/bench.json"

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(BENCH_DIR)
