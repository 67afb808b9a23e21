"""Buttons (dimmed over lit), the bonus meter column, the hold lamp and the
payline bars of the Pawlane cabinet."""
from lamps import sparkle_star
from farm import *  # noqa: F401,F403

BW, BH = 78, 59

# Primary colours: a red SPIN, a yellow BET 1 and a blue BET 3.
BUTTON_STYLES = {
    "spin": dict(label="SPIN", size=19, spacing=1.5,
                 lit_face=[(0, "#fff0e8"), (0.3, "#ff8a6a"), (0.72, "#e8200e"), (1, "#9a0a04")],
                 lit_side="#5a0602", lit_ring="#ffffff", lit_text="#ffffff", lit_text_line="#6a0402",
                 lit_glow="#ff7a5a", dim_face=[(0, "#6a3a34"), (0.6, "#4a1e1a"), (1, "#2a0e0c")], dim_side="#160404",
                 dim_text="#b89a94"),
    "bet1": dict(label="BET 1", size=16, spacing=0.5,
                 lit_face=[(0, "#fffef0"), (0.3, "#fff27a"), (0.72, "#ffc810"), (1, "#c88a00")],
                 lit_side="#6a4a00", lit_ring="#ffffff", lit_text="#8a1a04", lit_text_line=None,
                 lit_glow="#ffe060", dim_face=[(0, "#6a6034"), (0.6, "#4a421e"), (1, "#2a240c")], dim_side="#161204",
                 dim_text="#bab08a"),
    "bet5": dict(label="BET 3", size=16, spacing=0.5,
                 lit_face=[(0, "#f0f8ff"), (0.3, "#7ac0ff"), (0.72, "#1e6ae8"), (1, "#0a3498")],
                 lit_side="#041a5a", lit_ring="#ffffff", lit_text="#ffffff", lit_text_line="#041a5a",
                 lit_glow="#6ab0ff", dim_face=[(0, "#3a4a6a"), (0.6, "#1e2a4a"), (1, "#0c142a")], dim_side="#04081a",
                 dim_text="#94a0b8"),
}


def chrome_defs(P=""):
    return "\n".join([
        lin(P + "chromeUp", [(0, "#ffffff"), (0.2, "#e8ecf2"), (0.55, "#9aa2b0"), (0.8, "#c8ced8"), (1, "#5a606c")]),
        lin(P + "chromeDown", [(0, "#3a3e48"), (0.5, "#8a909c"), (1, "#f4f6fa")]),
    ])


# The buttons sit in chrome rings on a black plate.
CHROME_BUTTON = dict(ring=(("#ffffff", "#a8b0bc", "#4a505c"), ("#8a8e98", "#4a4e58", "#1a1c22")), gloss=(0.8, 0.2),
                     glow=(0.72, 0.86, 0.6), housing="#06070a", well="#030304", edge=0.6, shine=0.6)


def button_half(style, lit, oy, prefix=""):
    return round_button(BUTTON_STYLES[style], lit, oy, prefix + ("L" if lit else "D"), BW, BH, CHROME_BUTTON)


def button_svg(style):
    return dimmed_and_lit_svg(BW, BH, f"{BUTTON_STYLES[style]['label']} button: dimmed above, lit below",
                              lambda lit, oy: button_half(style, lit, oy))


# ------------------------------------------------------------------ bonus meter

CELLS = 13


