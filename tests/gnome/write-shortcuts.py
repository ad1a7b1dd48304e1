#!/usr/bin/env python3
"""write-shortcuts.py < LIST: for each line FILE<TAB>TARGET[<TAB>ICON_LOCATION] writes FILE, a shell
link to TARGET (a Windows path) as an installer writes one: the link information with the
absolute local path, a description, the target's folder as working folder and, when given, an
icon location (index 0)."""
import struct
import sys


def counted(text):
    data = text.encode("utf-16-le")
    return struct.pack("<H", len(text)) + data


def link_bytes(target, icon_location):
    has_link_info, has_name, has_working_dir, has_icon_location, is_unicode = 2, 4, 0x10, 0x40, 0x80
    flags = has_link_info | has_name | has_working_dir | is_unicode
    if icon_location:
        flags |= has_icon_location
    clsid = bytes.fromhex("0114020000000000c000000000000046")
    header = struct.pack("<I16sII3QIiIHHII", 0x4C, clsid, flags, 0x20, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0)
    volume = struct.pack("<IIII", 0x11, 3, 0x1234ABCD, 0x10) + b"\0"
    base = target.encode("cp1252") + b"\0"
    info_header_size = 0x1C
    volume_at = info_header_size
    base_at = volume_at + len(volume)
    suffix_at = base_at + len(base)
    size = suffix_at + 1
    info = struct.pack("<IIIIIII", size, info_header_size, 1, volume_at, base_at, 0, suffix_at)
    info += volume + base + b"\0"
    name = target.rsplit("\\", 1)[-1].rsplit(".", 1)[0]
    strings = counted(name + " tool") + counted(target.rsplit("\\", 1)[0])
    if icon_location:
        strings += counted(icon_location)
    return header + info + strings + struct.pack("<I", 0)


if __name__ == "__main__":
    for line in sys.stdin:
        fields = line.rstrip("\n").split("\t")
        with open(fields[0], "wb") as out:
            out.write(link_bytes(fields[1], fields[2] if len(fields) > 2 else ""))
