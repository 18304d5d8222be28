#!/usr/bin/env bash
# installed_script_test.sh WINE_RUN PREFIX SCRIPT: a script client run by the
# system's own script host lists the shipped English-Russian dictionary by
# its name, with its article count, and it opens.
set -uo pipefail
output=$("$1" --prefix "$2" cscript //nologo "Z:${3//\//\\}" 2>&1 | tr -d '\r')
echo "$output"
grep -Eq '^General English-Russian \| [0-9]{5,} \| opens$' <<<"$output" || {
  echo "FAIL: the English-Russian dictionary is not listed as expected"; exit 1; }
