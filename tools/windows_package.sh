#!/usr/bin/env bash
# Makes Tolvo's two Windows packages from the preset windows build, into
# build-windows/dist:
#   Tolvo-VERSION-portable.zip  the folder Tolvo\ with Tolvo.exe, tolvo-fit.exe,
#                               tolvo-replay.exe, Tolvo.html, README.md and an
#                               empty Tolvo.ini: beside the executable it says
#                               "portable", settings live in that INI file
#   Tolvo-VERSION.msi           per-user installer (wixl, Debian msitools), no
#                               administrator rights: %LOCALAPPDATA%\Programs\Tolvo,
#                               Start-menu shortcut, uninstall entry
# and prints their sizes and that of Tolvo.exe. The packages' programs are
# stripped of their symbols.
#
#   tools/windows_package.sh                      builds, then packs
#   tools/windows_package.sh --from BIN --to DIR  packs the programs in BIN only
# Fails, packing nothing, when Tolvo.exe was not built.
set -euo pipefail
from="" to=""
while [ $# -gt 0 ]; do
  case $1 in
    --from) from=$(realpath "$2"); shift 2 ;;
    --to) to=$(realpath -m "$2"); shift 2 ;;
    *) echo "usage: tools/windows_package.sh [--from BIN_DIR --to OUT_DIR]" >&2; exit 2 ;;
  esac
done
cd "$(dirname "$0")/.."
root=$PWD

if [ -z "$from" ]; then
  bash tools/setup.sh
  cmake --preset windows >/dev/null
  targets=$(cmake --build --preset windows --target help)
  if ! grep -q '^tolvo_win32_app:' <<<"$targets"; then
    echo "windows_package: no Tolvo.exe built: this tree has no target tolvo_win32_app (the Win32 window)" >&2
    exit 1
  fi
  cmake --build --preset windows --target tolvo_win32_app tolvo-fit tolvo-replay
  from=$root/build-windows/bin
  to=${to:-$root/build-windows/dist}
fi
[ -n "$to" ] || { echo "windows_package: --from needs --to" >&2; exit 2; }
if [ ! -f "$from/Tolvo.exe" ]; then
  echo "windows_package: no Tolvo.exe built in $from" >&2
  exit 1
fi
for file in tolvo-fit.exe tolvo-replay.exe Tolvo.html; do
  [ -f "$from/$file" ] || { echo "windows_package: no $file in $from" >&2; exit 1; }
done

# The one version source and the desktop entry's summary.
version=$(sed -n 's/^project(Tolvo VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
summary=$(sed -n 's/^Comment=//p' app/tolvo.desktop)
mkdir -p "$to"
zip=$to/Tolvo-$version-portable.zip
msi=$to/Tolvo-$version.msi
rm -f "$zip" "$msi"

staging=$(mktemp -d)
trap 'rm -rf "$staging"' EXIT
mkdir "$staging/Tolvo"
cp "$from/Tolvo.exe" "$from/tolvo-fit.exe" "$from/tolvo-replay.exe" "$from/Tolvo.html" README.md "$staging/Tolvo/"
# The packages carry the programs without their symbols (the build keeps them).
x86_64-w64-mingw32-strip "$staging"/Tolvo/*.exe
: >"$staging/Tolvo/Tolvo.ini"
(cd "$staging" && zip -qrX "$zip" Tolvo)

cp packaging/windows/Tolvo.wxs "$staging/"
# wixl only warns about what it does not support and leaves it out: any
# message fails the package.
if ! (cd "$staging" && wixl -a x64 -D Version="$version" -D Bin=Tolvo -D Summary="$summary" -o "$msi" Tolvo.wxs) \
  2>"$staging/wixl.log" || [ -s "$staging/wixl.log" ]; then
  cat "$staging/wixl.log" >&2
  rm -f "$msi"
  echo "windows_package: wixl failed" >&2
  exit 1
fi

size() { echo "$(($(stat -c %s "$1") / 1024)) KiB"; }
echo "windows_package: Tolvo.exe $(size "$staging/Tolvo/Tolvo.exe") (stripped; as built $(size "$from/Tolvo.exe"))"
echo "windows_package: $zip $(size "$zip")"
echo "windows_package: $msi $(size "$msi")"
