#!/usr/bin/env python3
"""Writes Emberpeak's three bonus pictures (640x480 each) into the game's art folder:
the board of eight supply drops, the empty drop and the rescue.

The story: a rope team is cut off high on the fire mountain. The player picks one of
eight supply drops; a good one brings the helicopter in and the climbers home. The
words are English, or, given its code as the one argument, German or Spanish."""
import math
import os
import random
import sys

# The words on the pictures in each language the game speaks.
WORDS = {
    "en": {"heading": "Bonus Game!", "pick": "Pick one of the eight supply drops!", "empty": "The drop came down empty!",
           "waiting": "The fire mountain keeps the climbers a while longer.", "rescued": "The climbers are rescued!",
           "paid": "Safe off the fire mountain, and your drop paid:"},
    "de": {"heading": "Bonusspiel!", "pick": "Wählen Sie eine der acht Versorgungskisten!",
           "empty": "Die Kiste kam leer herunter!", "waiting": "Der Vulkan hält die Bergsteiger noch eine Weile fest.",
           "rescued": "Die Bergsteiger sind gerettet!", "paid": "Sicher vom Vulkan herunter, und Ihre Kiste brachte:"},
    "es": {"heading": "¡Bonificación!", "pick": "¡Elige una de las ocho cajas de suministros!",
           "empty": "¡La caja llegó vacía!", "waiting": "El volcán retiene a los escaladores un rato más.",
           "rescued": "¡Los escaladores están a salvo!", "paid": "A salvo del volcán, y tu caja te dio:"},
}

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.append(os.path.join(HERE, "..", "cabinet"))
sys.path.append(os.path.join(HERE, "..", "symbols"))

from ember import *  # noqa: E402,F403  (SVG helpers and lettering)
from ember import diamond, ember_dots, fiery_word, flame_d, snowflake, stars  # noqa: E402
import write_symbols as symbols  # noqa: E402

W, H = 640, 480

# The boxes' areas, bounds inclusive; the program tests the pointer against them.
BOX_COLUMNS = ((400, 485), (505, 590))
BOX_ROWS = ((30, 115), (125, 210), (220, 305), (315, 400))

# The prize text is drawn here at run time, in red: the picture keeps it pale and plain.
PRIZE_BAND = (30, 188, 360, 250)


def defs(mood):
    night = mood != "calm"
    d = [symbols.defs(),
         lin("sky", [(0, "#050816"), (0.5, "#1c1634"), (0.8, "#5a1c24"), (1, "#b0401a")] if night else
             [(0, "#7ab8e4"), (0.45, "#bfe0f4"), (0.75, "#f4f0e8"), (1, "#ffd8b0")], 0, 0, 0, 330, user=True),
         lin("far", [(0, "#4a5268"), (1, "#20242e")] if night else [(0, "#9ab4cc"), (1, "#6a86a0")]),
         lin("mid", [(0, "#2e3442"), (1, "#161a22")] if night else [(0, "#8098b0"), (1, "#5a7088")]),
         lin("near", [(0, "#3a4050"), (0.6, "#22262f"), (1, "#101218")] if night else
             [(0, "#7a8aa0"), (0.6, "#56657a"), (1, "#36404e")], 0, 0, 0.4, 1),
         lin("snowB", [(0, "#ffffff"), (0.6, "#dcecf6"), (1, "#8ab4d0")] if not night else
             [(0, "#dfe8f0"), (0.6, "#a8bccc"), (1, "#5a7088")]),
         rad("crater", [(0, "#fff0a0", 0.95), (0.3, "#ffa030", 0.6), (1, "#ff4000", 0)]),
         rad("sun", [(0, "#ffffff", 1), (0.25, "#fff4d0", 0.9), (1, "#ffd8a0", 0)]),
         lin("banner", [(0, "#e8f8ff"), (0.4, "#9ad4f0"), (1, "#3a88b8")]),
         lin("bannerFire", [(0, "#ffd070"), (0.5, "#ff7a1a"), (1, "#b0300a")]),
         lin("plaqueFace", [(0, "#ffffff"), (0.7, "#f0f8fc"), (1, "#d0e6f2")]),
         lin("ash", [(0, "#4a4250"), (0.6, "#2a2430"), (1, "#3a2226")]),
         lin("boxSky", [(0, "#0a1226"), (0.6, "#1e1a34"), (1, "#5a2216")]),
         lin("panel", [(0, "#2a323c"), (1, "#11161b")]),
         lin("chromeUp", [(0, "#ffffff"), (0.22, "#d8e4ec"), (0.6, "#7e8c98"), (1, "#36404a")]),
         lin("chromeDown", [(0, "#2a323a"), (0.5, "#7e8c98"), (1, "#eef6fa")]),
         lin("case", [(0, "#ffb060"), (0.45, "#f06a14"), (1, "#9a2a06")]),
         lin("caseTop", [(0, "#ffd8a8"), (1, "#ff8a30")]),
         lin("chute", [(0, "#ffffff"), (0.5, "#e8f4fa"), (1, "#9ab8cc")]),
         lin("word", [(0, "#fffbe0"), (0.3, "#ffe066"), (0.55, "#ff9a1a"), (0.8, "#e8400c"), (1, "#a81e04")],
             0, 0, 0, 1),
         lin("iceWord", [(0, "#ffffff"), (0.5, "#d8f4ff"), (1, "#6ac0f0")], 0, 0, 0, 1),
         lin("cloud", [(0, "#ffffff", 0.95), (1, "#dde8f0", 0.8)] if not night else
             [(0, "#3a3440", 0.9), (1, "#1a1620", 0.9)])]
    return "\n".join(d)


