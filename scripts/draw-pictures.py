#!/usr/bin/env python3
"""Draws Kettwerk's pictures into src/ui/resources as PNG files, the
program's icon for desktops into data/icons, and the same icon for Windows
(the programs' and the installer's) into data/windows/kettwerk.ico.

Needs nothing beyond the Python 3 standard library: every picture is built
from simple shapes (polygons, circles, rounded rectangles, thick lines),
sampled 5 x 5 times per pixel for smooth edges, and written with zlib.

Each picture is drawn in its design size and again at twice that
("name@2x.png"), from which Qt paints on screens scaled by more than 1; the
close cross, which the window shows at twice its design size, also at four
times ("close@4x.png").

    python3 scripts/draw-pictures.py
"""

import math
import struct
import zlib
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
RESOURCES = ROOT / "src" / "ui" / "resources"
DESKTOP_ICONS = ROOT / "data" / "icons" / "hicolor"
WINDOWS_ICON = ROOT / "data" / "windows" / "kettwerk.ico"

SAMPLES = 5  # per axis and pixel


# --- shapes ---------------------------------------------------------------
#
# A shape is a point test plus a bounding box (x0, y0, x1, y1). Coordinates
# are in design pixels, (0, 0) being the top-left corner of the top-left
# pixel; a canvas drawn at a larger scale samples them more finely.


class Shape:
    def __init__(self, test, box):
        self.test = test
        self.box = box

    def __or__(self, other):
        a, b = self.test, other.test
        return Shape(lambda x, y: a(x, y) or b(x, y), _union_box(self.box, other.box))

    def __and__(self, other):
        a, b = self.test, other.test
        box = (max(self.box[0], other.box[0]), max(self.box[1], other.box[1]),
               min(self.box[2], other.box[2]), min(self.box[3], other.box[3]))
        return Shape(lambda x, y: a(x, y) and b(x, y), box)

    def __sub__(self, other):
        a, b = self.test, other.test
        return Shape(lambda x, y: a(x, y) and not b(x, y), self.box)


def _union_box(p, q):
    return (min(p[0], q[0]), min(p[1], q[1]), max(p[2], q[2]), max(p[3], q[3]))


def rect(x0, y0, x1, y1, radius=0.0):
    """Axis-parallel rectangle, optionally with rounded corners."""
    r = max(0.0, min(radius, (x1 - x0) / 2, (y1 - y0) / 2))

    def test(x, y):
        if x < x0 or x > x1 or y < y0 or y > y1:
            return False
        if r == 0:
            return True
        dx = max(x0 + r - x, 0.0, x - (x1 - r))
        dy = max(y0 + r - y, 0.0, y - (y1 - r))
        return dx * dx + dy * dy <= r * r

    return Shape(test, (x0, y0, x1, y1))


def circle(cx, cy, r):
    return Shape(lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r,
                 (cx - r, cy - r, cx + r, cy + r))


def polygon(points):
    """Filled polygon, non-zero winding rule."""
    pts = list(points)
    edges = list(zip(pts, pts[1:] + pts[:1]))

    def test(x, y):
        winding = 0
        for (ax, ay), (bx, by) in edges:
            if ay <= y < by or by <= y < ay:
                cross = (bx - ax) * (y - ay) - (x - ax) * (by - ay)
                if ay <= y < by and cross > 0:
                    winding += 1
                elif by <= y < ay and cross < 0:
                    winding -= 1
        return winding != 0

    xs = [p[0] for p in pts]
    ys = [p[1] for p in pts]
    return Shape(test, (min(xs), min(ys), max(xs), max(ys)))


def line(p, q, width):
    """Thick line with round ends."""
    (ax, ay), (bx, by) = p, q
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy or 1e-12
    h = width / 2

    def test(x, y):
        t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / length2))
        ex, ey = x - (ax + t * dx), y - (ay + t * dy)
        return ex * ex + ey * ey <= h * h

    return Shape(test, (min(ax, bx) - h, min(ay, by) - h, max(ax, bx) + h, max(ay, by) + h))


