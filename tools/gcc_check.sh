#!/usr/bin/env bash
# Checks every source of the tree, tests and benchmarks included, with GCC
# into build-gcc-check/: each file goes through the compiler's full checks
# with warnings as errors, but no code is made (tools/check_only.sh) and
# nothing is linked or run. The tests themselves run in the clang build of
# tools/test.sh; the start command's build makes the program with GCC.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-gcc-check -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=g++ -DRANVIK_BENCHMARKS=ON \
  -DCMAKE_CXX_COMPILER_LAUNCHER="$PWD/tools/check_only.sh" \
  -DCMAKE_CXX_FLAGS="-Werror --param=ggc-min-expand=100 --param=ggc-min-heapsize=1048576" >/dev/null
# Every object file's compile, and the generated sources they need; no program.
mapfile -t objects < <(ninja -C build-gcc-check -t targets all | sed -n 's/^\(.*\.o\): CXX_COMPILER.*/\1/p')
if [ ${#objects[@]} -eq 0 ]; then
  echo "GCC check: no object files found" >&2
  exit 1
fi
# Programs the build runs (file generators, helpers the tests start) are
# made for real: the programs the objects wait for, and their sources.
mapfile -t programs < <(comm -12 \
  <(ninja -C build-gcc-check -t targets all | sed -n 's/^\([^:]*\): CXX_EXECUTABLE_LINKER.*/\1/p' | sort -u) \
  <(ninja -C build-gcc-check -t inputs "${objects[@]}" | sort -u))
export RANVIK_COMPILED_FOR_REAL="$PWD/build-gcc-check/compiled_for_real.txt"
if [ ${#programs[@]} -gt 0 ]; then
  ninja -C build-gcc-check -t inputs "${programs[@]}" | grep '\.cpp$' >"$RANVIK_COMPILED_FOR_REAL" || true
else
  : >"$RANVIK_COMPILED_FOR_REAL"
fi
ninja -C build-gcc-check -k 0 -j "${RANVIK_JOBS:-$(nproc)}" "${objects[@]}" >build-gcc-check/compile.log 2>&1 || {
  grep -E 'error|warning' -A3 build-gcc-check/compile.log | head -n 60
  echo "GCC check failed: see build-gcc-check/compile.log" >&2
  exit 1
}
echo "GCC check: ${#objects[@]} files, no error, no warning."
