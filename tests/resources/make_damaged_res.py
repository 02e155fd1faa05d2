#!/usr/bin/env python3
"""Writes damaged.res: a .res file whose second entry (RT_RCDATA #1)
claims 4096 bytes of data but the file ends after its header."""
import struct
import sys

empty = struct.pack("<IIHHHHIHHII", 0, 32, 0xFFFF, 0, 0xFFFF, 0, 0, 0, 0, 0, 0)
broken = struct.pack("<IIHHHHIHHII", 4096, 32, 0xFFFF, 10, 0xFFFF, 1, 0, 0x30, 0x409, 0, 0)
folder = sys.argv[1] if len(sys.argv) > 1 else "."
with open(f"{folder}/damaged.res", "wb") as file:
    file.write(empty + broken)
