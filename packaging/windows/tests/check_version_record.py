#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The version records of the program file, as the zip holds it, and of the
installer, read from the resource section of each file: the numbers,
Chinese (PRC) as language and the texts of the identity, and an icon in both.
Usage: check_version_record.py <zip> <program file name> <installer>
       <version a.b.c.d> <display name> <version text> <publisher>"""
import struct
import sys
import zipfile

RT_GROUP_ICON, RT_VERSION = 14, 16


def resources(data):
    """{type: [(language, bytes)]} from the PE file's .rsrc section."""
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    assert data[pe:pe + 4] == b"PE\0\0", "not a PE file"
    sections, optional = struct.unpack_from("<H12xH", data, pe + 6)
    magic = struct.unpack_from("<H", data, pe + 24)[0]
    directories = pe + 24 + (112 if magic == 0x20B else 96)
    rsrc_rva = struct.unpack_from("<I", data, directories + 2 * 8)[0]
    table = pe + 24 + optional
    for i in range(sections):
        _, size, rva, raw_size, raw = struct.unpack_from("<8sIIII", data, table + 40 * i)
        if rva <= rsrc_rva < rva + max(size, raw_size):
            base, delta = raw + rsrc_rva - rva, rva - raw
            break
    else:
        raise AssertionError("no resource section")

    def entries(offset):
        named, numbered = struct.unpack_from("<12xHH", data, base + offset)
        for i in range(named + numbered):
            ident, target = struct.unpack_from("<II", data, base + offset + 16 + 8 * i)
            yield ident, target

    found = {}
    for kind, names in entries(0):
        for _, languages in entries(names & 0x7FFFFFFF):
            for language, leaf in entries(languages & 0x7FFFFFFF):
                rva, size = struct.unpack_from("<II", data, base + leaf)
                found.setdefault(kind, []).append((language, data[rva - delta:rva - delta + size]))
    return found


def version_record(block):
    """(fixed file version, {block key: {name: text}}, translations)."""
    def node(offset):
        length, value_length, kind = struct.unpack_from("<HHH", block, offset)
        end = block.index(b"\0\0", offset + 6)
        while (end - offset - 6) % 2:
            end = block.index(b"\0\0", end + 1)
        key = block[offset + 6:end].decode("utf-16-le")
        value = (end + 2 + 3) & ~3
        size = value_length * 2 if kind == 1 else value_length
        children = (value + size + 3) & ~3
        return key, block[value:value + size], offset + length, children

    key, fixed, stop, child = node(0)
    assert key == "VS_VERSION_INFO", key
    ms, ls = struct.unpack_from("<8xII", fixed)
    version = (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)
    tables, translations = {}, []
    while child < stop:
        name, _, end, grandchild = node(child)
        while grandchild < end:
            table, value, table_end, item = node(grandchild)
            if name == "StringFileInfo":
                texts = tables.setdefault(table.lower(), {})
                while item < table_end:
                    text_name, text, text_end, _ = node(item)
                    texts[text_name] = text.decode("utf-16-le").rstrip("\0")
                    item = (text_end + 3) & ~3
            else:
                translations += struct.unpack("<%dH" % (len(value) // 2), value)
            grandchild = (table_end + 3) & ~3
        child = (end + 3) & ~3
    return version, tables, translations


def main():
    zip_path, exe, setup, dotted, product, text, publisher = sys.argv[1:8]
    numbers = tuple(int(n) for n in dotted.split("."))
    files = {
        "program": zipfile.ZipFile(zip_path).read(exe),
        "installer": open(setup, "rb").read(),
    }
    failures = []
    for what, data in files.items():
        found = resources(data)
        if RT_GROUP_ICON not in found:
            failures.append(f"{what}: no icon")
        records = found.get(RT_VERSION, [])
        if len(records) != 1:
            failures.append(f"{what}: {len(records)} version records")
            continue
        language, block = records[0]
        version, tables, translations = version_record(block)
        texts = tables.get("080404b0", {})
        expected = [
            ("language of the record", language, 0x0804),
            ("file version numbers", version, numbers),
            ("string table", sorted(tables), ["080404b0"]),
            ("translation", translations, [0x0804, 1200]),
            ("ProductName", texts.get("ProductName"), product),
            ("ProductVersion", texts.get("ProductVersion"), text),
            ("FileVersion", texts.get("FileVersion"), text),
            ("CompanyName", texts.get("CompanyName"), publisher),
        ]
        for name, got, want in expected:
            if got != want:
                failures.append(f"{what}: {name} is {got!r}, not {want!r}")
        print(f"{what}: {version} {texts}")
    for failure in failures:
        print("FAIL:", failure, file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
