#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time
# (seconds, default 60) from the seed corpus in fuzz/corpus (and a dictionary
# fuzz/NAME.dict where there is one). A finding fails and is kept in
# build-fuzz/findings/NAME/ to reproduce it (build-fuzz/bin/NAME_fuzzer FILE).
# For each target it prints libFuzzer's closing line (coverage as cov: and ft:)
# and its inputs per second.
set -euo pipefail
shopt -s nullglob
cd "$(dirname "$0")/.."
seconds=${1:-60}
bash tools/setup.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
kept=build-fuzz/findings
for fuzzer in number events replay fit; do
  mkdir -p "$work/$fuzzer"
  dict=()
  [ -f "fuzz/$fuzzer.dict" ] && dict=(-dict="fuzz/$fuzzer.dict")
  echo "fuzzing ${fuzzer} for ${seconds} s"
  log="$work/$fuzzer.log"
  status=0
  build-fuzz/bin/${fuzzer}_fuzzer -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$work/" \
    "${dict[@]}" "$work/$fuzzer" "fuzz/corpus/$fuzzer" >"$log" 2>&1 || status=$?
  grep -E '^(==|SUMMARY|invariant)' "$log" | head -n 20 || true
  grep -E ' cov: ' "$log" | tail -n 1 || true
  grep -E '^(Done|stat::number_of_executed_units|stat::average_exec_per_sec)' "$log" || true
  # A finding is a nonzero status or any artifact (one of each kind need not exist).
  findings=("$work"/crash-* "$work"/leak-* "$work"/timeout-* "$work"/oom-*)
  if [ "$status" -ne 0 ] || [ ${#findings[@]} -gt 0 ]; then
    echo "the ${fuzzer} fuzzer found a failing input (status $status):"
    mkdir -p "$kept/$fuzzer"
    for f in "${findings[@]}"; do
      cp "$f" "$kept/$fuzzer/"
      od -c "$f" | head -n 20
    done
    echo "kept in $kept/$fuzzer/"
    exit 1
  fi
done
