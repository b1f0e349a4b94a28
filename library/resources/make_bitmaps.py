#!/usr/bin/env python3
"""Draws the button pictures and the message icon of the library.

Writes, next to this script:
  bmpNNN_<name>.bmp   16-colour (4 bits per pixel, BI_RGB) bitmaps 178-194 (large
                      set) and 195-212 (small set; there is no 201)
  ico170_message.ico  the message indicator icon, 32x32 and 16x16, 16 colours,
                      with its transparency mask

Only the Python standard library is used and the output is deterministic:
running the script again rewrites the same bytes.

Every picture is described once as a stack of filled shapes in pixel
coordinates, scaled to the size of the picture, and rasterised onto a canvas
of palette indices (a pixel belongs to a shape when at least half of its
4x4 sub-samples fall inside).  A layer may get a one-pixel outline: the
pixels of the shape that touch a pixel outside it.

The buttons copy their bitmap opaquely (BitBlt, SRCCOPY) onto a face of
RGB(192, 192, 192); the background of every bitmap is therefore palette
index 7, which is exactly that grey, so the picture's rectangle cannot be
seen on a released button.
"""

import math
import os
import struct
import sys

# The standard 16-colour palette (the order of the Windows VGA palette).
PALETTE = [
    (0, 0, 0),        # 0 black
    (128, 0, 0),      # 1 maroon
    (0, 128, 0),      # 2 green
    (128, 128, 0),    # 3 olive
    (0, 0, 128),      # 4 navy
    (128, 0, 128),    # 5 purple
    (0, 128, 128),    # 6 teal
    (192, 192, 192),  # 7 silver: the button face
    (128, 128, 128),  # 8 grey
    (255, 0, 0),      # 9 red
    (0, 255, 0),      # 10 lime
    (255, 255, 0),    # 11 yellow
    (0, 0, 255),      # 12 blue
    (255, 0, 255),    # 13 fuchsia
    (0, 255, 255),    # 14 aqua
    (255, 255, 255),  # 15 white
]

BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, FACE = range(8)
GREY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE = range(8, 16)

TRANSPARENT = -1   # icon pixels that let the window behind show through

SUB = 4            # sub-samples per pixel and axis


# --------------------------------------------------------------------------
# Shapes: functions (x, y) -> bool on continuous pixel coordinates.

def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x < x1 and y0 <= y < y1


def ellipse(cx, cy, rx, ry):
    return lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0


def circle(cx, cy, r):
    return ellipse(cx, cy, r, r)


def polygon(points):
    pts = list(points)

    def inside(x, y):
        hit = False
        j = len(pts) - 1
        for i in range(len(pts)):
            xi, yi = pts[i]
            xj, yj = pts[j]
            if (yi > y) != (yj > y):
                xc = xi + (y - yi) * (xj - xi) / (yj - yi)
                if x < xc:
                    hit = not hit
            j = i
        return hit
    return inside


def bar(x0, y0, x1, y1, half):
    """A thick line with square ends cut across the line at both end points."""
    dx, dy = x1 - x0, y1 - y0
    ln = math.hypot(dx, dy)
    nx, ny = -dy / ln * half, dx / ln * half
    return polygon([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny),
                    (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)])


def union(*shapes):
    return lambda x, y: any(s(x, y) for s in shapes)


def minus(a, b):
    return lambda x, y: a(x, y) and not b(x, y)


def both(a, b):
    return lambda x, y: a(x, y) and b(x, y)


# --------------------------------------------------------------------------
# Canvas of palette indices.

class Canvas:
    def __init__(self, w, h, background=FACE):
        self.w, self.h = w, h
        self.px = [[background] * w for _ in range(h)]

    def mask(self, shape):
        m = [[False] * self.w for _ in range(self.h)]
        need = (SUB * SUB + 1) // 2
        for j in range(self.h):
            for i in range(self.w):
                n = 0
                for sj in range(SUB):
                    y = j + (sj + 0.5) / SUB
                    for si in range(SUB):
                        if shape(i + (si + 0.5) / SUB, y):
                            n += 1
                m[j][i] = n >= need
        return m

    def paint(self, shape, fill, outline=None):
        """Fills the shape; with an outline colour its border pixels get it."""
        m = self.mask(shape)
        for j in range(self.h):
            for i in range(self.w):
                if not m[j][i]:
                    continue
                c = fill
                if outline is not None:
                    for di, dj in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                        ii, jj = i + di, j + dj
                        if not (0 <= ii < self.w and 0 <= jj < self.h) or not m[jj][ii]:
                            c = outline
                            break
                if c is not None:
                    self.px[j][i] = c
        return self

    def flipped(self):
        c = Canvas(self.w, self.h)
        c.px = [row[:] for row in reversed(self.px)]
        return c


