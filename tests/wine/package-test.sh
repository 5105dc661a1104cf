#!/bin/sh
# Runs the package test in a fresh Wine prefix of its own, since a package
# must prove itself on a clean user profile: removes the prefix, runs the test
# program through the prefix's wine-run script (which sets the prefix up
# again), stops that prefix's wineserver, and removes the prefix once the test
# has passed.
#     package-test.sh PREFIX WINE_RUN PROGRAM ARGUMENTS...
set -u
prefix=$1
run=$2
shift 2
rm -rf "$prefix"
"$run" "$@"
status=$?
"$run" --stop
if [ "$status" -eq 0 ]; then
    rm -rf "$prefix"
fi
exit "$status"
