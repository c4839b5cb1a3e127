#!/usr/bin/env bash
# Compares the interface that the built libraries export with the baseline of the last release in
# abi/ (made by the same command with "update"): the Linux libraries with libabigail's abidiff
# (functions, variables and the layout of the types they use, from the debug information of the
# linux configuration's build), the DLLs by the names in their export tables. An incompatible
# change (a function or variable no longer exported, as abidiff judges it) fails unless the major
# number of the project's version has moved past the baseline's; additions pass. Changes in the
# layout of types are printed for review but do not fail: members appended to a structure that
# starts with struct_size are compatible by design, which abidiff cannot tell.
#   bash scripts/check-abi.sh linux|windows BUILD [update]
set -euo pipefail
cd "$(dirname "$0")/.."
platform=$1
build=$2
update=${3:-}
version=$(sed -n 's/^project(kelvo-shared-smbios VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
baseline_version=$(cat abi/VERSION)
libraries=(kelvo-shared-smbios kelvo-shared-error-v2)
scratch=$build/abi
mkdir -p "$scratch"

describe() {  # describe LIBRARY OUTPUT: the library's interface as a baseline states it
    if [ "$platform" = linux ]; then
        abidw --no-corpus-path --no-show-locs --no-comp-dir-path --drop-undefined-syms \
            --type-id-style hash --drop-private-types --headers-dir include \
            --headers-dir error/include --suppressions abi/suppressions.txt \
            "$build/lib/lib$1.so.$version" >"$2"
    else
        x86_64-w64-mingw32-objdump -p "$build/bin/$1.dll" |
            sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/s/^\t\[ *[0-9]*\] //p' | sort >"$2"
    fi
}
suffix() { [ "$platform" = linux ] && echo ".so.abi" || echo ".dll.exports"; }

if [ "$update" = update ]; then
    for library in "${libraries[@]}"; do describe "$library" "abi/$library$(suffix)"; done
    echo "$version" >abi/VERSION
    echo "abi: $platform baseline written for $version"
    exit 0
fi

incompatible=()
for library in "${libraries[@]}"; do
    baseline=abi/$library$(suffix)
    built=$scratch/$library$(suffix)
    describe "$library" "$built"
    if [ "$platform" = linux ]; then
        status=0
        abidiff "$baseline" "$built" >"$scratch/$library.diff" || status=$?
        # abidiff's status bits: 1 error, 2 usage error, 4 a change, 8 an incompatible change.
        if [ $((status & 3)) -ne 0 ]; then
            cat "$scratch/$library.diff" >&2
            echo "abi: abidiff failed on $library" >&2
            exit 1
        fi
        [ $((status & 8)) -eq 0 ] || incompatible+=("$library")
        [ $((status & 4)) -eq 0 ] || cat "$scratch/$library.diff"
    else
        removed=$(comm -23 "$baseline" "$built")
        added=$(comm -13 "$baseline" "$built")
        [ -z "$added" ] || printf '%s: exported since %s:\n%s\n' "$library" "$baseline_version" "$added"
        if [ -n "$removed" ]; then
            printf '%s: no longer exported:\n%s\n' "$library" "$removed"
            incompatible+=("$library")
        fi
    fi
done

if [ "${#incompatible[@]}" -gt 0 ]; then
    if [ "${version%%.*}" -gt "${baseline_version%%.*}" ]; then
        echo "abi: ${incompatible[*]} changed incompatibly, and the major version moved" \
            "(${baseline_version} to $version): write the new baseline at the release"
        exit 0
    fi
    echo "abi: ${incompatible[*]} changed incompatibly since $baseline_version without moving" \
        "the major version (CMakeLists.txt project())" >&2
    exit 1
fi
echo "abi: $platform interface compatible with $baseline_version"
