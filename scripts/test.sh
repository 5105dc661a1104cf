#!/usr/bin/env bash
# Sets up, checks, builds and runs every test: the layer table and the
# formatting of our C++ sources, the Linux build under AddressSanitizer and
# UndefinedBehaviorSanitizer (it compiles the benchmarks too, without
# running them), a short run of every fuzz target, the 32-bit and 64-bit
# Windows builds, and the 64-bit Windows tests under Wine. Warnings in our
# own code are errors.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

step() { printf '\n=== %s ===\n' "$*"; }

step "Layers and formatting"
scripts/check-layers.py
find src tools tests -name '*.h' -o -name '*.cpp' | sort | xargs clang-format --dry-run -Werror
echo "formatting: clean"

step "Linux (sanitizers): build"
cmake --preset linux-asan -DTANDREL_WERROR=ON >/dev/null
cmake --build --preset linux-asan
step "Linux (sanitizers): tests"
ctest --preset linux-asan

step "Fuzz targets (clang, libFuzzer, ASan, UBSan): build and a short run of each"
cmake --preset linux-fuzz -DTANDREL_WERROR=ON >/dev/null
scripts/fuzz.sh --smoke

step "Windows i686: build"
cmake --preset win32 -DTANDREL_WERROR=ON >/dev/null
cmake --build --preset win32

step "Windows x86_64: build"
cmake --preset win64 -DTANDREL_WERROR=ON >/dev/null
cmake --build --preset win64
step "Windows x86_64: tests under Wine"
ctest --preset win64
