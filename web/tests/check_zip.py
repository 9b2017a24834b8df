#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The web zip holds the site as built, file for file, with no top folder,
in sorted order, every member stamped with the release moment.

Usage: check_zip.py <zip> <site dir> <release moment, seconds since 1970>
"""
import pathlib
import sys
import time
import zipfile

zip_path, site, moment = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2]), int(sys.argv[3])
failures = []
with zipfile.ZipFile(zip_path) as packed:
    members = [m for m in packed.infolist() if not m.is_dir()]
    names = [m.filename for m in members]
    built = sorted(str(p.relative_to(site)) for p in site.rglob("*") if p.is_file())
    if names != sorted(names):
        failures.append("the members are not in sorted order")
    if sorted(names) != built:
        failures.append(f"members {sorted(set(names) ^ set(built))} differ from the site's files")
    # The release moment in UTC, as DOS times keep it: to two seconds.
    year, month, day, hour, minute, second = time.gmtime(moment)[:6]
    expected = (year, month, day, hour, minute, second - second % 2)
    for member in members:
        if (site / member.filename).is_file() and packed.read(member) != (site / member.filename).read_bytes():
            failures.append(f"{member.filename} differs from the site's")
        if member.date_time != expected:
            failures.append(f"{member.filename} is stamped {member.date_time}, not the release moment")
for failure in failures:
    print("FAIL:", failure)
print(f"{zip_path.name}: {len(names)} files, {zip_path.stat().st_size} bytes")
sys.exit(1 if failures else 0)
