"""The whole Emberpeak cabinet, 800x600, with every lamp drawn lit: gunmetal and
slate, chrome bezels, copper trim, ember and ice lamps."""
import math
import random

from ember import *  # noqa: F403  (also puts the shared SVG helpers on the path)
from ember import (button_half, coin_sign, diamond, ember_dots, flame_d, nudge_half, peak_d, snow_cap,
                   snowflake, stars, title_glass, title_strip, BUTTON_STYLES)

W, H = 800, 600

# Places the program draws on; they must match its layout exactly.
TITLE_GLASS = (247, 98, 549, 241)
COIN_SIGN = (560, 99, 644, 184)
NUDGE_COUNT = (580, 230, 654, 276)
BUTTONS = {"spin": (577, 293, 655, 352), "bet1": (577, 362, 655, 421), "bet5": (577, 432, 655, 491)}
NUDGE_BUTTONS = {"nudge0": (260, 246, 332, 263), "nudge1": (364, 246, 436, 263), "nudge2": (468, 246, 540, 263)}
REEL_X = (258, 362, 466)
REEL_W = 76
REEL_TOP, REEL_BOTTOM = 272, 500
PAYLINE_Y = 386
TITLE_STRIP = (225, 545, 654, 590)
METER_BLACK = (236, 36, 634, 84)   # holds the meter's own black 240..630 x 40..80


def material_defs():
    return "\n".join([
        # gunmetal body, brushed
        lin("body", [(0, "#0e1216"), (0.2, "#262e36"), (0.5, "#1c232a"), (0.8, "#2a323a"), (1, "#0e1216")], 0, 0, 1, 0),
        lin("column", [(0, "#11161b"), (0.3, "#38424c"), (0.5, "#4a5560"), (0.7, "#2c353e"), (1, "#0e1216")], 0, 0, 1, 0),
        lin("slate", [(0, "#2c343e"), (0.5, "#222a32"), (1, "#161c22")], 0, 0, 0.4, 1),
        lin("slatePanel", [(0, "#12171c"), (0.5, "#1a2128"), (1, "#141a20")], 0, 0, 1, 1),
        lin("slateEdge", [(0, "#5a6672"), (1, "#161c22")]),
        # chrome and copper
        lin("chromeUp", [(0, "#ffffff"), (0.22, "#d8e4ec"), (0.6, "#7e8c98"), (1, "#36404a")]),
        lin("chromeDown", [(0, "#2a323a"), (0.5, "#7e8c98"), (1, "#eef6fa")]),
        lin("chromeH", [(0, "#3a444e"), (0.3, "#c8d4de"), (0.5, "#ffffff"), (0.7, "#aab8c4"), (1, "#2e3842")], 0, 0, 1, 0),
        lin("copperBar", [(0, "#ffe0c0"), (0.25, "#e8955a"), (0.6, "#a04c1e"), (0.8, "#c8703a"), (1, "#4a1c08")]),
        lin("copperUp", [(0, "#ffe6cc"), (0.25, "#e8955a"), (0.6, "#a04c1e"), (1, "#4a1c08")]),
        lin("copperDown", [(0, "#3a1606"), (0.5, "#a04c1e"), (1, "#ffd0a8")]),
        rad("bolt", [(0, "#ffffff"), (0.35, "#c0ccd6"), (0.8, "#5a6672"), (1, "#1e252c")], fx=0.32, fy=0.28),
        rad("boltCopper", [(0, "#fff0e0"), (0.35, "#e8955a"), (0.8, "#8a3a14"), (1, "#3a1406")], fx=0.32, fy=0.28),
        # glass, recesses, reels
        lin("meterGlass", [(0, "#141c24"), (0.25, "#070a0e"), (1, "#000000")]),
        lin("recess", [(0, "#000000"), (1, "#141a20")]),
        rad("bayGlow", [(0, "#ff9a50", 0.14), (1, "#ff6a20", 0)]),
        lin("reelFace", [(0, "#1e2830"), (0.1, "#8a98a4"), (0.24, "#dfe8ee"), (0.5, "#ffffff"),
                         (0.76, "#dfe8ee"), (0.9, "#8a98a4"), (1, "#1e2830")]),
        lin("reelSide", [(0, "#000000", 0.3), (0.18, "#000000", 0), (0.82, "#000000", 0), (1, "#000000", 0.3)], 0, 0, 1, 0),
        lin("reelTopShade", [(0, "#000000", 0.35), (0.14, "#000000", 0), (0.86, "#000000", 0), (1, "#000000", 0.35)]),
        lin("payArrow", [(0, "#ffd060"), (0.5, "#ff6a10"), (1, "#a01c02")]),
        # lamps
        rad("emberLamp", [(0, "#ffffff"), (0.3, "#fff0b0"), (0.75, "#ff9a20"), (1, "#a83a04")], fx=0.4, fy=0.33),
        rad("iceLamp", [(0, "#ffffff"), (0.3, "#e4f8ff"), (0.75, "#5ab8ec"), (1, "#145a8a")], fx=0.4, fy=0.33),
        rad("emberHalo", [(0, "#ffc060", 0.75), (0.45, "#ff8a20", 0.3), (1, "#ff6000", 0)]),
        rad("iceHalo", [(0, "#c0ecff", 0.7), (0.45, "#60c0f0", 0.28), (1, "#2090e0", 0)]),
        rad("beacon", [(0, "#ffffff"), (0.3, "#ffe8a0"), (0.7, "#ff7a14"), (1, "#a02a02")], fx=0.4, fy=0.3),
        lin("sheen", [(0, "#ffffff", 0.16), (1, "#ffffff", 0)]),
        lin("plaque", [(0, "#ffe0c4"), (0.5, "#d0844a"), (1, "#7a3414")]),
        lin("tray", [(0, "#050708"), (0.7, "#141a20"), (1, "#20282e")]),
        rad("silver", [(0, "#ffffff"), (0.45, "#d8e2ea"), (0.85, "#8a98a6"), (1, "#4a5662")], fx=0.35, fy=0.3),
        lin("grille", [(0, "#12171c"), (1, "#07090b")]),
        # the left wing's scene
        lin("nightSky", [(0, "#060a18"), (0.45, "#1a1838"), (0.8, "#4a1c2a"), (1, "#8a2a14")], 0, 146, 0, 330, user=True),
        lin("mountain", [(0, "#3a4050"), (0.6, "#22262f"), (1, "#12141a")], 0, 0, 0.4, 1),
        lin("snowField", [(0, "#ffffff"), (0.5, "#cfe6f4"), (1, "#7aa8c8")]),
        lin("lava", [(0, "#fff2a0"), (0.3, "#ffb020"), (1, "#d8340a")]),
        rad("craterGlow", [(0, "#fff0a0", 0.9), (0.3, "#ffa030", 0.55), (1, "#ff4000", 0)]),
        rad("hutGlow", [(0, "#ffd080", 0.6), (1, "#ff9a30", 0)]),
        lin("hutWall", [(0, "#6a3a1e"), (1, "#3a1e0e")]),
        lin("ice", [(0, "#ffffff"), (0.4, "#c8ecfc"), (1, "#5aa8d8")]),
    ])


