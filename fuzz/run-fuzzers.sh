#!/usr/bin/env bash
# Runs every fuzz harness of a fuzz build for the given seconds, a few at a
# time, and fails when any of them finds something.
#
#   fuzz/run-fuzzers.sh BUILD_DIR SECONDS [AT_ONCE] [HARNESS...]
#
# Each harness starts from the seeds made here (the hand-made files of
# fuzz/seeds, the third-party corpus beside the checkout, the program's own
# forms and filters) and from what its earlier runs kept in
# BUILD_DIR/fuzz/corpus/<harness>. A finding is left in
# BUILD_DIR/fuzz/findings/<harness>/; every run's log in BUILD_DIR/fuzz/logs.
#
# Before it fuzzes, each harness runs its regression inputs once, whole
# (fuzz/regressions/<harness> and inputs made here), under the same limits.
# The memory limit stops a harness whose memory grows far beyond its input:
# among those inputs is a MIDI file of 131,072 empty track chunks (1 MiB),
# which a reader that takes memory per chunk out of proportion to its bytes
# turns into gigabytes. Fuzzing then keeps inputs to 64 KiB.
set -euo pipefail

src=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
seconds=$2
at_once=${3:-4}
shift $(($# < 3 ? $# : 3))
# The corpus lies beside the checkout (or the checkout's parent folder).
corpus=${CAROLUNE_CORPUS_DIR:-}
for candidate in "$src/../shared/corpus" "$src/../../shared/corpus"; do
  [ -z "$corpus" ] && [ -f "$candidate/README.md" ] && corpus=$(cd "$candidate" && pwd)
done
work=$build/fuzz
all=(Ring2Ring Ring2Map FilterLibrary FilterFile Dravik Theme FormDescription MainWindow OptionsStore MidiTimeline)
if [ $# -gt 0 ]; then harnesses=("$@"); else harnesses=("${all[@]}"); fi

# ---------------------------------------------------------------- seeds

rm -rf "$work/seeds" "$work/regressions"
mkdir -p "$work/seeds" "$work/regressions" "$work/logs"
[ -d "$src/fuzz/regressions" ] && cp -r "$src"/fuzz/regressions/. "$work/regressions/"

# seed HARNESS NAME PREFIX FILE: the file's bytes behind the prefix (octal
# escapes for printf), as a seed of the harness (as a regression input when
# the variable into is "regressions").
seed() {
  local folder=$work/${into:-seeds}/$1
  mkdir -p "$folder"
  { printf "$3"; cat "$4"; } > "$folder/$2"
}

# The tunes: the hand-made ones and the corpus (an RTTTL file holds one tune
# a line), each with its format's code for the harnesses that choose one.
tunes=$work/tunes
rm -rf "$tunes" && mkdir -p "$tunes"
cp "$src"/fuzz/seeds/tunes/* "$tunes"/
if [ -d "$corpus" ]; then
  n=0
  for list in "$corpus"/rtttl/*.txt; do
    while IFS= read -r line || [ -n "$line" ]; do
      [ -n "$line" ] && printf '%s' "$line" > "$tunes/rtttl-$((n += 1)).rtx"
    done < "$list"
  done
  find "$corpus" -name '*.imy' -exec cp {} "$tunes"/ \;
  find "$corpus" -name '*.emy' -exec cp {} "$tunes"/ \;
  find "$corpus" \( -name '*.mid' -o -name '*.midi' \) -size -64k | while read -r f; do
    cp "$f" "$tunes/$(basename "${f%.*}").mid"
  done
fi
# 131,072 empty "MTrk" chunks behind a one-track header.
empty_tracks=$work/empty-tracks.mid
{
  printf 'MThd\0\0\0\6\0\1\0\1\0\140'
  for _ in $(seq 16); do printf 'MTrk\0\0\0\0%.0s' $(seq 8192); done
} > "$empty_tracks"
into=regressions seed Ring2Ring empty-tracks '\005\001' "$empty_tracks"
into=regressions seed Ring2Map empty-tracks '\005\001\000' "$empty_tracks"
into=regressions seed MainWindow empty-tracks '\003' "$empty_tracks"
into=regressions seed MidiTimeline empty-tracks '' "$empty_tracks"

# The library's format codes by index (R00 R01 R11 R02 R03 R04) and the main
# window's source types by index (rtx imy emy mid kpz tkp tss).
filters=("$src"/filters/Filters/*)
i=0
for tune in "$tunes"/*; do
  name=$(basename "$tune")
  size=$(printf '\\%03o' $((i % 8)))
  case "$name" in
    *.rtx) codes='\000'; type='\000' ;;
    *.kpz) codes='\001 \002'; type='\004' ;;
    *.emy) codes='\003'; type='\002' ;;
    *.imy) codes='\004'; type='\001' ;;
    *.mid) codes='\005'; type='\003' ;;
    *.tkp) codes=''; type='\005' ;;
    *.tss) codes=''; type='\006' ;;
    *) continue ;;
  esac
  for code in $codes; do
    seed Ring2Ring "$name-${code#\\}" "$code$size" "$tune"
    seed Ring2Map "$name-${code#\\}" "$code$size\\$(printf '%03o' $((i % 4)))" "$tune"
  done
  seed MainWindow "$name" "$type" "$tune"
  case "$name" in *.mid) seed MidiTimeline "$name" '' "$tune" ;; esac
  i=$((i + 1))
done
# Tunes through a filter of the input's own.
for filter in "${filters[@]}" "$src"/fuzz/seeds/filters/*; do
  mkdir -p "$work/seeds/Ring2Map"
  { printf '\000\005\007'; cat "$src/fuzz/seeds/tunes/scale.rtx"; printf '||FILTER||'; cat "$filter"; } \
    > "$work/seeds/Ring2Map/own-$(basename "$filter")"
done
for harness in FilterLibrary FilterFile Dravik; do
  for filter in "${filters[@]}" "$src"/fuzz/seeds/filters/*; do seed $harness "$(basename "$filter")" '' "$filter"; done
done
for theme in "$src"/fuzz/seeds/themes/*; do seed Theme "$(basename "$theme")" '' "$theme"; done
for store in "$src"/fuzz/seeds/options/*; do seed OptionsStore "$(basename "$store")" '' "$store"; done
# The program's forms as the build filled them in, read into a plain form:
# the root's class made TForm and the handlers (which a plain form lacks)
# left out.
mkdir -p "$work/seeds/FormDescription"
find "$build" -path '*/forms/*.dfm' | while read -r form; do
  sed -e '1s/: *[A-Za-z0-9_]*$/: TForm/' -e '/^ *On[A-Za-z]* = /d' "$form" \
    > "$work/seeds/FormDescription/$(basename "$form")"
done

# ---------------------------------------------------------------- runs

dictionary() {
  case "$1" in
    Ring2Ring | Ring2Map | MainWindow | MidiTimeline) echo "$src/fuzz/dicts/tunes.dict" ;;
    FilterLibrary | FilterFile | Dravik) echo "$src/fuzz/dicts/filter.dict" ;;
    Theme) echo "$src/fuzz/dicts/theme.dict" ;;
    FormDescription) echo "$src/fuzz/dicts/form.dict" ;;
    OptionsStore) echo "$src/fuzz/dicts/options.dict" ;;
  esac
}

# fuzz HARNESS OPTIONS... FOLDERS...: one run of the harness under the limits;
# its exit status.
fuzz() {
  local name=$1
  shift
  ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1 \
    UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    LSAN_OPTIONS=suppressions=$src/tests/lsan.supp:print_suppressions=0 \
    "$work/${name}_fuzzer" -rss_limit_mb=2048 -malloc_limit_mb=512 -timeout=30 -print_final_stats=1 \
    -artifact_prefix="$work/findings/$name/" "$@" >> "$work/logs/$name.log" 2>&1 &
  local pid=$! status=0
  wait $pid || status=$?
  # The harness's own folder, left behind when a finding stopped it.
  rm -rf /dev/shm/carolune-fuzz-$pid-* "${TMPDIR:-/tmp}"/carolune-fuzz-$pid-*
  return $status
}

run() {
  local name=$1 status=0
  mkdir -p "$work/corpus/$name" "$work/findings/$name"
  : > "$work/logs/$name.log"
  # A regression input may be large (the empty tracks take seconds under the
  # sanitizers, the export harnesses convert each a dozen times).
  if [ -d "$work/regressions/$name" ]; then fuzz "$name" -runs=0 -timeout=120 "$work/regressions/$name" || status=$?; fi
  if [ "$status" = 0 ]; then
    fuzz "$name" -max_total_time="$seconds" -max_len=65536 -dict="$(dictionary "$name")" \
      "$work/corpus/$name" "$work/seeds/$name" || status=$?
  fi
  echo "$status" > "$work/logs/$name.status"
}

for name in "${harnesses[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$at_once" ]; do wait -n || true; done
  run "$name" &
done
wait

# ---------------------------------------------------------------- report

failed=0
printf '%-16s %12s %8s %8s  %s\n' harness runs cov ft result
for name in "${harnesses[@]}"; do
  log=$work/logs/$name.log
  status=$(cat "$work/logs/$name.status")
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  last=$(grep -E '^#[0-9]+' "$log" | tail -1 || true)
  cov=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<< "$last")
  ft=$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<< "$last")
  if [ "$status" = 0 ]; then
    result="nothing found"
  else
    failed=1
    finding=$(ls -t "$work/findings/$name" 2>/dev/null | head -1)
    result="FOUND (exit $status) ${finding:+$work/findings/$name/$finding}: $(grep -m1 -E 'ERROR|runtime error|check failed|unexpected' "$log" || true)"
  fi
  printf '%-16s %12s %8s %8s  %s\n' "$name" "${runs:-?}" "${cov:-?}" "${ft:-?}" "$result"
done
exit $failed
