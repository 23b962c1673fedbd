#!/usr/bin/env bash
# Start-up benchmark: projcalc against a bare Qt window (bench/baseline_window.cpp).
#
#   bench/startup.sh [BUILD_DIR]        (default build/release; RUNS=20 pairs)
#
# With RESULTS=FILE it also writes the medians to FILE as shell assignments (app_ms, base_ms,
# app_kb, base_kb, runs) for bench/report.sh.
#
# Both programs run on the offscreen platform with a private runtime folder and end right after
# their first complete paint (PROJCALC_EXIT_AFTER_FIRST_PAINT=1). The runs are interleaved, each
# one must end with exit code 0 and its "painted" marker, and the script prints the median wall
# time and the peak memory (maximum resident set) of each with their ratios. Targets: time ratio
# at most 1.20, memory ratio at most 1.10.
set -euo pipefail

build_dir=${1:-build/release}
runs=${RUNS:-20}
app=$build_dir/src/app/projcalc
baseline=$build_dir/bench/projcalc_baseline_window
data_dir=${DATA_DIR:-$build_dir/src/app}

for program in "$app" "$baseline"; do
  [ -x "$program" ] || { echo "startup.sh: $program is not built" >&2; exit 1; }
done
for file in ModelInfo.ini Language.ini; do
  [ -f "$data_dir/$file" ] || { echo "startup.sh: $data_dir/$file is missing" >&2; exit 1; }
done
[ -x /usr/bin/time ] || { echo "startup.sh: /usr/bin/time is missing (Debian package time)" >&2; exit 1; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -m 700 "$scratch/runtime"
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$scratch/runtime PROJCALC_EXIT_AFTER_FIRST_PAINT=1
export XDG_CONFIG_HOME=$scratch/config

# One run: appends "milliseconds kilobytes" to the named results file.
run_once() {
  local results=$1
  shift
  local start end status
  start=$EPOCHREALTIME
  set +e
  timeout 60 /usr/bin/time -f %M -o "$scratch/memory" "$@" 2>"$scratch/stderr" >/dev/null
  status=$?
  set -e
  end=$EPOCHREALTIME
  if [ "$status" -ne 0 ] || ! grep -q '^painted$' "$scratch/stderr"; then
    echo "startup.sh: $1 did not paint and exit cleanly (exit code $status):" >&2
    cat "$scratch/stderr" >&2
    exit 1
  fi
  awk -v s="$start" -v e="$end" -v m="$(tail -n 1 "$scratch/memory")" \
    'BEGIN { printf "%.3f %d\n", (e - s) * 1000, m }' >>"$results"
}

# The median of one column of a results file.
median() {
  sort -n -k"$2","$2" "$1" | awk -v c="$2" '{ v[NR] = $c } END {
    if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# One run of each first to warm the file cache; not counted.
run_once "$scratch/app" "$app" --data-dir "$data_dir"
run_once "$scratch/baseline" "$baseline"
: >"$scratch/app" && : >"$scratch/baseline"
for ((i = 0; i < runs; i++)); do
  run_once "$scratch/app" "$app" --data-dir "$data_dir"
  run_once "$scratch/baseline" "$baseline"
done

app_ms=$(median "$scratch/app" 1)
base_ms=$(median "$scratch/baseline" 1)
app_kb=$(median "$scratch/app" 2)
base_kb=$(median "$scratch/baseline" 2)
if [ -n "${RESULTS:-}" ]; then
  printf 'app_ms=%s\nbase_ms=%s\napp_kb=%s\nbase_kb=%s\nruns=%s\n' \
    "$app_ms" "$base_ms" "$app_kb" "$base_kb" "$runs" >"$RESULTS"
fi
awk -v am="$app_ms" -v bm="$base_ms" -v ak="$app_kb" -v bk="$base_kb" -v n="$runs" 'BEGIN {
  printf "start-up to first paint, median of %d interleaved runs each\n", n
  printf "  projcalc           %8.1f ms   %8d KB peak\n", am, ak
  printf "  baseline window    %8.1f ms   %8d KB peak\n", bm, bk
  tr = am / bm; mr = ak / bk
  printf "  time ratio   %.2f (target at most 1.20)%s\n", tr, tr <= 1.20 ? "" : "  OVER TARGET"
  printf "  memory ratio %.2f (target at most 1.10)%s\n", mr, mr <= 1.10 ? "" : "  OVER TARGET"
}'
