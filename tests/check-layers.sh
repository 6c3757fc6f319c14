#!/bin/sh
# Passes when every quoted include of a source folder names a file of that
# folder or of a layer below it, so that the dependencies run one way: the
# runtime base at the bottom; the conversion library, the windowing layer
# and the form compiler on it; the skinned controls on the windowing layer;
# the filters on those; the two programs on top. Tests, benchmarks and fuzz
# harnesses may include anything. A source folder the table lacks fails.
root=$1

below() {
  case $1 in
    runtime) echo "" ;;
    conversion | windowing | formc) echo "runtime" ;;
    skin) echo "runtime windowing" ;;
    filters) echo "runtime windowing skin" ;;
    app) echo "runtime conversion windowing skin filters" ;;
    dravik) echo "runtime windowing skin filters" ;;
    tests | bench | fuzz) echo "*" ;;
    *) echo "?" ;;
  esac
}

for dir in "$root"/*/; do
  [ -f "$dir/CMakeLists.txt" ] || continue
  layer=$(basename "$dir")
  allowed=$(below "$layer")
  [ "$allowed" = "*" ] && continue
  if [ "$allowed" = "?" ]; then
    echo "$layer/: a source folder without its place among the layers (tests/check-layers.sh)"
    continue
  fi
  find "$dir" \( -name '*.h' -o -name '*.cpp' \) -print | sort | while read -r file; do
    sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"/]*\)\/[^"]*".*/\1/p' "$file" | while read -r used; do
      [ "$used" = "$layer" ] && continue
      case " $allowed " in *" $used "*) continue ;; esac
      echo "${file#"$root"/}: includes from $used/, which is not below $layer/"
    done
  done
done | grep . && exit 1
exit 0
