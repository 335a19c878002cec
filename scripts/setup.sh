#!/usr/bin/env bash
# Installs what building and testing Tessaform needs on Debian 12, then configures and builds
# it in build/. Safe to run again: it installs only what is missing.
set -euo pipefail
cd "$(dirname "$0")/.."

# desktop-file-utils and appstream check the desktop entry and the AppStream metainfo in the
# test command; python3 checks that the committed icons match their drawing.
scripts/need-packages.sh build-essential cmake ninja-build qt6-base-dev libgl-dev \
  desktop-file-utils appstream python3

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}"
cmake --build build
