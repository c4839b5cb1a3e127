#!/usr/bin/env bash
# Hardening runs beside scripts/test.sh's: the libFuzzer targets (clang-14), the Linux test
# suite under valgrind memcheck, the concurrency test under ThreadSanitizer, and a build of the
# benchmarks. Pass configuration names to run only those: fuzz valgrind tsan bench-build.
# KELVO_FUZZ_SECONDS sets how long each fuzz target runs (default 60); KELVO_BUILD_ROOT the
# folder of the build directories (default build).
set -euo pipefail
cd "$(dirname "$0")/.."
root=${KELVO_BUILD_ROOT:-build}

bash scripts/install-deps.sh

configs=("$@")
[ "${#configs[@]}" -gt 0 ] || configs=(fuzz valgrind tsan bench-build)
jobs=$(nproc)
fuzz_seconds=${KELVO_FUZZ_SECONDS:-30}

configure() {  # configure DIR [cmake options...]
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
}

# Builds with clang, optimized under AddressSanitizer and UBSan as scripts/fuzz-depth.sh does,
# replays each target's seeds, then fuzzes each target for a bounded time from its seeds. A crash, a leak, a timeout or a broken invariant fails the run; the input is
# kept in build/fuzz/findings and reruns with build/fuzz/bin/kelvo-replay-TARGET FILE.
run_fuzz() {
    local dir=$root/fuzz
    configure "$dir" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=clang++-14 \
        -DKELVO_SMBIOS_BUILD_FUZZERS=ON -DKELVO_SMBIOS_BUILD_TESTS=OFF
    cmake --build "$dir" -j "$jobs"
    local findings=$dir/findings
    rm -rf "$findings" "$dir/corpus"
    mkdir -p "$findings"
    local fuzzer target corpus log
    for fuzzer in "$dir"/bin/kelvo-fuzz-*; do
        target=${fuzzer##*/kelvo-fuzz-}
        [ "$target" != make-seeds ] || continue
        echo "--- $target: seeds"
        TZ=UTC0 "$dir/bin/kelvo-replay-$target" "$dir/fuzz/seeds/$target"
        echo "--- $target: fuzzing for ${fuzz_seconds}s"
        corpus=$dir/corpus/$target
        log=$dir/fuzz-$target.log
        mkdir -p "$corpus"
        if ! TZ=UTC0 "$fuzzer" -max_total_time="$fuzz_seconds" -max_len=8192 -timeout=10 \
            -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$findings/$target-" \
            "$corpus" "$dir/fuzz/seeds/$target" >"$log" 2>&1; then
            tail -n 80 "$log"
            echo "fuzz finding for $target: $(ls "$findings")"
            echo "rerun with: $dir/bin/kelvo-replay-$target $findings/<file>"
            return 1
        fi
        grep -E '^(Done|stat::)' "$log"
    done
}

# The native Debug build of scripts/test.sh, every test under valgrind memcheck.
run_valgrind() {
    configure "$root/linux" -DCMAKE_BUILD_TYPE=Debug
    cmake --build "$root/linux" -j "$jobs"
    cmake -DBUILD_DIR="$root/linux" -DJOBS="$jobs" -P tests/hardening/Memcheck.cmake
}

# GCC's ThreadSanitizer over the library and the concurrency test; any report fails it.
run_tsan() {
    local dir=$root/tsan
    configure "$dir" -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS=-fsanitize=thread -O1" \
        -DKELVO_SMBIOS_BUILD_TOOLS=OFF
    cmake --build "$dir" -j "$jobs" --target kelvo-concurrency
    TSAN_OPTIONS=halt_on_error=1:exitcode=66 ctest --test-dir "$dir" -L threads --output-on-failure
}

# The benchmarks as bench/run.sh builds them, each run once briefly so that a broken one shows.
# Figures come from bench/run.sh, not from here.
run_bench-build() {
    local dir=$root/bench
    configure "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKELVO_SMBIOS_BUILD_BENCHMARKS=ON \
        -DKELVO_SMBIOS_BUILD_TESTS=OFF -DKELVO_SMBIOS_BUILD_TOOLS=OFF
    cmake --build "$dir" -j "$jobs" --target kelvo-smbios-bench kelvo-smbios-bench-debug
    local bench
    for bench in kelvo-smbios-bench kelvo-smbios-bench-debug; do
        "$dir/bin/$bench" --benchmark_filter='/(desktop|100)$' --benchmark_min_time=0.01
    done
}

for config in "${configs[@]}"; do
    echo "=== $config"
    "run_$config"
done
