# Set-up, build, run and test. Every target installs what is missing first.
JOBS ?= 2
NATIVE := build/native
FUZZ := build/fuzz
# The Windows build the tests run under Wine here (win32, or win64 on a kernel without 32-bit support).
RUNNABLE = build/$$(scripts/wine-arch.sh)

.PHONY: all setup build native win32 win64 fuzz test unit e2e run bench fuzz-long clean

all: build

setup:
	@scripts/setup.sh

build: setup
	@$(MAKE) --no-print-directory native win32
	@if [ "$$(scripts/wine-arch.sh)" = win64 ]; then $(MAKE) --no-print-directory win64; fi

native:
	@cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=Release -DMW_E2E_DIR="$(CURDIR)/$(RUNNABLE)" >/dev/null
	@cmake --build $(NATIVE) -j $(JOBS)

win32 win64:
	@cmake -S . -B build/$@ -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-$(if $(filter win32,$@),i686,x86_64).cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build build/$@ -j $(JOBS)

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
	@scripts/wine-test.sh $(RUNNABLE) $(FILTER)

run: build
	@scripts/run.sh $(RUNNABLE)/MaterialWeight.exe

bench: setup native
	@$(NATIVE)/benchmarks

# A long fuzz run of one target: make fuzz-long TARGET=CalcExpressionFuzz SECONDS=600
fuzz-long: fuzz
	@scripts/fuzz-smoke.sh $(FUZZ)/$(TARGET) fuzz/corpus/$(TARGET) $(or $(SECONDS),600)

clean:
	rm -rf build
