#!/usr/bin/env python3
"""Draws the program's icons and background texture and writes them as .ico and .bmp files,
and the desktop icon (the dialog's icon) as PNG files for the icon theme.

Run from anywhere; writes next to this script (the PNGs into icons/). The output files are committed, so this only
needs running again after a change of design."""
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

# The 16 colours of the classic palette, as (r, g, b).
PALETTE16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
    (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, NAVY, GREEN, GREY, SILVER, LIME, WHITE, TEAL = (
    (0, 0, 0), (0, 0, 128), (0, 128, 0), (128, 128, 128), (192, 192, 192), (0, 255, 0),
    (255, 255, 255), (0, 128, 128))


def controller(size):
    """A small controller box with status lights, a cable and a three-node network mark.
    Returns rows of (r, g, b) or None for transparent, top row first."""
    px = [[None] * size for _ in range(size)]
    s = size / 32.0

    def rect(x0, y0, x1, y1, colour):
        for y in range(int(y0 * s), max(int(y0 * s) + 1, int(y1 * s))):
            for x in range(int(x0 * s), max(int(x0 * s) + 1, int(x1 * s))):
                if 0 <= x < size and 0 <= y < size:
                    px[y][x] = colour

    # network mark: three nodes joined to a hub above the box
    rect(15, 3, 17, 12, GREY)
    rect(6, 6, 26, 8, GREY)
    rect(5, 4, 9, 9, TEAL)
    rect(14, 2, 18, 6, TEAL)
    rect(23, 4, 27, 9, TEAL)
    # the controller's case with its outline and face
    rect(3, 12, 29, 27, BLACK)
    rect(4, 13, 28, 26, SILVER)
    rect(4, 13, 28, 15, WHITE)
    rect(5, 17, 27, 24, NAVY)
    # status lights and a port
    rect(7, 19, 9, 21, LIME)
    rect(11, 19, 13, 21, LIME)
    rect(15, 19, 17, 21, GREEN)
    rect(20, 18, 25, 22, BLACK)
    rect(21, 19, 24, 21, GREY)
    # feet
    rect(5, 27, 8, 29, GREY)
    rect(24, 27, 27, 29, GREY)
    return px


def nearest16(colour):
    return min(range(16), key=lambda i: sum((a - b) ** 2 for a, b in zip(PALETTE16[i], colour)))


def dib(px, bits):
    """The DIB of one icon image: header, palette, XOR pixels and AND mask, bottom-up."""
    size = len(px)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, bits, 0, 0, 0, 0,
                         16 if bits == 4 else 0, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE16) if bits == 4 else b''
    xor = b''
    mask = b''
    for row in reversed(px):
        if bits == 4:
            nibbles = [nearest16(c) if c else 0 for c in row]
            line = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, size, 2))
        else:
            line = b''.join(struct.pack('<BBB', c[2], c[1], c[0]) if c else b'\0\0\0' for c in row)
        xor += line + b'\0' * (-len(line) % 4)
        mbits = 0
        mline = b''
        for i, c in enumerate(row):
            mbits = (mbits << 1) | (0 if c else 1)
            if i % 8 == 7:
                mline += bytes([mbits])
                mbits = 0
        mask += mline + b'\0' * (-len(mline) % 4)
    return header + palette + xor + mask


def write_ico(path, images):
    """images: list of (rows, bits)."""
    blobs = [dib(px, bits) for px, bits in images]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for (px, bits), blob in zip(images, blobs):
        size = len(px)
        out += struct.pack('<BBBBHHII', size, size, 16 if bits == 4 else 0, 0, 1, bits,
                           len(blob), offset)
        offset += len(blob)
    with open(path, 'wb') as f:
        f.write(out + b''.join(blobs))


def texture(width=53, height=20):
    """A quiet light-blue linen weave that keeps dark blue text readable."""
    rows = []
    for y in range(height):
        row = []
        for x in range(width):
            v = 236 + ((x * 7 + y * 13) % 5) - (4 if (x + y) % 6 == 0 else 0) \
                - (3 if (x - 2 * y) % 9 == 0 else 0)
            row.append((v - 6, v - 2, min(255, v + 10)))
        rows.append(row)
    return rows


def write_bmp(path, rows):
    height, width = len(rows), len(rows[0])
    stride = (width * 3 + 3) & ~3
    pixels = b''
    for row in reversed(rows):
        line = b''.join(struct.pack('<BBB', b, g, r) for r, g, b in row)
        pixels += line + b'\0' * (stride - len(line))
    info = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    header = struct.pack('<2sIHHI', b'BM', 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    with open(path, 'wb') as f:
        f.write(header + info + pixels)


def write_png(path, px):
    """An 8-bit RGBA PNG of rows of (r, g, b) or None, transparent where None."""
    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack(
            '>I', zlib.crc32(kind + data) & 0xFFFFFFFF)
    size = len(px)
    raw = b''.join(b'\0' + b''.join(bytes(c) + b'\xff' if c else b'\0\0\0\0' for c in row)
                   for row in px)
    header = struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0)
    with open(path, 'wb') as f:
        f.write(b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', header) +
                chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


# Sizes of the desktop icon; the 32 x 32 one has the very pixels of dialog.ico.
ICON_SIZES = (16, 32, 48, 64, 128)

if __name__ == '__main__':
    write_ico(os.path.join(HERE, 'app.ico'), [(controller(32), 4), (controller(16), 4)])
    write_ico(os.path.join(HERE, 'dialog.ico'), [(controller(32), 24)])
    write_bmp(os.path.join(HERE, 'background.bmp'), texture())
    os.makedirs(os.path.join(HERE, 'icons'), exist_ok=True)
    for size in ICON_SIZES:
        write_png(os.path.join(HERE, 'icons', 'tavrin-%d.png' % size), controller(size))
