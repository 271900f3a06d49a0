#!/usr/bin/env bash
# Builds the benchmarks (release) and prints the table: each figure a median
# over repeated runs, with its ratio to a baseline measured in the same run.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
bash tools/setup.sh
cmake --preset bench >/dev/null
cmake --build --preset bench >/dev/null
bin=build-bench/bin

echo "| measure                                      |        value | baseline                           |        value |  ratio | goal       |"
echo "|----------------------------------------------|--------------|------------------------------------|--------------|--------|------------|"
# Tolvo's remembered settings live in folders of this run: none (the options
# off), the whole range on, the diagram shown; the in-process benchmarks switch
# both on and remember it, so they have a folder of their own.
settings_off=$(mktemp -d)
settings_on=$(mktemp -d)
settings_zones=$(mktemp -d)
settings_bench=$(mktemp -d)
samples=$(mktemp)
mkdir -p "$settings_on/Tolvo" "$settings_zones/Tolvo"
printf '[General]\nfullRange=true\n' >"$settings_on/Tolvo/Tolvo.conf"
printf '[General]\nzoneDiagram=true\n' >"$settings_zones/Tolvo/Tolvo.conf"
trap 'rm -rf "$settings_off" "$settings_on" "$settings_zones" "$settings_bench" "$samples"' EXIT
XDG_CONFIG_HOME=$settings_bench "$bin/tolvo_bench" 2>/dev/null
"$bin/finder_bench"

# Start-up on one X server, measured from outside the processes. The
# configurations take turns run by run, in a new order each round (a run just
# after a heavier one is a little slower), so that a slower moment of the
# machine falls on all of them alike; each figure is the median of its runs.
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
startup_runs=$((runs * 4))
# The bare dialogs take the size of Tolvo's window.
read -r _ _ width height < <(XDG_CONFIG_HOME=$settings_off xvfb-run -a "$bin/startup_probe" 1 "$bin/tolvo" 2>/dev/null)
xvfb-run -a bash -c '
  bin=$1 runs=$2 off=$3 on=$4 zones=$5 width=$6 height=$7
  for _ in $(seq 1 "$runs"); do
    for configuration in $(shuf -e tolvo whole zones bare japanese); do
      case $configuration in
        tolvo) XDG_CONFIG_HOME=$off "$bin/startup_probe" 1 "$bin/tolvo" ;;
        whole) XDG_CONFIG_HOME=$on "$bin/startup_probe" 1 "$bin/tolvo" ;;
        # With the diagram shown: until both windows are mapped.
        zones) XDG_CONFIG_HOME=$zones STARTUP_PROBE_WINDOWS=2 "$bin/startup_probe" 1 "$bin/tolvo" ;;
        bare) "$bin/startup_probe" 1 "$bin/bare_dialog" "$width" "$height" ;;
        japanese) "$bin/startup_probe" 1 "$bin/bare_dialog" "$width" "$height" japanese ;;
      esac | sed "s/^/$configuration /"
    done
  done' _ "$bin" "$startup_runs" "$settings_off" "$settings_on" "$settings_zones" "$width" "$height" \
  >"$samples" 2>/dev/null
median() {  # median of column $2 of the samples of configuration $1
  awk -v c="$1" -v k="$2" '$1 == c { print $k }' "$samples" | sort -g |
    awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
tolvo_ms=$(median tolvo 2) tolvo_kib=$(median tolvo 3)
whole_ms=$(median whole 2) whole_kib=$(median whole 3)
zones_ms=$(median zones 2) zones_kib=$(median zones 3)
bare_ms=$(median bare 2) bare_kib=$(median bare 3)
jp_ms=$(median japanese 2) jp_kib=$(median japanese 3)
awk -v t="$tolvo_ms" -v b="$bare_ms" -v j="$jp_ms" -v tm="$tolvo_kib" -v bm="$bare_kib" -v jm="$jp_kib" \
    -v w="$whole_ms" -v wm="$whole_kib" -v z="$zones_ms" -v zm="$zones_kib" \
    -v size="${width}x${height}" 'BEGIN {
  row = "| %-44s | %10.1f ms | %-34s | %10.1f ms | %5.2fx | %-10s |\n"
  mem = "| %-44s | %9.0f KiB | %-34s | %9.0f KiB | %5.2fx | %-10s |\n"
  printf row, "start-up: process start to window mapped", t, "bare QDialog " size, b, t / b, "< 1.15x"
  printf row, "start-up: process start to window mapped", t, "bare QDialog " size " + Japanese face", j, t / j, "-"
  printf mem, "memory: resident when mapped", tm, "bare QDialog " size, bm, tm / bm, "< 1.15x"
  printf mem, "memory: resident when mapped", tm, "bare QDialog " size " + Japanese face", jm, tm / jm, "-"
  printf row, "start-up, whole ISO 286 range on", w, "bare QDialog " size, b, w / b, "< 1.15x"
  printf row, "start-up, whole ISO 286 range on", w, "bare QDialog " size " + Japanese face", j, w / j, "-"
  printf mem, "memory, whole ISO 286 range on", wm, "bare QDialog " size, bm, wm / bm, "< 1.15x"
  printf mem, "memory, whole ISO 286 range on", wm, "bare QDialog " size " + Japanese face", jm, wm / jm, "-"
  printf row, "start-up, zone diagram shown (both mapped)", z, "bare QDialog " size " + Japanese face", j, z / j, "< 1.15x"
  printf mem, "memory, zone diagram shown", zm, "bare QDialog " size " + Japanese face", jm, zm / jm, "-"
}'

