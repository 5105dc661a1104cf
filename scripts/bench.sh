#!/usr/bin/env bash
# Builds the benchmarks in Release (preset linux-release) and runs them:
# Outlook's events as the whole add-in handles them, the Skype client's work
# on Outlook's thread as the buddy list grows, the Outlook side (contacts,
# folders, mail bodies), the trace and the process check. Prints each
# benchmark's time per size, the growth exponent between neighbouring sizes
# (1 is linear, 2 quadratic), from CPU time, which other work on the machine
# disturbs less than the wall clock, and its counters (host calls and Skype
# commands per event).
#
#   scripts/bench.sh [Google Benchmark options...]
#   scripts/bench.sh --benchmark_filter=UsersReply --benchmark_repetitions=5
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

cmake --preset linux-release >/dev/null
cmake --build --preset linux-release --target tandrel_bench

out=build/linux-release/bench.json
build/linux-release/tests/bench/tandrel_bench --benchmark_out="$out" \
    --benchmark_out_format=json "$@" >/dev/null
python3 - "$out" <<'PY'
import json, math, re, sys

runs = json.load(open(sys.argv[1]))["benchmarks"]
# With repetitions only the medians; otherwise every run.
if any(r.get("aggregate_name") for r in runs):
    runs = [r for r in runs if r.get("aggregate_name") == "median"]
families = {}
for run in runs:
    name = run.get("run_name", run["name"])
    match = re.match(r"^(.*)/(\d+)$", name)
    family, size = (match.group(1), int(match.group(2))) if match else (name, None)
    families.setdefault(family, []).append((size, run))

# What a run reports beyond its time: its counters (host calls, commands...).
STANDARD = {"name", "family_index", "per_family_instance_index", "run_name", "run_type",
            "repetitions", "repetition_index", "threads", "iterations", "real_time",
            "cpu_time", "time_unit", "aggregate_name", "aggregate_unit", "label"}

def counters(run):
    return "  ".join(f"{k}={v:.6g}" for k, v in run.items()
                     if k not in STANDARD and isinstance(v, (int, float)))

print(f"{'benchmark':36} {'size':>7} {'real':>12} {'cpu':>12} {'growth':>7}  counters")
for family, entries in families.items():
    previous = None
    for size, run in entries:
        unit = run["time_unit"]
        growth = ""
        if previous and size and previous[0] and previous[1] > 0 and run["cpu_time"] > 0:
            growth = "%.2f" % (math.log(run["cpu_time"] / previous[1]) / math.log(size / previous[0]))
        print(f"{family:36} {size if size else '':>7} {run['real_time']:>9.3f} {unit:2} "
              f"{run['cpu_time']:>9.3f} {unit:2} {growth:>7}  {counters(run)}")
        previous = (size, run["cpu_time"])
PY
