"""The whole Pawlane cabinet, 800x600: red enamel and chrome around a cream
face, with the title lamps lit and the HOLD plates and payline bars unlit."""
import math

from farm import *  # noqa: F401,F403
from lamps import title_glass, coin_sign, title_strip, sparkle_star
from panel import (button_half, bonus_defs, cell_face, cell_glass, chrome_defs, hold_defs, hold_plate,
                   bar_defs, bar_housing_defs, bar_segments)

W, H = 800, 600

# Places the program draws on; they must match its layout exactly.
TITLE_GLASS = (247, 98, 549, 241)
COIN_SIGN = (560, 99, 644, 184)
BONUS_BOX = (578, 223, 656, 282)
BUTTONS = {"spin": (577, 293, 655, 352), "bet1": (577, 362, 655, 421), "bet5": (577, 432, 655, 491)}
TITLE_STRIP = (225, 545, 654, 590)
REEL_X = (258, 362, 466)
REEL_W = 76
REEL_TOP, REEL_BOTTOM = 272, 500
HOLD_LAMPS = {"hold0": (260, 246, 332, 263), "hold1": (364, 246, 436, 263), "hold2": (468, 246, 540, 263)}
LINE_BARS = {"red": (241, 377, 559, 391), "blue": (241, 301, 559, 315), "green": (241, 453, 559, 467)}
LINE_NUMBERS = {"red": 1, "blue": 2, "green": 3}
METER_BLACK = (236, 36, 634, 84)


def material_defs():
    return "\n".join([
        chrome_defs(),
        lin("bodyRed", [(0, "#4a0402"), (0.08, "#a80e06"), (0.3, "#d81e10"), (0.5, "#f03a22"), (0.7, "#d01a0e"),
                        (0.92, "#a00c06"), (1, "#4a0402")], 0, 0, 1, 0),
        lin("pillarRed", [(0, "#5a0604"), (0.25, "#e02a16"), (0.45, "#ff6a4a"), (0.6, "#d81e10"), (1, "#5a0604")],
            0, 0, 1, 0),
        lin("cream", [(0, "#fffaea"), (0.5, "#f6ebcc"), (1, "#e2d2a8")], 0, 0, 0.3, 1),
        lin("creamEdge", [(0, "#ffffff"), (1, "#a89a78")]),
        lin("chromeH", [(0, "#4a505c"), (0.3, "#e8ecf2"), (0.5, "#ffffff"), (0.7, "#b8c0cc"), (1, "#4a505c")],
            0, 0, 1, 0),
        lin("chromeBar", [(0, "#ffffff"), (0.25, "#d8dee6"), (0.6, "#8a929e"), (0.8, "#b8c0ca"), (1, "#3a3e48")]),
        rad("rivet", [(0, "#ffffff"), (0.4, "#c8ced8"), (0.8, "#6a707c"), (1, "#2a2e36")], fx=0.32, fy=0.28),
        lin("navy", [(0, "#0c1a4a"), (0.5, "#14286a"), (1, "#0a1438")], 0, 0, 1, 1),
        lin("meterGlass", [(0, "#12162a"), (0.25, "#05060c"), (1, "#000000")]),
        lin("recess", [(0, "#02040c"), (1, "#0e1a3a")]),
        rad("bayGlow", [(0, "#bfe0ff", 0.14), (1, "#6ab0ff", 0)]),
        lin("reelFace", [(0, "#2a2e3a"), (0.1, "#a8aebb"), (0.24, "#eef0f4"), (0.5, "#ffffff"),
                         (0.76, "#eef0f4"), (0.9, "#a8aebb"), (1, "#2a2e3a")], 0, 0, 1, 0),
        lin("reelGlass", [(0, "#000000", 0.35), (0.12, "#000000", 0), (0.5, "#ffffff", 0.06),
                          (0.88, "#000000", 0), (1, "#000000", 0.35)]),
        rad("bulbR", [(0, "#ffffff"), (0.3, "#ffd0c0"), (0.75, "#ff3a1a"), (1, "#8a0a00")], fx=0.38, fy=0.33),
        rad("bulbY", [(0, "#ffffff"), (0.3, "#fff8c8"), (0.75, "#ffd21a"), (1, "#b87800")], fx=0.38, fy=0.33),
        rad("bulbB", [(0, "#ffffff"), (0.3, "#d0ecff"), (0.75, "#2a8aff"), (1, "#0a2a8a")], fx=0.38, fy=0.33),
        rad("bulbHalo", [(0, "#fff0c0", 0.75), (0.45, "#ffe080", 0.3), (1, "#ffd040", 0)]),
        lin("sheen", [(0, "#ffffff", 0.35), (1, "#ffffff", 0)]),
        lin("grille", [(0, "#1a1e2a"), (1, "#080a10")]),
        lin("tray", [(0, "#05060a"), (0.7, "#1a1e2a"), (1, "#2a3040")]),
        rad("coin", [(0, "#fffbe0"), (0.35, "#ffe050"), (0.8, "#f0a810"), (1, "#a86a00")], fx=0.35, fy=0.3),
        lin("plaque", [(0, "#ff6a4a"), (0.5, "#d81e10"), (1, "#8a0604")]),
        lin("lineBlue", [(0, "#6ab4ff"), (1, "#0a3498")]),
        lin("lineRed", [(0, "#ff7a5a"), (1, "#9a0a04")]),
        lin("lineGreen", [(0, "#7ae85a"), (1, "#0a6a1a")]),
    ])


