#!/usr/bin/env bash
# One version number: the CMake project version is what both programs print with --version, what
# every shipped language file says in [Version] (the About dialog), what the manual pages and the
# AppStream metainfo name, what CPack gives the Debian package, and the newest changelog entry.
#
#   version_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail

build_dir=${1:?usage: version_test.sh BUILD_DIR SOURCE_DIR}
source_dir=${2:?usage: version_test.sh BUILD_DIR SOURCE_DIR}
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
# agree WHAT FOUND: FOUND must be the project version.
agree() {
  [ "$2" = "$version" ] || fail "$1 says \"$2\", the project version is \"$version\""
}
# The Version value of a language file's [Version] section.
language_version() {
  sed -n '/^\[Version\]/,/^\[/s/^Version=//p' "$1"
}

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build_dir/CMakeCache.txt")
[[ $version =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]] || { echo "FAIL: no project version in $build_dir" >&2; exit 1; }

# The language files a build runs on and installs: the English one and every translation, each
# a copy of its source in data/ but for the version.
languages=(Language.ini)
for source in "$source_dir"/data/languages/*/Language.ini; do
  [ -f "$source" ] && languages+=("${source#"$source_dir/data/"}")
done
for language in "${languages[@]}"; do
  for folder in data src/cli src/app; do
    ini=$folder/$language
    if [ -f "$build_dir/$ini" ]; then
      agree "$ini" "$(language_version "$build_dir/$ini")"
      cmp -s <(sed '/^Version=/d' "$source_dir/data/$language") <(sed '/^Version=/d' "$build_dir/$ini") ||
        fail "$ini differs from data/$language in more than its version"
    elif [ "$folder" != src/app ] || [ -x "$build_dir/src/app/projcalc" ]; then
      fail "the build has no $ini"
    fi
  done
done

# The programs.
agree "projcalc-cli --version" "$("$build_dir/src/cli/projcalc-cli" --version | sed -n 's/^projcalc-cli //p')"
if [ -x "$build_dir/src/app/projcalc" ]; then
  agree "projcalc --version" \
    "$(QT_QPA_PLATFORM=offscreen "$build_dir/src/app/projcalc" --version | sed -n 's/^projcalc //p')"
fi

# The manual pages' title lines, the metainfo's release and the newest changelog entry.
for page in "$build_dir"/packaging/*.1.gz; do
  agree "$(basename "$page")" "$(zcat "$page" | sed -n '1s/^\.TH .*"projcalc \([^"]*\)".*/\1/p')"
done
for metainfo in "$build_dir"/packaging/*.metainfo.xml; do
  [ -f "$metainfo" ] || continue
  agree "$(basename "$metainfo")" \
    "$(xmllint --xpath 'string(/component/releases/release[1]/@version)' "$metainfo")"
done
changelog=$source_dir/packaging/debian/changelog
agree "the newest entry of packaging/debian/changelog (add one for the new version)" \
  "$(sed -n '1s/^projcalc (\([^)]*\)).*/\1/p' "$changelog")"

# The package: CPack's version, and the control file of a package built already.
agree "CPACK_PACKAGE_VERSION" \
  "$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build_dir/CPackConfig.cmake")"
deb=$build_dir/projcalc_${version}_$(dpkg --print-architecture).deb
if [ -f "$deb" ]; then
  agree "the control file of $(basename "$deb")" "$(dpkg-deb --field "$deb" Version)"
fi

[ "$failures" -eq 0 ] || exit 1
echo "version test passed: $version everywhere"
