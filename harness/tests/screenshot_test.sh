#!/usr/bin/env bash
# The screenshot helper takes a Wine window from the session's display:
# a window of a known colour is shown, shot by its title, and the picture
# has the window's size and colour; then winprobe closes the window.
#
#   screenshot_test.sh WINE_RUN PREFIX BIN_DIR SCREENSHOT_SH WORK_DIR
set -u
wine_run=$1 prefix=$2 bin=$3 screenshot=$4 work=$5

fail() { echo "FAIL: $*" >&2; exit 1; }

mkdir -p "$work"
out=$work/colour_window.out
shot=$work/window.png
rm -f "$out" "$shot" "$work/screen.png"

"$wine_run" --prefix "$prefix" "$bin/colour_window.exe" </dev/null >"$out" 2>&1 &
window_pid=$!
trap 'kill "$window_pid" 2>/dev/null' EXIT
for _ in $(seq 1 200); do
  grep -q READY "$out" 2>/dev/null && break
  kill -0 "$window_pid" 2>/dev/null || fail "colour_window ended early: $(cat "$out")"
  sleep 0.1
done
grep -q READY "$out" || fail "colour_window never became ready"

# The window may reach the X server a moment after it says READY (more so
# on a loaded machine): shoot again until it shows, for a few seconds.
centre=
for _ in $(seq 1 25); do
  "$screenshot" --prefix "$prefix" --window "Morvex screenshot check" "$shot" || fail "window shot failed"
  size=$(/usr/bin/identify -format '%wx%h' "$shot") || fail "window shot is no picture"
  [ "$size" = 200x150 ] || fail "window shot is $size, not 200x150"
  centre=$(/usr/bin/convert "$shot" -format '%[pixel:p{100,75}]' info:) || fail "cannot read a pixel"
  case "$centre" in
    "srgb(32,192,96)"|"rgb(32,192,96)"|"#20C060") break ;;
  esac
  sleep 0.2
done
case "$centre" in
  "srgb(32,192,96)"|"rgb(32,192,96)"|"#20C060") ;;
  *) fail "centre pixel is $centre, not the window's colour" ;;
esac

"$screenshot" --prefix "$prefix" "$work/screen.png" || fail "screen shot failed"
/usr/bin/identify "$work/screen.png" >/dev/null || fail "screen shot is no picture"

"$screenshot" --prefix "$prefix" --window "No such window anywhere" "$work/none.png" 2>/dev/null
[ $? = 1 ] || fail "a missing window must give exit code 1"
"$screenshot" 2>/dev/null
[ $? = 2 ] || fail "no output file must give exit code 2"

"$wine_run" --prefix "$prefix" "$bin/winprobe.exe" close --class MorvexColourWindow </dev/null >"$work/probe.out" 2>&1 \
  || fail "winprobe could not close the window: $(cat "$work/probe.out")"
wait "$window_pid" || fail "colour_window ended with an error"
trap - EXIT
echo "screenshot test passed"
