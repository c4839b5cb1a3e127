#!/usr/bin/env bash
# The main job: build the library for Linux and read the running machine's SMBIOS table with
# the example host program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build/linux -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build/linux -j "$(nproc)" --target kelvo-host-example
./build/linux/bin/kelvo-host-example
