#!/usr/bin/env bash
# A window that crashed leaves its lock and socket behind. The next start takes both over, and a
# start after it hands its file to that new window and ends, every time, also on a busy machine.
# The case runs ROUNDS times (default 12) with two busy loops beside it (PROJCALC_BUSY_LOOPS),
# the later start coming in turn at the same moment as the new window, as soon as that holds the
# lock, and once it shows its file. Each start that is not the window must end with status 0
# within its own hand-over deadline (10 s) and a margin, or the round fails.
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

# Waits until the running window (window_pid, its titles in window_err) reports a title matching
# the pattern.
wait_for_title() {
  local pattern=$1
  for ((i = 0; i < 600; i++)); do
    grep -q "^title: $pattern\$" "$window_err" && return 0
    kill -0 "$window_pid" 2>/dev/null || fail "the window ended before its title became $pattern"
    sleep 0.05
  done
  fail "the window's title never became $pattern"
}

# Starts the program on FILE in the background with its titles in ERR; sets started_pid. ERR is
# emptied first: the shell opens the redirection only once the background process runs, and until
# then a wait would read what an earlier process wrote there.
start_in_background() {
  local file=$1 err=$2
  : >"$err"
  PROJCALC_REPORT_TITLE=1 "$program" "$file" 2>"$err" &
  started_pid=$!
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
window_err=$scratch/window.err
start_in_background "$scratch/first.cf" "$window_err"
window_pid=$started_pid
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

# Both starts at once: whichever takes the lock is the window, the other hands its file to it and
# ends with status 0 within the hand-over deadline and a margin. Two windows, or none, fail.
start_both_at_once() {
  local first_pid second_pid first_status second_status
  start_in_background "$scratch/first.cf" "$scratch/window.err"
  first_pid=$started_pid
  start_in_background "$scratch/second.cf" "$scratch/other.err"
  second_pid=$started_pid
  for ((i = 0; i < 500; i++)); do
    kill -0 "$first_pid" 2>/dev/null || break
    kill -0 "$second_pid" 2>/dev/null || break
    sleep 0.05
  done
  if ! kill -0 "$first_pid" 2>/dev/null; then
    first_status=0
    wait "$first_pid" || first_status=$?
    window_pid=$second_pid window_err=$scratch/other.err
    [ "$first_status" -eq 0 ] || fail "the start on first.cf ended with status $first_status"
    kill -0 "$second_pid" 2>/dev/null || fail "both starts at once ended: no window"
    wait_for_title '.*\[first\]'
    echo "round $round: of two starts at once, the one on second.cf is the window"
  elif ! kill -0 "$second_pid" 2>/dev/null; then
    second_status=0
    wait "$second_pid" || second_status=$?
    window_pid=$first_pid window_err=$scratch/window.err
    [ "$second_status" -eq 0 ] || fail "the start on second.cf ended with status $second_status"
    wait_for_title '.*\[second\]'
    echo "round $round: of two starts at once, the one on first.cf is the window"
  else
    kill -KILL "$second_pid"
    wait "$second_pid" 2>/dev/null || true
    window_pid=$first_pid window_err=$scratch/window.err
    fail "of two starts at once neither ended within 25 s: two windows"
  fi
}

# Once the window has taken a file from a later start, it listens: killing it leaves its socket.
hand_over_second
for ((round = 1; round <= rounds; round++)); do
  kill -KILL "$window_pid"
  wait "$window_pid" 2>/dev/null || true
  [ -S "$XDG_RUNTIME_DIR/projcalc.socket" ] || fail "the crashed window left no socket behind"
  # The later start comes in turn: at the same moment as the next window, as soon as the new
  # window holds the lock (before it is up and listening), or once it shows its file.
  case $((round % 3)) in
  0)
    start_both_at_once
    continue
    ;;
  1)
    start_in_background "$scratch/first.cf" "$scratch/window.err"
    window_pid=$started_pid window_err=$scratch/window.err
    for ((i = 0; i < 600; i++)); do
      [ "$(cat "$XDG_RUNTIME_DIR/projcalc.lock" 2>/dev/null)" = "$window_pid" ] && break
      kill -0 "$window_pid" 2>/dev/null || fail "the window ended before it held the lock"
      sleep 0.02
    done
    ;;
  2)
    start_in_background "$scratch/first.cf" "$scratch/window.err"
    window_pid=$started_pid window_err=$scratch/window.err
    wait_for_title '.*\[first\]'
    ;;
  esac
  hand_over_second
done
echo "hand-over after a crash passed $rounds rounds"
