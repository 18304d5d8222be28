#!/bin/sh
# write-reg-file.sh SOURCE TARGET: turns a registration file kept in UTF-8
# with Unix line ends into what regedit imports on every code page: UTF-16LE
# with its byte-order mark and CRLF line ends.
set -e
{ printf '\377\376'; sed 's/$/\r/' "$1" | iconv -f UTF-8 -t UTF-16LE; } > "$2.tmp"
mv "$2.tmp" "$2"
