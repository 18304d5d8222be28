#!/usr/bin/env bash
# exit_code_test.sh WINE_RUN PREFIX IMAGE: the installed program without
# its rich-edit library ends at once and silently with -100, which Wine
# reports to Linux as 156. A message box would hold it until the bound.
set -uo pipefail
MORVEX_WINE_DLL_OVERRIDES=riched20=d timeout 60 "$1" --prefix "$2" "$3/MorvexSolo.exe"
rc=$?
if [ "$rc" -ne 156 ]; then
  echo "without RichEd20.dll the program ended with $rc, not 156 (-100)"
  exit 1
fi
echo "without RichEd20.dll the program ends with -100"
