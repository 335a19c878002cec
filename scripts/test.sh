#!/usr/bin/env bash
# Sets everything up, builds, checks the layout of the C++ files, and runs every test headless;
# exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/check-format.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure
