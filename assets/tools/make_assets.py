#!/usr/bin/env python3
"""Regenerate Dovrel's artwork, sounds and default settings files.

Usage:  python3 assets/tools/make_assets.py [images|sounds|config ...]

With no argument everything is rebuilt.  Pictures are painted pixel by pixel
here and then finished (text, clock motif, JPEG/PNG encoding) with ImageMagick
`convert`.  Sounds are synthesised directly into 16-bit mono 44.1 kHz WAV.
Settings files are written as GBK text with CR LF line ends.
The help pages in assets/help/ are edited by hand and are not touched here.
"""

import math
import os
import random
import struct
import subprocess
import sys
import tempfile
import wave
import zlib

ASSETS = os.path.abspath(os.path.join(os.path.dirname(__file__), os.pardir))
CJK_FONT = "/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc"
LATIN_FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf"
TMP = tempfile.mkdtemp(prefix="dovrel-assets-")


def out(*parts):
    path = os.path.join(ASSETS, *parts)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    return path


# --------------------------------------------------------------------------
# Small raster canvas (floats 0..255, three flat channel lists)
# --------------------------------------------------------------------------

def clamp01(v):
    return 0.0 if v < 0.0 else (1.0 if v > 1.0 else v)


def smooth(t):
    t = clamp01(t)
    return t * t * (3.0 - 2.0 * t)


def mix(c1, c2, t):
    return tuple(a + (b - a) * t for a, b in zip(c1, c2))


def hexc(s):
    s = s.lstrip("#")
    return tuple(int(s[i:i + 2], 16) for i in (0, 2, 4))


class Canvas:
    def __init__(self, w, h):
        self.w, self.h = w, h
        n = w * h
        self.r = [0.0] * n
        self.g = [0.0] * n
        self.b = [0.0] * n

    def fill(self, fn):
        """fn(u, v) -> colour, u and v in 0..1."""
        w, h = self.w, self.h
        r, g, b = self.r, self.g, self.b
        for y in range(h):
            v = y / (h - 1)
            row = y * w
            for x in range(w):
                c = fn(x / (w - 1), v)
                i = row + x
                r[i], g[i], b[i] = c

    def blend_px(self, i, col, a):
        self.r[i] += (col[0] - self.r[i]) * a
        self.g[i] += (col[1] - self.g[i]) * a
        self.b[i] += (col[2] - self.b[i]) * a

    def circle(self, cx, cy, rad, col, alpha, soft=0.35):
        """Soft disc: full alpha inside, fading over soft*rad at the rim."""
        w, h = self.w, self.h
        x0, x1 = max(0, int(cx - rad - 1)), min(w - 1, int(cx + rad + 1))
        y0, y1 = max(0, int(cy - rad - 1)), min(h - 1, int(cy + rad + 1))
        edge = max(1.0, soft * rad)
        for y in range(y0, y1 + 1):
            dy = y - cy
            row = y * w
            for x in range(x0, x1 + 1):
                d = math.sqrt((x - cx) ** 2 + dy * dy)
                if d < rad:
                    a = alpha * smooth((rad - d) / edge)
                    if a > 0.0:
                        self.blend_px(row + x, col, a)

    def ring(self, cx, cy, rad, width, col, alpha):
        w, h = self.w, self.h
        ext = rad + width + 2
        x0, x1 = max(0, int(cx - ext)), min(w - 1, int(cx + ext))
        y0, y1 = max(0, int(cy - ext)), min(h - 1, int(cy + ext))
        for y in range(y0, y1 + 1):
            row = y * w
            for x in range(x0, x1 + 1):
                d = abs(math.hypot(x - cx, y - cy) - rad)
                a = alpha * clamp01(width / 2.0 + 0.75 - d)
                if a > 0.0:
                    self.blend_px(row + x, col, a)

    def band(self, top_fn, col, alpha, fade=40.0, bottom_fn=None):
        """Fill below the curve y = top_fn(x) (optionally above bottom_fn).

        The band is opaque at its antialiased edge and fades towards the
        bottom over `fade` pixels, giving a soft layered-hill look."""
        w, h = self.w, self.h
        for x in range(w):
            top = top_fn(x)
            bot = bottom_fn(x) if bottom_fn else h + 1
            ys = max(0, int(top) - 1)
            ye = min(h - 1, int(bot) + 1)
            for y in range(ys, ye + 1):
                cov = clamp01(y + 0.5 - top) * clamp01(bot - (y - 0.5))
                if cov <= 0.0:
                    continue
                depth = (y - top) / fade if fade else 0.0
                a = alpha * cov * (1.0 - 0.45 * clamp01(depth))
                self.blend_px(y * w + x, col, a)

    def vignette(self, strength=0.25, col=(0, 0, 0)):
        w, h = self.w, self.h
        for y in range(h):
            v = y / (h - 1) - 0.5
            row = y * w
            for x in range(w):
                u = x / (w - 1) - 0.5
                d = math.sqrt(u * u + v * v) / 0.7071
                a = strength * smooth((d - 0.45) / 0.55)
                if a > 0:
                    self.blend_px(row + x, col, a)

    def save_ppm(self, path, seed=7, dither=1.6):
        rnd = random.Random(seed)
        data = bytearray(self.w * self.h * 3)
        j = 0
        for i in range(self.w * self.h):
            for ch in (self.r, self.g, self.b):
                v = ch[i] + (rnd.random() - 0.5) * dither
                data[j] = 0 if v < 0 else (255 if v > 255 else int(v + 0.5))
                j += 1
        with open(path, "wb") as f:
            f.write(b"P6\n%d %d\n255\n" % (self.w, self.h))
            f.write(data)


