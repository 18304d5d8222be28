#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those that
# are missing (a second run installs nothing and costs a second).
set -euo pipefail

packages=(
  cmake g++ make
  g++-mingw-w64-x86-64 mingw-w64-tools
  wine wine64 libwine-dev fonts-wine
  xvfb xauth xdotool x11-apps x11-utils imagemagick
  googletest libgtest-dev libbenchmark-dev zlib1g-dev
  clang-14 libclang-rt-14-dev
  fp-utils
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
  [ "$status" = "installed" ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "installing: ${missing[*]}"
sudo=
[ "$(id -u)" = 0 ] || sudo=sudo
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
