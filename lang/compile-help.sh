#!/usr/bin/env bash
# Compiles one interface language's help file.
#   compile-help.sh <source dir> <project name> <code page> <work dir> <output .chm>
# The sources are UTF-8; the help viewer reads a page in the code page its
# language uses, which every page declares ("charset=windows-<code page>"),
# so each source goes through iconv first (a character the code page lacks
# fails the build instead of turning into "?").
#
# chmcmd reports little: it exits 0 when the project file or the contents
# file is missing and leaves an empty file (exit 217) when a page is. So
# the status, its messages and a non-empty output are all checked, the
# output is deleted on any failure, and the pages inside the compiled file
# are compared with the sources.
set -euo pipefail

if [ $# -ne 5 ]; then
  echo "usage: $0 <source dir> <project name> <code page> <work dir> <output .chm>" >&2
  exit 2
fi
source_dir=$1 project=$2 code_page=$3 work_dir=$4 output=$5

fail() {
  echo "compile-help: $project: $*" >&2
  rm -f "$output"
  exit 1
}

rm -rf "$work_dir"
mkdir -p "$work_dir"
rm -f "$output"

shopt -s nullglob
sources=("$source_dir"/*.html "$source_dir/$project.hhp" "$source_dir/$project.hhc"
         "$source_dir/$project.hhk")
for source in "${sources[@]}"; do
  [ -f "$source" ] || fail "missing $source"
  name=$(basename "$source")
  iconv -f UTF-8 -t "CP$code_page" "$source" >"$work_dir/$name" ||
    fail "$name does not fit code page $code_page"
  case $name in
    *.html | *.hhc | *.hhk)
      grep -qi "charset=windows-$code_page" "$source" ||
        fail "$name does not declare charset=windows-$code_page" ;;
  esac
done

# Every page in the project's file list, and only those, exists.
listed=$(sed -n '/^\[FILES\]/,/^\[/{/^\[/d;/^[[:space:]]*$/d;p}' "$source_dir/$project.hhp" |
         tr -d '\r' | sort)
present=$(cd "$source_dir" && ls -1 -- *.html | sort)
[ "$listed" = "$present" ] || fail "the [FILES] list of $project.hhp differs from the pages"

status=0
(cd "$work_dir" && chmcmd "$project.hhp" >chmcmd.log 2>&1) || status=$?
compiled=$work_dir/$project.chm
if [ $status -ne 0 ] || [ ! -s "$compiled" ]; then
  cat "$work_dir/chmcmd.log" >&2 || true
  fail "chmcmd failed (exit $status)"
fi
# A contents or index file it cannot find is only a message.
if grep -E '^(Error|Warning):' "$work_dir/chmcmd.log" >&2; then
  fail "chmcmd reported problems"
fi

inside=$(chmls list "$compiled" 2>/dev/null | awk '$NF ~ /\.html$/ {sub("^/", "", $NF); print $NF}' | sort)
[ "$inside" = "$present" ] || fail "the compiled file holds other pages than the sources"

mv "$compiled" "$output"
