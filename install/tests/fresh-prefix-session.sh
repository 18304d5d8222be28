#!/usr/bin/env bash
# fresh-prefix-session.sh WINE_RUN PREFIX: opens a Wine session on a new,
# empty prefix, so that what the installer writes is all that the tests of
# the installed system find.
set -euo pipefail
"$1" --prefix "$2" --session-stop >/dev/null 2>&1 || true
rm -rf -- "$2"
exec "$1" --prefix "$2" --session-start
