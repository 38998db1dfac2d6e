#!/usr/bin/env python3
"""Checks the zip a user gets: check_zip.py ZIP EPOCH. Prints each fault; exit 1 on any.

It holds the program, the Windows tool and its data, the licences and the
guide under one top folder, dated with the commit, and nothing for Linux,
no test and no build leftover.
"""
import sys
import time
import zipfile

TOP = "PDF Vivevav/"
MAX_BYTES = 35 * 1024 * 1024
REQUIRED = [
    "Vivevav.exe", "Zuvediv.exe", "icudt72l.dat", "LICENSE", "使い方.txt",
    "tessdata/jpn.traineddata", "tessdata/eng.traineddata",
    "share/poppler/cMap/Adobe-Japan1/90ms-RKSJ-H", "share/poppler/cidToUnicode/Adobe-Japan1",
    "licenses/poppler.txt", "licenses/icu.txt", "licenses/sqlite3.txt", "licenses/tesseract.txt",
    "licenses/leptonlib.txt", "licenses/libpng1.6.txt", "licenses/libjpeg-turbo.txt", "licenses/tiff.txt",
    "licenses/freetype.txt", "licenses/openjpeg2.txt", "licenses/lcms2.txt", "licenses/zlib.txt",
    "licenses/poppler-data.txt", "licenses/tesseract-ocr-jpn.txt",
]
TOP_LEVEL = {"Vivevav.exe", "Zuvediv.exe", "icudt72l.dat", "LICENSE", "使い方.txt", "licenses", "share", "tessdata"}


def faults(path, epoch):
    archive = zipfile.ZipFile(path)
    infos = archive.infolist()
    names = [i.filename for i in infos]
    if len(open(path, "rb").read()) > MAX_BYTES:
        yield "larger than 35 MB"
    if names != sorted(names):
        yield "entries not in sorted order"
    stamp = time.gmtime(epoch - epoch % 2)[:6]  # a zip keeps times to two seconds
    for info in infos:
        rel = info.filename[len(TOP):]
        if not info.filename.startswith(TOP):
            yield "outside the top folder: " + info.filename
        elif rel and rel.split("/")[0] not in TOP_LEVEL:
            yield "not for the user: " + info.filename
        if info.date_time != stamp:
            yield "not dated with the commit: " + info.filename
        if not info.is_dir() and archive.open(info).read(4) == b"\x7fELF":
            yield "a Linux program: " + info.filename
    for rel in REQUIRED:
        if TOP + rel not in names:
            yield "missing: " + rel
    if "GNU GENERAL PUBLIC LICENSE" not in archive.read(TOP + "LICENSE").decode():
        yield "LICENSE without the GPL's text"
    guide = archive.read(TOP + "使い方.txt").decode("utf-8-sig")
    for needed in ["HKEY_CURRENT_USER\\Software\\Rudedode\\Vivevav", "%LOCALAPPDATA%\\Zuvediv", "アンインストール"]:
        if needed not in guide:
            yield "the guide does not name " + needed


if __name__ == "__main__":
    found = list(faults(sys.argv[1], int(sys.argv[2])))
    for fault in found[:10]:
        print("zip: " + fault)
    sys.exit(1 if found else 0)
