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
# Tolvo's remembered settings live in folders of this run: none (the option off), and the option on.
settings_off=$(mktemp -d)
settings_on=$(mktemp -d)
settings_zones=$(mktemp -d)
mkdir -p "$settings_on/Tolvo" "$settings_zones/Tolvo"
printf '[General]\nfullRange=true\n' >"$settings_on/Tolvo/Tolvo.conf"
printf '[General]\nzoneDiagram=true\n' >"$settings_zones/Tolvo/Tolvo.conf"
trap 'rm -rf "$settings_off" "$settings_on" "$settings_zones"' EXIT
XDG_CONFIG_HOME=$settings_off "$bin/tolvo_bench" 2>/dev/null
"$bin/finder_bench"

# Start-up on an X server, measured from outside both processes.
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
read -r tolvo_ms tolvo_kib width height < <(XDG_CONFIG_HOME=$settings_off xvfb-run -a "$bin/startup_probe" "$runs" "$bin/tolvo" 2>/dev/null)
read -r whole_ms whole_kib _ _ < <(XDG_CONFIG_HOME=$settings_on xvfb-run -a "$bin/startup_probe" "$runs" "$bin/tolvo" 2>/dev/null)
# With the diagram shown: until both windows are mapped.
read -r zones_ms zones_kib _ _ < <(XDG_CONFIG_HOME=$settings_zones STARTUP_PROBE_WINDOWS=2 xvfb-run -a "$bin/startup_probe" "$runs" "$bin/tolvo" 2>/dev/null)
read -r bare_ms bare_kib _ _ < <(xvfb-run -a "$bin/startup_probe" "$runs" "$bin/bare_dialog" "$width" "$height")
read -r jp_ms jp_kib _ _ < <(xvfb-run -a "$bin/startup_probe" "$runs" "$bin/bare_dialog" "$width" "$height" japanese)
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
