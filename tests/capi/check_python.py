"""The Python module as a host: answers every line of every case's expected description that
is not a record's member (the module keeps no record layout), as the C hosts do, and reads the
library's fields of every structure; then `python3 -m kelvo_smbios` on table files, whose JSON
must be byte for byte the tool's `--json`.
Usage: check_python.py CASE_DIR [TOOL TABLE...]"""

import os
import subprocess
import sys

import kelvo_smbios


def escaped(data):
    return "".join(chr(c) if 0x20 <= c < 0x7F and c != 0x5C else "\\x%02X" % c for c in data)


def answer(view, key):
    """The answer of a table's view (both views read once) to one key of a case's expected
    description."""
    table, info, structures = view
    if key.startswith("error."):
        value = table.error()[key[6:]]
        return escaped(value) if key == "error.message" else \
            value.decode() if isinstance(value, bytes) else str(int(value))
    if key == "version":
        return str(table.accepted_version())
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
    raise KeyError(key)


def differences(table, expected):
    """The lines of `expected` that `table` answers otherwise, as (line, answer)."""
    found = []
    view = (table, table.info(), table.structures())
    for line in expected.splitlines():
        key, value = line.split("=", 1)
        if key.startswith("last.") or key.split(".", 1)[-1].startswith("record"):
            continue  # the records' layout is the C hosts' to check
        got = answer(view, key)
        if got != value:
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


def main(case_dir, tool=None, tables=()):
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
            fault = fields_hold_together(table)
            if fault:
                found.append(("fields", fault))
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

    # The module as a program writes the tool's JSON document, byte for byte.
    for path in tables:
        ours = subprocess.run([sys.executable, "-m", "kelvo_smbios", "--file", path],
                              check=True, capture_output=True).stdout
        theirs = subprocess.run([tool, "--json", "--file", path], check=True,
                                capture_output=True).stdout
        if ours != theirs:
            failures += 1
            print("python3 -m kelvo_smbios --file %s differs from kelvo-smbios --json" % path)
    print("%d cases, %d failures" % (len(cases), failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2] if len(sys.argv) > 2 else None, sys.argv[3:]))
