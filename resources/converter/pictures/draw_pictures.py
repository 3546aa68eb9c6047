#!/usr/bin/env python3
"""Draws the converter dialog's pictures from nothing but this file and the DejaVu fonts.

Writes bitmap_<id>.bmp (24 bits per pixel, BITMAPINFOHEADER, bottom-up) for the
buttons, the bullet and the background, and icon_128.ico (32x32 and 16x16).
Shapes are drawn here with anti-aliased distance functions; words come from
ImageMagick as plain grey masks (PGM), so every byte written is ours and the
output is the same on every run.

    draw_pictures.py --out DIR --convert CONVERT --fonts FONTDIR [--mockup PREFIX]

--mockup also writes PREFIX.png and PREFIX-hover.png: the whole dialog as it
lays out at 96 dpi, with every button at rest and hovered, for judging the look.
"""

import argparse
import math
import os
import struct
import subprocess
import sys
import zlib

# One palette for every picture.
INK = (26, 52, 89)            # header band, primary buttons, the mark
AMBER = (240, 168, 48)        # the accent: header rule, hover marks
AMBER_DEEP = (214, 138, 22)
AMBER_PALE = (253, 239, 212)
PAPER = (247, 249, 252)       # the body the labels sit on
RULE = (208, 218, 231)        # hairlines and field borders
WHITE = (255, 255, 255)
HEADER_TEXT = (222, 232, 245)

# Background: 639x417 pixels, stretched over the dialog's 424x255 dialog units.
BACK_W, BACK_H = 639, 417
HEADER_H = 61                 # the top buttons are 56 pixels high
FOOT_Y = 374                  # Create and Exit end near 341


def back_x(du):
    return du * BACK_W / 424.0


def back_y(du):
    return du * BACK_H / 255.0


def clamp01(v):
    return 0.0 if v < 0.0 else 1.0 if v > 1.0 else v


# --- shapes as signed distance functions (negative inside), with a bounding box

class Shape:
    def __init__(self, sd, box):
        self.sd = sd
        self.box = box          # x0, y0, x1, y1 in pixels

    def __or__(self, other):
        a, b = self.sd, other.sd
        return Shape(lambda x, y: min(a(x, y), b(x, y)), union_box(self.box, other.box))

    def __sub__(self, other):
        a, b = self.sd, other.sd
        return Shape(lambda x, y: max(a(x, y), -b(x, y)), self.box)

    def stroke(self, width):
        a, h = self.sd, width / 2.0
        x0, y0, x1, y1 = self.box
        return Shape(lambda x, y: abs(a(x, y)) - h, (x0 - h, y0 - h, x1 + h, y1 + h))


def union_box(a, b):
    return (min(a[0], b[0]), min(a[1], b[1]), max(a[2], b[2]), max(a[3], b[3]))


def circle(cx, cy, r):
    return Shape(lambda x, y: math.hypot(x - cx, y - cy) - r, (cx - r, cy - r, cx + r, cy + r))


def ellipse(cx, cy, rx, ry):
    # Close to the true distance near the outline, which is all the edges need.
    def sd(x, y):
        u, v = (x - cx) / rx, (y - cy) / ry
        k = math.hypot(u, v)
        if k == 0.0:
            return -min(rx, ry)
        g = math.hypot(u / rx, v / ry)
        return (k - 1.0) * k / g
    return Shape(sd, (cx - rx, cy - ry, cx + rx, cy + ry))


