#!/usr/bin/env bash
# Cross-builds the engine, the models, tolvo-replay and their tests as Windows
# x64 programs (MinGW-w64, linked statically: no DLL to find) and runs every
# test and every scenario script under Wine, in a throw-away Wine prefix and
# without a display. A scenario passes when its output equals, byte for byte,
# the .expected.jsonl that the Linux build gives. Then, on a virtual X server
# (Xvfb), the tests of the window program
# (label wine_gui): Tolvo.exe maps its window with its caption; the MSI
# installs, the installed program starts, uninstalling leaves nothing.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake --preset windows >/dev/null
wine=$(sed -n 's/^TOLVO_WINE:FILEPATH=//p' build-windows/CMakeCache.txt)
if [ ! -x "$wine" ]; then
  echo "windows: no Wine found (Debian package wine64)" >&2
  exit 1
fi
wineserver=$(dirname "$wine")/wineserver

WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/tolvo-wine.XXXXXX")
export WINEPREFIX WINEDEBUG=-all DISPLAY=
# No Mono or Gecko: nothing to download or ask about. No winemenubuilder: the
# installer's Start-menu shortcut would become a desktop entry in $HOME.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
cleanup() {
  "$wineserver" -k 2>/dev/null || true
  rm -rf "$WINEPREFIX"
}
trap cleanup EXIT

started=$(date +%s%N)
"$wine" wineboot --init >/dev/null 2>&1
"$wineserver" -w
echo "windows: wineboot --init took $(( ($(date +%s%N) - started) / 1000000 )) ms"
# The Win32 window's tests: Wine draws captions and message boxes in Tahoma,
# which has no Japanese glyphs; linked to the system's Noto Sans CJK JP
# (Debian fonts-noto-cjk), as a Windows linking its Japanese UI face does.
# Those tests get a display of their own (xvfb-run, see tests/CMakeLists.txt).
"$wine" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' /v Tahoma \
  /t REG_MULTI_SZ /d 'NotoSansCJK-Regular.ttc,Noto Sans CJK JP' /f >/dev/null 2>&1
"$wineserver" -w
# One server for every program the tests start, instead of one each; its
# services start now, with no output: started by a test, they would hold the
# test's output pipe open, and CTest would wait for them.
"$wineserver" -p
"$wine" cmd /c exit </dev/null >/dev/null 2>&1

cmake --build --preset windows
ctest --preset windows -LE wine_gui
echo "windows: every test passed under Wine; $(ls tests/scenarios/*.tolvo | wc -l) scenario outputs equal the Linux ones"

# The window tests, in the same Wine session: each program started with a
# display opens its own connection to it.
started=$(date +%s%N)
log=$WINEPREFIX/window-tests.log
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset windows -L wine_gui | tee "$log"
took="$(( ($(date +%s%N) - started) / 1000000 )) ms on Xvfb"
targets=$(cmake --build --preset windows --target help)
if ! grep -q '^tolvo_win32_app:' <<<"$targets"; then
  echo "windows: no Tolvo.exe built (target tolvo_win32_app): its window and installer tests were not run ($took)"
  exit 0
fi
# With Tolvo.exe built, every one of them must have run.
if grep -q '(Skipped)' "$log"; then
  echo "windows: a window test was not run" >&2
  exit 1
fi
echo "windows: Tolvo.exe maps its window, the MSI installs and uninstalls clean ($took)"
