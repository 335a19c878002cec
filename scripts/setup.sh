#!/usr/bin/env bash
# Installs what building and testing Tessaform needs on Debian 12, then configures and builds
# it in build/. Safe to run again: it installs only what is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages "${TESSAFORM_BUILD_PACKAGES[@]}"

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}"
cmake --build build
