#!/usr/bin/env bash
# Builds Tagsmith and its tests with AddressSanitizer and UndefinedBehaviorSanitizer
# and runs the whole suite; any sanitizer report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${BUILD_DIR:-build-asan}
SAN="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Debug -DTAGSMITH_TESTS=ON -DTAGSMITH_BENCH=OFF \
      -DCMAKE_CXX_FLAGS="-O1 $SAN" -DCMAKE_EXE_LINKER_FLAGS="$SAN" > /dev/null
cmake --build "$BUILD" -j"$(nproc)"
# Leak checking stays off: Qt, fontconfig and the platform plugins keep
# allocations for the life of the process that would drown real reports.
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=0:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$BUILD" --output-on-failure -j"$(nproc)"
