#!/usr/bin/env bash
# Installs what is missing, builds both trees and runs every test: native,
# native under AddressSanitizer and UndefinedBehaviorSanitizer, and the
# Windows build under Wine. Exits non-zero when anything fails.
set -uo pipefail
cd "$(dirname "$0")"

cmake/install-deps.sh || exit 1
jobs=$(nproc)

configure_and_build() {  # dir, cmake arguments...
  local dir=$1; shift
  cmake -S . -B "$dir" "$@" >"$dir.configure.log" 2>&1 || { cat "$dir.configure.log"; return 1; }
  cmake --build "$dir" -j"$jobs" || return 1
}

mkdir -p build
failed=()
run_tree() {  # name, dir, cmake arguments...
  local name=$1 dir=$2; shift 2
  echo "=== $name: build ($dir)"
  if ! configure_and_build "$dir" "$@"; then failed+=("$name (build)"); return; fi
  echo "=== $name: test"
  ctest --test-dir "$dir" -j"$jobs" --output-on-failure || failed+=("$name (tests)")
}

run_tree native build/native -DCMAKE_BUILD_TYPE=RelWithDebInfo
run_tree native-sanitizers build/native-san -DCMAKE_BUILD_TYPE=Debug -DMORVEX_SANITIZE=ON
run_tree win32 build/win32 -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw.cmake

if [ ${#failed[@]} -ne 0 ]; then
  echo "FAILED: ${failed[*]}"
  exit 1
fi
echo "all trees passed"
