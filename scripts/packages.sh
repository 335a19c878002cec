# Sourced by the scripts here: ensure_packages NAME... installs the Debian packages that are
# missing, with apt-get (through sudo when not run as root).
ensure_packages() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  local sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
}

# What building Tessaform needs; desktop-file-utils and appstream check the desktop entry and
# the AppStream metainfo in the test command, python3 that the committed icons match their
# drawing; fonts-noto-cjk shows the Chinese captions (and the tests measure them in it).
# qt6-tools-dev and qt6-l10n-tools compile the translations (lupdate, lrelease);
# qt6-translations-l10n holds Qt's own texts in Chinese, which the program loads at run time;
# dpkg-dev and lintian make and check the .deb in the test command.
TESSAFORM_BUILD_PACKAGES=(build-essential cmake ninja-build qt6-base-dev libgl-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n desktop-file-utils appstream python3
  dpkg-dev lintian fonts-noto-cjk)
