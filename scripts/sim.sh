#!/usr/bin/env bash
# Sets up, builds and runs the simulator (tandrel-sim) on its built-in
# demo. Arguments are passed on to tandrel-sim.
set -euo pipefail
cd "$(dirname "$0")/.."
# Only the simulator's packages, and a build without the test programs.
scripts/setup.sh --sim
cmake --preset sim >/dev/null
cmake --build --preset sim --target tandrel-sim >/dev/null
exec build/sim/tools/sim/tandrel-sim "$@"
