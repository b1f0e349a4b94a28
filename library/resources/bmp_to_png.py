#!/usr/bin/env python3
"""Converts Windows bitmaps (and icons) to PNG, with the standard library only.

  bmp_to_png.py [--scale N] in.bmp [out.png]
      One picture.  Reads uncompressed 1, 4, 8, 16, 24 and 32 bits per pixel
      (BI_RGB, or BI_BITFIELDS for 16 and 32), bottom-up or top-down, with an
      OS/2 core, an info, a V4 or a V5 header.  32-bit pixels are written as
      opaque RGB: screen captures carry no meaningful alpha.  An .ico is
      accepted too; its largest image is drawn over the button face colour
      through its mask.  --scale enlarges by pixel replication.

  bmp_to_png.py --sheet out.png [--scale N] [--face R,G,B] file...
      A contact sheet: each picture on the face colour, once at its real
      size and once enlarged, with its resource number (taken from the
      digits in its file name) underneath.  Icons show every image.
"""

import os
import re
import struct
import sys
import zlib


# --------------------------------------------------------------------------
# Reading

class Image:
    def __init__(self, w, h, rows, mask=None):
        self.w, self.h = w, h
        self.rows = rows          # rows[y][x] = (r, g, b), top row first
        self.mask = mask          # None, or rows of booleans: True = transparent


def _mask_shift(mask):
    if mask == 0:
        return 0, 0
    shift = 0
    while not (mask >> shift) & 1:
        shift += 1
    bits = 0
    while (mask >> (shift + bits)) & 1:
        bits += 1
    return shift, bits


def _channel(v, mask):
    shift, bits = _mask_shift(mask)
    if bits == 0:
        return 0
    x = (v & mask) >> shift
    return (x * 255 + ((1 << bits) - 1) // 2) // ((1 << bits) - 1)


def parse_dib(data, pos, icon=False):
    """Reads a device-independent bitmap (header, colour table, bits) at pos.
    For an icon image the height is doubled and a 1-bit mask follows."""
    hsize = struct.unpack_from("<I", data, pos)[0]
    if hsize == 12:
        w, h, planes, bpp = struct.unpack_from("<HHHH", data, pos + 4)
        compression, clr_used = 0, 0
        entry = 3
    elif hsize >= 40:
        (w, h, planes, bpp, compression, _size, _xr, _yr,
         clr_used, _imp) = struct.unpack_from("<iiHHIIiiII", data, pos + 4)
        entry = 4
    else:
        raise ValueError("unknown bitmap header size %d" % hsize)
    top_down = h < 0
    h = abs(h)
    if icon:
        h //= 2
    masks = None
    after = pos + hsize
    if compression == 3:                     # BI_BITFIELDS
        if hsize >= 52:
            masks = struct.unpack_from("<III", data, pos + 40)
        else:
            masks = struct.unpack_from("<III", data, after)
            after += 12
    elif compression != 0:
        raise ValueError("compressed bitmaps (type %d) are not supported" % compression)
    palette = []
    if bpp <= 8:
        n = clr_used or (1 << bpp)
        for k in range(n):
            b, g, r = struct.unpack_from("<BBB", data, after + k * entry)
            palette.append((r, g, b))
        after += n * entry
    return w, h, bpp, top_down, palette, masks, after


def read_pixels(data, start, w, h, bpp, top_down, palette, masks):
    stride = ((w * bpp + 31) // 32) * 4
    if bpp == 16 and masks is None:
        masks = (0x7C00, 0x03E0, 0x001F)
    if bpp == 32 and masks is None:
        masks = (0xFF0000, 0x00FF00, 0x0000FF)
    rows = []
    for y in range(h):
        src = y if top_down else h - 1 - y
        off = start + src * stride
        row = []
        for x in range(w):
            if bpp == 1:
                v = (data[off + x // 8] >> (7 - x % 8)) & 1
                row.append(palette[v])
            elif bpp == 4:
                byte = data[off + x // 2]
                v = (byte >> 4) if x % 2 == 0 else (byte & 0x0F)
                row.append(palette[v] if v < len(palette) else (0, 0, 0))
            elif bpp == 8:
                v = data[off + x]
                row.append(palette[v] if v < len(palette) else (0, 0, 0))
            elif bpp == 16:
                v = struct.unpack_from("<H", data, off + 2 * x)[0]
                row.append(tuple(_channel(v, m) for m in masks))
            elif bpp == 24:
                b, g, r = data[off + 3 * x: off + 3 * x + 3]
                row.append((r, g, b))
            elif bpp == 32:
                v = struct.unpack_from("<I", data, off + 4 * x)[0]
                row.append(tuple(_channel(v, m) for m in masks))
            else:
                raise ValueError("%d bits per pixel are not supported" % bpp)
        rows.append(row)
    return rows, stride * h


def read_bmp(data):
    if data[:2] != b"BM":
        raise ValueError("not a BMP file")
    offset = struct.unpack_from("<I", data, 10)[0]
    w, h, bpp, top_down, palette, masks, _ = parse_dib(data, 14)
    rows, _ = read_pixels(data, offset, w, h, bpp, top_down, palette, masks)
    return Image(w, h, rows)


def read_ico(data):
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    if reserved != 0 or kind != 1:
        raise ValueError("not an icon file")
    images = []
    for k in range(count):
        _w, _h, _c, _r, _p, _b, size, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * k)
        if data[offset:offset + 8] == b"\x89PNG\r\n\x1a\n":
            raise ValueError("PNG-compressed icon images are not supported")
        w, h, bpp, top_down, palette, masks, start = parse_dib(data, offset, icon=True)
        rows, used = read_pixels(data, start, w, h, bpp, False, palette, masks)
        mrows, _ = read_pixels(data, start + used, w, h, 1, False,
                               [(0, 0, 0), (255, 255, 255)], None)
        mask = [[px == (255, 255, 255) for px in row] for row in mrows]
        images.append(Image(w, h, rows, mask))
    return images


def read_any(path):
    with open(path, "rb") as f:
        data = f.read()
    if data[:2] == b"BM":
        return [read_bmp(data)]
    return read_ico(data)


# --------------------------------------------------------------------------
# Writing

def png_bytes(w, h, rows):
    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body
                + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))
    raw = bytearray()
    for row in rows:
        raw.append(0)
        for r, g, b in row:
            raw += bytes((r, g, b))
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))