def bolt(x, y, r=2.6, grad="bolt"):
    """A hexagon-headed bolt."""
    pts = [(x + r * math.cos(math.radians(30 + 60 * k)), y + r * math.sin(math.radians(30 + 60 * k))) for k in range(6)]
    return (poly([(px + 0.6, py + 0.9) for px, py in pts], "#000000", ' fill-opacity="0.5"') +
            poly(pts, f"url(#{grad})", ' stroke="#0c1014" stroke-width="0.5"') +
            circle(x, y, r * 0.35, "#000000", ' fill-opacity="0.25"'))


def trim_bolt(x, y):
    return bolt(x, y, 2.2)


# Chrome frames and collars, copper rails, held on with hexagon bolts.
CHROME = dict(up="chromeUp", down="chromeDown", bar="copperBar", rail_shadow=0.5, band_shadow=0.45,
              shadow=(0.4, 0.22, 0.1), drop=2, edge=("#eaf6ff", 0.5), lip=0.75, fastener=trim_bolt)


def brushed(x0, y0, x1, y1, seed, count, vertical=True):
    rnd = random.Random(seed)
    out = []
    for i in range(count):
        if vertical:
            x = rnd.uniform(x0, x1)
            d = f"M{num(x)} {num(y0)}V{num(y1)}"
        else:
            y = rnd.uniform(y0, y1)
            d = f"M{num(x0)} {num(y)}H{num(x1)}"
        out.append(path(d, "none", f' stroke="{"#ffffff" if i % 3 else "#000000"}"'
                                   f' stroke-opacity="{num(rnd.uniform(0.015, 0.05))}" stroke-width="{num(rnd.uniform(0.5, 1.6))}"'))
    return "\n".join(out)


