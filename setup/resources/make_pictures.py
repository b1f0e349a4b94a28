#!/usr/bin/env python3
"""Draws the button pictures and the banner of the setup program.

Writes, next to this script:
  glyph_<name>.bmp  the button glyphs: 24-bit (BI_RGB, bottom-up) bitmaps of
                    32x16 pixels holding two 16x16 pictures side by side, the
                    enabled picture on the left and the disabled one on the
                    right (NumGlyphs = 2 in the form layouts)
  banner.jpg        the 696x32 banner across the top of the main window,
                    compressed with cjpeg from a temporary PPM; without cjpeg
                    on the PATH the existing banner.jpg is left as it is

Only the Python standard library is used (plus the cjpeg program for the
banner) and the output is deterministic: running the script again rewrites
the same bytes.

The glyphs are pixel art, written out below one character per pixel.  The
buttons draw a glyph opaquely onto their face, RGB(192, 192, 192), and take
the colour of the bottom-left pixel as the transparent one; the background
of every glyph is therefore exactly that grey, and the pictures keep off the
last row and column so that the disabled picture's highlight fits.

The disabled picture is derived from the enabled one the way Windows draws
a disabled glyph: every pixel darker than the light colours becomes grey
RGB(128, 128, 128), with a white copy of the same pixels one pixel down and
to the right underneath; white and light fills drop out.

The banner is a horizontal gradient from dark navy to teal with the product
name in white on the left and the interface's description in light grey on
the right, both set in a small bitmap font defined here.
"""

import os
import shutil
import struct
import subprocess
import sys
import tempfile

# --------------------------------------------------------------------------
# Colours of the glyphs, one character each.

FACE = (192, 192, 192)
SHADOW = (128, 128, 128)
HIGHLIGHT = (255, 255, 255)

COLOURS = {
    ".": FACE,              # background: the button face
    "s": (192, 192, 192),   # silver parts of a picture (same grey as the face)
    "k": (0, 0, 0),         # black outline
    "d": (64, 64, 64),      # dark grey
    "g": (128, 128, 128),   # grey
    "w": (255, 255, 255),   # white
    "r": (255, 0, 0),       # red
    "m": (128, 0, 0),       # maroon
    "G": (0, 128, 0),       # green
    "l": (0, 224, 0),       # light green
    "y": (255, 255, 0),     # yellow
    "Y": (255, 255, 192),   # pale yellow
    "o": (128, 128, 0),     # olive
    "b": (0, 0, 255),       # blue
    "n": (0, 0, 128),       # navy
    "t": (0, 128, 128),     # teal
    "c": (0, 255, 255),     # aqua
}

SIZE = 16

# --------------------------------------------------------------------------
# The glyphs, 16x16 each.

GLYPHS = {}

# Setup manual: an open book.
GLYPHS["manual"] = [
    "................",
    ".kkkk.....kkkk..",
    "kwwwwkk.kkwwwwk.",
    "kwwwwwwkwwwwwwk.",
    "kwggggwkwggggwk.",
    "kwwwwwwkwwwwwwk.",
    "kwgggwwkwgggwwk.",
    "kwwwwwwkwwwwwwk.",
    "kwggggwkwggggwk.",
    "kwwwwwwkwwwwwwk.",
    "kwgggwwkwgggwwk.",
    "kwwwwwwkwwwwwwk.",
    "kkkkwwwkwwwkkkk.",
    "....kkkkkkk.....",
    "................",
    "................",
]

# Save setup: a floppy disk.
GLYPHS["save"] = [
    "kkkkkkkkkkkkkk..",
    "knnwwwwwwwwwnnk.",
    "knnwwwwwwwwwnnk.",
    "knnwggggggwwnnk.",
    "knnwwwwwwwwwnnk.",
    "knnwggggggwwnnk.",
    "knnwwwwwwwwwnnk.",
    "knnnnnnnnnnnnnk.",
    "knnnnnnnnnnnnnk.",
    "knnsssssssssnnk.",
    "knnsnnssssssnnk.",
    "knnsnnssssssnnk.",
    "knnsnnssssssnnk.",
    "knnsssssssssnnk.",
    "kkkkkkkkkkkkkkk.",
    "................",
]