def polyline(points, width, closed=False):
    pts = list(points)
    pairs = list(zip(pts, pts[1:] + (pts[:1] if closed else [])))
    shape = line(*pairs[0], width)
    for p, q in pairs[1:]:
        shape = shape | line(p, q, width)
    return shape


def stadium(cx, cy, half_length, radius, angle):
    """Rounded bar: all points within radius of a segment of 2 * half_length
    through (cx, cy), turned by angle (radians, counter-clockwise on screen)."""
    ux, uy = math.cos(angle), -math.sin(angle)
    p = (cx - ux * half_length, cy - uy * half_length)
    q = (cx + ux * half_length, cy + uy * half_length)
    return line(p, q, 2 * radius)


def inset(points, d):
    """Moves every edge of a convex polygon inwards by d."""
    pts = list(points)
    n = len(pts)
    area = sum(pts[i][0] * pts[(i + 1) % n][1] - pts[(i + 1) % n][0] * pts[i][1]
               for i in range(n))
    sign = 1 if area > 0 else -1
    lines = []
    for i in range(n):
        (ax, ay), (bx, by) = pts[i], pts[(i + 1) % n]
        ex, ey = bx - ax, by - ay
        length = math.hypot(ex, ey)
        nx, ny = -ey / length * sign, ex / length * sign  # inward normal
        lines.append(((ax + nx * d, ay + ny * d), (ex, ey)))
    out = []
    for i in range(n):
        (p, r), (q, s) = lines[i - 1], lines[i]
        denom = r[0] * s[1] - r[1] * s[0]
        t = ((q[0] - p[0]) * s[1] - (q[1] - p[1]) * s[0]) / denom
        out.append((p[0] + t * r[0], p[1] + t * r[1]))
    return out


# --- canvas ---------------------------------------------------------------


def rgb(hex_colour):
    h = hex_colour.lstrip("#")
    return tuple(int(h[i:i + 2], 16) / 255 for i in (0, 2, 4))