def convert(*args):
    subprocess.run(["convert", *map(str, args)], check=True)


def to_jpeg(canvas, dest, seed):
    ppm = os.path.join(TMP, os.path.basename(dest) + ".ppm")
    canvas.save_ppm(ppm, seed=seed)
    convert(ppm, "-strip", "-sampling-factor", "1x1", "-quality", "92", dest)


# --------------------------------------------------------------------------
# Pictures
# --------------------------------------------------------------------------

# The backgrounds are drawn at their natural size from the top left on the display screens, so they are made large
# enough to cover a 1080p projector and a 1440p screen (and 4:3 projectors up to 2560 x 1920). They keep the 4:3 of
# their designs, drawn for 1024 x 768, so the main menu, which stretches its picture, shows them as before: every
# length in pixels is S times the design's.
BG_W, BG_H = 2560, 1920
S = BG_W / 1024.0


def bokeh(cv, rnd, n, cols, rmin, rmax, amin, amax, area=None):
    x0, y0, x1, y1 = area or (0, 0, cv.w, cv.h)
    for _ in range(n):
        cv.circle(rnd.uniform(x0, x1), rnd.uniform(y0, y1),
                  rnd.uniform(rmin, rmax), rnd.choice(cols),
                  rnd.uniform(amin, amax), soft=rnd.uniform(0.25, 0.8))


def wave_fn(base, parts, scale=1.0):
    """y = base + sum(amp * sin(2*pi*x/period + phase)), amplitudes and periods times `scale`."""
    def f(x):
        return base + sum(a * scale * math.sin(2 * math.pi * x / (p * scale) + ph)
                          for a, p, ph in parts)
    return f


def bg_p1(w=BG_W, h=BG_H):
    """Clear morning sky: blue vertical gradient with soft light bubbles."""
    cv = Canvas(w, h)
    top, bot = hexc("2f5f9a"), hexc("a9d3ea")
    cv.fill(lambda u, v: mix(top, bot, smooth(v * 0.9 + u * 0.1)))
    rnd = random.Random(11)
    bokeh(cv, rnd, 22, [(255, 255, 255), (210, 235, 255)], 30 * S, 150 * S, 0.04, 0.12)
    cv.circle(w * 0.82, h * 0.18, 260 * S, (255, 255, 255), 0.10, soft=1.0)
    cv.vignette(0.22, (16, 34, 70))
    return cv