# Exit: an open door with an arrow leading out of it.
GLYPHS["exit"] = [
    "kkkkkkkk........",
    "kmkwwwwk........",
    "kmmkwwwk........",
    "kmmmkwwk.k......",
    "kmmmkwwk.kk.....",
    "kmmmkwwk.krk....",
    "kmmmkkkkkkrrk...",
    "kmmmkrrrrrrrrk..",
    "kmmykrrrrrrrrrk.",
    "kmmmkrrrrrrrrk..",
    "kmmmkkkkkkrrk...",
    "kmmmkwwk.krk....",
    "kmmmkwwk.kk.....",
    "kmmmkwwk.k......",
    "kkkkkkkk........",
    "................",
]

# Hint: a light bulb.
GLYPHS["hint"] = [
    ".....kkkkk......",
    "...kkyyyyykk....",
    "..kyywyyyyyyk...",
    "..kywyyyyyyyk...",
    ".kyywyyyyyyyok..",
    ".kyyyyyyyyyyok..",
    ".kyyyyyyyyyook..",
    "..kyyyyyyyyok...",
    "...kyyyyyook....",
    "....kyyyyok.....",
    "....kkkkkkk.....",
    "....kssssgk.....",
    "....kkkkkkk.....",
    "....kssssgk.....",
    ".....kkkkk......",
    "................",
]

# Add: a green plus.
GLYPHS["add"] = [
    "................",
    ".....kkkkk......",
    ".....klllk......",
    ".....klllk......",
    ".....klllk......",
    ".kkkkklllkkkkk..",
    ".klllllllllllk..",
    ".klllllllllllk..",
    ".klllllllllllk..",
    ".kkkkklllkkkkk..",
    ".....klllk......",
    ".....klllk......",
    ".....klllk......",
    ".....kkkkk......",
    "................",
    "................",
]

# Delete: a red cross.
GLYPHS["delete"] = [
    "................",
    ".kkk.......kkk..",
    ".krrk.....krrk..",
    ".krrrk...krrrk..",
    "..krrrk.krrrk...",
    "...krrrkrrrk....",
    "....krrrrrk.....",
    ".....krrrk......",
    "....krrrrrk.....",
    "...krrrkrrrk....",
    "..krrrk.krrrk...",
    ".krrrk...krrrk..",
    ".krrk.....krrk..",
    ".kkk.......kkk..",
    "................",
    "................",
]

# System setup: a monitor receiving a downward arrow.
GLYPHS["setup"] = [
    ".....kkkk.......",
    ".....kllk.......",
    ".....kllk.......",
    "...kkkllkkk.....",
    "kkkkkllllkkkkk..",
    "ksssskllksssk...",
    "ksttttkkttttsk..",
    "kstcttttttttsk..",
    "ksttttttttttsk..",
    "ksttttttttttsk..",
    "ksssssssssssgk..",
    "kkkkkkkkkkkkkk..",
    ".....kggk.......",
    "...kkkkkkkk.....",
    "...kggggggk.....",
    "................",
]

# Change: two curved arrows chasing each other.
GLYPHS["change"] = [
    "................",
    ".....nnnnn......",
    "...nnbbbbbnn....",
    "..nbb.....bbn...",
    "..nb.......bn...",
    "...........bn...",
    "..Gl.....bbbbbn.",
    ".Glll.....bbbn..",
    "Glllll.....bn...",
    "..Gl............",
    "..Gl.......lG...",
    "..Gll.....llG...",
    "...GGlllllGG....",
    ".....GGGGG......",
    "................",
    "................",
]

# OK: a green tick.
GLYPHS["ok"] = [
    "................",
    "................",
    "...........kkk..",
    "..........kllk..",
    ".........klllk..",
    "........klllk...",
    ".kk....klllk....",
    "kllk..klllk.....",
    "klllkklllk......",
    ".kllllllk.......",
    "..kllllk........",
    "...kllk.........",
    "....kk..........",
    "................",
    "................",
    "................",
]


def luminance(rgb):
    r, g, b = rgb
    return (299 * r + 587 * g + 114 * b) // 1000