class Canvas:
    def __init__(self, width, height, scale=1):
        """A picture of width x height design pixels, drawn with scale x scale
        pixels of the file for each of them."""
        self.scale = scale
        self.width = round(width * scale)
        self.height = round(height * scale)
        self.pixels = [[0.0, 0.0, 0.0, 0.0] for _ in range(self.width * self.height)]

    def _coverage(self, shape):
        """Yields each pixel that shape touches with the share it covers."""
        s = self.scale
        x0 = max(0, int(math.floor(shape.box[0] * s)))
        y0 = max(0, int(math.floor(shape.box[1] * s)))
        x1 = min(self.width, int(math.ceil(shape.box[2] * s)))
        y1 = min(self.height, int(math.ceil(shape.box[3] * s)))
        offsets = [(i + 0.5) / SAMPLES for i in range(SAMPLES)]
        total = SAMPLES * SAMPLES
        test = shape.test
        for py in range(y0, y1):
            for px in range(x0, x1):
                hits = sum(1 for oy in offsets for ox in offsets
                           if test((px + ox) / s, (py + oy) / s))
                if hits:
                    yield self.pixels[py * self.width + px], hits / total

    def fill(self, shape, colour, opacity=1.0):
        """Paints shape over what is there, with smooth edges."""
        cr, cg, cb = rgb(colour)
        for pixel, cover in self._coverage(shape):
            sa = opacity * cover
            da = pixel[3]
            oa = sa + da * (1 - sa)
            keep = da * (1 - sa)
            pixel[0] = (cr * sa + pixel[0] * keep) / oa
            pixel[1] = (cg * sa + pixel[1] * keep) / oa
            pixel[2] = (cb * sa + pixel[2] * keep) / oa
            pixel[3] = oa

    def erase(self, shape):
        """Makes shape transparent again, with smooth edges."""
        for pixel, cover in self._coverage(shape):
            pixel[3] *= 1 - cover

    def _straight_rgba(self, px, py):
        """The pixel as 8-bit red, green, blue and alpha; a fully transparent
        one as all zeros."""
        r, g, b, a = self.pixels[py * self.width + px]
        alpha = round(a * 255)
        if alpha == 0:
            return (0, 0, 0, 0)
        return (round(r * 255), round(g * 255), round(b * 255), alpha)

    def png(self):
        rows = bytearray()
        for py in range(self.height):
            rows.append(0)  # no filter
            for px in range(self.width):
                rows += bytes(self._straight_rgba(px, py))

        def chunk(kind, data):
            body = kind + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 6, 0, 0, 0)
        return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
                + chunk(b"IDAT", zlib.compress(bytes(rows), 9)) + chunk(b"IEND", b""))

    def dib(self):
        """The picture as an icon's bitmap: a header of twice the height, the
        colour rows bottom-up in blue, green, red, alpha, then the mask of
        transparent pixels (one bit each, rows padded to 4 bytes) for
        programs that ignore the alpha channel."""
        w, h = self.width, self.height
        colour = bytearray()
        mask = bytearray()
        mask_row = (w + 31) // 32 * 4
        for py in reversed(range(h)):
            bits = bytearray(mask_row)
            for px in range(w):
                r, g, b, a = self._straight_rgba(px, py)
                colour += bytes((b, g, r, a))
                if a == 0:
                    bits[px // 8] |= 0x80 >> (px % 8)
            mask += bits
        header = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 32, 0,
                             len(colour) + len(mask), 0, 0, 0, 0)
        return header + bytes(colour) + bytes(mask)

    def save(self, path):
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_bytes(self.png())


def save_ico(canvases, path):
    """One .ico of square canvases. Sizes up to 48 go in as bitmaps, which
    every part of Windows reads; 256 as PNG, as Windows Vista and later
    expect it (a bitmap of that size would be a quarter megabyte)."""
    images = [c.png() if c.width >= 256 else c.dib() for c in canvases]
    offset = 6 + 16 * len(images)
    directory = struct.pack("<HHH", 0, 1, len(images))
    for canvas, image in zip(canvases, images):
        side = canvas.width % 256  # 0 stands for 256
        directory += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes(directory + b"".join(images))


# --- pictures -------------------------------------------------------------


def draw_close(scale):
    """Red cross."""
    c = Canvas(16, 16, scale)
    cross = [((3.5, 3.5), (12.5, 12.5)), ((12.5, 3.5), (3.5, 12.5))]
    c.fill(line(*cross[0], 4.4) | line(*cross[1], 4.4), "#9b1c1c")
    c.fill(line(*cross[0], 2.6) | line(*cross[1], 2.6), "#e5383b")
    return c


def draw_info(scale):
    """Two interlocking puzzle pieces, blue and yellow."""
    c = Canvas(32, 32, scale)
    knob_r = 2.9
    knob_off = 2.2  # centre of a knob beyond the edge it sits on
    gap = 0.4

    def blue(d):
        body = rect(2 + d, 9 + d, 16 - gap - d, 23 - d)
        top_knob = circle(9, 9 - knob_off, knob_r - d)
        right_knob = circle(16 - gap + knob_off, 16, knob_r - d)
        bottom_hole = circle(9, 23 - knob_off, knob_r + d)
        return (body | top_knob | right_knob) - bottom_hole

    def yellow(d):
        body = rect(16 + gap + d, 9 + d, 30 - d, 23 - d)
        left_hole = circle(16 - gap + knob_off, 16, knob_r + gap * 2 + d)
        bottom_knob = circle(23, 23 + knob_off, knob_r - d)
        return (body | bottom_knob) - left_hole

    c.fill(blue(0), "#1d4f91")
    c.fill(blue(1.1), "#3d8bdb")
    c.fill(yellow(0), "#a86f00")
    c.fill(yellow(1.1), "#f7c532")
    return c


