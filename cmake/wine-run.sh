#!/usr/bin/env bash
# Runs Windows programs of the build under Wine (64-bit prefix), headless.
#
#   wine-run.sh --prefix DIR PROGRAM [ARGS...]   run one program, return its exit code
#   wine-run.sh --prefix DIR --session-start     create the prefix if needed, start a
#                                                private Xvfb (when no DISPLAY is given)
#                                                and a persistent wineserver
#   wine-run.sh --prefix DIR --session-stop      stop what --session-start started
#
# This is CTest's emulator for the win32 tree: a test fixture opens the
# session once, so each test costs one warm Wine process start. A program
# run with no session open gets one of its own for the length of the run.
set -u

die() { echo "wine-run: $*" >&2; exit 125; }

[ "${1:-}" = "--prefix" ] && [ -n "${2:-}" ] || die "usage: wine-run.sh --prefix DIR (PROGRAM [ARGS]|--session-start|--session-stop)"
# wineserver insists on an absolute prefix.
prefix=$(realpath -m -- "$2")
shift 2

export WINEPREFIX=$prefix
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
# MORVEX_WINE_DLL_OVERRIDES adds overrides of one run ("riched20=d").
export WINEDLLOVERRIDES="mscoree,mshtml=${MORVEX_WINE_DLL_OVERRIDES:+;$MORVEX_WINE_DLL_OVERRIDES}"
# Debian's /usr/bin/wine picks the 32-bit loader whenever wine32 is installed;
# this kernel cannot run it, so the 64-bit loader is named outright.
export WINELOADER=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver64

# The system's home code page: ANSI 1251, OEM 866. Wine reads it from the
# environment of each process; the host needs no such locale installed.
# MORVEX_WINE_LC_ALL overrides it, for the test that a wrong locale is caught.
wine() { LC_ALL=${MORVEX_WINE_LC_ALL:-ru_RU.UTF-8} "$WINELOADER" "$@"; }
wineboot() { wine wineboot "$@"; }
wineserver() { "$WINESERVER" "$@"; }

session=$prefix.session
lock=$prefix.lock
mkdir -p "$(dirname "$prefix")"

# The faces the system names ("Tahoma", "Marlett", "MS Sans Serif"): Wine
# ships them in fonts-wine but, started as here, finds them only in the
# prefix's own font directory; without them every face is "DejaVu Sans".
install_fonts() {
  local fonts=$prefix/drive_c/windows/Fonts font
  for font in tahoma.ttf tahomabd.ttf marlett.ttf ms_sans_serif.ttf; do
    [ -f "$fonts/$font" ] || cp "/usr/share/wine/fonts/$font" "$fonts/" || die "cannot copy $font"
  done
}

# Creates the prefix with the registry settings every run relies on:
# unmanaged windows (no 2 s wait per hide without a window manager) and the
# null display driver as fallback when there is no X.
ensure_prefix() {
  if [ -f "$prefix/.morvex-ready" ]; then
    install_fonts
    return 0
  fi
  rm -rf "$prefix"
  wineboot -i </dev/null >/dev/null 2>&1 9>&- || die "wineboot failed for $prefix"
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1 \
    || die "cannot set Managed=N"
  wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d x11,null /f </dev/null >/dev/null 2>&1 \
    || die "cannot set Graphics=x11,null"
  wineserver -w
  install_fonts
  touch "$prefix/.morvex-ready"
}

session_alive() {
  [ -f "$session" ] || return 1
  # shellcheck disable=SC1090
  . "$session"
  [ -z "${SESSION_XVFB_PID:-}" ] || kill -0 "$SESSION_XVFB_PID" 2>/dev/null
}

start_xvfb() {
  local fdfile=$prefix.display
  : >"$fdfile"
  # fd 9 is the session lock: a daemon holding it would block every later run.
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 9>&- &
  local pid=$!
  local i
  for i in $(seq 1 100); do
    [ -s "$fdfile" ] && break
    kill -0 "$pid" 2>/dev/null || die "Xvfb did not start"
    sleep 0.1
  done
  [ -s "$fdfile" ] || { kill "$pid"; die "Xvfb gave no display"; }
  SESSION_DISPLAY=:$(tr -d '\n' <"$fdfile")
  SESSION_XVFB_PID=$pid
  rm -f "$fdfile"
}

session_start() {
  session_alive && return 0
  ensure_prefix
  SESSION_DISPLAY=${DISPLAY:-}
  SESSION_XVFB_PID=
  [ -n "$SESSION_DISPLAY" ] || start_xvfb
  export DISPLAY=$SESSION_DISPLAY
  wineserver -k >/dev/null 2>&1
  wineserver -p 9>&- || die "wineserver did not start"
  # Wine's service processes inherit the output of the first program; give
  # them none, or a pipe on a later program never closes.
  wine cmd /c exit </dev/null >/dev/null 2>&1 9>&-
  printf 'SESSION_DISPLAY=%s\nSESSION_XVFB_PID=%s\n' "$SESSION_DISPLAY" "$SESSION_XVFB_PID" >"$session"
}

session_stop() {
  [ -f "$session" ] || return 0
  # shellcheck disable=SC1090
  . "$session"
  wineserver -k >/dev/null 2>&1
  wineserver -w >/dev/null 2>&1
  [ -z "${SESSION_XVFB_PID:-}" ] || kill "$SESSION_XVFB_PID" 2>/dev/null
  rm -f "$session"
}

with_lock() { exec 9>"$lock"; flock 9; "$@"; local rc=$?; flock -u 9; return $rc; }

# The session's daemons (Xvfb, wineserver, Wine's services) must not hold
# the caller's output open: CTest waits for every pipe of a test to close.
start_detached() {
  local log=$prefix.session.log
  with_lock session_start </dev/null >"$log" 2>&1 && return 0
  cat "$log" >&2
  return 1
}

case "${1:-}" in
  --session-start) start_detached; exit $? ;;
  --session-stop)  with_lock session_stop;  exit $? ;;
  "") die "no program given" ;;
esac

own_session=0
if ! with_lock session_alive; then
  start_detached || exit 125
  own_session=1
fi
. "$session"
export DISPLAY=${DISPLAY:-$SESSION_DISPLAY}
[ -n "$DISPLAY" ] || unset DISPLAY

wine "$@"
rc=$?
[ $own_session = 1 ] && with_lock session_stop
exit $rc
