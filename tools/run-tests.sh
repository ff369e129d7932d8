#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Tagsmith with its tests and benchmarks and runs the whole suite headless.
set -euo pipefail
cd "$(dirname "$0")/.."
# What the tests need, so that this works on a machine that only built the program.
bash tools/install-deps.sh --tests
BUILD=${BUILD_DIR:-build}
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAGSMITH_TESTS=ON -DTAGSMITH_BENCH=ON > /dev/null
cmake --build "$BUILD" -j"$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$BUILD" --output-on-failure -j"$(nproc)"
