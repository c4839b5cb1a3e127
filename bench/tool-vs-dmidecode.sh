#!/usr/bin/env bash
# Times a whole run of kelvo-smbios, built as the main job builds it, against dmidecode on the
# same dump files, side by side in one hyperfine run (interleaved is not hyperfine's way: each
# command gets its warm-up and its runs in turn). Prints the median of each and their ratio.
#   bash bench/tool-vs-dmidecode.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-300}
command -v hyperfine >/dev/null || { apt-get update -qq && apt-get install -y -qq hyperfine >/dev/null; }
bash scripts/run.sh --version >/dev/null 2>&1 || { echo "the main job does not build" >&2; exit 1; }
tool=build/release/bin/kelvo-smbios
for table in uroot__Lenovo-ThinkPad-T480.bin uroot__SuperMicro-X9DBL.bin uroot__VMWare.bin; do
    file=../shared/tables/$table
    hyperfine -N --warmup 30 --runs "$runs" --export-json /tmp/kelvo-speed.json \
        "$tool --file $file" "dmidecode --from-dump $file" >/dev/null 2>&1
    python3 - "$table" <<'PY'
import json, sys
results = json.load(open("/tmp/kelvo-speed.json"))["results"]
kelvo, dmidecode = (r["median"] * 1000 for r in results)
print(f"{sys.argv[1]:36} kelvo-smbios {kelvo:6.2f} ms  dmidecode {dmidecode:6.2f} ms  ratio {kelvo / dmidecode:4.2f}")
PY
done
