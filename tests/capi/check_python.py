"""The Python module as a host: describes both views of every case as the C hosts do and
compares with the case's expected description; then `python3 -m kelvo_smbios` on a table file.
Usage: check_python.py CASE_DIR"""

import ctypes
import json
import os
import subprocess
import sys

import kelvo_smbios


def escaped(data):
    return "".join(chr(c) if 0x20 <= c < 0x7F and c != 0x5C else "\\x%02X" % c for c in data)


def describe_record(lines, prefix, record, pointers):
    for name, kind in record._fields_:
        value = getattr(record, name)
        if isinstance(value, ctypes.Structure):
            describe_record(lines, prefix + "." + name, value, pointers)
        elif isinstance(value, ctypes.Array):
            lines.append("%s.%s=%s" % (prefix, name, bytes(value).hex().upper()))
        elif kind is ctypes.c_void_p:
            if pointers:
                lines.append("%s.%s=%s" % (prefix, name, "set" if value else "null"))
        elif kind is ctypes.c_char_p:
            lines.append("%s.%s=%s" % (prefix, name, "(null)" if value is None else escaped(value)))
        else:
            lines.append("%s.%s=%d" % (prefix, name, value))
    if isinstance(record, kelvo_smbios.OemStrings):
        lines.append("%s.Strings=%s" % (prefix, escaped(kelvo_smbios.record_to_dict(record)["Strings"])))


def describe(table):
    lines = []
    error = table.error()
    lines += ["error.failed=%d" % error["failed"], "error.category=%d" % error["category"],
              "error.code=%d" % error["code"], "error.message=" + escaped(error["message"]),
              "error.component=" + error["component"].decode(),
              "version=%d" % table.accepted_version()]
    records = table.last_records()
    for type in sorted(kelvo_smbios.RECORD_TYPES):
        name = kelvo_smbios.RECORD_TYPES[type][0]
        describe_record(lines, "last." + name, records[name], True)
    info = table.info()
    if info is None:
        lines.append("table=" + kelvo_smbios.status_text(kelvo_smbios.NOT_A_TABLE))
        return lines
    lines += ["table.version=%d.%d" % (info["major_version"], info["minor_version"]),
              "table.length=%d" % info["length"], "table.walked=%d" % info["walked_length"],
              "table.count=%d" % info["structure_count"]]
    for s in table.structures():
        i = s.index
        lines += ["s%d.header=%d %d %d @%d" % (i, s.type, s.length, s.handle, s.offset),
                  "s%d.formatted=%s" % (i, s.formatted.hex().upper())]
        lines += ["s%d.string%d=%s" % (i, n + 1, escaped(t)) for n, t in enumerate(s.strings)]
        if s.record is not None:
            describe_record(lines, "s%d.record" % i, s.record, False)
    return lines


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
            got = "\n".join(describe(table)) + "\n"
        if got != expected:
            failures += 1
            for n, (a, b) in enumerate(zip(got.splitlines(), expected.splitlines())):
                if a != b:
                    print("%s: line %d differs\n  got:      %s\n  expected: %s" % (name, n + 1, a, b))
                    break
            else:
                print("%s: one description ends early" % name)

    try:
        kelvo_smbios.Table.open_file(os.path.join(case_dir, "no such file"))
        failures += 1
    except kelvo_smbios.Error as error:
        failures += error.status != kelvo_smbios.FILE_UNREADABLE

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