def bg_p2(w=BG_W, h=BG_H):
    """Warm sand: peach to rose diagonal gradient with gentle dunes."""
    cv = Canvas(w, h)
    a, b = hexc("f7dfbf"), hexc("e39e92")
    cv.fill(lambda u, v: mix(a, b, smooth(0.6 * v + 0.4 * u)))
    cv.circle(w * 0.22, h * 0.26, 190 * S, (255, 244, 226), 0.35, soft=1.0)
    layers = [
        (0.66, hexc("f3c4a6"), 0.55, [(18, 900, 0.3), (9, 430, 1.1)]),
        (0.76, hexc("e9a88f"), 0.55, [(22, 1100, 2.0), (8, 380, 0.2)]),
        (0.87, hexc("d98a80"), 0.60, [(16, 800, 4.1), (6, 300, 2.2)]),
    ]
    for base, col, al, parts in layers:
        cv.band(wave_fn(h * base, parts, S), col, al, fade=h * 0.25)
    cv.vignette(0.18, (120, 60, 50))
    return cv


def bg_p3(w=BG_W, h=BG_H):
    """Quiet night: deep navy radial glow, faint light rays, sparse stars."""
    cv = Canvas(w, h)
    cin, cout = hexc("2b3f6b"), hexc("0a1022")

    def f(u, v):
        d = math.hypot((u - 0.5) * 1.3, v - 0.42)
        return mix(cin, cout, smooth(d / 0.85))
    cv.fill(f)
    # soft diagonal rays
    for k, (off, wid, al) in enumerate([(0.15, 70, 0.05), (0.42, 110, 0.045),
                                        (0.70, 60, 0.04), (0.93, 90, 0.035)]):
        wid *= S
        for y in range(h):
            cx = off * w + (y - h / 2) * 0.45
            x0, x1 = max(0, int(cx - wid)), min(w - 1, int(cx + wid))
            row = y * w
            for x in range(x0, x1 + 1):
                a = al * (1 - abs(x - cx) / wid) * (1 - y / h * 0.6)
                if a > 0:
                    cv.blend_px(row + x, (160, 190, 255), a)
    rnd = random.Random(33)
    for _ in range(90):
        cv.circle(rnd.uniform(0, w), rnd.uniform(0, h * 0.8),
                  rnd.uniform(0.8, 2.0) * S, (235, 240, 255),
                  rnd.uniform(0.25, 0.7), soft=1.0)
    bokeh(cv, rnd, 8, [(90, 120, 200)], 60 * S, 160 * S, 0.05, 0.09)
    return cv


def ribbon(cv, centre_fn, thick_fn, col, alpha):
    cv.band(lambda x: centre_fn(x) - thick_fn(x) / 2, col, alpha, fade=0,
            bottom_fn=lambda x: centre_fn(x) + thick_fn(x) / 2)


def bg_p4(w=BG_W, h=BG_H):
    """Spring green (main menu default): soft diagonal light and silk ribbons."""
    cv = Canvas(w, h)
    a, b = hexc("dff3dc"), hexc("5ec86d")

    def f(u, v):
        return mix(a, b, smooth(0.55 * v + 0.45 * u))
    cv.fill(f)
    cv.circle(w * 0.12, h * 0.1, 380 * S, (255, 255, 245), 0.35, soft=1.0)
    rib = [
        (0.70, -0.35, 60, 1.0, 120, 0.16, (255, 255, 255)),
        (0.76, -0.40, 45, 2.2, 70, 0.14, (255, 255, 255)),
        (0.82, -0.30, 70, 3.9, 40, 0.18, hexc("3fa757")),
        (0.88, -0.38, 35, 5.0, 90, 0.15, hexc("2f8f48")),
    ]
    for base, slope, amp, ph, th, al, col in rib:
        def centre(x, base=base, slope=slope, amp=amp, ph=ph):
            return h * base + slope * x + amp * S * math.sin(2 * math.pi * x / (900 * S) + ph)

        def thick(x, th=th, ph=ph):
            return th * S * (0.55 + 0.45 * math.sin(2 * math.pi * x / (1300 * S) + ph * 0.7))
        ribbon(cv, centre, thick, col, al)
    rnd = random.Random(44)
    bokeh(cv, rnd, 12, [(255, 255, 255)], 20 * S, 70 * S, 0.05, 0.12,
          area=(w * 0.45, 0, w, h * 0.5))
    cv.vignette(0.18, (25, 70, 35))
    return cv


