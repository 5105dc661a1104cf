#!/usr/bin/env bash
# Sets up, builds and runs every test: the Linux build under AddressSanitizer
# and UndefinedBehaviorSanitizer, the 32-bit and 64-bit Windows builds, and
# the 64-bit Windows tests under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

step() { printf '\n=== %s ===\n' "$*"; }

step "Linux (sanitizers): build"
cmake --preset linux-asan >/dev/null
cmake --build --preset linux-asan
step "Linux (sanitizers): tests"
ctest --preset linux-asan

step "Windows i686: build"
cmake --preset win32 >/dev/null
cmake --build --preset win32

step "Windows x86_64: build"
cmake --preset win64 >/dev/null
cmake --build --preset win64
step "Windows x86_64: tests under Wine"
ctest --preset win64
