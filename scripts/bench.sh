#!/usr/bin/env bash
# Builds Tessaform optimised with its benchmarks in build-bench/ and runs every benchmark
# headless. Each prints its figures as ratios measured in the same run; the script exits
# non-zero when a figure misses its target or a benchmark fails.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages "${TESSAFORM_BUILD_PACKAGES[@]}"

cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DTESSAFORM_BENCHMARKS=ON -DTESSAFORM_TESTS=OFF >/dev/null
cmake --build build-bench

export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
status=0
for bench in build-bench/bench/bench_*; do
  [ -x "$bench" ] && [ -f "$bench" ] || continue
  "$bench" || status=1
  echo
done
exit "$status"
