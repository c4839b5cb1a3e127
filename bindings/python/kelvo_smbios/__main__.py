"""python3 -m kelvo_smbios [--file PATH]: prints a table (or the running machine's) as JSON.

The document is the one that `kelvo-smbios --json` writes: the version, how the table was kept
and every structure that the library describes, with its fields as the library decodes them.
Texts are decoded as UTF-8, with U+FFFD for what is not.
"""

import argparse
import json
import sys

import kelvo_smbios


def text(value):
    return value.decode("utf-8", "replace")


def describe(table):
    info = table.info()
    version = "%d.%d" % (info["major_version"], info["minor_version"])
    if info["major_version"] >= 3:
        version += ".%d" % info["dmi_revision"]
    source, inferred = table.source()
    structures = []
    for s in table.structures():
        title = kelvo_smbios.title(s.type)
        fields = []
        for f in s.fields:
            entry = {"Name": text(f.label), "Value": text(f.text)}
            if f.raw is not None:
                entry["Raw"] = f.raw
            if f.items:
                entry["Items"] = [text(item) for item in f.items]
            fields.append(entry)
        structures.append({"Handle": s.handle, "Type": s.type, "Length": s.length,
                           "Title": text(title), "Fields": fields})
    return {"SMBIOSVersion": version, "VersionInferred": inferred, "Source": source,
            "warnings": table.warnings(), "Structures": structures}


def main(argv=None):
    parser = argparse.ArgumentParser(prog="python3 -m kelvo_smbios", description=__doc__.splitlines()[0])
    parser.add_argument("-f", "--file", help="a table file: raw RSMB layout, dmidecode dump, "
                        "sysfs-like folder or bare structure table; the running machine's "
                        "table without it")
    args = parser.parse_args(argv)
    try:
        table = (kelvo_smbios.Table.open_file(args.file, structures_only=True) if args.file
                 else kelvo_smbios.Table.open_machine())
    except kelvo_smbios.LibraryError as error:
        print("kelvo_smbios: %s" % error, file=sys.stderr)
        return 3
    except kelvo_smbios.Error as error:
        print("kelvo_smbios: %s" % (getattr(error, "reason", "") or "%s: %s" % (args.file, error)),
              file=sys.stderr)
        return 3
    with table:
        if table.info() is None:
            print("kelvo_smbios: %s: not an SMBIOS table" % (args.file or "this machine"),
                  file=sys.stderr)
            return 3 if args.file else 1
        out = json.dumps(describe(table), indent=2, ensure_ascii=False) + "\n"
        sys.stdout.buffer.write(out.encode("utf-8"))
    return 0


if __name__ == "__main__":
    sys.exit(main())
