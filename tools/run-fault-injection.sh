#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs N seeded fault-injection runs of the real program (see
# tests/faults/fault-run.sh) on the build in build/, seeds 1000 on, so they
# add to the twelve the suite runs. Needs a build with -DTAGSMITH_TESTS=ON.
#
#   tools/run-fault-injection.sh N [first seed]
set -eu
N=${1:?number of runs}
FIRST=${2:-1000}
ROOT=$(cd "$(dirname "$0")/.." && pwd)
cmake --build "$ROOT/build" --target tagsmith failcalls
exec "$ROOT/tests/faults/fault-run.sh" "$ROOT/build" "$ROOT/build/tests" $(seq "$FIRST" $((FIRST + N - 1)))
