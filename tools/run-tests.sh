#!/usr/bin/env bash
# Builds Tagsmith with its tests and benchmarks and runs the whole suite headless.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${BUILD_DIR:-build}
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAGSMITH_TESTS=ON -DTAGSMITH_BENCH=ON > /dev/null
cmake --build "$BUILD" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$BUILD" --output-on-failure -j"$(nproc)"
