#!/usr/bin/env bash
# The Windows zip as a Windows developer uses it, unpacked into a scratch folder: the files it
# must hold; every DLL and program stripped, importing only Windows' own DLLs and DLLs that sit
# beside it in the zip; the DLLs exporting every C function that the headers declare and every
# name of the last release's exported interface (abi/), and carrying the project's version in
# their version resource; the clang-cl hosts of the C interface's tests built against the zip's
# headers and MSVC import library alone and run under Wine, as is the tool; the Python module with
# the DLLs beside it, where its loader looks; the example C++ host built with find_package from the
# zip. Wine's server must be running (scripts/test.sh).
#   bash tests/packages/windows-zip.sh ZIP SCRATCH TABLE
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
zip=$(realpath "$1")
scratch=$2
table=$3
version=$(sed -n 's/^project(kelvo-shared-smbios VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
objdump=x86_64-w64-mingw32-objdump
wine=/usr/lib/wine/wine64
fail() { echo "windows zip: $*" >&2; exit 1; }

rm -rf "$scratch"
mkdir -p "$scratch"
(cd "$scratch" && cmake -E tar xf "$zip")
top=$scratch/$(basename "$zip" .zip)
[ "$(basename "$zip")" = "kelvo-shared-smbios-$version-win64.zip" ] || fail "named $zip"
python=python/kelvo_smbios
for file in bin/kelvo-shared-smbios.dll bin/kelvo-shared-error-v2.dll bin/kelvo-smbios.exe \
    lib/kelvo-shared-smbios.lib lib/libkelvo-shared-smbios.dll.a lib/libkelvo-shared-error-v2.dll.a \
    lib/cmake/kelvo-shared-smbios/kelvo-shared-smbios-config.cmake \
    lib/pkgconfig/kelvo-shared-smbios.pc include/smbios/SMBiosInfo.h include/smbios/kelvo_smbios.h \
    include/smbios/kelvo_smbios.hpp include/kelvo/error/Error.h \
    $python/__init__.py $python/__main__.py $python/_built.py \
    $python/kelvo-shared-smbios.dll $python/kelvo-shared-error-v2.dll; do
    [ -f "$top/$file" ] || fail "lacks $file"
done
for dll in kelvo-shared-smbios.dll kelvo-shared-error-v2.dll; do
    cmp -s "$top/bin/$dll" "$top/$python/$dll" || fail "$python/$dll differs from bin/$dll"
done

# Windows' own DLLs; any other import must ship beside the file that imports it.
system='^(kernel32|msvcrt|ucrtbase|advapi32|ntdll|bcrypt|api-ms-win-crt-[a-z0-9-]+)\.dll$'
while IFS= read -r -d '' file; do
    name=${file#"$top/"}
    headers=$("$objdump" -p -h "$file")
    if grep -qE 'HAS_SYMS|HAS_DEBUG' <<<"$("$objdump" -f "$file")" || grep -q ' \.debug_' <<<"$headers"; then
        fail "$name is not stripped"
    fi
    while read -r import; do
        tr '[:upper:]' '[:lower:]' <<<"$import" | grep -qE "$system" ||
            [ -f "$(dirname "$file")/$import" ] || fail "$name imports $import, which is not in the zip"
    done < <(sed -n 's/^\tDLL Name: //p' <<<"$headers")
done < <(find "$top" -name '*.dll' -print0 -o -name '*.exe' -print0)

# Exports, and the version resource of each DLL.
for library in kelvo-shared-smbios kelvo-shared-error-v2; do
    dll=$top/bin/$library.dll
    exports=$("$objdump" -p "$dll" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/s/^\t\[ *[0-9]*\] //p' | sort)
    missing=$(comm -23 <(sort "$root/abi/$library.dll.exports") - <<<"$exports")
    [ -z "$missing" ] || fail "$library.dll does not export: $missing"
    resources=$(llvm-readobj-14 --coff-resources "$dll")
    grep -q 'Type: VERSIONINFO (ID 16)' <<<"$resources" || fail "$library.dll has no version resource"
    resource=$(python3 "$root/tests/packages/pe_version.py" "$dll")
    for line in "FixedFileVersion=$version.0" "FixedProductVersion=$version.0" \
        "FileVersion=$version" "ProductVersion=$version" "OriginalFilename=$library.dll"; do
        grep -qxF "$line" <<<"$resource" || fail "$library.dll's version resource lacks $line: $resource"
    done
done
exports=$("$objdump" -p "$top/bin/kelvo-shared-smbios.dll")
count=0
while read -r name; do
    grep -qP "^\t\[ *\d+\] $name$" <<<"$exports" || fail "kelvo-shared-smbios.dll does not export $name"
    count=$((count + 1))
done < <(grep -oh 'KSMBIOS_CALL ksmbios_[a-z_]*(' "$top"/include/smbios/kelvo_smbios*.h |
    sed 's/KSMBIOS_CALL //; s/($//')
[ "$count" -gt 0 ] || fail "no C function found in the headers"

# The clang-cl hosts, from the zip's files alone, beside its DLLs.
if ! { cmake -S "$root/tests/packages/msvc-host" -B "$scratch/msvc-host" -G Ninja -DKELVO_ZIP="$top" &&
    cmake --build "$scratch/msvc-host"; } >"$scratch/msvc-host.log" 2>&1; then
    cat "$scratch/msvc-host.log" >&2
    fail "the clang-cl hosts did not build against the zip"
fi
# The C++ interface: the example host, built by mingw with find_package from the zip's CMake
# package alone, beside the DLLs too.
if ! { cmake -S "$root/examples/host" -B "$scratch/cpp-host" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -Dkelvo-shared-smbios_DIR="$top/lib/cmake/kelvo-shared-smbios" \
    -DCMAKE_RUNTIME_OUTPUT_DIRECTORY="$top/bin" && cmake --build "$scratch/cpp-host"; } \
    >"$scratch/cpp-host.log" 2>&1; then
    cat "$scratch/cpp-host.log" >&2
    fail "the C++ example host did not build against the zip's CMake package"
fi
# The hosts check the tables of tests/capi/expected/ (and write a scratch file where they run).
expected=("$root"/tests/capi/expected/*.txt)
for name in kelvo-capi-check-msvc kelvo-capi-check-fields-msvc kelvo-capi-wrapper-check-msvc; do
    arguments=("${expected[@]}")
    [ "$name" != kelvo-capi-check-fields-msvc ] || arguments=()
    (cd "$scratch" && TZ=UTC0 "$wine" "$top/bin/$name.exe" "${arguments[@]}") >"$scratch/$name.out" 2>&1 ||
        { cat "$scratch/$name.out" >&2; fail "$name failed"; }
done
"$wine" "$top/bin/kelvo-host-example.exe" >"$scratch/cpp-host.out" 2>&1 ||
    { cat "$scratch/cpp-host.out" >&2; fail "the C++ example host failed"; }
out=$("$wine" "$top/bin/kelvo-smbios.exe" --version 2>&1 | tr -d '\r')
[ "$out" = "kelvo-smbios $version" ] || fail "the tool's version: $out"
out=$("$wine" "$top/bin/kelvo-smbios.exe" -q --file "$table" 2>&1 | tr -d '\r')
grep -qx $'\tVendor: Kelvo Firmware' <<<"$out" || fail "the tool printed: $out"

# The Python module: no Windows Python is at hand, so Linux's imports the zip's module and shows
# that its loader names the DLL beside it (which Linux cannot load) and the project's version.
out=$(cd "$scratch" && env -u KELVO_SMBIOS_LIBRARY PYTHONPATH="$top/python" python3 -c '
import kelvo_smbios
print(kelvo_smbios.__version__)
try:
    kelvo_smbios.Table.open_file("x")
except kelvo_smbios.LibraryError as error:
    print(error)')
expected="$version"$'\n'"cannot load $top/$python/kelvo-shared-smbios.dll: "
[[ "$out" == "$expected"* ]] || fail "the Python module: $out"
echo "windows zip: $(basename "$zip"), $(stat -c %s "$zip") bytes, $count C functions, checked"
