#!/usr/bin/env bash
# Measures the dictionary viewer under Wine over the real English-Russian
# dictionary: builds the benchmark and what it needs in the given win32
# tree (default build/win32), registers the servers in that tree's prefix
# and runs lookup_bench.exe there; prints its figures.
#
#   controls/LookupPane/bench/run-lookup-bench.sh [TREE]
set -euo pipefail
cd "$(dirname "$0")/../../.."
tree=$(realpath "${1:-build/win32}")
run=$PWD/cmake/wine-run.sh
prefix=$tree/wineprefix
cmake --build "$tree" --target lookuppane_bench LetterStrip LexiconHub MorvexLexicon morvex_data \
  dic_mueller7 -j4 >/dev/null
"$run" --prefix "$prefix" --session-start >/dev/null
trap '"$run" --prefix "$prefix" --session-stop >/dev/null 2>&1 || true' EXIT
cd "$tree/bin"
for server in LexiconHub LetterStrip LookupPane; do "$run" --prefix "$prefix" regsvr32 /s "$server.dll"; done
windows() { echo "Z:${1//\//\\}"; }
"$run" --prefix "$prefix" lookuppane_bench.exe "$(windows "$tree/dic/mueller7.dic")" \
  "$(windows "$tree/data")\\" 2>&1 | grep -v "FS volume label"
