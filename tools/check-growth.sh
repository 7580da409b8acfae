#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The benchmarks in their short form, judged on growth alone: on a shared machine absolute times
# are noise, but a step that takes more than three times as long at 10,000 rows as at 1,000
# has work that grows with the list. Every line `growth <name> <ratio>` that a benchmark prints
# is checked; benchmarks not built are left out.
# Usage: tools/check-growth.sh [build folder]   (default: build)
set -euo pipefail
build=${1:-build}
limit=3
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

failed=0
checked=0
for bench in bench_play bench_libfiles bench_largelist; do
  program="$build/bench/$bench"
  if [[ ! -x $program ]]; then
    echo "check-growth: $bench not built, left out"
    continue
  fi
  output=$("$program" --short 2>/dev/null)
  while read -r word name ratio; do
    [[ $word == growth ]] || continue
    checked=$((checked + 1))
    if awk -v r="$ratio" -v l="$limit" 'BEGIN { exit !(r + 0 > l) }'; then
      echo "check-growth: $bench $name grows ${ratio}x from 1,000 to 10,000 rows (limit ${limit}x)"
      failed=1
    else
      echo "check-growth: $bench $name ${ratio}x"
    fi
  done <<<"$output"
done
if ((checked == 0)); then
  echo "check-growth: no growth figures printed"
  exit 1
fi
exit "$failed"
