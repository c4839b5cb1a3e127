#!/usr/bin/env bash
# Installs what building and testing need, from Debian's packages, when it is missing.
set -euo pipefail

packages=(cmake ninja-build g++ googletest libgtest-dev
          g++-mingw-w64-x86-64-posix wine64 locales
          libcli11-dev nlohmann-json3-dev dmidecode
          clang-14 libclang-rt-14-dev valgrind libbenchmark-dev
          lld-14 llvm-14 libc++-14-dev libwine-dev python3
          python3-pip python3-venv python3-setuptools python3-wheel pkg-config
          dpkg-dev man-db abigail-tools)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
if [ "${#missing[@]}" -gt 0 ]; then
    echo "installing: ${missing[*]}" >&2
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO=sudo
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# The BIOS release date is formatted through the locale named "en_US".
if ! locale -a 2>/dev/null | grep -qx 'en_US'; then
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO=sudo
    $SUDO sed -i 's/^# *en_US ISO-8859-1/en_US ISO-8859-1/' /etc/locale.gen
    $SUDO locale-gen >/dev/null
fi
