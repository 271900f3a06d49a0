# Sourced by the Win32 program tests: start a Windows program under Wine and
# check that its window maps on the X server with the calculator's caption,
# then close it as a user would and require a clean end.

# Exits 77 (CTest: not run) with the reason, unless the program exists and an
# X display and a Wine prefix of the test run are there.
require_program_display_prefix() {
  if [ -z "$1" ] || [ ! -f "$1" ]; then
    echo "not run: no Tolvo.exe built (target tolvo_win32_app)"
    exit 77
  fi
  if [ -z "${DISPLAY:-}" ]; then
    echo "not run: needs an X display (tools/windows.sh runs this test on Xvfb)"
    exit 77
  fi
  if [ -z "${WINEPREFIX:-}" ]; then
    echo "not run: needs a throw-away WINEPREFIX (tools/windows.sh makes one)"
    exit 77
  fi
}

# window_maps WINE PROBE EXE [any]: the probe (a Windows program) starts EXE,
# waits for its window and checks its title against the dialog template's
# caption (with "any": takes any title); while the window stays open, xdotool
# looks for a viewable X window of that very name; then the probe closes it
# and EXE must end with code 0.
window_maps() {
  local wine=$1 probe=$2 exe=$3 caption=--main-caption work status line title found=""
  [ "${4:-}" != any ] || caption=""
  work=$(mktemp -d)
  "$wine" "$probe" $caption --close-when "Z:$work/looked" "$exe" >"$work/out" 2>"$work/err" &
  local pid=$!
  for _ in $(seq 1 600); do  # up to 60 s for Wine to start the program
    if [ -s "$work/out" ] || ! kill -0 "$pid" 2>/dev/null; then break; fi
    sleep 0.1
  done
  line=$(head -n 1 "$work/out")
  title=${line#* }
  if [ -n "$line" ]; then
    for _ in $(seq 1 100); do
      for window in $(xdotool search --onlyvisible --name . 2>/dev/null); do
        if [ "$(xdotool getwindowname "$window" 2>/dev/null)" = "$title" ]; then found=$window; fi
      done
      [ -z "$found" ] || break
      sleep 0.1
    done
  fi
  touch "$work/looked"
  status=0
  wait "$pid" || status=$?
  cat "$work/err" >&2
  rm -rf "$work"
  if [ "$status" -ne 0 ]; then
    echo "FAIL: $exe: the probe failed (exit $status)"
    return 1
  fi
  if [ -z "$found" ]; then
    echo "FAIL: $exe: Win32 shows \"$title\", but no viewable X window has that name"
    return 1
  fi
  echo "$exe: window \"$title\" mapped on the X server after ${line%% *} ms, closed, ended with 0"
}
