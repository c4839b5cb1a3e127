#!/usr/bin/env bash
# The Python package as people install it: `pip install ./bindings/python` into a fresh virtual
# environment of Debian's python3, with no package index (no network) and no environment
# variable; then the module runs from another folder, says the library's version, and a broken
# installation gives one line naming the file it tried.
#   bash tests/packages/python.sh SCRATCH TABLE
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
scratch=$1
table=$2
version=$(sed -n 's/^project(kelvo-shared-smbios VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
fail() { echo "python package: $*" >&2; exit 1; }

rm -rf "$scratch"
mkdir -p "$scratch/elsewhere"
/usr/bin/python3 -m venv --system-site-packages "$scratch/venv"
python=$scratch/venv/bin/python
env -u KELVO_SMBIOS_LIBRARY -u PYTHONPATH \
    "$scratch/venv/bin/pip" install --no-index --quiet "$root/bindings/python"

cd "$scratch/elsewhere"
clean=(env -u KELVO_SMBIOS_LIBRARY -u PYTHONPATH -u LD_LIBRARY_PATH)
"${clean[@]}" "$python" -m kelvo_smbios --file "$table" >out.json
"$python" - out.json <<'PY' || fail "python3 -m kelvo_smbios did not show the table"
import json, sys
document = json.load(open(sys.argv[1]))
vendors = [f["Value"] for s in document["Structures"] if s["Type"] == 0
           for f in s["Fields"] if f["Name"] == "Vendor"]
sys.exit(0 if vendors and vendors[0] == "Kelvo Firmware" else 1)
PY
shown=$("${clean[@]}" "$python" -c 'import kelvo_smbios; print(kelvo_smbios.__version__)')
[ "$shown" = "$version" ] || fail "module version $shown, library $version"

# Without the error library the main library cannot load: one line, naming the file tried.
package=$("$python" -c 'import kelvo_smbios, os; print(os.path.dirname(kelvo_smbios.__file__))')
rm "$package"/libkelvo-shared-error-v2.so.*
status=0
"${clean[@]}" "$python" -m kelvo_smbios --file "$table" >/dev/null 2>err.txt || status=$?
[ "$status" -ne 0 ] || fail "a broken installation exited 0"
[ "$(wc -l <err.txt)" -eq 1 ] || fail "a broken installation said: $(cat err.txt)"
grep -q "^kelvo_smbios: cannot load $package/libkelvo-shared-smbios.so.${version%%.*}: .*libkelvo-shared-error-v2" err.txt ||
    fail "a broken installation said: $(cat err.txt)"
echo "python package: installed, ran from another folder, version $version"
