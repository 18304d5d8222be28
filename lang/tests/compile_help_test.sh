#!/usr/bin/env bash
# compile_help_test.sh COMPILE_HELP SOURCE_DIR: the help compiler's script
# turns the English pages into a help file holding exactly those pages, and
# every broken source fails with no help file left behind.
set -uo pipefail
compile=$1 sources=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

"$compile" "$sources" en 1252 "$work/good" "$work/good.chm" || fail "the English pages do not compile"
[ -s "$work/good.chm" ] || fail "no help file from the English pages"

# case name | how the copy of the sources is broken
broken() {
  local name=$1 edit=$2 dir=$work/$1
  mkdir -p "$dir" && cp "$sources"/* "$dir"/
  (cd "$dir" && eval "$edit")
  echo stale >"$work/$name.chm"
  if "$compile" "$dir" en 1252 "$work/$name.work" "$work/$name.chm" 2>/dev/null; then
    fail "$name: compiled"
  fi
  [ -e "$work/$name.chm" ] && fail "$name: left a help file"
}
broken missing_project 'rm en.hhp'
broken missing_page 'rm popup.html'
broken missing_contents 'sed -i "s/^Contents file=.*/Contents file=gone.hhc/" en.hhp'
broken unlisted_page 'cp popup.html extra.html'
broken no_charset 'sed -i "s/charset=windows-1252//" index.html'
broken outside_code_page 'sed -i "s/<h1>/<h1>Ж/" index.html'

[ "$failures" -eq 0 ] && echo "compile help: all checks passed"
exit $((failures != 0))
