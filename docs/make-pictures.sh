#!/usr/bin/env bash
# Makes the README's pictures from what the code does today: builds the
# Windows tree, runs the end-to-end day of use (e2e_day_test) over the
# installed image on a private Xvfb with MORVEX_PICTURES_DIR set, and
# turns the screenshots it saves into docs/images/*.png.
#
#   docs/make-pictures.sh [BUILD_DIR]      (default build/win32)
#
# Exit codes: 0 every picture made, 1 the build, the day or a picture failed.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/win32}
pictures=(splash popup dictionary collection settings about)

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw.cmake >/dev/null
cmake --build "$build" -j"${MORVEX_JOBS:-3}"

shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT
# Pictures of a day that failed may show the fault, not the program: the
# ones in docs/images stay as they were.
if ! MORVEX_PICTURES_DIR=$shots ctest --test-dir "$build" -R '^e2e_day_test$' --output-on-failure; then
  echo "make-pictures: the day of use failed; docs/images left as it was" >&2
  exit 1
fi
status=0

# /usr/bin/convert: /usr/local/bin/convert on these machines only serves
# the file viewer (see harness/screenshot.sh).
for name in "${pictures[@]}"; do
  if [ -s "$shots/$name.bmp" ] && /usr/bin/convert "bmp:$shots/$name.bmp" "png:docs/images/$name.png"; then
    echo "docs/images/$name.png"
  else
    echo "make-pictures: no picture $name (the day test did not save it)" >&2
    status=1
  fi
done
exit "$status"
