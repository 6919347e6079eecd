# Set-up, build, run and test. Every target installs what is missing first.
JOBS ?= 2
NATIVE := build/native
FUZZ := build/fuzz
WIN32 := build/win32

.PHONY: all setup build native win32 fuzz test unit e2e run bench fuzz-long clean

all: build

setup:
	@scripts/setup.sh
	@scripts/wine-mode.sh --explain >/dev/null

build: setup
	@$(MAKE) --no-print-directory native win32

native:
	@cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(NATIVE) -j $(JOBS)

win32:
	@cmake -S . -B $(WIN32) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(WIN32) -j $(JOBS)

fuzz: setup
	@cmake -S . -B $(FUZZ) -DMW_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
	@cmake --build $(FUZZ) -j $(JOBS)

# Every test: unit tests, fuzz smoke runs and the end-to-end tests under Wine.
test: build fuzz
	@cd $(NATIVE) && ctest --output-on-failure -j 1

# Only the fast native unit tests.
unit: setup native
	@cd $(NATIVE) && ctest --output-on-failure -j $(JOBS) -E '^(fuzz|e2e)\.'

# Only the Wine end-to-end tests; FILTER=Suite.Name picks some.
e2e: build
	@scripts/wine-test.sh $(WIN32) $(FILTER)

run: build
	@scripts/run.sh $(WIN32)/MaterialWeight.exe

# Native benchmarks, then the program's responsiveness under Wine (ratios to yardsticks).
bench: build
	@$(NATIVE)/benchmarks
	@$(NATIVE)/cutstock_report
	@scripts/wine-bench.sh $(WIN32)

# A long fuzz run of one target: make fuzz-long TARGET=CalcExpressionFuzz SECONDS=600
fuzz-long: fuzz
	@scripts/fuzz-smoke.sh $(FUZZ)/$(TARGET) fuzz/corpus/$(TARGET) $(or $(SECONDS),600)

clean:
	rm -rf build
