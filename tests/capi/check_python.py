"""The Python module as a host: answers every line of every case's expected description from
both views, as the C hosts do; then `python3 -m kelvo_smbios` on a table file.
Usage: check_python.py CASE_DIR"""

import ctypes
import json
import os
import subprocess
import sys

import kelvo_smbios


def escaped(data):
    return "".join(chr(c) if 0x20 <= c < 0x7F and c != 0x5C else "\\x%02X" % c for c in data)


def member(record, path):
    """A record member's value as a case line shows it (MEMBER@OFFSET:KIND), found by its name in
    the module's structures, which must place it at OFFSET."""
    if record is None:
        return "(none)"
    if path == "sizeof":
        return str(ctypes.sizeof(record))
    names, rest = path.split("@")
    offset, kind = rest.split(":")
    holder, at = record, 0
    for name in names.split("."):
        at += getattr(type(holder), name).offset
        holder, value = getattr(holder, name), getattr(holder, name)
    if at != int(offset):
        return "(at %d)" % at
    if kind[0] == "u":
        return str(value)
    if kind[0] == "x":
        return bytes(value).hex().upper()
    if kind[0] == "s":
        return "(null)" if value is None else escaped(value)
    if kind[0] == "p":
        return "set" if value else "null"
    return escaped(kelvo_smbios.record_to_dict(record)["Strings"])


def answer(view, key):
    """The answer of a table's view (both views read once) to one key of a case's expected
    description."""
    table, info, records, structures = view
    if key.startswith("error."):
        value = table.error()[key[6:]]
        return escaped(value) if key == "error.message" else \
            value.decode() if isinstance(value, bytes) else str(int(value))
    if key == "version":
        return str(table.accepted_version())
    if key.startswith("last."):
        name, path = key[5:].split(".", 1)
        return member(records[name], path)
    if key == "table":
        return kelvo_smbios.status_text(kelvo_smbios.NOT_A_TABLE) if info is None else "ok"
    if key.startswith("table."):
        return {"version": "%d.%d" % (info["major_version"], info["minor_version"]),
                "length": str(info["length"]), "walked": str(info["walked_length"]),
                "count": str(info["structure_count"])}[key[6:]]
    index, what = key[1:].split(".", 1)
    s = structures[int(index)]
    if what == "header":
        return "%d %d %d @%d" % (s.type, s.length, s.handle, s.offset)
    if what == "formatted":
        return s.formatted.hex().upper()
    if what == "strings":
        return str(len(s.strings))
    if what.startswith("string"):
        return escaped(s.strings[int(what[6:]) - 1])
    if what == "record":
        return "set" if s.record is not None else "none"
    return member(s.record, what[7:])


def differences(table, expected):
    """The lines of `expected` that `table` answers otherwise, as (line, answer)."""
    found = []
    view = (table, table.info(), table.last_records(), table.structures())
    for line in expected.splitlines():
        key, value = line.split("=", 1)
        got = answer(view, key)
        if got != value:
            found.append((line, got))
    return found


def main(case_dir):
    failures = 0
    cases = [line.split("\t") for line in open(os.path.join(case_dir, "cases.txt")).read().splitlines()]
    for name, origin in cases:
        raw = open(os.path.join(case_dir, name + ".raw"), "rb").read()
        expected = open(os.path.join(case_dir, name + ".expected"), "rb").read().decode("latin-1")
        if origin == "machine":
            table = kelvo_smbios.Table.open_machine()
        else:
            table = kelvo_smbios.Table.open_bytes(raw)
        with table:
            found = differences(table, expected)
        if found:
            failures += 1
            for line, got in found[:5]:
                print("%s: %s\n  got: %s" % (name, line, got))

    try:
        kelvo_smbios.Table.open_file(os.path.join(case_dir, "no such file"))
        failures += 1
    except kelvo_smbios.Error as error:
        failures += error.status != kelvo_smbios.FILE_UNREADABLE

    # A raw file cut inside a structure is read up to its last whole one, with one warning line.
    for name, expected in (("cut-3.0", 1), ("every-type-3.0", 0)):
        with kelvo_smbios.Table.open_file(os.path.join(case_dir, name + ".raw")) as table:
            warnings = table.warnings()
        if len(warnings) != expected or any("\n" in line or "last is handle" not in line
                                            for line in warnings):
            failures += 1
            print("%s: unexpected warnings %r" % (name, warnings))

    # The module as a program: the JSON of a table file holds both views.
    name = cases[0][0]
    out = subprocess.run([sys.executable, "-m", "kelvo_smbios", "--file",
                          os.path.join(case_dir, name + ".raw")],
                         check=True, capture_output=True).stdout
    document = json.loads(out)
    with kelvo_smbios.Table.open_file(os.path.join(case_dir, name + ".raw")) as table:
        if (len(document["table"]["structures"]) != len(table.structures()) or
                document["cpp"]["accepted_version"] != table.accepted_version()):
            failures += 1
            print("python3 -m kelvo_smbios: unexpected JSON for", name)
    print("%d cases, %d failures" % (len(cases), failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
