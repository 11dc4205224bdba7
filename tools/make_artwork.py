#!/usr/bin/python3
"""Draws the artwork of FOLIA and Quillet into resources/ and the symbol legend into samples/.

Needs Debian's python3-pil and fonts-dejavu-core. Run from anywhere:

    /usr/bin/python3 tools/make_artwork.py [--preview DIR]

--preview also writes enlarged contact sheets of the small pictures into DIR for inspection.
Every shape is drawn on an 8x supersampled layer and box-filtered down, which gives clean
antialiasing without a drawing library beyond PIL.
"""
import math
import os
import sys

from PIL import Image, ImageDraw, ImageFont

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
RESOURCES = os.path.join(ROOT, "resources")
SAMPLES = os.path.join(ROOT, "samples")
FONTS = "/usr/share/fonts/truetype/dejavu"
MAGENTA = (255, 0, 255)
CLEAR = (0, 0, 0, 0)


# ---------------------------------------------------------------- drawing layer


class Pen:
    """A supersampled RGBA layer addressed in final-pixel coordinates (box edges, not centres)."""

    def __init__(self, w, h, scale=8, background=CLEAR):
        self.w, self.h, self.s = w, h, scale
        self.img = Image.new("RGBA", (w * scale, h * scale), background)
        self.d = ImageDraw.Draw(self.img)

    def _pts(self, pts):
        return [(x * self.s, y * self.s) for x, y in pts]

    def _box(self, x0, y0, x1, y1):
        return [x0 * self.s, y0 * self.s, x1 * self.s - 1, y1 * self.s - 1]

    def _w(self, width):
        return max(1, int(round(width * self.s)))

    def poly(self, pts, fill=None, outline=None, width=1.0):
        if fill is not None:
            self.d.polygon(self._pts(pts), fill=fill)
        if outline is not None:
            self.line(list(pts) + [pts[0], pts[1]], outline, width, caps=False)

    def rect(self, x0, y0, x1, y1, fill=None, outline=None, width=1.0, radius=0.0):
        self.d.rounded_rectangle(self._box(x0, y0, x1, y1), radius=radius * self.s, fill=fill,
                                 outline=outline, width=self._w(width) if outline else 0)

    def ellipse(self, cx, cy, rx, ry=None, fill=None, outline=None, width=1.0):
        ry = rx if ry is None else ry
        self.d.ellipse(self._box(cx - rx, cy - ry, cx + rx, cy + ry), fill=fill, outline=outline,
                       width=self._w(width) if outline else 0)

    def line(self, pts, color, width=1.0, caps=True):
        self.d.line(self._pts(pts), fill=color, width=self._w(width), joint="curve")
        if caps:
            for x, y in (pts[0], pts[-1]):
                self.ellipse(x, y, width / 2, fill=color)

    def arc(self, cx, cy, r, a0, a1, color, width=1.0, caps=False):
        """Stroke of radius r (to the stroke's middle); angles in degrees, clockwise from 3 o'clock."""
        ro = r + width / 2
        self.d.arc(self._box(cx - ro, cy - ro, cx + ro, cy + ro), a0, a1, fill=color,
                   width=self._w(width))
        if caps:
            for a in (a0, a1):
                t = math.radians(a)
                self.ellipse(cx + r * math.cos(t), cy + r * math.sin(t), width / 2, fill=color)

    def text(self, cx, cy, s, size, color, font="DejaVuSans-Bold.ttf"):
        """Centres the ink of s on (cx, cy)."""
        f = ImageFont.truetype(os.path.join(FONTS, font), int(round(size * self.s)))
        x0, y0, x1, y1 = self.d.textbbox((0, 0), s, font=f)
        self.d.text((cx * self.s - (x0 + x1) / 2, cy * self.s - (y0 + y1) / 2), s, font=f, fill=color)

    def over(self, other):
        """Composites another layer of the same size on top of this one."""
        self.img.alpha_composite(other.img)

    def layer(self):
        return Pen(self.w, self.h, self.s)

    def image(self):
        """The final-size image: box filter on premultiplied colour so edges do not darken."""
        small = self.img.convert("RGBa").resize((self.w, self.h), Image.BOX)
        return small.convert("RGBA")


def rotate(pts, degrees, cx, cy):
    t = math.radians(degrees)
    c, s = math.cos(t), math.sin(t)
    return [(cx + (x - cx) * c - (y - cy) * s, cy + (x - cx) * s + (y - cy) * c) for x, y in pts]


def shift(pts, dx, dy):
    return [(x + dx, y + dy) for x, y in pts]


def bezier(p0, p1, p2, steps=24):
    return [((1 - t) ** 2 * p0[0] + 2 * (1 - t) * t * p1[0] + t * t * p2[0],
             (1 - t) ** 2 * p0[1] + 2 * (1 - t) * t * p1[1] + t * t * p2[1])
            for t in (i / steps for i in range(steps + 1))]


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(len(a)))


def star_points(cx, cy, outer, inner):
    pts = []
    for i in range(10):
        r = outer if i % 2 == 0 else inner
        t = math.radians(-90 + 36 * i)
        pts.append((cx + r * math.cos(t), cy + r * math.sin(t)))
    return pts


def gear_points(cx, cy, outer, root, teeth, tooth_share=0.5):
    """A gear outline with flat-topped teeth."""
    pts = []
    step = 360 / teeth
    for i in range(teeth):
        a = -90 + i * step
        half = step * tooth_share / 2
        for ang, r in ((a - half - step * 0.08, root), (a - half, outer), (a + half, outer),
                       (a + half + step * 0.08, root)):
            t = math.radians(ang)
            pts.append((cx + r * math.cos(t), cy + r * math.sin(t)))
    return pts


def arrow_points(length, shaft, head_len, head_half):
    """An arrow pointing right, centred on the origin."""
    x0, x1 = -length / 2, length / 2
    xh = x1 - head_len
    return [(x0, -shaft), (xh, -shaft), (xh, -head_half), (x1, 0), (xh, head_half), (xh, shaft),
            (x0, shaft)]


# ---------------------------------------------------------------- palette

INK = (38, 44, 56)
BLUE = (33, 103, 196)
NAVY = (34, 66, 140)
RED = (206, 45, 45)
DARK_RED = (150, 28, 28)
GREEN = (46, 150, 70)
DARK_GREEN = (28, 105, 48)
GOLD = (246, 184, 28)
DARK_GOLD = (178, 118, 8)
ORANGE = (238, 128, 30)
PURPLE = (112, 72, 184)
TEAL = (0, 138, 150)
BROWN = (140, 88, 46)
GREY = (120, 128, 140)
LIGHT = (236, 240, 246)
WHITE = (255, 255, 255)
SKIN = (250, 208, 160)
SKIN_EDGE = (160, 104, 60)