def lettering(text, size, cx, base, fill, outline, width_limit=None, font="sans-bold", outline_w=4, depth=3,
              extr="#0a0402", anchor="middle"):
    return extruded(fitted_text_path(text, font, size, cx, base, width_limit, anchor), fill, outline, outline_w, depth,
                    extr, (0.5, 0.8))


def ridge(base, top, seed, x0=-10, x1=W + 10, peaks=5, jag=18):
    rnd = random.Random(seed)
    pts = [(x0, H)]
    n = peaks * 2
    for i in range(n + 1):
        x = x0 + (x1 - x0) * i / n
        y = (top + rnd.uniform(0, 0.5) * jag) if i % 2 else (top + rnd.uniform(0.55, 1.0) * (base - top))
        pts.append((x, y))
    pts.append((x1, H))
    return pts


def snow_on(pts, depth, seed):
    """Snow caps on every peak of a ridge outline."""
    rnd = random.Random(seed)
    out = []
    for i in range(1, len(pts) - 1):
        x, y = pts[i]
        if pts[i - 1][1] > y and pts[i + 1][1] > y:
            dl = (pts[i - 1][0] - x, pts[i - 1][1] - y)
            dr = (pts[i + 1][0] - x, pts[i + 1][1] - y)
            fl = depth / max(dl[1], 1)
            fr = depth / max(dr[1], 1)
            a = (x + dl[0] * fl, y + depth)
            b = (x + dr[0] * fr, y + depth)
            jag = [(a[0] + (b[0] - a[0]) * t, y + depth * (0.55 if k % 2 else 1.0) * rnd.uniform(0.8, 1.1))
                   for k, t in enumerate((0.25, 0.5, 0.75))]
            out.append(poly([(x, y), b] + jag[::-1] + [a], "url(#snowB)"))
    return "".join(out)


