#!/usr/bin/env python3
"""Writes the Pawlane desktop icon (256x256): the wild paw badge, the sheet's best
symbol, on a cream tile in a red enamel and chrome rim. One big shape, to read at 48 pixels."""
import os

from animals import *  # noqa: F401,F403

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "desktop", "icon.svg")


def icon_svg():
    defs = "\n".join([
        animal_defs(),
        lin("icRim", [(0, "#ffffff"), (0.4, "#c8ced8"), (1, "#4a505c")]),
        lin("icRed", [(0, "#ff5a3a"), (0.5, "#d81e10"), (1, "#8a0604")]),
        rad("icCream", [(0, "#ffffff"), (0.6, "#fff8e0"), (1, "#f0dca8")], cx=0.5, cy=0.42, r=0.6),
        rad("icGlow", [(0, "#fff27a", 0.9), (0.6, "#ffd21a", 0.35), (1, "#ffb000", 0)]),
    ])
    body = [rect(8, 12, 252, 254, "#000000", r=44, extra=' fill-opacity="0.3"'),
            rect(4, 4, 252, 250, "url(#icRim)", r=44),
            rect(12, 12, 244, 242, "url(#icRed)", r=38),
            rect(26, 26, 230, 228, "url(#icCream)", r=28),
            circle(128, 124, 104, "url(#icGlow)"),
            f'<g transform="translate(14,10) scale(3)">{ANIMALS["wild"]()}</g>',
            path("M30 40Q128 10 226 40V70Q128 44 30 70Z", "#ffffff", ' fill-opacity="0.18"')]
    return svg_doc(256, 256, "Pawlane Slots", defs, "\n".join(body))


if __name__ == "__main__":
    with open(OUT, "w") as f:
        f.write(icon_svg())