def is_ink(rgb):
    """Whether a pixel of the enabled picture shows in the disabled one."""
    return rgb != FACE and luminance(rgb) < 200


def enabled_pixels(rows):
    assert len(rows) == SIZE, rows
    px = []
    for row in rows:
        assert len(row) == SIZE, row
        px.append([COLOURS[ch] for ch in row])
    return px


def disabled_pixels(px):
    ink = [[is_ink(p) for p in row] for row in px]
    out = [[FACE] * SIZE for _ in range(SIZE)]
    for y in range(SIZE):
        for x in range(SIZE):
            if ink[y][x] and x + 1 < SIZE and y + 1 < SIZE:
                out[y + 1][x + 1] = HIGHLIGHT
    for y in range(SIZE):
        for x in range(SIZE):
            if ink[y][x]:
                out[y][x] = SHADOW
    return out


def glyph_pixels(rows):
    """The 32x16 strip: enabled picture, then disabled picture."""
    on = enabled_pixels(rows)
    off = disabled_pixels(on)
    strip = [a + b for a, b in zip(on, off)]
    assert strip[SIZE - 1][0] == FACE
    return strip


def bmp_bytes(px):
    """A 24-bit BI_RGB bitmap, rows bottom-up, each padded to 4 bytes."""
    h, w = len(px), len(px[0])
    stride = (w * 3 + 3) // 4 * 4
    bits = bytearray()
    for row in reversed(px):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += bytes(stride - len(line))
        bits += line
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(bits), 2835, 2835, 0, 0)
    offset = 14 + len(info)
    head = struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset)
    return head + info + bytes(bits)


# --------------------------------------------------------------------------
# The banner.

BANNER_W, BANNER_H = 696, 32
LEFT_COLOUR = (0, 0, 96)
RIGHT_COLOUR = (0, 128, 128)
TITLE = "Zenta Pellisto Rilo Setup"
TITLE_COLOUR = (255, 255, 255)
TITLE_SHADOW = (0, 0, 32)
SUBTITLE = "Hotel Front-Office Interface"
SUBTITLE_COLOUR = (200, 220, 230)
SUBTITLE_SCALE = 2
MARGIN = 12

# A proportional font: seven rows from the cap line down to the baseline and
# two rows of descender.  Only the letters of the banner's texts are here.
FONT_ASCENT, FONT_ROWS = 7, 9

