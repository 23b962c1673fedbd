#!/usr/bin/env bash
# A window that crashed leaves its lock and socket behind. The next start takes both over, and a
# start after it hands its file to that new window and ends, every time, also on a busy machine.
# The case runs ROUNDS times (default 12) with two busy loops beside it; each later start must
# end within its own hand-over deadline (10 s) and a margin, or the round fails.
#
#   handover_after_crash_test.sh BUILD_DIR [ROUNDS]
set -euo pipefail

build_dir=${1:?usage: handover_after_crash_test.sh BUILD_DIR [ROUNDS]}
rounds=${2:-12}
program=$build_dir/src/app/projcalc
[ -x "$program" ] || { echo "FAIL: no $program" >&2; exit 1; }

scratch=$(mktemp -d)
window_pid=""
busy_pids=()
cleanup() {
  for pid in "${busy_pids[@]}" $window_pid; do
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$scratch"
}
trap cleanup EXIT

fail() {
  echo "FAIL (round $round): $*" >&2
  for err in "$scratch"/*.err; do
    [ -s "$err" ] && { echo "--- $(basename "$err"):" >&2; cat "$err" >&2; }
  done
  exit 1
}

# Waits until the running window reports a title matching the pattern.
wait_for_title() {
  local pattern=$1
  for ((i = 0; i < 600; i++)); do
    grep -q "^title: $pattern\$" "$scratch/window.err" && return 0
    kill -0 "$window_pid" 2>/dev/null || fail "the window ended before its title became $pattern"
    sleep 0.05
  done
  fail "the window's title never became $pattern"
}

mkdir -p "$scratch/home" "$scratch/data-home" "$scratch/config"
mkdir -m 700 "$scratch/runtime"
export HOME=$scratch/home XDG_DATA_HOME=$scratch/data-home XDG_RUNTIME_DIR=$scratch/runtime
export XDG_CONFIG_HOME=$scratch/config QT_QPA_PLATFORM=offscreen
unset PROJCALC_EXIT_AFTER_FIRST_PAINT PROJCALC_REPORT_TITLE
: >"$scratch/first.cf"
: >"$scratch/second.cf"
"$build_dir/src/cli/projcalc-cli" diagonal=100 save-as="$scratch/first.cf" >/dev/null
"$build_dir/src/cli/projcalc-cli" diagonal=150 save-as="$scratch/second.cf" >/dev/null

# The load: two loops that keep both cores of a small machine busy.
for ((b = 0; b < ${PROJCALC_BUSY_LOOPS:-2}; b++)); do
  (while :; do :; done) &
  busy_pids+=($!)
done

round=0
PROJCALC_REPORT_TITLE=1 "$program" "$scratch/first.cf" 2>"$scratch/window.err" &
window_pid=$!
wait_for_title '.*\[first\]'
hand_over_second() {
  local status=0
  timeout -s KILL 25 env PROJCALC_REPORT_TITLE=1 "$program" "$scratch/second.cf" \
    2>"$scratch/later.err" || status=$?
  [ "$status" -ne 137 ] || fail "the later start did not end"
  [ "$status" -eq 0 ] || fail "the later start ended with status $status"
  ! grep -q '^title:' "$scratch/later.err" || fail "the later start made a window of its own"
  wait_for_title '.*\[second\]'
}
# Once the window has taken a file from a later start, it listens: killing it leaves its socket.
hand_over_second
for ((round = 1; round <= rounds; round++)); do
  kill -KILL "$window_pid"
  wait "$window_pid" 2>/dev/null || true
  [ -S "$XDG_RUNTIME_DIR/projcalc.socket" ] || fail "the crashed window left no socket behind"
  PROJCALC_REPORT_TITLE=1 "$program" "$scratch/first.cf" 2>"$scratch/window.err" &
  window_pid=$!
  # Every other round the later start comes as soon as the new window holds the lock, before
  # it is up and listening; the others once it shows its file.
  if ((round % 2 == 0)); then
    wait_for_title '.*\[first\]'
  else
    for ((i = 0; i < 600; i++)); do
      [ "$(cat "$XDG_RUNTIME_DIR/projcalc.lock" 2>/dev/null)" = "$window_pid" ] && break
      sleep 0.02
    done
  fi
  hand_over_second
done
echo "hand-over after a crash passed $rounds rounds"
