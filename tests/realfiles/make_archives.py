#!/usr/bin/env python3
"""Theme archives as other tools write them, made into the folder given.

Every archive holds the same small theme: style.json with the fill style
"rf_fill", theme.json with a node "rf_node" and an SVG image. The refused
kinds use compression methods or counts that the reader must name.
"""
import os
import shutil
import struct
import subprocess
import sys
import zipfile

STYLE = ('{"style": [{"type": 1, "name": "rf_fill", "color": "FF336699"}'
         + ''.join(', {"type": 1, "name": "pad%d", "color": "FF000000"}' % i for i in range(60))
         + ']}')
THEME = '{"elements": [{"child": [{"name": "rf_node", "attr": {}}]}]}'
SVG = '<svg xmlns="http://www.w3.org/2000/svg" width="8" height="6"><rect width="8" height="6"/></svg>'
FILES = [("style.json", STYLE), ("theme.json", THEME), ("images/logo.svg", SVG)]


def with_zipfile(path, method=zipfile.ZIP_DEFLATED, names=None, comment=b""):
    with zipfile.ZipFile(path, "w", method) as z:
        for (name, text), stored in zip(FILES, names or [n for n, _ in FILES]):
            z.writestr(stored, text)
        z.comment = comment


def with_info_zip(path, *options):
    src = path + ".d"
    os.makedirs(os.path.join(src, "images"), exist_ok=True)
    for name, text in FILES:
        with open(os.path.join(src, name), "w") as f:
            f.write(text)
    subprocess.run(["zip", "-q", "-X", *options, os.path.abspath(path)] + [n for n, _ in FILES], cwd=src, check=True)
    shutil.rmtree(src)


def with_method(path, method, flag=0):
    """A stored archive whose headers then claim another method."""
    with_zipfile(path, zipfile.ZIP_STORED)
    data = bytearray(open(path, "rb").read())
    for sig, flag_at, method_at in ((b"PK\x03\x04", 6, 8), (b"PK\x01\x02", 8, 10)):
        at = data.find(sig)
        while at >= 0:
            data[at + flag_at] |= flag
            struct.pack_into("<H", data, at + method_at, method)
            at = data.find(sig, at + 4)
    open(path, "wb").write(bytes(data))


def with_zip64_count(path, count):
    """A valid archive whose zip64 end record declares count entries."""
    with_zipfile(path)
    data = open(path, "rb").read()
    end = data.rfind(b"PK\x05\x06")
    size, offset = struct.unpack("<II", data[end + 12:end + 20])
    body = data[:end]
    record = b"PK\x06\x06" + struct.pack("<QHHIIQQQQ", 44, 45, 45, 0, 0, count, count, size, offset)
    locator = b"PK\x06\x07" + struct.pack("<IQI", 0, len(body), 1)
    end_record = b"PK\x05\x06" + struct.pack("<HHHHIIH", 0, 0, 0xFFFF, 0xFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0)
    open(path, "wb").write(body + record + locator + end_record)


def main(out):
    os.makedirs(out, exist_ok=True)
    at = lambda name: os.path.join(out, name)
    with_zipfile(at("python.zip"))
    with_info_zip(at("infozip.zip"))
    with_info_zip(at("infozip-zip64.zip"), "-fz")
    with_zipfile(at("comment-64k.zip"), comment=b"c" * 0xFFFF)
    with_zipfile(at("backslash.zip"), names=["style.json", "theme.json", "images\\logo.svg"])
    with_zipfile(at("bzip2.zip"), zipfile.ZIP_BZIP2)
    with_zipfile(at("lzma.zip"), zipfile.ZIP_LZMA)
    with_method(at("deflate64.zip"), 9)
    with_method(at("ppmd.zip"), 98)
    with_method(at("aes.zip"), 99, flag=1)
    with_zip64_count(at("zip64-count.zip"), 2**31 - 1)


if __name__ == "__main__":
    main(sys.argv[1])