# ---------------------------------------------------------------- menu images (16 x 16)


def menu_palette(p):
    p.ellipse(8, 8.2, 7.3, 6.3, fill=(226, 190, 136), outline=(132, 86, 44), width=1)
    p.ellipse(10.6, 11.0, 1.7, fill=CLEAR)
    for (x, y), c in zip(((4.3, 7.4), (6.8, 4.4), (10.4, 4.3), (12.6, 7.2), (5.3, 10.9)),
                         (RED, BLUE, GREEN, GOLD, PURPLE)):
        p.ellipse(x, y, 1.5, fill=c)


def menu_gear(p):
    p.poly(gear_points(8, 8, 7.6, 5.6, 8), fill=(86, 98, 118))
    p.ellipse(8, 8, 5.0, fill=(120, 134, 156))
    p.ellipse(8, 8, 2.2, fill=CLEAR)


def menu_refresh(p):
    for a0, a1, tip in ((200, 330, 330), (20, 150, 150)):
        p.arc(8, 8, 5.3, a0, a1, (28, 140, 88), 2.0)
        t = math.radians(tip)
        tx, ty = 8 + 5.3 * math.cos(t), 8 + 5.3 * math.sin(t)
        head = [(tx + 3.2, ty), (tx - 0.2, ty - 3.4), (tx - 0.2, ty + 3.4)]
        p.poly(rotate(head, tip + 90 + 8, tx, ty), fill=(28, 140, 88))


def menu_undo(p):
    c = (36, 96, 178)
    path = [(4.5, 5.5), (10, 5.5)] + [
        (10 + 3.7 * math.cos(math.radians(a)), 9.2 + 3.7 * math.sin(math.radians(a)))
        for a in range(-90, 91, 10)] + [(6.5, 12.9)]
    p.line(path, c, 2.0)
    p.poly([(0.8, 5.5), (5.4, 1.6), (5.4, 9.4)], fill=c)


def menu_new(p):
    page = [(2.5, 0.5), (10, 0.5), (13.5, 4), (13.5, 15.5), (2.5, 15.5)]
    p.poly(page, fill=WHITE, outline=(92, 104, 124), width=1)
    p.poly([(10, 0.5), (10, 4), (13.5, 4)], fill=(208, 216, 228), outline=(92, 104, 124), width=1)


def menu_picture(p):
    p.rect(0.5, 2, 15.5, 14.5, fill=(170, 214, 246), outline=(70, 84, 104), width=1, radius=1)
    p.ellipse(11.3, 5.8, 1.7, fill=GOLD)
    p.poly([(1.3, 13.6), (5.8, 7.2), (9, 11), (10.6, 9.4), (14.7, 13.6)], fill=(52, 150, 72))


def menu_person(p):
    c = (54, 88, 150)
    p.ellipse(8, 4.6, 3.4, fill=c)
    p.d.pieslice(p._box(1.5, 9, 14.5, 22), 180, 360, fill=c)
    p.rect(0, 15.5, 16, 16, fill=CLEAR)


def menu_exit(p):
    p.rect(1.5, 0.5, 10, 15.5, fill=(232, 222, 204), outline=(110, 80, 50), width=1)
    p.poly([(1.5, 0.5), (7.5, 2.2), (7.5, 15.5), (1.5, 15.5)], fill=(160, 108, 62),
           outline=(110, 80, 50), width=1)
    p.ellipse(6, 8.5, 0.8, fill=(250, 220, 120))
    p.line([(8.5, 8), (12.5, 8)], RED, 2.0, caps=False)
    p.poly([(15.8, 8), (11.8, 4.2), (11.8, 11.8)], fill=RED)


def menu_tickbox(p):
    p.rect(1, 1, 15, 15, fill=WHITE, outline=(60, 84, 130), width=1.2, radius=2.2)
    p.line([(4.2, 8.3), (6.9, 11), (12, 4.8)], GREEN, 2.1)


def menu_underline(p):
    p.text(8, 6.6, "ab", 11.5, INK, "DejaVuSans-Bold.ttf")
    p.rect(1, 12.5, 15, 14.5, fill=RED)


def menu_two_colours(p):
    p.rect(0.5, 1.5, 8, 14.5, fill=(255, 222, 72))
    p.rect(8, 1.5, 15.5, 14.5, fill=(128, 200, 255))
    p.text(8, 8, "ab", 11.5, INK, "DejaVuSans-Bold.ttf")


def menu_goto(p):
    p.poly([(1.5, 0.5), (8, 0.5), (11.5, 4), (11.5, 15.5), (1.5, 15.5)], fill=WHITE,
           outline=(92, 104, 124), width=1)
    for y in (5.5, 8, 10.5):
        p.line([(3.5, y), (7.5, y)], (170, 178, 190), 1, caps=False)
    arrow = shift(arrow_points(9.5, 1.3, 4.2, 4.2), 11, 11.5)
    p.poly(arrow, fill=BLUE, outline=WHITE, width=1)
    p.poly(arrow, fill=BLUE)


def menu_chain(p):
    for a, b, c in (((3.4, 12.6), (7.6, 8.4), (70, 84, 104)), ((8.4, 7.6), (12.6, 3.4), BLUE)):
        link = p.layer()
        link.line([a, b], c, 5.6)
        link.line([a, b], CLEAR, 2.2)
        p.over(link)


def menu_bold(p):
    p.text(8, 8, "B", 15, INK, "DejaVuSans-Bold.ttf")


def menu_align(where):
    def draw(p):
        for y, length in ((2, 14), (6, 9), (10, 12), (13.5, 7)):
            if where == "left":
                x0 = 1
            elif where == "right":
                x0 = 15 - length
            else:
                x0 = 8 - length / 2
            p.rect(x0, y, x0 + length, y + 2, fill=(52, 62, 80), radius=0.5)
    return draw


MENU = [
    (333, menu_palette), (334, menu_gear), (335, menu_refresh), (336, menu_undo),
    (337, menu_new), (338, menu_picture), (339, menu_person), (340, menu_exit),
    (341, menu_tickbox), (342, menu_underline), (343, menu_two_colours), (344, menu_goto),
    (345, menu_chain), (346, menu_bold), (347, menu_align("left")), (348, menu_align("center")),
    (349, menu_align("right")),
]