def draw_kettwerk(scale):
    """Short chain in steel blue: two links seen from the front, joined by
    one seen edge-on."""
    c = Canvas(32, 32, scale)
    angle = math.radians(45)
    ux, uy = math.cos(angle), -math.sin(angle)  # along the chain, up-right
    vx, vy = -uy, ux  # across it
    spacing = 10.3  # from the middle to the centre of an outer link
    half, outer, inner = 3.0, 5.2, 2.5
    gap = 0.8

    def link(cx, cy, grow=0.0):
        return (stadium(cx, cy, half, outer + grow, angle)
                - stadium(cx, cy, half, inner - grow, angle))

    def bar(grow=0.0):
        return stadium(16, 16, 7.4, 1.9 + grow, angle)

    def near_end(cx, cy, toward):
        # The part of an outer link's end that the middle link passes under.
        ex, ey = cx + toward * ux * half, cy + toward * uy * half

        def test(x, y):
            along = toward * ((x - ex) * ux + (y - ey) * uy)
            across = (x - ex) * vx + (y - ey) * vy
            return along > 0.3 and abs(across) < 2.4

        return Shape(test, (ex - outer - 1, ey - outer - 1, ex + outer + 1, ey + outer + 1))

    ends = [(16 - ux * spacing, 16 - uy * spacing, 1), (16 + ux * spacing, 16 + uy * spacing, -1)]
    for cx, cy, _ in ends:
        c.fill(link(cx, cy), "#4682b4")
    c.erase(bar(gap))
    c.fill(bar(), "#36678f")
    for cx, cy, toward in ends:
        region = near_end(cx, cy, toward)
        c.erase(link(cx, cy, gap) & region)
        c.fill(link(cx, cy) & region, "#4682b4")
    return c


def draw_kettwerk_small(scale):
    """The chain for 16 pixels, where the links' thin edges of the full
    drawing blur into a pale smudge: two bolder, darker links and the bar
    between them, without the gaps."""
    c = Canvas(16, 16, scale)
    angle = math.radians(45)
    ux, uy = math.cos(angle), -math.sin(angle)
    spacing, half, outer, inner = 4.6, 1.3, 3.1, 1.1
    for k in (-1, 1):
        cx, cy = 8 + k * ux * spacing, 8 + k * uy * spacing
        c.fill(stadium(cx, cy, half, outer, angle) - stadium(cx, cy, half, inner, angle),
               "#36678f")
    c.erase(stadium(8, 8, 3.6, 1.6, angle))
    c.fill(stadium(8, 8, 3.6, 0.95, angle), "#24496b")
    return c


def draw_filebrowser(scale):
    """Open folder."""
    c = Canvas(26, 24, scale)
    back = [(1, 3), (9, 3), (11, 6), (21, 6), (21, 21), (1, 21)]
    c.fill(polygon(back), "#9a6a0c")
    c.fill(rect(2, 7, 20, 20) | polygon([(2, 4), (8.4, 4), (10, 6.6), (10, 8), (2, 8)]), "#e3a62b")
    # Sheet of paper sticking out.
    c.fill(rect(4, 8, 19, 17), "#8a8f96")
    c.fill(rect(5, 9, 18, 17), "#ffffff")
    for y in (11, 13):
        c.fill(rect(7, y, 16, y + 1), "#b9c0c8")
    front = [(6, 11), (25, 11), (21, 21), (1, 21)]
    c.fill(polygon(front), "#9a6a0c")
    c.fill(polygon(inset(front, 1)), "#f9cd55")
    return c


