#!/usr/bin/env python3
"""Makes a zip as Japan Post does (deflate, one entry, the entry's date set),
then optionally spoils it the way a damaged or hostile zip would be."""
import argparse
import struct
import zipfile

LOCAL, CENTRAL = b"PK\x03\x04", b"PK\x01\x02"


def patch(data, local_at, central_at, fmt, value_of):
    """Rewrites one field of the only entry in both of its headers."""
    for at in (local_at, central_at):
        (old,) = struct.unpack_from(fmt, data, at)
        struct.pack_into(fmt, data, at, value_of(old))


def main():
    p = argparse.ArgumentParser()
    p.add_argument("out")
    p.add_argument("--entry", help="the entry's name; none makes an empty zip")
    p.add_argument("--source", help="the entry's bytes")
    p.add_argument("--zeros", type=int, help="the entry is this many zero bytes")
    p.add_argument("--date", default="2026,4,27,0,0,0", help="Y,M,D,h,m,s")
    p.add_argument("--declare-size", type=int, help="the uncompressed size the headers claim")
    p.add_argument("--encrypted", action="store_true", help="set the encryption flag")
    p.add_argument("--bad-crc", action="store_true", help="spoil the CRC-32 in both headers")
    a = p.parse_args()

    with zipfile.ZipFile(a.out, "w", zipfile.ZIP_DEFLATED) as z:
        if a.entry is not None:
            info = zipfile.ZipInfo(a.entry, tuple(int(x) for x in a.date.split(",")))
            info.compress_type = zipfile.ZIP_DEFLATED
            body = bytes(a.zeros) if a.zeros is not None else open(a.source, "rb").read()
            z.writestr(info, body)
    if a.entry is None:
        return

    data = bytearray(open(a.out, "rb").read())
    local_at, central_at = data.index(LOCAL), data.index(CENTRAL)
    if a.declare_size is not None:
        patch(data, local_at + 22, central_at + 24, "<I", lambda _: a.declare_size)
    if a.encrypted:
        patch(data, local_at + 6, central_at + 8, "<H", lambda flags: flags | 1)
    if a.bad_crc:
        patch(data, local_at + 14, central_at + 16, "<I", lambda crc: crc ^ 0x5A5A5A5A)
    open(a.out, "wb").write(bytes(data))


if __name__ == "__main__":
    main()
