#!/bin/sh
# Passes when the shared library defines exactly the given dynamic symbols.
library=$1
shift
actual=$(nm -D --defined-only "$library" | awk '{print $3}' | sort | tr '\n' ' ')
expected=$(printf '%s\n' "$@" | sort | tr '\n' ' ')
[ "$actual" = "$expected" ] || { echo "exports: $actual; expected: $expected"; exit 1; }
