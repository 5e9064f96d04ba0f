#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine needs, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
install_packages
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DTLM_BUILD_TESTS=OFF -DTLM_BUILD_BENCH=OFF
cmake --build build-release -j"$(nproc)"
exec ./build-release/src/Tallowmere