def chrome_rivet(x, y, r=2.4):
    return rivet(x, y, r, shadow=0.45)


def trim_rivet(x, y):
    return chrome_rivet(x, y, 1.8)


# Chrome frames, collars and rails, held on with small chrome rivets.
CHROME = dict(up="chromeUp", down="chromeDown", bar="chromeBar", rail_shadow=0.4, band_shadow=0.4,
              shadow=(0.35, 0.2, 0.1), drop=1, edge=("#ffffff", 0.6), lip=0.7, fastener=trim_rivet)


def enamel_panel(x0, y0, x1, y1, fill, lip=3, r=6):
    """A panel set into the cabinet, with a chrome lip."""
    return "\n".join([rect(x0, y0, x1, y1, "url(#chromeDown)", r=r),
                      rect(x0 + lip, y0 + lip, x1 - lip, y1 - lip, fill, r=max(0, r - lip)),
                      rect(x0 + 0.5, y0 + 0.5, x1 - 0.5, y1 - 0.5, "none", r=r,
                           extra=' stroke="#000000" stroke-opacity="0.5"')])


# ---------------------------------------------------------------- sections

def cabinet_shell():
    out = ["<!-- cabinet shell: red enamel body, crown and header rail -->",
           rect(4, 0, 796, 600, "url(#bodyRed)"),
           crown_rail(CHROME),
           enamel_panel(12, 12, 216, 120, "url(#navy)"),
           enamel_panel(652, 14, 786, 84, "url(#navy)")]
    # a trail of faint paw prints across the dark panels
    for i, x in enumerate(range(134, 212, 16)):
        out.append(f'<g opacity="0.16">{paw(x, 100 - (i % 2) * 12 - i * 9, 4, "#ffffff")}</g>')
    for i, x in enumerate((664, 768)):
        out.append(f'<g opacity="0.16">{paw(x, 38 + i * 24, 4, "#ffffff")}</g>')
    out.append(header_rails(CHROME))
    out.append(rect(4, 596, 796, 600, "#1a0202"))
    return "\n".join(out)


def header_emblem():
    cx, cy = 719, 49
    return "\n".join(["<!-- header emblem: a paw in a chrome ring -->",
                      circle(cx + 1, cy + 2, 31, "#000000", ' fill-opacity="0.45"'),
                      circle(cx, cy, 30, "url(#chromeUp)"),
                      circle(cx, cy, 26, "url(#chromeDown)"),
                      circle(cx, cy, 23.5, "url(#plaque)"),
                      circle(cx, cy, 23.5, "url(#sheen)", ' opacity="0.5"'),
                      f'<g opacity="0.3" transform="translate(1,1.5)">{paw(cx, cy + 1, 12, "#000000")}</g>',
                      paw(cx, cy + 1, 12, "#fff6d0"),
                      *[circle(cx + 28 * math.cos(math.radians(a)), cy + 28 * math.sin(math.radians(a)), 1.1, "#3a3e48")
                        for a in range(22, 382, 45)]])


def red_pillar(x0, top):
    out = pillar(x0, top, "pillar with chaser lamps", CHROME, "url(#pillarRed)", "chromeH")
    out.append(chaser_bulbs(x0 + 25, "#1a1c22", lambda i: f"url(#bulb{'RYB'[i % 3]})"))
    return "\n".join(out)


