#!/usr/bin/env bash
# Builds the fuzz targets (fuzz/) with clang's libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer in build-fuzz/, and runs each for the given number of seconds
# (default 60), starting from its seed corpus in fuzz/corpus/<target>/. New inputs go to
# build-fuzz/corpus/; an input that breaks a property or crashes is saved in build-fuzz/findings/
# and makes the script exit non-zero. Usage: scripts/fuzz.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
source scripts/packages.sh
ensure_packages "${TESSAFORM_BUILD_PACKAGES[@]}" clang-14 libclang-rt-14-dev

cmake -S fuzz -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz

export QT_QPA_PLATFORM=offscreen
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
mkdir -p build-fuzz/findings
status=0
for target in build-fuzz/fuzz_*; do
  [ -x "$target" ] && [ -f "$target" ] || continue
  name="${target#build-fuzz/fuzz_}"
  mkdir -p "build-fuzz/corpus/$name"
  log="build-fuzz/$name.log"
  if "$target" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=4096 \
      -artifact_prefix="build-fuzz/findings/$name-" \
      "build-fuzz/corpus/$name" "fuzz/corpus/$name" >"$log" 2>&1; then
    echo "fuzz $name: $(grep -E '^Done [0-9]+ runs' "$log" | tail -n 1), no failure"
  else
    echo "fuzz $name: FAILED; the input is in build-fuzz/findings/, the log in $log:"
    grep -vE '^#[0-9]+' "$log" | tail -n 40
    status=1
  fi
done
exit "$status"
