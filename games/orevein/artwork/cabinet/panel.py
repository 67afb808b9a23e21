"""Buttons (dimmed over lit) and the bonus meter column."""
import math
import os
import sys

sys.path.append(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "..", "tools", "artwork", "shared"))

from svg_draw import *  # noqa: E402,F401,F403
from lamps import nugget, sparkle, rays

BW, BH = 78, 59

BUTTON_STYLES = {
    "spin": dict(label="SPIN", size=19, spacing=1.5,
                 lit_face=[(0, "#f4ffe8"), (0.3, "#a8ff8a"), (0.75, "#3cc83e"), (1, "#17802a")],
                 lit_side="#0d5a1a", lit_text="#0a3410", lit_glow="#9cff7a", lit_ring="#d8ffc0",
                 dim_face=[(0, "#3e5a3a"), (0.6, "#24402a"), (1, "#15291a")],
                 dim_side="#0a180c", dim_text="#9cae94"),
    "bet1": dict(label="BET 1", size=16, spacing=0.5,
                 lit_face=[(0, "#fffbe6"), (0.3, "#ffe27a"), (0.75, "#f4a824"), (1, "#b86a08")],
                 lit_side="#6a3604", lit_text="#4a1c00", lit_glow="#ffd860", lit_ring="#fff0b0",
                 dim_face=[(0, "#5e4a2a"), (0.6, "#44321a"), (1, "#2a1e0e")],
                 dim_side="#1a1006", dim_text="#b8a684"),
    "bet5": dict(label="BET 5", size=16, spacing=0.5,
                 lit_face=[(0, "#fffbe6"), (0.3, "#ffe27a"), (0.75, "#f4a824"), (1, "#b86a08")],
                 lit_side="#6a3604", lit_text="#4a1c00", lit_glow="#ffd860", lit_ring="#fff0b0",
                 dim_face=[(0, "#5e4a2a"), (0.6, "#44321a"), (1, "#2a1e0e")],
                 dim_side="#1a1006", dim_text="#b8a684"),
}


# The buttons sit in brass rings on a dark iron plate.
BRASS_BUTTON = dict(ring=(("#fff2b8", "#c8902a", "#5a360a"), ("#8a7046", "#5a4422", "#241808")), gloss=(0.75, 0.22),
                    glow=(0.75, 0.88, 0.55), housing="#0a0604", well="#050302", edge=0.7, shine=0.55)


def button_half(style, lit, oy, prefix=""):
    return round_button(BUTTON_STYLES[style], lit, oy, prefix + ("l" if lit else "d"), BW, BH, BRASS_BUTTON)


def button_svg(style):
    return dimmed_and_lit_svg(BW, BH, f"{BUTTON_STYLES[style]['label']} button: dimmed above, lit below",
                              lambda lit, oy: button_half(style, lit, oy))


# ------------------------------------------------------------------ bonus meter

CELLS = 13


def bonus_defs():
    return "\n".join([
        rad("bmFace", [(0, "#2e1c0e"), (0.7, "#1a0f07"), (1, "#0c0603")], cx=0.5, cy=0.45, r=0.65),
        lin("bmRim", [(0, "#c8963c"), (0.5, "#7a5220"), (1, "#3a240c")]),
        rad("bmGlow", [(0, "#ffd36a", 0.8), (0.5, "#ff9a2a", 0.3), (1, "#ff8000", 0)]),
        rad("bmGold", [(0, "#fffbe0"), (0.35, "#ffd648"), (0.8, "#d8900e"), (1, "#8a4e04")], fx=0.35, fy=0.3),
        lin("bmHeap", [(0, "#ffe680"), (0.6, "#e8a01c"), (1, "#a8600a")]),
        lin("bmPot", [(0, "#4a4650"), (0.35, "#7a7682"), (0.6, "#3a3640"), (1, "#1a181e")], 0, 0, 1, 0),
        lin("bmPotRim", [(0, "#8a8692"), (1, "#2a282e")]),
        lin("bmNum", [(0, "#fffbe0"), (0.6, "#ffd040"), (1, "#d08a10")]),
        lin("bmText", [(0, "#fff0b0"), (1, "#e8a020")]),
        rad("bmBonusBg", [(0, "#fffbe6"), (0.3, "#ffe070"), (0.7, "#f09a20"), (1, "#9a3a06")], cx=0.5, cy=0.5, r=0.6),
        lin("bmBonusWord", [(0, "#e8301a"), (0.5, "#b01808"), (1, "#6a0a02")]),
        lin("bmPip", [(0, "#fff2a0"), (1, "#f0a020")]),
    ])