# ---------------------------------------------------------------- program icon (256 x 256)


ICON_SIZE = 256
# The sizes of the desktop's icon theme; each is scaled down from the drawn 256 px icon.
THEME_SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
# The icon names under which the desktop finds the two programs' icons.
ICON_NAMES = (("icon200.png", "org.example.folia.Folia"),
              ("quillet/icon200.png", "org.example.folia.Quillet"))


def icon_tile(top, bottom):
    """A pen holding the rounded tile, with a soft vertical gradient, that both icons share."""
    size = ICON_SIZE
    p = Pen(size, size, 4)
    grad = Pen(size, size, 4)
    for y in range(size):
        grad.rect(0, y, size, y + 1, fill=mix(top, bottom, y / size))
    mask = Pen(size, size, 4)
    mask.rect(8, 8, 248, 248, fill=WHITE, radius=52)
    tile = Image.new("RGBA", grad.img.size, CLEAR)
    tile.paste(grad.img, (0, 0), mask.img.split()[3])
    p.img.alpha_composite(tile)
    return p


def program_icon():
    p = icon_tile((70, 118, 196), (30, 62, 128))

    # Page stack below the open pages.
    def page(side, dy, fill):
        sx = 1 if side == "right" else -1
        top = bezier((128, 84 + dy), (128 + sx * 44, 58 + dy), (128 + sx * 100, 70 + dy))
        bottom = bezier((128 + sx * 100, 198 + dy), (128 + sx * 44, 186 + dy), (128, 210 + dy))
        p.poly(top + bottom, fill=fill)

    for side in ("left", "right"):
        page(side, 10, (196, 204, 218))
        page(side, 5, (226, 230, 238))
        page(side, 0, (253, 251, 245))
    # Gutter shadow.
    for i in range(10):
        shade = mix((214, 210, 200), (253, 251, 245), i / 10)
        p.line([(128 - i * 1.2, 84), (128 - i * 1.2, 210)], shade, 1.4, caps=False)
        p.line([(128 + i * 1.2, 84), (128 + i * 1.2, 210)], shade, 1.4, caps=False)
    p.line([(128, 84), (128, 210)], (160, 150, 136), 1.6, caps=False)

    # Text rows following the page's curve (straight enough at this size).
    def rows(x0, x1, ys, skip=()):
        for i, y in enumerate(ys):
            if i in skip:
                continue
            p.rect(x0, y, x1 - (18 if i % 3 == 2 else 0), y + 5, fill=(150, 158, 172), radius=2.5)

    left_rows = [96, 112, 128, 144, 160, 176]
    right_rows = [96, 112, 128, 144, 160, 176]
    # A highlighted row on the left page.
    p.rect(36, 125, 118, 136, fill=(255, 214, 64), radius=3)
    rows(40, 116, left_rows)
    rows(140, 216, right_rows)
    # The underline mark: a red stroke under one row of the right page.
    p.rect(138, 151, 218, 158, fill=(214, 40, 40), radius=3)
    # Ribbon bookmark hanging from the top of the right page.
    p.poly([(196, 64), (210, 66), (210, 112), (203, 104), (196, 112)], fill=(214, 40, 40))
    return p.image()


def editor_icon():
    """Quillet: a sheet of text rows with a pen writing the last one."""
    p = icon_tile((40, 170, 150), (14, 100, 96))
    shadow = [(62, 46), (206, 46), (206, 222), (62, 222)]
    p.poly(shift(shadow, 5, 6), fill=(10, 70, 66))
    p.poly([(58, 40), (202, 40), (202, 216), (58, 216)], fill=(253, 251, 245))
    for i, y in enumerate(range(64, 177, 16)):
        p.rect(76, y, 184 - (30 if i % 3 == 2 else 0), y + 6, fill=(150, 158, 172), radius=3)
    p.rect(76, 192, 126, 198, fill=(36, 44, 60), radius=3)
    # The pen, lying at 45 degrees with its nib at the end of the last row.
    nib = (130, 195)
    def place(pts):
        return shift(rotate(pts, 135, 0, 0), nib[0], nib[1])

    p.poly(place([(-30, -11), (-140, -11), (-150, 0), (-140, 11), (-30, 11)]), fill=(214, 40, 40))
    p.poly(place([(-30, -11), (-30, 11), (0, 0)]), fill=(236, 208, 160))
    p.poly(place([(-10, -4), (-10, 4), (0, 0)]), fill=(36, 44, 60))
    p.poly(place([(-140, -11), (-160, -11), (-164, 0), (-160, 11), (-140, 11)]),
           fill=(150, 28, 28))
    return p.image()


def save_theme_icons(img, name):
    """The icon at every size of the desktop's icon theme, laid out as it is installed."""
    for size in THEME_SIZES:
        scaled = img if size == ICON_SIZE else img.resize((size, size), Image.LANCZOS)
        save(scaled, "hicolor", "%dx%d" % (size, size), "apps", name + ".png")


# ---------------------------------------------------------------- busy animation (536 x 224)


def busy_frame(k):
    w, h = 536, 224
    p = Pen(w, h, 4, background=(255, 255, 255, 255))
    cx, cy, r = w / 2, h / 2, 70
    head = (36, 98, 188)
    tail = (222, 232, 246)
    for j in range(12):
        # j = 0 is the leading dot; those behind it fade and shrink.
        angle = math.radians(-90 + (k - j) * 30)
        t = j / 11
        x, y = cx + r * math.cos(angle), cy + r * math.sin(angle)
        p.ellipse(x, y, 10.5 - 5.0 * t, fill=mix(head, tail, t ** 0.8) + (255,))
    # A small open book in the middle of the ring, calm and still.
    book = (126, 156, 206)
    for sx in (-1, 1):
        top = bezier((cx, cy - 12), (cx + sx * 14, cy - 22), (cx + sx * 30, cy - 16))
        bottom = bezier((cx + sx * 30, cy + 18), (cx + sx * 14, cy + 12), (cx, cy + 20))
        p.poly(top + bottom, fill=(240, 245, 252, 255))
        p.line(top + bottom + [top[0]], book + (255,), 2.4)
        for i, dy in enumerate((-6, 1, 8)):
            x_in, x_out = cx + sx * 6, cx + sx * (24 if i != 2 else 18)
            p.line([(x_in, cy + dy - 2), (x_out, cy + dy - 4)], (170, 190, 222, 255), 2.0)
    p.line([(cx, cy - 12), (cx, cy + 20)], book + (255,), 2.4)
    return p.image()


