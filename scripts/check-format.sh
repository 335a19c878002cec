#!/usr/bin/env bash
# Fails, naming each file, when a C++ file of the tree is not laid out as .clang-format says.
# Checks every tracked or new (not ignored) *.cpp and *.h file, or only the files given.
# Lay a file out with: clang-format -i FILE
set -euo pipefail
cd "$(dirname "$0")/.."

# The layout is that of Debian 12's clang-format (14); other versions may differ in details.
source scripts/packages.sh
command -v clang-format >/dev/null || ensure_packages clang-format

if [ $# -gt 0 ]; then
  files=("$@")
else
  mapfile -t files < <(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h')
fi

unformatted=()
for f in "${files[@]}"; do
  [ -f "$f" ] || continue
  clang-format --dry-run --Werror "$f" >/dev/null 2>&1 || unformatted+=("$f")
done

if [ ${#unformatted[@]} -gt 0 ]; then
  echo "${#unformatted[@]} of ${#files[@]} C++ files are not formatted (clang-format -i FILE):" >&2
  printf '  %s\n' "${unformatted[@]}" >&2
  exit 1
fi
echo "all ${#files[@]} C++ files are formatted"