def cell_face(k):
    return meter_cell(k, BW, BH, "#080402")


def cell_glass(k, strength=1.0):
    return meter_cell_glass(k, BW, BH, 0.06 * strength)


def pot_cell(k):
    """Cell k (1..10): a pot of gold numbered k, fuller as k falls."""
    oy = k * BH
    level = (11 - k) / 10.0
    out = cell_face(k)
    cx = BW / 2
    # warm light rising from the gold, stronger as the pot fills
    out.append(ellipse(cx, oy + 24, 34, 24, "url(#bmGlow)", f' opacity="{num(0.15 + 0.85 * level)}"'))
    # progress pips down both sides: one per point gathered
    for i in range(10):
        y = oy + 50 - i * 4.6
        on = i < (11 - k)
        for x in (8, BW - 8):
            out.append(rect(x - 2.6, y - 1.6, x + 2.6, y + 1.6, "url(#bmPip)" if on else "#2a1a0c", r=0.8,
                            extra='' if on else ' stroke="#000000" stroke-opacity="0.5" stroke-width="0.5"'))
    rim = oy + 26
    # heap of gold above the rim
    hh = 2 + 16 * level
    out.append(path(f"M{num(cx - 21)} {num(rim + 2)}Q{num(cx - 14)} {num(rim - hh * 1.1)} {num(cx)} {num(rim - hh)}"
                    f"Q{num(cx + 14)} {num(rim - hh * 1.1)} {num(cx + 21)} {num(rim + 2)}Z", "url(#bmHeap)",
                    ' stroke="#7a4204" stroke-width="0.6"'))
    nug = int(2 + 9 * level)
    for i in range(nug):
        fx = (i + 0.5) / nug
        x = cx - 17 + fx * 34
        y = rim - 1 - math.sin(fx * math.pi) * hh * 0.85
        out.append(nugget(x, y, 3.6, 2.8, k * 31 + i, "url(#bmGold)", 0.7, "#7a4204"))
    if level >= 0.55:
        # overflowing: coins tumbling over the rim and sparkles
        out.append(ellipse(cx - 22, rim + 6, 3.6, 2.2, "url(#bmGold)", ' stroke="#7a4204" stroke-width="0.5"'))
        out.append(ellipse(cx + 23, rim + 9, 3.6, 2.2, "url(#bmGold)", ' stroke="#7a4204" stroke-width="0.5"'))
        for (x, y, r) in ((cx - 14, rim - hh - 3, 3.2), (cx + 16, rim - hh + 1, 2.6), (cx + 3, rim - hh - 6, 2.4)):
            if level >= 0.75 or r < 3:
                out.append(sparkle(x, max(y, oy + 5), r, "#ffffff", 0.9))
    # the iron pot
    out.append(path(f"M{num(cx - 21)} {num(rim + 2)}C{num(cx - 27)} {num(rim + 12)} {num(cx - 24)} {num(rim + 25)} {num(cx - 12)} {num(rim + 27)}"
                    f"H{num(cx + 12)}C{num(cx + 24)} {num(rim + 25)} {num(cx + 27)} {num(rim + 12)} {num(cx + 21)} {num(rim + 2)}Z",
                    "url(#bmPot)", ' stroke="#0c0a0e" stroke-width="0.8"'))
    for sx in (-1, 1):
        out.append(ellipse(cx + sx * 24, rim + 6, 2.6, 3.6, "none", ' stroke="#3a3640" stroke-width="1.6"'))
        out.append(rect(cx + sx * 12 - 3, rim + 26, cx + sx * 12 + 3, rim + 29, "#1a181e", r=1))
    out.append(rect(cx - 23, rim - 1, cx + 23, rim + 4, "url(#bmPotRim)", r=2, extra=' stroke="#0c0a0e" stroke-width="0.6"'))
    # the number on its belly
    label = str(k)
    size = 17 if k < 10 else 16
    base = rim + 15 + cap_height("sans-bold", size) / 2
    td = text_path(label, "sans-bold", size, cx, base, spacing=0.5)
    out.append(path(td, "#000000", ' fill-opacity="0.7" stroke="#000000" stroke-opacity="0.7" stroke-width="2.4" stroke-linejoin="round"'))
    out.append(path(td, "url(#bmNum)"))
    out.append(cell_glass(k))
    return out


