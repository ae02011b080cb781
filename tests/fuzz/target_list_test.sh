#!/usr/bin/env bash
# The fuzz script runs every fuzz target and nothing else: the targets it
# lists are exactly the files of tests/fuzz/ that hold a fuzzer entry point,
# each with a stored corpus to start from.
set -euo pipefail
cd "$(dirname "$0")/../.."
listed=$(bash tools/run_fuzz.sh --list | sort)
entries=$(grep -l 'LLVMFuzzerTestOneInput(const' tests/fuzz/fuzz_*.cpp | sed 's|tests/fuzz/fuzz_\(.*\)\.cpp|\1|' | sort)
if [ "$listed" != "$entries" ]; then
  echo "the script's targets:"; echo "$listed"
  echo "the files with an entry point:"; echo "$entries"
  exit 1
fi
[ -n "$listed" ] || { echo "no targets listed"; exit 1; }
for r in $listed; do
  if [ -z "$(ls -A "tests/fuzz/corpus/$r" 2>/dev/null)" ]; then
    echo "no stored corpus for $r"
    exit 1
  fi
done
echo "$(echo "$listed" | wc -l) targets"
