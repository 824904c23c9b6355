#!/usr/bin/env bash
# Runs every benchmark program of a build once, briefly, so that none of them rots: each must start,
# run its benchmarks to the end and report no error. A smoke run gives no timing verdict; the times
# it prints mean nothing.
#   scripts/run-bench-smoke.sh [build-folder]     (default: build)
set -euo pipefail

build="${1:-build}"
bin="$build/bin"
shopt -s nullglob
benches=("$bin"/bench_*)
if [ ${#benches[@]} -eq 0 ]; then
  echo "no benchmark programs in $bin (build the bench_* targets first)" >&2
  exit 1
fi

# Everything the benchmarks write goes into a scratch folder of this run's own.
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

failed=0
for bench in "${benches[@]}"; do
  name="$(basename "$bench")"
  [ -x "$bench" ] || continue
  report="$scratch/$name.json"
  # One short round per benchmark; the JSON report tells a benchmark's error from a clean run.
  if ! TMPDIR="$scratch" QT_QPA_PLATFORM=offscreen "$bench" --benchmark_min_time=0 \
      --benchmark_repetitions=1 --benchmark_out="$report" --benchmark_out_format=json >"$scratch/$name.log" 2>&1; then
    echo "FAIL  $name exited with an error:" >&2
    cat "$scratch/$name.log" >&2
    failed=1
    continue
  fi
  if grep -q '"error_occurred": true' "$report" || ! grep -q '"iterations"' "$report"; then
    echo "FAIL  $name reported an error or ran nothing:" >&2
    grep -o '"error_message": "[^"]*"' "$report" >&2 || cat "$scratch/$name.log" >&2
    failed=1
    continue
  fi
  echo "ok    $name ($(grep -c '"iterations"' "$report") benchmarks)"
done
exit $failed