def slate_panel(x0, y0, x1, y1, seed, bevel=4):
    return "\n".join([ring(x0, y0, x1, y1, x0 + bevel, y0 + bevel, x1 - bevel, y1 - bevel, "url(#chromeDown)"),
                      rect(x0 + bevel, y0 + bevel, x1 - bevel, y1 - bevel, "url(#slatePanel)"),
                      brushed(x0 + bevel, y0 + bevel, x1 - bevel, y1 - bevel, seed, 12, vertical=False),
                      rect(x0 + 0.5, y0 + 0.5, x1 - 0.5, y1 - 0.5, "none", extra=' stroke="#000000" stroke-opacity="0.5"')])


def lamp_row(points, ice_every=2, size=6):
    """Diamond lamps, lit, alternating ember and ice."""
    out = []
    for i, (x, y) in enumerate(points):
        ice = i % ice_every == ice_every - 1
        out.append(circle(x, y, size * 2.1, "url(#iceHalo)" if ice else "url(#emberHalo)"))
    for i, (x, y) in enumerate(points):
        ice = i % ice_every == ice_every - 1
        out.append(diamond(x, y, size + 1.4, "#0a0c0e"))
        out.append(diamond(x, y, size, "url(#iceLamp)" if ice else "url(#emberLamp)"))
        out.append(circle(x - size * 0.2, y - size * 0.35, size * 0.2, "#ffffff", ' fill-opacity="0.9"'))
    return "\n".join(out)


# ---------------------------------------------------------------- sections

def cabinet_shell():
    out = ["<!-- cabinet shell: brushed gunmetal body, copper crown and header rail -->",
           rect(4, 0, 796, 600, "url(#body)"),
           brushed(4, 0, 796, 600, 1, 90),
           crown_rail(CHROME),
           # a plain dark panel behind the publisher's logo
           slate_panel(12, 12, 216, 120, 2, bevel=5),
           slate_panel(652, 14, 786, 84, 3)]
    out.append(header_rails(CHROME))
    out.append(rect(4, 596, 796, 600, "#050607"))
    return "\n".join(out)


def header_emblem():
    cx, cy = 719, 49
    out = ["<!-- header emblem: the fire mountain in an ice ring -->",
           circle(cx + 1, cy + 2, 31, "#000000", ' fill-opacity="0.5"'),
           circle(cx, cy, 30, "url(#chromeUp)"),
           circle(cx, cy, 26, "url(#chromeDown)"),
           circle(cx, cy, 23.5, "#0a0e1c"),
           circle(cx, cy - 6, 20, "url(#craterGlow)")]
    out.append(poly([(cx - 23, cy + 12), (cx - 7, cy - 9), (cx + 7, cy - 9), (cx + 23, cy + 12), (cx + 18, cy + 17),
                     (cx - 18, cy + 17)], "url(#mountain)", ' stroke="#05070a" stroke-width="0.8"'))
    out.append(poly([(cx - 7, cy - 9), (cx + 7, cy - 9), (cx + 11, cy - 4), (cx + 6, cy - 2), (cx + 2, cy - 5),
                     (cx - 3, cy - 1), (cx - 7, cy - 5), (cx - 11, cy - 4)], "url(#snowField)"))
    out.append(path(f"M{cx} {cy - 9}L{cx - 2} {cy - 2}L{cx + 1} {cy + 5}L{cx - 3} {cy + 16}", "none",
                    ' stroke="#ff8a1c" stroke-width="2.2" stroke-linejoin="round" stroke-linecap="round"'))
    out.append(path(flame_d(cx, cy - 9, 12, 13, tongues=3, seed=4), "url(#lava)", ' stroke="#a02a04" stroke-width="0.6"'))
    for a in range(0, 360, 60):
        x = cx + 28 * math.cos(math.radians(a + 30))
        y = cy + 28 * math.sin(math.radians(a + 30))
        out.append(circle(x, y, 1.1, "#1a2028"))
    return "\n".join(out)


