#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang in build-fuzz and runs each for the
# given number of seconds (default 10), starting from fuzz/corpus/<target>/.
# New inputs found go to build-fuzz/corpus/<target>/ (the kept seeds stay as
# they are); a crash leaves its input in build-fuzz/crashes/ and fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
SECONDS_EACH=${1:-10}
BUILD=${BUILD_DIR:-build-fuzz}
TARGETS=(pagetext titlescan dictionary profiler printlayout ini tagpairs markupspot previewpatch checkscan)
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
      -DTAGSMITH_FUZZ=ON -DTAGSMITH_TESTS=OFF -DTAGSMITH_BENCH=OFF > /dev/null
cmake --build "$BUILD" -j"$(nproc)" --target fuzzers
export ASAN_OPTIONS="halt_on_error=1:abort_on_error=1:detect_leaks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
mkdir -p "$BUILD/crashes"
for t in "${TARGETS[@]}"; do
  work="$BUILD/corpus/$t"
  mkdir -p "$work"
  echo "== $t: ${SECONDS_EACH}s"
  log="$BUILD/$t.log"
  rc=0
  "$BUILD/fuzz/${t}_fuzz" -max_total_time="$SECONDS_EACH" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$BUILD/crashes/$t-" "$work" "fuzz/corpus/$t" > "$log" 2>&1 || rc=$?
  grep -E '^(#[0-9]+ +DONE|stat::number_of_executed_units|stat::peak_rss_mb)' "$log" || true
  if [ "$rc" -ne 0 ]; then
    tail -n 40 "$log" >&2
    echo "fuzzer $t failed (exit $rc); the input is in $BUILD/crashes/, the log in $log" >&2
    exit 1
  fi
done
echo "all fuzzers ran ${SECONDS_EACH}s each without a finding"
