#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine needs, builds and runs every test: once as built
# normally, once with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
install_packages
jobs="$(nproc)"
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -DCMAKE_BUILD_TYPE=Debug
cmake --build build -j"$jobs"
(cd build && ctest -j"$jobs" --output-on-failure)

if [ "${TLM_SKIP_SANITIZE:-0}" != "1" ]; then
  cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTLM_SANITIZE=ON -DTLM_BUILD_BENCH=OFF
  cmake --build build-asan -j"$jobs"
  (cd build-asan && ctest -j"$jobs" --output-on-failure)
fi
