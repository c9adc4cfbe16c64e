#!/usr/bin/env python3
"""Writes the sample catalogues of data/ ("pal-pfl.dat", "feron.dat") and their
pictures: wood grains and plain colours for the boards, simple drawings for the
hardware. Standard library only; the JPEG copies are made with ImageMagick's
`convert` from our own BMPs.  Run from the repository root:

    python3 scripts/make_catalogue_samples.py
"""
import math
import os
import random
import subprocess

from bmp import write_bmp

DATA = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "data")


def to_jpeg(bmp, jpg):
    subprocess.run(["convert", bmp, "-quality", "90", jpg], check=True)
    os.remove(bmp)


# ---- boards ----

def wood(base, dark, rings, seed):
    rnd = random.Random(seed)
    phase = [rnd.random() * 6.28 for _ in range(4)]

    def px(x, y):
        # Rings bent by slow waves, with fine streaks along the grain.
        t = y * rings + 6 * math.sin(x / 23.0 + phase[0]) + 3 * math.sin(x / 7.0 + phase[1])
        ring = 0.5 + 0.5 * math.sin(t / 4.0 + 2 * math.sin(t / 17.0 + phase[2]))
        streak = 0.5 + 0.5 * math.sin(y * 1.7 + 4 * math.sin(x / 31.0 + phase[3]))
        k = 0.65 * ring ** 3 + 0.2 * streak
        return tuple(base[i] + (dark[i] - base[i]) * k for i in range(3))
    return px


def plain(rgb, speckle, seed):
    rnd = random.Random(seed)
    noise = [rnd.randint(-speckle, speckle) for _ in range(997)]

    def px(x, y):
        n = noise[(x * 31 + y * 17) % 997]
        return tuple(c + n for c in rgb)
    return px


def fibre(rgb, seed):
    rnd = random.Random(seed)
    noise = [rnd.randint(-14, 14) for _ in range(1009)]

    def px(x, y):
        n = noise[(x * 7 + y * 131) % 1009] + noise[(x * 13 + y * 3) % 1009] // 2
        return tuple(c + n for c in rgb)
    return px


def rgb_int(rgb):
    r, g, b = rgb
    return r | (g << 8) | (b << 16)


# code, description, price/mp, picture, colour, thickness, edge price/ml, size, painter
BOARDS = [
    ("PAL18STJ", "Pal melaminat stejar natur 18 mm", 38.50, "pal18_stejar.jpg", (196, 150, 96), 18, 1.80,
     (160, 120), wood((206, 162, 108), (140, 96, 52), 0.9, 1)),
    ("PAL18FAG", "Pal melaminat fag 18 mm", 36.00, "pal18_fag.bmp", (222, 178, 130), 18, 1.60,
     (128, 128), wood((232, 190, 142), (190, 130, 84), 1.3, 2)),
    ("PAL18NUC", "Pal melaminat nuc 18 mm", 41.20, "pal18_nuc.jpg", (110, 72, 44), 18, 1.90,
     (120, 160), wood((128, 86, 54), (62, 38, 22), 0.8, 3)),
    ("PAL18CIR", "Pal melaminat cires 18 mm", 39.90, "pal18_cires.bmp", (170, 84, 50), 18, 1.80,
     (128, 96), wood((184, 96, 58), (120, 52, 30), 1.1, 4)),
    ("PAL18ALB", "Pal melaminat alb 18 mm", 31.00, "pal18_alb.bmp", (245, 245, 242), 18, 1.20,
     (96, 96), plain((246, 246, 243), 3, 5)),
    ("PAL18NEG", "Pal melaminat negru 18 mm", 33.40, "pal18_negru.jpg", (30, 30, 32), 18, 1.40,
     (96, 96), plain((32, 32, 34), 5, 6)),
    ("pal16gri", "Pal melaminat gri deschis 16 mm", 29.75, "pal16_gri.bmp", (168, 170, 172), 16, 1.10,
     (96, 96), plain((170, 172, 174), 6, 7)),
    ("PAL16ART", "Pal melaminat artar 16 mm", 30.60, "pal16_artar.jpg", (234, 208, 160), 16, 1.10,
     (128, 128), wood((238, 214, 170), (206, 168, 112), 1.6, 8)),
    ("PAL25WEN", "Pal melaminat wenge 25 mm, blaturi", 52.00, "pal25_wenge.jpg", (64, 44, 34), 25, 2.40,
     (160, 100), wood((78, 56, 42), (34, 22, 16), 1.4, 9)),
    ("PAL10ROS", "Pal melaminat rosu 10 mm, spate sertare", 22.30, "pal10_rosu.bmp", (178, 34, 40), 10, 0.90,
     (96, 96), plain((180, 36, 42), 6, 10)),
    ("PFL3ALB", "Pfl alb 3 mm", 9.80, "pfl3_alb.bmp", (236, 236, 230), 3, 0,
     (96, 96), fibre((236, 236, 230), 11)),
    ("PFL3MARO", "Pfl maro 3 mm", 7.50, "pfl3_maro.jpg", (150, 104, 64), 3, 0,
     (96, 96), fibre((150, 104, 64), 12)),
    ("PFL4FAG", "Pfl decor fag 4 mm", 11.20, "pfl4_fag.jpg", (220, 176, 128), 4, 0,
     (128, 128), wood((228, 186, 138), (196, 140, 92), 1.3, 13)),
    ("Pfl3.2GRI", "Pfl gri 3,2 mm", 8.90, "pfl32_gri.bmp", (150, 152, 156), 3.2, 0,
     (96, 96), fibre((150, 152, 156), 14)),
]


