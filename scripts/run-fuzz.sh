#!/bin/sh
# Runs every fuzz target of a fuzz build for a while: run-fuzz.sh BUILD_DIR SECONDS
# Each target starts from its seed corpus (fuzz/corpus/<target>) and keeps what it finds in
# BUILD_DIR/corpus/<target>; a crash, a leak or an input taking over 10 s stops the run with
# the input saved in BUILD_DIR/artifacts/ and a non-zero exit.
set -eu
build=$1
seconds=$2
root=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "$build/artifacts"
status=0
for target in $(cat "$build/fuzz-targets.txt"); do
    mkdir -p "$build/corpus/$target"
    log="$build/artifacts/$target.log"
    if "$build/fuzz/${target}_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$build/artifacts/$target-" \
        "$build/corpus/$target" "$root/fuzz/corpus/$target" >"$log" 2>&1; then
        result=ok
    else
        result=FAILED
        status=1
    fi
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    printf '%-20s %-6s %12s executions in %s s\n' "$target" "$result" "${runs:-?}" "$seconds"
    if [ "$result" = FAILED ]; then
        tail -n 40 "$log"
    fi
done
exit $status