def bg_p5(w=BG_W, h=BG_H):
    """Lavender paper: pale gradient with a faint dot grid and soft glows."""
    cv = Canvas(w, h)
    a, b = hexc("eeebf6"), hexc("c9c3e0")

    def f(u, v):
        return mix(a, b, smooth(math.hypot(u - 0.2, v - 0.15) / 1.1))
    cv.fill(f)
    cv.circle(w * 0.85, h * 0.85, 320 * S, hexc("b3a9d8"), 0.30, soft=1.0)
    cv.circle(w * 0.12, h * 0.9, 200 * S, hexc("d9d2ee"), 0.35, soft=1.0)
    step = int(round(32 * S))
    dot = hexc("8f86b8")
    for gy in range(step // 2, h, step):
        for gx in range(step // 2, w, step):
            fade = 0.22 + 0.18 * (gx / w) * (gy / h)
            cv.circle(gx, gy, 2.4 * S, dot, fade, soft=0.8)
    cv.vignette(0.12, (80, 70, 120))
    return cv


def menu_background(w=792, h=566):
    """Main menu design background: calm mint sky over soft green hills."""
    cv = Canvas(w, h)
    top, bot = hexc("f1faef"), hexc("bfe7c4")
    cv.fill(lambda u, v: mix(top, bot, smooth(v)))
    cv.circle(w * 0.18, h * 0.2, 170, (255, 255, 245), 0.45, soft=1.0)
    rnd = random.Random(55)
    bokeh(cv, rnd, 10, [(255, 255, 255), (220, 245, 222)], 18, 60, 0.08, 0.18,
          area=(w * 0.3, 0, w, h * 0.5))
    layers = [
        (0.68, hexc("b5e3b9"), 0.65, [(20, 1000, 1.0), (8, 400, 0.3)]),
        (0.77, hexc("8fd59a"), 0.70, [(24, 1200, 3.0), (7, 350, 2.0)]),
        (0.86, hexc("5ec86d"), 0.75, [(18, 900, 5.1), (5, 260, 1.4)]),
        (0.94, hexc("46ad5a"), 0.75, [(12, 700, 0.6), (4, 220, 4.0)]),
    ]
    for base, col, al, parts in layers:
        cv.band(wave_fn(h * base, parts), col, al, fade=h * 0.3)
    cv.vignette(0.12, (40, 90, 50))
    return cv


def settings_side(w=117, h=316):
    """Tall strip for the left edge of the settings pages (cyan page)."""
    cv = Canvas(w, h)
    top, mid, bot = hexc("0b5fa5"), hexc("1aa7d6"), hexc("7ff3f6")
    page = (0, 255, 255)

    def f(u, v):
        c = mix(top, mid, smooth(v / 0.55)) if v < 0.55 else \
            mix(mid, bot, smooth((v - 0.55) / 0.45))
        return mix(c, page, smooth((u - 0.72) / 0.28) * 0.85)
    cv.fill(f)
    rnd = random.Random(66)
    for _ in range(16):
        rr = rnd.uniform(4, 16)
        cv.circle(rnd.uniform(8, w * 0.7), rnd.uniform(0, h), rr,
                  (255, 255, 255), rnd.uniform(0.10, 0.25), soft=0.6)
    # flowing vertical ribbons
    for k, (x0, amp, per, ph, al) in enumerate([(30, 10, 210, 0.0, 0.35),
                                                (52, 14, 260, 1.6, 0.28),
                                                (74, 9, 180, 3.1, 0.22)]):
        for y in range(h):
            cx = x0 + amp * math.sin(2 * math.pi * y / per + ph)
            for x in range(max(0, int(cx) - 3), min(w, int(cx) + 4)):
                a = al * clamp01(1.6 - abs(x - cx))
                if a > 0:
                    cv.blend_px(y * w + x, (235, 255, 255), a)
    # small clock face near the top
    cv.ring(44, 58, 24, 3.0, (255, 255, 255), 0.9)
    cv.circle(44, 58, 22, (255, 255, 255), 0.15, soft=0.3)
    for ang in range(0, 360, 30):
        t = math.radians(ang)
        for s in range(15, 19):
            cv.circle(44 + s * math.sin(t), 58 - s * math.cos(t), 1.1,
                      (255, 255, 255), 0.9, soft=1.0)
    for length, ang in ((13, 0), (10, 120)):
        t = math.radians(ang)
        for s in range(0, length * 2):
            d = s / 2
            cv.circle(44 + d * math.sin(t), 58 - d * math.cos(t), 1.4,
                      (255, 255, 255), 0.95, soft=1.0)
    return cv


def splash(dest, w=539, h=227):
    cv = Canvas(w, h)
    a, b = hexc("0e1f3d"), hexc("145c6e")

    def f(u, v):
        return mix(a, b, smooth(0.75 * u + 0.25 * v))
    cv.fill(f)
    cv.circle(112, 113, 150, hexc("2a8aa0"), 0.25, soft=1.0)
    rnd = random.Random(77)
    bokeh(cv, rnd, 12, [(120, 200, 220)], 8, 28, 0.05, 0.12,
          area=(220, 0, w, h))
    ppm = os.path.join(TMP, "splash.ppm")
    cv.save_ppm(ppm, seed=9, dither=1.2)

    gold, pale = "#f3cf7a", "#d9eef2"
    cx, cy, r = 112, 108, 70
    draw = [
        "stroke {0} stroke-width 5 fill rgba(255,255,255,0.06) "
        "circle {1},{2} {3},{2}".format(gold, cx, cy, cx + r),
        "stroke rgba(243,207,122,0.35) stroke-width 2 fill none "
        "circle {0},{1} {2},{1}".format(cx, cy, cx + r + 10),
    ]
    for k in range(60):
        t = math.radians(k * 6)
        r0 = r - (13 if k % 5 == 0 else 7)
        sw = 3.5 if k % 5 == 0 else 1.3
        col = gold if k % 5 == 0 else pale
        draw.append("stroke {} stroke-width {} line {:.1f},{:.1f} {:.1f},{:.1f}"
                    .format(col, sw, cx + r0 * math.sin(t), cy - r0 * math.cos(t),
                            cx + (r - 4) * math.sin(t), cy - (r - 4) * math.cos(t)))
    # hands at 10:08 and a sweep arc for the last seconds
    for ang, ln, sw, col in ((-55, 34, 6, pale), (50, 52, 4, pale),
                             (180, 58, 2, "#ff6b5a")):
        t = math.radians(ang)
        draw.append("stroke {} stroke-width {} stroke-linecap round "
                    "line {},{} {:.1f},{:.1f}".format(
                        col, sw, cx, cy, cx + ln * math.sin(t), cy - ln * math.cos(t)))
    draw.append("stroke none fill {} circle {},{} {},{}".format(gold, cx, cy, cx + 6, cy))
    draw.append("stroke none fill #ff6b5a circle {},{} {},{}".format(cx, cy, cx + 2.5, cy))
    # stopwatch crown
    draw.append("stroke none fill {} roundrectangle {},{} {},{} 3,3".format(
        gold, cx - 10, cy - r - 22, cx + 10, cy - r - 12))
    draw.append("stroke none fill {} rectangle {},{} {},{}".format(
        gold, cx - 4, cy - r - 12, cx + 4, cy - r - 4))

    args = [ppm]
    for d in draw:
        args += ["-draw", d]
    # thin rule between title and subtitle
    args += ["-fill", "none", "-stroke", "rgba(243,207,122,0.8)", "-strokewidth", "1.5",
             "-draw", "line 225,140 505,140", "-stroke", "none"]
    # title with shadow
    args += ["-font", LATIN_FONT, "-pointsize", "82",
             "-fill", "rgba(0,0,0,0.45)", "-annotate", "+228+119", "Dovrel",
             "-fill", "#ffffff", "-annotate", "+224+115", "Dovrel"]
    args += ["-font", CJK_FONT, "-pointsize", "30", "-kerning", "6",
             "-fill", "rgba(0,0,0,0.45)", "-annotate", "+228+182", "辩论赛计时系统",
             "-fill", gold, "-annotate", "+226+180", "辩论赛计时系统"]
    args += ["-kerning", "0", "-font", CJK_FONT, "-pointsize", "12",
             "-fill", "rgba(217,238,242,0.7)", "-annotate", "+228+210",
             "单击画面进入主菜单"]
    args += ["-strip", "-define", "png:color-type=2", dest]
    convert(*args)


def make_images():
    jobs = [
        (bg_p1, ("background", "p1.jpg"), 1),
        (bg_p2, ("background", "p2.jpg"), 2),
        (bg_p3, ("background", "p3.jpg"), 3),
        (bg_p4, ("background", "p4.jpg"), 4),
        (bg_p5, ("background", "p5.jpg"), 5),
        (menu_background, ("images", "menu_background.jpg"), 6),
    ]
    for fn, parts, seed in jobs:
        to_jpeg(fn(), out(*parts), seed)
        print("wrote", os.path.join(*parts))
    ppm = os.path.join(TMP, "side.ppm")
    settings_side().save_ppm(ppm, seed=8)
    convert(ppm, "-strip", "-define", "png:color-type=2",
            out("images", "settings_side.png"))
    print("wrote images/settings_side.png")
    splash(out("images", "splash.png"))
    print("wrote images/splash.png")


# --------------------------------------------------------------------------
# Sounds
# --------------------------------------------------------------------------

RATE = 44100


def silence(sec):
    return [0.0] * int(round(sec * RATE))


def tone(freq, sec, partials=((1.0, 1.0),), decay=None, attack=0.004,
         release=0.02, sweep_to=None, vibrato=0.0):
    """Additive tone.  partials: (ratio, amp) or (ratio, amp, decay_scale)."""
    n = int(round(sec * RATE))
    outbuf = [0.0] * n
    phases = [0.0] * len(partials)
    for i in range(n):
        t = i / RATE
        f = freq if sweep_to is None else \
            freq * (sweep_to / freq) ** (t / sec)
        if vibrato:
            f *= 1.0 + vibrato * math.sin(2 * math.pi * 5.5 * t)
        s = 0.0
        for k, p in enumerate(partials):
            ratio, amp = p[0], p[1]
            dscale = p[2] if len(p) > 2 else 1.0
            fk = f * ratio
            if fk >= RATE / 2.2:
                continue
            phases[k] += 2 * math.pi * fk / RATE
            env = math.exp(-t / (decay * dscale)) if decay else 1.0
            s += amp * env * math.sin(phases[k])
        # attack / release ramps (raised cosine)
        if t < attack:
            s *= 0.5 - 0.5 * math.cos(math.pi * t / attack)
        rem = sec - t
        if rem < release:
            s *= 0.5 - 0.5 * math.cos(math.pi * max(rem, 0.0) / release)
        outbuf[i] = s
    return outbuf


def place(buf, snd, at):
    start = int(round(at * RATE))
    need = start + len(snd)
    if need > len(buf):
        buf.extend([0.0] * (need - len(buf)))
    for i, v in enumerate(snd):
        buf[start + i] += v
    return buf


def finish(buf, peak_db, total=None, fade_out=0.06):
    if total:
        n = int(round(total * RATE))
        buf = (buf + [0.0] * n)[:n]
    n = len(buf)
    fo = int(fade_out * RATE)
    for i in range(fo):
        buf[n - 1 - i] *= 0.5 - 0.5 * math.cos(math.pi * i / fo)
    fi = int(0.003 * RATE)
    for i in range(fi):
        buf[i] *= i / fi
    pk = max(abs(v) for v in buf) or 1.0
    gain = 10 ** (peak_db / 20.0) / pk
    return [v * gain for v in buf]


def write_wav(path, buf):
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(b"".join(struct.pack("<h", int(round(max(-1.0, min(1.0, v)) * 32767)))
                               for v in buf))


BELL = ((1.0, 1.0), (2.0, 0.45, 0.7), (2.76, 0.30, 0.5), (5.40, 0.12, 0.3),
        (8.93, 0.05, 0.2))
GLASS = ((1.0, 1.0), (2.0, 0.25, 0.6), (3.0, 0.12, 0.4))
MARIMBA = ((1.0, 1.0), (3.93, 0.35, 0.25), (9.2, 0.08, 0.12))
GONG = ((1.0, 1.0), (1.48, 0.6, 0.8), (2.09, 0.5, 0.7), (2.63, 0.35, 0.6),
        (3.41, 0.25, 0.5), (4.22, 0.15, 0.4), (0.5, 0.4, 1.2))


def note(name):
    names = {"C": -9, "D": -7, "E": -5, "F": -4, "G": -2, "A": 0, "B": 2}
    semis = names[name[0]] + (1 if "#" in name else 0)
    octave = int(name[-1])
    return 440.0 * 2 ** ((semis + 12 * (octave - 4)) / 12.0)


def warn_default():
    """Two-tone 'ding-dong'."""
    buf = silence(1.5)
    place(buf, tone(note("E5"), 0.9, GLASS, decay=0.35, attack=0.006, release=0.3), 0.0)
    place(buf, tone(note("C5"), 1.1, GLASS, decay=0.45, attack=0.006, release=0.4), 0.38)
    return finish(buf, -6.0, total=1.5, fade_out=0.08)


def warn_one():
    """Soft rising chime arpeggio."""
    buf = silence(1.8)
    for k, n in enumerate(("C6", "E6", "G6")):
        place(buf, tone(note(n), 1.2, BELL, decay=0.4, attack=0.005, release=0.4),
              k * 0.17)
    return finish(buf, -6.0, total=1.8, fade_out=0.1)


def warn_two():
    """A single soft bell."""
    buf = tone(note("A5"), 1.9, BELL, decay=0.6, attack=0.008, release=0.6,
               vibrato=0.0015)
    return finish(buf, -6.0, total=1.9, fade_out=0.1)


def warn_three():
    """Marimba-like double pluck."""
    buf = silence(1.2)
    place(buf, tone(note("G5"), 0.55, MARIMBA, decay=0.16, attack=0.003, release=0.2), 0.0)
    place(buf, tone(note("D6"), 0.55, MARIMBA, decay=0.16, attack=0.003, release=0.2), 0.16)
    place(buf, tone(note("G6"), 0.8, MARIMBA, decay=0.22, attack=0.003, release=0.3), 0.32)
    return finish(buf, -6.0, total=1.2, fade_out=0.08)


SQUAREISH = tuple((k, 1.0 / k) for k in (1, 3, 5, 7, 9))
SAWISH = tuple((k, 1.0 / k) for k in range(1, 16))


def timeout_default():
    """Triple beep, the last one longer."""
    buf = silence(1.4)
    for k, length in enumerate((0.16, 0.16, 0.45)):
        place(buf, tone(1000.0, length, SQUAREISH, attack=0.006, release=0.015),
              k * 0.28)
    return finish(buf, -1.0, total=1.4, fade_out=0.05)


def timeout_one():
    """Two-pulse buzzer."""
    buf = silence(1.5)
    for k in range(2):
        b = tone(155.0, 0.55, SAWISH, attack=0.01, release=0.03)
        # slight rasp from amplitude modulation
        b = [v * (0.8 + 0.2 * math.sin(2 * math.pi * 31 * i / RATE)) for i, v in enumerate(b)]
        place(buf, b, k * 0.7)
    return finish(buf, -1.0, total=1.5, fade_out=0.05)


def timeout_two():
    """Rising alarm sweep, three times."""
    buf = silence(1.95)
    for k in range(3):
        place(buf, tone(520.0, 0.55, SQUAREISH[:3], attack=0.01, release=0.04,
                        sweep_to=1560.0), k * 0.62)
    return finish(buf, -1.0, total=1.95, fade_out=0.05)


def timeout_three():
    """Gong strike followed by a bright bell."""
    buf = silence(1.98)
    place(buf, tone(98.0, 1.98, GONG, decay=0.9, attack=0.004, release=0.5,
                    vibrato=0.002), 0.0)
    place(buf, tone(note("E5"), 1.5, BELL, decay=0.45, attack=0.004, release=0.4), 0.0)
    return finish(buf, -1.0, total=1.98, fade_out=0.25)


def make_sounds():
    sounds = [
        (("sound", "30Warn", "默认声音.wav"), warn_default),
        (("sound", "30Warn", "声音一.wav"), warn_one),
        (("sound", "30Warn", "声音二.wav"), warn_two),
        (("sound", "30Warn", "声音三.wav"), warn_three),
        (("sound", "TimeOut", "默认声音.wav"), timeout_default),
        (("sound", "TimeOut", "声音一.wav"), timeout_one),
        (("sound", "TimeOut", "声音二.wav"), timeout_two),
        (("sound", "TimeOut", "声音三.wav"), timeout_three),
    ]
    for parts, fn in sounds:
        write_wav(out(*parts), fn())
        print("wrote", os.path.join(*parts))


# --------------------------------------------------------------------------
# Default settings (GBK, CR LF after every line)
# --------------------------------------------------------------------------

CONFIG = {
    "TimeSet.ini": [
        "立论陈词", "驳论", "攻辩 ", "盘问", "自由辩论", "自由辩论（加时）",
        "180", "120", "90", "120", "240", "120",
        "质询小结", "结辩",
        "90", "90",
        "180", "90", "90", "240", "240",
    ],
    "SoundSet.ini": ["默认声音", "默认声音", "显示", "分\\秒"],
    "NumSet.ini": [
        "第五届“明理杯”大学生辩论邀请赛",
        "明理大学学生会",
        "网络使人更亲近",
        "网络使人更疏远",
        "明理大学代表队",
        "东川大学代表队",
        "李思远", "王晓晨", "张一鸣", "陈静怡",
        "赵天宇", "刘若楠", "孙浩然", "周雨桐",
        "林正阳", "何慧敏", "黄建国", "吴晓梅", "郑文博",
        "", "", "", "",
    ],
    "NameSet.ini": ["华文行楷", "36", "255", "隶书", "26.25", "16711680", "16777215"],
    "ViwerSet.ini": ["华文新魏", "48", "255", "16777215"],
    "Score.ini": ["0", "0"],
}
CONFIG_LINES = {"TimeSet.ini": 21, "SoundSet.ini": 4, "NumSet.ini": 23,
                "NameSet.ini": 7, "ViwerSet.ini": 4, "Score.ini": 2}


def make_config():
    for name, lines in CONFIG.items():
        assert len(lines) == CONFIG_LINES[name], name
        data = "".join(line + "\r\n" for line in lines).encode("gbk")
        with open(out("config", name), "wb") as f:
            f.write(data)
        print("wrote", os.path.join("config", name))


# --------------------------------------------------------------------------
# Desktop icon (written as PNG directly, so no image tool is needed)
# --------------------------------------------------------------------------

def icon(size=128):
    """A clock face on a blue disc, the program's mark in a desktop menu."""
    cx = cy = (size - 1) / 2.0
    rows = []
    for y in range(size):
        row = bytearray([0])
        for x in range(size):
            d = math.hypot(x - cx, y - cy)
            disc = clamp01(size * 0.48 - d + 0.5)
            face = clamp01(size * 0.36 - d + 0.5)
            col = mix(hexc("#1894de"), hexc("#ffffff"), face)
            # Hands at ten past ten, and a red centre.
            for angle, length, width in ((-60.0, 0.22, 0.035), (60.0, 0.30, 0.025)):
                a = math.radians(angle - 90.0)
                hx, hy = math.cos(a), math.sin(a)
                t = (x - cx) * hx + (y - cy) * hy
                n = abs(-(x - cx) * hy + (y - cy) * hx)
                if 0 <= t <= length * size:
                    col = mix(col, hexc("#1c2d5b"), clamp01(width * size - n + 0.5) * face)
            col = mix(col, hexc("#e03020"), clamp01(size * 0.04 - d + 0.5))
            row += bytes(int(round(c)) for c in col) + bytes([int(round(255 * disc))])
        rows.append(bytes(row))
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(b"".join(rows), 9)) + chunk(b"IEND", b"")
    with open(out("package", "dovrel.png"), "wb") as f:
        f.write(png)
    print("wrote package/dovrel.png")


if __name__ == "__main__":
    what = sys.argv[1:] or ["images", "sounds", "config", "icon"]
    if "icon" in what:
        icon()
    if "config" in what:
        make_config()
    if "sounds" in what:
        make_sounds()
    if "images" in what:
        make_images()
