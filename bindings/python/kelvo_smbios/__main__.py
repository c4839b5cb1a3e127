"""python3 -m kelvo_smbios [--file PATH]: prints a table (or the running machine's) as JSON.

Both views: "cpp" is the C++ interface's (its error, accepted version and last record of each
of the nine types), "table" the table as it is (every structure, the nine types decoded). Texts
are decoded as UTF-8 with U+FFFD for what is not; byte strings are written in hex.
"""

import argparse
import json
import sys

import kelvo_smbios


def plain(value):
    if isinstance(value, dict):
        return {key: plain(item) for key, item in value.items()}
    if isinstance(value, (list, tuple)):
        return [plain(item) for item in value]
    if isinstance(value, bytes):
        return value.decode("utf-8", "replace")
    return value


def record(value, hex_fields=("BIOSCharacteristics", "UUID", "ProcessorID")):
    fields = kelvo_smbios.record_to_dict(value)

    def convert(d):
        return {k: (convert(v) if isinstance(v, dict) else
                    v.hex().upper() if k in hex_fields else v) for k, v in d.items()}

    return plain(convert(fields))


def describe(table):
    info = table.info()
    return {
        "cpp": {
            "error": plain(table.error()),
            "accepted_version": table.accepted_version(),
            "records": {name: record(r) for name, r in table.last_records().items()},
        },
        "table": None if info is None else {
            "header": info,
            "structures": [{
                "type": s.type, "handle": s.handle, "length": s.length, "offset": s.offset,
                "formatted": s.formatted.hex().upper(), "strings": plain(s.strings),
                "record": record(s.record) if s.record is not None else None,
            } for s in table.structures()],
        },
    }


def main(argv=None):
    parser = argparse.ArgumentParser(prog="python3 -m kelvo_smbios", description=__doc__.splitlines()[0])
    parser.add_argument("-f", "--file", help="a raw RSMB file, a dmidecode --dump-bin file or a "
                        "sysfs-like folder; the running machine's table without it")
    args = parser.parse_args(argv)
    try:
        table = (kelvo_smbios.Table.open_file(args.file) if args.file
                 else kelvo_smbios.Table.open_machine())
    except kelvo_smbios.LibraryError as error:
        print("kelvo_smbios: %s" % error, file=sys.stderr)
        return 3
    except kelvo_smbios.Error as error:
        print("kelvo_smbios: %s: %s" % (args.file or "machine", error), file=sys.stderr)
        return 3
    with table:
        json.dump(describe(table), sys.stdout, indent=1)
        sys.stdout.write("\n")
    return 0


if __name__ == "__main__":
    sys.exit(main())
