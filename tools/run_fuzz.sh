#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (build-fuzz/) and runs each for a
# number of seconds (default 120), one after another.
#   bash tools/run_fuzz.sh [seconds] [reader...]
# (RANVIK_FUZZ_DIR names another build folder, JOBS the build's parallel jobs.)
# Each target starts from its stored corpus (tests/fuzz/corpus/<reader>/)
# and adds the new inputs it finds to build-fuzz/corpus/<reader>/, so the
# stored seeds stay small; crashes, hangs (over 1 s for an input, 5 s for the chart targets) and
# memory blow-ups (over 2 GB) are saved in build-fuzz/findings/<reader>/.
# A finding, once fixed, goes minimised into the stored corpus, which the
# ordinary tests replay.  The log of each run is build-fuzz/logs/<reader>.log;
# its last "#... DONE cov: ..." line gives the executions and the coverage.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${RANVIK_FUZZ_DIR:-build-fuzz}
jobs=${JOBS:-$(nproc)}
seconds=${1:-120}
shift || true
readers=("$@")
if [ ${#readers[@]} -eq 0 ]; then
  for f in tests/fuzz/fuzz_*.cpp; do
    name=$(basename "$f" .cpp)
    readers+=("${name#fuzz_}")
  done
fi
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
  -DRANVIK_FUZZ=ON -DRANVIK_TESTS=OFF >/dev/null
targets=()
for r in "${readers[@]}"; do targets+=("fuzz_$r"); done
cmake --build "$dir" --parallel "$jobs" --target "${targets[@]}"
export QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/fuzz/lsan.supp"
status=0
for r in "${readers[@]}"; do
  # The chart targets draw whole charts from the file; instrumented, on a
  # busy machine, a 100 KB file takes them a few seconds although the
  # program's own build reads a 1 MB file in a fraction of one.
  case $r in
    chart_setup|monthly_file|maintenance_load|paths) timeout=5 ;;
    *) timeout=1 ;;
  esac
  mkdir -p "$dir/corpus/$r" "$dir/findings/$r" "$dir/logs"
  echo "== fuzz_$r for $seconds s"
  if ! "$dir/tests/fuzz/fuzz_$r" "$dir/corpus/$r" "tests/fuzz/corpus/$r" \
      -max_total_time="$seconds" -timeout="$timeout" -rss_limit_mb=2048 -max_len=1048576 \
      -artifact_prefix="$dir/findings/$r/" -print_final_stats=1 \
      >"$dir/logs/$r.log" 2>&1; then
    echo "   finding saved in $dir/findings/$r/ (see $dir/logs/$r.log)"
    status=1
  fi
  grep -E '^#[0-9]+[[:space:]]+DONE' "$dir/logs/$r.log" || tail -n 3 "$dir/logs/$r.log"
done
exit $status
