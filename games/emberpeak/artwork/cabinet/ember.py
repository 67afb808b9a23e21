"""Emberpeak's drawing pieces: the lamp pictures (title glass, coin sign, title
strip), the buttons and the nudge button, each drawn lit or unlit from the same
geometry. The SVG helpers and the lettering come from shared/svg_draw.py."""
import math
import os
import random
import sys

sys.path.append(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "..", "tools", "artwork", "shared"))

from svg_draw import *  # noqa: E402,F401,F403


# ------------------------------------------------------------------ props

def peak_d(cx, base, top, half, seed, jag=0.1, steps=7):
    """A mountain outline from (cx - half, base) over a peak at (cx, top)."""
    rnd = random.Random(seed)
    pts = [(cx - half, base)]
    for i in range(1, steps):
        t = i / steps
        x = cx - half + t * half
        y = base - (base - top) * t ** 1.15 + rnd.uniform(-jag, jag) * (base - top) * (1 - t)
        pts.append((x, y))
    pts.append((cx - half * 0.06, top + 1))
    pts.append((cx + half * 0.06, top + 1))
    for i in range(steps - 1, 0, -1):
        t = i / steps
        x = cx + half - t * half
        y = base - (base - top) * t ** 1.15 + rnd.uniform(-jag, jag) * (base - top) * (1 - t)
        pts.append((x, y))
    pts.append((cx + half, base))
    return pts


def snow_cap(cx, top, half, depth, seed):
    """The snow on a peak: a jagged lower edge under the summit crater."""
    rnd = random.Random(seed)
    slope = half / 1.0
    w = depth * slope / 60 + 4
    pts = [(cx - half * 0.06, top + 1), (cx + half * 0.06, top + 1)]
    n = 6
    for i in range(n + 1):
        t = i / n
        x = cx + w - t * 2 * w
        y = top + depth * (0.55 + (0.45 if i % 2 == 0 else 0.05) * rnd.uniform(0.7, 1.0))
        pts.append((x, y))
    return pts