# ---------------------------------------------------------------- symbols (20 x 20, magenta key)


def sym_arrow(angle, color=BLUE):
    def draw(p):
        pts = shift(arrow_points(17.5 if angle % 90 == 0 else 18.5, 2.4, 7.5, 7.2), 10, 10)
        p.poly(rotate(pts, angle, 10, 10), fill=color)
    return draw


def sym_wide_arrow(p):
    p.poly(shift(arrow_points(17.4, 2.0, 6.5, 5.6), 9, 6), fill=BLUE)


def sym_wide_double_arrow(p):
    pts = [(0.4, 6), (5.6, 0.5), (5.6, 4), (12.4, 4), (12.4, 0.5), (17.6, 6), (12.4, 11.5),
           (12.4, 8), (5.6, 8), (5.6, 11.5)]
    p.poly(pts, fill=(28, 140, 88))


def sym_check(p):
    p.line([(3, 10.5), (7.8, 15.3), (17, 4.5)], GREEN, 3.4)


def sym_cross(p):
    p.line([(4, 4), (16, 16)], RED, 3.4)
    p.line([(16, 4), (4, 16)], RED, 3.4)


def sym_star(kind):
    def draw(p):
        pts = star_points(10, 10.8, 9.6, 4.0)
        if kind == "empty":
            p.poly(pts, fill=WHITE, outline=DARK_GOLD, width=1.2)
            return
        p.poly(pts, fill=WHITE if kind == "half" else GOLD)
        if kind == "half":
            left = p.layer()
            left.poly(pts, fill=GOLD)
            left.rect(10, 0, 20, 20, fill=CLEAR)
            p.over(left)
        p.poly(pts, outline=DARK_GOLD, width=1.2)
    return draw


def sym_warning(p):
    tri = [(10, 1.5), (19, 18), (1, 18)]
    p.poly(tri, fill=GOLD)
    p.line(tri + [tri[0]], (120, 80, 0), 1.4)
    p.rect(9, 6.6, 11, 13, fill=INK, radius=0.8)
    p.ellipse(10, 15.2, 1.2, fill=INK)


def sym_disc_text(text, color, size=14, font="DejaVuSans-Bold.ttf"):
    def draw(p):
        p.ellipse(10, 10, 9.5, fill=color)
        p.text(10, 10, text, size, WHITE, font)
    return draw


def sym_hand(p):
    # A hand pointing right: palm, index finger, curled fingers and cuff.
    p.rect(0.5, 6, 4, 17, fill=(70, 110, 180), radius=1)
    p.rect(3.5, 6.5, 11.5, 17, fill=SKIN, outline=SKIN_EDGE, width=1, radius=2.5)
    p.rect(8, 6.5, 19, 10.3, fill=SKIN, outline=SKIN_EDGE, width=1, radius=1.9)
    for y in (10.3, 12.6):
        p.rect(8.5, y, 13.4, y + 2.5, fill=SKIN, outline=SKIN_EDGE, width=0.9, radius=1.2)
    p.rect(8.5, 14.8, 12.4, 17, fill=SKIN, outline=SKIN_EDGE, width=0.9, radius=1.1)


def sym_bulb(p):
    p.rect(7, 13.5, 13, 18.5, fill=(150, 156, 168), radius=1.2)
    p.line([(7.4, 15.3), (12.6, 15.3)], (96, 102, 116), 0.8, caps=False)
    p.line([(7.4, 17), (12.6, 17)], (96, 102, 116), 0.8, caps=False)
    p.poly([(6, 11), (14, 11), (13, 14), (7, 14)], fill=(252, 206, 40))
    p.ellipse(10, 7.5, 6.6, fill=(252, 206, 40), outline=DARK_GOLD, width=1)
    p.rect(6.2, 10.5, 13.8, 14, fill=(252, 206, 40))
    p.line([(6.6, 11), (7.4, 14)], DARK_GOLD, 1)
    p.line([(13.4, 11), (12.6, 14)], DARK_GOLD, 1)
    p.ellipse(8, 5.5, 1.6, fill=(255, 244, 190))


def sym_key(p):
    c = (196, 140, 20)
    p.ellipse(5.5, 10, 4.8, fill=c)
    p.ellipse(4.7, 10, 1.7, fill=WHITE)
    p.rect(9, 8.6, 19, 11.4, fill=c)
    p.rect(14, 11, 16, 15, fill=c)
    p.rect(17, 11, 19, 14, fill=c)


def sym_flag(p):
    p.rect(3, 1.5, 5, 19, fill=INK, radius=0.8)
    wave = bezier((5, 2.5), (11, 0), (18, 3.5)) + bezier((18, 12), (11, 9), (5, 11.5))
    p.poly(wave, fill=RED)


def sym_pin(p):
    p.poly([(4.3, 9.5), (15.7, 9.5), (10, 19.5)], fill=RED)
    p.ellipse(10, 7.5, 6.4, fill=RED)
    p.ellipse(10, 7.5, 2.5, fill=WHITE)


def sym_heart(p):
    p.ellipse(6, 7, 4.8, fill=RED)
    p.ellipse(14, 7, 4.8, fill=RED)
    p.poly([(1.5, 8.6), (18.5, 8.6), (10, 18.5)], fill=RED)
    p.ellipse(5.2, 5.8, 1.4, fill=(240, 130, 130))


def sym_clock(p):
    p.ellipse(10, 10, 9.3, fill=WHITE, outline=INK, width=1.6)
    for i in range(12):
        t = math.radians(i * 30)
        r0 = 6.2 if i % 3 else 5.6
        p.line([(10 + r0 * math.cos(t), 10 + r0 * math.sin(t)),
                (10 + 7.2 * math.cos(t), 10 + 7.2 * math.sin(t))], GREY, 0.8, caps=False)
    p.line([(10, 10), (10, 4.5)], INK, 1.6)
    p.line([(10, 10), (14, 12)], RED, 1.4)


def sym_book(p):
    p.rect(3, 2, 17, 18.5, fill=(236, 230, 214), radius=1.5)
    p.rect(3, 1.5, 16, 16.5, fill=(40, 96, 170), radius=1.5)
    p.rect(3, 1.5, 5, 16.5, fill=(26, 66, 124))
    p.rect(7.5, 5, 13.5, 7, fill=(236, 230, 214))
    p.line([(4.5, 17.5), (16.5, 17.5)], (170, 160, 140), 0.8, caps=False)


