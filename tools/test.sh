#!/usr/bin/env bash
# Installs what is missing, builds the test tree (build-test/: clang, with
# assertions on and the address and undefined-behaviour sanitizers) and runs
# every test there (no display needed); then checks every file of the tree,
# tests included, with GCC as well (tools/gcc_check.sh: warnings as errors,
# no code made), so that code only one of the two compilers takes fails at
# once. The start command keeps its own optimised GCC build in build/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-packages.sh
start=$(date +%s)
# A test tree configured for another compiler is made again from nothing.
if [ -f build-test/CMakeCache.txt ] && ! grep -q '^CMAKE_CXX_COMPILER:[A-Z]*=.*clang++' build-test/CMakeCache.txt; then
  rm -rf build-test
fi
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ -DRANVIK_SANITIZE=ON >/dev/null
cmake --build build-test --parallel "$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir build-test --output-on-failure --parallel "$(nproc)" "$@"
tested=$(date +%s)
bash tools/gcc_check.sh
echo "Build and tests took $(( tested - start )) s, the GCC check $(( $(date +%s) - tested )) s, on $(nproc) cores."
