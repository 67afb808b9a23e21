#!/usr/bin/env python3
"""Writes the Emberpeak symbol sheet (304x228, 12 cells of 76x76): the ten symbols
in cells 0 to 9 and two further frames of the wild symbol in cells 10 and 11, so
that 9, 10 and 11 show its fire swelling. Also writes the game's desktop icon, the
top symbol on a tile of its own."""
import math
import os
import random
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.append(os.path.join(HERE, "..", "cabinet"))

from ember import *  # noqa: E402,F403  (SVG helpers and lettering)
from ember import diamond, flame_d, snowflake, stars  # noqa: E402

OUT = os.path.join(HERE, "..", "..", "art", "symbols.svg")
CELL = 76
OUTLINE = "#1a1014"


def star_path(cx, cy, r_out, r_in, n=4, rot=-90.0):
    pts = []
    for i in range(2 * n):
        r = r_out if i % 2 == 0 else r_in
        a = math.radians(rot + i * 180.0 / n)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


def glint(cx, cy, r, fill="#ffffff"):
    return poly(star_path(cx, cy, r, r * 0.22), fill) + circle(cx, cy, r * 0.18, "#ffffff")


def o(width=2.0, colour=OUTLINE):
    return f' stroke="{colour}" stroke-width="{num(width)}" stroke-linejoin="round" stroke-linecap="round"'


def defs():
    return "\n".join([
        # reel paper: a cold white, shaded across like a drum, never down, so cells join
        lin("paper", [(0, "#dfe7ee"), (0.16, "#f2f6f9"), (0.5, "#ffffff"), (0.84, "#f2f6f9"), (1, "#dfe7ee")], 0, 0, 1, 0),
        rad("shadow", [(0, "#1a2430", 0.4), (0.6, "#1a2430", 0.15), (1, "#1a2430", 0)]),
        rad("emberHalo", [(0, "#ffd070", 0.95), (0.5, "#ff9a30", 0.45), (1, "#ff7a10", 0)]),
        rad("iceHalo", [(0, "#b8e8ff", 0.9), (0.55, "#7ac8f0", 0.35), (1, "#5ab4e8", 0)]),
        lin("lava", [(0, "#fffbd0"), (0.3, "#ffd040"), (0.7, "#ff7a14"), (1, "#d0300a")]),
        lin("lavaRiver", [(0, "#ffe070"), (1, "#ff5a0a")]),
        lin("rock", [(0, "#6a7688"), (0.45, "#414a5a"), (1, "#1e232c")], 0, 0, 0.5, 1),
        lin("rockDark", [(0, "#4a5262"), (1, "#181c24")], 0, 0, 0.5, 1),
        lin("snow", [(0, "#ffffff"), (0.6, "#e2f2fc"), (1, "#9ac8e4")]),
        # fire crystal
        lin("gemA", [(0, "#fff4c0"), (0.4, "#ffb030"), (1, "#e04a0a")]),
        lin("gemB", [(0, "#ff8a20"), (1, "#a01c04")]),
        lin("gemC", [(0, "#ffd060"), (1, "#ff6a10")]),
        lin("gemD", [(0, "#c83008"), (1, "#6a0c02")]),
        rad("gemCore", [(0, "#ffffff", 0.95), (0.4, "#fff0a0", 0.6), (1, "#ffb040", 0)]),
        # helicopter
        lin("heliBody", [(0, "#ff7a5a"), (0.35, "#e0281a"), (1, "#8a0c04")]),
        lin("heliGlass", [(0, "#ffffff"), (0.4, "#bfe8ff"), (1, "#3a88c0")]),
        lin("steel", [(0, "#ffffff"), (0.5, "#aab6c2"), (1, "#4a5662")]),
        # flare
        lin("flareStick", [(0, "#ff6a4a"), (0.45, "#d01808"), (1, "#6a0602")], 0, 0, 1, 0),
        rad("flareFire", [(0, "#ffffff"), (0.3, "#fff6b0"), (0.7, "#ff9a20"), (1, "#ff4a0a", 0)]),
        # rope and carabiner
        lin("rope", [(0, "#ffc060"), (0.5, "#e07a1a"), (1, "#8a3a08")]),
        lin("carabiner", [(0, "#e8f6ff"), (0.5, "#6ab4e0"), (1, "#1a5a8a")], 0, 0, 1, 0),
        # compass
        lin("compassRim", [(0, "#ffffff"), (0.3, "#c8d4de"), (0.7, "#6a7886"), (1, "#2a343e")]),
        rad("compassFace", [(0, "#ffffff"), (0.7, "#e6f4fc"), (1, "#a8d0e8")], fx=0.4, fy=0.35),
        lin("needleRed", [(0, "#ff6a3a"), (1, "#b01404")], 0, 0, 1, 0),
        lin("needleIce", [(0, "#e8f6ff"), (1, "#6a8aa0")], 0, 0, 1, 0),
        # snowflake
        lin("ice", [(0, "#ffffff"), (0.35, "#bfeaff"), (0.75, "#4aaae4"), (1, "#1a6aa8")]),
        # lava rock
        rad("basalt", [(0, "#5a5460"), (0.6, "#2e2a32"), (1, "#141216")], fx=0.35, fy=0.3),
        # bonus sign
        lin("signFace", [(0, "#ffb040"), (0.5, "#ff6a10"), (1, "#c0300a")]),
        lin("signRim", [(0, "#ffffff"), (0.5, "#b8c6d2"), (1, "#4a5866")]),
        lin("ribbon", [(0, "#3a9ad8"), (0.5, "#1a6aa8"), (1, "#0a3a66")]),
        # wild
        rad("wildCore", [(0, "#ffffff"), (0.35, "#fff6b0"), (0.75, "#ffb020"), (1, "#ff6a0a")], fx=0.45, fy=0.4),
        lin("wildWord", [(0, "#ffffff"), (0.5, "#e8f8ff"), (1, "#a8dcf8")]),
        lin("wildFlame", [(0, "#fff6a0"), (0.4, "#ffa020"), (1, "#e0300a")]),
        lin("wildFlameIn", [(0, "#ffffff"), (1, "#ffd040")]),
        lin("wildRing", [(0, "#ffffff"), (0.5, "#7ac8f0"), (1, "#1a5a8a")]),
    ])