FONT = {
    " ": ["..."],
    "-": ["....", "....", "....", "....", "###.", "....", "...."],
    "F": ["#####", "#....", "#....", "####.", "#....", "#....", "#...."],
    "H": ["#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "I": ["###", ".#.", ".#.", ".#.", ".#.", ".#.", "###"],
    "O": [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "P": ["####.", "#...#", "#...#", "####.", "#....", "#....", "#...."],
    "R": ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    "S": [".###.", "#...#", "#....", ".###.", "....#", "#...#", ".###."],
    "Z": ["#####", "....#", "...#.", "..#..", ".#...", "#....", "#####"],
    "a": [".....", ".....", ".###.", "....#", ".####", "#...#", ".####"],
    "c": [".....", ".....", ".###.", "#...#", "#....", "#...#", ".###."],
    "e": [".....", ".....", ".###.", "#...#", "#####", "#....", ".###."],
    "f": ["..##", ".#..", "####", ".#..", ".#..", ".#..", ".#.."],
    "i": ["#", ".", "#", "#", "#", "#", "#"],
    "l": ["#", "#", "#", "#", "#", "#", "#"],
    "n": [".....", ".....", "#.##.", "##..#", "#...#", "#...#", "#...#"],
    "o": [".....", ".....", ".###.", "#...#", "#...#", "#...#", ".###."],
    "p": [".....", ".....", "####.", "#...#", "#...#", "#...#", "####.", "#....", "#...."],
    "r": ["....", "....", "#.##", "##..", "#...", "#...", "#..."],
    "s": [".....", ".....", ".####", "#....", ".###.", "....#", "####."],
    "t": ["....", ".#..", "####", ".#..", ".#..", ".#..", "..##"],
    "u": [".....", ".....", "#...#", "#...#", "#...#", "#..##", ".##.#"],
}


def glyph_rows(ch):
    rows = FONT[ch]
    width = len(rows[0])
    assert all(len(r) == width for r in rows), ch
    return rows + ["." * width] * (FONT_ROWS - len(rows))


def text_width(text, scale, bold):
    """Width in pixels of a text set with one font pixel between letters."""
    w = 0
    for i, ch in enumerate(text):
        if i:
            w += scale + (1 if bold else 0)
        w += len(FONT[ch][0]) * scale
    return w + (1 if bold else 0)


def draw_text(img, text, x0, y0, scale, colour, bold=False):
    """Sets the text with its cap line at y0; bold doubles every stroke one
    pixel to the right."""
    x = x0
    for i, ch in enumerate(text):
        if i:
            x += scale + (1 if bold else 0)
        rows = glyph_rows(ch)
        for j, row in enumerate(rows):
            for k, cell in enumerate(row):
                if cell != "#":
                    continue
                for dy in range(scale):
                    for dx in range(scale + (1 if bold else 0)):
                        px, py = x + k * scale + dx, y0 + j * scale + dy
                        if 0 <= px < BANNER_W and 0 <= py < BANNER_H:
                            img[py][px] = colour
        x += len(rows[0]) * scale


def banner_pixels():
    img = []
    for _ in range(BANNER_H):
        row = []
        for x in range(BANNER_W):
            t = x / (BANNER_W - 1)
            row.append(tuple(int(round(a + (b - a) * t))
                             for a, b in zip(LEFT_COLOUR, RIGHT_COLOUR)))
        img.append(row)

    # The title: twice the font's size, in bold, its capitals centred.
    scale = 2
    top = (BANNER_H - FONT_ASCENT * scale) // 2
    draw_text(img, TITLE, MARGIN + 1, top + 1, scale, TITLE_SHADOW, bold=True)
    draw_text(img, TITLE, MARGIN, top, scale, TITLE_COLOUR, bold=True)

    # The description, right-aligned, at the same size but in regular weight.
    scale = SUBTITLE_SCALE
    top = (BANNER_H - FONT_ASCENT * scale) // 2
    x = BANNER_W - MARGIN - text_width(SUBTITLE, scale, False)
    draw_text(img, SUBTITLE, x, top, scale, SUBTITLE_COLOUR)
    return img


def ppm_bytes(img):
    h, w = len(img), len(img[0])
    data = bytearray(b"P6\n%d %d\n255\n" % (w, h))
    for row in img:
        for p in row:
            data += bytes(p)
    return bytes(data)


def write_banner(out_dir):
    """Writes banner.jpg through cjpeg; returns its path, or None when cjpeg
    is not available."""
    cjpeg = shutil.which("cjpeg")
    if cjpeg is None:
        return None
    jpg = os.path.join(out_dir, "banner.jpg")
    fd, ppm = tempfile.mkstemp(suffix=".ppm")
    try:
        with os.fdopen(fd, "wb") as f:
            f.write(ppm_bytes(banner_pixels()))
        result = subprocess.run([cjpeg, "-quality", "92", "-optimize", ppm],
                                stdout=subprocess.PIPE, check=True)
    finally:
        os.remove(ppm)
    with open(jpg, "wb") as f:
        f.write(result.stdout)
    return jpg


# --------------------------------------------------------------------------

GLYPH_ORDER = ["manual", "save", "exit", "hint", "add", "delete", "setup",
               "change", "ok"]


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    out_dir = argv[1] if len(argv) > 1 else here
    written = []
    for name in GLYPH_ORDER:
        path = os.path.join(out_dir, "glyph_%s.bmp" % name)
        with open(path, "wb") as f:
            f.write(bmp_bytes(glyph_pixels(GLYPHS[name])))
        written.append(path)
    jpg = write_banner(out_dir)
    if jpg:
        written.append(jpg)
    for p in written:
        print(os.path.relpath(p, out_dir))
    if not jpg:
        print("cjpeg not found: banner.jpg was not refreshed", file=sys.stderr)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
