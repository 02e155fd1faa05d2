#!/usr/bin/env python3
"""Writes the two small icon files the resource tests embed.

app.ico: 32 x 32 and 16 x 16, 4 bits a pixel. The 32 x 32 image is a 4 x 4
grid of 8-pixel blocks, block (column, row) in colour column + 4 * row of
the palette below, with its top-left 4 x 4 pixels transparent. The 16 x 16
image is colour 9 everywhere, opaque.

depths.ico: 16 x 16 at 1, 8, 24 and 32 bits a pixel. Pixel (x, y) is
red x * 16, green y * 16, blue 0x80 (8, 24 and 32 bits) or white where
x + y is odd (1 bit); pixels with x == y are transparent. The 32-bit image
carries its own alpha: 0 on the diagonal, 0x80 at (15, 0), 0xFF elsewhere,
and an empty AND mask.
"""
import struct
import sys

PALETTE16 = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
             (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
             (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def stride(width, bits):
    return (width * bits + 31) // 32 * 4


def pack_rows(width, height, bits, value_at):
    """Bottom-up rows of `bits`-bit values, each row DWORD-padded."""
    data = bytearray()
    for y in reversed(range(height)):
        row = bytearray(stride(width, bits))
        for x in range(width):
            value = value_at(x, y)
            if bits < 8:
                shift = 8 - bits - (x * bits) % 8
                row[x * bits // 8] |= value << shift
            else:
                row[x * bits // 8:(x + 1) * bits // 8] = value.to_bytes(bits // 8, "little")
        data += row
    return data


def image(width, height, bits, palette, value_at, transparent_at):
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, bits, 0, 0, 0, 0, len(palette), 0)
    colours = b"".join(struct.pack("BBBB", b, g, r, 0) for (r, g, b) in palette)
    xor = pack_rows(width, height, bits, value_at)
    mask = pack_rows(width, height, 1, lambda x, y: 1 if transparent_at(x, y) else 0)
    return header + colours + xor + mask, len(palette)


def icon_file(images):
    """images: list of (width, height, bits, colour_count, bytes)."""
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries, bodies = b"", b""
    for width, height, bits, colours, body in images:
        entries += struct.pack("<BBBBHHII", width % 256, height % 256, colours % 256, 0, 1, bits, len(body), offset)
        bodies += body
        offset += len(body)
    return directory + entries + bodies


def app_icon():
    big, _ = image(32, 32, 4, PALETTE16, lambda x, y: x // 8 + 4 * (y // 8), lambda x, y: x < 4 and y < 4)
    small, _ = image(16, 16, 4, PALETTE16, lambda x, y: 9, lambda x, y: False)
    return icon_file([(32, 32, 4, 16, big), (16, 16, 4, 16, small)])


def rgb(x, y):
    return (x * 16, y * 16, 0x80)


def depths_icon():
    diagonal = lambda x, y: x == y
    mono, _ = image(16, 16, 1, [(0, 0, 0), (255, 255, 255)], lambda x, y: (x + y) % 2, diagonal)
    palette = [rgb(index % 16, index // 16) for index in range(256)]
    indexed, _ = image(16, 16, 8, palette, lambda x, y: y * 16 + x, diagonal)

    def bgr(x, y):
        r, g, b = rgb(x, y)
        return b | g << 8 | r << 16
    true_colour, _ = image(16, 16, 24, [], bgr, diagonal)

    def bgra(x, y):
        alpha = 0 if x == y else (0x80 if (x, y) == (15, 0) else 0xFF)
        return bgr(x, y) | alpha << 24
    with_alpha, _ = image(16, 16, 32, [], bgra, lambda x, y: False)
    return icon_file([(16, 16, 1, 2, mono), (16, 16, 8, 0, indexed), (16, 16, 24, 0, true_colour),
                      (16, 16, 32, 0, with_alpha)])


if __name__ == "__main__":
    folder = sys.argv[1] if len(sys.argv) > 1 else "."
    with open(f"{folder}/app.ico", "wb") as file:
        file.write(app_icon())
    with open(f"{folder}/depths.ico", "wb") as file:
        file.write(depths_icon())
