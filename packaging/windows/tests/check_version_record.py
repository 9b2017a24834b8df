#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The version records of the program file (in the zip) and the installer:
numbers, Chinese (PRC), the identity's texts, and an icon in both.
Usage: check_version_record.py <zip> <program file name> <installer>
       <version a.b.c.d> <display name> <version text> <publisher>"""
import sys
import zipfile

import pefile

CHINESE_PRC, UTF16 = 0x0804, 1200


def resource_languages(pe, kind):
    return [language.id
            for entry in pe.DIRECTORY_ENTRY_RESOURCE.entries if entry.id == pefile.RESOURCE_TYPE[kind]
            for name in entry.directory.entries
            for language in name.directory.entries]


def version_record(pe):
    """(fixed file version, {string table: {name: text}}, translations)."""
    fixed = pe.VS_FIXEDFILEINFO[0]
    version = (fixed.FileVersionMS >> 16, fixed.FileVersionMS & 0xFFFF,
               fixed.FileVersionLS >> 16, fixed.FileVersionLS & 0xFFFF)
    infos = [item for items in pe.FileInfo for item in items]
    tables = {table.LangID.decode().lower(): {k.decode(): v.decode() for k, v in table.entries.items()}
              for info in infos if info.Key == b"StringFileInfo" for table in info.StringTable}
    translations = [int(n, 16) for info in infos if info.Key == b"VarFileInfo"
                    for var in info.Var for n in var.entry[b"Translation"].split()]
    return version, tables, translations


def main():
    zip_path, exe, setup, dotted, product, text, publisher = sys.argv[1:8]
    numbers = tuple(int(n) for n in dotted.split("."))
    files = {"program": zipfile.ZipFile(zip_path).read(exe), "installer": open(setup, "rb").read()}
    failures = []
    for what, data in files.items():
        pe = pefile.PE(data=data)
        if not resource_languages(pe, "RT_GROUP_ICON"):
            failures.append(f"{what}: no icon")
        languages = resource_languages(pe, "RT_VERSION")
        if len(languages) != 1:
            failures.append(f"{what}: {len(languages)} version records")
            continue
        version, tables, translations = version_record(pe)
        texts = tables.get("080404b0", {})
        expected = [
            ("language of the record", languages[0], CHINESE_PRC),
            ("file version numbers", version, numbers),
            ("string table", sorted(tables), ["080404b0"]),
            ("translation", translations, [CHINESE_PRC, UTF16]),
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
