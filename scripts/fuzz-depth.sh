#!/usr/bin/env bash
# Long fuzzing: builds the libFuzzer targets optimized (-O2, still under AddressSanitizer and
# UBSan) and runs each on every core until it has executed its number of inputs: 10 million for
# the library's and the C interface's targets, 1 million for the others (or KELVO_FUZZ_RUNS for
# all), or (KELVO_FUZZ_SECONDS) for at most that long. The corpus in build/fuzz-depth/corpus
# stays between runs, so a later run goes on from where the last one stopped. Prints per target
# the executions, executions per second, coverage and findings; any finding is kept in
# build/fuzz-depth/findings and becomes a regression input (fuzz/regressions/TARGET/).
#   bash scripts/fuzz-depth.sh [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

dir=build/fuzz-depth
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=clang++-14 \
    -DKELVO_SMBIOS_BUILD_FUZZERS=ON -DKELVO_SMBIOS_BUILD_TESTS=OFF >/dev/null
cmake --build "$dir" -j "$(nproc)"
mkdir -p "$dir/findings"

targets=("$@")
if [ "${#targets[@]}" -eq 0 ]; then
    for fuzzer in "$dir"/bin/kelvo-fuzz-*; do
        [ "${fuzzer##*/}" != kelvo-fuzz-make-seeds ] && targets+=("${fuzzer##*/kelvo-fuzz-}")
    done
fi

workers=$(nproc)
printf '%-8s %12s %10s %8s %9s\n' target executions exec/s cov findings
for target in "${targets[@]}"; do
    runs=${KELVO_FUZZ_RUNS:-1000000}
    case $target in smbios | capi) runs=${KELVO_FUZZ_RUNS:-10000000} ;; esac
    corpus=$dir/corpus/$target
    mkdir -p "$corpus"
    start=$(date +%s)
    # One process per core on a shared corpus, each with its share of the executions. An 8 MiB
    # quarantine (not 256) still holds what the last inputs freed, so a use after free is
    # caught, and makes each input about a quarter faster.
    for worker in $(seq "$workers"); do
        TZ=UTC0 ASAN_OPTIONS=malloc_context_size=0:quarantine_size_mb=8 \
            "$dir/bin/kelvo-fuzz-$target" \
            -runs=$((runs / workers)) -max_total_time="${KELVO_FUZZ_SECONDS:-0}" \
            -max_len=8192 -timeout=10 -rss_limit_mb=2048 \
            -print_final_stats=1 -artifact_prefix="$dir/findings/$target-" \
            "$corpus" "$dir/fuzz/seeds/$target" >"$dir/$target-$worker.log" 2>&1 &
    done
    wait || true
    seconds=$(($(date +%s) - start))
    executed=$(grep -h '^stat::number_of_executed_units' "$dir/$target"-*.log |
        awk '{n += $2} END {print n + 0}')
    cov=$(grep -h -o 'cov: [0-9]*' "$dir/$target"-*.log | awk '{print $2}' | sort -n | tail -n 1)
    findings=$(find "$dir/findings" -name "$target-*" | wc -l)
    printf '%-8s %12s %10s %8s %9s\n' "$target" "$executed" \
        "$((executed / (seconds > 0 ? seconds : 1)))" "${cov:-0}" "$findings"
done