# ---------------------------------------------------------------- the symbols, each in a 76x76 cell

def volcano():
    out = [circle(38, 30, 30, "url(#emberHalo)"),
           ellipse(38, 70, 30, 4, "url(#shadow)")]
    cone = [(5, 68), (26, 27), (50, 27), (71, 68)]
    out.append(poly(cone, "url(#rock)", o(2.2)))
    out.append(poly([(38, 27), (50, 27), (71, 68), (52, 68), (44, 44)], "#000000", ' fill-opacity="0.22"'))
    out.append(poly([(26, 27), (50, 27), (56, 38), (50, 36), (45, 42), (38, 35), (31, 42), (26, 36), (20, 39)],
                    "url(#snow)", o(1.2, "#3a5a74")))
    # the eruption
    out.append(path(flame_d(38, 28, 26, 22, tongues=5, seed=3), "url(#lava)", o(1.6, "#8a1a02")))
    out.append(path(flame_d(38, 28, 12, 14, tongues=3, seed=5), "#fffbe0"))
    for (x, y, r) in ((14, 12, 2.6), (62, 10, 2.4), (22, 4, 1.8), (55, 20, 2), (9, 24, 1.6), (68, 26, 1.7)):
        out.append(circle(x, y, r, "#ffd040", o(0.9, "#c0400a")))
    # lava rivers
    for pts in (((33, 28), (30, 40), (34, 50), (26, 68)), ((44, 28), (48, 42), (44, 54), (52, 68))):
        d = "M" + " L".join(f"{x} {y}" for x, y in pts)
        out.append(path(d, "none", ' stroke="#6a0c02" stroke-width="5" stroke-linejoin="round" stroke-linecap="round"'))
        out.append(path(d, "none", ' stroke="url(#lavaRiver)" stroke-width="3.2" stroke-linejoin="round" stroke-linecap="round"'))
    out.append(ellipse(38, 27.5, 12, 2.4, "#fff0a0", o(1, "#8a1a02")))
    return out


