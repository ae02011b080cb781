#!/usr/bin/env bash
# Installs what is missing, builds the test tree (build-test/: assertions on,
# address and undefined-behaviour sanitizers) and runs every test there (no
# display needed); then compiles the whole tree, tests included, with clang
# as well (build-clang/, warnings as errors, nothing linked or run), so that
# code only one of the two compilers takes is caught when it is written.
# The start command keeps its own optimised build in build/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-packages.sh
start=$(date +%s)
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DRANVIK_SANITIZE=ON >/dev/null
cmake --build build-test --parallel "$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir build-test --output-on-failure --parallel "$(nproc)" "$@"
tested=$(date +%s)
bash tools/clang_compile.sh
echo "Build and tests took $(( tested - start )) s, the clang compile $(( $(date +%s) - tested )) s, on $(nproc) cores."