def sym_pencil(p):
    body = [(2.8, 13.6), (13.4, 3), (17, 6.6), (6.4, 17.2)]
    p.poly(body, fill=(244, 188, 40))
    p.poly([(13.4, 3), (15.4, 1), (19, 4.6), (17, 6.6)], fill=(236, 132, 112))
    p.poly([(2.8, 13.6), (6.4, 17.2), (1, 19)], fill=(236, 206, 160))
    p.poly([(1.9, 16.2), (3.8, 18.1), (1, 19)], fill=INK)
    p.line([(4.6, 15.4), (15.2, 4.8)], (200, 136, 20), 0.9)
    p.poly(body + [(2.8, 13.6)], outline=(120, 84, 20), width=0.8)


def sym_magnifier(p):
    p.line([(12, 12), (18, 18)], INK, 3.6)
    p.ellipse(8, 8, 6.6, fill=(196, 226, 250), outline=INK, width=2.0)
    p.arc(8, 8, 3.6, 200, 260, WHITE, 1.3)


def sym_asterisk(p):
    for a in (-90, -30, 30):
        t = math.radians(a)
        dx, dy = 7.2 * math.cos(t), 7.2 * math.sin(t)
        p.line([(10 - dx, 10 - dy), (10 + dx, 10 + dy)], RED, 3.0)


def sym_plus(p):
    p.rect(8.2, 2.5, 11.8, 17.5, fill=GREEN, radius=1)
    p.rect(2.5, 8.2, 17.5, 11.8, fill=GREEN, radius=1)


def sym_minus(p):
    p.rect(2.5, 8.2, 17.5, 11.8, fill=RED, radius=1)


def sym_equal(p):
    p.rect(2.5, 5.2, 17.5, 8.6, fill=BLUE, radius=1)
    p.rect(2.5, 11.4, 17.5, 14.8, fill=BLUE, radius=1)


def sym_quote(opening):
    def draw(p):
        for x in (5.6, 13.4):
            if opening:
                p.ellipse(x, 12.2, 3.2, fill=INK)
                p.poly([(x - 3.1, 12), (x + 1, 3.6), (x + 2.4, 4.6), (x - 0.4, 11)], fill=INK)
            else:
                p.ellipse(x, 7.8, 3.2, fill=INK)
                p.poly([(x + 3.1, 8), (x - 1, 16.4), (x - 2.4, 15.4), (x + 0.4, 9)], fill=INK)
    return draw


def sym_brackets(p):
    c = NAVY
    p.line([(6.5, 2), (3, 2), (3, 18), (6.5, 18)], c, 2.4, caps=False)
    p.line([(13.5, 2), (17, 2), (17, 18), (13.5, 18)], c, 2.4, caps=False)


def sym_bullet(color):
    def draw(p):
        p.ellipse(10, 10, 7.5, fill=color)
        p.ellipse(7.6, 7.4, 2.4, fill=mix(color, WHITE, 0.55))
    return draw


def sym_thumb(up):
    def draw(p):
        q = p.layer()
        q.rect(0.8, 8.5, 4.6, 18.5, fill=(70, 110, 180), radius=1)
        q.rect(4.2, 8, 16.5, 18.5, fill=SKIN, outline=SKIN_EDGE, width=1, radius=2.4)
        q.poly([(5, 9), (7.8, 1.4), (10.6, 1.8), (10.6, 8.6)], fill=SKIN, outline=SKIN_EDGE,
               width=1)
        q.rect(5, 9, 10, 12, fill=SKIN)
        for y in (11.6, 14.4):
            q.line([(11, y), (16, y)], SKIN_EDGE, 0.9, caps=False)
        img = q.img if up else q.img.transpose(Image.FLIP_TOP_BOTTOM)
        p.img.alpha_composite(img)
    return draw


def sym_number(n):
    def draw(p):
        p.ellipse(10, 10, 9.6, fill=NAVY)
        if n < 10:
            p.text(10, 10, str(n), 13.5, WHITE)
        else:
            p.text(10, 10, str(n), 11.5, WHITE, "DejaVuSansCondensed-Bold.ttf")
    return draw


def sym_letter(letter, color):
    def draw(p):
        p.rect(0.5, 0.5, 19.5, 19.5, fill=color, radius=3)
        p.text(10, 10, letter, 13.5, WHITE)
    return draw


def sym_face(happy):
    def draw(p):
        p.ellipse(10, 10, 9.4, fill=GOLD, outline=DARK_GOLD, width=1)
        p.ellipse(7, 7.5, 1.3, 1.8, fill=INK)
        p.ellipse(13, 7.5, 1.3, 1.8, fill=INK)
        if happy:
            p.arc(10, 10, 5.2, 25, 155, INK, 1.6, caps=True)
        else:
            p.arc(10, 17.5, 5.0, 215, 325, INK, 1.6, caps=True)
    return draw


def sym_lightning(p):
    pts = [(12.5, 0.5), (3.5, 11.5), (9.4, 11.5), (7, 19.5), (16.5, 7.8), (10.5, 7.8)]
    p.poly(pts, fill=GOLD, outline=(150, 96, 0), width=1)


def sym_target(p):
    for r, c in ((9.6, RED), (7.4, WHITE), (5.2, RED), (3.0, WHITE), (1.4, RED)):
        p.ellipse(10, 10, r, fill=c)


def sym_calendar(p):
    p.rect(1.5, 3, 18.5, 18.5, fill=WHITE, outline=INK, width=1.2, radius=1.5)
    p.rect(1.5, 3, 18.5, 7.5, fill=RED, radius=1.5)
    p.rect(1.5, 6, 18.5, 7.5, fill=RED)
    for x in (6, 14):
        p.rect(x - 1, 1, x + 1, 5, fill=INK, radius=0.8)
    for row in range(3):
        for col in range(4):
            p.rect(3.8 + col * 3.4, 9.2 + row * 3, 5.8 + col * 3.4, 10.9 + row * 3, fill=GREY)


def sym_envelope(p):
    p.rect(1, 4, 19, 16.5, fill=WHITE, outline=INK, width=1.2, radius=1)
    p.line([(1.8, 4.8), (10, 11), (18.2, 4.8)], INK, 1.2)


def arc_points(cx, cy, r, a0, a1, steps=16):
    return [(cx + r * math.cos(math.radians(a0 + (a1 - a0) * i / steps)),
             cy + r * math.sin(math.radians(a0 + (a1 - a0) * i / steps))) for i in range(steps + 1)]


