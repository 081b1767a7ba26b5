#!/usr/bin/env bash
# Runs each fuzz target of build-asan/ (built by tools/sanitize.sh) from its
# seeds, as many at once as there are cores, and fails when any of them finds
# something. The argument (30 by default) is the time of the targets that
# need it most, in seconds; the others get their share of it below.
# New inputs the fuzzer finds stay in build-asan/fuzz/work/,
# a failing input in build-asan/fuzz/findings/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/sanitizer-options.sh
seconds="${1:-30}"
build=build-asan/fuzz
# Each target with its share of the time, in thirtieths: the slow drawing
# ones and the rich formats whole, the small parsers (whose coverage stops
# growing within seconds) less. Longest first, so the cores stay busy.
targets=(picture:30 print_script:30 bitmapfile:30 config:30 textdb:30 codec:20 cells:20 figures:15
         clidate:15 cliargs:15 fieldrects:15 cliscript:15 windowsizes:10)
# Where a target's seeds are: text files in fuzz/corpus/, files the build
# writes (binary seeds, copies of the shipped files) in build-asan/fuzz/seeds/.
seed_dirs() {
  local d
  case "$1" in
    picture|bitmapfile) echo "$build/seeds/bitmaps" ;;
  esac
  for d in "fuzz/corpus/$1" "$build/seeds/$1"; do
    [ -d "$d" ] && echo "$d"
  done
  return 0
}
# One target: its run, a summary line, and status 1 on a finding.
run_one() {
  local t="${1%%:*}" share="${1##*:}" time log start runs rate
  local -a seeds
  mapfile -t seeds < <(seed_dirs "$t")
  time=$(( seconds * share / 30 ))
  [ "$time" -ge 1 ] || time=1
  mkdir -p "$build/work/$t" "$build/findings/$t"
  log="$build/findings/$t/last-run.log"
  start=$(date +%s)
  if ! "$build/fuzz_$t" -max_total_time="$time" -timeout=20 -rss_limit_mb=2048 -max_len=8192 \
       -print_final_stats=1 -artifact_prefix="$build/findings/$t/" \
       "$build/work/$t" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 60 "$log"
    echo "fuzz_$t: finding (input and log in $build/findings/$t/)" >&2
    return 1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  echo "fuzz_$t: ${runs:-?} inputs in $(( $(date +%s) - start )) s (${rate:-?}/s), corpus $(ls "$build/work/$t" | wc -l) inputs"
}

# As many targets at once as there are cores, each on a core of its own.
parallel="$(nproc)"
pids=()
failed=0
for t in "${targets[@]}"; do
  run_one "$t" &
  pids+=("$!")
  if [ "${#pids[@]}" -ge "$parallel" ]; then
    wait "${pids[0]}" || failed=1
    pids=("${pids[@]:1}")
  fi
done
for p in "${pids[@]}"; do
  wait "$p" || failed=1
done
exit "$failed"
