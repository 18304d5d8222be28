#!/usr/bin/env bash
# install-wine.sh IMAGE PREFIX: installs the image (the directory that
# install.cmd lies in) into a Wine prefix, which is created when missing,
# exactly as install.cmd installs on Windows.
set -euo pipefail
image=$(realpath -- "$1")
prefix=$2
here=$(dirname "$(realpath -- "$0")")
# Wine sees the host's files under drive Z:.
exec "$here/../cmake/wine-run.sh" --prefix "$prefix" cmd /c "Z:${image//\//\\}\\install.cmd"
