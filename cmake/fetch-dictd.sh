#!/usr/bin/env bash
# Fetches a Debian dictd package (apt-get download; nothing is installed)
# and unpacks it (dpkg-deb -x) into <cache-dir>/<package>/, once: a later
# call finds it there. Trees that build at the same time share the cache
# through a lock.
#   fetch-dictd.sh <cache-dir> <package>
set -euo pipefail
cache=$1
package=$2
mkdir -p "$cache"
cd "$cache"
exec 9>"$cache/.lock"
flock 9
[ -f "$package.unpacked" ] && exit 0

rm -rf "$package" "${package}"_*.deb
if ! apt-get download "$package" 2>download.log; then
  # The package lists may be missing or old on a fresh machine.
  sudo=
  [ "$(id -u)" = 0 ] || sudo=sudo
  $sudo apt-get update -q >/dev/null
  apt-get download "$package" 2>download.log || { cat download.log >&2; exit 1; }
fi
dpkg-deb -x "${package}"_*.deb "$package"
touch "$package.unpacked"
