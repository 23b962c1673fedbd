#!/usr/bin/env bash
# The Debian package on this very system: lintian and appstreamcli accept it, `apt-get install`
# puts both programs in /usr/bin and registers the file type and desktop entry, the installed
# programs run on the installed data, and `apt-get purge` takes every file of it away again.
#
# It changes system folders, so it runs only as root, once, as the last step of .ci/run
# (`make package-test`), never under ctest. Without root it skips.
#
#   package_test.sh BUILD_DIR     (the release build in which `make package` made the package)
set -euo pipefail

build_dir=${1:?usage: package_test.sh BUILD_DIR}
if [ "$(id -u)" -ne 0 ]; then
  echo "SKIP: the package test installs projcalc into /usr with apt-get and needs root" \
    "(sudo make package-test)"
  exit 0
fi

type=application/x-projcalc-calculation
apt=(apt-get -y -q -o DPkg::Lock::Timeout=600)
scratch=$(mktemp -d)
installed_by_us=false
cleanup() {
  local status=$?
  if $installed_by_us && dpkg-query -W -f='${Status}' projcalc 2>/dev/null | grep -qv not-installed; then
    echo "purging projcalc after a failure" >&2
    DEBIAN_FRONTEND=noninteractive "${apt[@]}" purge projcalc >"$scratch/cleanup.log" 2>&1 ||
      cat "$scratch/cleanup.log" >&2
  fi
  rm -rf "$scratch"
  exit "$status"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build_dir/CMakeCache.txt")
[ -n "$version" ] || fail "no project version in $build_dir/CMakeCache.txt"
deb=$(realpath "$build_dir")/projcalc_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "$deb is missing: run make package first"
# A projcalc that this test did not install is the user's: leave it alone.
if dpkg-query -W -f='${Status}' projcalc 2>/dev/null | grep -q 'ok installed\|config-files'; then
  fail "projcalc is installed on this system already; remove it with apt-get purge projcalc first"
fi

# The package as built: its control fields, then lintian and the AppStream validator.
field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = projcalc ] || fail "the package is called $(field Package)"
[ "$(field Version)" = "$version" ] || fail "the package's version is $(field Version), not $version"
[[ "$(field Depends)" == *libqt6widgets6* && "$(field Depends)" == *libc6* ]] ||
  fail "the dependencies were not worked out from the binaries: $(field Depends)"
[ -n "$(field Section)" ] && [ -n "$(field Priority)" ] || fail "the package has no Section or Priority"

# lintian: no errors and no warnings (cmake/ProjcalcPackage.cmake says what keeps it so).
lintian "$deb" >"$scratch/lintian.log" 2>"$scratch/lintian.err" ||
  { cat "$scratch/lintian.log" "$scratch/lintian.err" >&2; fail "lintian failed on $(basename "$deb")"; }
if grep -q '^[EW]: ' "$scratch/lintian.log"; then
  cat "$scratch/lintian.log" >&2
  fail "lintian reports errors or warnings on $(basename "$deb")"
fi

dpkg-deb -x "$deb" "$scratch/contents"
for metainfo in "$scratch"/contents/usr/share/metainfo/*.metainfo.xml; do
  appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects $(basename "$metainfo")"
done
contents=$scratch/contents
for program in "$contents"/usr/bin/projcalc "$contents"/usr/bin/projcalc-cli \
  "$contents"/usr/lib/*/projcalc/projcalc-channel.so; do
  file -b "$program" | grep -q ', stripped' || fail "${program#"$contents"} is missing or not stripped"
done

# Install it as a user would.
installed_by_us=true
DEBIAN_FRONTEND=noninteractive "${apt[@]}" install "$deb" >"$scratch/install.log" 2>&1 ||
  { cat "$scratch/install.log" >&2; fail "apt-get install $deb failed"; }
dpkg-query -W -f='${Status}' projcalc | grep -q 'install ok installed' || fail "projcalc is not installed"
dpkg -L projcalc | grep -vx '/\.' >"$scratch/files"