def heat_gauge():
    """Beside the publisher's logo, clear of it at every size: the mountain's heat, in the red."""
    cx, cy, r = 172, 66, 35
    out = ["<!-- heat gauge -->",
           circle(cx + 1, cy + 2, r + 1, "#000000", ' fill-opacity="0.5"'),
           circle(cx, cy, r, "url(#chromeUp)"),
           circle(cx, cy, r - 4, "url(#chromeDown)"),
           circle(cx, cy, r - 6, "#080b10")]
    # the scale: ice blue through to ember red over 240 degrees
    n = 24
    for i in range(n):
        a0 = math.radians(150 + 240 * i / n)
        a1 = math.radians(150 + 240 * (i + 0.8) / n)
        t = i / (n - 1)
        col = "#5ab8ec" if t < 0.35 else ("#ffd040" if t < 0.6 else ("#ff8a1c" if t < 0.8 else "#ff3a0a"))
        r0, r1 = r - 13, r - 8
        out.append(poly([(cx + r0 * math.cos(a0), cy + r0 * math.sin(a0)), (cx + r1 * math.cos(a0), cy + r1 * math.sin(a0)),
                         (cx + r1 * math.cos(a1), cy + r1 * math.sin(a1)), (cx + r0 * math.cos(a1), cy + r0 * math.sin(a1))], col))
    out.append(circle(cx, cy + 1, 14, "url(#emberHalo)", ' opacity="0.6"'))
    out.append(path(text_path("HEAT", "sans-bold", 7.5, cx, cy + 19, spacing=1), "#ffb060"))
    a = math.radians(150 + 240 * 0.9)
    out.append(poly([(cx + (r - 10) * math.cos(a), cy + (r - 10) * math.sin(a)),
                     (cx + 2.6 * math.cos(a + math.pi / 2), cy + 2.6 * math.sin(a + math.pi / 2)),
                     (cx - 6 * math.cos(a), cy - 6 * math.sin(a)),
                     (cx + 2.6 * math.cos(a - math.pi / 2), cy + 2.6 * math.sin(a - math.pi / 2))], "#ff4a1a",
                    ' stroke="#3a0800" stroke-width="0.6" stroke-linejoin="round"'))
    out.append(circle(cx, cy, 3.4, "url(#chromeUp)", ' stroke="#1a2028" stroke-width="0.6"'))
    out.append(path(f"M{cx - r + 9} {cy - 8}Q{cx - r + 14} {cy - r + 12} {cx - 6} {cy - r + 8}", "none",
                    ' stroke="#ffffff" stroke-opacity="0.3" stroke-width="3" stroke-linecap="round"'))
    return "\n".join(out)


def column(x0, top):
    x1 = x0 + 50
    cx = x0 + 25
    out = pillar(x0, top, "column with ember and ice lamps", CHROME, "url(#column)", "chromeH",
                 texture=brushed(x0, top, x1, 596, x0, 10), rod_w=3, channel=(14, 4))
    n = 19
    out.append(lamp_row([(cx, 152 + i * (568 - 152) / (n - 1)) for i in range(n)], ice_every=3, size=7))
    return "\n".join(out)


def climber(x, y, s, colour, lamp=True):
    """A tiny roped climber, facing up the slope to the right."""
    out = [circle(x, y - 6.5 * s, 1.6 * s, "#1a1410"),
           path(f"M{num(x)} {num(y - 5 * s)}L{num(x - 0.6 * s)} {num(y)}", "none",
                f' stroke="{colour}" stroke-width="{num(2.6 * s)}" stroke-linecap="round"'),
           rect(x - 2.4 * s, y - 5 * s, x - 0.6 * s, y - 1.6 * s, "#3a2a1a", r=0.5),
           path(f"M{num(x - 0.6 * s)} {num(y)}L{num(x - 2 * s)} {num(y + 3.6 * s)}M{num(x - 0.6 * s)} {num(y)}L{num(x + 1.2 * s)} {num(y + 3.4 * s)}"
                f"M{num(x)} {num(y - 4 * s)}L{num(x + 2.6 * s)} {num(y - 6.2 * s)}", "none",
                f' stroke="#14181c" stroke-width="{num(1.1 * s)}" stroke-linecap="round"')]
    if lamp:
        out.append(circle(x + 1.4 * s, y - 6.8 * s, 2.6 * s, "url(#hutGlow)"))
        out.append(circle(x + 1 * s, y - 6.8 * s, 0.6 * s, "#ffffff"))
    return "".join(out)


