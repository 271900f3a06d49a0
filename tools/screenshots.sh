#!/usr/bin/env bash
# Takes the screenshots in docs/ from the real program on a virtual X server.
# Needs xvfb, xdotool and ImageMagick's import (apt-get install imagemagick).
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/bin/tolvo}
out=docs
display=:91
Xvfb $display -noreset -screen 0 1024x768x24 >/dev/null 2>&1 &
server=$!
trap 'kill $server 2>/dev/null || true' EXIT
export DISPLAY=$display
sleep 1

start() {
  "$program" >/dev/null 2>&1 &
  app=$!
  for _ in $(seq 1 100); do
    window=$(xdotool search --onlyvisible --name 'Tolvo （はめあい）' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.1
  done
  xdotool windowfocus --sync "$window"
  sleep 0.3
}
keys() { for k in "$@"; do xdotool key --clearmodifiers "$k"; sleep 0.05; done; }
repeat() { local n=$1 k=$2; for _ in $(seq 1 "$n"); do keys "$k"; done; }
shoot() { sleep 0.4; import -window root -crop "$(xdotool getwindowgeometry --shell "$window" | awk -F= '
  /WIDTH/ {w=$2} /HEIGHT/ {h=$2} /^X/ {x=$2} /^Y/ {y=$2} END {printf "%dx%d+%d+%d", w, h, x, y}')" "$out/$1"; }
stop() { kill $app 2>/dev/null || true; wait $app 2>/dev/null || true; }

# Hole 25 H7, shaft 25 with the given letter (0 d .. 9 p) and grade 6.
fit() {
  start
  xdotool type --delay 50 25
  keys Tab Tab; repeat 4 Right        # hole letter H
  keys Tab; repeat 2 Right            # hole grade 7
  keys Tab Tab Tab Tab Tab; repeat "$1" Right   # shaft letter
  keys Tab; repeat 1 Right            # shaft grade 6
}

start; shoot main-empty.png; stop
fit 3; shoot main-clearance.png; stop
fit 6; shoot main-transition.png; stop
fit 9; shoot main-interference.png; stop

fit 3
keys alt+c
sleep 0.5
window=$(xdotool search --onlyvisible --name 'クリップボードへコピーする' | head -n 1)
shoot copy-dialog.png
stop

start
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + WIDTH - 20)) $((Y + 20)) click 3
sleep 0.4
keys Down Return
sleep 0.5
window=$(xdotool search --onlyvisible --name 'Tolvo.exe' | head -n 1)
shoot about.png
stop

# The whole ISO 286 range (the real widgets on the offscreen platform, grabbed
# by tolvo-window-shot; settings in a folder of this run).
shot=${program%/tolvo}/tolvo-window-shot
settings=$(mktemp -d)
XDG_CONFIG_HOME=$settings QT_QPA_PLATFORM=offscreen "$shot" "$out/full-range-400-H7-s6.png" range \
  slide:1004:10 slide:1005:8 slide:1085:18 slide:1086:7 type:1003:400
XDG_CONFIG_HOME=$settings QT_QPA_PLATFORM=offscreen "$shot" "$out/full-range-2-JS01-h01.png" range \
  slide:1004:11 slide:1005:0 slide:1085:10 slide:1086:0 type:1003:2
# The fit finder: a clearance and an interference requirement, with measured parts.
XDG_CONFIG_HOME=$settings QT_QPA_PLATFORM=offscreen "$shot" "$out/finder-clearance.png" type:1003:25 \
  slide:1004:4 slide:1005:2 slide:1085:3 slide:1086:1 finder ftype:2301:0.005 ftype:2302:0.05 \
  "ftype:2311:25.012, 25.023" "ftype:2312:24.985, 24.992"
XDG_CONFIG_HOME=$settings QT_QPA_PLATFORM=offscreen "$shot" "$out/finder-interference.png" type:1003:25 \
  slide:1004:4 slide:1005:2 slide:1085:9 slide:1086:1 finder fclick:2305 ftype:2301:-0.035 ftype:2302:-0.001 \
  ftype:2311:25.010 "ftype:2312:25.030, 25.040"
# The joint's dialog "圧入計算" over 40 H7/s6 (the whole range), a φ80 hub 30 mm long.
XDG_CONFIG_HOME=$settings QT_QPA_PLATFORM=offscreen "$shot" "$out/press-fit.png" range \
  slide:1004:10 slide:1005:8 slide:1085:18 slide:1086:7 type:1003:40 press ptype:2504:80 ptype:2505:30
# The operating-conditions dialog "使用条件" over 25 H7/g6: an aluminium housing on a steel shaft at 80 °C,
# alone and beside the diagram with the zones at temperature and the ±3σ band.
for picture in service:0 service-diagram:1; do
  XDG_CONFIG_HOME=$settings QT_QPA_PLATFORM=offscreen "$shot" "$out/${picture%%:*}.png" \
    $([ "${picture##*:}" = 1 ] && echo zones) slide:1004:4 slide:1005:2 slide:1085:3 slide:1086:1 type:1003:25 \
    service sdown:2401:5 stype:2406:80 stype:2407:80 stype:2417:0.02 stype:2418:0.05
done
# The tolerance-zone diagram beside the window, 25 mm H7 with g6, k6 and p6, light and dark.
for palette in light dark; do
  for fit in clearance:3 transition:6 interference:9; do
    XDG_CONFIG_HOME=$settings QT_QPA_PLATFORM=offscreen "$shot" "$out/zones-${fit%%:*}-$palette.png" \
      $([ $palette = dark ] && echo dark) zones slide:1004:4 slide:1005:2 slide:1085:${fit##*:} slide:1086:1 type:1003:25
  done
done
rm -rf "$settings"