def crystal():
    out = [circle(38, 38, 32, "url(#emberHalo)"), ellipse(38, 70, 20, 3.5, "url(#shadow)")]
    top, mid_y, bot = 5, 30, 70
    pts = [(38, top), (56, 18), (60, mid_y), (38, bot), (16, mid_y), (20, 18)]
    out.append(poly(pts, "url(#gemB)", o(2.4)))
    out.append(poly([(38, top), (56, 18), (38, 24)], "url(#gemA)"))
    out.append(poly([(38, top), (38, 24), (20, 18)], "url(#gemC)"))
    out.append(poly([(20, 18), (38, 24), (28, mid_y), (16, mid_y)], "url(#gemA)"))
    out.append(poly([(56, 18), (60, mid_y), (48, mid_y), (38, 24)], "url(#gemC)"))
    out.append(poly([(28, mid_y), (48, mid_y), (38, 24)], "#fff6c0"))
    out.append(poly([(16, mid_y), (28, mid_y), (38, bot)], "url(#gemC)"))
    out.append(poly([(28, mid_y), (48, mid_y), (38, bot)], "url(#gemB)"))
    out.append(poly([(48, mid_y), (60, mid_y), (38, bot)], "url(#gemD)"))
    out.append(circle(38, 36, 14, "url(#gemCore)"))
    out.append(poly(pts, "none", o(2.4)))
    out.append(path("M38 24L28 30L38 70L48 30Z M20 18L38 24L56 18", "none", o(0.8, "#7a1a04")))
    out.append(glint(27, 16, 8))
    out.append(glint(52, 44, 5))
    out.append(glint(64, 10, 4.5, "#ffd040"))
    return out


def helicopter():
    out = [ellipse(38, 70, 28, 3.5, "url(#shadow)")]
    # tail boom and rotor
    out.append(poly([(40, 36), (70, 30), (71, 34), (42, 44)], "url(#heliBody)", o(1.8)))
    out.append(poly([(64, 22), (70, 22), (72, 34), (68, 34)], "url(#heliBody)", o(1.6)))
    out.append(circle(68, 31, 5, "none", ' stroke="#4a5662" stroke-width="1.4" stroke-opacity="0.8"'))
    # skids
    out.append(path("M10 63H60M18 55L16 63M44 55L46 63", "none", ' stroke="#2a323c" stroke-width="2.6" stroke-linecap="round"'))
    out.append(path("M10 63Q6 63 6 59", "none", ' stroke="#2a323c" stroke-width="2.6" stroke-linecap="round"'))
    # cabin
    body = "M8 44C8 30 20 24 34 24H44C52 24 54 32 52 40L50 52C49 56 46 57 42 57H18C11 57 8 52 8 44Z"
    out.append(path(body, "url(#heliBody)", o(2.2)))
    out.append(path("M12 38C13 30 20 27 30 27V42H12Z", "url(#heliGlass)", o(1.6)))
    out.append(rect(33, 29, 44, 42, "url(#heliGlass)", r=2, extra=o(1.4)))
    out.append(path("M14 33C16 30 19 29 23 29", "none", ' stroke="#ffffff" stroke-width="1.6" stroke-linecap="round"'))
    out.append(rect(10, 46, 50, 50, "#ffffff", extra=' fill-opacity="0.9"'))
    out.append(path("M10 46H50M10 50H50", "none", ' stroke="#8a0c04" stroke-width="0.6"'))
    # mast and rotor blades
    out.append(rect(30, 18, 36, 25, "url(#steel)", r=1, extra=o(1.2)))
    out.append(path("M2 16L70 14", "none", ' stroke="#1a2028" stroke-width="3.2" stroke-linecap="round"'))
    out.append(path("M4 15.6L68 13.8", "none", ' stroke="#8a96a2" stroke-width="1" stroke-linecap="round"'))
    out.append(ellipse(33, 15.5, 4, 2.4, "url(#steel)", o(1)))
    # searchlight
    out.append(circle(48, 53, 2.6, "#fff6b0", o(1)))
    return out