def volcano(cx, top, half, erupting, seed=3):
    out = []
    if erupting:
        out.append(ellipse(cx, top, half * 1.1, half * 0.8, "url(#crater)"))
    cone = [(cx - half * 2.2, H), (cx - half * 0.35, top), (cx + half * 0.35, top), (cx + half * 2.2, H)]
    out.append(poly(cone, "url(#near)", ' stroke="#06070a" stroke-width="1.2"'))
    out.append(poly([(cx, top), (cx + half * 0.35, top), (cx + half * 2.2, H), (cx + half * 0.6, H)],
                    "#000000", ' fill-opacity="0.18"'))
    rnd = random.Random(seed)
    cap = [(cx - half * 0.35, top), (cx + half * 0.35, top)]
    n = 8
    for i in range(n + 1):
        t = i / n
        x = cx + half * 0.62 - t * half * 1.24
        cap.append((x, top + half * (0.34 if i % 2 else 0.6) * rnd.uniform(0.8, 1.15)))
    out.append(poly(cap, "url(#snowB)", ' stroke="#4a6a80" stroke-width="0.8"'))
    if erupting:
        out.append(path(flame_d(cx, top + 2, half * 0.7, half * 0.9, tongues=5, seed=seed), "url(#lava)",
                        ' stroke="#8a1a02" stroke-width="1.2"'))
        out.append(path(flame_d(cx, top + 2, half * 0.32, half * 0.5, tongues=3, seed=seed + 1), "#fffbe0"))
        for pts in (((cx - 6, top), (cx - 12, top + 24), (cx - 22, top + 50), (cx - 10, top + 84), (cx - 20, top + 118),
                     (cx - 44, top + 160), (cx - 50, H)),
                    ((cx + 8, top), (cx + 16, top + 30), (cx + 30, top + 62), (cx + 24, top + 96), (cx + 40, top + 136),
                     (cx + 70, H))):
            d = "M" + " L".join(f"{num(x)} {num(y)}" for x, y in pts)
            out.append(path(d, "none", ' stroke="#ff6a10" stroke-opacity="0.3" stroke-width="16" stroke-linejoin="round"'))
            out.append(path(d, "none", ' stroke="#7a1002" stroke-width="8" stroke-linejoin="round" stroke-linecap="round"'))
            out.append(path(d, "none", ' stroke="#ff8a1c" stroke-width="5" stroke-linejoin="round" stroke-linecap="round"'))
            out.append(path(d, "none", ' stroke="#ffe070" stroke-width="1.6" stroke-linejoin="round" stroke-linecap="round"'))
    else:
        # a thin thread of smoke from a sleeping crater
        out.append(path(f"M{cx} {top}C{cx - 10} {top - 20} {cx + 14} {top - 34} {cx + 4} {top - 56}"
                        f"C{cx - 4} {top - 70} {cx + 20} {top - 80} {cx + 30} {top - 90}", "none",
                        ' stroke="#ffffff" stroke-opacity="0.55" stroke-width="7" stroke-linecap="round"'))
    return "\n".join(out)


def heli(x, y, scale, flip=False):
    """The symbol sheet's helicopter, placed and scaled."""
    t = f"translate({num(x)},{num(y)}) scale({num(-scale if flip else scale)},{num(scale)}) translate(-38,-38)"
    return f'<g transform="{t}">' + "".join(symbols.helicopter()[1:]) + "</g>"


def person(x, y, s, coat, wave=False):
    out = [circle(x, y - 13 * s, 3.2 * s, "#f0c8a0", ' stroke="#2a1a10" stroke-width="0.8"'),
           path(f"M{num(x - 3.6 * s)} {num(y - 15 * s)}Q{num(x)} {num(y - 20 * s)} {num(x + 3.6 * s)} {num(y - 15 * s)}Z", coat),
           rect(x - 4 * s, y - 10 * s, x + 4 * s, y, coat, r=1.5 * s, extra=' stroke="#1a1014" stroke-width="0.8"'),
           rect(x - 3.6 * s, y, x - 0.6 * s, y + 7 * s, "#2a3440"), rect(x + 0.6 * s, y, x + 3.6 * s, y + 7 * s, "#2a3440")]
    if wave:
        out.append(path(f"M{num(x + 3.6 * s)} {num(y - 8 * s)}L{num(x + 8 * s)} {num(y - 17 * s)}", "none",
                        f' stroke="{coat}" stroke-width="{num(2.6 * s)}" stroke-linecap="round"'))
    else:
        out.append(path(f"M{num(x + 3.6 * s)} {num(y - 8 * s)}L{num(x + 6 * s)} {num(y - 1 * s)}", "none",
                        f' stroke="{coat}" stroke-width="{num(2.6 * s)}" stroke-linecap="round"'))
    return "".join(out)


def landscape(mood, seed):
    """Sky, the ranges and the fire mountain: erupting at night or asleep at dawn."""
    night = mood != "calm"
    out = [rect(0, 0, W, H, "url(#sky)")]
    if night:
        out.append(stars(0, 0, W, 200, 120, seed, 1.0))
    else:
        out.append(circle(500, 250, 150, "url(#sun)"))
        for (x, y, s) in ((120, 60, 1.0), (430, 96, 0.8), (590, 40, 0.7)):
            out.append(ellipse(x, y, 60 * s, 13 * s, "url(#cloud)"))
            out.append(ellipse(x - 22 * s, y - 9 * s, 30 * s, 14 * s, "url(#cloud)"))
            out.append(ellipse(x + 20 * s, y - 7 * s, 26 * s, 11 * s, "url(#cloud)"))
    far = ridge(290, 190, seed + 1, peaks=7, jag=40)
    out.append(poly(far, "url(#far)"))
    out.append(snow_on(far, 22, seed + 2))
    mid = ridge(350, 270, seed + 3, x0=-40, x1=W + 40, peaks=4, jag=40)
    out.append(poly(mid, "url(#mid)", ' stroke="#0a0c12" stroke-width="0.8" stroke-opacity="0.5"'))
    out.append(snow_on(mid, 16, seed + 4))
    return "\n".join(out)


