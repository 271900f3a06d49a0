#!/usr/bin/env bash
# Takes the Windows screenshots in docs/ from the real Tolvo.exe under Wine, in
# a Wine virtual desktop (which gives the windows their captions and frames) on
# a virtual X server, in a throw-away Wine prefix. Each picture is the desktop
# cropped to its windows. Needs the preset windows built (Tolvo.exe and the
# start probe), xvfb, xdotool, ImageMagick (import, convert) and Debian's
# fonts-wine (Marlett, the title bar buttons' glyphs).
# Usage: tools/windows_screenshots.sh [Tolvo.exe]
# To look at another scale: TOLVO_SHOT_DPI=192 (200 %) takes the calculator and
# the finder only, TOLVO_SHOT_OUT=FOLDER puts them there instead of docs/, and
# TOLVO_SHOT_SIZE=2560x1600 gives the desktop room for them.
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build-windows/bin/Tolvo.exe}")
probe=$(realpath build-windows/bin/win32_start_probe.exe)
out=${TOLVO_SHOT_OUT:-docs}
# A desktop wide enough for the calculator with a window beside it.
size=${TOLVO_SHOT_SIZE:-1920x1080}
wine=$(sed -n 's/^TOLVO_WINE:FILEPATH=//p' build-windows/CMakeCache.txt 2>/dev/null || true)
wine=${wine:-$(command -v wine64 || command -v wine)}
wineserver=$(dirname "$wine")/wineserver
for file in "$program" "$probe"; do
  [ -f "$file" ] || { echo "windows_screenshots: no $file (cmake --build --preset windows)" >&2; exit 1; }
done

WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/tolvo-shots.XXXXXX")
export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# A display of its own: the first number no X server holds.
number=90
while [ -e /tmp/.X11-unix/X$number ] || [ -e /tmp/.X$number-lock ]; do number=$((number + 1)); done
display=:$number
Xvfb $display -noreset -screen 0 ${size}x24 >/dev/null 2>&1 &
server=$!
cleanup() {
  "$wineserver" -k 2>/dev/null || true
  kill $server 2>/dev/null || true
  rm -rf "$WINEPREFIX"
}
trap cleanup EXIT
export DISPLAY=$display
sleep 1
kill -0 $server 2>/dev/null || { echo "windows_screenshots: Xvfb did not start on $display" >&2; exit 1; }
"$wine" wineboot --init >/dev/null 2>&1
"$wineserver" -w
# Captions and message boxes are drawn in Tahoma, which has no Japanese
# glyphs: linked to Noto Sans CJK JP, as tools/windows.sh does.
"$wine" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' /v Tahoma \
  /t REG_MULTI_SZ /d 'NotoSansCJK-Regular.ttc,Noto Sans CJK JP' /f >/dev/null 2>&1
"$wineserver" -w
# The title bar buttons are Marlett's glyphs; Wine takes it from the prefix's Fonts.
if [ -f /usr/share/wine/fonts/marlett.ttf ]; then
  cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
else
  echo "windows_screenshots: no Marlett (Debian fonts-wine): the title bar buttons show as letters" >&2
fi

desktop=""
run=$WINEPREFIX/run
# Tolvo.exe on the desktop, started by the probe, which tells when its window
# is shown and closes it once $run/done exists.
start() {
  rm -rf "$run"
  mkdir -p "$run"
  # Each picture from the first start: no option kept from the one before.
  "$wine" reg delete 'HKCU\Software\Tolvo' /f >/dev/null 2>&1 || true
  "$wine" explorer /desktop=shot,$size "$probe" --close-when "Z:$run/done" "$program" >"$run/out" 2>&1 &
  for _ in $(seq 1 600); do
    [ -s "$run/out" ] && break
    sleep 0.1
  done
  desktop=$(xdotool search --onlyvisible --name '^shot' 2>/dev/null | head -n 1 || true)
  [ -n "$desktop" ] && [ -s "$run/out" ] || { echo "windows_screenshots: no window: $(cat "$run/out")" >&2; exit 1; }
  xdotool windowfocus --sync "$desktop"
  sleep 1
}
keys() { for k in "$@"; do xdotool key --clearmodifiers "$k"; sleep 0.15; done; }
repeat() { local n=$1 k=$2; for _ in $(seq 1 "$n"); do keys "$k"; done; }
type_text() { xdotool type --delay 120 "$1"; sleep 0.3; }
# The desktop cropped to what is drawn on it (its background is one colour).
shoot() {
  sleep 1.5
  import -window root "$WINEPREFIX/desktop.png"
  convert "$WINEPREFIX/desktop.png" -trim +repage "$out/$1"
  echo "windows_screenshots: $out/$1 $(identify -format '%wx%h' "$out/$1")"
}
stop() {
  touch "$run/done"
  sleep 2
  "$wineserver" -k 2>/dev/null || true
  "$wineserver" -w 2>/dev/null || true
  sleep 0.5
}

# Hole 25 H7, shaft 25 g6: the keys of tools/screenshots.sh.
fit_25_H7_g6() {
  start
  type_text 25
  keys Tab Tab; repeat 4 Right        # hole letter H
  keys Tab; repeat 2 Right            # hole grade 7
  keys Tab Tab Tab Tab Tab; repeat 3 Right   # shaft letter g
  keys Tab; repeat 1 Right            # shaft grade 6
}

if [ -n "${TOLVO_SHOT_DPI:-}" ]; then
  "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$TOLVO_SHOT_DPI" /f >/dev/null 2>&1
  "$wineserver" -w
  fit_25_H7_g6; shoot windows-main.png; stop
  fit_25_H7_g6; keys ctrl+f; sleep 1; type_text 0.005; keys Tab; type_text 0.05; shoot windows-finder.png; stop
  exit 0
fi
fit_25_H7_g6; shoot windows-main.png; stop
fit_25_H7_g6; keys ctrl+d; shoot windows-diagram.png; stop
# The finder beside the calculator: a clearance of 5 to 50 μm for 25 mm (it opens on the lowest clearance).
fit_25_H7_g6; keys ctrl+f; sleep 1; type_text 0.005; keys Tab; type_text 0.05; shoot windows-finder.png; stop
# A refusal: 250 mm is beyond the fit classes' 120 mm (the shaft's size, which follows, is refused first).
start; type_text 250; shoot windows-message.png; stop
