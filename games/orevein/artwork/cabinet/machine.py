"""The whole Orevein cabinet, 800x600, with every lamp drawn lit."""
import math
import os
import random
import sys

sys.path.append(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "..", "tools", "artwork", "shared"))

from svg_draw import *  # noqa: E402,F401,F403
from lamps import (nugget, sparkle, pickaxe, ingot, ore_cart, lantern, lantern_defs,
                   title_glass, coin_sign, title_strip)
from panel import button_half, cell_face, cell_glass, bonus_defs

W, H = 800, 600

# Places the program draws on; they must match its layout exactly.
TITLE_GLASS = (247, 98, 549, 263)
COIN_SIGN = (560, 99, 644, 184)
BONUS_BOX = (578, 223, 656, 282)
BUTTONS = {"spin": (577, 293, 655, 352), "bet1": (577, 362, 655, 421), "bet5": (577, 432, 655, 491)}
REEL_X = (258, 362, 466)
REEL_W = 76
REEL_TOP, REEL_BOTTOM = 272, 500
PAYLINE_Y = 386
TITLE_STRIP = (225, 545, 654, 590)
METER_BLACK = (236, 36, 634, 84)   # holds the meter's own black 240..630 x 40..80


def material_defs():
    return "\n".join([
        # walnut cabinet wood
        lin("wood", [(0, "#26140a"), (0.35, "#3a2212"), (0.7, "#2e190c"), (1, "#1c0e06")], 0, 0, 1, 0),
        lin("woodV", [(0, "#3a2212"), (0.5, "#2c180b"), (1, "#1a0d05")]),
        lin("woodPanel", [(0, "#1a0d06"), (0.5, "#24130a"), (1, "#1e0f07")], 0, 0, 1, 1),
        lin("woodBevelUp", [(0, "#5a3820"), (1, "#24130a")]),
        lin("woodBevelDown", [(0, "#0c0603"), (1, "#4a2e18")]),
        # brass
        lin("brassUp", [(0, "#fff3c0"), (0.2, "#f0c460"), (0.55, "#b57e26"), (1, "#6a4210")]),
        lin("brassDown", [(0, "#4a2c08"), (0.45, "#8a5e1c"), (1, "#f6d27a")]),
        lin("brassBar", [(0, "#fff0b0"), (0.25, "#e6b450"), (0.6, "#a06c1e"), (0.8, "#c89038"), (1, "#5a3a0c")]),
        lin("brassH", [(0, "#6a4210"), (0.3, "#f6d27a"), (0.5, "#fff3c0"), (0.7, "#d8a440"), (1, "#5a3a0c")], 0, 0, 1, 0),
        lin("chromeUp", [(0, "#ffffff"), (0.25, "#dcdce4"), (0.6, "#8a8a96"), (1, "#4a4a54")]),
        lin("chromeDown", [(0, "#3a3a44"), (0.5, "#8a8a96"), (1, "#f0f0f6")]),
        # dark bronze face plate
        lin("bronze", [(0, "#5e3e1c"), (0.25, "#4a2f14"), (0.7, "#3a240e"), (1, "#2a1908")], 0, 0, 0.35, 1),
        lin("bronzeEdge", [(0, "#c89a50"), (1, "#3a240c")]),
        rad("rivet", [(0, "#fff6d0"), (0.35, "#e8b850"), (0.8, "#8a5a18"), (1, "#3a2006")], fx=0.32, fy=0.28),
        rad("rivetIron", [(0, "#c8c4bc"), (0.4, "#6a6660"), (1, "#1e1c1a")], fx=0.32, fy=0.28),
        # glass and recesses
        lin("meterGlass", [(0, "#1c140e"), (0.25, "#0a0705"), (1, "#000000")]),
        lin("recess", [(0, "#000000"), (1, "#1e140c")]),
        rad("bayGlow", [(0, "#ffd890", 0.16), (1, "#ffb040", 0)]),
        lin("reelFace", [(0, "#3a2c1c"), (0.1, "#9a8c70"), (0.24, "#e4dac2"), (0.5, "#fffcf2"),
                         (0.76, "#e4dac2"), (0.9, "#9a8c70"), (1, "#3a2c1c")]),
        lin("reelSide", [(0, "#000000", 0.28), (0.18, "#000000", 0), (0.82, "#000000", 0), (1, "#000000", 0.28)], 0, 0, 1, 0),
        lin("payArrow", [(0, "#ff6a4a"), (0.5, "#e0180c"), (1, "#7a0800")]),
        # lamps and bulbs
        rad("bulb", [(0, "#ffffff"), (0.3, "#fff7c8"), (0.75, "#ffc02c"), (1, "#b85e00")], fx=0.38, fy=0.33),
        rad("bulbWarm", [(0, "#ffffff"), (0.3, "#ffe6b0"), (0.75, "#ff8a2a"), (1, "#a83a00")], fx=0.38, fy=0.33),
        rad("bulbHalo", [(0, "#ffd860", 0.7), (0.4, "#ffb030", 0.3), (1, "#ff9000", 0)]),
        rad("goldHi", [(0, "#fffbe0"), (0.35, "#ffd648"), (0.8, "#d8900e"), (1, "#8a4e04")], fx=0.35, fy=0.3),
        rad("goldDim", [(0, "#e8c060"), (0.5, "#b0801c"), (1, "#5a3a06")], fx=0.35, fy=0.3),
        lin("steel", [(0, "#f4f4f8"), (0.5, "#b8bcc8"), (1, "#6a6e7a")]),
        rad("veinGlow", [(0, "#ffd050", 0.55), (1, "#ff9a00", 0)]),
        lin("rock", [(0, "#2a1a10"), (0.3, "#3a2616"), (0.6, "#2e1c10"), (1, "#140a05")], 0, 146, 0, 482, user=True),
        lin("cart", [(0, "#6e6a72"), (1, "#3a363e")]),
        lin("plaque", [(0, "#f6d682"), (0.5, "#c89434"), (1, "#8a5c18")]),
        lin("tray", [(0, "#0a0604"), (0.7, "#1e140c"), (1, "#2a1c10")]),
        lin("trayLip", [(0, "#fff0b0"), (0.3, "#e0aa44"), (0.7, "#9a661c"), (1, "#4a2e08")]),
        lin("grille", [(0, "#1a1410"), (1, "#0c0806")]),
        lin("sheen", [(0, "#ffffff", 0.16), (1, "#ffffff", 0)]),
        rad("spotUp", [(0, "#ffcf70", 0.22), (1, "#ff9a20", 0)]),
    ])