def ground(y0, seed):
    rnd = random.Random(seed)
    pts = [(0, H), (0, y0)]
    for i in range(1, 9):
        pts.append((i * W / 8, y0 + rnd.uniform(-10, 10)))
    pts.append((W, H))
    return poly(pts, "url(#snowB)", ' stroke="#6a88a0" stroke-width="0.8"')


# ---------------------------------------------------------------- the supply drop (every box shows it)

def supply_drop(x0, y0, x1, y1):
    cx = (x0 + x1) / 2
    out = [rect(x0 - 4, y0 - 4, x1 + 5, y1 + 6, "#000000", r=8, extra=' fill-opacity="0.5"'),
           rect(x0 - 4, y0 - 4, x1 + 4, y1 + 4, "url(#chromeUp)", r=8),
           rect(x0 - 1, y0 - 1, x1 + 1, y1 + 1, "url(#chromeDown)", r=6),
           rect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, "url(#boxSky)", r=5),
           stars(x0 + 6, y0 + 6, x1 - 6, y0 + 40, 8, int(x0 * 7 + y0), 0.8),
           ellipse(cx, y0 + 66, 30, 16, "url(#crater)", ' opacity="0.55"')]
    # parachute
    out.append(path(f"M{num(cx - 26)} {num(y0 + 30)}Q{num(cx - 26)} {num(y0 + 6)} {num(cx)} {num(y0 + 6)}"
                    f"Q{num(cx + 26)} {num(y0 + 6)} {num(cx + 26)} {num(y0 + 30)}"
                    f"Q{num(cx + 17)} {num(y0 + 25)} {num(cx + 9)} {num(y0 + 30)}Q{num(cx)} {num(y0 + 25)} {num(cx - 9)} {num(y0 + 30)}"
                    f"Q{num(cx - 17)} {num(y0 + 25)} {num(cx - 26)} {num(y0 + 30)}Z", "url(#chute)",
                    ' stroke="#2a3a4a" stroke-width="1.2" stroke-linejoin="round"'))
    out.append(path(f"M{num(cx - 9)} {num(y0 + 8)}Q{num(cx - 11)} {num(y0 + 20)} {num(cx - 9)} {num(y0 + 30)}"
                    f"M{num(cx + 9)} {num(y0 + 8)}Q{num(cx + 11)} {num(y0 + 20)} {num(cx + 9)} {num(y0 + 30)}", "none",
                    ' stroke="#ff6a14" stroke-width="4" stroke-opacity="0.85"'))
    out.append(path(f"M{num(cx - 26)} {num(y0 + 30)}L{num(cx - 14)} {num(y0 + 50)}M{num(cx - 9)} {num(y0 + 30)}L{num(cx - 6)} {num(y0 + 50)}"
                    f"M{num(cx + 9)} {num(y0 + 30)}L{num(cx + 6)} {num(y0 + 50)}M{num(cx + 26)} {num(y0 + 30)}L{num(cx + 14)} {num(y0 + 50)}",
                    "none", ' stroke="#c8d4de" stroke-width="0.8"'))
    # the case
    out.append(rect(cx - 20, y0 + 50, cx + 20, y0 + 78, "url(#case)", r=3, extra=' stroke="#3a0c02" stroke-width="1.4"'))
    out.append(rect(cx - 20, y0 + 50, cx + 20, y0 + 56, "url(#caseTop)", r=2, extra=' stroke="#3a0c02" stroke-width="1"'))
    for x in (cx - 20, cx + 14):
        out.append(rect(x, y0 + 50, x + 6, y0 + 78, "#c8d4de", extra=' stroke="#2a343e" stroke-width="0.8" fill-opacity="0.9"'))
    out.append(snowflake(cx, y0 + 66, 7, "#ffffff", 2))
    out.append(rect(x0 + 4, y0 + 3, x1 - 4, y0 + 10, "#ffffff", r=3, extra=' fill-opacity="0.08"'))
    return "\n".join(out)


