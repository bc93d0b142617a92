#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes tests/data/damaged/: channel files the reader must reject, and
EXPECTED.tsv naming the message each one must give. Run from the repository
root after changing a case; the files are committed."""
import os
import struct
import sys

OUT = os.path.join(os.path.dirname(__file__), "..", "tests", "data", "damaged")


def crc16_arc(data):
    crc = 0
    for b in data:
        crc ^= b
        for _ in range(8):
            crc = (crc >> 1) ^ 0xA001 if crc & 1 else crc >> 1
    return crc


def build(sats=1, tps=1, tv=1, radio=1, groups=None, extra=None, counts=None,
          header_magic=0x55AA55AA, channel_magic=0x04209876, trailer=None):
    """A small valid file; `counts` overrides the counts written without
    adding records, to make over-capacity and truncated files."""
    counts = counts or {}
    groups = groups if groups is not None else [("Group", [0], [0])]
    body = bytearray()
    body += struct.pack(">IIII", channel_magic, 1, 2, 0)
    body += struct.pack(">BI", 1, 20) + struct.pack(">5H", 1, 2, 3, counts.get("groups", len(groups)), 5) + bytes(10)
    body += struct.pack(">BIB", 2, sats * 52 + 1, counts.get("sats", sats))
    for i in range(sats):
        body += struct.pack(">BH", 1, 192) + b"Sat".ljust(44, b"\0") + bytes(3) + bytes(2)
    body += struct.pack(">BIH", 3, tps * 16 + 2, counts.get("tps", tps))
    for i in range(tps):
        body += struct.pack(">4H3B", 1, 2, 11747, 27500, 0, 3, 0) + bytes(5)
    body += struct.pack(">BI", 4, (tv + radio) * 44 + 4)
    for n, key in ((tv, "tv"), (radio, "radio")):
        body += struct.pack(">H", counts.get(key, n))
        for i in range(n):
            body += struct.pack(">2H", 0, 1) + b"Chan".ljust(24, b"\0") + struct.pack(">4H3B", 1, 2, 3, 4, 0, 0, 0) + bytes(5)
    fav = bytearray()
    for name, tvm, rm in groups:
        fav += name.encode().ljust(24, b"\0")
        fav += struct.pack(">H", counts.get("tvm", len(tvm))) + b"".join(struct.pack(">H", m) for m in tvm)
        fav += struct.pack(">H", counts.get("rm", len(rm))) + b"".join(struct.pack(">H", m) for m in rm)
    body += struct.pack(">BI", 5, 0) + fav
    if extra is not None:
        length = counts.get("extra", len(extra))
        body += b"\xF0" + struct.pack(">I", length) + extra
    header = struct.pack(">IHHIIIIII", header_magic, 2, 0, 0, len(body), 0, 0, 0, 0) + b"Model".ljust(32, b"\0")
    crc = crc16_arc(bytes(body[16:])) if trailer is None else trailer
    return header + bytes(body) + struct.pack(">H", crc)


def main():
    os.makedirs(OUT, exist_ok=True)
    good = build()
    good_extra = build(extra=b"\x01\x02\x03")
    cases = {
        "empty.bin": (b"", "The file ends before its header is complete."),
        "short-header.bin": (good[:40], "The file ends before its header is complete."),
        "bad-magic.bin": (b"\x12\x34\x56\x78" + good[4:], "Invalid Data Format!!!\nInvalid Data Format, Check the Source File"),
        "bad-channel-magic.bin": (build(channel_magic=0x04209877), "Invalid Data Format, Check the Source File"),
        "cut-block-head.bin": (good[:70], "The file ends before its block head is complete."),
        "cut-general.bin": (good[:90], "The file ends before its general section is complete."),
        "cut-satellites.bin": (good[:130], "The file ends before its satellite section is complete."),
        "cut-transponders.bin": (good[:170], "The file ends before its transponder section is complete."),
        "cut-tv.bin": (good[:200], "The file ends before its channel section is complete."),
        "cut-radio.bin": (good[:240], "The file ends before its channel section is complete."),
        "cut-favourites.bin": (good[:len(good) - 6], "The file ends before its favourite section is complete."),
        "no-trailer.bin": (good[:len(good) - 1], "The file ends before its CRC trailer is complete."),
        "cut-extra.bin": (good_extra[:len(good_extra) - 4], "The file ends before its extra block is complete. (A byte 0xF0 after the favourite section starts an extra block.)"),
        "crc-high-byte-f0-then-junk.bin": (build(trailer=0xF012) + b"\x00\x00", "The file ends before its extra block is complete. (A byte 0xF0 after the favourite section starts an extra block.)"),
        "too-many-transponders.bin": (build(counts={"tps": 1001}), "The file holds 1001 transponders; at most 1000 fit."),
        "too-many-tv.bin": (build(counts={"tv": 10001}), "The file holds 10001 TV channels; at most 10000 fit."),
        "too-many-radio.bin": (build(counts={"radio": 10001}), "The file holds 10001 radio channels; at most 10000 fit."),
        "too-many-groups.bin": (build(counts={"groups": 126}), "The file holds 126 favourite groups; at most 125 fit."),
        "too-many-tv-members.bin": (build(groups=[("A", [0] * 6000, []), ("B", [0] * 4001, [])]), "The favourite groups hold more than 10000 TV members; at most 10000 fit."),
        "too-many-radio-members.bin": (build(counts={"rm": 10001}), "The favourite groups hold more than 10000 radio members; at most 10000 fit."),
        "extra-too-long.bin": (build(extra=b"\0" * 16, counts={"extra": 60001}), "The extra block is 60001 bytes long; at most 60000 fit."),
    }
    with open(os.path.join(OUT, "EXPECTED.tsv"), "w") as manifest:
        for name, (data, message) in sorted(cases.items()):
            with open(os.path.join(OUT, name), "wb") as f:
                f.write(data)
            manifest.write(name + "\t" + message.replace("\n", "\\n") + "\n")
    return 0


if __name__ == "__main__":
    sys.exit(main())
