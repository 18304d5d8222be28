#!/usr/bin/env bash
# The full soak run: 1,000 popup translations (hot key and mouse trigger in
# turn) and 200 dictionary-window lookups through the installed program,
# in a fresh prefix of its own (with a private X display), then what the
# program holds compared with what it held after the first 50. Prints the
# table; exits 1 when something grew past its bound. Not part of ./test.sh
# (the short run, e2e_soak_short, is). Run after ./test.sh, or after
# building the win32 tree:
#   bench/windows/run-soak.sh [translations [lookups [distinct words]]]
set -euo pipefail
cd "$(dirname "$0")/../.."
tree=$PWD/build/win32
run=$PWD/cmake/wine-run.sh
prefix=$tree/bench/soak-wineprefix
cmake --build "$tree" --target e2e_soak -j"$(nproc)" >/dev/null
install/tests/fresh-prefix-session.sh "$run" "$prefix" >/dev/null
trap '"$run" --prefix "$prefix" --session-stop >/dev/null 2>&1 || true' EXIT
install/install-wine.sh "$tree/image" "$prefix" >/dev/null
# Wine's complaints about the Z: drive's label say nothing about the soak.
MORVEX_IMAGE=$tree/image "$run" --prefix "$prefix" "$tree/bin/e2e_soak.exe" \
  "${1:-1000}" "${2:-200}" ${3:+"$3"} 2> >(grep -v 'FS volume label' >&2)