# ---- hardware drawings ----

class Drawing:
    def __init__(self, w, h):
        self.w, self.h = w, h
        self.px = [[(255, 255, 255)] * w for _ in range(h)]

    def put(self, x, y, c):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = c

    def rect(self, x0, y0, x1, y1, c):
        for y in range(int(y0), int(y1)):
            for x in range(int(x0), int(x1)):
                self.put(x, y, c)

    def circle(self, cx, cy, r, c, inner=0):
        for y in range(int(cy - r - 1), int(cy + r + 2)):
            for x in range(int(cx - r - 1), int(cx + r + 2)):
                d = math.hypot(x - cx, y - cy)
                if inner <= d <= r:
                    self.put(x, y, c)

    def line(self, x0, y0, x1, y1, c, width=2):
        n = int(max(abs(x1 - x0), abs(y1 - y0))) + 1
        for i in range(n + 1):
            t = i / n
            x, y = x0 + (x1 - x0) * t, y0 + (y1 - y0) * t
            self.circle(x, y, width / 2.0, c)

    def pixel(self, x, y):
        return self.px[y][x]


STEEL = (150, 156, 164)
DARK = (70, 74, 80)
BRASS = (196, 160, 60)
BLACK = (30, 30, 30)


def hinge(d):
    d.rect(14, 40, 58, 56, STEEL)          # arm
    d.circle(30, 48, 18, DARK, 14)          # cup rim
    d.circle(30, 48, 14, (200, 204, 210))
    d.rect(56, 30, 84, 66, STEEL)          # mounting plate
    d.circle(70, 38, 3, DARK)
    d.circle(70, 58, 3, DARK)


def hinge_angle(d):
    hinge(d)
    d.line(56, 30, 84, 12, DARK, 3)


def handle_bar(colour):
    def draw(d):
        d.rect(10, 42, 86, 52, colour)
        d.rect(16, 52, 24, 66, colour)
        d.rect(72, 52, 80, 66, colour)
    return draw


def knob(colour):
    def draw(d):
        d.circle(48, 44, 22, colour)
        d.circle(42, 38, 6, (240, 240, 240))
        d.rect(42, 64, 54, 84, DARK)
    return draw


def slide(length):
    def draw(d):
        d.rect(6, 36, 6 + length, 48, STEEL)
        d.rect(14, 50, 14 + length - 4, 60, (184, 188, 194))
        for x in range(12, 6 + length, 14):
            d.circle(x, 42, 2, DARK)
        d.circle(8 + length, 55, 4, BLACK)
    return draw


def leg(height):
    def draw(d):
        top = 88 - height
        d.rect(30, top, 66, top + 8, DARK)
        d.rect(42, top + 8, 54, 80, STEEL)
        d.rect(36, 80, 60, 88, BLACK)
    return draw


def rail(d):
    d.circle(20, 40, 9, DARK)
    d.circle(76, 40, 9, DARK)
    d.rect(12, 36, 84, 44, (190, 194, 200))
    d.rect(16, 48, 24, 56, DARK)
    d.rect(72, 48, 80, 56, DARK)


