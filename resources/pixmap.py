#!/usr/bin/env python3
"""Turns a text pixel map into a 4-bit Windows bitmap (.bmp) or icon (.ico), or into a
PNG image (.png) of SIZE x SIZE pixels for the Linux desktop and the web app: the map
fills it, or with ART and BACKGROUND (as rrggbb) it is ART x ART pixels in the middle of an
opaque square of that colour, as a home screen crops or masks its icons.

Map format: '#' comment lines; 'size W H'; 'key C N' maps character C to index N of
the standard 16-colour palette, or to 'clear' (transparent, icons only); then
'pixels' followed by H rows of W characters, top row first.
Usage: pixmap.py bmp|ico MAP OUT, or pixmap.py png MAP OUT SIZE [ART BACKGROUND]
"""
import struct
import sys
import zlib

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]


def fail(path, line, why):
    sys.exit(f"{path}:{line}: {why}")


def read_map(path):
    width = height = None
    keys = {}
    rows = []
    in_pixels = False
    with open(path, encoding="ascii") as f:
        for number, raw in enumerate(f, 1):
            line = raw.rstrip("\n")
            if in_pixels:
                if len(rows) == height:
                    if line.strip():
                        fail(path, number, "more rows than the size says")
                    continue
                if len(line) != width:
                    fail(path, number, f"row is {len(line)} wide, expected {width}")
                row = []
                for c in line:
                    if c not in keys:
                        fail(path, number, f"character {c!r} has no key")
                    row.append(keys[c])
                rows.append(row)
                continue
            if not line.strip() or line.startswith("#"):
                continue
            words = line.split()
            if words[0] == "size" and len(words) == 3:
                width, height = int(words[1]), int(words[2])
            elif words[0] == "key" and len(words) == 3 and len(words[1]) == 1:
                value = None if words[2] == "clear" else int(words[2])
                if value is not None and not 0 <= value < 16:
                    fail(path, number, "palette index out of 0..15")
                keys[words[1]] = value
            elif words[0] == "pixels" and width and height:
                in_pixels = True
            else:
                fail(path, number, f"cannot read {line!r}")
    if len(rows) != height:
        sys.exit(f"{path}: {len(rows)} rows, expected {height}")
    return width, height, rows


def stride(bits_per_row):
    # DIB rows are padded to whole 32-bit words.
    return (bits_per_row + 31) // 32 * 4


def xor_bits(width, rows):
    """4-bit pixels, bottom row first, each row padded; clear pixels become index 0."""
    out = bytearray()
    for row in reversed(rows):
        line = bytearray(stride(width * 4))
        for x, value in enumerate(row):
            value = value or 0
            line[x // 2] |= value << (4 if x % 2 == 0 else 0)
        out += line
    return bytes(out)


def and_bits(width, rows):
    """1-bit mask, bottom row first: 1 where the pixel is clear."""
    out = bytearray()
    for row in reversed(rows):
        line = bytearray(stride(width))
        for x, value in enumerate(row):
            if value is None:
                line[x // 8] |= 0x80 >> (x % 8)
        out += line
    return bytes(out)


def palette_bytes():
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)


def info_header(width, height, image_size):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, image_size, 0, 0, 16, 0)


def make_bmp(width, height, rows):
    if any(v is None for row in rows for v in row):
        sys.exit("a bitmap cannot have clear pixels")
    bits = xor_bits(width, rows)
    offset = 14 + 40 + 64
    header = struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset)
    return header + info_header(width, height, len(bits)) + palette_bytes() + bits


def make_ico(width, height, rows):
    xor, mask = xor_bits(width, rows), and_bits(width, rows)
    # The icon's DIB header counts the XOR and AND halves together: twice the height.
    image = info_header(width, height * 2, len(xor) + len(mask)) + palette_bytes() + xor + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", width % 256, height % 256, 16, 0, 1, 4, len(image), 6 + 16)
    return directory + entry + image


def coverage(source, size):
    """For each of size output pixels, the source pixels it covers and by how much.

    Source pixel x spans [x * size, (x + 1) * size) and output pixel X spans
    [X * source, (X + 1) * source), so the overlaps are whole numbers summing to source."""
    spans = []
    for out in range(size):
        start, end = out * source, (out + 1) * source
        spans.append([(x, min(end, (x + 1) * size) - max(start, x * size))
                      for x in range(start // size, (end - 1) // size + 1)])
    return spans


def make_png(width, height, rows, size, art=None, background=None):
    """RGBA PNG scaled to size x size by area: each output pixel averages the source pixels
    under it, weighted by overlap, colours weighted by opacity; clear pixels are transparent,
    or show the background around and under art x art of them."""
    art = art or size
    margin = (size - art) // 2
    back = bytes.fromhex(background) + b"\xff" if background else bytes(4)
    raw = bytearray()
    for row in range(size):
        raw.append(0)  # filter type: none
        if not margin <= row < margin + art:
            raw += back * size
            continue
        ys = coverage(height, art)[row - margin]
        raw += back * margin
        for xs in coverage(width, art):
            alpha = red = green = blue = 0
            for y, wy in ys:
                for x, wx in xs:
                    value = rows[y][x]
                    if value is None:
                        continue
                    weight = wx * wy
                    r, g, b = PALETTE[value]
                    alpha += weight
                    red, green, blue = red + r * weight, green + g * weight, blue + b * weight
            if alpha == width * height or (alpha and not background):
                raw += bytes(((red + alpha // 2) // alpha, (green + alpha // 2) // alpha,
                              (blue + alpha // 2) // alpha, (alpha * 255 + width * height // 2) // (width * height)))
            elif alpha:  # partly clear: over the background
                full = width * height
                raw += bytes([(c + b * (full - alpha) + full // 2) // full
                              for c, b in zip((red, green, blue), back)] + [255])
            else:
                raw += back
        raw += back * (size - margin - art)

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def main():
    kinds = {"bmp": (4,), "ico": (4,), "png": (5, 7)}
    if len(sys.argv) not in kinds.get(sys.argv[1] if len(sys.argv) > 1 else "", ()):
        sys.exit(__doc__)
    width, height, rows = read_map(sys.argv[2])
    if sys.argv[1] == "png":
        art = int(sys.argv[5]) if len(sys.argv) == 7 else None
        data = make_png(width, height, rows, int(sys.argv[4]), art, sys.argv[6] if art else None)
    else:
        data = (make_bmp if sys.argv[1] == "bmp" else make_ico)(width, height, rows)
    with open(sys.argv[3], "wb") as f:
        f.write(data)


main()
