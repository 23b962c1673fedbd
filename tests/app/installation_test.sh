#!/usr/bin/env bash
# The installation: `cmake --install` of a build into a temporary prefix, then what it installed.
# The installed projcalc-cli reads its installed data; the installed window opens the file it is
# started on, and a later start hands its own file to that window and ends with status 0.
#
#   installation_test.sh BUILD_DIR
set -euo pipefail

build_dir=${1:?usage: installation_test.sh BUILD_DIR}
scratch=$(mktemp -d)
first_pid=""
cleanup() {
  if [ -n "$first_pid" ]; then
    kill "$first_pid" 2>/dev/null || true
    # A window that does not end on SIGTERM within 10 s is ended for good.
    for ((i = 0; i < 100; i++)); do kill -0 "$first_pid" 2>/dev/null || break; sleep 0.1; done
    kill -KILL "$first_pid" 2>/dev/null || true
    wait "$first_pid" 2>/dev/null || true
  fi
  rm -rf "$scratch"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  if [ -s "$scratch/first.err" ]; then
    echo "--- standard error of the running window:" >&2
    cat "$scratch/first.err" >&2
  fi
  exit 1
}

# Starts the window on FILE in the background, reporting its titles to first.err. The file is
# emptied first: the shell opens the redirection only once the background process runs, and on a
# busy machine that can be after the first wait_for_title has read an earlier window's titles.
start_window() {
  : >"$scratch/first.err"
  PROJCALC_REPORT_TITLE=1 "$prefix/bin/projcalc" "$@" 2>"$scratch/first.err" &
  first_pid=$!
}

# Waits until the running window reports a title matching the pattern.
wait_for_title() {
  local pattern=$1
  for ((i = 0; i < 300; i++)); do
    grep -q "^title: $pattern\$" "$scratch/first.err" && return 0
    kill -0 "$first_pid" 2>/dev/null || fail "the window ended before its title became $pattern"
    sleep 0.1
  done
  fail "the window's title never became $pattern"
}

# A later start: it hands its file over and ends well within its 10 s hand-over, or it is ended
# and reported (status 137), so that a start that never ends fails the test instead of hanging it.
later_start() {
  timeout -s KILL 30 "$prefix/bin/projcalc" "$@"
}

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build_dir/CMakeCache.txt")
[ -n "$version" ] || fail "no project version in $build_dir/CMakeCache.txt"

prefix=$scratch/prefix
cmake --install "$build_dir" --prefix "$prefix" >"$scratch/install.log" 2>&1 ||
  { cat "$scratch/install.log" >&2; fail "cmake --install failed"; }
for file in bin/projcalc bin/projcalc-cli share/projcalc/ModelInfo.ini share/projcalc/Language.ini \
  share/applications/projcalc.desktop share/icons/hicolor/scalable/apps/projcalc.svg \
  share/mime/packages/projcalc.xml share/man/man1/projcalc.1.gz share/man/man1/projcalc-cli.1.gz \
  share/doc/projcalc/copyright share/doc/projcalc/changelog.gz; do
  [ -f "$prefix/$file" ] || fail "$file is not installed"
