#!/usr/bin/env bash
# Sets up, checks, builds and runs every test: the layer table and the
# formatting of our C++ sources, the Linux build under AddressSanitizer and
# UndefinedBehaviorSanitizer (clang; it compiles the benchmarks and the
# libFuzzer targets too), a short run of every fuzz target, and the 32-bit and 64-bit
# Windows builds with their whole suite (unit, contract, the COM server, the
# add-in in its host, the package) under 32-bit Wine and wine64. Warnings in
# our own code are errors.
#
# Ends with the time each step took and the closing count of the tests:
# passed, failed and skipped (a machine whose kernel refuses 32-bit
# programs skips the 32-bit Windows tests, and says so).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

steps=()
step_name=""
step_start=$SECONDS
step_end() {
    if [ -n "$step_name" ]; then
        local took=$((SECONDS - step_start))
        steps+=("$(printf '%-44s %3dm%02ds' "$step_name" $((took / 60)) $((took % 60)))")
    fi
}
step() {
    step_end
    step_name="$*"
    step_start=$SECONDS
    printf '\n=== %s ===\n' "$*"
}

# run_tests PRESET NAME: the preset's tests, their results kept for the count.
results=()
run_tests() {
    local junit="$PWD/build/$1/test-results.xml"
    rm -f "$junit"
    results+=("$2=$junit")
    ctest --preset "$1" --output-junit "$junit"
}

step "Layers and formatting"
scripts/check-layers.py
find src tools tests -name '*.h' -o -name '*.cpp' | sort | xargs clang-format --dry-run -Werror
echo "formatting: clean"

step "Linux (sanitizers): build"
cmake --preset linux-asan -DTANDREL_WERROR=ON >/dev/null
cmake --build --preset linux-asan
step "Linux (sanitizers): tests"
run_tests linux-asan "Linux (sanitizers)"

step "Fuzz targets (built with the tests above): a short run of each"
scripts/fuzz.sh --smoke

step "Windows i686: build"
cmake --preset win32 -DTANDREL_WERROR=ON >/dev/null
cmake --build --preset win32
step "Windows i686: tests under 32-bit Wine"
# One line when this machine cannot run them; ctest then counts them skipped.
build/win32/wine-run.sh --check || [ $? -eq 77 ]
run_tests win32 "Windows i686"

step "Windows x86_64: build"
cmake --preset win64 -DTANDREL_WERROR=ON >/dev/null
cmake --build --preset win64
step "Windows x86_64: tests under wine64"
build/win64/wine-run.sh --check || [ $? -eq 77 ]
run_tests win64 "Windows x86_64"
step_end

printf '\n=== Time per step ===\n'
printf '%s\n' "${steps[@]}"
printf '%-44s %3dm%02ds\n' "all" $((SECONDS / 60)) $((SECONDS % 60))
printf '\n=== Closing count ===\n'
scripts/test-count.py "${results[@]}"