def board_svg(words):
    body = [landscape("night", 11),
            volcano(170, 262, 56, True),
            ember_dots(60, 150, 300, 280, 40, 5, "#ffc860", 1.0, 2),
            ground(420, 4)]
    # the rope team huddled on a ledge, waiting
    body.append(poly([(214, 372), (292, 364), (306, 380), (210, 384)], "url(#snowB)", ' stroke="#4a6a80" stroke-width="0.8"'))
    for (x, c) in ((236, "#e0401a"), (254, "#2a7ac0"), (272, "#f0b020")):
        body.append(person(x, 366, 1.0, c, wave=(c == "#2a7ac0")))
    # the slate rack behind the drops
    (l0, l1), (r0, r1) = BOX_COLUMNS
    body.append(rect(l0 - 16, 14, r1 + 17, BOX_ROWS[-1][1] + 18, "#000000", r=10, extra=' fill-opacity="0.45"'))
    body.append(rect(l0 - 18, 12, r1 + 15, BOX_ROWS[-1][1] + 14, "url(#chromeUp)", r=10))
    body.append(rect(l0 - 14, 16, r1 + 11, BOX_ROWS[-1][1] + 10, "url(#panel)", r=8))
    for (c0, c1) in BOX_COLUMNS:
        for (rw0, rw1) in BOX_ROWS:
            body.append(supply_drop(c0, rw0, c1 + 1, rw1 + 1))
    # the title and the question
    body.append(fiery_word("EMBERPEAK", "serif-bold", 48, 190, 70, 330, "url(#word)", "#2a0600", "#1a0400"))
    body.append(lettering(words["heading"], 40, 190, 124, "url(#iceWord)", "#04182a", width_limit=340, depth=4))
    bx0, by0, bx1, by1 = 14, 154, 370, 192
    body.append(rect(bx0 + 2, by0 + 3, bx1 + 2, by1 + 3, "#000000", r=8, extra=' fill-opacity="0.5"'))
    body.append(rect(bx0, by0, bx1, by1, "url(#banner)", r=8, extra=' stroke="#0a2a44" stroke-width="1.6"'))
    body.append(rect(bx0 + 4, by0 + 3, bx1 - 4, by0 + 11, "#ffffff", r=4, extra=' fill-opacity="0.35"'))
    body.append(path(fitted_text_path(words["pick"], "sans-bold", 17, (bx0 + bx1) / 2, by1 - 13, 330),
                     "#0a2a44"))
    body.append(poly([(bx1 + 4, by0 + 6), (bx1 + 20, (by0 + by1) / 2), (bx1 + 4, by1 - 6)], "url(#bannerFire)",
                     ' stroke="#4a0c00" stroke-width="1.2" stroke-linejoin="round"'))
    body.append(snowflake(28, 438, 10, "#ffffff", 2, 0.8))
    return svg_doc(W, H, "Emberpeak bonus game: pick one of eight supply drops", defs("night"), "\n".join(body))


