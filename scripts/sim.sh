#!/usr/bin/env bash
# Sets up, builds and runs the simulator (tandrel-sim) on its built-in
# demo. Arguments are passed on to tandrel-sim.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset linux >/dev/null
cmake --build --preset linux --target tandrel-sim >/dev/null
exec build/linux/tools/sim/tandrel-sim "$@"