def flame_d(cx, base, w, h, lean=0.0, tongues=3, seed=1):
    """A flame of `tongues` licks standing on `base`, `h` high."""
    rnd = random.Random(seed)
    d = f"M{num(cx - w / 2)} {num(base)}"
    xs = [cx - w / 2 + w * (i + 0.5) / tongues for i in range(tongues)]
    prev_x = cx - w / 2
    for i, x in enumerate(xs):
        tip_h = h * (1.0 if i == tongues // 2 else rnd.uniform(0.55, 0.75))
        tx = x + lean * tip_h * 0.3
        d += f"Q{num(prev_x)} {num(base - tip_h * 0.55)} {num(tx)} {num(base - tip_h)}"
        nx = x + w / tongues / 2
        if i < tongues - 1:
            d += f"Q{num(nx - w / tongues * 0.15)} {num(base - tip_h * 0.45)} {num(nx)} {num(base - h * 0.35)}"
        prev_x = nx
    d += f"Q{num(cx + w / 2 + 1)} {num(base - h * 0.3)} {num(cx + w / 2)} {num(base)}"
    d += f"Q{num(cx)} {num(base + w * 0.18)} {num(cx - w / 2)} {num(base)}Z"
    return d


def snowflake(cx, cy, r, stroke, width, opacity=1.0):
    d = ""
    for k in range(6):
        a = math.radians(90 + k * 60)
        ex, ey = cx + r * math.cos(a), cy - r * math.sin(a)
        d += f"M{num(cx)} {num(cy)}L{num(ex)} {num(ey)}"
        for f in (0.55,):
            bx, by = cx + r * f * math.cos(a), cy - r * f * math.sin(a)
            for s in (-1, 1):
                b2 = a + s * math.radians(40)
                d += f"M{num(bx)} {num(by)}L{num(bx + r * 0.32 * math.cos(b2))} {num(by - r * 0.32 * math.sin(b2))}"
    return path(d, "none", f' stroke="{stroke}" stroke-width="{num(width)}" stroke-linecap="round"'
                           f' stroke-opacity="{num(opacity)}"')


def diamond(cx, cy, r, fill, extra=""):
    return poly([(cx, cy - r), (cx + r * 0.75, cy), (cx, cy + r), (cx - r * 0.75, cy)], fill, extra)


def ember_dots(x0, y0, x1, y1, count, seed, colour, opacity, rmax=1.6):
    rnd = random.Random(seed)
    return "".join(circle(rnd.uniform(x0, x1), rnd.uniform(y0, y1), rnd.uniform(0.5, rmax), colour,
                          f' fill-opacity="{num(rnd.uniform(0.4, 1.0) * opacity)}"') for _ in range(count))


def stars(x0, y0, x1, y1, count, seed, opacity):
    rnd = random.Random(seed)
    return "".join(circle(rnd.uniform(x0, x1), rnd.uniform(y0, y1), rnd.uniform(0.3, 0.9), "#ffffff",
                          f' fill-opacity="{num(rnd.uniform(0.3, 0.9) * opacity)}"') for _ in range(count))


def fiery_word(text, font, size, cx, base, width, fill, outline, extr, depth=5, outline_w=5):
    """Big lettering with an extruded back, an outline and a gradient face."""
    sx = width / text_width(text, font, size)
    return extruded(text_path(text, font, size, cx, base, sx=sx), fill, outline, outline_w, depth, extr, (0.4, 0.75),
                    extr_w=outline_w - 1)


def glass_finish(W, H, sheen, vignette=0.5):
    out = [poly([(0, 0), (W * 0.36, 0), (W * 0.13, H), (0, H)], "#ffffff", f' fill-opacity="{num(0.08 * sheen)}"'),
           poly([(W * 0.42, 0), (W * 0.49, 0), (W * 0.26, H), (W * 0.19, H)], "#ffffff",
                f' fill-opacity="{num(0.05 * sheen)}"')]
    out.append(shaded_rim(W, H, [op * vignette / 0.5 for op in (0.55, 0.32, 0.18, 0.08)]))
    return "\n".join(out)


# ------------------------------------------------------------------ title glass

TG_W, TG_H = 302, 143


def title_glass(lit):
    W, H = TG_W, TG_H
    P = "tg"
    d, b = [], []
    if lit:
        d.append(lin(P + "Sky", [(0, "#0a1020"), (0.45, "#2a1a3a"), (0.75, "#8a2a1a"), (1, "#e0601a")]))
        d.append(rad(P + "Blast", [(0, "#fff6c0", 0.95), (0.25, "#ffb030", 0.7), (0.6, "#ff5a10", 0.3), (1, "#ff3000", 0)]))
        d.append(lin(P + "Rock", [(0, "#4a4e5e"), (0.5, "#2a2c38"), (1, "#14151c")], 0, 0, 0.3, 1))
        d.append(lin(P + "RockLit", [(0, "#a0502a"), (1, "#3a1a10")], 0, 0, 1, 0))
        d.append(lin(P + "Snow", [(0, "#ffffff"), (0.6, "#d8eefa"), (1, "#8abcd8")]))
        d.append(lin(P + "Lava", [(0, "#fff2a0"), (0.3, "#ffb020"), (1, "#e03a08")]))
        d.append(lin(P + "Word", [(0, "#fffbe0"), (0.3, "#ffe066"), (0.55, "#ff9a1a"), (0.8, "#e8400c"), (1, "#a81e04")],
                     0, 16, 0, 58, user=True))
        d.append(lin(P + "Plaque", [(0, "#e8f8ff"), (0.4, "#9ad4f0"), (1, "#3a88b8")]))
        d.append(lin(P + "PlaqueWord", [(0, "#0a2a44"), (1, "#123c5c")]))
        pal = dict(outline="#2a0600", extr="#1a0400", snow=1.0, lava=1.0, plaque_line="#0a2a44", stars=1.0,
                   ember="#ffcf60", ember_op=1.0, sheen=1.0, flake="#e8f8ff", flake_op=0.9)
    else:
        d.append(lin(P + "Sky", [(0, "#080a10"), (0.5, "#12121a"), (1, "#2a1c18")]))
        d.append(lin(P + "Rock", [(0, "#2a2c34"), (0.5, "#1c1d24"), (1, "#0e0f14")], 0, 0, 0.3, 1))
        d.append(lin(P + "RockLit", [(0, "#3a2c28"), (1, "#1a1210")], 0, 0, 1, 0))
        d.append(lin(P + "Snow", [(0, "#7a8088"), (1, "#4a5058")]))
        d.append(lin(P + "Lava", [(0, "#6a4a30"), (1, "#3a2010")]))
        d.append(lin(P + "Word", [(0, "#8a7a60"), (0.55, "#6a4a30"), (1, "#4a2a18")], 0, 16, 0, 58, user=True))
        d.append(lin(P + "Plaque", [(0, "#5a6670"), (1, "#2a343e")]))
        d.append(lin(P + "PlaqueWord", [(0, "#14181c"), (1, "#1a1e24")]))
        pal = dict(outline="#0a0604", extr="#060302", snow=0.6, lava=0.0, plaque_line="#0a0e12", stars=0.25,
                   ember="#6a4a30", ember_op=0.0, sheen=0.45, flake="#8a949e", flake_op=0.4)
    b.append(rect(0, 0, W, H, f"url(#{P}Sky)"))
    b.append(stars(4, 3, W - 4, 70, 60, 3, pal["stars"]))
    # the eruption behind the word
    if lit:
        b.append(ellipse(151, 66, 150, 70, f"url(#{P}Blast)"))
        b.append(rays(151, 70, 28, 260, 0, 0, W, H, "#ffd080", 0.12, phase=0.06))
    # distant ice ridges on both sides
    for sx, seed in ((-1, 4), (1, 5)):
        pts = clip_polygon(peak_d(151 + sx * 112, H, 84, 70, seed, jag=0.12), 0, 0, W, H)
        b.append(poly(pts, f"url(#{P}Rock)", ' fill-opacity="0.9" stroke="#0a0c12" stroke-width="0.8"'))
        b.append(poly(clip_polygon(snow_cap(151 + sx * 112, 84, 70, 16, seed + 1), 0, 0, W, H), f"url(#{P}Snow)",
                      ' fill-opacity="0.9"'))
    # the volcano
    cone = [(151 - 150, H), (60, 112), (110, 82), (128, 72), (174, 72), (192, 82), (242, 112), (151 + 150, H)]
    b.append(poly(cone, f"url(#{P}Rock)", ' stroke="#06070a" stroke-width="1"'))
    b.append(poly([(128, 72), (174, 72), (192, 82), (242, 112), (301, H), (200, H), (168, 96)],
                  f"url(#{P}RockLit)", ' fill-opacity="0.55"'))
    b.append(poly([(128, 72), (174, 72), (188, 80), (182, 88), (172, 82), (164, 92), (151, 84), (140, 93),
                   (130, 82), (120, 89), (114, 80)], f"url(#{P}Snow)", ' stroke="#5a7a90" stroke-width="0.6"'))
    # lava flowing from the crater
    for (x0, pts, wdt) in ((151, [(151, 72), (146, 86), (150, 100), (140, 118), (146, 143)], 5),
                           (162, [(164, 73), (170, 90), (184, 104), (190, 124), (206, 143)], 3.6)):
        dd = "M" + " L".join(f"{num(x)} {num(y)}" for x, y in pts)
        if lit:
            b.append(path(dd, "none", f' stroke="#ff7a1a" stroke-opacity="0.35" stroke-width="{num(wdt * 3)}" stroke-linejoin="round" stroke-linecap="round"'))
        b.append(path(dd, "none", f' stroke="{"#ff8a1c" if lit else "#4a2a18"}" stroke-width="{num(wdt)}" stroke-linejoin="round" stroke-linecap="round"'))
    b.append(ellipse(151, 72, 23, 3.5, f"url(#{P}Lava)"))
    # lava thrown up out of the crater
    if lit:
        for (x1, y1, r) in ((120, 40, 2.6), (136, 30, 2.2), (170, 28, 2.4), (186, 44, 2.8), (151, 22, 2), (104, 56, 2), (200, 58, 2.2)):
            b.append(path(f"M151 70Q{num((151 + x1) / 2)} {num(y1 - 12)} {num(x1)} {num(y1)}", "none",
                          ' stroke="#ffb040" stroke-opacity="0.35" stroke-width="1.4" stroke-linecap="round"'))
            b.append(circle(x1, y1, r, "#fff0a0", ' stroke="#ff7a1a" stroke-width="1"'))
    # flying embers and snowflakes
    if lit:
        b.append(ember_dots(70, 60, 232, 110, 36, 9, pal["ember"], pal["ember_op"], 1.8))
    for (x, y, r) in ((16, 22, 6), (286, 18, 7), (24, 96, 4.5), (280, 92, 5), (266, 54, 3.5), (36, 58, 3.5)):
        b.append(snowflake(x, y, r, pal["flake"], 1.3, pal["flake_op"]))
    # the name
    b.append(fiery_word("EMBERPEAK", "serif-bold", 52, 151, 58, 284, f"url(#{P}Word)", pal["outline"], pal["extr"]))
    # "SLOTS" on an ice plaque at the foot of the mountain
    px0, py0, px1, py1 = 100, 112, 202, 136
    b.append(rect(px0 + 1, py0 + 2, px1 + 1, py1 + 2, "#000000", r=5, extra=' fill-opacity="0.5"'))
    b.append(rect(px0, py0, px1, py1, f"url(#{P}Plaque)", r=5, extra=f' stroke="{pal["plaque_line"]}" stroke-width="1.4"'))
    b.append(rect(px0 + 3, py0 + 2, px1 - 3, py0 + 7, "#ffffff", r=3, extra=f' fill-opacity="{num(0.35 * pal["sheen"])}"'))
    sd = text_path("SLOTS", "sans-bold", 18, 151, py1 - 5.5, spacing=3.5)
    b.append(path(sd, f"url(#{P}PlaqueWord)"))
    for x in (px0 + 7, px1 - 7):
        b.append(diamond(x, (py0 + py1) / 2, 3.4, pal["plaque_line"]))
    b.append(glass_finish(W, H, pal["sheen"]))
    return "\n".join(d), "\n".join(b)


# ------------------------------------------------------------------ coin sign

CS_W, CS_H = 84, 85


def coin_sign(lit):
    W, H = CS_W, CS_H
    P = "cs"
    d, b = [], []
    if lit:
        d.append(rad(P + "Bg", [(0, "#ffe9a0"), (0.35, "#ff8a1c"), (0.75, "#8a1e06"), (1, "#2a0802")], cx=42, cy=34, r=58, user=True))
        d.append(rad(P + "Face", [(0, "#ffffff"), (0.4, "#e4f4fc"), (0.85, "#9acbe6"), (1, "#5a8cae")], fx=0.36, fy=0.3))
        d.append(lin(P + "Rim", [(0, "#ffffff"), (0.45, "#b8c8d4"), (1, "#4a5a68")]))
        d.append(lin(P + "RimIn", [(0, "#4a5a68"), (1, "#f0f8ff")]))
        d.append(lin(P + "Peak", [(0, "#ffb040"), (1, "#c8340a")]))
        d.append(lin(P + "Band", [(0, "#2a6a9a"), (0.5, "#17486e"), (1, "#0a2a44")]))
        d.append(lin(P + "BandText", [(0, "#ffffff"), (1, "#bfe8ff")]))
        d.append(rad(P + "Halo", [(0, "#ffffff", 0.85), (0.5, "#ffe0a0", 0.45), (1, "#ffa040", 0)]))
        pal = dict(rays="#fff0c0", rays_op=0.3, edge="#2a3a48", num="#c8340a", num_hi="#ffffff", band_line="#061a2a",
                   text_outline="#061a2a", spark_op=0.95, sheen=1.0, snow="#ffffff")
    else:
        d.append(rad(P + "Bg", [(0, "#4a3426"), (0.5, "#2a1a12"), (1, "#100806")], cx=42, cy=34, r=58, user=True))
        d.append(rad(P + "Face", [(0, "#8a949c"), (0.7, "#5a646c"), (1, "#3a4248")], fx=0.36, fy=0.3))
        d.append(lin(P + "Rim", [(0, "#7a848c"), (0.5, "#4a525a"), (1, "#22282e")]))
        d.append(lin(P + "RimIn", [(0, "#22282e"), (1, "#6a747c")]))
        d.append(lin(P + "Peak", [(0, "#6a4a36"), (1, "#3a2418")]))
        d.append(lin(P + "Band", [(0, "#1e2c38"), (0.5, "#16202a"), (1, "#0c1218")]))
        d.append(lin(P + "BandText", [(0, "#7a8a96"), (1, "#5a6a76")]))
        pal = dict(rays="#a08060", rays_op=0.04, edge="#14181c", num="#3a2418", num_hi="#9aa4ac", band_line="#06090c",
                   text_outline="#06090c", spark_op=0.0, sheen=0.45, snow="#aab2b8")
    b.append(rect(0, 0, W, H, f"url(#{P}Bg)"))
    b.append(rays(42, 34, 18, 120, 0, 0, W, H, pal["rays"], pal["rays_op"], phase=0.12))
    if lit:
        b.append(circle(42, 34, 38, f"url(#{P}Halo)"))
        b.append(ember_dots(4, 4, 80, 60, 16, 21, "#fff0b0", 0.9, 1.4))
    # the silver coin with a fire mountain struck on it
    b.append(circle(43, 36, 26, "#000000", ' fill-opacity="0.4"'))
    b.append(circle(42, 34, 26, f"url(#{P}Rim)", f' stroke="{pal["edge"]}" stroke-width="1"'))
    b.append(circle(42, 34, 21.5, f"url(#{P}RimIn)"))
    b.append(circle(42, 34, 20.3, f"url(#{P}Face)"))
    ticks = "".join(f"M{num(42 + 22.8 * math.cos(a))} {num(34 + 22.8 * math.sin(a))}L{num(42 + 25.2 * math.cos(a))} {num(34 + 25.2 * math.sin(a))}"
                    for a in (2 * math.pi * i / 40 for i in range(40)))
    b.append(path(ticks, "none", f' stroke="{pal["edge"]}" stroke-opacity="0.5" stroke-width="0.9"'))
    b.append(poly([(25, 46), (36, 29), (40, 31), (44, 27), (48, 29), (59, 46)], f"url(#{P}Peak)",
                  f' stroke="{pal["edge"]}" stroke-width="0.8" stroke-linejoin="round"'))
    b.append(poly([(33.5, 33), (36, 29), (40, 31), (44, 27), (48, 29), (50.5, 33), (46, 31.5), (42, 34), (38, 31.5)],
                  pal["snow"]))
    td = text_path("+1", "sans-bold", 17, 42, 25.5)
    b.append(path(td, pal["num_hi"], ' transform="translate(-0.6,-0.6)" fill-opacity="0.8"'))
    b.append(path(td, pal["num"]))
    # "BET" band
    b.append(rect(9, 65, 75, 81, f"url(#{P}Band)", r=4, extra=f' stroke="{pal["band_line"]}" stroke-width="1.2"'))
    bd = text_path("BET", "sans-bold", 13, 42, 78, spacing=2)
    b.append(path(bd, "none", f' stroke="{pal["text_outline"]}" stroke-width="2.2" stroke-linejoin="round"'))
    b.append(path(bd, f"url(#{P}BandText)"))
    for x in (17, 67):
        b.append(snowflake(x, 73, 4, "#dff4ff" if lit else "#6a7a86", 1.1))
    b.append(glass_finish(W, H, pal["sheen"]))
    return "\n".join(d), "\n".join(b)


# ------------------------------------------------------------------ title strip

TS_W, TS_H = 429, 45


def title_strip(lit):
    W, H = TS_W, TS_H
    P = "ts"
    d, b = [], []
    if lit:
        d.append(lin(P + "Bg", [(0, "#5a1004"), (0.3, "#c8440c"), (0.5, "#3a2a3a"), (0.7, "#2a8ac0"), (1, "#0a2a4a")], 0, 0, 1, 0))
        d.append(lin(P + "Fire", [(0, "#fffbe0"), (0.35, "#ffe066"), (0.65, "#ff9a1a"), (1, "#d8360a")], 0, 12, 0, 33, user=True))
        d.append(lin(P + "Ice", [(0, "#ffffff"), (0.45, "#d8f4ff"), (0.7, "#7accf4"), (1, "#2a88c0")], 0, 12, 0, 33, user=True))
        d.append(rad(P + "Lamp", [(0, "#ffffff"), (0.4, "#fff0b0"), (0.85, "#ffa028"), (1, "#b04a04")], fx=0.4, fy=0.35))
        d.append(rad(P + "LampIce", [(0, "#ffffff"), (0.4, "#e0f6ff"), (0.85, "#6ac4f0"), (1, "#1a6aa0")], fx=0.4, fy=0.35))
        d.append(rad(P + "Halo", [(0, "#ffe8a0", 0.7), (1, "#ff9a20", 0)]))
        d.append(rad(P + "HaloIce", [(0, "#d8f4ff", 0.7), (1, "#60c0f0", 0)]))
        pal = dict(outline="#1a0602", outline_ice="#04182a", extr="#0a0302", flame="#ffb030", flame_op=0.8,
                   flake="#e8f8ff", flake_op=0.95, sheen=1.0, socket="#1a0e0a")
    else:
        d.append(lin(P + "Bg", [(0, "#1a0a06"), (0.3, "#2e160e"), (0.5, "#1a1618"), (0.7, "#162430"), (1, "#0a1018")], 0, 0, 1, 0))
        d.append(lin(P + "Fire", [(0, "#8a7a60"), (1, "#5a3a26")], 0, 12, 0, 33, user=True))
        d.append(lin(P + "Ice", [(0, "#8a949e"), (1, "#4a5a68")], 0, 12, 0, 33, user=True))
        d.append(rad(P + "Lamp", [(0, "#8a7a60"), (0.6, "#5a4430"), (1, "#2a1a10")], fx=0.4, fy=0.35))
        d.append(rad(P + "LampIce", [(0, "#7a8a96"), (0.6, "#4a5662"), (1, "#1e262e")], fx=0.4, fy=0.35))
        pal = dict(outline="#0a0504", outline_ice="#05080c", extr="#050302", flame="#5a3a26", flame_op=0.5,
                   flake="#6a7a86", flake_op=0.6, sheen=0.45, socket="#0a0808")
    b.append(rect(0, 0, W, H, f"url(#{P}Bg)"))
    # flames licking up from the left, frost crystals on the right
    for i in range(9):
        x = 9 + i * 15
        h = 13 + 9 * math.sin(i * 1.7) ** 2
        op = pal["flame_op"] * (1 - i / 11)
        b.append(path(flame_d(x, H - 4, 13, h, lean=0.4, tongues=1, seed=i), pal["flame"], f' fill-opacity="{num(op)}"'))
        b.append(path(flame_d(x + 0.5, H - 4, 7, h * 0.6, lean=0.4, tongues=1, seed=i), "#fff0a0" if lit else pal["flame"],
                      f' fill-opacity="{num(op)}"'))
    for i in range(9):
        x = W - 10 - i * 15
        b.append(snowflake(x, H - 13 + (i % 2) * 3, 5.5 - (i % 2), pal["flake"], 1.1, pal["flake_op"] * (1 - i / 11)))
    # lamps along the top edge: ember on the fire side, ice on the other
    n = 29
    for i in range(n):
        x = 9 + i * (W - 18) / (n - 1)
        ice = x > W / 2
        if lit:
            b.append(circle(x, 6, 6, f"url(#{P}{'HaloIce' if ice else 'Halo'})"))
        b.append(diamond(x, 6, 4.6, pal["socket"]))
        b.append(diamond(x, 6, 3.6, f"url(#{P}{'LampIce' if ice else 'Lamp'})"))
    # the words
    size, base = 23, 36
    amp = text_width(" & ", "sans-bold", size, spacing=1.5)
    wf = text_width("FIRE", "sans-bold", size, spacing=1.5)
    wi = text_width("ICE", "sans-bold", size, spacing=1.5)
    x0 = W / 2 - (wf + amp + wi) / 2
    for txt, x, fill, outline in (("FIRE", x0, f"url(#{P}Fire)", pal["outline"]),
                                  ("&", x0 + wf + amp / 2, "#ffffff" if lit else "#6a6a6a", pal["outline"]),
                                  ("ICE", x0 + wf + amp, f"url(#{P}Ice)", pal["outline_ice"])):
        anchor = "middle" if txt == "&" else "start"
        wd = text_path(txt, "sans-bold", size if txt != "&" else 18, x, base - (1 if txt == "&" else 0), anchor=anchor, spacing=1.5)
        b.append(extruded(wd, fill, outline, 3.4, 3, pal["extr"], (0.4, 0.6), extr_w=3))
    b.append(rect(0, 13, W, 21, "#ffffff", extra=f' fill-opacity="{num(0.06 * pal["sheen"])}"'))
    b.append(shaded_rim(W, H, (0.5, 0.25)))
    return "\n".join(d), "\n".join(b)


# ------------------------------------------------------------------ buttons

BW, BH = 78, 59

FIRE_CAP = dict(lit_face=[(0, "#fffbe0"), (0.3, "#ffc050"), (0.7, "#ff6a14"), (1, "#b02a04")],
                lit_side="#6a1402", lit_text="#3a0600", lit_glow="#ffa040", lit_edge="#fff0c0",
                dim_face=[(0, "#5a3a2e"), (0.6, "#3e2418"), (1, "#24140c")], dim_side="#140a06", dim_text="#b89a8a")
ICE_CAP = dict(lit_face=[(0, "#ffffff"), (0.3, "#c8f0ff"), (0.7, "#4ab4ea"), (1, "#14609a")],
               lit_side="#0a3454", lit_text="#062036", lit_glow="#8ad8ff", lit_edge="#ffffff",
               dim_face=[(0, "#3a4a58"), (0.6, "#283440"), (1, "#161e26")], dim_side="#0a0e12", dim_text="#9aaab8")
BUTTON_STYLES = {"spin": dict(label="SPIN", size=19, spacing=1.5, **FIRE_CAP),
                 "bet1": dict(label="BET 1", size=16, spacing=0.5, **ICE_CAP),
                 "bet5": dict(label="BET 3", size=16, spacing=0.5, **ICE_CAP)}


def chamfer(x0, y0, x1, y1, c):
    return [(x0 + c, y0), (x1 - c, y0), (x1, y0 + c), (x1, y1 - c), (x1 - c, y1), (x0 + c, y1), (x0, y1 - c), (x0, y0 + c)]


def button_half(style, lit, oy, prefix=""):
    st = BUTTON_STYLES[style]
    P = prefix + ("l" if lit else "d")
    d = [rad(P + "Face", st["lit_face"] if lit else st["dim_face"], cx=0.5, cy=0.4, r=0.66, fx=0.5, fy=0.28),
         lin(P + "Ring", [(0, "#ffffff" if lit else "#8a949e"), (0.45, "#9aa8b4" if lit else "#4a545e"),
                          (1, "#2a3440" if lit else "#161a20")]),
         lin(P + "Gloss", [(0, "#ffffff", 0.8 if lit else 0.2), (1, "#ffffff", 0.0)])]
    if lit:
        d.append(rad(P + "Glow", [(0, st["lit_glow"], 0.0), (0.72, st["lit_glow"], 0.0), (0.86, st["lit_glow"], 0.6),
                                  (1, st["lit_glow"], 0.0)]))
    g = [f'<g transform="translate(0,{oy})">',
         rect(0, 0, BW, BH, "#06080a"),
         poly(chamfer(1, 1, BW - 1, BH - 1, 9), f"url(#{P}Ring)"),
         poly(chamfer(3.5, 3.5, BW - 3.5, BH - 3.5, 7.5), "#030405")]
    if lit:
        g.append(ellipse(BW / 2, BH / 2, 44, 33, f"url(#{P}Glow)"))
    g.append(poly(chamfer(6, 8.5, BW - 6, BH - 5, 6.5), st["lit_side"] if lit else st["dim_side"]))
    g.append(poly(chamfer(6, 5.5, BW - 6, BH - 9, 6.5), f"url(#{P}Face)",
                  f' stroke="{st["lit_edge"] if lit else "#000000"}" stroke-opacity="{0.75 if lit else 0.4}" stroke-width="0.8"'))
    g.append(poly(chamfer(10, 7.5, BW - 10, 21, 4), f"url(#{P}Gloss)"))
    g += button_label(st, lit, BW, BH)
    g.append("</g>")
    return "\n".join(d), "\n".join(g)


def button_svg(style):
    return dimmed_and_lit_svg(BW, BH, f"{BUTTON_STYLES[style]['label']} button: dimmed above, lit below",
                              lambda lit, oy: button_half(style, lit, oy))


# ------------------------------------------------------------------ nudge button

NB_W, NB_H = 72, 17


def nudge_half(lit, oy, prefix="nb"):
    """One state of the nudge key: NUDGE between two arrows pointing down."""
    P = prefix + ("l" if lit else "d")
    d = [lin(P + "Face", [(0, "#fffbe0"), (0.35, "#ffd24a"), (0.75, "#ff8a1c"), (1, "#c0400a")] if lit else
             [(0, "#4a5662"), (0.5, "#2e3842"), (1, "#1a2028")]),
         lin(P + "Frame", [(0, "#ffffff"), (0.5, "#8a98a6"), (1, "#2a323c")] if lit else
             [(0, "#7a848e"), (0.5, "#3a424a"), (1, "#14181c")])]
    ink = "#3a0c00" if lit else "#a4b0ba"
    g = [f'<g transform="translate(0,{oy})">',
         rect(0, 0, NB_W, NB_H, "#050607"),
         rect(0.5, 0.5, NB_W - 0.5, NB_H - 0.5, f"url(#{P}Frame)", r=3),
         rect(2, 2, NB_W - 2, NB_H - 2, f"url(#{P}Face)", r=2)]
    g.append(rect(3.5, 2.6, NB_W - 3.5, 6.5, "#ffffff", r=1.5, extra=f' fill-opacity="{0.45 if lit else 0.1}"'))
    td = text_path("NUDGE", "sans-bold", 9.6, NB_W / 2, 12.4, spacing=0.6)
    if lit:
        g.append(path(td, "#ffffff", ' fill-opacity="0.5" transform="translate(0,0.7)"'))
    else:
        g.append(path(td, "#000000", ' fill-opacity="0.7" transform="translate(0.6,0.7)"'))
    g.append(path(td, ink))
    for x in (9.5, NB_W - 9.5):
        g.append(poly([(x - 3.6, 5.6), (x + 3.6, 5.6), (x, 11.8)], ink))
    g.append("</g>")
    return "\n".join(d), "\n".join(g)


def nudge_svg():
    return dimmed_and_lit_svg(NB_W, NB_H, "Nudge button: dimmed above, lit below", nudge_half)
