#!/usr/bin/env python3
"""Writes the Pawlane symbol sheet (304x304, sixteen cells of 76x76): the eight
symbols, then the same eight at a marked stop, ringed and badged."""
import os

from animals import *  # noqa: F401,F403

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "art", "symbols.svg")

# Symbol 0 is wild; 1 to 7 pay 50, 20, 18, 14, 12, 10 and 5: the big horse down to the little fish.
SYMBOLS = ("wild", "horse", "dog", "pig", "cat", "rabbit", "rooster", "fish")


def sheet_defs():
    return "\n".join([
        farm_defs(),
        animal_defs(),
        # the reel paper: white, shaded across like the curve of a drum, never down,
        # so that stacked cells join without a seam
        lin("paper", [(0, "#e8e4da"), (0.16, "#f8f6f0"), (0.5, "#ffffff"), (0.84, "#f8f6f0"), (1, "#e8e4da")],
            0, 0, 1, 0),
        rad("markGlow", [(0, "#fff27a", 0.95), (0.55, "#ffd21a", 0.55), (0.8, "#ffb000", 0.25), (1, "#ff9000", 0)]),
        lin("markRing", [(0, "#fff6b0"), (0.5, "#ffb800"), (1, "#c86a00")]),
        lin("markBadge", [(0, "#ff6a4a"), (1, "#b00e04")]),
    ])


def marked(body):
    """The symbol a size smaller inside a glowing gold ring, a red star badge at its shoulder."""
    star = []
    for i in range(10):
        a = math.pi * i / 5 - math.pi / 2
        r = 5 if i % 2 == 0 else 2.2
        star.append((64 + r * math.cos(a), 12.5 + r * math.sin(a)))
    return "\n".join([
        circle(38, 38, 37, "url(#markGlow)"),
        circle(38, 38, 33.5, "none", ' stroke="url(#markRing)" stroke-width="3.4"'),
        circle(38, 38, 35.6, "none", ' stroke="#a85a00" stroke-width="0.8"'),
        f'<g transform="translate(7.6,7.6) scale(0.8)">{body}</g>',
        circle(64.6, 13.4, 9.4, "#000000", ' fill-opacity="0.3"'),
        circle(64, 12.5, 9, "url(#markBadge)", ' stroke="#ffffff" stroke-width="1.6"'),
        poly(star, "#ffffff"),
    ])


def sheet_svg():
    cells = []
    for n in range(16):
        name = SYMBOLS[n % 8]
        body = ANIMALS[name]()
        if n >= 8:
            body = marked(body)
        x, y = (n % 4) * 76, (n // 4) * 76
        cells.append(f'<!-- {n}: {name}{", marked" if n >= 8 else ""} -->\n'
                     f'<g transform="translate({x},{y})">\n{rect(0, 0, 76, 76, "url(#paper)")}\n{body}\n</g>')
    return svg_doc(304, 304, "Pawlane symbol sheet: the eight symbols, then the same at a marked stop",
                   sheet_defs(), "\n".join(cells))


if __name__ == "__main__":
    with open(OUT, "w") as f:
        f.write(sheet_svg())