def bonus_defs():
    return "\n".join([
        rad("bmFace", [(0, "#fffdf2"), (0.7, "#f6ecd0"), (1, "#dccca4")], cx=0.5, cy=0.4, r=0.7),
        lin("bmRim", [(0, "#ffffff"), (0.45, "#a8b0bc"), (1, "#3a3e48")]),
        rad("bmGlow", [(0, "#fff27a", 0.9), (0.5, "#ffd030", 0.35), (1, "#ffc000", 0)]),
        lin("bmNum", [(0, "#ff5a3a"), (0.6, "#e01e0e"), (1, "#9a0a04")]),
        lin("bmGrass", [(0, "#7ad84a"), (1, "#3a9a2a")]),
        rad("bmBonusBg", [(0, "#fffef0"), (0.3, "#fff27a"), (0.7, "#ffc410"), (1, "#e07a00")], cx=0.5, cy=0.5, r=0.6),
        lin("bmBonusWord", [(0, "#ff4a2a"), (0.5, "#d81808"), (1, "#8a0604")]),
        lin("bmPip", [(0, "#fff27a"), (1, "#f0a000")]),
        lin("bmText", [(0, "#2a6ae0"), (1, "#0a2a8a")]),
    ])


def cell_face(k):
    return meter_cell(k, BW, BH, "#07080c")


def cell_glass(k, strength=1.0):
    return meter_cell_glass(k, BW, BH, 0.25 * strength)


def chick_cell(k):
    """Cell k (1..10): a chick numbered k; the pips along the foot count the points gathered."""
    oy = k * BH
    out = cell_face(k)
    gathered = 11 - k
    out.append(ellipse(26, oy + 27, 24, 20, "url(#bmGlow)", f' opacity="{num(0.25 + 0.075 * gathered)}"'))
    out.append(path(f"M3 {oy + 44}Q20 {oy + 38} 39 {oy + 42}T75 {oy + 41}V{oy + 56}H3Z", "url(#bmGrass)"))
    out.append(chick(25, oy + 28, 14))
    size = 24 if k < 10 else 21
    td = text_path(str(k), "sans-bold", size, 57, oy + 37, spacing=-0.5)
    out.append(path(td, "none", ' stroke="#ffffff" stroke-width="4" stroke-linejoin="round"'))
    out.append(path(td, "url(#bmNum)", ' stroke="#6a0402" stroke-width="0.8"'))
    for i in range(10):
        x = 9.5 + i * 6.6
        on = i < gathered
        out.append(circle(x, oy + 50.5, 2.2, "url(#bmPip)" if on else "#1e5a16",
                          ' stroke="#7a4a00" stroke-width="0.5"' if on else ' fill-opacity="0.5"'))
    out.append(cell_glass(k))
    return out


def bonus_svg():
    body = ["<!-- cell 0: BONUS -->"]
    c = cell_face(0)
    c.append(rect(2.5, 2.5, BW - 2.5, BH - 2.5, "url(#bmBonusBg)", r=5))
    c.append(rays(BW / 2, BH / 2 + 2, 24, 80, 2.5, 2.5, BW - 2.5, BH - 2.5, "#ffffff", 0.45))
    for (x, s, f) in ((13, 8, False), (65, 8, True), (39, 6.5, False)):
        c.append(chick(x, 44 if s > 7 else 46, s, flip=f))
    wd = text_path("BONUS", "sans-bold", 17, BW / 2, 29, spacing=0.8)
    c.append(path(wd, "none", ' stroke="#ffffff" stroke-width="4" stroke-linejoin="round"'))
    c.append(path(wd, "url(#bmBonusWord)", ' stroke="#5a0402" stroke-width="0.8"'))
    for (x, y, r) in ((9, 10, 4.5), (69, 10, 4.5), (39, 6.5, 3)):
        c.append(sparkle_star(x, y, r))
    c.append(cell_glass(0))
    body += c
    for k in range(1, 11):
        body.append(f"<!-- cell {k}: chick number {k} -->")
        body += chick_cell(k)
    body.append("<!-- cell 11: 11 To Go -->")
    k = 11
    oy = k * BH
    c = cell_face(k)
    c.append(path(f"M3 {oy + 44}Q20 {oy + 38} 39 {oy + 42}T75 {oy + 41}V{oy + 56}H3Z", "url(#bmGrass)"))
    for i, x in enumerate((14, 64)):
        c.append(f'<g opacity="0.9">{egg(x, oy + 40, 6)}</g>')
    nd = text_path("11", "sans-bold", 22, BW / 2, oy + 27, spacing=0.5)
    c.append(path(nd, "none", ' stroke="#ffffff" stroke-width="3.5" stroke-linejoin="round"'))
    c.append(path(nd, "url(#bmNum)"))
    td = text_path("To Go", "sans-bold", 13, BW / 2, oy + 45, spacing=0.6)
    c.append(path(td, "none", ' stroke="#ffffff" stroke-width="3" stroke-linejoin="round"'))
    c.append(path(td, "url(#bmText)"))
    c.append(cell_glass(k))
    body += c
    body.append("<!-- cell 12: empty meter -->")
    body += cell_face(12)
    body.append(cell_glass(12))
    return svg_doc(BW, BH * CELLS, "Bonus meter cells 0 (BONUS) to 12 (empty)", farm_defs() + bonus_defs(), "\n".join(body))


