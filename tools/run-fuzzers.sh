#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets of fuzz/ with clang and libFuzzer and runs each for a bounded time,
# starting from its corpus in fuzz/corpus/. A crash, a sanitizer report or a broken rule fails
# the script, and the input that caused it is printed here (hex dump and base64) and kept in
# the work folder.
#   tools/run-fuzzers.sh [build folder]        (default: build-fuzz)
#   VORLENTIX_FUZZ_SECONDS                     seconds per target (default: 60)
# Inputs found on the way go to <build folder>/fuzz-work, never into the kept corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build-fuzz}
seconds=${VORLENTIX_FUZZ_SECONDS:-60}

werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DVORLENTIX_FUZZ=ON -DVORLENTIX_WERROR=$werror "${launcher[@]}" >/dev/null
cmake --build "$build_dir" -j2 --target fuzzers

# The targets' scratch files on a RAM disk where there is one: the savers sync every file they
# write to the disk, which on a disk would take most of each run.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
  export TMPDIR=/dev/shm
fi

work="$build_dir/fuzz-work"
rm -rf "$work"
failed=()
for corpus in fuzz/corpus/*/; do
  name=$(basename "$corpus")
  target="fuzz_$name"
  mkdir -p "$work/$name/found"
  args=(-max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$work/$name/")
  [ -f "fuzz/$target.dict" ] && args+=(-dict="fuzz/$target.dict")
  log="$work/$name.log"
  if "$build_dir/fuzz/$target" "${args[@]}" "$work/$name/found" "$corpus" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "$target: $runs runs in ${seconds} s, no fault"
    continue
  fi
  failed+=("$target")
  echo "$target: FAILED; the end of its log ($log):"
  tail -n 40 "$log"
  for input in "$work/$name"/crash-* "$work/$name"/leak-* "$work/$name"/timeout-* "$work/$name"/oom-*; do
    [ -f "$input" ] || continue
    echo "== reproducer $input ($(stat -c %s "$input") bytes); run it again with: $build_dir/fuzz/$target $input"
    od -A x -t x1z -v "$input" | head -n 64
    echo "-- base64:"
    base64 "$input"
  done
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "run-fuzzers: failed: ${failed[*]}" >&2
  exit 1
fi
echo "run-fuzzers: every target ran ${seconds} s without a fault"
