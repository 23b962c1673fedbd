#!/usr/bin/env bash
# clang-tidy over every source file of src/ with the checks of .clang-tidy; any finding fails.
# It reads its own compile commands from build/tidy, a configuration without precompiled headers
# (clang cannot read GCC's) that is only configured, never built. Those commands are GCC's, so
# clang is told to pass over GCC-only warning options, and -Werror stays out of them (CI exports
# PROJCALC_WERROR=ON): clang-tidy's own WarningsAsErrors decides what fails.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v run-clang-tidy >/dev/null ||
  { echo "tidy.sh: run-clang-tidy is missing (scripts/install-deps.sh)" >&2; exit 1; }
cmake -S . -B build/tidy -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPROJCALC_PCH=OFF -DPROJCALC_WERROR=OFF \
  -DPROJCALC_BUILD_TESTS=OFF -DPROJCALC_BUILD_BENCH=OFF >/dev/null
run-clang-tidy -p build/tidy -j "$(nproc)" -quiet -extra-arg=-Wno-unknown-warning-option "$PWD/src/"