def trim_rivet(x, y):
    return rivet(x, y, 1.8)


# Brass frames, collars and rails, held on with small brass rivets.
BRASS = dict(up="brassUp", down="brassDown", bar="brassBar", rail_shadow=0.45, band_shadow=0.4,
             shadow=(0.35, 0.2, 0.1), drop=2, edge=("#fff6d0", 0.45), lip=0.7, fastener=trim_rivet)

# The reel windows' chrome frames.
REEL_CHROME = dict(BRASS, up="chromeUp", down="chromeDown")


def wood_grain(x0, y0, x1, y1, seed, vertical=True, count=None):
    """Faint wavy grain lines across a wooden surface."""
    rnd = random.Random(seed)
    out = []
    span = (x1 - x0) if vertical else (y1 - y0)
    n = count or max(3, int(span / 7))
    for i in range(n):
        p = (x0 if vertical else y0) + (i + rnd.uniform(0.2, 0.8)) * span / n
        amp = rnd.uniform(0.6, 2.2)
        length = (y1 - y0) if vertical else (x1 - x0)
        segs = max(2, int(length / 60))
        if vertical:
            d = f"M{num(p)} {num(y0)}"
            for k in range(segs):
                ya = y0 + (k + 0.5) * length / segs
                yb = y0 + (k + 1) * length / segs
                d += f"Q{num(p + amp * (1 if k % 2 else -1))} {num(ya)} {num(p)} {num(yb)}"
        else:
            d = f"M{num(x0)} {num(p)}"
            for k in range(segs):
                xa = x0 + (k + 0.5) * length / segs
                xb = x0 + (k + 1) * length / segs
                d += f"Q{num(xa)} {num(p + amp * (1 if k % 2 else -1))} {num(xb)} {num(p)}"
        dark = rnd.random() < 0.65
        out.append(path(d, "none", f' stroke="{"#0a0502" if dark else "#7a4a26"}"'
                                   f' stroke-opacity="{num(rnd.uniform(0.18, 0.35) if dark else rnd.uniform(0.06, 0.12))}"'
                                   f' stroke-width="{num(rnd.uniform(0.5, 1.4))}"'))
    return "\n".join(out)


