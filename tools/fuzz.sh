#!/usr/bin/env bash
# Runs each fuzz target of build-asan/ (built by tools/sanitize.sh) for the
# given number of seconds (30 by default) from its seed corpus, as many at once
# as there are cores, and fails when any of them finds something.
# New inputs the fuzzer finds stay in build-asan/fuzz/work/,
# a failing input in build-asan/fuzz/findings/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/sanitizer-options.sh
seconds="${1:-30}"
build=build-asan/fuzz
targets=(codec textdb config picture clidate print_script)
# One target: its run, a summary line, and status 1 on a finding.
run_one() {
  local t="$1" seeds="fuzz/corpus/$1" log start runs rate
  [ "$t" = picture ] && seeds="$build/seeds/picture"  # written by the build
  mkdir -p "$build/work/$t" "$build/findings/$t"
  log="$build/findings/$t/last-run.log"
  start=$(date +%s)
  if ! "$build/fuzz_$t" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -max_len=8192 \
       -print_final_stats=1 -artifact_prefix="$build/findings/$t/" \
       "$build/work/$t" "$seeds" >"$log" 2>&1; then
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
