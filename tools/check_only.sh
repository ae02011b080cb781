#!/bin/sh
# The compiler launcher of tools/gcc_check.sh: runs a compile as a check
# only (no code made) and leaves an empty object file behind, so that the
# next check compiles only what changed since. A source listed in the file
# RANVIK_COMPILED_FOR_REAL names belongs to a program that runs during the
# build, and is compiled for real.
out=
source=
previous=
for argument in "$@"; do
  [ "$previous" = "-o" ] && out=$argument
  [ "$previous" = "-c" ] && source=$argument
  previous=$argument
done
if [ -n "$RANVIK_COMPILED_FOR_REAL" ] && [ -n "$source" ] && grep -qxF "$source" "$RANVIK_COMPILED_FOR_REAL"; then
  exec "$@"
fi
"$@" -fsyntax-only || exit $?
if [ -n "$out" ]; then : >"$out"; fi
