#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time
# (seconds, default 60) from the seed corpus in fuzz/corpus (and a dictionary
# fuzz/NAME.dict where there is one). A finding fails. For each target it
# prints libFuzzer's closing line (coverage as cov: and ft:) and its inputs per
# second.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
bash tools/setup.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for fuzzer in number events replay; do
  mkdir -p "$work/$fuzzer"
  dict=()
  [ -f "fuzz/$fuzzer.dict" ] && dict=(-dict="fuzz/$fuzzer.dict")
  echo "fuzzing ${fuzzer} for ${seconds} s"
  build-fuzz/bin/${fuzzer}_fuzzer -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$work/" \
    "${dict[@]}" "$work/$fuzzer" "fuzz/corpus/$fuzzer" 2>&1 | grep -E '^(#[0-9]+ *DONE|Done|stat::number_of_executed_units|stat::average_exec_per_sec|==|SUMMARY|invariant)' || true
  if ls "$work"/crash-* "$work"/leak-* "$work"/timeout-* >/dev/null 2>&1; then
    echo "the ${fuzzer} fuzzer found a failing input:"
    for f in "$work"/crash-* "$work"/leak-* "$work"/timeout-*; do [ -e "$f" ] && od -c "$f" | head -20; done
    exit 1
  fi
done
