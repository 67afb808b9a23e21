#!/usr/bin/env python3
"""Writes the four chip pictures of the loan window (chip-1000.svg, chip-100.svg,
chip-10.svg, chip-1.svg): a casino chip seen at a slight angle, with the classic
edge inserts on its face and side, a cream centre inlay carrying the value and a
glossy highlight.

The pictures are rendered on black and the window turns pure black transparent,
so nothing in the drawing may be pure black: the darkest colour is the outline.
The value is turned into outlines from the DejaVu fonts (python3-fonttools), so
the build needs no fonts."""
import math
import os

from fontTools.pens.svgPathPen import SVGPathPen
from fontTools.pens.transformPen import TransformPen
from fontTools.ttLib import TTFont

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "engine", "display", "art")
FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf"

# Drawn at twice the size the build renders (72 x 50).
W, H = 144, 100
CX, CY = 72.0, 41.0   # centre of the top face
R = 68.0              # radius of the top face across
TILT = 0.56           # the face's height over its width: how far the chip leans back
THICK = 13.0          # the side's height
INSERTS = 8           # edge inserts around the rim
INSERT_HALF = math.radians(11.5)
OUTLINE = "#141418"

# name: (value text, body, body dark, body light, insert colour, inlay ring)
CHIPS = {
    "1000": ("$1,000", "#1c4fc9", "#0d2a78", "#5d8cf0", "#f6f3ea", "#c9a43a"),
    "100": ("$100", "#c81e28", "#6e0c12", "#f0585e", "#f6f3ea", "#c81e28"),
    "10": ("$10", "#18924a", "#0a4f25", "#4fd183", "#f6f3ea", "#18924a"),
    "1": ("$1", "#2a2a30", "#16161a", "#6a6a76", "#f6f3ea", "#b8962e"),
}


def num(v):
    s = f"{v:.2f}".rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


def face_point(angle, frac, dy=0.0):
    """A point of the top face (dy > 0: of a layer below it), at `frac` of the radius."""
    return CX + frac * R * math.cos(angle), CY + dy + frac * R * TILT * math.sin(angle)


def arc_points(a0, a1, frac, dy=0.0, steps=12):
    return [face_point(a0 + (a1 - a0) * i / steps, frac, dy) for i in range(steps + 1)]


def polygon(points, fill, extra=""):
    pts = " ".join(f"{num(x)},{num(y)}" for x, y in points)
    return f'<polygon points="{pts}" fill="{fill}"{extra}/>'


def ellipse(frac, fill, extra="", dy=0.0):
    return (f'<ellipse cx="{num(CX)}" cy="{num(CY + dy)}" rx="{num(frac * R)}" ry="{num(frac * R * TILT)}" '
            f'fill="{fill}"{extra}/>')


_font = TTFont(FONT)


def text_outline(text, size, cx, baseline, squash):
    """The text's outline path, centred on cx, its height scaled by `squash`
    (lettering on a tilted face is foreshortened too), its width and cap height."""
    font = _font
    cmap = font.getBestCmap()
    glyphs = font.getGlyphSet()
    scale = size / font["head"].unitsPerEm
    width = sum(font["hmtx"][cmap[ord(c)]][0] for c in text) * scale
    x = cx - width / 2
    pen = SVGPathPen(glyphs, ntos=num)
    for c in text:
        name = cmap[ord(c)]
        glyphs[name].draw(TransformPen(pen, (scale, 0, 0, -scale * squash, x, baseline)))
        x += font["hmtx"][name][0] * scale
    cap = font["glyf"]["one"].yMax * scale * squash
    return pen.getCommands(), width, cap


def value_size(text, max_width, max_cap, squash):
    _, width, cap = text_outline(text, 10.0, 0, 0, squash)
    return 10.0 * min(max_width / width, max_cap / cap)


