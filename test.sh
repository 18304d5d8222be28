#!/usr/bin/env bash
# Installs what is missing, builds every tree and runs every test: native,
# native under AddressSanitizer and UndefinedBehaviorSanitizer, the fuzz
# targets briefly (clang), and the Windows build under Wine. Exits non-zero
# when anything fails.
set -uo pipefail
cd "$(dirname "$0")"

cmake/install-deps.sh || exit 1
jobs=$(nproc)

mkdir -p build
failed=()
# run_tree name dir build-target ctest-arguments -- cmake-arguments
run_tree() {
  local name=$1 dir=$2 target=$3; shift 3
  local ctest_args=()
  while [ "$1" != "--" ]; do ctest_args+=("$1"); shift; done
  shift
  echo "=== $name: build ($dir)"
  if ! cmake -S . -B "$dir" "$@" >"$dir.configure.log" 2>&1; then
    cat "$dir.configure.log"; failed+=("$name (configure)"); return
  fi
  if ! cmake --build "$dir" -j"$jobs" --target "$target"; then failed+=("$name (build)"); return; fi
  echo "=== $name: test"
  ctest --test-dir "$dir" -j"$jobs" --output-on-failure "${ctest_args[@]}" || failed+=("$name (tests)")
}

run_tree native build/native all -- -DCMAKE_BUILD_TYPE=RelWithDebInfo
run_tree native-sanitizers build/native-san all -- -DCMAKE_BUILD_TYPE=Debug -DMORVEX_SANITIZE=ON
# A short run of every fuzz target: a parser that crashes on early inputs fails here.
run_tree native-fuzz build/native-fuzz fuzz_all -L fuzz -- -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14
run_tree win32 build/win32 all -- -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw.cmake

if [ ${#failed[@]} -ne 0 ]; then
  echo "FAILED: ${failed[*]}"
  exit 1
fi
echo "all trees passed"