def art_panel():
    """Left wing: a backlit glass with the farm under a summer sky."""
    gx0, gy0, gx1, gy1 = 72, 146, 204, 482
    spring = gy0 + 40
    out = ["<!-- left wing: the farm under glass -->", path(arch_d(gx0, gy0, gx1, gy1, spring), "url(#fmSky)")]
    out.append(sun(160, 200, 17))
    out.append(cloud(104, 190, 11))
    out.append(cloud(170, 250, 8, 0.9))
    out.append(hill(gx0, gx1, 318, 40, gy1, "url(#fmHillFar)", 0.4))
    out.append(hill(gx0, gx1, 336, 24, gy1, "url(#fmHillFar)", 0.75))
    # silo and barn on the far hill
    out.append(rect(170, 262, 186, 312, "#c8ccd4", extra=' stroke="#6a707c" stroke-width="0.8"'))
    out.append(path("M170 262Q178 248 186 262Z", "#8a929e", ' stroke="#4a505c" stroke-width="0.8"'))
    for y in (272, 284, 296):
        out.append(path(f"M170 {y}H186", "none", ' stroke="#8a929e" stroke-width="0.7"'))
    out.append(barn(112, 318, 60, 50))
    out.append(hill(gx0, gx1, 372, 22, gy1, "url(#fmHillNear)", 0.45))
    # a lane winding down to the front
    out.append(path(f"M146 352C150 372 120 392 126 420C130 442 150 460 146 {gy1}H106C114 458 98 440 100 420"
                    f"C104 392 138 374 142 352Z", "#e8d6a0", ' stroke="#b8a070" stroke-width="0.8"'))
    out.append(grazing_horse(114, 376, 11))
    out.append(grazing_horse(184, 352, 7, coat="#f4ecd8", dark="#8a7a60"))
    out.append(fence(gx0, 104, 410, 16, 8))
    out.append(fence(156, gx1, 404, 16, 8))
    for i, (x, y, r) in enumerate(((84, 446, 9), (186, 440, 8), (176, 466, 7), (88, 472, 6))):
        out.append(flower(x, y, r, stem=14))
    out.append(grass_tufts(gx0, gx1, 482, 7, 40, "#1e7a1e", 7))
    out.append(chick(122, 452, 9))
    out.append(chick(138, 458, 7, flip=True))
    out.append(chick(160, 446, 6))
    # chrome frame with an arched top
    out.append(arched_frame(gx0, gy0, gx1, gy1, spring, CHROME))
    return "\n".join(out)


def gold_coin(x, y):
    return "\n".join([ellipse(x + 0.6, y + 1, 7, 3.4, "#000000", ' fill-opacity="0.45"'),
                      ellipse(x, y, 7, 3.4, "url(#coin)", ' stroke="#8a5000" stroke-width="0.6"')])


def chrome_lip(x0, y0, x1, y1):
    return rounded_lip(x0, y0, x1, y1, "url(#chromeBar)", "#ffffff", 0.9)


def right_wing():
    out = ["<!-- right wing: weather vane, coin entry and speaker -->"]
    # a rooster weather vane on a chrome mast
    out.append(rect(705, 138, 709, 190, "url(#chromeH)"))
    out.append(path("M687 155H727", "none", ' stroke="#c8ced8" stroke-width="1.6"'))
    for (x, y, t) in ((683, 159, "W"), (731, 159, "E")):
        out.append(path(text_path(t, "sans-bold", 9, x, y), "#fff6d0", ' stroke="#4a0402" stroke-width="0.4"'))
    rooster = ("M6 12L10 10C10 6 13 4 15 5L15 2L18 3L19 0L21 3L23 2L21 6C23 9 22 12 24 14C28 12 32 6 36 2"
               "C40 8 40 16 36 22C34 24 30 26 26 26L22 26C16 26 12 22 12 16C11 15 10 14 10 13Z")
    out.append(f'<g transform="translate(688,104)">' + path(rooster, "#1a1c22", ' stroke="#c8ced8" stroke-width="0.8"'
                                                           ' stroke-linejoin="round"') +
               path("M24 26V34M20 34H28", "none", ' stroke="#c8ced8" stroke-width="1.4"') + "</g>")
    out.append(poly([(693, 142), (721, 142), (721, 139), (727, 143), (721, 147), (721, 144), (693, 144)], "#1a1c22",
                    ' stroke="#c8ced8" stroke-width="0.6"'))
    out.append(circle(707, 190, 4, "url(#chromeUp)"))
    out.append(coin_entry(CHROME, "url(#cream)", "#c81e10", "url(#lineRed)", "#5a0402",
                          lambda x, y: chrome_rivet(x, y, 1.6)))
    out.append(speaker(CHROME, lambda x0, y0, x1, y1: round_holes(x0, y0, x1, y1, "#4a5060")))
    out.append(enamel_panel(672, 538, 742, 594, "url(#navy)"))
    out.append(paw(707, 567, 9, "#fff6d0", ' opacity="0.85"'))
    return "\n".join(out)