def chip(key):
    label, body, dark, light, insert, ring = CHIPS[key]
    out = [f'<!-- the {label} chip -->', "<defs>"]
    # The side: dark at both ends, lit a little left of the middle, as a cylinder is.
    out.append(f'<linearGradient id="side" x1="{num(CX - R)}" y1="0" x2="{num(CX + R)}" y2="0" '
               f'gradientUnits="userSpaceOnUse"><stop offset="0" stop-color="{dark}"/>'
               f'<stop offset="0.38" stop-color="{body}"/><stop offset="1" stop-color="{dark}"/></linearGradient>')
    out.append(f'<linearGradient id="sideShade" x1="{num(CX - R)}" y1="0" x2="{num(CX + R)}" y2="0" '
               f'gradientUnits="userSpaceOnUse"><stop offset="0" stop-color="#101014" stop-opacity="0.55"/>'
               f'<stop offset="0.38" stop-color="#101014" stop-opacity="0"/>'
               f'<stop offset="1" stop-color="#101014" stop-opacity="0.6"/></linearGradient>')
    # The face: lit from the upper left.
    out.append(f'<radialGradient id="face" cx="{num(CX - 0.3 * R)}" cy="{num(CY - 0.45 * R)}" '
               f'r="{num(1.25 * R)}" gradientUnits="userSpaceOnUse" '
               f'gradientTransform="translate(0,{num(CY * (1 - TILT))}) scale(1,{num(TILT)})">'
               f'<stop offset="0" stop-color="{light}"/><stop offset="0.45" stop-color="{body}"/>'
               f'<stop offset="1" stop-color="{dark}"/></radialGradient>')
    out.append(f'<linearGradient id="inlay" x1="0" y1="{num(CY - 0.7 * R * TILT)}" x2="0" '
               f'y2="{num(CY + 0.7 * R * TILT)}" gradientUnits="userSpaceOnUse">'
               f'<stop offset="0" stop-color="#fffdf6"/><stop offset="1" stop-color="#ddd3bb"/></linearGradient>')
    out.append(f'<radialGradient id="gloss" cx="0.5" cy="0.5" r="0.5">'
               f'<stop offset="0" stop-color="#ffffff" stop-opacity="0.55"/>'
               f'<stop offset="1" stop-color="#ffffff" stop-opacity="0"/></radialGradient>')
    out.append("</defs>")

    # Side band: the lower half of the face's rim, and the same rim THICK lower.
    side = arc_points(0, math.pi, 1.0, 0, 40) + arc_points(math.pi, 0, 1.0, THICK, 40)
    out.append(polygon(side, "url(#side)", f' stroke="{OUTLINE}" stroke-width="1.6" stroke-linejoin="round"'))
    # The inserts run over the edge: on the side wherever they face the viewer.
    for k in range(INSERTS):
        a = (k + 0.5) * 2 * math.pi / INSERTS
        a0, a1 = max(a - INSERT_HALF, 0.0), min(a + INSERT_HALF, math.pi)
        if a0 < a1:
            quad = arc_points(a0, a1, 1.0, 0, 6) + arc_points(a1, a0, 1.0, THICK, 6)
            out.append(polygon(quad, insert))
    out.append(polygon(side, "url(#sideShade)"))
    # A groove halfway down the side, where the two halves of a moulded chip meet.
    groove = " ".join(f"{num(x)},{num(y)}" for x, y in arc_points(0.02, math.pi - 0.02, 1.0, THICK / 2, 40))
    out.append(f'<polyline points="{groove}" fill="none" stroke="{OUTLINE}" stroke-opacity="0.35" stroke-width="1"/>')

    # The face with its inserts and a thin dark rim.
    out.append(ellipse(1.0, "url(#face)", f' stroke="{OUTLINE}" stroke-width="1.6"'))
    for k in range(INSERTS):
        a = (k + 0.5) * 2 * math.pi / INSERTS
        sector = arc_points(a - INSERT_HALF, a + INSERT_HALF, 0.97, 0, 6) + \
            arc_points(a + INSERT_HALF, a - INSERT_HALF, 0.78, 0, 6)
        out.append(polygon(sector, insert, f' stroke="{dark}" stroke-opacity="0.5" stroke-width="0.6"'))
    # A dashed ring of the body colour's light tone around the inlay.
    out.append(ellipse(0.745, "none", f' stroke="{light}" stroke-width="1.4" stroke-dasharray="3.2,2.4" '
                       f'stroke-opacity="0.9"'))

    # The inlay with the value.
    out.append(ellipse(0.70, "url(#inlay)", f' stroke="{dark}" stroke-width="1.6"'))
    out.append(ellipse(0.635, "none", f' stroke="{ring}" stroke-width="1.1"'))
    squash = 0.8  # lettering foreshortened less than the face, so that it reads at 72 x 50
    size = value_size(label, 2 * 0.57 * R, 0.58 * R * TILT, squash)
    _, _, cap = text_outline(label, size, CX, 0, squash)
    d, _, _ = text_outline(label, size, CX, CY + cap / 2, squash)
    out.append(f'<path d="{d}" fill="{dark}"/>')

    # Gloss: a soft sheen on the upper left of the face and a bright line along the rim.
    out.append(f'<ellipse cx="{num(CX - 0.32 * R)}" cy="{num(CY - 0.36 * R * TILT)}" rx="{num(0.5 * R)}" '
               f'ry="{num(0.42 * R * TILT)}" fill="url(#gloss)"/>')
    rim = arc_points(math.radians(192), math.radians(300), 0.985, 0, 24) + \
        arc_points(math.radians(300), math.radians(192), 0.93, 0, 24)
    out.append(polygon(rim, "#ffffff", ' fill-opacity="0.35"'))

    body_text = "\n  ".join(out)
    return f"""<?xml version="1.0" encoding="UTF-8"?>
<!-- Casino chip worth {label}, for a 72 x 50 button picture. Rendered on black;
     black itself stays transparent in the window, so the drawing never uses it.
     Written by tools/artwork/shared/write_chips.py. -->
<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny"
     width="{W}" height="{H}" viewBox="0 0 {W} {H}">
  {body_text}
</svg>
"""


for key in CHIPS:
    path = os.path.join(OUT, f"chip-{key}.svg")
    with open(path, "w") as f:
        f.write(chip(key))
    print("wrote", os.path.normpath(path))