# --------------------------------------------------------------------------
# The pictures.  Each takes the canvas and draws in its own pixel size.

ARROW, ARROW_EDGE = BLUE, BLACK

# The arrows are built pixel by pixel rather than from polygons, so that both
# flanks of every head are exact 45-degree steps and mirror each other.


def pixels(cells):
    cells = frozenset(cells)
    return lambda x, y: (int(math.floor(x)), int(math.floor(y))) in cells


def head_cells(w, top, half):
    """A head pointing down: `half` rows, the first 2*half pixels wide."""
    cx = w // 2
    return {(x, top + r) for r in range(half) for x in range(cx - half + r, cx + half - r)}


def shaft_cells(w, top, bottom, half):
    cx = w // 2
    return {(x, y) for y in range(top, bottom) for x in range(cx - half, cx + half)}


def arrow_cells(w, top, bottom, half):
    """A thick arrow pointing down, filling rows top..bottom-1."""
    shaft = max(1, round(w * 0.19))
    neck = bottom - half
    return head_cells(w, neck, half) | shaft_cells(w, top, neck, shaft)


def line_down(c):
    w, h = c.w, c.h
    half = min(w // 2 - 1, (h - 2) // 2)
    c.paint(pixels(arrow_cells(w, 1, h - 1, half)), ARROW, ARROW_EDGE)


def page_down(c):
    # Two heads one above the other: a page is several lines.
    w, h = c.w, c.h
    gap = 2 if h >= 24 else 1
    half = min(w // 2 - 1, (h - 2 - gap) // 2)
    top = 1 + (h - 2 - gap - 2 * half) // 2
    cells = head_cells(w, top, half) | head_cells(w, top + half + gap, half)
    c.paint(pixels(cells), ARROW, ARROW_EDGE)


def to_end(c):
    # An arrow that runs into a bar: to the last line.
    w, h = c.w, c.h
    big = h >= 24
    bar_h, gap = (4, 2) if big else (2, 1)
    bar_top = h - 1 - bar_h
    half = min(w // 2 - 2, (bar_top - gap - 1) // 2)
    c.paint(pixels(arrow_cells(w, 1, bar_top - gap, half)), ARROW, ARROW_EDGE)
    m = 2 if big else 1
    c.paint(rect(m, bar_top, w - m, bar_top + bar_h), BLACK)


def flip(draw):
    def drawn_upside_down(c):
        d = Canvas(c.w, c.h)
        draw(d)
        c.px = d.flipped().px
    return drawn_upside_down


line_up = flip(line_down)
page_up = flip(page_down)
to_home = flip(to_end)


def exit_door(c):
    # An open door with a red arrow leading out of it.
    w, h = c.w, c.h
    s = w / 23.0
    fx1 = round(14 * s)
    c.paint(rect(0, 0, fx1, h), BLACK)                              # the doorway
    t = max(1, round(2 * s))
    c.paint(rect(t, t, fx1 - t, h), WHITE)                          # light beyond
    # the door leaf, swung open towards the viewer, hinged on the left
    leaf = polygon([(0, 0), (8.5 * s, 3.5 * s), (8.5 * s, h), (0, h)])
    c.paint(leaf, MAROON, BLACK)
    if w >= 20:
        c.paint(rect(6 * s, h * 0.5, 7.5 * s, h * 0.5 + 1.5 * s), YELLOW)  # knob
    # the arrow, from the doorway out to the right
    ay = h * 0.5
    sh = max(1.0, 2.0 * s)       # half the shaft
    hh = max(3.0, 6.5 * s)       # half the head
    hx = w - max(4.0, 8.0 * s)   # where the head starts
    arrow = union(rect(7.5 * s, ay - sh, hx + 0.5, ay + sh),
                  polygon([(hx, ay - hh), (w, ay), (hx, ay + hh)]))
    c.paint(arrow, RED, BLACK)


def back_arrow(c):
    # A U-turn arrow: head at the upper left pointing left, bend on the right.
    w, h = c.w, c.h
    cx, cy = w * 0.60, h * 0.55
    ro, ri = h * 0.40, h * 0.14
    bend = both(minus(circle(cx, cy, ro), circle(cx, cy, ri)), lambda x, y: x >= cx)
    upper = rect(w * 0.30, cy - ro, cx + 0.01, cy - ri)
    lower = rect(w * 0.18, cy + ri, cx + 0.01, cy + ro)
    mid = cy - (ro + ri) / 2.0
    head = polygon([(w * 0.02, mid), (w * 0.36, mid - h * 0.34), (w * 0.36, mid + h * 0.34)])
    c.paint(union(bend, upper, lower, head), BLUE, BLACK)


def printer(c):
    w, h = c.w, c.h
    c.paint(rect(w * 0.24, h * 0.03, w * 0.76, h * 0.45), WHITE, BLACK)   # paper in
    c.paint(rect(w * 0.04, h * 0.34, w * 0.96, h * 0.76), GREY, BLACK)    # body
    c.paint(rect(w * 0.04, h * 0.34, w * 0.96, h * 0.46), FACE, BLACK)    # top cover
    c.paint(rect(w * 0.18, h * 0.62, w * 0.82, h * 0.97), WHITE, BLACK)   # sheet out
    if w >= 24:
        for k in range(3):
            y = h * (0.72 + 0.08 * k)
            c.paint(rect(w * 0.28, y, w * (0.72 - 0.1 * (k == 2)), y + 1), BLACK)
        c.paint(rect(w * 0.78, h * 0.52, w * 0.88, h * 0.58), LIME)      # lamp
    else:
        c.paint(rect(w * 0.3, h * 0.8, w * 0.7, h * 0.8 + 1), BLACK)


def ok_tick(c):
    w, h = c.w, c.h
    t = max(1.4, w * 0.12)
    tick = union(bar(w * 0.10, h * 0.52, w * 0.40, h * 0.82, t),
                 bar(w * 0.34, h * 0.86, w * 0.92, h * 0.14, t))
    c.paint(tick, GREEN, BLACK)


def abort_cross(c):
    w, h = c.w, c.h
    t = max(1.4, w * 0.12)
    m = w * 0.14
    cross = union(bar(m, h * 0.14, w - m, h * 0.86, t),
                  bar(w - m, h * 0.14, m, h * 0.86, t))
    c.paint(cross, RED, BLACK)


def calendar(c):
    # Reservation details: a calendar page with its rings and a booked day.
    w, h = c.w, c.h
    big = w >= 24
    x0, x1 = round(w * 0.04), w - round(w * 0.04)
    y0, y1 = round(h * 0.12), h - (1 if big else 0)
    hb = round(h * 0.36)
    c.paint(rect(x0, y0, x1, y1), WHITE, BLACK)
    c.paint(rect(x0, y0, x1, hb), RED, BLACK)
    rw = 2 if big else 1
    for rx in (0.30, 0.70):
        cx = round(w * rx)
        c.paint(rect(cx - rw // 2, 0, cx - rw // 2 + rw, round(h * 0.26)), BLACK)
    cols, rows, gap = (4, 3, 2) if big else (3, 2, 1)
    gx0, gx1 = x0 + 2, x1 - 2
    gy0, gy1 = hb + (1 if big else 1), y1 - 2
    cw = (gx1 - gx0 - (cols - 1) * gap) // cols
    ch = (gy1 - gy0 - (rows - 1) * gap) // rows
    ox = gx0 + (gx1 - gx0 - (cols * cw + (cols - 1) * gap)) // 2
    oy = gy0 + (gy1 - gy0 - (rows * ch + (rows - 1) * gap) + 1) // 2
    for r in range(rows):
        for k in range(cols):
            booked = (r == 1 and k == cols - 2)
            cx0, cy0 = ox + k * (cw + gap), oy + r * (ch + gap)
            c.paint(rect(cx0, cy0, cx0 + cw, cy0 + ch), BLUE if booked else GREY)


def person(c, cx, top, size, colour=TEAL):
    """Head and shoulders, `size` pixels high, centred on cx."""
    r = size * 0.24
    head = circle(cx, top + r + 0.2, r)
    shoulders = both(ellipse(cx, top + size, size * 0.44, size * 0.48),
                     lambda x, y: y < top + size)
    c.paint(shoulders, colour, BLACK)
    c.paint(head, colour, BLACK)


def guest_card(c):
    # Guest details: an identity card with the guest's picture and lines of data.
    w, h = c.w, c.h
    if w >= 24:
        y0, y1 = round(h * 0.16), round(h * 0.86)
        c.paint(rect(0, y0, w, y1), WHITE, BLACK)
        c.paint(rect(0, y0, w, y0 + 4), BLUE, BLACK)
        person(c, w * 0.28, y0 + 5, y1 - y0 - 6, TEAL)
        for k, f in enumerate((0.42, 0.56, 0.70)):
            y = round(h * f)
            c.paint(rect(w * 0.54, y, w * (0.88 - 0.12 * (k == 2)), y + 2), BLACK)
    else:
        y0, y1 = round(h * 0.12), h - round(h * 0.12)
        c.paint(rect(0, y0, w, y1), WHITE, BLACK)
        person(c, w * 0.30, y0 + 1, y1 - y0 - 2, TEAL)
        for f in (0.40, 0.60):
            y = round(h * f)
            c.paint(rect(round(w * 0.60), y, w - 2, y + 1), BLACK)


def envelope(c, x0, y0, x1, y1, paper=WHITE, heavy=False):
    c.paint(rect(x0, y0, x1, y1), paper, BLACK)
    if heavy:
        c.paint(rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1), None, BLACK)
    t = 0.75 if (x1 - x0) >= 20 else 0.55
    if heavy:
        t = 1.2
    mx, my = (x0 + x1) / 2.0, y0 + (y1 - y0) * 0.58
    flap = union(bar(x0 + 0.6, y0 + 0.6, mx, my, t), bar(mx, my, x1 - 0.6, y0 + 0.6, t))
    c.paint(flap, BLACK)


def messages(c):
    # Guest messages: a letter.
    w, h = c.w, c.h
    if w >= 24:
        envelope(c, w * 0.20, h * 0.10, w * 0.98, h * 0.58, WHITE)   # one behind
        envelope(c, w * 0.02, h * 0.34, w * 0.80, h * 0.90, WHITE)
    else:
        envelope(c, 0.5, h * 0.2, w - 0.5, h * 0.82, WHITE)


def pin_shape(cx, cy, r, tip):
    """A map pin: a round head of radius r at (cx, cy) narrowing to a point."""
    k = r * 0.72
    return union(circle(cx, cy, r),
                 polygon([(cx - k, cy + r * 0.7), (cx + k, cy + r * 0.7), (cx, tip)]))


def pin(c, cx, cy, r, tip, hole=True):
    c.paint(pin_shape(cx, cy, r, tip), RED, BLACK)
    if hole:
        c.paint(circle(cx, cy, max(0.9, r * 0.38)), WHITE, BLACK if r >= 6 else None)


def locator(c):
    # Guest locator: a map pin on a ground mark.
    w, h = c.w, c.h
    c.paint(ellipse(w * 0.5, h * 0.9, w * 0.34, max(1.2, h * 0.08)), GREY)
    pin(c, w * 0.5, h * 0.36, w * 0.33, h * 0.93)


def pencil(c, x0, y0, x1, y1, half):
    """A pencil lying from its end (x0, y0) to its point (x1, y1)."""
    dx, dy = x1 - x0, y1 - y0
    ln = math.hypot(dx, dy)
    ux, uy = dx / ln, dy / ln
    nx, ny = -uy * half, ux * half
    tip_len = half * 2.4
    bx, by = x1 - ux * tip_len, y1 - uy * tip_len      # where the wood starts
    eraser = half * 1.5
    ex, ey = x0 + ux * eraser, y0 + uy * eraser
    c.paint(polygon([(x0 + nx, y0 + ny), (ex + nx, ey + ny),
                     (ex - nx, ey - ny), (x0 - nx, y0 - ny)]), FUCHSIA, BLACK)
    c.paint(polygon([(ex + nx, ey + ny), (bx + nx, by + ny),
                     (bx - nx, by - ny), (ex - nx, ey - ny)]), YELLOW, BLACK)
    c.paint(polygon([(bx + nx, by + ny), (x1, y1), (bx - nx, by - ny)]), WHITE, BLACK)
    lead = tip_len * 0.4
    lx, ly = x1 - ux * lead, y1 - uy * lead
    c.paint(polygon([(lx + nx * 0.45, ly + ny * 0.45), (x1 + ux * 0.3, y1 + uy * 0.3),
                     (lx - nx * 0.45, ly - ny * 0.45)]), BLACK)


def enter_message(c):
    # Enter message: a letter being written.
    w, h = c.w, c.h
    envelope(c, 0.5, h * 0.36, w * 0.80, h * 0.92, WHITE)
    pencil(c, w * 0.95, h * 0.05, w * 0.45, h * 0.62, max(1.6, w * 0.10))


def enter_locator(c):
    # Enter locator: a map pin being written down.
    w, h = c.w, c.h
    c.paint(ellipse(w * 0.36, h * 0.91, w * 0.28, max(1.2, h * 0.07)), GREY)
    pin(c, w * 0.36, h * 0.38, w * 0.28, h * 0.94)
    pencil(c, w * 0.97, h * 0.06, w * 0.62, h * 0.62, max(1.6, w * 0.10))


def message_icon(c):
    # The indicator beside "Guest has a Message": a letter, drawn with heavy
    # lines so that it survives being shrunk into a small control.
    w, h = c.w, c.h
    heavy = w >= 24
    envelope(c, 0.5, h * 0.18, w - 0.5, h * 0.84, WHITE, heavy=heavy)


# --------------------------------------------------------------------------
# The set: id, file name, size, drawing.

BITMAPS = [
    # the picture of template 152, which no dialog shows
    (154, "guest_variant", 16, 16, guest_card),
    # large set
    (178, "exit", 23, 26, exit_door),
    (179, "back", 32, 31, back_arrow),
    (180, "print", 32, 31, printer),
    (181, "linedown", 32, 32, line_down),
    (182, "pagedown", 32, 32, page_down),
    (183, "end", 32, 32, to_end),
    (184, "ok", 32, 32, ok_tick),
    (185, "abort", 32, 32, abort_cross),
    (186, "lineup", 32, 32, line_up),
    (187, "pageup", 32, 32, page_up),
    (188, "home", 32, 32, to_home),
    (189, "reservation", 32, 32, calendar),
    (190, "guestdetails", 32, 32, guest_card),
    (191, "guestmessages", 32, 32, messages),
    (192, "guestlocator", 32, 32, locator),
    (193, "entermessage", 32, 32, enter_message),
    (194, "enterlocator", 32, 32, enter_locator),
    # small set
    (195, "exit_small", 14, 14, exit_door),
    (196, "back_small", 18, 17, back_arrow),
    (197, "print_small", 18, 17, printer),
    (198, "pagedown_small", 16, 17, page_down),
    (199, "pageup_small", 16, 17, page_up),
    (200, "linedown_small", 16, 16, line_down),
    (202, "end_small", 16, 17, to_end),
    (203, "lineup_small", 16, 15, line_up),
    (204, "home_small", 16, 17, to_home),
    (205, "ok_small", 14, 13, ok_tick),
    (206, "abort_small", 15, 14, abort_cross),
    (207, "reservation_small", 16, 16, calendar),
    (208, "guestdetails_small", 16, 16, guest_card),
    (209, "guestmessages_small", 16, 16, messages),
    (210, "guestlocator_small", 15, 16, locator),
    (211, "entermessage_small", 17, 17, enter_message),
    (212, "enterlocator_small", 17, 17, enter_locator),
]

# The Win32 build's own pictures, on its button face RGB(212, 208, 200): the
# same drawings at the sizes of that build, with palette entry 7 set to
# that grey.
WIN32_FACE = (212, 208, 200)
WIN32_BITMAPS = [
    (20021, "message_w32", 16, 16, message_icon),
    (20022, "back_w32", 33, 32, back_arrow),
    (20023, "exit_w32", 21, 24, exit_door),
    (20024, "print_w32", 32, 31, printer),
    (20025, "linedown_w32", 33, 33, line_down),
    (20026, "pagedown_w32", 33, 35, page_down),
    (20027, "end_w32", 33, 35, to_end),
    (20028, "ok_w32", 30, 28, ok_tick),
    (20029, "abort_w32", 32, 30, abort_cross),
    (20030, "lineup_w32", 33, 32, line_up),
    (20031, "pageup_w32", 33, 35, page_up),
    (20032, "home_w32", 33, 35, to_home),
    (20033, "reservation_w32", 32, 33, calendar),
    (20034, "guestdetails_w32", 33, 33, guest_card),
    (20035, "guestmessages_w32", 35, 34, messages),
    (20036, "guestlocator_w32", 31, 33, locator),
    (20037, "entermessage_w32", 35, 34, enter_message),
    (20038, "enterlocator_w32", 35, 35, enter_locator),
]

ICON_ID = 170
ICON_FILE = "ico170_message.ico"
ICON_SIZES = (32, 16)


def bitmap_file(rid, name):
    return "bmp%d_%s.bmp" % (rid, name)


# --------------------------------------------------------------------------
# File formats.

def palette_bytes(face=None):
    colours = list(PALETTE)
    if face:
        colours[FACE] = face
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in colours)


def pack_4bpp_rows(px, w, h):
    """Bottom-up rows of 4-bit indices, each padded to a multiple of 4 bytes."""
    stride = ((w * 4 + 31) // 32) * 4
    out = bytearray()
    for j in range(h - 1, -1, -1):
        row = bytearray(stride)
        for i in range(w):
            v = px[j][i] & 0x0F
            if i % 2 == 0:
                row[i // 2] |= v << 4
            else:
                row[i // 2] |= v
        out += row
    return bytes(out), stride


def bmp_bytes(canvas, face=None):
    w, h = canvas.w, canvas.h
    bits, stride = pack_4bpp_rows(canvas.px, w, h)
    pal = palette_bytes(face)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 4, 0, len(bits), 0, 0, 16, 0)
    offset = 14 + len(info) + len(pal)
    head = struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset)
    return head + info + pal + bits


def icon_image_bytes(canvas):
    """One icon image: header with doubled height, palette, colour bits, mask."""
    w, h = canvas.w, canvas.h
    colour = [[0 if v == TRANSPARENT else v for v in row] for row in canvas.px]
    bits, _ = pack_4bpp_rows(colour, w, h)
    mstride = ((w + 31) // 32) * 4
    mask = bytearray()
    for j in range(h - 1, -1, -1):
        row = bytearray(mstride)
        for i in range(w):
            if canvas.px[j][i] == TRANSPARENT:
                row[i // 8] |= 0x80 >> (i % 8)
        mask += row
    info = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 4, 0,
                       len(bits) + len(mask), 0, 0, 16, 0)
    return info + palette_bytes() + bits + bytes(mask)


def ico_bytes(canvases):
    images = [icon_image_bytes(c) for c in canvases]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for c, data in zip(canvases, images):
        out += struct.pack("<BBBBHHII", c.w % 256, c.h % 256, 16, 0, 1, 4,
                           len(data), offset)
        offset += len(data)
    return out + b"".join(images)


# --------------------------------------------------------------------------

def draw(fn, w, h, background=FACE):
    c = Canvas(w, h, background)
    fn(c)
    return c


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    out_dir = argv[1] if len(argv) > 1 else here
    written = []
    sets = [(BITMAPS, None), (WIN32_BITMAPS, WIN32_FACE)]
    for bitmaps, face in sets:
        for rid, name, w, h, fn in bitmaps:
            c = draw(fn, w, h)
            assert (c.w, c.h) == (w, h)
            path = os.path.join(out_dir, bitmap_file(rid, name))
            with open(path, "wb") as f:
                f.write(bmp_bytes(c, face))
            written.append(path)
    icons = [draw(message_icon, s, s, TRANSPARENT) for s in ICON_SIZES]
    path = os.path.join(out_dir, ICON_FILE)
    with open(path, "wb") as f:
        f.write(ico_bytes(icons))
    written.append(path)
    for p in written:
        print(os.path.relpath(p, out_dir))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