def egg(cx, cy, s):
    return path(f"M{num(cx)} {num(cy - s * 1.3)}C{num(cx + s)} {num(cy - s * 1.3)} {num(cx + s)} {num(cy + s)}"
                f" {num(cx)} {num(cy + s)}C{num(cx - s)} {num(cy + s)} {num(cx - s)} {num(cy - s * 1.3)}"
                f" {num(cx)} {num(cy - s * 1.3)}Z", "#fffaf0", ' stroke="#b8a888" stroke-width="0.8"')


# ------------------------------------------------------------------ hold lamp

HL_W, HL_H = 72, 17


def hold_defs(P):
    return "\n".join([
        lin(P + "Lens", [(0, "#fffef0"), (0.35, "#fff27a"), (0.8, "#ffc410"), (1, "#e08a00")]),
        lin(P + "LensOff", [(0, "#6a5a3a"), (0.5, "#4a3e22"), (1, "#2a2210")]),
        lin(P + "Rim", [(0, "#ffffff"), (0.5, "#9aa2b0"), (1, "#3a3e48")]),
    ])


def hold_plate(lit, oy=0, P="hl"):
    """A HOLD plate filling 72x17 at (0, oy), lit or unlit."""
    g = [f'<g transform="translate(0,{oy})">',
         rect(0, 0, HL_W, HL_H, "#06070a"),
         rect(0.5, 0.5, HL_W - 0.5, HL_H - 0.5, f"url(#{P}Rim)", r=4),
         rect(2, 2, HL_W - 2, HL_H - 2, f"url(#{P}Lens)" if lit else f"url(#{P}LensOff)", r=3,
              extra=' stroke="#000000" stroke-opacity="0.5" stroke-width="0.6"')]
    if lit:
        g.append(rect(4, 2.8, HL_W - 4, 7, "#ffffff", r=2, extra=' fill-opacity="0.55"'))
    else:
        g.append(rect(4, 2.8, HL_W - 4, 6, "#ffffff", r=2, extra=' fill-opacity="0.12"'))
    td = text_path("HOLD", "sans-bold", 11.5, HL_W / 2, 13, spacing=2.5)
    if lit:
        g.append(path(td, "none", ' stroke="#ffffff" stroke-width="2" stroke-linejoin="round"'))
        g.append(path(td, "#d81808"))
    else:
        g.append(path(td, "#000000", ' fill-opacity="0.5" transform="translate(0.6,0.8)"'))
        g.append(path(td, "#9a8c6a"))
    g.append("</g>")
    return "\n".join(g)


def hold_svg():
    return svg_doc(HL_W, HL_H * 2, "HOLD lamp: unlit above, lit below", hold_defs("hl"),
                   "<!-- unlit -->\n" + hold_plate(False, 0) + "\n<!-- lit -->\n" + hold_plate(True, HL_H))


# ------------------------------------------------------------------ payline bars