def flare():
    out = [ellipse(38, 70, 18, 3, "url(#shadow)")]
    out.append(circle(44, 22, 20, "url(#emberHalo)"))
    # smoke curling up
    out.append(path("M50 16C58 12 52 8 60 3", "none", ' stroke="#8a96a2" stroke-opacity="0.5" stroke-width="5" stroke-linecap="round"'))
    out.append('<g transform="rotate(24 38 44)">')
    out.append(rect(31, 28, 45, 72, "url(#flareStick)", r=3, extra=o(2.2)))
    out.append(rect(30, 56, 46, 64, "#1a1a20", r=2, extra=o(1.2)))
    out.append(rect(31, 58.5, 45, 60, "#8a96a2"))
    out.append(rect(34, 32, 36.5, 54, "#ffffff", r=1, extra=' fill-opacity="0.45"'))
    out.append(path(text_path("SOS", "sans-bold", 7, 38, 45, spacing=0.5), "#ffffff",
                    ' transform="rotate(-90 38 42.5)"'))
    out.append(rect(32, 24, 44, 29, "#3a2a20", r=1.5, extra=o(1.2)))
    out.append("</g>")
    # the burning head
    out.append(path(flame_d(31, 26, 22, 22, lean=0.3, tongues=3, seed=12), "url(#lava)", o(1.4, "#a02a04")))
    out.append(path(flame_d(31, 26, 10, 15, lean=0.3, tongues=1, seed=13), "#ffffff"))
    for (x, y, r) in ((16, 12, 1.8), (48, 6, 1.6), (12, 26, 1.4), (52, 20, 1.4), (22, 2, 1.2), (42, 14, 1.2)):
        out.append(glint(x, y, r * 2.6, "#ffc040"))
    return out


def rope():
    """A climber's coil: loops hanging from a wrapped neck, a carabiner clipped on."""
    out = [ellipse(36, 70, 24, 3.5, "url(#shadow)")]
    loops = [(12, 60, 68), (16, 56, 65), (20, 52, 62), (24, 48, 59)]
    for (x0, x1, bottom) in loops:
        cx = (x0 + x1) / 2
        d = (f"M{num(x0 + 6)} 24C{num(x0 - 3)} 34 {num(x0 - 1)} {num(bottom + 1)} {num(cx)} {num(bottom)}"
             f"C{num(x1 + 1)} {num(bottom + 1)} {num(x1 + 3)} 34 {num(x1 - 6)} 24")
        out.append(path(d, "none", ' stroke="#5a2404" stroke-width="7"'))
        out.append(path(d, "none", ' stroke="url(#rope)" stroke-width="5"'))
        out.append(path(d, "none", ' stroke="#fff0c0" stroke-width="1.1" stroke-dasharray="2.2,3" stroke-opacity="0.85"'))
    # the neck of the coil, wrapped round and round
    out.append(rect(21, 11, 51, 29, "#5a2404", r=5))
    for y in (14, 18.5, 23, 27.5):
        out.append(path(f"M23 {num(y)}H49", "none", ' stroke="#5a2404" stroke-width="5.6" stroke-linecap="round"'))
        out.append(path(f"M23 {num(y)}H49", "none", ' stroke="#e8841e" stroke-width="4" stroke-linecap="round"'))
        out.append(path(f"M25 {num(y - 0.9)}H47", "none", ' stroke="#ffe0a0" stroke-width="0.9" stroke-opacity="0.8" stroke-linecap="round"'))
    # the tail hanging out below
    out.append(path("M36 29C37 40 33 48 36 56", "none", ' stroke="#5a2404" stroke-width="7" stroke-linecap="round"'))
    out.append(path("M36 29C37 40 33 48 36 56", "none", ' stroke="url(#rope)" stroke-width="5" stroke-linecap="round"'))
    # carabiner clipped through the neck
    cb = "M56 6C63 4 69 8 69 15L67 38C66 46 56 46 55 38L52 14C51 9 53 6.6 56 6Z"
    out.append(path(cb, "none", ' stroke="#0a2a44" stroke-width="6.6"'))
    out.append(path(cb, "none", ' stroke="url(#carabiner)" stroke-width="4.4"'))
    out.append(path("M54.2 16L55.8 34", "none", ' stroke="#0a2a44" stroke-width="3.4" stroke-linecap="round"'))
    out.append(path("M54.2 16L55.8 34", "none", ' stroke="#d8f0ff" stroke-width="1.5" stroke-linecap="round"'))
    out.append(path("M58 7.6C62.6 6.6 66.4 9 67.4 13", "none", ' stroke="#ffffff" stroke-width="1.4" stroke-linecap="round"'))
    return out