def wing_glass():
    """Left wing: a backlit glass cut to a peak, showing the rescue on the fire mountain."""
    gx0, gy0, gx1, gy1 = 72, 146, 204, 482
    cx = (gx0 + gx1) / 2
    shoulder = gy0 + 46
    inner = f"M{gx0} {gy1}V{shoulder}L{num(cx)} {gy0}L{gx1} {shoulder}V{gy1}Z"
    out = ["<!-- left wing: backlit glass of the fire mountain and the rescue -->",
           path(inner, "url(#nightSky)"),
           stars(gx0 + 6, gy0 + 30, gx1 - 6, gy0 + 110, 36, 8, 1.0)]
    # the volcano filling the glass, its crater glowing just under the peak of the frame
    crater_y = gy0 + 84
    out.append(ellipse(cx, crater_y, 70, 46, "url(#craterGlow)"))
    out.append(poly([(gx0, gy0 + 190), (cx - 16, crater_y), (cx + 16, crater_y), (gx1, gy0 + 170), (gx1, gy1), (gx0, gy1)],
                    "url(#mountain)"))
    out.append(poly([(cx - 16, crater_y), (cx + 16, crater_y), (cx + 28, crater_y + 20), (cx + 18, crater_y + 16),
                     (cx + 10, crater_y + 26), (cx, crater_y + 14), (cx - 10, crater_y + 24), (cx - 20, crater_y + 14),
                     (cx - 30, crater_y + 22)], "url(#snowField)", ' stroke="#4a6a80" stroke-width="0.5"'))
    # eruption
    out.append(path(flame_d(cx, crater_y + 1, 30, 34, tongues=5, seed=7), "url(#lava)", ' stroke="#a02a04" stroke-width="0.8"'))
    out.append(path(flame_d(cx, crater_y + 1, 16, 20, tongues=3, seed=8), "#fff4b0"))
    out.append(ember_dots(gx0 + 10, gy0 + 26, gx1 - 10, crater_y - 8, 30, 11, "#ffc860", 1.0, 1.8))
    # lava river down the left flank
    lava = [(cx - 6, crater_y + 2), (cx - 13, crater_y + 18), (cx - 8, crater_y + 34), (cx - 20, crater_y + 52),
            (cx - 15, crater_y + 70), (cx - 31, crater_y + 90), (cx - 26, crater_y + 108), (gx0 + 18, crater_y + 128),
            (gx0 + 14, crater_y + 152), (gx0 + 8, crater_y + 176)]
    d = f"M{num(lava[0][0])} {num(lava[0][1])}"
    for (xa, ya), (xb, yb) in zip(lava[1:-1], lava[2:]):
        d += f"Q{num(xa)} {num(ya)} {num((xa + xb) / 2)} {num((ya + yb) / 2)}"
    d += f"L{num(lava[-1][0])} {num(lava[-1][1])}"
    out.append(path(d, "none", ' stroke="#ff5a0a" stroke-opacity="0.35" stroke-width="16" stroke-linejoin="round" stroke-linecap="round"'))
    out.append(path(d, "none", ' stroke="#c0260a" stroke-width="8" stroke-linejoin="round" stroke-linecap="round"'))
    out.append(path(d, "none", ' stroke="#ff8a1c" stroke-width="5.5" stroke-linejoin="round" stroke-linecap="round"'))
    out.append(path(d, "none", ' stroke="#fff0a0" stroke-width="2.4" stroke-linejoin="round" stroke-linecap="round"'))
    # snowfields on the right flank and the trail the rope team follows
    out.append(poly([(cx + 20, crater_y + 30), (gx1, gy0 + 176), (gx1, gy0 + 250), (cx + 30, gy0 + 232), (cx + 6, gy0 + 200),
                     (cx + 22, gy0 + 170)], "url(#snowField)", ' fill-opacity="0.92"'))
    out.append(poly([(gx0, gy0 + 300), (cx - 10, gy0 + 262), (gx1, gy0 + 280), (gx1, gy1), (gx0, gy1)], "url(#snowField)"))
    trail = [(cx + 22, gy0 + 176), (cx + 44, gy0 + 196), (cx + 16, gy0 + 220), (cx + 40, gy0 + 246), (cx + 6, gy0 + 274)]
    d = "M" + " L".join(f"{num(x)} {num(y)}" for x, y in trail)
    out.append(path(d, "none", ' stroke="#6a8aa0" stroke-width="1.4" stroke-dasharray="3,2" stroke-linecap="round"'))
    # the rope team, roped together, heading down to the hut
    team = [(cx + 40, gy0 + 196, "#e0401a"), (cx + 22, gy0 + 212, "#2a7ac0"), (cx + 30, gy0 + 238, "#f0b020")]
    rope = "M" + " L".join(f"{num(x)} {num(y - 3)}" for x, y, _ in team)
    out.append(path(rope, "none", ' stroke="#e8d0a0" stroke-width="0.8"'))
    for (x, y, c) in team:
        out.append(climber(x, y, 1.5, c))
    # the rescue hut in the snow, windows warm
    hx, hy = cx - 20, gy0 + 300
    out.append(ellipse(hx, hy + 8, 40, 22, "url(#hutGlow)"))
    out.append(rect(hx - 20, hy - 2, hx + 20, hy + 20, "url(#hutWall)", extra=' stroke="#1a0c04" stroke-width="0.8"'))
    out.append(poly([(hx - 26, hy), (hx, hy - 20), (hx + 26, hy), (hx + 22, hy + 2), (hx, hy - 15), (hx - 22, hy + 2)],
                    "url(#snowField)", ' stroke="#4a6a80" stroke-width="0.6"'))
    for wx in (hx - 12, hx + 5):
        out.append(rect(wx, hy + 5, wx + 7, hy + 12, "#ffd070", extra=' stroke="#3a1a06" stroke-width="0.8"'))
    out.append(rect(hx - 3, hy + 8, hx + 3, hy + 20, "#2a1408"))
    out.append(path(f"M{num(hx + 16)} {num(hy - 2)}V{num(hy - 30)}", "none", ' stroke="#c8d0d8" stroke-width="1"'))
    out.append(poly([(hx + 16, hy - 30), (hx + 30, hy - 26), (hx + 16, hy - 22)], "#e0401a"))
    # the rescue helicopter hovering with its searchlight on the team
    hx2, hy2 = gx0 + 30, gy0 + 196
    out.append(poly([(hx2 + 4, hy2 + 4), (cx + 52, gy0 + 214), (cx + 10, gy0 + 236)], "#fff8d0", ' fill-opacity="0.16"'))
    out.append(ellipse(hx2, hy2, 11, 6, "#d8281a", ' stroke="#3a0804" stroke-width="0.8"'))
    out.append(ellipse(hx2 + 4, hy2 - 1, 4.5, 3.4, "#bfe6ff", ' stroke="#3a0804" stroke-width="0.5"'))
    out.append(path(f"M{num(hx2 - 10)} {num(hy2 - 1)}L{num(hx2 - 24)} {num(hy2 - 4)}", "none", ' stroke="#d8281a" stroke-width="2.4" stroke-linecap="round"'))
    out.append(path(f"M{num(hx2 - 18)} {num(hy2 - 8)}H{num(hx2 + 18)}M{num(hx2)} {num(hy2 - 6)}V{num(hy2 - 8)}", "none",
                    ' stroke="#c8d0d8" stroke-width="1.2"'))
    out.append(path(f"M{num(hx2 - 7)} {num(hy2 + 8)}H{num(hx2 + 8)}", "none", ' stroke="#c8d0d8" stroke-width="1"'))
    out.append(circle(hx2 + 10, hy2 + 2, 1.3, "#ffffff"))
    # drifting snow over everything
    rnd = random.Random(12)
    for _ in range(40):
        out.append(circle(rnd.uniform(gx0 + 3, gx1 - 3), rnd.uniform(gy0 + 50, gy1 - 6), rnd.uniform(0.5, 1.4), "#ffffff",
                          f' fill-opacity="{num(rnd.uniform(0.4, 0.9))}"'))
    # frame with a peaked top
    fx0, fy0, fx1, fy1 = gx0 - 8, gy0 - 10, gx1 + 8, gy1 + 8
    outer = f"M{fx0} {fy1}V{shoulder + 2}L{num(cx)} {fy0}L{fx1} {shoulder + 2}V{fy1}Z"
    mid = f"M{gx0 - 3} {gy1 + 3}V{shoulder + 1}L{num(cx)} {gy0 - 4}L{gx1 + 3} {shoulder + 1}V{gy1 + 3}Z"
    out.append(shaped_frame(outer, mid, inner, CHROME, shadow=0.45))
    out.append(poly([(gx0, shoulder + 6), (gx0 + 40, gy0 + 24), (gx0 + 58, gy0 + 14), (gx0, gy0 + 150)], "url(#sheen)"))
    for (x, yy) in ((fx0 + 4, fy1 - 4), (fx1 - 4, fy1 - 4), (fx0 + 4, shoulder + 8), (fx1 - 4, shoulder + 8)):
        out.append(bolt(x, yy, 2))
    return "\n".join(out)


