#!/usr/bin/env bash
# Every benchmark of an optimised build in one Markdown table: the start-up protocol
# (bench/startup.sh), the engine benchmarks (projcalc_bench) and the painted commit
# (projcalc_scene_bench), with the machine they ran on. `make bench` runs it.
#
#   bench/report.sh [BUILD_DIR]          (default build/release; REPETITIONS=5, RUNS=20)
#
# Benchmark times are the median of REPETITIONS repetitions; start-up time and peak memory the
# median of RUNS interleaved runs of projcalc and the bare Qt window.
set -euo pipefail

build_dir=${1:-build/release}
repetitions=${REPETITIONS:-5}
here=$(cd "$(dirname "$0")" && pwd)
for program in bench/projcalc_bench bench/projcalc_scene_bench; do
  [ -x "$build_dir/$program" ] || { echo "report.sh: $build_dir/$program is not built" >&2; exit 1; }
done
command -v jq >/dev/null || { echo "report.sh: jq is missing (scripts/install-deps.sh)" >&2; exit 1; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# Runs one benchmark program's chosen benchmarks and keeps the JSON.
run_benchmarks() {
  local program=$1 filter=$2 output=$3
  QT_QPA_PLATFORM=offscreen "$build_dir/$program" --benchmark_filter="$filter" \
    --benchmark_repetitions="$repetitions" --benchmark_report_aggregates_only=true \
    --benchmark_format=json >"$output" 2>"$scratch/stderr" ||
    { cat "$scratch/stderr" >&2; echo "report.sh: $program failed" >&2; exit 1; }
}

# The engine rows of the table: label, the benchmark's name, its target. Add a row here when a
# benchmark is added to projcalc_bench.
engine_rows=(
  "One solve + read-out (solve, readout)|BM_SolveAndReadout|under 1 µs"
  "One planning read-out with its texts (planningFor, planningTexts)|BM_PlanningReadout|under 1 µs"
  "Every model of a 1000-model catalogue at both zoom ends (survey)|BM_SurveyThousandModels|under 2 ms"
  "The models of a 1000-model catalogue that fit a room (finder)|BM_FindModelsThousand|under 2 ms"
  "The same with the light of each end and an \"at least 16 fL\" filter|BM_FindModelsWithLightThousand|under 2 ms"
  "A throw table of 100 rows|BM_ThrowTableHundredRows|under 100 µs"
  "Loading a catalogue of 1000 models|BM_LoadThousandModels|under 2 ms"
)
engine_filter=$(printf '%s\n' "${engine_rows[@]}" | cut -d'|' -f2 | paste -sd'|')

echo "Running the engine benchmarks..." >&2
run_benchmarks bench/projcalc_bench "^($engine_filter)\$" "$scratch/engine.json"
echo "Running the scene benchmark..." >&2
run_benchmarks bench/projcalc_scene_bench 'BM_CommitChainPaintingBothViews' "$scratch/scene.json"
echo "Running the start-up protocol..." >&2
RESULTS=$scratch/startup "$here/startup.sh" "$build_dir" >&2
# shellcheck source=/dev/null
. "$scratch/startup"

# The median time of one benchmark, in a readable unit.
median_of() {
  jq -r --arg name "$2_median" '
    .benchmarks[] | select(.name == $name) |
    (.real_time * ({"ns": 1, "us": 1e3, "ms": 1e6, "s": 1e9}[.time_unit])) as $ns |
    if $ns < 1e3 then "\($ns * 10 | round / 10) ns"
    elif $ns < 1e6 then "\($ns / 1e2 | round / 10) µs"
    else "\($ns / 1e5 | round / 10) ms" end' "$1"
}
rows=$scratch/rows
: >"$rows"
for row in "${engine_rows[@]}"; do
  IFS='|' read -r label name target <<<"$row"
  value=$(median_of "$scratch/engine.json" "$name")
  [ -n "$value" ] || { echo "report.sh: $name reported no median" >&2; exit 1; }
  printf '| %s | %s | | (%s) |\n' "$label" "$value" "$target" >>"$rows"
done
commit=$(median_of "$scratch/scene.json" BM_CommitChainPaintingBothViews)
[ -n "$commit" ] || { echo "report.sh: the scene benchmark reported no median" >&2; exit 1; }
printf '| A full commit with both scenes painted | %s | | |\n' "$commit" >>"$rows"

cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)
debian=$(cat /etc/debian_version 2>/dev/null || echo unknown)
awk -v am="$app_ms" -v bm="$base_ms" -v ak="$app_kb" -v bk="$base_kb" -v n="$runs" \
  -v r="$repetitions" -v rows="$rows" \
  -v cores="$(nproc)" -v cpu="$cpu" -v debian="$debian" 'BEGIN {
  tr = am / bm; mr = ak / bk
  time_verdict = tr > 1.20 ? "OVER TARGET" : "within target"
  memory_verdict = mr > 1.10 ? "OVER TARGET" : "within target"
  printf "| Measure | projcalc | Bare Qt window | Ratio (target) |\n"
  printf "|---|---:|---:|---:|\n"
  printf "| Start-up to first paint (median of %d runs) | %.1f ms | %.1f ms | %.2f (at most 1.20) |\n",
    n, am, bm, tr
  printf "| Peak memory at first paint | %.1f MB | %.1f MB | %.2f (at most 1.10) |\n",
    ak / 1024, bk / 1024, mr
  while ((getline line < rows) > 0) print line
  printf "\nStart-up time %s, memory %s. Benchmark times are medians of %d repetitions.\n",
    time_verdict, memory_verdict, r
  printf "Measured on %s cores, %s, Debian %s.\n", cores, cpu, debian
}'
"$here/web_site.sh"
