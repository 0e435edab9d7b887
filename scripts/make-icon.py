#!/usr/bin/env python3
"""Draws the program's icon, 32x32 and 16x16 in 16 colours, as XPM files
(built into the program) and PNG files (for the desktop's icon theme)."""
import pathlib
import struct
import zlib

PALETTE = {  # the 16 colours of the classic VGA palette
    '.': 'None', 'k': '#000000', 'm': '#800000', 'g': '#008000', 'o': '#808000',
    'n': '#000080', 'p': '#800080', 't': '#008080', 's': '#C0C0C0', 'd': '#808080',
    'r': '#FF0000', 'l': '#00FF00', 'y': '#FFFF00', 'b': '#0000FF', 'f': '#FF00FF',
    'w': '#FFFFFF',
}


def draw(size):
    px = [['.'] * size for _ in range(size)]
    u = size / 32.0

    def rect(x0, y0, x1, y1, c):
        for y in range(int(y0 * u), max(int(y0 * u) + 1, int(y1 * u))):
            for x in range(int(x0 * u), max(int(x0 * u) + 1, int(x1 * u))):
                if 0 <= x < size and 0 <= y < size:
                    px[y][x] = c

    rect(1, 1, 31, 31, 'n')           # dark blue tile
    rect(2, 2, 30, 30, 'b')
    for i in range(3):                # a 3x3 grid of coefficient cells
        for j in range(3):
            rect(4 + 6 * j, 6 + 7 * i, 9 + 6 * j, 11 + 7 * i, 'w')
    rect(22, 12, 26, 14, 'y')         # the equals sign
    rect(22, 17, 26, 19, 'y')
    rect(27, 6, 29, 26, 'r')          # the column of results
    return px


def xpm(name, px):
    used = sorted({c for row in px for c in row})
    lines = [f'/* XPM */', f'static const char* const {name}[] = {{',
             f'"{len(px[0])} {len(px)} {len(used)} 1",']
    lines += [f'"{c} c {PALETTE[c]}",' for c in used]
    lines += [f'"{"".join(row)}",' for row in px]
    lines[-1] = lines[-1].rstrip(',')
    lines.append('};')
    return '\n'.join(lines) + '\n'


def png(px):
    """An indexed-colour PNG with the palette's colours; '.' is transparent."""
    keys = list(PALETTE)
    rgb = b''.join(bytes.fromhex(PALETTE[k][1:]) if k != '.' else b'\0\0\0' for k in keys)
    raw = b''.join(b'\0' + bytes(keys.index(c) for c in row) for row in px)

    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))

    h, w = len(px), len(px[0])
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', w, h, 8, 3, 0, 0, 0))
            + chunk(b'PLTE', rgb) + chunk(b'tRNS', b'\0') + chunk(b'IDAT', zlib.compress(raw, 9))
            + chunk(b'IEND', b''))


root = pathlib.Path(__file__).resolve().parent.parent
for size in (32, 16):
    (root / 'app' / 'icons' / f'icon{size}.xpm').write_text(xpm(f'icon{size}', draw(size)))
    (root / 'packaging' / f'vektoria-{size}.png').write_bytes(png(draw(size)))
