#!/bin/sh
# Passes when every quoted include in the source folders (those with a
# CMakeLists.txt: the build folders have none) names its file from the
# repository root, or names the header the form compiler makes of a form
# description there. A bare name would still find a header of its own
# folder, so the compiler alone does not hold the rule.
root=$1
status=0
for dir in "$root"/*/; do
  [ -f "$dir/CMakeLists.txt" ] || continue
  find "$dir" \( -name '*.h' -o -name '*.cpp' \) -print | sort | while read -r file; do
    sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file" | while read -r name; do
      [ -f "$root/$name" ] && continue
      case $name in *.dfm.h) [ -f "$root/${name%.h}" ] && continue ;; esac
      echo "${file#"$root"/}: #include \"$name\" names no file from the repository root"
    done
  done
done | grep . && status=1
exit $status
