#!/usr/bin/env bash
# Writes a small table in the raw RSMB layout, byte by byte from the SMBIOS standard: an SMBIOS
# 3.0 header, a BIOS structure (type 0, 18h bytes: vendor "Kelvo Firmware", version "1.2", start
# segment E800h, release date "01/16/2019", ROM size 0Fh (1 MiB), characteristics "not
# supported" (bit 3), release 1.2) and the end-of-table structure.
#   bash tests/packages/write-table.sh PATH
set -euo pipefail
structures='\x00\x18\x00\x00\x01\x02\x00\xE8\x03\x0F\x08\x00\x00\x00\x00\x00\x00\x00\x00\x00\x01\x02\xFF\xFF'
structures+='Kelvo Firmware\x001.2\x0001/16/2019\x00\x00'
structures+='\x7F\x04\x01\x00\x00\x00'
# Header: calling method 0, SMBIOS 3.0, DMI revision 0, Length 61 (3Dh) bytes of structures.
printf '\x00\x03\x00\x00\x3D\x00\x00\x00'"$structures" >"$1"
[ "$(stat -c %s "$1")" -eq $((8 + 61)) ] || { echo "write-table: wrong size" >&2; exit 1; }
