#!/usr/bin/env bash
# Compiles every source of the tree, tests and benchmarks included, with
# clang into build-clang/ (warnings are errors; nothing is linked or run).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-clang -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ -DRANVIK_BENCHMARKS=ON \
  -DCMAKE_CXX_FLAGS="-Werror" >/dev/null
# Every object file, and the generated sources they need; no program.
mapfile -t objects < <(ninja -C build-clang -t targets all | sed -n 's/^\(.*\.o\): CXX_COMPILER.*/\1/p')
if [ ${#objects[@]} -eq 0 ]; then
  echo "clang compile: no object files found" >&2
  exit 1
fi
ninja -C build-clang -k 0 -j "${RANVIK_JOBS:-$(nproc)}" "${objects[@]}" >build-clang/compile.log 2>&1 || {
  grep -E 'error|warning' -A3 build-clang/compile.log | head -n 60
  echo "clang compile failed: see build-clang/compile.log" >&2
  exit 1
}
echo "clang compile: ${#objects[@]} files, no error, no warning."
