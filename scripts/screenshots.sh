#!/usr/bin/env bash
# Makes README's pictures of the program's windows under a virtual X server: docs/*.png.
# Run it again when a window changes. Builds the picture tool in build/ when needed.
#
#   scripts/screenshots.sh [--language zh_CN|en] [WINDOW...]
#
# Default: the main window and two generator windows, in Chinese (docs/<window>.png); with
# --language en the English interface (docs/<window>-en.png).
set -euo pipefail
cd "$(dirname "$0")/.."

language=zh_CN
if [ "${1:-}" = --language ]; then
  language=${2:?"--language needs zh_CN or en"}
  shift 2
fi
case "$language" in
  zh_CN) locale=zh_CN.UTF-8 suffix= ;;
  en) locale=en_US.UTF-8 suffix=-en ;;
  *) echo "unknown language $language (zh_CN or en)" >&2; exit 2 ;;
esac

# Xvfb and xauth for the virtual X server; a font with Chinese characters for the captions.
source scripts/packages.sh
ensure_packages "${TESSAFORM_BUILD_PACKAGES[@]}" xvfb xauth fonts-wqy-microhei

[ -f build/CMakeCache.txt ] ||
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}"
cmake --build build --target tessaform-screenshot

windows=("$@")
[ ${#windows[@]} -gt 0 ] || windows=(MainWindow CraftingWindow FurnaceWindow)

mkdir -p docs
for window in "${windows[@]}"; do
  # MainWindow -> docs/main-window.png
  file=docs/$(echo "$window" | sed -e 's/\([a-z0-9]\)\([A-Z]\)/\1-\2/g' | tr '[:upper:]' '[:lower:]')$suffix.png
  # The session's own settings stay out of the pictures: a fixed DPI, no desktop theme, the
  # language asked for.
  env -u QT_QPA_PLATFORMTHEME -u QT_SCALE_FACTOR -u QT_SCREEN_SCALE_FACTORS -u LC_ALL \
    -u LC_MESSAGES -u LANGUAGE \
    QT_QPA_PLATFORM=xcb QT_AUTO_SCREEN_SCALE_FACTOR=0 LANG=$locale \
    xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" build/tessaform-screenshot "$window" "$file"
  echo "$file"
done