# tolvo-fit, measured from outside: one query, and the whole table (47,040
# lines), each beside a trivial C++ program writing as many lines.
fit_ms=$("$bin/process_probe" "$runs" "$bin/tolvo-fit" 25 H7/g6)
trivial_ms=$("$bin/process_probe" "$runs" "$bin/trivial_program")
table_ms=$("$bin/process_probe" "$runs" "$bin/tolvo-fit" --table)
trivial_table_ms=$("$bin/process_probe" "$runs" "$bin/trivial_program" 47040)
awk -v f="$fit_ms" -v t="$trivial_ms" -v ft="$table_ms" -v tt="$trivial_table_ms" 'BEGIN {
  row = "| %-44s | %10.2f ms | %-34s | %10.2f ms | %5.2fx | %-10s |\n"
  printf row, "tolvo-fit 25 H7/g6: process start to exit", f, "trivial C++ program, one line", t, f / t, "-"
  printf row, "tolvo-fit --table: all 47,040 cells", ft, "trivial C++ program, 47,040 lines", tt, ft / tt, "-"
}'

# tolvo-fit --batch over 100 MB of queries (11,111,111 lines), its peak
# resident memory beside one query's: a batch holds one line at a time.
batch_file=$(mktemp)
awk 'BEGIN { for (i = 0; i < 11111111; i++) print "25 H7/g6" }' >"$batch_file"
batch_kib=$(/usr/bin/time -f %M "$bin/tolvo-fit" --batch "$batch_file" 2>&1 >/dev/null | tail -n 1)
one_kib=$(/usr/bin/time -f %M "$bin/tolvo-fit" 25 H7/g6 2>&1 >/dev/null | tail -n 1)
rm -f "$batch_file"
awk -v b="$batch_kib" -v o="$one_kib" 'BEGIN {
  mem = "| %-44s | %9.0f KiB | %-34s | %9.0f KiB | %5.2fx | %-10s |\n"
  printf mem, "tolvo-fit --batch 100 MB: peak resident", b, "tolvo-fit 25 H7/g6: peak resident", o, b / o, "< 1.5x"
}'

# Start-up under Wine: Tolvo.exe until its window is shown, beside the bare
# Win32 dialog with one Japanese label, both started and timed by one Win32
# probe inside one Wine session on one Xvfb, taking turns run by run in a new
# order each round; each figure the median of its runs. TOLVO_WINDOWS_EXE=PATH
# measures that Tolvo.exe instead of the one the preset windows builds.
windows_row() {
  local label="start-up under Wine: to window shown"
  local wine exe
  cmake --preset windows >/dev/null
  wine=$(sed -n 's/^TOLVO_WINE:FILEPATH=//p' build-windows/CMakeCache.txt)
  if [ ! -x "$wine" ]; then
    printf '| %-44s | not run: no Wine (Debian package wine64)\n' "$label"
    return
  fi
  exe=${TOLVO_WINDOWS_EXE:-}
  if [ -z "$exe" ]; then
    local targets
    targets=$(cmake --build --preset windows --target help)
    if ! grep -q '^tolvo_win32_app:' <<<"$targets"; then
      printf '| %-44s | not run: no Tolvo.exe built (target tolvo_win32_app)\n' "$label"
      return
    fi
    cmake --build --preset windows --target tolvo_win32_app >/dev/null
    exe=build-windows/bin/Tolvo.exe
  fi
  cmake --build --preset windows --target bare_win32_dialog win32_start_probe >/dev/null
  local winbin=build-windows/bin wine_samples
  wine_samples=$(mktemp)
  WINEPREFIX=$(mktemp -d) WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d" \
    xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    wine=$1 runs=$2 probe=$3 tolvo=$4 bare=$5
    "$wine" wineboot --init >/dev/null 2>&1
    "$(dirname "$wine")/wineserver" -p
    "$wine" cmd /c exit </dev/null >/dev/null 2>&1
    # The first round (the first use of the display) is not counted.
    "$wine" "$probe" --alternate "$((runs + 1))" "$tolvo" "$bare" | tail -n +3 | sed "s/^a /tolvo /; s/^b /bare /"
    "$(dirname "$wine")/wineserver" -k
    rm -rf "$WINEPREFIX"' _ "$wine" "$((runs * 2))" "$winbin/win32_start_probe.exe" "$exe" \
    "$winbin/bare_win32_dialog.exe" >"$wine_samples" 2>/dev/null
  local tolvo_ms bare_ms
  tolvo_ms=$(samples=$wine_samples median tolvo 2)
  bare_ms=$(samples=$wine_samples median bare 2)
  rm -f "$wine_samples"
  if [ -z "$tolvo_ms" ] || [ -z "$bare_ms" ]; then
    printf '| %-44s | failed: the probe timed no window\n' "$label"
    return 1
  fi
  awk -v t="$tolvo_ms" -v b="$bare_ms" -v l="$label" 'BEGIN {
    printf "| %-44s | %10.1f ms | %-34s | %10.1f ms | %5.2fx | %-10s |\n", l, t,
           "bare Win32 dialog + Japanese label", b, t / b, "< 1.15x"
  }'
}
windows_row
