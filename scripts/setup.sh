#!/usr/bin/env bash
# Installs the Debian packages that building and testing Tandrel needs.
# Safe to run again: it installs only what is missing.
#
#   scripts/setup.sh         everything: tests, the Windows builds, Wine, packages
#   scripts/setup.sh --sim   only what the simulator needs (scripts/sim.sh)
set -euo pipefail

if [ "${1:-}" = "--sim" ]; then
    packages=(cmake ninja-build g++ python3 libboost-dev)
else
    packages=(
        cmake ninja-build g++ pkg-config python3 clang-format
        clang libclang-rt-14-dev
        googletest libgtest-dev libgmock-dev libbenchmark-dev
        libboost-dev
        g++-mingw-w64-i686 g++-mingw-w64-x86-64 mingw-w64-tools
        wine64 wine32:i386
        msitools wixl fp-utils-3.2.2
    )
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi

# The 32-bit Wine loader (the i686 tests) is a package of the i386 architecture.
update_needed=""
if [ "${1:-}" != "--sim" ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    echo "Adding the i386 architecture (for wine32:i386)"
    $sudo dpkg --add-architecture i386
    update_needed=yes
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ] && [ -z "$update_needed" ]; then
    exit 0
fi

$sudo apt-get update
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi
echo "Installing: ${missing[*]}"
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