def flatten(img, face):
    if img.mask is None:
        return img.rows
    return [[face if img.mask[y][x] else img.rows[y][x] for x in range(img.w)]
            for y in range(img.h)]


def scaled(rows, n):
    out = []
    for row in rows:
        big = [px for px in row for _ in range(n)]
        for _ in range(n):
            out.append(list(big))
    return out


# --------------------------------------------------------------------------
# Contact sheet

DIGITS = {  # 3x5 figures for the labels
    "0": ["111", "101", "101", "101", "111"], "1": ["010", "110", "010", "010", "111"],
    "2": ["111", "001", "111", "100", "111"], "3": ["111", "001", "111", "001", "111"],
    "4": ["101", "101", "111", "001", "001"], "5": ["111", "100", "111", "001", "111"],
    "6": ["111", "100", "111", "101", "111"], "7": ["111", "001", "010", "010", "010"],
    "8": ["111", "101", "111", "101", "111"], "9": ["111", "101", "111", "001", "111"],
}


class Sheet:
    def __init__(self, w, h, colour):
        self.w, self.h = w, h
        self.rows = [[colour] * w for _ in range(h)]

    def blit(self, x, y, rows):
        for j, row in enumerate(rows):
            if 0 <= y + j < self.h:
                for i, px in enumerate(row):
                    if 0 <= x + i < self.w:
                        self.rows[y + j][x + i] = px

    def text(self, x, y, s, n=2, colour=(0, 0, 0)):
        for ch in s:
            glyph = DIGITS.get(ch)
            if glyph:
                for j, line in enumerate(glyph):
                    for i, bit in enumerate(line):
                        if bit == "1":
                            self.blit(x + i * n, y + j * n, [[colour] * n] * n)
            x += 4 * n


def contact_sheet(paths, scale, face):
    cells = []
    for p in paths:
        m = re.search(r"(\d+)", os.path.basename(p))
        label = m.group(1) if m else ""
        for img in read_any(p):
            cells.append((label, flatten(img, face), img.w, img.h))
    pad = 8
    cw = max(w * (scale + 1) for _, _, w, _ in cells) + 3 * pad
    ch = max(h * scale for _, _, _, h in cells) + 12 + 3 * pad
    cols = 6
    nrows = (len(cells) + cols - 1) // cols
    sheet = Sheet(cols * cw, nrows * ch, (96, 96, 96))
    for k, (label, rows, w, h) in enumerate(cells):
        x0, y0 = (k % cols) * cw, (k // cols) * ch
        sheet.blit(x0 + 2, y0 + 2, [[face] * (cw - 4)] * (ch - 4))
        big = scaled(rows, scale)
        sheet.blit(x0 + pad, y0 + pad, big)
        sheet.blit(x0 + 2 * pad + w * scale, y0 + pad + (h * scale - h) // 2, rows)
        sheet.text(x0 + pad, y0 + ch - pad - 10, label)
    return sheet


def main(argv):
    args = argv[1:]
    scale, face, sheet_out = 1, (192, 192, 192), None
    files = []
    while args:
        a = args.pop(0)
        if a == "--scale":
            scale = int(args.pop(0))
        elif a == "--face":
            face = tuple(int(v) for v in args.pop(0).split(","))
        elif a == "--sheet":
            sheet_out = args.pop(0)
        else:
            files.append(a)
    if sheet_out:
        if not files:
            print(__doc__)
            return 2
        s = contact_sheet(files, max(scale, 1) if scale > 1 else 6, face)
        with open(sheet_out, "wb") as f:
            f.write(png_bytes(s.w, s.h, s.rows))
        return 0
    if len(files) not in (1, 2):
        print(__doc__)
        return 2
    src = files[0]
    dst = files[1] if len(files) == 2 else os.path.splitext(src)[0] + ".png"
    images = read_any(src)
    img = max(images, key=lambda i: i.w * i.h)
    rows = scaled(flatten(img, face), scale) if scale > 1 else flatten(img, face)
    with open(dst, "wb") as f:
        f.write(png_bytes(img.w * scale, img.h * scale, rows))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
