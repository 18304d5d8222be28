#!/usr/bin/env bash
# Saves a screenshot of the X display that Wine programs draw on, as PNG.
#
#   screenshot.sh [--prefix WINEPREFIX] [--window TITLE] OUT.png
#
# The display is $DISPLAY, or else the one the Wine session of the prefix
# runs on (see cmake/wine-run.sh --session-start). With --window only that
# top-level window is taken (found by its title), else the whole screen.
# Converted by /usr/bin/convert: /usr/local/bin/convert on these machines
# is a stand-in that only serves the file viewer.
# Exit codes: 0 saved, 1 no display, no such window or a failed tool,
# 2 bad usage.
set -u

die() { echo "screenshot: $1" >&2; exit "${2:-1}"; }

prefix= window= out=
while [ $# -gt 0 ]; do
  case "$1" in
    --prefix) [ $# -ge 2 ] || die "--prefix needs a directory" 2; prefix=$2; shift 2 ;;
    --window) [ $# -ge 2 ] || die "--window needs a title" 2; window=$2; shift 2 ;;
    -*) die "unknown option $1" 2 ;;
    *) [ -z "$out" ] || die "one output file only" 2; out=$1; shift ;;
  esac
done
[ -n "$out" ] || die "usage: screenshot.sh [--prefix WINEPREFIX] [--window TITLE] OUT.png" 2

display=${DISPLAY:-}
if [ -z "$display" ] && [ -n "$prefix" ] && [ -f "$prefix.session" ]; then
  display=$(sed -n 's/^SESSION_DISPLAY=//p' "$prefix.session")
fi
[ -n "$display" ] || die "no X display (set DISPLAY or give the session's --prefix)"

target=(-root)
if [ -n "$window" ]; then
  id=$(xwininfo -display "$display" -name "$window" 2>/dev/null | awk '/^xwininfo: Window id:/{print $4; exit}')
  [ -n "$id" ] || die "no window titled \"$window\" on $display"
  target=(-id "$id")
fi

dump=$(mktemp --suffix=.xwd) || die "cannot make a temporary file"
trap 'rm -f "$dump"' EXIT
xwd -display "$display" "${target[@]}" -silent -out "$dump" || die "xwd failed on $display"
/usr/bin/convert "xwd:$dump" "png:$out" || die "convert failed"