def page(c, x0, y0, x1, y1, lines=True, corner=0):
    """White sheet with grey edge, optionally with text lines and a folded
    blue corner at the top right."""
    if corner:
        outline = [(x0, y0), (x1 - corner, y0), (x1, y0 + corner), (x1, y1), (x0, y1)]
    else:
        outline = [(x0, y0), (x1, y0), (x1, y1), (x0, y1)]
    c.fill(polygon([(x + 1, y + 1) for x, y in outline]), "#000000", 0.12)  # shadow
    c.fill(polygon(outline), "#7d8894")
    c.fill(polygon(inset(outline, 1)), "#ffffff")
    if lines:
        y = y0 + 6
        right = x1 - (corner + 3 if corner else 5)
        c.fill(rect(x0 + 5, y, right, y + 2), "#8d97a3")  # heading
        y += 6
        widths = [1.0, 0.85, 1.0, 0.7, 1.0, 0.9, 0.6, 1.0, 0.8]
        k = 0
        while y + 1 <= y1 - 5:
            w = (x1 - 5 - (x0 + 5)) * widths[k % len(widths)]
            c.fill(rect(x0 + 5, y, x0 + 5 + w, y + 1), "#b9c0c8")
            y += 4
            k += 1
    if corner:
        fold = [(x1 - corner, y0), (x1 - corner, y0 + corner), (x1, y0 + corner)]
        c.fill(polygon(fold), "#1d5fae")
        c.fill(polygon(inset(fold, 1)), "#4a95e0")


def draw_files(scale):
    """Stack of three sheets."""
    c = Canvas(58, 65, scale)
    page(c, 2, 1, 39, 50, lines=False)
    page(c, 9, 7, 46, 56, lines=False)
    page(c, 16, 13, 53, 62, corner=10)
    return c


def draw_fertig(scale):
    """Big green check mark over a sheet of paper on a light panel."""
    c = Canvas(149, 109, scale)
    c.fill(rect(0, 0, 149, 109, 12), "#b7dcc0")
    c.fill(rect(1, 1, 148, 108, 11), "#eef8f0")
    page(c, 26, 16, 80, 94, corner=13)
    tick = [(50, 60), (70, 81), (122, 27)]
    c.fill(polyline(tick, 24), "#eef8f0")
    c.fill(polyline(tick, 17), "#1e7a34")
    c.fill(polyline(tick, 13), "#2fa84a")
    return c


# Each picture of the window with the scales it is drawn at.
PICTURES = {
    "icons/close": (draw_close, (1, 2, 4)),
    "icons/info": (draw_info, (1, 2)),
    "icons/kettwerk": (draw_kettwerk, (1, 2)),
    "icons/filebrowser": (draw_filebrowser, (1, 2)),
    "pictures/files": (draw_files, (1, 2)),
    "pictures/fertig": (draw_fertig, (1, 2)),
}

# The program's icon in the sizes that desktops' menus and docks ask for.
DESKTOP_ICON_SIZES = (48, 128, 256)
# And in those that Explorer, the taskbar, the title bar and the Start menu
# ask for on Windows.
WINDOWS_ICON_SIZES = (16, 32, 48, 256)


def main():
    drawn = []
    for name, (draw, scales) in PICTURES.items():
        for scale in scales:
            suffix = "" if scale == 1 else f"@{scale}x"
            path = RESOURCES / f"{name}{suffix}.png"
            draw(scale).save(path)
            drawn.append(path)
    for size in DESKTOP_ICON_SIZES:
        path = DESKTOP_ICONS / f"{size}x{size}" / "apps" / "kettwerk.png"
        draw_kettwerk(size / 32).save(path)
        drawn.append(path)
    save_ico([draw_kettwerk_small(1) if size == 16 else draw_kettwerk(size / 32)
              for size in WINDOWS_ICON_SIZES], WINDOWS_ICON)
    drawn.append(WINDOWS_ICON)
    for path in drawn:
        print(path.relative_to(ROOT))


if __name__ == "__main__":
    main()