def compass():
    out = [ellipse(38, 70, 24, 3.5, "url(#shadow)")]
    out.append(rect(33, 3, 43, 12, "url(#compassRim)", r=3, extra=o(1.6)))
    out.append(circle(38, 40, 30, "url(#compassRim)", o(2.2)))
    out.append(circle(38, 40, 25, "#1a2430"))
    out.append(circle(38, 40, 23.5, "url(#compassFace)"))
    ticks = ""
    for k in range(16):
        a = math.radians(k * 22.5)
        r0 = 19 if k % 4 else 16.5
        ticks += f"M{num(38 + r0 * math.sin(a))} {num(40 - r0 * math.cos(a))}L{num(38 + 22 * math.sin(a))} {num(40 - 22 * math.cos(a))}"
    out.append(path(ticks, "none", ' stroke="#2a3a4a" stroke-width="1.3"'))
    out.append(path(text_path("N", "sans-bold", 9, 38, 27.5), "#c01c06"))
    # the needle, ember to the north
    out.append(poly([(38, 14.5), (43, 40), (33, 40)], "url(#needleRed)", o(1.2)))
    out.append(poly([(38, 65.5), (43, 40), (33, 40)], "url(#needleIce)", o(1.2)))
    out.append(circle(38, 40, 3.4, "url(#compassRim)", o(1)))
    out.append(path("M20 28C24 21 30 18 36 17", "none", ' stroke="#ffffff" stroke-width="2.2" stroke-opacity="0.9" stroke-linecap="round"'))
    return out


def ice_crystal():
    out = [circle(38, 38, 33, "url(#iceHalo)")]
    arms = ""
    for k in range(6):
        a = math.radians(90 + k * 60)
        ex, ey = 38 + 30 * math.cos(a), 38 - 30 * math.sin(a)
        arms += f"M38 38L{num(ex)} {num(ey)}"
        for f, ln in ((0.5, 11), (0.78, 7)):
            bx, by = 38 + 30 * f * math.cos(a), 38 - 30 * f * math.sin(a)
            for s in (-1, 1):
                b2 = a + s * math.radians(45)
                arms += f"M{num(bx)} {num(by)}L{num(bx + ln * math.cos(b2))} {num(by - ln * math.sin(b2))}"
    out.append(path(arms, "none", ' stroke="#0a3a66" stroke-width="8" stroke-linecap="round"'))
    out.append(path(arms, "none", ' stroke="url(#ice)" stroke-width="5" stroke-linecap="round"'))
    out.append(path(arms, "none", ' stroke="#ffffff" stroke-width="1.4" stroke-linecap="round" stroke-opacity="0.85"'))
    hexagon = [(38 + 9 * math.cos(math.radians(30 + 60 * k)), 38 + 9 * math.sin(math.radians(30 + 60 * k))) for k in range(6)]
    out.append(poly(hexagon, "url(#ice)", o(2, "#0a3a66")))
    out.append(poly([(38 + 4.5 * math.cos(math.radians(30 + 60 * k)), 38 + 4.5 * math.sin(math.radians(30 + 60 * k))) for k in range(6)],
                    "#ffffff", ' fill-opacity="0.8"'))
    out.append(glint(22, 18, 6))
    out.append(glint(58, 58, 4.5))
    return out


