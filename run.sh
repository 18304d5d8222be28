#!/usr/bin/env bash
# Builds the Windows tree, installs it into a Wine prefix of its own
# (build/win32/run/wineprefix) as install.cmd installs it on Windows, and
# runs it there on your display (or on a private Xvfb when there is none).
# Until the program itself exists it runs the Windows runtime check and
# lists the installed dictionaries through the dictionary system.
set -euo pipefail
cd "$(dirname "$0")"

cmake/install-deps.sh
cmake -S . -B build/win32 -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw.cmake >/dev/null
cmake --build build/win32 -j"$(nproc)"

prefix=$PWD/build/win32/run/wineprefix
install/install-wine.sh build/win32/image "$prefix"
cmake/wine-run.sh --prefix "$prefix" build/win32/bin/runtime_test.exe
echo "Installed dictionaries:"
exec cmake/wine-run.sh --prefix "$prefix" cscript //nologo "Z:${PWD//\//\\}\\install\\tests\\list_dictionaries.vbs"