def screw(length, colour):
    def draw(d):
        d.rect(18, 40, 30, 56, colour)
        d.line(20, 48, 28, 48, DARK, 2)
        d.rect(30, 44, 30 + length, 52, colour)
        for x in range(32, 30 + length, 5):
            d.line(x, 43, x + 3, 53, DARK, 1)
        d.line(30 + length, 44, 36 + length, 48, colour, 3)
    return draw


def shelf_pin(d):
    d.rect(20, 42, 60, 54, BRASS)
    d.rect(60, 34, 72, 62, BRASS)


def lock(d):
    d.rect(24, 24, 72, 72, BRASS)
    d.circle(48, 44, 8, BLACK)
    d.rect(46, 48, 50, 62, BLACK)


# code, description, unit price, picture, painter, size
HARDWARE = [
    ("BAL35", "Balama aplicata 35 mm cu amortizor", 6.40, "balama35.bmp", hinge, (96, 96)),
    ("BAL35SEMI", "Balama semiaplicata 35 mm", 5.90, "balama35semi.jpg", hinge, (96, 96)),
    ("BAL165", "Balama unghi 165 grade", 14.50, "balama165.bmp", hinge_angle, (96, 96)),
    ("MAN128", "Maner bara 128 mm inox", 11.00, "maner128.jpg", handle_bar(STEEL), (96, 96)),
    ("MAN96NEG", "Maner bara 96 mm negru", 8.75, "maner96negru.bmp", handle_bar(BLACK), (96, 96)),
    ("BUTONAL", "Buton alama D30", 4.20, "buton_alama.jpg", knob(BRASS), (96, 96)),
    ("GLIS350", "Glisiera cu bile 350 mm (pereche)", 24.00, "glisiera350.bmp", slide(62), (96, 96)),
    ("GLIS450", "Glisiera cu bile 450 mm (pereche)", 28.50, "glisiera450.jpg", slide(80), (96, 96)),
    ("PIC100", "Picior reglabil 100 mm", 3.10, "picior100.bmp", leg(60), (96, 96)),
    ("PIC150", "Picior reglabil 150 mm", 3.80, "picior150.jpg", leg(78), (96, 96)),
    ("BARA1M", "Bara umerase ovala 1 m cu suporti", 17.60, "bara_umerase.bmp", rail, (96, 96)),
    ("SUR4X16", "Surub pal 4x16 (100 buc.)", 5.50, "surub4x16.jpg", screw(24, STEEL), (96, 96)),
    ("SUR4X30", "Surub pal 4x30 (100 buc.)", 7.20, "surub4x30.bmp", screw(44, STEEL), (96, 96)),
    ("SUR3.5X50", "Surub pal 3,5x50 zincat galben", 9.40, "surub35x50.jpg", screw(56, BRASS), (96, 96)),
    ("SUPPOL", "Suport polita 5 mm alama", 0.35, "suport_polita.bmp", shelf_pin, (96, 96)),
    ("incuiere", "Incuietoare usa mobilier", 12.90, "incuietoare.jpg", lock, (96, 96)),
]


def write_catalogue(path, header, lines):
    with open(path, "wb") as f:
        f.write(("%d %d %d\r\n" % header).encode())
        for line in lines:
            f.write((str(line) + "\r\n").encode())


def make_picture(folder, name, size, pixel):
    path = os.path.join(DATA, folder, name)
    w, h = size
    if name.endswith(".jpg"):
        bmp = path[:-4] + "_tmp.bmp"
        write_bmp(bmp, w, h, pixel)
        to_jpeg(bmp, path)
    else:
        write_bmp(path, w, h, pixel)


def main():
    os.makedirs(os.path.join(DATA, "texturi"), exist_ok=True)
    os.makedirs(os.path.join(DATA, "feronerie"), exist_ok=True)

    lines = []
    for code, desc, price, pic, colour, thick, edge, size, painter in BOARDS:
        make_picture("texturi", pic, size, painter)
        lines += [code, desc, "%.2f" % price, "texturi/" + pic, rgb_int(colour), ("%g" % thick), "%.2f" % edge]
    write_catalogue(os.path.join(DATA, "pal-pfl.dat"), (64, 64, len(BOARDS)), lines)

    lines = []
    for code, desc, price, pic, painter, size in HARDWARE:
        d = Drawing(*size)
        painter(d)
        make_picture("feronerie", pic, size, d.pixel)
        lines += [code, desc, "%.2f" % price, "feronerie/" + pic]
    write_catalogue(os.path.join(DATA, "feron.dat"), (48, 48, len(HARDWARE)), lines)


if __name__ == "__main__":
    main()