def lava_rock():
    out = [circle(38, 42, 30, "url(#emberHalo)", ' opacity="0.75"'), ellipse(38, 68, 28, 4.5, "url(#shadow)")]
    outline = "M10 48C6 36 14 22 28 20C34 12 48 12 54 20C66 22 72 34 68 46C70 58 60 66 48 64C40 70 26 68 20 62C12 62 8 56 10 48Z"
    out.append(path(outline, "url(#basalt)", o(2.4)))
    cracks = ("M18 30L26 38L22 48L30 56M26 38L38 36L44 46L40 60M38 36L40 24M44 46L58 42L62 32M58 42L60 56")
    out.append(path(cracks, "none", ' stroke="#ff6a10" stroke-opacity="0.45" stroke-width="6" stroke-linejoin="round" stroke-linecap="round"'))
    out.append(path(cracks, "none", ' stroke="#ff9a1a" stroke-width="3" stroke-linejoin="round" stroke-linecap="round"'))
    out.append(path(cracks, "none", ' stroke="#fff4a0" stroke-width="1.2" stroke-linejoin="round" stroke-linecap="round"'))
    out.append(path("M20 26C26 20 32 18 38 18", "none", ' stroke="#a8a0b0" stroke-width="2" stroke-opacity="0.6" stroke-linecap="round"'))
    for (x, y) in ((30, 28), (50, 30), (28, 46), (50, 54), (16, 44)):
        out.append(circle(x, y, 1.1, "#141216"))
    return out


def bonus():
    out = [circle(38, 34, 33, "url(#emberHalo)"), ellipse(38, 71, 26, 3.5, "url(#shadow)")]
    sign = [(38, 2), (68, 32), (38, 62), (8, 32)]
    out.append(poly(sign, "url(#signRim)", o(2.2)))
    inner = [(38, 7.5), (62.5, 32), (38, 56.5), (13.5, 32)]
    out.append(poly(inner, "url(#signFace)", o(1.2, "#6a1002")))
    out.append(poly([(38, 7.5), (62.5, 32), (13.5, 32)], "#ffffff", ' fill-opacity="0.18"'))
    sd = text_path("SOS", "sans-bold", 15, 38, 37.5, spacing=0.5)
    out.append(path(sd, "none", ' stroke="#5a0a00" stroke-width="3" stroke-linejoin="round"'))
    out.append(path(sd, "#ffffff"))
    # ribbon
    out.append(poly([(4, 52), (12, 50), (12, 66), (4, 64), (8, 58)], "#0a3a66", o(1.2)))
    out.append(poly([(72, 52), (64, 50), (64, 66), (72, 64), (68, 58)], "#0a3a66", o(1.2)))
    out.append(rect(10, 48, 66, 64, "url(#ribbon)", r=2, extra=o(1.6)))
    bd = text_path("BONUS", "sans-bold", 12.5, 38, 60.6, spacing=1)
    out.append(path(bd, "none", ' stroke="#041a30" stroke-width="2.4" stroke-linejoin="round"'))
    out.append(path(bd, "#ffffff"))
    out.append(glint(58, 12, 5))
    return out


def tongue_d(x, base, w, h, lean):
    """One lick of flame: a teardrop rising from `base`, its tip swept by `lean`."""
    tip = x + lean * w
    return (f"M{num(x - w / 2)} {num(base)}C{num(x - w / 2)} {num(base - h * 0.45)} {num(tip - w * 0.25)} {num(base - h * 0.6)}"
            f" {num(tip)} {num(base - h)}C{num(tip + w * 0.2)} {num(base - h * 0.62)} {num(x + w / 2)} {num(base - h * 0.42)}"
            f" {num(x + w / 2)} {num(base)}Q{num(x)} {num(base + w * 0.3)} {num(x - w / 2)} {num(base)}Z")


def blaze(cx, base, h, lean, scale=1.0):
    """A fire of five licks, tallest in the middle, as a list of path data."""
    licks = ((0, 28, 1.0, lean), (-13, 22, 0.7, -0.25 + lean), (13, 22, 0.74, 0.25 + lean),
             (-24, 16, 0.46, -0.35), (24, 16, 0.5, 0.35))
    return [tongue_d(cx + dx * scale, base, w * scale, h * f * scale, ln) for dx, w, f, ln in licks]