def silver_coin(x, y):
    return "\n".join([ellipse(x + 0.6, y + 1, 7, 3.4, "#000000", ' fill-opacity="0.5"'),
                      ellipse(x, y, 7, 3.4, "url(#silver)", ' stroke="#3a444e" stroke-width="0.6"'),
                      ellipse(x, y - 0.3, 4.4, 1.9, "none", ' stroke="#5a6672" stroke-opacity="0.6" stroke-width="0.5"')])


def copper_lip(x0, y0, x1, y1):
    """A front lip with chamfered shoulders."""
    return "\n".join([
        path(f"M{x0} {y1 - 16}L{x0 + 14} {y1 - 12}H{x1 - 14}L{x1} {y1 - 16}V{y1 - 5}Q{x1} {y1} {x1 - 5} {y1}"
             f"H{x0 + 5}Q{x0} {y1} {x0} {y1 - 5}Z", "url(#copperUp)"),
        path(f"M{x0 + 3} {y1 - 14.6}L{x0 + 14} {y1 - 11.3}H{x1 - 14}L{x1 - 3} {y1 - 14.6}", "none",
             ' stroke="#fff0e0" stroke-opacity="0.8" stroke-width="1"')])


def slots(x0, y0, x1, y1):
    """Speaker slots across the grille."""
    out = []
    for row in range(17):
        y = y0 + 13 + row * 8.4
        out.append(rect(x0 + 11, y + 0.8, x1 - 11, y + 4.2, "#3a4652", r=1.7, extra=' fill-opacity="0.5"'))
        out.append(rect(x0 + 11, y, x1 - 11, y + 3.4, "#000000", r=1.7))
    return "\n".join(out)


