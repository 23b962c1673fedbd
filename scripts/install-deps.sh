#!/usr/bin/env bash
# Installs every Debian 12 package the build, the tests and the benchmarks need (with --web, the
# WebAssembly build's too).
# Safe to run again: it only asks apt for what is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git
  # The optimised program links the functions its start-up runs side by side with lld; valgrind
  # lists them (bench/startup_functions.sh) and counts start-up's instructions.
  lld valgrind
  clang clang-format clang-tidy libclang-rt-14-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  # Header-only libraries: reading numbers (fast_float), writing them ({fmt}, used header-only so
  # that the WebAssembly build links the same code) and the CLI's JSON (nlohmann-json).
  libfast-float-dev libfmt-dev nlohmann-json3-dev
  qt6-base-dev qt6-svg-dev qt6-base-dev-tools libqt6svg6 qt6-qpa-plugins
  libgl-dev libxkbcommon-dev
  fonts-dejavu-core
  # The Japanese language file names IPAPGothic: DejaVu has no Japanese glyphs, and without a
  # font that has them its captions, menus and messages would show empty boxes.
  fonts-ipafont-gothic
  # Qt's own translations of its standard buttons and dialogs, loaded for the interface language.
  qt6-translations-l10n
  xvfb xauth
  util-linux locales
  time
  # Printing: the print test runs its own CUPS scheduler (cups, with CUPS's PDF filters) and
  # looks at the printed page with pdftoppm (poppler-utils); cups-pdf gives a PDF printer for
  # trying Print by hand.
  cups printer-driver-cups-pdf poppler-utils
  # The installation tests: the desktop entry is checked with desktop-file-validate, the file
  # type with xmllint and update-mime-database, the manual pages with groff, reports with jq.
  desktop-file-utils libxml2-utils shared-mime-info groff-base jq
  # The Debian package: CPack works out its dependencies with dpkg-shlibdeps (dpkg-dev); the
  # package test checks it with lintian and appstreamcli (appstream), looks at its binaries with
  # file and asks xdg-mime (xdg-utils) which program opens a calculation file.
  dpkg-dev lintian appstream file xdg-utils
)

# --web: also what the WebAssembly build (make web) needs: Debian's emscripten and node; and for
# the page's browser tests Debian's chromium (playwright-core drives it; no browser is
# downloaded) and npm where node comes without it.
web=false
if [ "${1:-}" = "--web" ]; then
  web=true
  packages+=(emscripten nodejs chromium)
  command -v npm >/dev/null || packages+=(npm)
fi

# playwright-core, at the version tests/web/package-lock.json pins, into tests/web/node_modules.
install_web_test_modules() {
  local dir
  dir="$(cd "$(dirname "$0")/.." && pwd)/tests/web"
  if [ ! -f "$dir/node_modules/playwright-core/package.json" ]; then
    echo "Installing playwright-core into $dir/node_modules"
    PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --prefix "$dir" --no-audit --no-fund --loglevel=error
  fi
}

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

# One comma-decimal locale, so that a test can prove numbers are read and written with "."
# whatever the locale says.
ensure_test_locale() {
  if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    $SUDO sed -i 's/^# *\(de_DE.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
    $SUDO locale-gen >/dev/null
  fi
}

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

if [ ${#missing[@]} -eq 0 ]; then
  ensure_test_locale
  if $web; then install_web_test_modules; fi
  exit 0
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
if ! $SUDO apt-get install -y --no-install-recommends "${missing[@]}"; then
  $SUDO apt-get update
  $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
ensure_test_locale
if $web; then install_web_test_modules; fi