def round_rect(x0, y0, x1, y1, r):
    cx, cy = (x0 + x1) / 2.0, (y0 + y1) / 2.0
    hx, hy = (x1 - x0) / 2.0 - r, (y1 - y0) / 2.0 - r

    def sd(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        return math.hypot(max(qx, 0.0), max(qy, 0.0)) + min(max(qx, qy), 0.0) - r
    return Shape(sd, (x0, y0, x1, y1))


def segment(ax, ay, bx, by, width):
    h = width / 2.0
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy

    def sd(x, y):
        t = clamp01(((x - ax) * dx + (y - ay) * dy) / length2) if length2 else 0.0
        return math.hypot(x - ax - t * dx, y - ay - t * dy) - h
    return Shape(sd, (min(ax, bx) - h, min(ay, by) - h, max(ax, bx) + h, max(ay, by) + h))


def polyline(points, width):
    shape = segment(*points[0], *points[1], width)
    for a, b in zip(points[1:], points[2:]):
        shape = shape | segment(*a, *b, width)
    return shape


def polygon(points):
    n = len(points)

    def sd(x, y):
        best = float("inf")
        inside = False
        for i in range(n):
            ax, ay = points[i]
            bx, by = points[i - 1]
            ex, ey = bx - ax, by - ay
            wx, wy = x - ax, y - ay
            t = clamp01((wx * ex + wy * ey) / (ex * ex + ey * ey))
            best = min(best, math.hypot(wx - ex * t, wy - ey * t))
            if (ay > y) != (by > y) and x < ax + (y - ay) * ex / ey:
                inside = not inside
        return -best if inside else best
    xs, ys = [p[0] for p in points], [p[1] for p in points]
    return Shape(sd, (min(xs), min(ys), max(xs), max(ys)))


def half_plane_below(y_limit):
    """Everything below the line y = y_limit (larger y)."""
    return Shape(lambda x, y: y_limit - y, (-1e9, y_limit, 1e9, 1e9))


def ink_drop(cx, cy, r):
    """A drop whose round belly (radius r) sits at cx, cy and whose tip points up."""
    tip_y = cy - 2.1 * r
    d = cy - tip_y
    # The two sides are the tangents from the tip to the belly.
    a = math.asin(r / d)
    tx, ty = r * math.cos(a), cy - r * math.sin(a)
    side = polygon([(cx, tip_y), (cx + tx, ty), (cx - tx, ty)])
    return circle(cx, cy, r) | side


# --- a canvas of linear RGB floats, painted with coverage

class Canvas:
    def __init__(self, w, h, colour):
        self.w, self.h = w, h
        n = w * h
        self.r = [float(colour[0])] * n
        self.g = [float(colour[1])] * n
        self.b = [float(colour[2])] * n

    def fill_rect(self, x0, y0, x1, y1, colour):
        for y in range(max(0, y0), min(self.h, y1)):
            row = y * self.w
            a, b = row + max(0, x0), row + min(self.w, x1)
            if a < b:
                self.r[a:b] = [float(colour[0])] * (b - a)
                self.g[a:b] = [float(colour[1])] * (b - a)
                self.b[a:b] = [float(colour[2])] * (b - a)

    def blend(self, i, colour, a):
        self.r[i] += (colour[0] - self.r[i]) * a
        self.g[i] += (colour[1] - self.g[i]) * a
        self.b[i] += (colour[2] - self.b[i]) * a

    def paint(self, shape, colour, opacity=1.0):
        x0, y0, x1, y1 = shape.box
        xa, xb = max(0, int(math.floor(x0)) - 1), min(self.w, int(math.ceil(x1)) + 1)
        ya, yb = max(0, int(math.floor(y0)) - 1), min(self.h, int(math.ceil(y1)) + 1)
        sd = shape.sd
        for y in range(ya, yb):
            row = y * self.w
            for x in range(xa, xb):
                a = clamp01(0.5 - sd(x + 0.5, y + 0.5)) * opacity
                if a > 0.0:
                    self.blend(row + x, colour, a)

    def paint_mask(self, mask, left, top, colour, opacity=1.0):
        for my in range(mask.h):
            y = top + my
            if not 0 <= y < self.h:
                continue
            for mx in range(mask.w):
                x = left + mx
                v = mask.data[my * mask.w + mx]
                if v and 0 <= x < self.w:
                    self.blend(y * self.w + x, colour, v / 255.0 * opacity)

    def paste(self, other, left, top):
        for y in range(other.h):
            ty = top + y
            if not 0 <= ty < self.h:
                continue
            for x in range(other.w):
                tx = left + x
                if 0 <= tx < self.w:
                    i, j = ty * self.w + tx, y * other.w + x
                    self.r[i], self.g[i], self.b[i] = other.r[j], other.g[j], other.b[j]

    def stretched(self, w, h):
        """Nearest-pixel stretch, as a plain StretchBlt copy does it."""
        out = Canvas(w, h, (0, 0, 0))
        for y in range(h):
            sy = y * self.h // h
            for x in range(w):
                sx = x * self.w // w
                i, j = y * w + x, sy * self.w + sx
                out.r[i], out.g[i], out.b[i] = self.r[j], self.g[j], self.b[j]
        return out

    def rgb_rows(self):
        """Rows of bytes R, G, B from the top."""
        rows = []
        for y in range(self.h):
            row = bytearray()
            for i in range(y * self.w, (y + 1) * self.w):
                row += bytes((to_byte(self.r[i]), to_byte(self.g[i]), to_byte(self.b[i])))
            rows.append(row)
        return rows


def to_byte(v):
    return max(0, min(255, int(round(v))))


def bgr_rows_bottom_up(canvas):
    rows = []
    for row in reversed(canvas.rgb_rows()):
        out = bytearray(len(row))
        out[0::3], out[1::3], out[2::3] = row[2::3], row[1::3], row[0::3]
        rows.append(bytes(out))
    return rows


# --- file formats

def bmp24_bytes(canvas):
    stride = (canvas.w * 3 + 3) & ~3
    pixels = b"".join(row + b"\0" * (stride - len(row)) for row in bgr_rows_bottom_up(canvas))
    info = struct.pack("<IiiHHIIiiII", 40, canvas.w, canvas.h, 1, 24, 0, len(pixels), 0, 0, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return header + info + pixels


def icon_image_bytes(canvas, alpha):
    """One icon image: 32-bit colour with alpha, then the 1-bit mask for old systems."""
    w, h = canvas.w, canvas.h
    colour = bytearray()
    for y in reversed(range(h)):
        for x in range(w):
            i = y * w + x
            a = to_byte(alpha[i] * 255.0)
            colour += bytes((to_byte(canvas.b[i]), to_byte(canvas.g[i]), to_byte(canvas.r[i]), a))
    mask_stride = ((w + 31) // 32) * 4
    mask = bytearray()
    for y in reversed(range(h)):
        row = bytearray(mask_stride)
        for x in range(w):
            if alpha[y * w + x] < 0.5:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    info = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 32, 0, len(colour) + len(mask), 0, 0, 0, 0)
    return info + colour + mask


def ico_bytes(images):
    """images: list of (canvas, alpha)."""
    blobs = [icon_image_bytes(c, a) for c, a in images]
    out = struct.pack("<HHH", 0, 1, len(blobs))
    offset = 6 + 16 * len(blobs)
    for (canvas, _), blob in zip(images, blobs):
        out += struct.pack("<BBBBHHII", canvas.w % 256, canvas.h % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    return out + b"".join(blobs)


def png_bytes(canvas):
    raw = b"".join(b"\0" + bytes(row) for row in canvas.rgb_rows())

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    header = struct.pack(">IIBBBBB", canvas.w, canvas.h, 8, 2, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


# --- words, rendered by ImageMagick into grey masks

class Mask:
    def __init__(self, w, h, data):
        self.w, self.h, self.data = w, h, data

    def ink_columns(self):
        """First and one past the last column that holds any ink."""
        cols = [x for x in range(self.w) if any(self.data[y * self.w + x] for y in range(self.h))]
        return (cols[0], cols[-1] + 1) if cols else (0, 0)


def parse_pgm(data):
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        start = pos
        while not data[pos:pos + 1].isspace():
            pos += 1
        fields.append(data[start:pos])
    if fields[0] != b"P5" or int(fields[3]) != 255:
        raise ValueError("unexpected grey map from ImageMagick")
    w, h = int(fields[1]), int(fields[2])
    pixels = data[pos + 1:pos + 1 + w * h]
    if len(pixels) != w * h:
        raise ValueError("short grey map from ImageMagick")
    return Mask(w, h, pixels)


class Typesetter:
    def __init__(self, convert, fonts):
        self.convert, self.fonts = convert, fonts
        self.cache = {}

    def mask(self, text, font, size):
        key = (text, font, size)
        if key not in self.cache:
            command = [self.convert, "-background", "black", "-fill", "white",
                       "-font", os.path.join(self.fonts, font), "-pointsize", str(size),
                       "label:" + text.replace("\\", "\\\\").replace("%", "%%"), "-depth", "8", "pgm:-"]
            result = subprocess.run(command, stdout=subprocess.PIPE, check=True)
            self.cache[key] = parse_pgm(result.stdout)
        return self.cache[key]

    def draw(self, canvas, text, font, size, colour, cx, top, mnemonic=None):
        """Draws text centred on cx by its ink; top is the top of the line box.
        mnemonic: the index of the letter to underline, as the '&' of a button text marks it."""
        m = self.mask(text, font, size)
        ink0, ink1 = m.ink_columns()
        left = int(round(cx - (ink0 + ink1) / 2.0))
        canvas.paint_mask(m, left, top, colour)
        if mnemonic is not None:
            letter = self.mask(text[mnemonic], font, size)
            l0, l1 = letter.ink_columns()
            end = self.mask(text[:mnemonic + 1], font, size).ink_columns()[1]
            y = top + self.baseline(font, size) + 2
            canvas.fill_rect(left + end - (l1 - l0), y, left + end, y + 1, colour)
        return m

    def draw_at(self, canvas, text, font, size, colour, position):
        """Draws text with the top left of its line box at position, as a static control does."""
        canvas.paint_mask(self.mask(text, font, size), position[0], position[1], colour)

    def baseline(self, font, size):
        """Rows from the top of the line box to the baseline (the bottom of an 'H')."""
        m = self.mask("H", font, size)
        rows = [y for y in range(m.h) if any(m.data[y * m.w:(y + 1) * m.w])]
        return rows[-1] + 1


LABEL_FONT = "DejaVuSansCondensed-Bold.ttf"
BUTTON_FONT = "DejaVuSans-Bold.ttf"
BRAND_FONT = "DejaVuSans-Bold.ttf"
TEXT_FONT = "DejaVuSans.ttf"          # stands in for Verdana in the mock-up


# --- the five header pictures: an icon over a word on the header band

def icon_grid(canvas, cx, cy, colour, _typesetter):
    for dx in (-6, 6):
        for dy in (-6, 6):
            canvas.paint(round_rect(cx + dx - 4.5, cy + dy - 4.5, cx + dx + 4.5, cy + dy + 4.5, 2), colour)


def icon_cart(canvas, cx, cy, colour, _typesetter):
    x, y = cx - 11, cy - 9
    canvas.paint(polyline([(x, y), (x + 4, y), (x + 7, y + 12), (x + 19, y + 12), (x + 21.5, y + 4), (x + 5.5, y + 4)], 2.2), colour)
    canvas.paint(polygon([(x + 6, y + 5), (x + 20.5, y + 5), (x + 18.5, y + 11), (x + 7.5, y + 11)]), colour, 0.45)
    canvas.paint(circle(x + 9, y + 16.5, 2.1), colour)
    canvas.paint(circle(x + 17, y + 16.5, 2.1), colour)


def icon_globe(canvas, cx, cy, colour, _typesetter):
    r = 10.5
    canvas.paint(circle(cx, cy, r).stroke(2), colour)
    canvas.paint(ellipse(cx, cy, r * 0.42, r).stroke(1.6), colour)
    canvas.paint(segment(cx, cy - r, cx, cy + r, 1.6), colour)
    canvas.paint(segment(cx - r, cy, cx + r, cy, 1.6), colour)
    for dy in (-5.2, 5.2):
        half = math.sqrt(r * r - dy * dy) - 0.6
        canvas.paint(segment(cx - half, cy + dy, cx + half, cy + dy, 1.4), colour)


def icon_headset(canvas, cx, cy, colour, _typesetter):
    arc = (circle(cx, cy + 1, 9.5).stroke(2.2)) - half_plane_below(cy + 2)
    canvas.paint(arc, colour)
    canvas.paint(round_rect(cx - 12, cy + 0.5, cx - 6, cy + 10, 2.2), colour)
    canvas.paint(round_rect(cx + 6, cy + 0.5, cx + 12, cy + 10, 2.2), colour)
    canvas.paint(polyline([(cx + 9, cy + 10), (cx + 8, cy + 12.5), (cx + 2, cy + 12.5)], 1.6), colour)
    canvas.paint(round_rect(cx - 1.5, cy + 11, cx + 3, cy + 14, 1.4), colour)


def icon_help(canvas, cx, cy, colour, typesetter):
    canvas.paint(circle(cx, cy, 10.5).stroke(2), colour)
    m = typesetter.mask("?", BUTTON_FONT, 15)
    ink0, ink1 = m.ink_columns()
    rows = [y for y in range(m.h) if any(m.data[y * m.w:(y + 1) * m.w])]
    canvas.paint_mask(m, int(round(cx - (ink0 + ink1) / 2.0)),
                      int(round(cy - (rows[0] + rows[-1] + 1) / 2.0)), colour)


HEADER_BUTTONS = [
    # word, width, normal id, hover id, icon, left edge in dialog units
    ("Other Products", 90, 146, 148, icon_grid, 102),
    ("Buy Now", 78, 151, 153, icon_cart, 171),
    ("Website", 54, 154, 149, icon_globe, 236),
    ("Online Support", 92, 143, 145, icon_headset, 293),
    ("Help", 55, 140, 142, icon_help, 368),
]
HEADER_BUTTON_H = 56
HEADER_LABEL_SIZE = 10.5


def header_button(word, width, icon, hover, typesetter):
    c = Canvas(width, HEADER_BUTTON_H, INK)
    if hover:
        c.paint(round_rect(1.5, 2.5, width - 1.5, HEADER_BUTTON_H - 1.5, 6), WHITE, 0.13)
        c.paint(round_rect(width / 2.0 - 12, HEADER_BUTTON_H - 4.5, width / 2.0 + 12, HEADER_BUTTON_H - 1.5, 1.5), AMBER)
    icon_colour = AMBER if hover else WHITE
    cx = width / 2.0
    icon(c, cx, 19.0, icon_colour, typesetter)
    typesetter.draw(c, word, LABEL_FONT, HEADER_LABEL_SIZE, WHITE if hover else HEADER_TEXT, cx, 35)
    return c


# --- Browse, Create and Exit: 77x25 on the body

ACTION_BUTTONS = [
    # word, mnemonic index (the template's '&'), normal id, hover id, primary, top left in dialog units
    ("Browse", 0, 131, 133, False, (336, 69)),
    ("Create", 0, 134, 136, True, (35, 193)),
    ("Exit", 1, 137, 130, False, (336, 193)),
]
ACTION_W, ACTION_H = 77, 25


def action_button(word, mnemonic, primary, hover, typesetter):
    c = Canvas(ACTION_W, ACTION_H, PAPER)
    face = round_rect(0, 0, ACTION_W, ACTION_H, 5)
    inner = round_rect(1.25, 1.25, ACTION_W - 1.25, ACTION_H - 1.25, 4)
    if primary:
        fill, edge, text = (AMBER, AMBER_DEEP, INK) if hover else (INK, INK, WHITE)
    else:
        fill, edge, text = (AMBER_PALE, AMBER_DEEP, INK) if hover else (WHITE, INK, INK)
    c.paint(face, edge)
    c.paint(inner, fill)
    m = typesetter.mask(word, BUTTON_FONT, 11)
    typesetter.draw(c, word, BUTTON_FONT, 11, text, ACTION_W / 2.0, (ACTION_H - m.h) // 2, mnemonic)
    return c


# --- the bullet (26x26, on the body) and the mark

def bullet():
    c = Canvas(26, 26, PAPER)
    c.paint(circle(13, 13, 8.5), INK)
    c.paint(polyline([(11, 9), (15, 13), (11, 17)], 2.2), AMBER)
    return c


def paint_mark(canvas, cx, cy, scale, colour, opacity=1.0):
    """The product's mark: an ink drop."""
    canvas.paint(ink_drop(cx, cy + 2.6 * scale, 5.2 * scale), colour, opacity)


def background(typesetter):
    c = Canvas(BACK_W, BACK_H, PAPER)
    c.fill_rect(0, 0, BACK_W, HEADER_H, INK)
    c.fill_rect(0, HEADER_H, BACK_W, HEADER_H + 3, AMBER)
    # The brand on the left of the header, clear of the first picture button.
    paint_mark(c, 24, 22, 2.0, WHITE)
    typesetter.draw(c, "Inkvale", BRAND_FONT, 21, WHITE, 84, 16)

    # A white field behind the status line (which paints white itself) and one
    # behind the destination line, so both read as fields on the calm body.
    def field(x0, y0, x1, y1):
        c.paint(round_rect(x0, y0, x1, y1, 3), RULE)
        c.paint(round_rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, 2), WHITE)
    field(back_x(83) - 4, back_y(45) - 4, back_x(83 + 185) + 4, back_y(45 + 19) + 4)
    field(back_x(37) - 8, back_y(94) - 6, back_x(336) + ACTION_W, back_y(94) + 21)

    # The mark, faint, in the empty corner between the fields and Exit.
    paint_mark(c, 556, 236, 6.0, INK, 0.05)
    # The foot mirrors the header, well below Create and Exit.
    c.fill_rect(0, FOOT_Y, BACK_W, FOOT_Y + 3, AMBER)
    c.fill_rect(0, FOOT_Y + 3, BACK_W, BACK_H, INK)
    return c


def window_icon(size):
    """The mark over an amber line, white on an ink tile; returns the canvas and its alpha."""
    tile = round_rect(0.5, 0.5, size - 0.5, size - 0.5, size * 0.2)
    c = Canvas(size, size, INK)
    alpha = [clamp01(0.5 - tile.sd(x + 0.5, y + 0.5)) for y in range(size) for x in range(size)]
    s = size / 32.0
    paint_mark(c, size / 2.0, 13.8 * s, 1.05 * s, WHITE)
    line_top = math.floor(25 * s + 0.5)
    c.paint(round_rect(8 * s, line_top, 24 * s, line_top + max(2, round(2.5 * s)), 1.0), AMBER)
    return c, alpha


# --- the mock-up: the dialog laid out at 96 dpi (dialog unit = 1.5 x 1.625 pixels)

CLIENT_W, CLIENT_H = 636, 414


def du(x, y):
    return int(x * 6 // 4), int(y * 13 // 8)


def mockup(pictures, hover, typesetter):
    c = pictures[156].stretched(CLIENT_W, CLIENT_H)
    for _, _, normal, hover_id, _, left in HEADER_BUTTONS:
        c.paste(pictures[hover_id if hover else normal], *du(left, 0))
    for _, _, normal, hover_id, _, place in ACTION_BUTTONS:
        c.paste(pictures[hover_id if hover else normal], *du(*place))
    c.paste(pictures[157], *du(13, 42))
    c.paste(pictures[157], *du(13, 70))
    x, y = du(83, 45)
    x1, y1 = du(83 + 185, 45 + 19)
    c.fill_rect(x, y, x1, y1, WHITE)
    black = (0, 0, 0)
    labels = [
        ("Please select destination path.", TEXT_FONT, (x, y)),
        ("Status:", BUTTON_FONT, du(36, 45)),
        ("Select PDF file path", BUTTON_FONT, du(35, 74)),
        ("C:\\Documents and Settings\\user\\My Documents\\mypdf.pdf", TEXT_FONT, du(37, 94)),
        ("Open pdf file after conversion ", TEXT_FONT, du(49, 163)),
    ]
    for text, font, position in labels:
        typesetter.draw_at(c, text, font, 11 if font == BUTTON_FONT else 10.5, black, position)
    bx, by = du(36, 163)
    c.fill_rect(bx, by, bx + 13, by + 13, (128, 128, 128))
    c.fill_rect(bx + 1, by + 1, bx + 12, by + 12, WHITE)
    c.paint(polyline([(bx + 3, by + 6.5), (bx + 5.5, by + 9), (bx + 10, by + 4)], 1.8), black)
    return c


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", required=True)
    parser.add_argument("--convert", required=True, help="ImageMagick's convert")
    parser.add_argument("--fonts", required=True, help="the folder of the DejaVu fonts")
    parser.add_argument("--mockup", help="also write PREFIX.png and PREFIX-hover.png")
    args = parser.parse_args()

    typesetter = Typesetter(args.convert, args.fonts)
    pictures = {}
    for word, width, normal, hover, icon, _ in HEADER_BUTTONS:
        pictures[normal] = header_button(word, width, icon, False, typesetter)
        pictures[hover] = header_button(word, width, icon, True, typesetter)
    for word, mnemonic, normal, hover, primary, _ in ACTION_BUTTONS:
        pictures[normal] = action_button(word, mnemonic, primary, False, typesetter)
        pictures[hover] = action_button(word, mnemonic, primary, True, typesetter)
    pictures[156] = background(typesetter)
    pictures[157] = bullet()

    os.makedirs(args.out, exist_ok=True)
    for picture_id, canvas in sorted(pictures.items()):
        write(os.path.join(args.out, "bitmap_%d.bmp" % picture_id), bmp24_bytes(canvas))
    write(os.path.join(args.out, "icon_128.ico"), ico_bytes([window_icon(32), window_icon(16)]))

    if args.mockup:
        write(args.mockup + ".png", png_bytes(mockup(pictures, False, typesetter)))
        write(args.mockup + "-hover.png", png_bytes(mockup(pictures, True, typesetter)))
    return 0


def write(path, data):
    # Written whole under a temporary name, so a broken run leaves no half file behind.
    temporary = path + ".part"
    with open(temporary, "wb") as f:
        f.write(data)
    os.replace(temporary, path)


if __name__ == "__main__":
    sys.exit(main())
