# The README's commands. Each one installs what is missing first, so a fresh
# Debian 12 machine needs nothing else.
SHELL := /bin/bash
BUILD_DIR ?= build
BENCH_DIR ?= build-bench
ASAN_DIR ?= build-asan
FUZZ_DIR ?= build-fuzz
WINDOWS_DIR ?= build-windows
FUZZ_SECONDS ?= 60
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps build run test check-high-dpi package check-asan check-breaks fuzz bench format translations clean windows windows-build test-windows

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

# The Debian package $(BUILD_DIR)/kettwerk_<version>_amd64.deb: both programs,
# the sound, desktop entry, icons, AppStream metainfo and manual page, with
# the Qt packages they need as dependencies. Install it with
# `sudo apt install ./$(BUILD_DIR)/kettwerk_*.deb`.
package: build
	cd $(BUILD_DIR) && cpack -G DEB

# The windows at screen scale factors 1, 1.5 and 2 on an X server in memory:
# the high-DPI test on X, and screenshots in $(BUILD_DIR)/high-dpi/.
check-high-dpi: build
	@bash scripts/check-high-dpi $(BUILD_DIR)

# Every test again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
# The failing-read helper is preloaded before the sanitizer's runtime.
check-asan: deps
	cmake -S . -B $(ASAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKETTWERK_SANITIZE=ON
	cmake --build $(ASAN_DIR) -j $(JOBS)
	QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0:verify_asan_link_order=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	ctest --test-dir $(ASAN_DIR) --output-on-failure -j $(JOBS)

# The deliberate bugs of tests/breaks/, planted one at a time in a copy of the
# checkout (build-breaks/): fails unless the tests catch every one. BREAKS
# picks the breaks whose name contains it, e.g. BREAKS=core-batchcheck.
check-breaks: deps
	@JOBS=$(JOBS) bash scripts/check-breaks $(BREAKS)

# Each fuzz target for FUZZ_SECONDS, starting from the seeds in fuzz/corpus.
fuzz: deps
	@bash scripts/install-deps fuzz
	CXX=clang++ cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKETTWERK_FUZZ=ON
	cmake --build $(FUZZ_DIR) -j $(JOBS)
	@for target in listtext configlines textreplace runlog; do \
	  mkdir -p $(FUZZ_DIR)/corpus/$$target; \
	  echo "fuzz_$$target: $(FUZZ_SECONDS) s"; \
	  $(FUZZ_DIR)/fuzz/fuzz_$$target -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    $(FUZZ_DIR)/corpus/$$target fuzz/corpus/$$target 2>&1 | \
	    grep -E "^(Done|stat::number_of_executed_units|==[0-9]+==ERROR)|SUMMARY" ; \
	  test $${PIPESTATUS[0]} -eq 0 || exit 1; \
	done

bench: deps
	cmake -S . -B $(BENCH_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DKETTWERK_BUILD_TESTS=OFF -DKETTWERK_BUILD_BENCH=ON
	cmake --build $(BENCH_DIR) -j $(JOBS) --target kettwerk-bench
	QT_QPA_PLATFORM=offscreen $(BENCH_DIR)/bench/kettwerk-bench --benchmark_out=$(BENCH_DIR)/bench.json --benchmark_out_format=json
	@echo "JSON: $(BENCH_DIR)/bench.json"

# The Windows program, cross-built with mingw-w64 against a Qt built for
# Windows (scripts/build-qt-windows installs the compilers, wine and NSIS and
# builds that Qt once), packed with everything it needs to run into
# dist/kettwerk-windows-x64.zip, and the same files into the installer
# dist/kettwerk-setup-<version>.exe.
windows-build:
	@bash scripts/build-qt-windows
	cmake -S . -B $(WINDOWS_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
	cmake --build $(WINDOWS_DIR) -j $(JOBS) --target kettwerk kettwerk-batch

windows: windows-build
	@bash scripts/package-windows $(WINDOWS_DIR) dist/kettwerk-windows-x64.zip
	@bash scripts/package-windows-installer $(WINDOWS_DIR) dist

# Every test executable of the Windows build under wine64 (see
# scripts/test-windows for how the results are counted), then the installer
# (scripts/test-windows-installer, which compares with the Linux build's
# kettwerk-batch). Both run; either failing fails the target.
test-windows: windows build
	cmake --build $(WINDOWS_DIR) -j $(JOBS)
	@bash scripts/test-windows $(WINDOWS_DIR); programs=$$?; \
	  bash scripts/test-windows-installer $(WINDOWS_DIR) dist $(BUILD_DIR); installer=$$?; \
	  test $$programs -eq 0 -a $$installer -eq 0

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

# Gathers the texts of the sources into translations/kettwerk_en.ts: new
# texts arrive unfinished, to be translated there; texts gone from the
# sources are dropped.
translations: deps
	/usr/lib/qt6/bin/lupdate -silent -locations none -no-obsolete -source-language de \
	  -target-language en src app -ts translations/kettwerk_en.ts

clean:
	rm -rf $(BUILD_DIR) $(BENCH_DIR) $(ASAN_DIR) $(FUZZ_DIR)