done
[ -n "$(find "$prefix/share/metainfo" -name '*.metainfo.xml')" ] || fail "no AppStream metainfo is installed"
# The English language file and every translation the build prepared, with the program's version.
for prepared in "$build_dir"/data/Language.ini "$build_dir"/data/languages/*/Language.ini; do
  language=${prepared#"$build_dir/data/"}
  installed=$prefix/share/projcalc/$language
  [ -f "$installed" ] || fail "$language is not installed"
  installed_version=$(sed -n '/^\[Version\]/,/^\[/s/^Version=//p' "$installed")
  [ "$installed_version" = "$version" ] ||
    fail "the installed $language says version $installed_version, the program is $version"
done
[ -f "$prefix/share/projcalc/languages/ja/Language.ini" ] || fail "the translations are not installed"
[ -n "$(find "$prefix" -name projcalc-channel.so)" ] || fail "the projcalc-channel module is not installed"

# A user with nothing of their own: empty home and data folders, a private runtime folder.
mkdir -p "$scratch/home" "$scratch/data-home" "$scratch/plans"
mkdir -m 700 "$scratch/runtime"
export HOME=$scratch/home XDG_DATA_HOME=$scratch/data-home XDG_RUNTIME_DIR=$scratch/runtime
export XDG_CONFIG_HOME=$scratch/config
export QT_QPA_PLATFORM=offscreen
unset PROJCALC_EXIT_AFTER_FIRST_PAINT PROJCALC_REPORT_TITLE
cd "$scratch"

[ "$("$prefix/bin/projcalc-cli" --version)" = "projcalc-cli $version" ] ||
  fail "projcalc-cli --version does not print \"projcalc-cli $version\""
[ "$("$prefix/bin/projcalc" --version)" = "projcalc $version" ] ||
  fail "projcalc --version does not print \"projcalc $version\""

# The command-line tool on the installed data, saving the two plans the window opens below.
"$prefix/bin/projcalc-cli" diagonal=100 save-as="$scratch/plans/first.cf" >"$scratch/cli.json" ||
  fail "projcalc-cli failed on the installed data: $(cat "$scratch/cli.json")"
jq -e '.errors == [] and .messages == [] and .boxes[1] == "100" and
  (.model.name | length) > 0 and (.modelList | length) > 0 and
  (.title | endswith(" [first]"))' "$scratch/cli.json" >/dev/null ||
  fail "unexpected report of the installed projcalc-cli: $(cat "$scratch/cli.json")"
[ "$(realpath "$(jq -r .dataFolder "$scratch/cli.json")")" = "$(realpath "$prefix/share/projcalc")" ] ||
  fail "projcalc-cli read $(jq -r .dataFolder "$scratch/cli.json"), not the installed data"
"$prefix/bin/projcalc-cli" diagonal=150 save-as="$scratch/plans/second plan.cf" >/dev/null ||
  fail "projcalc-cli could not save the second plan"

# The window on the first plan.
start_window "$scratch/plans/first.cf"
wait_for_title '.*\[first\]'

# A later start, from another folder with a relative name, hands its file to the window.
status=0
(cd "$scratch/plans" && PROJCALC_REPORT_TITLE=1 later_start "second plan.cf") \
  2>"$scratch/second.err" || status=$?
[ "$status" -eq 0 ] || fail "the later start ended with status $status: $(cat "$scratch/second.err")"
! grep -q '^title:' "$scratch/second.err" || fail "the later start made a window of its own"
wait_for_title '.*\[second plan\]'

# A later start without a file ends and leaves the window as it is.
status=0
PROJCALC_REPORT_TITLE=1 later_start 2>"$scratch/third.err" || status=$?
[ "$status" -eq 0 ] || fail "a later start without a file ended with status $status"
! grep -q '^title:' "$scratch/third.err" || fail "a later start without a file made a window"
sleep 0.3
grep '^title:' "$scratch/first.err" | tail -n 1 | grep -q '\[second plan\]$' ||
  fail "a later start without a file changed the window's title"
kill -0 "$first_pid" 2>/dev/null || fail "the window ended"

# A window that crashed leaves its lock and socket behind; the next start takes both over and a
# start after it reaches the new window.
kill -KILL "$first_pid"
wait "$first_pid" 2>/dev/null || true
[ -S "$XDG_RUNTIME_DIR/projcalc.socket" ] || fail "the crashed window left no socket to test with"
start_window "$scratch/plans/first.cf"
wait_for_title '.*\[first\]'
(cd "$scratch/plans" && PROJCALC_REPORT_TITLE=1 later_start "second plan.cf") \
  2>"$scratch/second.err" ||
  fail "a start after the crash could not hand its file over: $(cat "$scratch/second.err")"
! grep -q '^title:' "$scratch/second.err" || fail "the start after the crash made a window of its own"
wait_for_title '.*\[second plan\]'

echo "installation test passed"
