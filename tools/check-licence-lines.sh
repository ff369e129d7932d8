#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Names every source file whose first lines lack the licence's SPDX line, and
# fails when there is one.
cd "$(dirname "$0")/.." || exit 2
missing=$(git ls-files '*.cpp' '*.h' '*.c' '*.sh' '*.py' '*.cmake' '*CMakeLists.txt' .ci/run |
          while read -r f; do head -n 2 "$f" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later' || echo "$f"; done)
[ -z "$missing" ] || { echo "no SPDX line in:"; echo "$missing"; exit 1; }
