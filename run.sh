#!/usr/bin/env bash
# Builds the Windows tree and runs it under Wine on your display (or on a
# private Xvfb when there is none). For now it runs the Windows runtime
# check; it will start the dictionary itself once the program exists.
set -euo pipefail
cd "$(dirname "$0")"

cmake/install-deps.sh
cmake -S . -B build/win32 -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw.cmake >/dev/null
cmake --build build/win32 -j"$(nproc)"
exec cmake/wine-run.sh --prefix "$PWD/build/win32/wineprefix" build/win32/bin/runtime_test.exe
