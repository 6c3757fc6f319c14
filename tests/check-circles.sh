#!/bin/sh
# Passes when no unit (a header with its source file) includes itself
# through others: the dependencies form no circle, so every unit can be
# read, built and tested on what lies below it. Tests, benchmarks and fuzz
# harnesses are left out. A circle found is printed, one unit a line.
root=$1
cd "$root" || exit 2
loops=$(
  for dir in */; do
    dir=${dir%/}
    case $dir in tests | bench | fuzz) continue ;; esac
    [ -f "$dir/CMakeLists.txt" ] && find "$dir" \( -name '*.h' -o -name '*.cpp' \) -print
  done | sort | while read -r file; do
    unit=${file%.*}
    echo "$unit $unit"
    sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file" | while read -r used; do
      echo "$unit ${used%.*}"
    done
  done | tsort 2>&1 >/dev/null
)
[ -z "$loops" ] && exit 0
echo "$loops"
exit 1
