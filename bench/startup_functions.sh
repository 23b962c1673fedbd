#!/usr/bin/env bash
# Writes src/app/startup_functions.txt: the functions of projcalc that run from its start to the
# end of its first paint and its exit, one mangled name a line. An optimised build links them
# side by side (lld's --symbol-ordering-file), so that starting maps a few pages of the program's
# code instead of nearly all of it. Run it after changes that move what start-up runs, and commit
# the list; a stale list costs memory, never correctness (names it lacks are linked after it,
# names that are gone are skipped).
#
#   bench/startup_functions.sh [BUILD_DIR]        (default build/release; needs valgrind)
#
# The list is the union of RUNS profiled starts (default 5): which of Qt's hash table helpers run
# depends on the table's random seed, so one start can miss a function the next one needs.
set -euo pipefail

build_dir=${1:-build/release}
app=$build_dir/src/app/projcalc
list=$(cd "$(dirname "$0")/.." && pwd)/src/app/startup_functions.txt
[ -x "$app" ] || { echo "startup_functions.sh: $app is not built" >&2; exit 1; }
command -v valgrind >/dev/null || { echo "startup_functions.sh: valgrind is missing" >&2; exit 1; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -m 700 "$scratch/runtime"
for ((run = 0; run < ${RUNS:-5}; run++)); do
  QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$scratch/runtime XDG_CONFIG_HOME=$scratch/config \
    PROJCALC_EXIT_AFTER_FIRST_PAINT=1 \
    valgrind --tool=callgrind --demangle=no --callgrind-out-file="$scratch/profile.$run" \
    "$app" --data-dir "$build_dir/src/app" >/dev/null 2>"$scratch/stderr" ||
    { cat "$scratch/stderr" >&2; exit 1; }
done

# The program's own functions (text symbols) and those a profile saw run ("fn=" lines name a
# function with costs of its own; names are given once in each profile and then referred to by
# number).
nm --defined-only "$app" | awk '$2 ~ /^[tTwW]$/ { print $3 }' | sort -u >"$scratch/defined"
awk '
  FNR == 1 { split("", names) }
  match($0, /^c?fn=\([0-9]+\)/) {
    id = substr($0, 1, RLENGTH); sub(/^c?fn=/, "", id)
    if (length($0) > RLENGTH) names[id] = substr($0, RLENGTH + 2)
    if ($0 ~ /^fn=/) ran[names[id]] = 1
  }
  END { for (name in ran) print name }' "$scratch"/profile.* | sort -u >"$scratch/ran"
comm -12 "$scratch/defined" "$scratch/ran" >"$list"
echo "startup_functions.sh: $(wc -l <"$list") functions in $list"