def right_wing():
    out = ["<!-- right wing: rescue beacon, coin entry and speaker -->"]
    # the beacon: an ember dome on a chrome base
    bx, by = 707, 150
    out.append(circle(bx, by - 10, 34, "url(#emberHalo)"))
    out.append(rays(bx, by - 10, 14, 44, 672, 100, 742, 196, "#ffd080", 0.16, phase=0.2))
    out.append(rect(bx - 20, by + 6, bx + 20, by + 16, "url(#chromeUp)", r=2, extra=' stroke="#1a2028" stroke-width="0.8"'))
    out.append(rect(bx - 16, by + 2, bx + 16, by + 7, "url(#chromeDown)", r=1))
    out.append(path(f"M{bx - 15} {by + 2}V{by - 14}Q{bx - 15} {by - 30} {bx} {by - 30}Q{bx + 15} {by - 30} {bx + 15} {by - 14}V{by + 2}Z",
                    "url(#beacon)", ' stroke="#6a1a02" stroke-width="1"'))
    for k in (-8, 0, 8):
        out.append(path(f"M{bx + k} {by + 2}V{by - 22 + abs(k)}", "none", ' stroke="#a83a04" stroke-opacity="0.5" stroke-width="1.2"'))
    out.append(path(f"M{bx - 10} {by - 16}Q{bx - 10} {by - 25} {bx - 2} {by - 26}", "none",
                    ' stroke="#ffffff" stroke-opacity="0.85" stroke-width="2" stroke-linecap="round"'))
    out.append(coin_entry(CHROME, "url(#slate)", "#ffb060", "url(#payArrow)", "#4a0c00",
                          lambda x, y: bolt(x, y, 2), r=6, slot_glow="#ff7a1a"))
    out.append(speaker(CHROME, slots, r=6))
    out.append(slate_panel(672, 538, 742, 594, 4, bevel=3))
    out.append(snowflake(707, 566, 11, "#bfe8ff", 2))
    out.append(circle(707, 566, 3, "url(#iceLamp)"))
    return "\n".join(out)


