#!/usr/bin/env bash
# What an installation gives the desktop: a valid desktop entry that opens calculation files, a
# file type that maps *.cf to it, the icon it names, AppStream metainfo that software centres
# accept, and manual pages that cover every option and action the programs' --help lists.
#
#   desktop_integration_test.sh BUILD_DIR
set -euo pipefail

build_dir=${1:?usage: desktop_integration_test.sh BUILD_DIR}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

prefix=$scratch/prefix
cmake --install "$build_dir" --prefix "$prefix" >"$scratch/install.log" 2>&1 ||
  { cat "$scratch/install.log" >&2; fail "cmake --install failed"; }
share=$prefix/share
entry=$share/applications/projcalc.desktop
mime=$share/mime/packages/projcalc.xml
type=application/x-projcalc-calculation

# The desktop entry.
desktop-file-validate "$entry" || fail "desktop-file-validate rejects $entry"
value() { sed -n "s/^$1=//p" "$entry"; }
[ "$(value Name)" = "Projection Distance Calculator" ] || fail "the entry's Name is $(value Name)"
[ "$(value Exec)" = "projcalc %f" ] || fail "the entry's Exec is $(value Exec)"
[ "$(value MimeType)" = "$type;" ] || fail "the entry's MimeType is $(value MimeType)"
[ -f "$share/icons/hicolor/scalable/apps/$(value Icon).svg" ] ||
  fail "no scalable icon named $(value Icon) is installed"
xmllint --noout "$share/icons/hicolor/scalable/apps/$(value Icon).svg" ||
  fail "the icon is not well-formed SVG"

# The file type: *.cf is ours, named "Projection calculation".
xmllint --noout "$mime" || fail "$mime is not well-formed XML"
query() { xmllint --xpath "$1" "$mime" 2>/dev/null || true; }
[ "$(query "string(//*[local-name()='mime-type'][@type='$type']/*[local-name()='glob']/@pattern)")" = "*.cf" ] ||
  fail "$mime does not map *.cf to $type"
[ "$(query "string(//*[local-name()='mime-type'][@type='$type']/*[local-name()='comment'][not(@*)])")" = \
  "Projection calculation" ] || fail "$type is not commented \"Projection calculation\""
[ "$(query "namespace-uri(/*)")" = "http://www.freedesktop.org/standards/shared-mime-info" ] ||
  fail "$mime is not in the shared MIME-info namespace"

# The system's tools take both: the MIME database lists the glob, the desktop database names
# projcalc.desktop as the program for the type.
XDG_DATA_DIRS=$share update-mime-database "$share/mime" || fail "update-mime-database rejects $mime"
grep -q "^[0-9]*:$type:\*\.cf\$" "$share/mime/globs2" || fail "the MIME database has no *.cf glob"
update-desktop-database "$share/applications" || fail "update-desktop-database failed"
grep -q "^$type=projcalc.desktop;" "$share/applications/mimeinfo.cache" ||
  fail "the desktop database does not open $type with projcalc"

# The AppStream metainfo: valid, launching the desktop entry, claiming the file type.
metainfo=$(find "$share/metainfo" -name '*.metainfo.xml')
[ "$(echo "$metainfo" | wc -w)" -eq 1 ] || fail "expected one metainfo file, found: $metainfo"
appstreamcli validate --no-net --pedantic "$metainfo" >"$scratch/appstream.log" 2>&1 ||
  { cat "$scratch/appstream.log" >&2; fail "appstreamcli rejects $metainfo"; }
[ "$(basename "$metainfo")" = "$(xmllint --xpath 'string(/component/id)' "$metainfo").metainfo.xml" ] ||
  fail "$(basename "$metainfo") is not named after its component id"
[ "$(xmllint --xpath 'string(/component/launchable[@type="desktop-id"])' "$metainfo")" = \
  "$(basename "$entry")" ] || fail "the metainfo does not launch $(basename "$entry")"
[ "$(xmllint --xpath 'string(/component/provides/mediatype)' "$metainfo")" = "$type" ] ||
  fail "the metainfo does not provide $type"

# The manual pages: no formatting warnings, and every option and action of --help documented.
man1=$share/man/man1
for page in projcalc.1 projcalc-cli.1; do
  warnings=$(zcat "$man1/$page.gz" | groff -man -ww -z 2>&1) || fail "groff cannot format $page"
  [ -z "$warnings" ] || fail "$page: $warnings"
done
plain() { zcat "$man1/$1.gz" | groff -man -Tutf8 -P-cbou 2>/dev/null | tr -s ' \n' '  '; }
cli_page=$(plain projcalc-cli.1)
actions=$("$prefix/bin/projcalc-cli" --help |
  sed -n '/^Actions/,/^[^ ]/{s/^  \([a-z-]*\)=.*/\1/p}')
[ "$(echo "$actions" | wc -l)" -ge 10 ] || fail "projcalc-cli --help lists too few actions: $actions"
for name in $actions --data-dir --trace --scenes --help --version; do
  [[ $cli_page == *"$name"* ]] || fail "projcalc-cli.1 does not document $name"
done
for action in open save save-as catalogue; do
  grep -qx "$action" <<<"$actions" || fail "projcalc-cli --help does not list $action="
done
app_page=$(plain projcalc.1)
QT_QPA_PLATFORM=offscreen "$prefix/bin/projcalc" --help >"$scratch/help.txt"
for name in $(grep -o -- '--[a-z-]*' "$scratch/help.txt" | sort -u); do
  [[ $app_page == *"$name"* ]] || fail "projcalc.1 does not document $name"
done

echo "desktop integration test passed"