def sym_paperclip(p):
    # One wire: inner leg, small top bend, right leg, bottom bend, outer leg, big top bend.
    wire = [(8, 13)] + arc_points(10.25, 7, 2.25, 180, 360) + arc_points(8.5, 14.5, 4, 0, 180) + \
        arc_points(10, 6.5, 5.5, 180, 360) + [(15.5, 12)]
    p.line(wire, (84, 96, 116), 1.5)


def sym_lock(p):
    p.arc(10, 8, 4.6, 180, 360, GREY, 2.2)
    p.line([(5.4, 8), (5.4, 10)], GREY, 2.2, caps=False)
    p.line([(14.6, 8), (14.6, 10)], GREY, 2.2, caps=False)
    p.rect(3, 9, 17, 19, fill=GOLD, outline=DARK_GOLD, width=1, radius=1.6)
    p.ellipse(10, 13.2, 1.7, fill=INK)
    p.rect(9.3, 13.5, 10.7, 16.5, fill=INK)


def sym_bell(p):
    c, edge = GOLD, DARK_GOLD
    outline = bezier((3, 15), (5.5, 13), (5.5, 8)) + bezier((5.5, 8), (6, 2.5), (10, 2.5)) + \
        bezier((10, 2.5), (14, 2.5), (14.5, 8)) + bezier((14.5, 8), (14.5, 13), (17, 15))
    p.poly(outline, fill=c, outline=edge, width=1)
    p.ellipse(10, 17, 2.2, fill=edge)
    p.rect(2.5, 14.4, 17.5, 16, fill=edge, radius=0.8)
    p.ellipse(10, 1.8, 1.3, fill=edge)


def sym_globe(p):
    grid = (222, 238, 252)
    p.ellipse(10, 10, 9.4, fill=(70, 146, 214))
    p.ellipse(10, 10, 4.2, 9.0, outline=grid, width=1)
    p.line([(10, 1.2), (10, 18.8)], grid, 1, caps=False)
    p.line([(1.2, 10), (18.8, 10)], grid, 1, caps=False)
    p.ellipse(10, 10, 9.4, outline=NAVY, width=1.2)


def sym_person(p):
    c = TEAL
    p.ellipse(10, 5.6, 4.3, fill=c)
    p.d.pieslice(p._box(2, 11, 18, 27), 180, 360, fill=c)
    p.rect(0, 19.5, 20, 20, fill=CLEAR)


def sym_speech(p):
    p.rect(1, 2, 19, 14, fill=WHITE, outline=NAVY, width=1.3, radius=4)
    p.poly([(5, 13.2), (9.5, 13.2), (4, 18.8)], fill=WHITE)
    p.line([(5.1, 13.8), (4, 18.8), (9.5, 13.8)], NAVY, 1.3)
    for x in (6, 10, 14):
        p.ellipse(x, 8, 1.3, fill=NAVY)


def sym_trophy(p):
    c, edge = GOLD, DARK_GOLD
    p.arc(4.5, 7, 2.8, 90, 270, edge, 1.4)
    p.arc(15.5, 7, 2.8, 270, 450, edge, 1.4)
    p.poly(bezier((4, 2), (4, 13), (10, 13)) + bezier((10, 13), (16, 13), (16, 2)), fill=c,
           outline=edge, width=1)
    p.rect(8.8, 12.5, 11.2, 16, fill=edge)
    p.rect(5.5, 16, 14.5, 19, fill=BROWN, radius=0.8)


def sym_stop(p):
    pts = [(10 + 9.7 * math.cos(math.radians(22.5 + 45 * i)),
            10 + 9.7 * math.sin(math.radians(22.5 + 45 * i))) for i in range(8)]
    p.poly(pts, fill=RED)
    p.rect(4.5, 8.5, 15.5, 11.5, fill=WHITE, radius=0.5)


def sym_forbidden(p):
    p.ellipse(10, 10, 9.5, fill=RED)
    p.ellipse(10, 10, 6.8, fill=WHITE)
    p.line([(5.2, 5.2), (14.8, 14.8)], RED, 2.7, caps=False)


def sym_hourglass(p):
    p.rect(3.5, 1, 16.5, 3, fill=BROWN, radius=0.8)
    p.rect(3.5, 17, 16.5, 19, fill=BROWN, radius=0.8)
    glass = [(5, 3), (15, 3), (10.9, 10), (15, 17), (5, 17), (9.1, 10)]
    p.poly(glass, fill=(226, 238, 250), outline=GREY, width=0.9)
    p.poly([(7.2, 6.2), (12.8, 6.2), (10, 10)], fill=GOLD)
    p.poly([(10, 12.5), (13.8, 16.6), (6.2, 16.6)], fill=GOLD)


def sym_cycle(p):
    c = (28, 140, 88)
    for a0, a1, tip in ((200, 330, 330), (20, 150, 150)):
        p.arc(10, 10, 6.8, a0, a1, c, 2.4)
        t = math.radians(tip)
        tx, ty = 10 + 6.8 * math.cos(t), 10 + 6.8 * math.sin(t)
        head = [(tx + 4, ty), (tx - 0.3, ty - 4.2), (tx - 0.3, ty + 4.2)]
        p.poly(rotate(head, tip + 98, tx, ty), fill=c)


def sym_home(p):
    p.rect(4, 9, 16, 18.5, fill=WHITE, outline=BROWN, width=1.2)
    p.poly([(0.8, 10.2), (10, 1.5), (19.2, 10.2)], fill=RED)
    p.rect(8.4, 12.5, 11.6, 18.5, fill=BROWN)
    p.rect(13.5, 2.5, 15.5, 6.5, fill=RED)


def sym_gear(p):
    p.poly(gear_points(10, 10, 9.6, 7.2, 8), fill=(86, 98, 118))
    p.ellipse(10, 10, 6.4, fill=(120, 134, 156))
    p.ellipse(10, 10, 2.8, fill=WHITE)


def sym_tag(p):
    pts = [(1, 3), (1, 9.5), (10.5, 19), (19, 10.5), (9.5, 1), (3, 1)]
    p.poly(pts, fill=ORANGE, outline=(160, 80, 10), width=1)
    p.ellipse(5.2, 5.2, 1.7, fill=WHITE)


def sym_bookmark(p):
    p.poly([(4.5, 1), (15.5, 1), (15.5, 19), (10, 13.8), (4.5, 19)], fill=RED,
           outline=DARK_RED, width=1)