def slate_plate():
    x0, y0, x1, y1 = 222, 90, 668, 516
    out = face_plate("bolted slate steel around the glass, reels and controls", "copperUp", "slate", shadow=0.6)
    out.append(brushed(x0 + 3, y0 + 3, x1 - 3, y1 - 3, 12, 40, vertical=False))
    out.append(face_plate_fasteners(lambda x, y: bolt(x, y, 2.3), PAYLINE_Y))
    return "\n".join(out)


def reels():
    out = ["<!-- reel bay: a dark recess holding the nudge keys and the three reel windows -->"]
    top = 243
    out.append(rect(238, top, 562, 511, "#000000", r=6, extra=' fill-opacity="0.5"'))
    out.append(rect(239, top, 561, 510, "url(#copperUp)", r=6))
    out.append(rect(242, top + 2, 558, 507, "url(#copperDown)", r=4))
    out.append(rect(244, top + 3, 556, 505, "url(#recess)", r=3))
    out.append(rect(244, top + 3, 556, 505, "url(#bayGlow)", r=3))
    # nudge keys, drawn dimmed in their slots
    for name, (x0, y0, x1, y1) in NUDGE_BUTTONS.items():
        out.append(rect(x0 - 2, y0 - 1.5, x1 + 2, y1 + 1.5, "#000000", r=3))
        out.append(rect(x0 - 2, y1 + 0.5, x1 + 2, y1 + 1.5, "#7e8c98", extra=' fill-opacity="0.6"'))
        _, nb = nudge_half(False, 0, prefix="nb")
        out.append(f'<g transform="translate({x0},{y0})">{nb}</g>')
    out.append(reel_windows(REEL_X, REEL_W, REEL_TOP, REEL_BOTTOM, CHROME, ("reelFace", "reelSide", "reelTopShade")))
    out.append(reel_posts(REEL_X, REEL_W, "chromeH", lambda x, y: bolt(x, y, 2.6, "boltCopper")))
    y = PAYLINE_Y
    for tip, back in ((241, 229), (557, 569)):
        out.append(poly([(back, y - 9), (tip, y), (back, y + 9)], "url(#payArrow)",
                        ' stroke="#fff0c0" stroke-width="1.2" stroke-linejoin="round"'))
    return "\n".join(out)


def right_controls():
    out = ["<!-- nudge display and button housings -->"]
    px0, py0, px1, py1 = 572, 197, 662, 215
    out.append(plaque((px0, py0, px1, py1), "#4a1c08", "REEL NUDGE", 9.5, "#2a0c02", 0.6))
    for x in (px0 + 4.5, px1 - 4.5):
        out.append(poly([(x - 2.4, 203.5), (x + 2.4, 203.5), (x, 208.5)], "#2a0c02"))
    # the dark display the program writes the count into
    x0, y0, x1, y1 = NUDGE_COUNT
    out.append(bezel((x0 - 2, y0 - 2, x1 + 2, y1 + 2), CHROME, w_out=4, w_in=2, r=5))
    out.append(rect(x0 - 2, y0 - 2, x1 + 2, y1 + 2, "url(#meterGlass)"))
    out.append(rect(*NUDGE_COUNT, "#000000"))
    out.append(button_wells(BUTTONS, CHROME, button_half))
    return "\n".join(out)


def machine_svg():
    tg_d, tg_b = title_glass(True)
    cs_d, cs_b = coin_sign(True)
    ts_d, ts_b = title_strip(True)
    nb_d, _ = nudge_half(False, 0, prefix="nb")
    defs = [material_defs(), tg_d, cs_d, ts_d, nb_d]
    for name in BUTTONS:
        bd, _ = button_half(name, False, 0, prefix=name)
        defs.append(bd)
    body = [rect(0, 0, W, H, "#000000"),
            cabinet_shell(),
            header_emblem(),
            heat_gauge(),
            meter_panel(METER_BLACK, CHROME),
            column(4, 131),
            column(746, 99),
            wing_glass(),
            coin_tray(CHROME, silver_coin, copper_lip, r=6, tray_r=4),
            right_wing(),
            slate_plate(),
            lamp_glass(TITLE_GLASS, tg_b, "title glass (lit)", CHROME),
            reels(),
            lamp_glass(COIN_SIGN, cs_b, "coin sign (lit)", CHROME),
            right_controls(),
            title_strip_section(TITLE_STRIP, ts_b, CHROME)]
    return svg_doc(W, H, "Emberpeak Slots cabinet, lamps lit", "\n".join(defs), "\n".join(body))
