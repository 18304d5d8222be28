#!/usr/bin/env bash
# installed_registry_test.sh WINE_RUN PREFIX IMAGE: after install.cmd ran in
# PREFIX, every COM server of the image is registered at the image's copy,
# every dictionary install.cmd lists is in the image and listed under its
# theme, the theme names are there, and the interface languages name their
# resource libraries beside the program. A server or
# dictionary missing from the image is a failure: the image is what ships.
set -uo pipefail
wine_run=$1 prefix=$2 image=$3
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# reg prints in the OEM code page (866 in this prefix).
query() { "$wine_run" --prefix "$prefix" reg query "$@" 2>/dev/null | tr -d '\r' | iconv -f CP866 -t UTF-8; }
win_image="Z:${image//\//\\}"

for server in LexiconHub:Morvex.LexiconHub PrefStore:PrefStore.VelMorvexOpt \
              LocaleKit:LocaleKit.LocaleKitMngr PageStrip:PageStrip.VelPageStrip.1 \
              PickList:PickList.PickListCtrl.1 LetterStrip:LetterStrip.VelLetterStripCtrl.1 \
              LookupPane:LookupPane.VelDictViewCtrl.1 \
              ShelfView:ShelfView.ShelfViewCtrl.1 QuickHint:QuickHint.QuickHintCtrl.1 \
              AboutPanel:AboutPanel.AboutPanelCtrl.1 SettingsSheet:SettingsSheet.SettingsSheetCtrl.1; do
  dll=${server%%:*} progid=${server#*:}
  [ -f "$image/$dll.dll" ] || { fail "$dll.dll is not in the image"; continue; }
  clsid=$(query "HKCR\\$progid\\CLSID" /ve | sed -n 's/.*REG_SZ *//p')
  [ -n "$clsid" ] || { fail "$progid has no CLSID"; continue; }
  server=$(query "HKCR\\CLSID\\$clsid\\InprocServer32" /ve | sed -n 's/.*REG_SZ *//p')
  [ "${server,,}" = "${win_image,,}\\${dll,,}.dll" ] || fail "$progid is served by '$server'"
done

# The dictionaries are the ones install.cmd registers ("%HERE%Dictionaries\NAME").
dictionaries=$(tr -d '\r' <"$image/install.cmd" | grep -o 'Dictionaries\\[^"]*\.dic' |
  sed 's/^Dictionaries\\//')
[ -n "$dictionaries" ] || fail "install.cmd registers no dictionary"
listed=$(query 'HKCU\Software\Kelbrin\Morvex\4.0\Dictionary' /s)
for name in $dictionaries; do
  [ -f "$image/Dictionaries/$name" ] || fail "$name is not in the image"
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

# Each interface language names its resource library in the image.
for entry in 409:MorvexSoloEN 419:MorvexSoloRU; do
  lang=${entry%%:*} library=${entry#*:}
  [ -f "$image/$library.dll" ] || fail "$library.dll is not in the image"
  expect_value "HKCU\\Software\\Kelbrin\\Morvex\\4.0\\Solo\\Languages\\$lang" Resources \
    "$win_image\\$library.dll"
done
for entry in 409:en 419:ru; do lang=${entry%%:*} help=Help/${entry#*:}.chm; [ -s "$image/$help" ] || fail "$help is not in the image"; expect_value "HKCU\\Software\\Kelbrin\\Morvex\\4.0\\Solo\\Languages\\$lang" Help "$win_image\\${help/\//\\}"; done
for program in MorvexSolo.exe VelMouseHook.dll; do
  [ -f "$image/$program" ] || fail "$program is not in the image"
done

[ "$failures" -eq 0 ] && echo "installed registry: all checks passed"
exit $((failures != 0))