def bonus_svg():
    body = []
    # cell 0: the meter is full
    body.append("<!-- cell 0: BONUS -->")
    oy = 0
    c = cell_face(0)
    c.append(rect(2.5, 2.5, BW - 2.5, BH - 2.5, "url(#bmBonusBg)", r=5))
    c.append(rays(BW / 2, BH / 2 + 2, 24, 80, 2.5, 2.5, BW - 2.5, BH - 2.5, "#fff8d0", 0.45))
    for (x, y, rx, ry, s) in ((14, 50, 7, 5, 1), (26, 53, 6, 4.5, 2), (52, 53, 6, 4.5, 3), (64, 50, 7, 5, 4), (39, 54, 7, 4, 5)):
        c.append(nugget(x, y, rx, ry, 90 + s, "url(#bmGold)", 0.75, "#7a4204"))
    wd = text_path("BONUS", "sans-bold", 17, BW / 2, 36.5, spacing=0.8)
    c.append(path(wd, "#5a0a00", ' transform="translate(0.8,1.2)" stroke="#5a0a00" stroke-width="3" stroke-linejoin="round"'))
    c.append(path(wd, "none", ' stroke="#fffbe6" stroke-width="3.2" stroke-linejoin="round"'))
    c.append(path(wd, "url(#bmBonusWord)"))
    for (x, y, r) in ((10, 11, 5), (68, 10, 4.5), (70, 38, 3), (6, 46, 3), (39, 9, 3.5)):
        c.append(sparkle(x, y, r, "#ffffff", 0.95))
    c.append(cell_glass(0, 2.0))
    body += c
    for k in range(1, 11):
        body.append(f"<!-- cell {k}: pot number {k} -->")
        body += pot_cell(k)
    # cell 11: first point gathered
    body.append("<!-- cell 11: 11 To Go -->")
    k = 11
    oy = k * BH
    c = cell_face(k)
    c.append(ellipse(BW / 2, oy + 26, 30, 20, "url(#bmGlow)", ' opacity="0.25"'))
    nd = text_path("11", "sans-bold", 24, BW / 2, oy + 29, spacing=1)
    c.append(path(nd, "#000000", ' fill-opacity="0.7" transform="translate(0.8,1.2)"'))
    c.append(path(nd, "url(#bmText)"))
    td = text_path("To Go", "sans-bold", 13, BW / 2, oy + 47, spacing=0.6)
    c.append(path(td, "#000000", ' fill-opacity="0.7" transform="translate(0.6,1)"'))
    c.append(path(td, "url(#bmText)"))
    c.append(cell_glass(k))
    body += c
    body.append("<!-- cell 12: empty meter -->")
    body += cell_face(12)
    body.append(cell_glass(12))
    return svg_doc(BW, BH * CELLS, "Bonus meter cells 0 (BONUS) to 12 (empty)", bonus_defs(), "\n".join(body))
