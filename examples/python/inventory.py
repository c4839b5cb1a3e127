"""Lists a machine's memory devices through the Python module kelvo_smbios.
    python3 inventory.py [FILE]"""
import sys

import kelvo_smbios

open_table = (lambda: kelvo_smbios.Table.open_file(sys.argv[1])) if len(sys.argv) > 1 \
    else kelvo_smbios.Table.open_machine
with open_table() as table:
    error = table.error()
    version = table.accepted_version()
    print("SMBiosInfo: %s, version %d.%d" % (error["message"].decode() if error["failed"]
                                             else "accepted", version >> 8, version & 0xFF))
    info = table.info()
    if info is None:
        sys.exit("table: not an SMBIOS table")
    print("table: SMBIOS %d.%d, %d structures" % (info["major_version"], info["minor_version"],
                                                  info["structure_count"]))
    for s in table.structures():
        if s.type == 17:
            dimm = {f.key[len("memory_device."):]: f for f in s.fields}
            print("  %-16s %-16s %5d  %s %s" % (
                dimm["device_locator"].text.decode(errors="replace"),
                dimm["bank_locator"].text.decode(errors="replace"), dimm["size"].raw,
                dimm["manufacturer"].text.decode(errors="replace"),
                dimm["part_number"].text.decode(errors="replace")))
