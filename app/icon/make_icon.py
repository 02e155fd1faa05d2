#!/usr/bin/env python3
"""Builds a 16-colour .ico file from a text description.

The description lists the palette and the images:
    palette <index 0-15> <RRGGBB>
    image <size>
    <size rows of <size> characters: a hex digit is a palette index,
     '.' is a transparent pixel>
Lines starting with '#' and blank lines are ignored.

Usage: make_icon.py <description.txt> <output.ico>
"""
import struct
import sys


class DescriptionError(Exception):
    pass


def parse(text):
    palette = [(0, 0, 0)] * 16
    images = []
    current = None
    for number, raw in enumerate(text.splitlines(), start=1):
        line = raw.strip()
        if not line or line.startswith('#'):
            continue
        words = line.split()
        if words[0] == 'palette':
            if (len(words) != 3 or not words[1].isdigit() or not 0 <= int(words[1]) < 16 or len(words[2]) != 6
                    or any(c not in '0123456789abcdefABCDEF' for c in words[2])):
                raise DescriptionError(f'line {number}: expected "palette <0-15> <RRGGBB>"')
            value = int(words[2], 16)
            palette[int(words[1])] = ((value >> 16) & 255, (value >> 8) & 255, value & 255)
        elif words[0] == 'image':
            if len(words) != 2 or words[1] not in ('16', '32', '48'):
                raise DescriptionError(f'line {number}: expected "image <16|32|48>"')
            current = {'size': int(words[1]), 'rows': []}
            images.append(current)
        else:
            if current is None:
                raise DescriptionError(f'line {number}: pixel row before any "image" line')
            if len(line) != current['size'] or any(c not in '0123456789abcdefABCDEF.' for c in line):
                raise DescriptionError(
                    f'line {number}: a row needs {current["size"]} characters, each a hex digit or "."')
            current['rows'].append(line)
    for image in images:
        if len(image['rows']) != image['size']:
            raise DescriptionError(f'image {image["size"]}: has {len(image["rows"])} rows, needs {image["size"]}')
    if not images:
        raise DescriptionError('no "image" section')
    return palette, images


def padded(row_bytes):
    return row_bytes + b'\0' * (-len(row_bytes) % 4)


def encode_image(palette, image):
    size = image['size']
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    colours = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in palette)
    colour_rows = []
    mask_rows = []
    # Bitmaps are stored bottom row first.
    for row in reversed(image['rows']):
        indexes = [0 if c == '.' else int(c, 16) for c in row]
        colour = bytes((indexes[i] << 4) | indexes[i + 1] for i in range(0, size, 2))
        colour_rows.append(padded(colour))
        bits = 0
        mask = bytearray()
        for i, c in enumerate(row):
            bits = (bits << 1) | (1 if c == '.' else 0)
            if i % 8 == 7:
                mask.append(bits)
                bits = 0
        mask_rows.append(padded(bytes(mask)))
    return header + colours + b''.join(colour_rows) + b''.join(mask_rows)


def build_icon(palette, images):
    encoded = [encode_image(palette, image) for image in images]
    directory = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b''
    for image, data in zip(images, encoded):
        size = image['size']
        entries += struct.pack('<BBBBHHII', size % 256, size % 256, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    return directory + entries + b''.join(encoded)


def main(argv):
    if len(argv) != 3:
        print('usage: make_icon.py <description.txt> <output.ico>', file=sys.stderr)
        return 2
    try:
        with open(argv[1], encoding='utf-8') as source:
            palette, images = parse(source.read())
    except (OSError, DescriptionError, ValueError) as error:
        print(f'make_icon.py: {argv[1]}: {error}', file=sys.stderr)
        return 1
    with open(argv[2], 'wb') as output:
        output.write(build_icon(palette, images))
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
