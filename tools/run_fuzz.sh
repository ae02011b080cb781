#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (build-fuzz/) and runs each for a
# number of seconds (default 120).
#   bash tools/run_fuzz.sh [seconds] [reader...]
#   bash tools/run_fuzz.sh --list      (the targets, one a line)
# Without a reader every target runs.  The targets are those that
# tests/fuzz/CMakeLists.txt declares (ranvik_fuzz_target), the files beside
# them that hold no entry point (the support code) are none.
# (RANVIK_FUZZ_DIR names another build folder, JOBS the build's parallel
# jobs, PARALLEL how many targets run at once, 1 unless set, FUZZ_ARGS more
# libFuzzer options, e.g. "-fork=1 -ignore_crashes=1 -ignore_timeouts=1" to
# go on past a known finding until a fix lands.)
# Each target starts from its stored corpus (tests/fuzz/corpus/<reader>/)
# and adds the new inputs it finds to build-fuzz/corpus/<reader>/, so the
# stored seeds stay small; crashes, hangs (over 1 s for an input, 25 s for
# the targets that draw or print whole charts) and memory blow-ups (over
# 2 GB) are saved in build-fuzz/findings/<reader>/.
# A finding, once fixed, goes minimised into the stored corpus, which the
# ordinary tests replay.  The log of each run is build-fuzz/logs/<reader>.log;
# its last "#... DONE cov: ..." line gives the executions and the coverage.
set -euo pipefail
cd "$(dirname "$0")/.."

list_targets() {
  sed -n 's/^[[:space:]]*ranvik_fuzz_target(\([A-Za-z0-9_]*\).*/\1/p' tests/fuzz/CMakeLists.txt
}

if [ "${1:-}" = "--list" ]; then
  list_targets
  exit 0
fi

dir=${RANVIK_FUZZ_DIR:-build-fuzz}
jobs=${JOBS:-$(nproc)}
parallel=${PARALLEL:-1}
seconds=${1:-120}
shift || true
readers=("$@")
if [ ${#readers[@]} -eq 0 ]; then
  mapfile -t readers < <(list_targets)
fi
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
  -DRANVIK_FUZZ=ON -DRANVIK_TESTS=OFF >/dev/null
targets=()
for r in "${readers[@]}"; do targets+=("fuzz_$r"); done
cmake --build "$dir" --parallel "$jobs" --target "${targets[@]}"
export QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/fuzz/lsan.supp"

# Runs one target; its result is its exit status.
run_one() {
  local r=$1 timeout
  # The chart targets draw whole charts from the file; instrumented, on a
  # busy machine, a 100 KB file takes them seconds although the program's
  # own build reads a 1 MB file in a fraction of one.
  case $r in
    chart_*|monthly_file|maintenance_*|print_*|split_*) timeout=25 ;;
    # A list editor window is made for each input; the path target makes
    # pipes, links and folders and opens windows on them.
    list_save) timeout=10 ;;
    paths) timeout=10 ;;
    *) timeout=1 ;;
  esac
  mkdir -p "$dir/corpus/$r" "$dir/findings/$r" "$dir/logs"
  if ! "$dir/tests/fuzz/fuzz_$r" "$dir/corpus/$r" "tests/fuzz/corpus/$r" \
      -max_total_time="$seconds" -timeout="$timeout" -rss_limit_mb=2048 -max_len=1048576 \
      -artifact_prefix="$dir/findings/$r/" -print_final_stats=1 ${FUZZ_ARGS:-} \
      >"$dir/logs/$r.log" 2>&1; then
    return 1
  fi
}

report() {
  local r=$1 result=$2
  echo "== fuzz_$r for $seconds s"
  if [ "$result" -ne 0 ]; then
    echo "   finding saved in $dir/findings/$r/ (see $dir/logs/$r.log)"
  fi
  # A forked run has no DONE line: its last line with the coverage stands in.
  grep -E '^#[0-9]+[[:space:]]+DONE' "$dir/logs/$r.log" || grep -E 'cov: [0-9]+' "$dir/logs/$r.log" | tail -n 1 ||
    tail -n 3 "$dir/logs/$r.log"
}

status=0
declare -A running=()
finish_one() {
  local pid
  wait -n -p pid "${!running[@]}" && result=0 || result=$?
  report "${running[$pid]}" "$result"
  [ "$result" -eq 0 ] || status=1
  unset "running[$pid]"
}
for r in "${readers[@]}"; do
  while [ ${#running[@]} -ge "$parallel" ]; do finish_one; done
  run_one "$r" &
  running[$!]=$r
done
while [ ${#running[@]} -gt 0 ]; do finish_one; done
exit $status
