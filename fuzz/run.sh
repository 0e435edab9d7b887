#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for SECONDS (default 60),
# starting from the committed seeds.  New inputs go to a scratch corpus in
# the build folder; a finding stops the run with the input saved there.
set -euo pipefail
seconds=${1:-60}
here=$(cd "$(dirname "$0")/.." && pwd)
build=${FUZZ_BUILD:-$here/build-fuzz}
CC=clang CXX=clang++ cmake -S "$here" -B "$build" -DVEKTORIA_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null
for target in text_to_number number_to_text equation_reader solver; do
    work=$build/corpus/$target
    mkdir -p "$work" "$build/findings"
    echo "== fuzz_$target for ${seconds}s"
    log=$build/fuzz_$target.log
    rc=0
    "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -max_len=8192 -timeout=10 \
        -artifact_prefix="$build/findings/$target-" -print_final_stats=1 \
        "$work" "$here/fuzz/corpus/$target" >"$log" 2>&1 || rc=$?
    grep -E '^stat::(number_of_executed_units|peak_rss_mb)' "$log" || true
    if [[ $rc -ne 0 ]]; then
        grep -E 'property failed|ERROR|SUMMARY|Test unit written' "$log" >&2 || tail -20 "$log" >&2
        echo "fuzz_$target found a failing input" >&2
        exit 1
    fi
done
echo "fuzzing: no findings"
