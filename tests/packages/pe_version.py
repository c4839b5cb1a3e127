"""Prints the version resource of a Windows PE file, one "key=value" a line: the fixed file and
product versions (as a.b.c.d) and every string of its StringFileInfo. The layout is the
VS_VERSIONINFO tree as Windows documents it: each node is wLength, wValueLength, wType, a
UTF-16 key ending in a zero, padding to 32 bits, its value, padding, then its children.

    python3 pe_version.py FILE
"""
import struct
import sys

ROOT_KEY = "VS_VERSION_INFO".encode("utf-16-le") + b"\0\0"
FIXED_SIGNATURE = 0xFEEF04BD


def node(data, start, offset):
    """(key, value bytes, is text, children offsets, end) of the node at offset."""
    length, value_length, kind = struct.unpack_from("<HHH", data, offset)
    key_end = offset + 6
    while data[key_end:key_end + 2] != b"\0\0":
        key_end += 2
    key = data[offset + 6:key_end].decode("utf-16-le")
    align = lambda at: at + (-(at - start) % 4)
    value_at = align(key_end + 2)
    value_size = value_length * 2 if kind == 1 else value_length
    children, at, end = [], align(value_at + value_size), offset + length
    while at < end:
        children.append(at)
        at = align(at + struct.unpack_from("<H", data, at)[0])
    return key, data[value_at:value_at + value_size], kind == 1, children


def main(path):
    data = open(path, "rb").read()
    found = data.find(ROOT_KEY)
    if found < 6:
        sys.exit("%s: no version resource" % path)
    root = found - 6
    _, fixed, _, children = node(data, root, root)
    signature, _, file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<6I", fixed)
    if signature != FIXED_SIGNATURE:
        sys.exit("%s: the version resource has no fixed file information" % path)
    dotted = lambda ms, ls: "%d.%d.%d.%d" % (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)
    print("FixedFileVersion=" + dotted(file_ms, file_ls))
    print("FixedProductVersion=" + dotted(product_ms, product_ls))
    for child in children:
        key, _, _, tables = node(data, root, child)
        if key != "StringFileInfo":
            continue
        for table in tables:
            for string in node(data, root, table)[3]:
                name, value, _, _ = node(data, root, string)
                print("%s=%s" % (name, value.decode("utf-16-le").rstrip("\0")))


if __name__ == "__main__":
    main(sys.argv[1])
