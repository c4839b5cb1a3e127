"""The Python module as a host: each table of tests/capi/expected/ shows the header, accepted
version and field texts that its file expects (the module keeps no record layout: the records'
members are the C hosts' to check), every field that the library gives holds together, and a raw
file cut inside its last structure gives one warning; then `python3 -m kelvo_smbios` on table
files, whose JSON must be byte for byte the tool's `--json`.
Usage: check_python.py EXPECTED_FILE... [--tool TOOL TABLE...]"""

import os
import re
import subprocess
import sys
import tempfile

import kelvo_smbios


def unescaped(text):
    return re.sub(rb"\\x([0-9A-Fa-f]{2})", lambda m: bytes([int(m.group(1), 16)]), text)


def differences(table, lines):
    """The lines that `table` answers otherwise, as (line, answer)."""
    found = []
    info = table.info()
    structures = {s.handle: s for s in table.structures()}
    for line in lines:
        key, value = line.split(b"=", 1)
        if key == b"table":
            got = b"%d.%d %d %d" % (info["major_version"], info["minor_version"], info["length"],
                                    info["structure_count"])
        elif key == b"accepted":
            got = b"%d" % table.accepted_version()
        elif re.match(rb"0x[0-9A-F]{4} [a-z]", key):
            handle, field = key.split(b" ")
            f = structures[int(handle, 16)].field(field.decode())
            got = f.text if f else b"(no field)"
        else:
            continue  # the records' members, and the table's file or bytes
        if got != unescaped(value):
            found.append((line, got))
    return found


def fields_hold_together(table):
    """Every field that the library gives has a label and a kind, and belongs to the structure's
    type: a described type's own keys, else the bytes and strings of an OEM or unknown type."""
    keys = {t["type"]: t["key"].decode() for t in kelvo_smbios.schema()}
    for s in table.structures():
        own = keys.get(s.type, "oem_specific" if s.type >= 128 else "unknown_type") + "."
        if any(not f.key.startswith(own) for f in s.fields):
            return "structure %d: fields of another type than %d" % (s.index, s.type)
        for f in s.fields:
            if not f.label or f.kind not in kelvo_smbios.KINDS:
                return "structure %d: %r" % (s.index, f)
    return None


def check(path, scratch):
    text = open(path, "rb").read()
    lines = [l for l in text.splitlines() if l and not l.startswith(b"#")]
    given = dict(l.split(b"=", 1) for l in lines if re.match(rb"(file|bytes)=", l))
    if b"file" in given:
        table = kelvo_smbios.Table.open_file(os.path.join(os.path.dirname(path),
                                                          given[b"file"].decode()))
    else:
        raw = bytes.fromhex(given[b"bytes"].decode())
        table = kelvo_smbios.Table.open_bytes(raw)
        # Cut inside the end-of-table structure: read up to the one before, with one warning.
        cut = os.path.join(scratch, "cut.rsmb")
        length = len(raw) - 8 - 3
        with open(cut, "wb") as out:
            out.write(raw[:4] + length.to_bytes(4, "little") + raw[8:8 + length])
        with kelvo_smbios.Table.open_file(cut) as short:
            warnings = short.warnings()
        if len(warnings) != 1 or "\n" in warnings[0] or "last is handle" not in warnings[0]:
            return [("warnings", warnings)]
    with table:
        found = differences(table, lines)
        fault = fields_hold_together(table)
    return found + ([("fields", fault)] if fault else [])


def main(arguments):
    cases = arguments[:arguments.index("--tool")] if "--tool" in arguments else arguments
    tool, tables = (arguments[len(cases) + 1], arguments[len(cases) + 2:]) if "--tool" in arguments \
        else (None, [])
    failures = 0
    with tempfile.TemporaryDirectory() as scratch:
        for path in cases:
            found = check(path, scratch)
            failures += len(found)
            for line, got in found[:5]:
                print("%s: %s\n  got: %s" % (path, line, got))
    try:
        kelvo_smbios.Table.open_file("no such file.kelvo")
        failures += 1
    except kelvo_smbios.Error as error:
        failures += error.status != kelvo_smbios.FILE_UNREADABLE

    # The module as a program writes the tool's JSON document, byte for byte.
    for path in tables:
        ours = subprocess.run([sys.executable, "-m", "kelvo_smbios", "--file", path],
                              check=True, capture_output=True).stdout
        theirs = subprocess.run([tool, "--json", "--file", path], check=True,
                                capture_output=True).stdout
        if ours != theirs:
            failures += 1
            print("python3 -m kelvo_smbios --file %s differs from kelvo-smbios --json" % path)
    print("%d tables, %d JSON documents, %d failures" % (len(cases), len(tables), failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