def wood_panel(x0, y0, x1, y1, seed, bevel=4):
    """A recessed wooden panel with a bevelled edge."""
    out = [ring(x0, y0, x1, y1, x0 + bevel, y0 + bevel, x1 - bevel, y1 - bevel, "url(#woodBevelDown)"),
           rect(x0 + bevel, y0 + bevel, x1 - bevel, y1 - bevel, "url(#woodPanel)"),
           wood_grain(x0 + bevel, y0 + bevel, x1 - bevel, y1 - bevel, seed, vertical=(y1 - y0) > (x1 - x0)),
           rect(x0 + 0.5, y0 + 0.5, x1 - 0.5, y1 - 0.5, "none", extra=' stroke="#000000" stroke-opacity="0.5"')]
    return "\n".join(out)


# ---------------------------------------------------------------- sections

def cabinet_shell():
    out = ["<!-- cabinet shell: walnut body, crown and header rail -->",
           rect(4, 0, 796, 600, "url(#wood)"),
           wood_grain(4, 0, 796, 600, 1, vertical=True, count=70),
           crown_rail(BRASS),
           # left header: a plain dark panel behind the publisher's logo
           wood_panel(12, 12, 216, 120, 2, bevel=5),
           wood_panel(652, 14, 786, 84, 3)]
    out.append(header_rails(BRASS))
    for x in range(690, 745, 38):
        out.append(rivet(x, 92, 2))
    # base kick strip
    out.append(rect(4, 596, 796, 600, "#0c0704"))
    return "\n".join(out)


def header_emblem():
    cx, cy = 719, 49
    out = ["<!-- header emblem: crossed pickaxes over a nugget -->",
           circle(cx + 1, cy + 2, 31, "#000000", ' fill-opacity="0.45"'),
           circle(cx, cy, 30, "url(#brassUp)"),
           circle(cx, cy, 26, "url(#brassDown)"),
           circle(cx, cy, 23.5, "#1a0e06"),
           circle(cx, cy, 23.5, "url(#spotUp)")]
    for ang in (-40, 40):
        out.append(pickaxe(cx, cy - 6, ang, 30, "#a0622a", "#3a200a", "url(#steel)", "#2a2c34", "#ffffff"))
    out.append(nugget(cx, cy + 11, 8, 6, 77, "url(#goldHi)", 0.75, "#7a4204"))
    for a in range(0, 360, 45):
        x = cx + 28 * math.cos(math.radians(a + 22.5))
        y = cy + 28 * math.sin(math.radians(a + 22.5))
        out.append(circle(x, y, 1.1, "#3a2006"))
    return "\n".join(out)


def wood_pillar(x0, seed, top):
    x1 = x0 + 50
    cx = x0 + 25
    out = pillar(x0, top, "pillar with chaser lamps", BRASS, "url(#wood)", "brassH",
                 texture=wood_grain(x0, top, x1, 596, seed, vertical=True, count=8))
    out.append(chaser_bulbs(cx, "#2a1804", lambda i: "url(#bulb)" if i % 2 == 0 else "url(#bulbWarm)"))
    return "\n".join(out)