BAR_W, BAR_H = 318, 14
# The bar's segments in its own columns: left of reel 0, between the reels, right of reel 2.
BAR_SEGMENTS = ((0, 17), (93, 121), (197, 225), (301, 318))
BAR_COLOURS = {
    "red": dict(lit=["#fff0e8", "#ff6a4a", "#e8200e", "#8a0604"], off=["#6a2a26", "#4a1410", "#2a0806"],
                glow="#ff5a3a"),
    "blue": dict(lit=["#eef8ff", "#6ab4ff", "#1a5ae8", "#0a2a8a"], off=["#2a3a6a", "#16224a", "#080e26"],
                 glow="#5aa0ff"),
    "green": dict(lit=["#f0ffe8", "#7ae85a", "#1aa83a", "#0a5a1a"], off=["#2a5a2e", "#163a1a", "#08200c"],
                  glow="#5ae85a"),
}


def bar_defs(colour):
    c = BAR_COLOURS[colour]
    P = "bar" + colour
    return "\n".join([
        lin(P + "On", [(0, c["lit"][0]), (0.3, c["lit"][1]), (0.7, c["lit"][2]), (1, c["lit"][3])]),
        lin(P + "Off", [(0, c["off"][0]), (0.5, c["off"][1]), (1, c["off"][2])]),
    ])


def bar_housing_defs():
    return lin("barHousing", [(0, "#c8ced8"), (0.5, "#5a606c"), (1, "#1a1c22")])


def bar_segments(colour, lit, oy=0):
    """The segments of one payline's bar, in bar-local coordinates (318 x 14 at oy).
    Each segment fills its columns completely, so the picture and the bar match."""
    P = "bar" + colour
    fill = f"url(#{P}{'On' if lit else 'Off'})"
    out = [f'<g transform="translate(0,{oy})">']
    for i, (x0, x1) in enumerate(BAR_SEGMENTS):
        out.append(rect(x0, 0, x1, BAR_H, "url(#barHousing)"))
        out.append(rect(x0, 0.5, x1, BAR_H - 0.5, "#0a0b0e"))
        if i == 0:
            lens = [(x0 + 1, 2), (x1 - 5, 2), (x1 - 0.5, 7), (x1 - 5, 12), (x0 + 1, 12)]
        elif i == 3:
            lens = [(x1 - 1, 2), (x0 + 5, 2), (x0 + 0.5, 7), (x0 + 5, 12), (x1 - 1, 12)]
        else:
            lens = None
        if lens:
            out.append(poly(lens, fill, ' stroke="#000000" stroke-opacity="0.6" stroke-width="0.6" stroke-linejoin="round"'))
        else:
            out.append(rect(x0 + 0.5, 2, x1 - 0.5, 12, fill, r=4, extra=' stroke="#000000" stroke-opacity="0.6" stroke-width="0.6"'))
        hi_x0, hi_x1 = (x0 + 2.5, x1 - 5.5) if i == 0 else (x0 + 5.5, x1 - 2.5) if i == 3 else (x0 + 3, x1 - 3)
        out.append(rect(hi_x0, 3, hi_x1, 5.5, "#ffffff", r=1.2, extra=f' fill-opacity="{0.7 if lit else 0.14}"'))
    out.append("</g>")
    return "\n".join(out)


def bar_svg(colour):
    """Unlit above (rows 0-13), lit below (rows 14-27); black over the reel windows."""
    body = [rect(0, 0, BAR_W, BAR_H * 2, "#000000"), bar_segments(colour, False, 0), bar_segments(colour, True, BAR_H)]
    return svg_doc(BAR_W, BAR_H * 2, f"The {colour} payline's bar: unlit above, lit below",
                   bar_defs(colour) + bar_housing_defs(), "\n".join(body))


def bar_mask_svg():
    body = [rect(0, 0, BAR_W, BAR_H * 2, "#ffffff")]
    for x0, x1 in BAR_SEGMENTS:
        body.append(rect(x0, 0, x1, BAR_H * 2, "#000000"))
    return svg_doc(BAR_W, BAR_H * 2, "Mask of the payline bars: black on the segments, white over the reels", "",
                   "\n".join(body))
