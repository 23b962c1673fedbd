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

# Runs one target and writes what it found to build/fuzz/<target>.result.
fuzz_one() {
  local target="$1" binary="build/fuzz/fuzz/fuzz_$1" work="build/fuzz/corpus/$1"
  local log="build/fuzz/$1.log" result="build/fuzz/$1.result"
  [ -x "$binary" ] || { echo "no fuzz target $target" >"$result"; return 0; }
  mkdir -p "$work"
  if "$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="build/fuzz/artifacts/$target-" "$work" "fuzz/corpus/$target" \
      >"$log" 2>&1; then
    { echo "== fuzz_$target for ${seconds}s"
      grep -E '^stat::number_of_executed_units' "$log" | sed "s/^/   /"; } >"$result"
  else
    { echo "== fuzz_$target for ${seconds}s"
      echo "   fuzz_$target FAILED; see $log"
      grep -E 'ERROR|SUMMARY|Test unit written' "$log" | head -5 | sed "s/^/   /"; } >"$result"
    return 1
  fi
}

# As many targets at a time as there are cores, each on one.
status=0
running=0
for target in $targets; do
  fuzz_one "$target" &
  running=$((running + 1))
  if [ "$running" -ge "$(nproc)" ]; then
    wait -n || status=1
    running=$((running - 1))
  fi
done
while [ "$running" -gt 0 ]; do
  wait -n || status=1
  running=$((running - 1))
done
for target in $targets; do cat "build/fuzz/$target.result"; done
exit $status