def art_panel():
    """Left wing: a backlit glass showing a cut through the rock and its vein of gold."""
    gx0, gy0, gx1, gy1 = 72, 146, 204, 482
    arch_spring = gy0 + 40
    out = ["<!-- left wing: backlit vein-of-gold glass -->"]
    # rock strata
    out.append(path(arch_d(gx0, gy0, gx1, gy1, arch_spring), "url(#rock)"))
    rnd = random.Random(5)
    y = gy0 + 60
    shades = ["#3e2818", "#2a1a0e", "#4a301c", "#24160c", "#3a2414", "#2e1c10", "#452c18"]
    k = 0
    while y < gy1 - 10:
        hgt = rnd.uniform(28, 50)
        a, b2 = rnd.uniform(-12, 12), rnd.uniform(-12, 12)
        d = (f"M{gx0} {num(y)}C{num(gx0 + 40)} {num(y + a)} {num(gx1 - 40)} {num(y + b2)} {gx1} {num(y - 4)}"
             f"V{num(y + hgt)}C{num(gx1 - 40)} {num(y + hgt + b2)} {num(gx0 + 40)} {num(y + hgt + a)} {gx0} {num(y + hgt)}Z")
        out.append(path(d, shades[k % len(shades)], ' fill-opacity="0.8"'))
        y += hgt
        k += 1
    # embedded pebbles
    for i in range(26):
        x = rnd.uniform(gx0 + 6, gx1 - 6)
        yy = rnd.uniform(gy0 + 50, gy1 - 50)
        out.append(ellipse(x, yy, rnd.uniform(1.5, 4), rnd.uniform(1, 2.5), "#5a3c24", f' fill-opacity="{num(rnd.uniform(0.3, 0.6))}"'))
    # the vein: a glowing zigzag of gold across the rock
    vein = [(gx0, 250), (100, 262), (118, 248), (140, 282), (162, 270), (184, 306), (gx1, 300)]
    vein2 = [(gx0, 360), (96, 350), (120, 372), (146, 356), (170, 384), (gx1, 376)]
    for v, wdt in ((vein, 9), (vein2, 6)):
        d = "M" + " L".join(f"{num(x)} {num(yy)}" for x, yy in v)
        out.append(path(d, "none", f' stroke="#ffb020" stroke-opacity="0.18" stroke-width="{wdt * 3.2}" stroke-linejoin="round" stroke-linecap="round"'))
        out.append(path(d, "none", f' stroke="#ffc840" stroke-opacity="0.3" stroke-width="{wdt * 1.9}" stroke-linejoin="round" stroke-linecap="round"'))
        out.append(path(d, "none", f' stroke="#7a4204" stroke-width="{wdt + 2}" stroke-linejoin="round" stroke-linecap="round"'))
        out.append(path(d, "none", f' stroke="#f6c040" stroke-width="{wdt}" stroke-linejoin="round" stroke-linecap="round"'))
        out.append(path(d, "none", f' stroke="#fff4c0" stroke-width="{wdt * 0.3}" stroke-linejoin="round" stroke-linecap="round"'))
    for i, (x, yy, rx) in enumerate(((96, 262, 7), (140, 282, 9), (176, 300, 6), (118, 370, 6), (158, 362, 5), (188, 378, 5))):
        out.append(nugget(x, yy, rx, rx * 0.75, 200 + i, "url(#goldHi)", 0.8, "#7a4204"))
    # pickaxe driven into the vein
    out.append(pickaxe(150, 300, -60, 56, "#a0622a", "#3a200a", "url(#steel)", "#2a2c34", "#ffffff"))
    # lantern hanging from the arch
    out.append(path(f"M138 {gy0}V{gy0 + 14}", "none", ' stroke="#1a1410" stroke-width="1.6"'))
    out.append(lantern(138, gy0 + 16, 34, True, "lanternHalo"))
    # rails and an ore cart at the bottom
    out.append(rect(gx0, 462, gx1, 482, "#1a0e06"))
    for i in range(7):
        x = gx0 + 8 + i * 20
        out.append(rect(x, 466, x + 10, 470, "#4a2e16"))
    out.append(rect(gx0, 462, gx1, 464.5, "#8a8690"))
    out.append(rect(gx0, 462, gx1, 463, "#e0dce8", extra=' fill-opacity="0.7"'))
    out.append(ore_cart(138, 428, 86, 26, "url(#cart)", "#1e1a20", "#9a9aa4", "#e0e0e8", "#2a2628",
                        "url(#goldHi)", "#7a4204", 0.8, 300))
    for (x, yy, r) in ((100, 170, 5), (180, 226, 4), (92, 326, 4), (190, 338, 4.5), (112, 404, 4), (172, 412, 3.5)):
        out.append(sparkle(x, yy, r, "#fff8d8", 0.9))
    # frame with an arched top, covering the rock outside the arch
    out.append(arched_frame(gx0, gy0, gx1, gy1, arch_spring, BRASS))
    return "\n".join(out)


def gold_coin(x, y):
    return "\n".join([ellipse(x + 0.6, y + 1, 7, 3.4, "#000000", ' fill-opacity="0.45"'),
                      ellipse(x, y, 7, 3.4, "url(#goldHi)", ' stroke="#7a4204" stroke-width="0.6"'),
                      ellipse(x, y - 0.3, 4.6, 2, "none", ' stroke="#8a5208" stroke-opacity="0.6" stroke-width="0.5"')])


def brass_lip(x0, y0, x1, y1):
    return rounded_lip(x0, y0, x1, y1, "url(#trayLip)", "#fff6d0", 0.8)


def right_wing():
    out = ["<!-- right wing: lantern, coin entry and speaker -->"]
    # bracket and lantern
    out.append(rect(703, 101, 711, 108, "url(#brassUp)", r=1.5))
    out.append(path("M707 108V116", "none", ' stroke="#1a1410" stroke-width="1.6"'))
    out.append(lantern(707, 118, 40, True, "lanternHalo"))
    out.append(coin_entry(BRASS, "url(#plaque)", "#3a2006", "url(#payArrow)", "#5a0800",
                          lambda x, y: rivet(x, y, 1.6)))
    out.append(speaker(BRASS, lambda x0, y0, x1, y1: round_holes(x0, y0, x1, y1, "#4a3420")))
    # lower wing panel
    out.append(wood_panel(672, 538, 742, 594, 4, bevel=3))
    out.append(circle(707, 566, 7, "url(#brassUp)"))
    out.append(circle(707, 566, 5, "url(#brassDown)"))
    out.append(rect(706, 562, 708, 570, "#1a0e04", r=1))
    return "\n".join(out)


