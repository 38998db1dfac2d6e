#!/usr/bin/env python3
"""Zips a folder the same way every time: make_zip.py FOLDER TOP EPOCH OUT.

Entries go in sorted order under the top folder TOP, each dated EPOCH (UTC)
and marked as made on Windows, so one commit always gives the same bytes.
"""
import os
import sys
import time
import zipfile


def entry(name, epoch, is_dir):
    info = zipfile.ZipInfo(name + ("/" if is_dir else ""), time.gmtime(epoch)[:6])
    info.create_system = 0  # MS-DOS attributes, as a Windows zip has
    info.external_attr = 0x10 if is_dir else 0x20
    info.compress_type = zipfile.ZIP_STORED if is_dir else zipfile.ZIP_DEFLATED
    return info


def main(folder, top, epoch, out):
    epoch = int(epoch)
    names = []
    for root, dirs, files in os.walk(folder):
        rel = os.path.relpath(root, folder)
        base = top if rel == "." else top + "/" + rel.replace(os.sep, "/")
        names.append((base, None))
        names += [(base + "/" + f, os.path.join(root, f)) for f in files]
    with zipfile.ZipFile(out + ".tmp", "w") as archive:
        for name, path in sorted(names):
            if path is None:
                archive.writestr(entry(name, epoch, True), b"")
            else:
                with open(path, "rb") as f:
                    archive.writestr(entry(name, epoch, False), f.read(), compresslevel=9)
    os.replace(out + ".tmp", out)


if __name__ == "__main__":
    main(*sys.argv[1:])
