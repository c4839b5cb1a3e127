#!/usr/bin/env bash
# The main job: build the library and the kelvo-smbios tool for Linux and show the running
# machine's SMBIOS records. Arguments go to the tool (--json, --file PATH, ...).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build/linux -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
# Build progress goes to stderr, so that stdout holds only what the tool prints.
cmake --build build/linux -j "$(nproc)" --target kelvo-smbios kelvo-smbios-example-files >&2
exec ./build/linux/bin/kelvo-smbios "$@"