def sym_sun(p):
    for i in range(8):
        t = math.radians(i * 45)
        p.line([(10 + 6.6 * math.cos(t), 10 + 6.6 * math.sin(t)),
                (10 + 9.0 * math.cos(t), 10 + 9.0 * math.sin(t))], ORANGE, 1.8)
    p.ellipse(10, 10, 4.8, fill=GOLD, outline=ORANGE, width=1)


def sym_moon(p):
    p.ellipse(10, 10, 8.6, fill=(244, 206, 60))
    p.ellipse(14, 7, 7.4, fill=CLEAR)


def sym_cloud(p):
    c, edge = (226, 236, 248), (110, 140, 180)
    for layer_fill, grow in ((edge, 1.0), (c, 0.0)):
        p.ellipse(6, 12, 4.3 + grow, fill=layer_fill)
        p.ellipse(11, 8.5, 5.5 + grow, fill=layer_fill)
        p.ellipse(15, 12.5, 3.8 + grow, fill=layer_fill)
        p.rect(6, 11, 15, 16.3 + grow, fill=layer_fill)


def sym_note(p):
    c = PURPLE
    p.ellipse(5.6, 15.4, 3.4, 2.6, fill=c)
    p.ellipse(14.6, 13.4, 3.4, 2.6, fill=c)
    p.rect(7.6, 3.5, 9, 15.4, fill=c)
    p.rect(16.6, 1.5, 18, 13.4, fill=c)
    p.poly([(7.6, 3.5), (18, 1.5), (18, 5), (7.6, 7)], fill=c)


def sym_sigma(p):
    p.text(10, 10, "\u03a3", 17, NAVY)


def sym_not_equal(p):
    p.rect(2.5, 5.2, 17.5, 8.6, fill=RED, radius=1)
    p.rect(2.5, 11.4, 17.5, 14.8, fill=RED, radius=1)
    p.line([(13.5, 2), (6.5, 18)], RED, 2.2)


def sym_therefore(p):
    for x, y in ((10, 4.5), (4.5, 14.5), (15.5, 14.5)):
        p.ellipse(x, y, 2.9, fill=INK)


def sym_checkbox(ticked):
    def draw(p):
        p.rect(1.5, 1.5, 18.5, 18.5, fill=WHITE, outline=(60, 84, 130), width=1.5, radius=2.5)
        if ticked:
            p.line([(5, 10.2), (8.6, 13.8), (15, 6)], GREEN, 2.7)
    return draw


# (number, legend text, drawing) — the numbering is what writers type, so never renumber.
SYMBOLS = [
    (1, "arrow right", sym_arrow(0)),
    (2, "arrow left", sym_arrow(180)),
    (3, "arrow up", sym_arrow(-90)),
    (4, "arrow down", sym_arrow(90)),
    (5, "arrow up-right", sym_arrow(-45)),
    (6, "arrow down-right", sym_arrow(45)),
    (7, "arrow down-left", sym_arrow(135)),
    (8, "arrow up-left", sym_arrow(-135)),
    (9, "long arrow right (18 x 12)", sym_wide_arrow),
    (10, "check mark", sym_check),
    (11, "cross", sym_cross),
    (12, "star, full", sym_star("full")),
    (13, "star, half", sym_star("half")),
    (14, "star, empty", sym_star("empty")),
    (15, "warning triangle", sym_warning),
    (16, "question mark", sym_disc_text("?", BLUE)),
    (17, "exclamation mark", sym_disc_text("!", RED)),
    (18, "pointing hand", sym_hand),
    (19, "information", sym_disc_text("i", TEAL, 14, "DejaVuSerif-Bold.ttf")),
    (20, "light bulb (idea)", sym_bulb),
    (21, "key", sym_key),
    (22, "double arrow left-right (18 x 12)", sym_wide_double_arrow),
    (23, "flag", sym_flag),
    (24, "pin", sym_pin),
    (25, "heart", sym_heart),
    (26, "clock", sym_clock),
    (27, "book", sym_book),
    (28, "pencil", sym_pencil),
    (29, "magnifier", sym_magnifier),
    (30, "asterisk (important)", sym_asterisk),
    (31, "plus", sym_plus),
    (32, "minus", sym_minus),
    (33, "equals", sym_equal),
    (34, "opening quote", sym_quote(True)),
    (35, "closing quote", sym_quote(False)),
    (36, "brackets", sym_brackets),
    (37, "bullet, red", sym_bullet(RED)),
    (38, "bullet, orange", sym_bullet(ORANGE)),
    (39, "bullet, green", sym_bullet(GREEN)),
    (40, "bullet, blue", sym_bullet(BLUE)),
    (41, "bullet, purple", sym_bullet(PURPLE)),
    (42, "thumbs up", sym_thumb(True)),
    (43, "thumbs down", sym_thumb(False)),
] + [(43 + n, "number %d in a circle" % n, sym_number(n)) for n in range(1, 21)] + [
    (63 + i, "letter %s in a square" % letter, sym_letter(letter, color))
    for i, (letter, color) in enumerate(zip("ABCDEF", (RED, ORANGE, GREEN, BLUE, PURPLE, BROWN)),
                                        start=1)
] + [
    (70, "smiling face", sym_face(True)),
    (71, "sad face", sym_face(False)),
    (72, "lightning", sym_lightning),
    (73, "target", sym_target),
    (74, "calendar", sym_calendar),
    (75, "envelope", sym_envelope),
    (76, "paper clip", sym_paperclip),
    (77, "lock", sym_lock),
    (78, "bell", sym_bell),
    (79, "globe", sym_globe),
    (80, "person", sym_person),
    (81, "speech bubble", sym_speech),
    (82, "trophy", sym_trophy),
    (83, "stop sign", sym_stop),
    (84, "no entry", sym_forbidden),
    (85, "hourglass", sym_hourglass),
    (86, "cycle arrows (repeat)", sym_cycle),
    (87, "house", sym_home),
    (88, "gear", sym_gear),
    (89, "tag", sym_tag),
    (90, "bookmark", sym_bookmark),
    (91, "sun", sym_sun),
    (92, "moon", sym_moon),
    (93, "cloud", sym_cloud),
    (94, "music notes", sym_note),
    (95, "sum (sigma)", sym_sigma),
    (96, "not equal", sym_not_equal),
    (97, "therefore (three dots)", sym_therefore),
    (98, "tick box, empty", sym_checkbox(False)),
    (99, "tick box, ticked", sym_checkbox(True)),
]

WIDE = {9, 22}  # drawn 18 x 12, the others 20 x 20
# Fringe pixels fainter than this become transparent: the page behind a symbol is not always
# white, and a faint white halo would show on highlighted rows.
KEEP_ALPHA = 48