# The installed programs, as a user with nothing of their own, on the installed data.
mkdir -p "$scratch/home" "$scratch/data-home" "$scratch/config"
mkdir -m 700 "$scratch/runtime"
user_env=(env -i PATH=/usr/bin:/bin HOME="$scratch/home" XDG_DATA_HOME="$scratch/data-home"
  XDG_CONFIG_HOME="$scratch/config" XDG_RUNTIME_DIR="$scratch/runtime" LC_ALL=C.UTF-8
  QT_QPA_PLATFORM=offscreen)
[ "$(command -v projcalc-cli)" = /usr/bin/projcalc-cli ] || fail "projcalc-cli is not /usr/bin/projcalc-cli"
[ "$("${user_env[@]}" projcalc-cli --version)" = "projcalc-cli $version" ] ||
  fail "projcalc-cli --version does not print projcalc-cli $version"
[ "$("${user_env[@]}" projcalc --version)" = "projcalc $version" ] ||
  fail "projcalc --version does not print projcalc $version"
(cd "$scratch" && "${user_env[@]}" projcalc-cli diagonal=100 >cli.json) ||
  fail "projcalc-cli diagonal=100 failed: $(cat "$scratch/cli.json")"
jq -e '.errors == [] and .messages == [] and .boxes[1] == "100" and
  .dataFolder == "/usr/share/projcalc" and (.modelList | length) > 0' "$scratch/cli.json" >/dev/null ||
  fail "unexpected report of the installed projcalc-cli: $(cat "$scratch/cli.json")"
[ "$(sed -n '/^\[Version\]/,/^\[/s/^Version=//p' /usr/share/projcalc/Language.ini)" = "$version" ] ||
  fail "the installed Language.ini does not say version $version"
(cd "$scratch" && timeout 60 "${user_env[@]}" PROJCALC_EXIT_AFTER_FIRST_PAINT=1 projcalc 2>window.err) ||
  fail "the installed window did not start and paint: $(cat "$scratch/window.err")"

# The desktop knows the file type and the program that opens it.
[ -f /usr/share/applications/projcalc.desktop ] || fail "no desktop entry in /usr/share/applications"
desktop-file-validate /usr/share/applications/projcalc.desktop || fail "the installed desktop entry is invalid"
grep -q "^[0-9]*:$type:\*\.cf\$" /usr/share/mime/globs2 || fail "the MIME database has no *.cf glob"
[ -f "/usr/share/mime/$type.xml" ] || fail "the MIME database has no $type"
grep -q "^$type=.*projcalc.desktop" /usr/share/applications/mimeinfo.cache ||
  fail "the desktop database does not open $type with projcalc"
[ "$("${user_env[@]}" xdg-mime query default "$type")" = projcalc.desktop ] ||
  fail "xdg-mime does not name projcalc.desktop as the default for $type"

# What belongs to projcalc alone (every file, and each folder no other package has) must go.
: >"$scratch/own"
while read -r path; do
  if [ -d "$path" ] && [ ! -L "$path" ] && dpkg-query -S "$path" 2>/dev/null | grep -q ','; then
    continue
  fi
  echo "$path" >>"$scratch/own"
done <"$scratch/files"
grep -qx /usr/bin/projcalc "$scratch/own" || fail "dpkg -L projcalc does not list /usr/bin/projcalc"

DEBIAN_FRONTEND=noninteractive "${apt[@]}" purge projcalc >"$scratch/purge.log" 2>&1 ||
  { cat "$scratch/purge.log" >&2; fail "apt-get purge projcalc failed"; }
installed_by_us=false
if dpkg-query -W -f='${Status}' projcalc 2>/dev/null | grep -qv not-installed; then
  fail "dpkg still knows projcalc after the purge: $(dpkg-query -W -f='${Status}' projcalc)"
fi
while read -r path; do
  [ ! -e "$path" ] && [ ! -L "$path" ] || fail "$path is left after the purge"
done <"$scratch/own"
! grep -q projcalc /usr/share/mime/globs2 /usr/share/mime/types || fail "the MIME database still lists projcalc"
[ ! -e "/usr/share/mime/$type.xml" ] || fail "the MIME database still has $type"
! grep -q projcalc /usr/share/applications/mimeinfo.cache || fail "the desktop database still names projcalc"
[ -z "$("${user_env[@]}" xdg-mime query default "$type")" ] || fail "xdg-mime still opens $type with a program"

echo "package test passed: $(basename "$deb") installed, ran and purged ($(wc -l <"$scratch/own") paths gone)"
