#!/usr/bin/env bash
# Builds the Windows tree, installs it into a Wine prefix of its own
# (build/win32/run/wineprefix) as install.cmd installs it on Windows, and
# starts the dictionary there: hidden at first, as it lives in the
# notification area, then brought up by a second start, as a user brings it
# up. On your display it runs until Ctrl+C; with no display it runs on a
# private Xvfb, shows what it does in Wine's notepad (the popup translation
# of a selected word, the dictionary window with the clipboard's word),
# saves a screenshot of each step and closes.
set -euo pipefail
cd "$(dirname "$0")"

cmake/install-deps.sh
cmake -S . -B build/win32 -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw.cmake >/dev/null
cmake --build build/win32 -j"$(nproc)"

prefix=$PWD/build/win32/run/wineprefix
shots=$PWD/build/win32/run
screenshot=$shots/screenshot.png
wine_run() { cmake/wine-run.sh --prefix "$prefix" "$@"; }
# Wine's own complaints ("Read access denied for device Z:" ...) are not the user's business.
quiet() { "$@" >/dev/null 2>&1; }

install/install-wine.sh build/win32/image "$prefix" >/dev/null 2>&1 || {
  echo "run: installing into $prefix failed"; exit 1; }
quiet wine_run --session-start
own_display=${DISPLAY:-}

wine_run build/win32/image/MorvexSolo.exe >/dev/null 2>&1 &
program=$!
close_program() {
  quiet wine_run build/win32/bin/winprobe.exe close --class VelMorvexSolo || true
  wait "$program" 2>/dev/null || true
}
trap 'close_program; quiet wine_run --session-stop; exit 0' INT TERM

# A second start brings the first one's window up, once that window exists.
shown=
for _ in $(seq 1 60); do
  quiet wine_run build/win32/image/MorvexSolo.exe || true
  if quiet wine_run build/win32/bin/winprobe.exe tree --class VelMorvexSolo; then shown=1; break; fi
  sleep 0.5
done
if [ -z "$shown" ]; then
  echo "run: the dictionary's window did not come up"
  close_program
  exit 1
fi

echo "Morvex is running from build/win32/image in the Wine prefix $prefix."
if [ -n "$own_display" ]; then
  echo "Its window is on your display $own_display; its icon is in Wine's tray."
  echo "In a Windows program of this prefix (notepad: cmake/wine-run.sh --prefix $prefix notepad),"
  echo "select a word and press Ctrl+Alt+S, or hold Shift and click it with the right button;"
  echo "Ctrl+Alt+X opens the clipboard's word in the dictionary, Ctrl+Alt+Z the translation page."
  echo "Press Ctrl+C here to close it."
  wait "$program" || true
  quiet wine_run --session-stop
else
  # A window's picture once it has painted itself: its centre is no longer
  # the empty screen's black.
  shoot_window() {  # shoot_window CLASS FILE
    local rect left top right bottom centre colour
    rect=$(wine_run build/win32/bin/winprobe.exe tree --class "$1" 2>/dev/null || true)
    rect=$(printf '%s\n' "$rect" |
           sed -n '1s/.* rect \([-0-9]*\),\([-0-9]*\),\([-0-9]*\),\([-0-9]*\) .*/\1 \2 \3 \4/p')
    read -r left top right bottom <<<"${rect:-0 0 0 0}"
    centre="$(( (left + right) / 2 )),$(( (top + bottom) / 2 ))"
    for _ in $(seq 1 40); do
      harness/screenshot.sh --prefix "$prefix" "$2" >/dev/null
      colour=$(/usr/bin/convert "$2" -format "%[pixel:p{$centre}]" info: 2>/dev/null || true)
      case "$colour" in black|"srgb(0,0,0)"|"") sleep 0.25 ;; *) return 0 ;; esac
    done
  }
  shoot_window VelMorvexSolo "$screenshot"
  echo "No display: it ran on a private one. Screenshots:"
  echo "  the dictionary window: $screenshot"

  # A word in notepad, selected, then the popup hot key: the tip.
  printf 'water' >"$prefix/drive_c/morvex-word.txt"
  wine_run notepad 'C:\morvex-word.txt' >/dev/null 2>&1 &
  notepad=$!
  waits_for() {  # waits_for SECONDS COMMAND...: until the command succeeds
    local bound=$(( $1 * 4 )); shift
    for _ in $(seq 1 "$bound"); do quiet "$@" && return 0; sleep 0.25; done
    return 1
  }
  waits_for 20 wine_run build/win32/bin/winprobe.exe tree --class Notepad || true
  quiet wine_run build/win32/bin/sendkeys.exe ctrl+a || true
  quiet wine_run build/win32/bin/sendkeys.exe ctrl+alt+s || true
  if waits_for 10 wine_run build/win32/bin/winprobe.exe tree --class QuickHintHost; then
    shoot_window QuickHintHost "$shots/popup.png"
    echo "  the tip over a word selected in notepad: $shots/popup.png"
  else
    echo "  (the tip did not come up)"
  fi

  # The same word copied, then the dictionary hot key: its dictionary page.
  quiet wine_run build/win32/bin/sendkeys.exe esc || true
  quiet wine_run build/win32/bin/sendkeys.exe ctrl+c || true
  quiet wine_run build/win32/bin/sendkeys.exe ctrl+alt+x || true
  if waits_for 10 sh -c "cmake/wine-run.sh --prefix '$prefix' build/win32/bin/winprobe.exe tree --class VelMorvexSolo 2>/dev/null | grep -q '617 .* \"water\"'"; then
    shoot_window VelMorvexSolo "$shots/dictionary.png"
    echo "  the dictionary page with the clipboard's word: $shots/dictionary.png"
  else
    echo "  (the dictionary page did not show the word)"
  fi
  kill "$notepad" 2>/dev/null || true
  close_program
  quiet wine_run --session-stop
fi