def bronze_plate():
    x0, y0, x1, y1 = 222, 90, 668, 516
    out = face_plate("riveted bronze around the glass, reels and controls", "bronzeEdge", "bronze")
    # brushed streaks
    rnd = random.Random(12)
    for i in range(40):
        yy = rnd.uniform(y0 + 4, y1 - 4)
        out.append(path(f"M{x0 + 3} {num(yy)}H{x1 - 3}", "none",
                        f' stroke="{"#ffffff" if i % 3 else "#000000"}" stroke-opacity="{num(rnd.uniform(0.015, 0.04))}" stroke-width="{num(rnd.uniform(0.5, 1.5))}"'))
    out.append(face_plate_fasteners(lambda x, y: rivet(x, y, 2), PAYLINE_Y))
    return "\n".join(out)


def reels():
    out = ["<!-- reel bay: a dark recess holding the three reel windows -->"]
    out.append(rect(238, 262, 562, 511, "#000000", r=6, extra=' fill-opacity="0.5"'))
    out.append(rect(239, 262, 561, 510, "url(#brassUp)", r=6))
    out.append(rect(242, 262, 558, 507, "url(#brassDown)", r=4))
    out.append(rect(244, 262, 556, 505, "url(#recess)", r=3))
    out.append(rect(244, 262, 556, 505, "url(#bayGlow)", r=3))
    out.append(reel_windows(REEL_X, REEL_W, REEL_TOP, REEL_BOTTOM, REEL_CHROME, ("reelFace", "reelSide")))
    # the posts between the reels: brass rods with rivets
    out.append(reel_posts(REEL_X, REEL_W, "brassH", lambda x, y: rivet(x, y, 2.4)))
    # payline pointers
    y = PAYLINE_Y
    out.append(poly([(230, y - 9), (241, y), (230, y + 9)], "url(#payArrow)", ' stroke="#ffe08a" stroke-width="1.2" stroke-linejoin="round"'))
    out.append(poly([(568, y - 9), (557, y), (568, y + 9)], "url(#payArrow)", ' stroke="#ffe08a" stroke-width="1.2" stroke-linejoin="round"'))
    return "\n".join(out)


def right_controls():
    out = ["<!-- bonus meter box and button housings -->"]
    # plaque over the bonus meter
    px0, py0, px1, py1 = 574, 195, 660, 213
    out.append(plaque((px0, py0, px1, py1), "#5a3a0c", "ORE BONUS", 10, "#3a2006", 0.8))
    for x in (px0 + 4, px1 - 4):
        out.append(circle(x, (py0 + py1) / 2, 1.3, "#5a3a0c"))
    # bonus window
    out.append(bezel(BONUS_BOX, BRASS, w_out=4, w_in=2, r=5))
    bx, by = BONUS_BOX[0], BONUS_BOX[1]
    cell = "".join(cell_face(0)) + cell_glass(0)
    out.append(f'<g transform="translate({bx},{by})">{cell}</g>')
    # button wells: one recessed iron strip with three brass collars
    out.append(button_wells(BUTTONS, BRASS, button_half))
    return "\n".join(out)


def machine_svg():
    tg_d, tg_b = title_glass(True)
    cs_d, cs_b = coin_sign(True)
    ts_d, ts_b = title_strip(True)
    defs = [material_defs(), lantern_defs(), bonus_defs(), tg_d, cs_d, ts_d]
    for name in BUTTONS:
        bd, _ = button_half(name, False, 0, prefix=name)
        defs.append(bd)
    body = [rect(0, 0, W, H, "#000000"),
            cabinet_shell(),
            header_emblem(),
            meter_panel(METER_BLACK, BRASS),
            wood_pillar(4, 20, 131),
            wood_pillar(746, 21, 99),
            art_panel(),
            coin_tray(BRASS, gold_coin, brass_lip),
            right_wing(),
            bronze_plate(),
            reels(),
            lamp_glass(TITLE_GLASS, tg_b, "title glass (lit)", BRASS),
            lamp_glass(COIN_SIGN, cs_b, "coin sign (lit)", BRASS),
            right_controls(),
            title_strip_section(TITLE_STRIP, ts_b, BRASS)]
    return svg_doc(W, H, "Orevein Slots cabinet, lamps lit", "\n".join(defs), "\n".join(body))
