#!/usr/bin/env python3
"""Writes the two seven-segment digit strips (376x42, digit d in the 32-wide cell at 32*d)."""
import os

# Glyph box inside each 32x42 cell.
LEFT, RIGHT = 6.5, 25.5      # centre lines of the vertical segments
TOP, MID, BOT = 5.5, 21.0, 36.5  # centre lines of the horizontal segments
T = 5.0                      # segment thickness
GAP = 1.1                    # clearance between segment tips

SEGMENTS = "abcdefg"
LIT = {
    0: "abcdef", 1: "bc", 2: "abdeg", 3: "abcdg", 4: "bcfg",
    5: "acdfg", 6: "acdefg", 7: "abc", 8: "abcdefg", 9: "abcdfg",
}


def hseg(x0, x1, y):
    h = T / 2
    x0 += GAP
    x1 -= GAP
    return [(x0, y), (x0 + h, y - h), (x1 - h, y - h), (x1, y), (x1 - h, y + h), (x0 + h, y + h)]


def vseg(x, y0, y1):
    h = T / 2
    y0 += GAP
    y1 -= GAP
    return [(x, y0), (x + h, y0 + h), (x + h, y1 - h), (x, y1), (x - h, y1 - h), (x - h, y0 + h)]


SHAPES = {
    "a": hseg(LEFT, RIGHT, TOP),
    "b": vseg(RIGHT, TOP, MID),
    "c": vseg(RIGHT, MID, BOT),
    "d": hseg(LEFT, RIGHT, BOT),
    "e": vseg(LEFT, MID, BOT),
    "f": vseg(LEFT, TOP, MID),
    "g": hseg(LEFT, RIGHT, MID),
}


def pts(shape, dx):
    return " ".join(f"{x + dx:.2f},{y:.2f}" for x, y in shape)


def centre_line(seg, dx):
    """The bright filament running along a lit segment."""
    shape = SHAPES[seg]
    if seg in "adg":
        (x0, y), (x1, _) = shape[0], shape[3]
        return f'<line x1="{x0 + dx + 2.4:.2f}" y1="{y:.2f}" x2="{x1 + dx - 2.4:.2f}" y2="{y:.2f}"/>'
    (x, y0), (_, y1) = shape[0], shape[3]
    return f'<line x1="{x + dx:.2f}" y1="{y0 + 2.4:.2f}" x2="{x + dx:.2f}" y2="{y1 - 2.4:.2f}"/>'


def strip(name, colours):
    unlit, glow, lit, core = colours
    out = []
    for d in range(10):
        dx = 32 * d
        on = LIT[d]
        off = [s for s in SEGMENTS if s not in on]
        out.append(f'  <!-- {d} -->')
        out.append(f'  <g fill="{unlit}">' + "".join(f'<polygon points="{pts(SHAPES[s], dx)}"/>' for s in off) + "</g>")
        lit_polys = "".join(f'<polygon points="{pts(SHAPES[s], dx)}"/>' for s in on)
        out.append(f'  <g fill="none" stroke="{glow}" stroke-linejoin="round" stroke-opacity="0.22" stroke-width="4">{lit_polys}</g>')
        out.append(f'  <g fill="{lit}" stroke="{lit}" stroke-width="0.6" stroke-linejoin="round">{lit_polys}</g>')
        out.append(f'  <g stroke="{core}" stroke-width="1.3" stroke-linecap="round">' +
                   "".join(centre_line(s, dx) for s in on) + "</g>")
    body = "\n".join(out)
    return f"""<?xml version="1.0" encoding="UTF-8"?>
<!-- {name} meter digits: seven-segment glyphs 0 to 9, each in a 32-pixel cell
     starting at x = 32 * digit, on black glass.  Unlit segments stay just visible.
     The last 56 pixels are spare and stay black. -->
<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny"
     width="376" height="42" viewBox="0 0 376 42">
  <rect x="0" y="0" width="376" height="42" fill="#000000"/>
{body}
</svg>
"""


for fname, name, colours in (
    ("digits-red.svg", "Red", ("#180403", "#ff2a10", "#ff3218", "#ff9c84")),
    ("digits-green.svg", "Green", ("#031606", "#20ff40", "#2cf24a", "#b0ffb4")),
):
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "engine", "display", "art", fname)
    with open(path, "w") as f:
        f.write(strip(name, colours))
    print("wrote", path)