def empty_svg(words):
    body = [landscape("night", 21),
            volcano(440, 210, 80, True, seed=9),
            ember_dots(200, 140, 640, 280, 70, 7, "#ffc860", 1.0, 2.4),
            ground(400, 8)]
    # an ash cloud rolling over the range
    rnd = random.Random(3)
    for i in range(12):
        x = 410 - i * 30 + rnd.uniform(-8, 8)
        y = 168 - i * 2 + rnd.uniform(-8, 8)
        rx, ry = rnd.uniform(34, 48), rnd.uniform(20, 28)
        body.append(path(blob_d(x, y, rx, ry, 40 + i, n=11, jitter=0.18), "url(#ash)", ' fill-opacity="0.85"'))
        body.append(path(blob_d(x + 4, y + ry * 0.5, rx * 0.7, ry * 0.35, 60 + i, n=9, jitter=0.15), "#ff6a20",
                         f' fill-opacity="{num(max(0.05, 0.3 - 0.025 * i))}"'))
    # the empty drop, its chute torn in the snow
    cx, y = 150, 420
    body.append(ellipse(cx + 10, y + 16, 110, 14, "url(#shadow)"))
    body.append(f'<g transform="translate({cx},{y}) scale(1.7) translate({-cx},{-y})">')
    body.append(path(f"M{cx - 70} {y + 6}Q{cx - 40} {y - 26} {cx - 4} {y - 8}Q{cx - 20} {y - 4} {cx - 30} {y + 10}Z", "url(#chute)",
                     ' stroke="#2a3a4a" stroke-width="1.4"'))
    body.append(rect(cx - 10, y - 16, cx + 50, y + 14, "url(#case)", r=4, extra=' stroke="#3a0c02" stroke-width="1.6"'))
    body.append(path(f"M{cx - 8} {y - 16}L{cx + 10} {y - 44}L{cx + 54} {y - 36}L{cx + 48} {y - 16}Z", "url(#caseTop)",
                     ' stroke="#3a0c02" stroke-width="1.6" stroke-linejoin="round"'))
    body.append(rect(cx - 6, y - 12, cx + 46, y - 4, "#1a0a04", extra=' fill-opacity="0.75"'))
    body.append(snowflake(cx + 20, y + 4, 6, "#ffffff", 1.6))
    body.append("</g>")
    body.append(lettering(words["empty"], 30, 320, 90, "url(#word)", "#2a0600", width_limit=580, depth=3))
    body.append(lettering(words["waiting"], 17, 320, 122, "#ffffff", "#1a0a04",
                          width_limit=580, outline_w=3, depth=2))
    return svg_doc(W, H, "Emberpeak bonus game: an empty drop", defs("night"), "\n".join(body))


def prize_svg(words):
    body = [landscape("calm", 31),
            volcano(470, 230, 70, False, seed=5),
            ground(392, 12)]
    # the climbers home at the hut, the helicopter lifting away
    hx, hy = 500, 396
    body.append(rect(hx - 40, hy - 40, hx + 40, hy, "url(#case)", extra=' stroke="#3a0c02" stroke-width="1.4"'))
    body.append(poly([(hx - 50, hy - 36), (hx, hy - 70), (hx + 50, hy - 36)], "url(#snowB)", ' stroke="#4a6a80" stroke-width="1"'))
    for wx in (hx - 28, hx + 12):
        body.append(rect(wx, hy - 30, wx + 16, hy - 16, "#ffe080", extra=' stroke="#3a1a06" stroke-width="1.2"'))
    body.append(rect(hx - 6, hy - 24, hx + 6, hy, "#5a2408"))
    for (x, c, wave) in ((410, "#e0401a", True), (432, "#2a7ac0", False), (454, "#f0b020", True), (574, "#e0401a", False)):
        body.append(person(x, hy + 4, 1.5, c, wave=wave))
    body.append(heli(250, 320, 1.5, flip=False))
    # the message, under the band kept free for the prize
    x0, y0, x1, y1 = PRIZE_BAND
    body.append(rect(x0 + 2, y0 + 3, x1 + 2, y1 + 3, "#000000", r=10, extra=' fill-opacity="0.3"'))
    body.append(rect(x0, y0, x1, y1, "url(#chromeUp)", r=10))
    body.append(rect(x0 + 4, y0 + 4, x1 - 4, y1 - 4, "url(#plaqueFace)", r=7))
    body.append(snowflake(x1 - 14, (y0 + y1) / 2, 7, "#6ab0dc", 1.6))
    body.append(lettering(words["rescued"], 32, 320, 70, "url(#word)", "#2a0600", width_limit=580, depth=3))
    body.append(lettering(words["paid"], 17, 320, 104, "#ffffff", "#0a2a44",
                          width_limit=580, outline_w=3, depth=2))
    return svg_doc(W, H, "Emberpeak bonus game: the rescue", defs("calm"), "\n".join(body))


def main():
    """Writes the English pictures, or with a language's code ("de", "es") that
    language's beside them (bonus-board.de.svg and so on)."""
    language = picture_language([code for code in WORDS if code != "en"])
    words = WORDS[language]
    write_pictures("games/emberpeak/art", [(in_language("bonus-board.svg", language), board_svg(words)),
                                           (in_language("bonus-empty.svg", language), empty_svg(words)),
                                           (in_language("bonus-prize.svg", language), prize_svg(words))])


if __name__ == "__main__":
    main()
