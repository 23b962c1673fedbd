#!/usr/bin/env bash
# The page's figures as a Markdown table: the size of the whole site as a server sends it
# gzip-compressed (each file on its own, as HTTP compresses them), and the time from navigation
# to the first results in headless chromium, the median of RUNS (5) loads on a fresh profile
# (the browser test's --timing mode). bench/report.sh adds it to `make bench`.
#
#   bench/web_site.sh [SITE_DIR]          (default build/web/site; built by make web)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
site=${1:-$here/../build/web/site}
runs=${RUNS:-5}
if [ ! -f "$site/index.html" ]; then
  echo
  echo "The site is not built ($site): make web, then bench/web_site.sh, for its figures."
  exit 0
fi

bytes=0
gzipped=0
while IFS= read -r -d '' file; do
  bytes=$((bytes + $(wc -c <"$file")))
  gzipped=$((gzipped + $(gzip -9 -c "$file" | wc -c)))
done < <(find "$site" -type f -print0)

timing=""
if output=$(node "$here/../tests/web/site_test.mjs" --timing "$runs" 2>&1); then
  timing=$(printf '%s\n' "$output" | tail -n 1 | sed -n 's/.*"firstResultsMs":\([0-9.]*\).*/\1/p')
fi

echo
echo "| The page | Measured | Goal |"
echo "|---|---:|---:|"
awk -v g="$gzipped" -v b="$bytes" 'BEGIN {
  printf "| The whole site, gzip (%.0f KB unpacked) | %.0f KB | under 1024 KB%s |\n",
    b / 1024, g / 1024, (g > 1048576 ? ", OVER" : "")
}'
load=$(cut -d' ' -f1-3 /proc/loadavg 2>/dev/null || echo unknown)
if [ -n "$timing" ]; then
  awk -v t="$timing" -v n="$runs" 'BEGIN {
    printf "| Navigation to first results (median of %d cold loads) | %.0f ms | under 1000 ms%s |\n",
      n, t, (t > 1000 ? ", OVER" : "")
  }'
else
  echo "| Navigation to first results | not measured: ${output:-no output} | under 1000 ms |" |
    head -n 1
fi
echo
echo "Load average while measuring: $load (on $(nproc) cores); the load time grows with it."
