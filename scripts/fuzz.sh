#!/usr/bin/env bash
# Fuzzes the site mode's plan reader and record reader with libFuzzer, under the address and
# undefined-behaviour sanitizers, both at once for FUZZ_SECONDS (60 unless set), from the
# seeds in tests/site/fuzz. Fails on a crash, an input that takes over 10 seconds, a leak, or
# an input that ends neither in a whole plan (record) nor in a message. Builds build/fuzz with
# clang first; the corpora grow there from run to run. Run by scripts/test.sh; prints each
# reader's executions.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-60}
dir=build/fuzz
CXX=clang++ cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVRIN_TESTS=ON \
    -DTAVRIN_FUZZ=ON >/dev/null
cmake --build "$dir" --target fuzz_PlanReader fuzz_RecordReader

declare -A seeds=([PlanReader]=plan [RecordReader]=record)
pids=()
for reader in PlanReader RecordReader; do
    name=${seeds[$reader]}
    mkdir -p "$dir/corpus-$name"
    "$dir/tests/fuzz_$reader" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -max_len=8192 -print_final_stats=1 -dict="tests/site/fuzz/$name.dict" \
        -artifact_prefix="$dir/$name-" "$dir/corpus-$name" "tests/site/fuzz/$name" \
        >"$dir/$name.log" 2>&1 &
    pids+=($!)
done
status=0
for i in 0 1; do
    reader=$([ "$i" = 0 ] && echo PlanReader || echo RecordReader)
    if ! wait "${pids[$i]}"; then
        status=1
        echo "fuzz_$reader failed; its log, $dir/${seeds[$reader]}.log, ends:"
        tail -40 "$dir/${seeds[$reader]}.log"
    fi
    echo "fuzz_$reader: $(grep -E 'stat::number_of_executed_units' "$dir/${seeds[$reader]}.log" |
        awk '{print $2}') executions in $seconds s"
done
exit $status
