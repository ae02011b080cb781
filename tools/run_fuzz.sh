#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (build-fuzz/) and runs each for a
# number of seconds (default 120), one after another.
#   bash tools/run_fuzz.sh [seconds] [reader...]
# Each target starts from its stored corpus (tests/fuzz/corpus/<reader>/)
# and adds the new inputs it finds to build-fuzz/corpus/<reader>/, so the
# stored seeds stay small; crashes, hangs (over 1 s for an input) and
# memory blow-ups (over 2 GB) are saved in build-fuzz/findings/<reader>/.
# A finding, once fixed, goes minimised into the stored corpus, which the
# ordinary tests replay.  The log of each run is build-fuzz/logs/<reader>.log;
# its last "#... DONE cov: ..." line gives the executions and the coverage.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-120}
shift || true
readers=("$@")
if [ ${#readers[@]} -eq 0 ]; then
  for f in tests/fuzz/fuzz_*.cpp; do
    name=$(basename "$f" .cpp)
    readers+=("${name#fuzz_}")
  done
fi
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
  -DRANVIK_FUZZ=ON -DRANVIK_TESTS=OFF >/dev/null
targets=()
for r in "${readers[@]}"; do targets+=("fuzz_$r"); done
cmake --build build-fuzz --parallel "$(nproc)" --target "${targets[@]}"
export QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/fuzz/lsan.supp"
status=0
for r in "${readers[@]}"; do
  mkdir -p "build-fuzz/corpus/$r" "build-fuzz/findings/$r" build-fuzz/logs
  echo "== fuzz_$r for $seconds s"
  if ! "build-fuzz/tests/fuzz/fuzz_$r" "build-fuzz/corpus/$r" "tests/fuzz/corpus/$r" \
      -max_total_time="$seconds" -timeout=1 -rss_limit_mb=2048 -max_len=1048576 \
      -artifact_prefix="build-fuzz/findings/$r/" -print_final_stats=1 \
      >"build-fuzz/logs/$r.log" 2>&1; then
    echo "   finding saved in build-fuzz/findings/$r/ (see build-fuzz/logs/$r.log)"
    status=1
  fi
  grep -E '^#[0-9]+ +DONE' "build-fuzz/logs/$r.log" || tail -n 3 "build-fuzz/logs/$r.log"
done
exit $status
