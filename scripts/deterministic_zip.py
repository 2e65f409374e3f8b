#!/usr/bin/env python3
"""Writes a zip archive whose bytes depend only on the files' contents.

Every entry gets the time of SOURCE_DATE_EPOCH, plain attributes and no
host-specific extra fields; entries are in name order, under one top folder.

usage: deterministic_zip.py ARCHIVE.zip FOLDER
"""
import os
import sys
import time
import zipfile


def main():
    archive, folder = sys.argv[1], sys.argv[2]
    stamp = time.gmtime(max(int(os.environ["SOURCE_DATE_EPOCH"]), 315532800))[:6]  # zip: 1980 on
    top = os.path.basename(os.path.normpath(folder))
    with zipfile.ZipFile(archive, "w") as zip_file:
        entry = zipfile.ZipInfo(top + "/", stamp)
        entry.create_system = 0
        entry.external_attr = 0x10  # the folder attribute
        zip_file.writestr(entry, b"")
        for name in sorted(os.listdir(folder)):
            with open(os.path.join(folder, name), "rb") as source:
                data = source.read()
            entry = zipfile.ZipInfo(f"{top}/{name}", stamp)
            entry.create_system = 0
            entry.compress_type = zipfile.ZIP_DEFLATED
            zip_file.writestr(entry, data, compresslevel=9)


if __name__ == "__main__":
    main()