def cream_plate():
    out = face_plate("cream enamel with a chrome edge", "chromeUp", "cream", inset=2.5)
    for x in (661,):
        for y in range(110, 200, 36):
            out.append(chrome_rivet(x, y, 2))
    for x in range(250, 560, 36):
        out.append(chrome_rivet(x, 511, 2))
    # the line numbers beside the bars, in the lines' colours
    for colour, (bx0, by0, bx1, by1) in LINE_BARS.items():
        cy = (by0 + by1) / 2
        fill = {"red": "url(#lineRed)", "blue": "url(#lineBlue)", "green": "url(#lineGreen)"}[colour]
        out.append(circle(229.5, cy + 0.6, 6, "#000000", ' fill-opacity="0.35"'))
        out.append(circle(229, cy, 6, fill, ' stroke="#ffffff" stroke-width="1"'))
        out.append(path(text_path(str(LINE_NUMBERS[colour]), "sans-bold", 9, 229, cy + 3.3), "#ffffff"))
    for y in (160, 200, 236):
        out.append(chrome_rivet(229, y, 2))
    return "\n".join(out)


def reels():
    out = ["<!-- reel bay: HOLD plates over three reel windows, payline bars between them -->"]
    out.append(rect(235, 243, 565, 512, "#000000", r=6, extra=' fill-opacity="0.5"'))
    out.append(rect(236, 243, 564, 511, "url(#chromeUp)", r=6))
    out.append(rect(238.5, 244.5, 561.5, 508.5, "url(#recess)", r=4))
    out.append(rect(238.5, 244.5, 561.5, 508.5, "url(#bayGlow)", r=4))
    # the hold rail
    out.append(rect(243, 244.5, 557, 265.5, "#05060a"))
    out.append(path("M243 265.5H557", "none", ' stroke="#8a929e" stroke-width="1"'))
    for x0, y0, x1, y1 in HOLD_LAMPS.values():
        out.append(f'<g transform="translate({x0},{y0})">{hold_plate(False)}</g>')
    out.append(reel_windows(REEL_X, REEL_W, REEL_TOP, REEL_BOTTOM, CHROME, ("reelFace", "reelGlass")))
    out.append(reel_posts(REEL_X, REEL_W, "chromeH"))
    for colour, (x0, y0, x1, y1) in LINE_BARS.items():
        out.append(f'<g transform="translate({x0},{y0})">{bar_segments(colour, False)}</g>')
    return "\n".join(out)


def right_controls():
    out = ["<!-- bonus meter box and button housings -->"]
    out.append(plaque((574, 195, 660, 213), "#5a0402", "CHICK BONUS", 10, "#fff6d0", 0.6, max_width=74))
    out.append(bezel(BONUS_BOX, CHROME, w_out=4, w_in=2, r=5))
    bx, by = BONUS_BOX[0], BONUS_BOX[1]
    out.append(f'<g transform="translate({bx},{by})">{"".join(cell_face(0))}{cell_glass(0)}</g>')
    out.append(button_wells(BUTTONS, CHROME, button_half))
    return "\n".join(out)


def machine_svg():
    tg_d, tg_b = title_glass(True)
    cs_d, cs_b = coin_sign(True)
    ts_d, ts_b = title_strip(True)
    defs = [material_defs(), farm_defs(), bonus_defs(), hold_defs("hl"), tg_d, cs_d, ts_d]
    defs += [bar_defs(c) for c in LINE_BARS] + [bar_housing_defs()]
    for name in BUTTONS:
        defs.append(button_half(name, False, 0, prefix=name)[0])
    body = [rect(0, 0, W, H, "#000000"),
            cabinet_shell(),
            header_emblem(),
            meter_panel(METER_BLACK, CHROME),
            red_pillar(4, 131),
            red_pillar(746, 99),
            art_panel(),
            coin_tray(CHROME, gold_coin, chrome_lip),
            right_wing(),
            cream_plate(),
            reels(),
            lamp_glass(TITLE_GLASS, tg_b, "title glass (lit)", CHROME, bottom=3),
            lamp_glass(COIN_SIGN, cs_b, "coin sign (lit)", CHROME),
            right_controls(),
            title_strip_section(TITLE_STRIP, ts_b, CHROME)]
    return svg_doc(W, H, "Pawlane Slots cabinet: lamps lit, HOLD plates and payline bars unlit",
                   "\n".join(defs), "\n".join(body))
