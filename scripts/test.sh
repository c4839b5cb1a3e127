#!/usr/bin/env bash
# Builds and runs every test: Linux (GCC), Linux with AddressSanitizer and UBSan, Windows
# (mingw-w64 cross build, run under Wine), the exported interface against the last release's
# (abi), the packages people install (packages), the Windows zip (delivery), then the
# hardening runs of test-hardening.sh (fuzzing, valgrind, ThreadSanitizer, benchmark build). Pass
# configuration names to run only those.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

bash scripts/install-deps.sh

configs=("$@")
[ "${#configs[@]}" -gt 0 ] ||
    configs=(linux asan windows abi packages delivery fuzz valgrind tsan bench-build)
jobs=$(nproc)

build() {  # build DIR [cmake options...]
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
}

run_linux() {
    build build/linux
    ctest --test-dir build/linux --output-on-failure -j "$jobs"
}

run_asan() {
    build build/asan -DKELVO_SMBIOS_SANITIZE=ON
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
        ctest --test-dir build/asan --output-on-failure -j "$jobs"
}

windows_build() {  # the Debug cross build of the tests
    build build/windows -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake"
}

# One persistent wineserver for a whole run, in the Debug build's prefix: a warm start costs a
# tenth of a cold one. Its output goes to a file so that no pipe is held open after the tests end.
# The server changes into the prefix as it starts, so on a fresh clone the folder must exist
# first: else it fails, and wineboot's own server, which exits a few seconds after its last
# client, races the next test's start ("recvmsg: Connection reset by peer").
wine_start() {
    export WINEPREFIX="$root/build/windows/wineprefix" WINEDEBUG=-all
    mkdir -p "$WINEPREFIX"
    /usr/lib/wine/wineserver -p >"$root/build/windows/wineserver.log" 2>&1
    # Boot the prefix now, so that Wine's background services are started here with their
    # output in a file, not by a test whose pipe they would then keep open.
    /usr/lib/wine/wine64 wineboot >"$root/build/windows/wineboot.log" 2>&1
}
wine_stop() { /usr/lib/wine/wineserver -k >/dev/null 2>&1 || true; }

run_windows() {
    windows_build
    wine_start
    local status=0
    ctest --test-dir build/windows --output-on-failure || status=$?
    wine_stop
    return "$status"
}

# The libraries' exported interface against the baseline of the last release (abi/), from the
# builds of the linux and windows configurations.
run_abi() {
    build build/linux >/dev/null
    bash scripts/check-abi.sh linux build/linux
    windows_build >/dev/null
    bash scripts/check-abi.sh windows build/windows
}

# What people install, each installed and used as people do: the Debian packages of an optimized
# build, and the Python package (pip).
run_packages() {
    local scratch=$root/build/packages-check
    cmake -S . -B build/packages -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
        -DKELVO_SMBIOS_BUILD_TESTS=OFF >/dev/null
    cmake --build build/packages -j "$jobs"
    mkdir -p "$scratch"
    bash tests/packages/write-table.sh "$scratch/table.rsmb"
    bash tests/packages/debs.sh build/packages "$scratch/debs" "$scratch/table.rsmb"
    bash tests/packages/python.sh "$scratch/python" "$scratch/table.rsmb"
}

# The Windows zip: an optimized cross build packed by cpack, unpacked and checked as a Windows
# developer uses it (tests/packages/windows-zip.sh). The Debug build lends its Wine prefix.
run_delivery() {
    local release=build/windows-release version
    local scratch=$root/$release/zip-check table=$root/$release/table.rsmb
    version=$(sed -n 's/^project(kelvo-shared-smbios VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
    windows_build >/dev/null
    cmake -S . -B "$release" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKELVO_SMBIOS_BUILD_TESTS=OFF \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
    cmake --build "$release" -j "$jobs"
    (cd "$release" && cpack -G ZIP >cpack.log)
    bash tests/packages/write-table.sh "$table"
    wine_start
    local status=0
    bash tests/packages/windows-zip.sh "$release/kelvo-shared-smbios-$version-win64.zip" \
        "$scratch" "$table" || status=$?
    wine_stop
    return "$status"
}

for config in "${configs[@]}"; do
    echo "=== $config"
    case $config in
        fuzz | valgrind | tsan | bench-build) bash scripts/test-hardening.sh "$config" ;;
        *) "run_$config" ;;
    esac
done
# Any failure has stopped the script above; every configuration passed.
echo "configurations: ${#configs[@]} passed, 0 failed"
