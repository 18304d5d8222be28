#!/usr/bin/env bash
# installed_registry_test.sh WINE_RUN PREFIX IMAGE: after install.cmd ran in
# PREFIX, every COM server of the image is registered at the image's copy,
# every shipped dictionary is listed under its theme, and the theme names
# and interface languages are there.
set -uo pipefail
wine_run=$1 prefix=$2 image=$3
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# reg prints in the OEM code page (866 in this prefix).
query() { "$wine_run" --prefix "$prefix" reg query "$@" 2>/dev/null | tr -d '\r' | iconv -f CP866 -t UTF-8; }
win_image="Z:${image//\//\\}"

for dll in LexiconHub PrefStore LocaleKit; do
  [ -f "$image/$dll.dll" ] || continue
  progid=$(case $dll in LexiconHub) echo Morvex.LexiconHub;; PrefStore) echo PrefStore.VelMorvexOpt;;
           LocaleKit) echo LocaleKit.LocaleKitMngr;; esac)
  clsid=$(query "HKCR\\$progid\\CLSID" /ve | sed -n 's/.*REG_SZ *//p')
  [ -n "$clsid" ] || { fail "$progid has no CLSID"; continue; }
  server=$(query "HKCR\\CLSID\\$clsid\\InprocServer32" /ve | sed -n 's/.*REG_SZ *//p')
  [ "${server,,}" = "${win_image,,}\\${dll,,}.dll" ] || fail "$progid is served by '$server'"
done

listed=$(query 'HKCU\Software\Kelbrin\Morvex\4.0\Dictionary' /s)
for dic in "$image"/Dictionaries/*.dic; do
  [ -e "$dic" ] || continue
  name=$(basename "$dic")
  grep -qF "$win_image\\Dictionaries\\$name" <<<"$listed" || fail "$name is not listed"
done

expect_value() {  # key value-name expected-data
  local data
  data=$(query "$1" /v "$2" | sed -n 's/.*REG_SZ *//p')
  [ "$data" = "$3" ] || fail "$1\\$2 is '$data', not '$3'"
}
names='HKCU\Software\Kelbrin\Morvex\4.0\Dictionary\Name'
expect_value "$names\\400" 0 General
expect_value "$names\\409" 0 General
expect_value "$names\\419" 0 'Общая лексика'

for lang in 409 419; do
  query "HKCU\\Software\\Kelbrin\\Morvex\\4.0\\Solo\\Languages\\$lang" >/dev/null \
    || fail "interface language $lang is not installed"
done

[ "$failures" -eq 0 ] && echo "installed registry: all checks passed"
exit $((failures != 0))
