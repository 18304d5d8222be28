#!/usr/bin/env bash
# The user interface's figures under Wine, in one table: the popup
# translation (hot key to tip), the dictionary viewer (typed letter to list
# and article), the start (to the splash and the tray icon) and the shelf
# with its dictionary menu. Runs the benchmark programs of the Windows tree
# on the installed image in a fresh prefix of its own and prints a Markdown
# table with the date and the machine. Reports; never fails on a figure.
#
#   bench/ui/run.sh [presses]     (after ./test.sh, or after building build/win32)
set -euo pipefail
cd "$(dirname "$0")/../.."
tree=$PWD/build/win32
run=$PWD/cmake/wine-run.sh
prefix=$tree/bench/wineprefix
presses=${1:-40}
log=$tree/bench/ui-figures.log
mkdir -p "$tree/bench"
: >"$log"

cmake --build "$tree" -j"$(nproc)" >"$tree/bench/ui-build.log" 2>&1 || {
  cat "$tree/bench/ui-build.log"; exit 1; }

# Each program's own report goes to the log; the table takes its figures.
measure() {  # measure TITLE COMMAND...
  echo "== $1" >>"$log"
  "${@:2}" 2>&1 | grep -v "FS volume label" | tee -a "$log"
}

install/tests/fresh-prefix-session.sh "$run" "$prefix" >/dev/null
trap '"$run" --prefix "$prefix" --session-stop >/dev/null 2>&1 || true' EXIT
install/install-wine.sh "$tree/image" "$prefix" >/dev/null
popup=$(MORVEX_IMAGE=$tree/image measure popup "$run" --prefix "$prefix" \
  "$tree/bin/popup_bench.exe" "$presses")
# The popup run warmed the prefix: the starts are a returning user's.
startup=$(MORVEX_IMAGE=$tree/image measure startup "$run" --prefix "$prefix" \
  "$tree/bin/startup_bench.exe")
"$run" --prefix "$prefix" --session-stop >/dev/null 2>&1 || true
trap - EXIT

viewer=$(measure viewer controls/LookupPane/bench/run-lookup-bench.sh "$tree")
shelf=$(measure shelf ctest --test-dir "$tree" -R '^app_shelf_menu_bench$' -V)

# field TEXT PATTERN: the first number after PATTERN in TEXT.
field() { printf '%s\n' "$1" | sed -n "s/.*$2 *\([0-9][0-9.]*\).*/\1/p" | head -1; }
# after TEXT HEADING PATTERN: the same, in the lines after HEADING.
after() { field "$(printf '%s\n' "$1" | sed -n "/$2/,\$p" | sed 1d)" "$3"; }
ms_to_s() { awk -v ms="$1" 'BEGIN { printf "%.2f s", ms / 1000 }'; }

shelf_row=$(printf '%s\n' "$shelf" | grep -E '(^|: ) *100 \|' | head -1 || true)
shelf_build=$(printf '%s\n' "$shelf_row" | awk -F'|' '{ split($2, a, " "); print a[1] }')
shelf_menu=$(printf '%s\n' "$shelf_row" | awk -F'|' '{ split($3, a, " "); print a[1] }')
machine=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1)

cat <<EOF
Figures of the user interface under Wine $(wine --version 2>/dev/null || echo) on Xvfb,
$(date +%Y-%m-%d), $(nproc) cores of ${machine:-this machine}:

| measure | figure | target |
|---|---|---|
| hot key to the tip shown with its article ($presses presses) | median $(field "$popup" median) ms, 90th percentile $(field "$popup" percentile) ms | median under 100 ms |
| typed letter to the word list and article painted | median $(field "$viewer" "typed prefix to painted *median") ms, 95th $(field "$viewer" "typed prefix to painted.*95th") ms | 1.5 × a bare list box and rich edit ($(field "$viewer" "bare list box and rich edit *median") ms) |
| start to the splash, animated | $(after "$startup" "Animation 1" "splash shown *median") ms | |
| start to the tray icon, animated | $(ms_to_s "$(after "$startup" "Animation 1" "tray icon *median")") | the splash's 2.7 s + 0.5 s |
| start to the tray icon, no animation | $(ms_to_s "$(after "$startup" "Animation 0" "tray icon *median")") | the splash's 2.0 s + 0.5 s |
| the shelf built over 100 dictionaries | ${shelf_build:-?} ms | under 100 ms |
| the dictionary menu filled with 100 dictionaries | ${shelf_menu:-?} ms | under 100 ms |

Each program's own report: $log
EOF
