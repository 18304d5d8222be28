#!/usr/bin/env bash
# Measures the popup translation under Wine: installs the image into a
# fresh prefix of its own (with a private X display) and runs
# popup_bench.exe there. Run after ./test.sh, or after building the win32
# tree:  bench/windows/run-popup-bench.sh [presses]
set -euo pipefail
cd "$(dirname "$0")/../.."
tree=$PWD/build/win32
run=$PWD/cmake/wine-run.sh
prefix=$tree/bench/wineprefix
cmake --build "$tree" --target popup_bench -j"$(nproc)" >/dev/null
install/tests/fresh-prefix-session.sh "$run" "$prefix" >/dev/null
trap '"$run" --prefix "$prefix" --session-stop >/dev/null 2>&1 || true' EXIT
install/install-wine.sh "$tree/image" "$prefix" >/dev/null
MORVEX_IMAGE=$tree/image "$run" --prefix "$prefix" "$tree/bin/popup_bench.exe" "${1:-20}"