def wild(frame):
    """The wild symbol: a blaze behind the word; frames 0, 1, 2 (cells 9, 10, 11) swell it."""
    h = (36, 43, 50)[frame]
    lean = (0.0, 0.14, -0.1)[frame]
    out = [circle(38, 40, 26 + 4 * frame, "url(#emberHalo)", f' opacity="{num(0.7 + 0.15 * frame)}"'),
           ellipse(38, 71, 24, 3.5, "url(#shadow)")]
    outer = blaze(38, 60, h, lean)
    for d in outer:
        out.append(path(d, "none", ' stroke="#7a1402" stroke-width="3.2" stroke-linejoin="round"'))
    for d in outer:
        out.append(path(d, "url(#wildFlame)"))
    for d in blaze(38, 60, h * 0.92, -lean * 0.5, 0.62):
        out.append(path(d, "url(#wildFlameIn)"))
    for d in blaze(38, 60, h * 0.9, lean, 0.3)[:3]:
        out.append(path(d, "#ffffff"))
    for i, (x, y, r) in enumerate(((14, 20, 1.8), (62, 14, 1.6), (22, 8, 1.4), (56, 28, 1.4), (8, 34, 1.2), (68, 38, 1.3))):
        if i < 2 + 2 * frame:
            out.append(circle(x, y - 2 * frame, r + 0.3 * frame, "#ffd040", o(0.8, "#c0400a")))
    # the word on an ice-rimmed slate plate
    out.append(rect(3, 42, 73, 63, "#0a2a44", r=5, extra=' stroke="url(#wildRing)" stroke-width="2.4"'))
    out.append(rect(5.5, 44.2, 70.5, 48.5, "#ffffff", r=2, extra=' fill-opacity="0.22"'))
    wd = text_path("WILD", "sans-bold", 18, 38, 59.4, spacing=1.2)
    out.append(path(wd, "none", ' stroke="#c0300a" stroke-width="3.4" stroke-linejoin="round"'))
    out.append(path(wd, "url(#wildWord)"))
    out.append(glint(66, 8, 3 + frame, "#ffd040"))
    return out


SYMBOLS = [volcano, crystal, helicopter, flare, rope, compass, ice_crystal, lava_rock, bonus,
           lambda: wild(0), lambda: wild(1), lambda: wild(2)]
NAMES = ["volcano (250)", "fire crystal (50)", "rescue helicopter (20)", "signal flare (18)", "rope and carabiner (14)",
         "compass (12)", "ice crystal (10)", "lava rock (3)", "bonus game sign", "WILD", "WILD, fire swelling",
         "WILD, fire at its height"]


def sheet():
    body = []
    for n, draw in enumerate(SYMBOLS):
        x, y = (n % 4) * CELL, (n // 4) * CELL
        body.append(f"<!-- cell {n}: {NAMES[n]} -->")
        body.append(f'<g transform="translate({x},{y})">')
        body.append(rect(0, 0, CELL, CELL, "url(#paper)"))
        body += draw()
        body.append("</g>")
    return svg_doc(4 * CELL, 3 * CELL, "Emberpeak symbol sheet: cells 0 to 9, and the wild symbol's frames 10 and 11",
                   defs(), "\n".join(body))


ICON = os.path.join(HERE, "..", "..", "desktop", "icon.svg")


def icon():
    """The desktop icon: the volcano on a slate tile with an ice rim, drawn to read at 48 pixels."""
    d = [defs(),
         lin("iconRim", [(0, "#ffffff"), (0.25, "#bfe6fa"), (0.6, "#4a94c4"), (1, "#123c60")]),
         rad("iconTile", [(0, "#c0501a"), (0.35, "#5a2a2a"), (0.75, "#1e2430"), (1, "#0c0f14")], cy=0.4, r=0.75)]
    b = [rect(8, 8, 248, 248, "url(#iconRim)", r=44),
         rect(18, 18, 238, 238, "url(#iconTile)", r=36),
         stars(30, 26, 226, 110, 30, 4, 0.8),
         '<g transform="translate(128,136) scale(2.9) translate(-38,-38)">'] + volcano() + ["</g>"]
    b.append(rect(18, 18, 238, 238, "none", r=36, extra=' stroke="#000000" stroke-opacity="0.5" stroke-width="3"'))
    return svg_doc(256, 256, "Emberpeak Slots: the fire mountain", "\n".join(d), "\n".join(b))


if __name__ == "__main__":
    with open(OUT, "w") as f:
        f.write(sheet())
    with open(ICON, "w") as f:
        f.write(icon())
