#!/usr/bin/env bash
# The Debian packages as people use them: cpack -G DEB in an optimized build (configured with
# -DCMAKE_INSTALL_PREFIX=/usr), each package checked for its name and files, all unpacked into a
# scratch root; then the C example built with pkg-config, the example host with find_package,
# and the tool run from the unpacked files with no LD_LIBRARY_PATH.
#   bash tests/packages/debs.sh BUILD SCRATCH TABLE
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$1
scratch=$2
table=$3
version=$(sed -n 's/^project(kelvo-shared-smbios VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
major=${version%%.*}
multiarch=$(gcc -print-multiarch)
fail() { echo "debian packages: $*" >&2; exit 1; }

rm -rf "$scratch" "$build"/*.deb
mkdir -p "$scratch/root"
(cd "$build" && cpack -G DEB >"$scratch/cpack.log" 2>&1) || { cat "$scratch/cpack.log" >&2; fail "cpack failed"; }

# Each package: its file, the files it must hold, the files it must not.
lib=./usr/lib/$multiarch
check_package() {  # check_package NAME PATTERN-THAT-MUST-MATCH... -- PATTERN-THAT-MUST-NOT...
    local name=$1 deb="$build/$1_${version}_amd64.deb" want=1 listing
    shift
    [ -f "$deb" ] || fail "no $deb"
    [ "$(dpkg-deb -f "$deb" Package)" = "$name" ] || fail "$deb is not $name"
    listing=$(dpkg-deb -c "$deb" | awk '{print $6}')
    for pattern in "$@"; do
        if [ "$pattern" = "--" ]; then want=0; continue; fi
        if grep -qx -- "$pattern" <<<"$listing"; then
            [ "$want" -eq 1 ] || fail "$name holds $pattern"
        else
            [ "$want" -eq 0 ] || fail "$name lacks $pattern"
        fi
    done
    dpkg-deb -x "$deb" "$scratch/root"
}
check_package "libkelvo-shared-smbios$major" \
    "$lib/libkelvo-shared-smbios.so.$major" "$lib/libkelvo-shared-smbios.so.$version" \
    "$lib/libkelvo-shared-error-v2.so.$major" \
    -- "$lib/libkelvo-shared-smbios.so" "\./usr/include/.*"
check_package libkelvo-shared-smbios-dev \
    ./usr/include/smbios/kelvo_smbios.h ./usr/include/smbios/SMBiosInfo.h \
    ./usr/include/kelvo/error/Error.h "$lib/libkelvo-shared-smbios.so" \
    "$lib/pkgconfig/kelvo-shared-smbios.pc" \
    "$lib/cmake/kelvo-shared-smbios/kelvo-shared-smbios-config.cmake" \
    -- "$lib/libkelvo-shared-smbios.so.$version"
check_package kelvo-smbios ./usr/bin/kelvo-smbios ./usr/share/man/man1/kelvo-smbios.1 \
    -- "$lib/.*"
usr=$scratch/root/usr

soname=$(readelf -d "$usr/lib/$multiarch/libkelvo-shared-smbios.so.$version" |
    sed -n 's/.*(SONAME).*\[\(.*\)\]/\1/p')
[ "$soname" = "libkelvo-shared-smbios.so.$major" ] || fail "soname $soname"

# The C example, built with pkg-config alone, on the table.
flags=$(PKG_CONFIG_PATH=$usr/lib/$multiarch/pkgconfig pkg-config --cflags --libs kelvo-shared-smbios)
# shellcheck disable=SC2086
gcc -std=c99 -Wall -Werror "$root/examples/c/inventory.c" -o "$scratch/inventory" $flags
out=$(LD_LIBRARY_PATH=$usr/lib/$multiarch "$scratch/inventory" "$table")
grep -qx "table: SMBIOS 3.0, 2 structures" <<<"$out" || fail "the C example printed: $out"

# The example host, built with find_package.
cmake -S "$root/examples/host" -B "$scratch/host" -G Ninja -DCMAKE_PREFIX_PATH="$usr" >/dev/null
cmake --build "$scratch/host" >/dev/null
LD_LIBRARY_PATH=$usr/lib/$multiarch "$scratch/host/kelvo-host-example" >/dev/null ||
    fail "the host built with find_package failed"

# The tool from the unpacked files: it finds the library beside its own folder.
tool=(env -u LD_LIBRARY_PATH "$usr/bin/kelvo-smbios")
[ "$("${tool[@]}" --version)" = "kelvo-smbios $version" ] || fail "the tool's version"
out=$("${tool[@]}" -q --file "$table")
grep -qx $'\tVendor: Kelvo Firmware' <<<"$out" || fail "the tool printed: $out"
# The manual page describes every option that --help lists.
manual=$(MANWIDTH=200 man -l "$usr/share/man/man1/kelvo-smbios.1" 2>/dev/null)
for option in $("${tool[@]}" --help | grep -o -- '--[a-z][a-z-]*' | sort -u); do
    grep -qF -- "$option" <<<"$manual" || fail "the manual page lacks $option"
done
echo "debian packages: $(cd "$build" && ls ./*.deb | tr '\n' ' ')checked"
