#!/usr/bin/env bash
# Builds the benchmarks optimized and runs them, logger off then logger at debug. Arguments go
# to both programs (e.g. --benchmark_filter=desktop, --benchmark_repetitions=5).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKELVO_SMBIOS_BUILD_BENCHMARKS=ON \
    -DKELVO_SMBIOS_BUILD_TESTS=OFF -DKELVO_SMBIOS_BUILD_TOOLS=OFF >/dev/null
cmake --build build/bench -j "$(nproc)" --target kelvo-smbios-bench kelvo-smbios-bench-debug
echo "=== logger off"
build/bench/bin/kelvo-smbios-bench "$@"
echo "=== logger at debug"
build/bench/bin/kelvo-smbios-bench-debug "$@"
