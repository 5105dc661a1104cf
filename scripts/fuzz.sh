#!/usr/bin/env bash
# Builds the fuzz targets (in the tree of the preset linux-asan: clang,
# libFuzzer, ASan and UBSan, beside the tests) and runs each over its seed
# corpus, tests/fuzz/corpus/<target>/. What a run finds new goes to
# build/linux-asan/corpus/<target>/; a crash, with the input that caused
# it, to build/linux-asan/artifacts/.
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]  every target (or those named) for
#                                          SECONDS each (default 600), one at a time
#   scripts/fuzz.sh --smoke                what the test command runs: 15 s
#                                          each, two at a time
#
# Each target's line tells the inputs it ran and how many a second; the
# load average is printed before and after, since the machine's other work
# slows every target down.
#
# Replay a crash: build/linux-asan/tests/fuzz/<target> <artifact file>
# (fuzz_addin_session tells the session as the simulator would when
# FUZZ_NARRATE is set).
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=600
parallel=1
if [ "${1:-}" = "--smoke" ]; then
    seconds=15
    parallel=2
    shift
elif [[ "${1:-}" =~ ^[0-9]+$ ]]; then
    seconds=$1
    shift
fi
targets=("$@")

build=build/linux-asan
cmake --preset linux-asan >/dev/null
# Every target tests/fuzz/CMakeLists.txt makes, unless some were named.
if [ ${#targets[@]} -eq 0 ]; then
    mapfile -t targets <"$build/fuzz-targets.txt"
fi
cmake --build --preset linux-asan --target "${targets[@]}"
mkdir -p "$build/artifacts" "$build/logs"
# ASan records no allocation stacks (a third of the time of the targets that
# allocate most); reports still name the faulting access and its stack.
export ASAN_OPTIONS="${ASAN_OPTIONS:-malloc_context_size=0}"
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"

run() {
    local target=$1
    local work="$build/corpus/$target"
    local options=(-max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048
                   -artifact_prefix="$build/artifacts/$target-" -print_final_stats=1)
    if [ -f "tests/fuzz/dict/$target.dict" ]; then
        options+=(-dict="tests/fuzz/dict/$target.dict")
    fi
    mkdir -p "$work"
    "$build/tests/fuzz/$target" "${options[@]}" "$work" "tests/fuzz/corpus/$target" \
        >"$build/logs/$target.log" 2>&1
}

report() {
    local target=$1 status=$2
    local runs rate
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$build/logs/$target.log" |
           grep -o '[0-9]*$' || true)
    rate=$(grep -o 'stat::average_exec_per_sec: *[0-9]*' "$build/logs/$target.log" |
           grep -o '[0-9]*$' || true)
    if [ "$status" -eq 0 ]; then
        printf '%-28s ok, %s runs in %s s (%s a second)\n' "$target" "${runs:-?}" "$seconds" \
            "${rate:-?}"
    else
        printf '%-28s FAILED (log: %s)\n' "$target" "$build/logs/$target.log"
        tail -n 40 "$build/logs/$target.log"
    fi
}

failed=0
pending=("${targets[@]}")
while [ ${#pending[@]} -gt 0 ]; do
    batch=("${pending[@]:0:$parallel}")
    pending=("${pending[@]:$parallel}")
    pids=()
    for target in "${batch[@]}"; do
        run "$target" &
        pids+=($!)
    done
    for i in "${!batch[@]}"; do
        status=0
        wait "${pids[$i]}" || status=$?
        report "${batch[$i]}" "$status"
        [ "$status" -eq 0 ] || failed=1
    done
done
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
exit $failed