def keyed_symbol(layer):
    """Flattens onto white, then keys the untouched background to magenta."""
    rgba = layer.image()
    out = Image.new("RGB", rgba.size, MAGENTA)
    src, dst = rgba.load(), out.load()
    for y in range(rgba.size[1]):
        for x in range(rgba.size[0]):
            r, g, b, a = src[x, y]
            if a >= KEEP_ALPHA:
                dst[x, y] = tuple((c * a + 255 * (255 - a)) // 255 for c in (r, g, b))
    return out


def near_magenta(rgb):
    r, g, b = rgb
    return r > 190 and b > 190 and g < 110


def symbol_image(number, draw):
    w, h = (18, 12) if number in WIDE else (20, 20)
    layer = Pen(w, h)
    draw(layer)
    img = keyed_symbol(layer)
    for px in img.getdata():
        if px != MAGENTA and near_magenta(px):
            sys.exit("symbol %d has a near-magenta pixel %s" % (number, px))
    return img


# ---------------------------------------------------------------- sheets and legend


def sheet(items, zoom, columns, cell, label_font_size=12, background=(255, 255, 255)):
    """items: (label, image). Lays the images out enlarged, each with its label underneath."""
    font = ImageFont.truetype(os.path.join(FONTS, "DejaVuSans.ttf"), label_font_size)
    rows = (len(items) + columns - 1) // columns
    label_h = label_font_size + 6
    out = Image.new("RGB", (columns * cell, rows * (cell + label_h)), background)
    d = ImageDraw.Draw(out)
    for i, (label, img) in enumerate(items):
        big = img.resize((img.width * zoom, img.height * zoom), Image.NEAREST)
        x = (i % columns) * cell + (cell - big.width) // 2
        y = (i // columns) * (cell + label_h) + (cell - big.height) // 2
        if big.mode == "RGBA":
            out.paste(big, (x, y), big)
        else:
            out.paste(big, (x, y))
        tw = d.textlength(label, font=font)
        d.text(((i % columns) * cell + (cell - tw) / 2, (i // columns) * (cell + label_h) + cell),
               label, font=font, fill=(60, 60, 60))
    return out


def on_page(img):
    """A keyed symbol as the page view shows it: magenta pixels left out over white."""
    out = img.copy()
    out.putdata([(255, 255, 255) if px == MAGENTA else px for px in img.getdata()])
    return out


def write_legend(path):
    lines = [
        "# Inline symbols",
        "",
        "Write `\\#` followed by the symbol's number in two digits (`\\#01` ... `\\#99`) anywhere in a",
        "line of text; FOLIA draws the picture in place of those four characters.",
        "`symbols.png` beside this file shows them all.",
        "",
        "| Code | Picture |",
        "|------|---------|",
    ]
    lines += ["| `\\#%02d` | %s |" % (n, name) for n, name, _ in SYMBOLS]
    with open(path, "w", encoding="utf-8") as f:
        f.write("\n".join(lines) + "\n")


# Which library carries which pictures: each goes with the code that shows it, so that
# Quillet carries its own icon and nothing of FOLIA's artwork.
RESOURCE_OWNERS = [
    ("src_view", "symbols", lambda f: f.startswith("symbols/")),
    ("src_ui_quillet", "quillet_artwork", lambda f: f.startswith("quillet/")),
    ("src_ui_folia", "folia_artwork", lambda f: True),
]


def write_cmake_list(files):
    """The resource list is written here too, so it always names exactly the files drawn."""
    lines = [
        "# Written by tools/make_artwork.py together with the pictures it lists; regenerate, do not edit.",
    ]
    left = list(files)
    for target, name, owns in RESOURCE_OWNERS:
        owned = [f for f in left if owns(f)]
        left = [f for f in left if not owns(f)]
        lines += [
            'qt_add_resources(%s "%s"' % (target, name),
            '    PREFIX "/"',
            '    BASE "${CMAKE_CURRENT_SOURCE_DIR}"',
            "    FILES",
        ] + ["        %s" % f for f in owned] + [")"]
    with open(os.path.join(RESOURCES, "CMakeLists.txt"), "w", encoding="utf-8") as f:
        f.write("\n".join(lines) + "\n")


def save(img, *parts):
    path = os.path.join(RESOURCES, *parts)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    img.save(path, optimize=True)
    return path


def main():
    preview = None
    if len(sys.argv) == 3 and sys.argv[1] == "--preview":
        preview = sys.argv[2]
        os.makedirs(preview, exist_ok=True)
    assert [n for n, _, _ in SYMBOLS] == list(range(1, 100)), "symbol numbers must run 1..99"

    menu = []
    for number, draw in MENU:
        p = Pen(16, 16)
        draw(p)
        img = p.image()
        save(img, "menu", "%d.png" % number)
        menu.append((str(number), img))

    for k in range(12):
        save(busy_frame(k).convert("RGBA"), "busy", "%d.png" % (801 + k))

    icons = {"icon200.png": program_icon(), "quillet/icon200.png": editor_icon()}
    for resource, name in ICON_NAMES:
        save(icons[resource], resource)
        save_theme_icons(icons[resource], name)

    symbols = []
    for number, _, draw in SYMBOLS:
        img = symbol_image(number, draw)
        save(img, "symbols", "%d.png" % number)
        symbols.append(("%02d" % number, img))

    write_cmake_list(["icon200.png", "quillet/icon200.png"] + ["menu/%d.png" % n for n, _ in MENU] +
                     ["busy/%d.png" % (801 + k) for k in range(12)] +
                     ["symbols/%d.png" % n for n, _, _ in SYMBOLS])

    os.makedirs(SAMPLES, exist_ok=True)
    sheet([(n, on_page(img)) for n, img in symbols], 2, 11, 56).save(
        os.path.join(SAMPLES, "symbols.png"), optimize=True)
    write_legend(os.path.join(SAMPLES, "symbols.md"))

    if preview:
        sheet(menu, 4, 9, 80, background=(255, 255, 255)).save(os.path.join(preview, "menu4x.png"))
        sheet(menu, 1, 17, 24, 8, background=(240, 240, 240)).save(
            os.path.join(preview, "menu1x.png"))
        sheet(symbols, 4, 10, 96).save(os.path.join(preview, "symbols4x.png"))
        sheet([(n, on_page(img)) for n, img in symbols], 1, 20, 28, 8).save(
            os.path.join(preview, "symbols1x.png"))


if __name__ == "__main__":
    main()
