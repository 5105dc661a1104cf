#!/usr/bin/env bash
# Sets up, builds and runs the simulator (tandrel-sim) on its built-in
# demo. Arguments are passed on to tandrel-sim.
set -euo pipefail
cd "$(dirname "$0")/.."
# Only the simulator's packages, and a build without the test programs.
scripts/setup.sh --sim
# Quiet unless a step fails: then what it printed (the compiler's messages).
log=$(mktemp)
trap 'rm -f "$log"' EXIT
for step in "cmake --preset sim" "cmake --build --preset sim --target tandrel-sim"; do
    if ! $step >"$log" 2>&1; then
        cat "$log" >&2
        echo "sim.sh: '$step' failed" >&2
        exit 1
    fi
done
rm -f "$log"
trap - EXIT
exec build/sim/tools/sim/tandrel-sim "$@"
