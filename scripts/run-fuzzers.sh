#!/usr/bin/env bash
# Builds the libFuzzer targets and runs each for a set time (FUZZ_SECONDS, default 60) on a
# working copy of its seed corpus. Fails when a target finds a crash, a leak, a hang or
# undefined behaviour; the input that did it is kept in build/fuzz/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${FUZZ_SECONDS:-60}"
targets="${FUZZ_TARGETS:-number_reader catalogue profile calculation_file session}"

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)"

mkdir -p build/fuzz/artifacts
status=0
for target in $targets; do
  binary="build/fuzz/fuzz/fuzz_$target"
  [ -x "$binary" ] || { echo "no fuzz target $target"; continue; }
  work="build/fuzz/corpus/$target"
  mkdir -p "$work"
  log="build/fuzz/$target.log"
  echo "== fuzz_$target for ${seconds}s"
  if "$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="build/fuzz/artifacts/$target-" "$work" "fuzz/corpus/$target" \
      >"$log" 2>&1; then
    grep -E '^stat::number_of_executed_units' "$log" | sed "s/^/   /"
  else
    status=1
    echo "   fuzz_$target FAILED; see $log"
    grep -E 'ERROR|SUMMARY|Test unit written' "$log" | head -5 | sed "s/^/   /"
  fi
done
exit $status
