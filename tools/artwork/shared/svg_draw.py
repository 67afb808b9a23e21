"""SVG drawing helpers for all the artwork scripts: number formatting, lettering
turned into outlines, gradients, shapes and the document around them.

Everything returns SVG fragments as strings. Only SVG Tiny 1.2 features that
Qt's renderer understands are used: paths and basic shapes, linear/radial
gradients, opacity, transforms and <use>. Lettering is converted to paths from
the DejaVu outlines so that strokes and user-space gradients work and the
pictures do not depend on the fonts installed where they are rendered. The
font library is loaded on the first lettering, so that a script that draws
none runs without it.
"""
import math
import os
import random

FONT_DIR = "/usr/share/fonts/truetype/dejavu/"
FONT_FILES = {
    "sans-bold": "DejaVuSans-Bold.ttf",
    "sans": "DejaVuSans.ttf",
    "serif-bold": "DejaVuSerif-Bold.ttf",
    "serifcond-bold": "DejaVuSerifCondensed-Bold.ttf",
    "sanscond-bold": "DejaVuSansCondensed-Bold.ttf",
}
_fonts = {}


def num(v):
    s = f"{v:.2f}".rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


def _font(name):
    if name not in _fonts:
        from fontTools.ttLib import TTFont
        _fonts[name] = TTFont(FONT_DIR + FONT_FILES[name])
    return _fonts[name]


def text_width(text, font, size, sx=1.0, spacing=0.0):
    f = _font(font)
    cmap = f.getBestCmap()
    scale = size / f["head"].unitsPerEm
    adv = sum(f["hmtx"][cmap[ord(c)]][0] for c in text) * scale * sx
    return adv + spacing * (len(text) - 1)


def text_path(text, font, size, x, y, anchor="middle", sx=1.0, spacing=0.0):
    """Path data of `text` with its baseline at y, anchored at x."""
    from fontTools.pens.svgPathPen import SVGPathPen
    from fontTools.pens.transformPen import TransformPen

    f = _font(font)
    cmap = f.getBestCmap()
    gs = f.getGlyphSet()
    scale = size / f["head"].unitsPerEm
    width = text_width(text, font, size, sx, spacing)
    cx = x - {"start": 0, "middle": width / 2, "end": width}[anchor]
    pen = SVGPathPen(gs, ntos=num)
    for c in text:
        name = cmap[ord(c)]
        gs[name].draw(TransformPen(pen, (scale * sx, 0, 0, -scale, cx, y)))
        cx += f["hmtx"][name][0] * scale * sx + spacing
    return pen.getCommands()


def cap_height(font, size):
    f = _font(font)
    g = f["glyf"]["H"]
    return g.yMax * size / f["head"].unitsPerEm


def fitted_text_path(text, font, size, x, y, max_width=None, anchor="middle", spacing=0.0):
    """Path data of `text` as text_path draws it, squeezed across to fit in
    `max_width` where it is wider."""
    sx = 1.0
    if max_width:
        sx = min(1.0, max_width / text_width(text, font, size, spacing=spacing))
    return text_path(text, font, size, x, y, anchor=anchor, sx=sx, spacing=spacing)


def extruded(d, fill, outline, outline_w, depth, extr, step, extr_w=None, halo=None):
    """Lettering `d` (path data) in `fill` inside an outline `outline_w` wide,
    over `depth` layers of a dark extrusion each `step` (dx, dy) further down
    to the right; `halo`, (colour, width), a wider stroke under the outline."""
    ew = outline_w if extr_w is None else extr_w
    out = [path(d, extr, f' transform="translate({num(i * step[0])},{num(i * step[1])})"'
                         f' stroke="{extr}" stroke-width="{num(ew)}" stroke-linejoin="round"') for i in range(depth, 0, -1)]
    if halo:
        out.append(path(d, "none", f' stroke="{halo[0]}" stroke-width="{num(halo[1])}" stroke-linejoin="round"'))
    out.append(path(d, "none", f' stroke="{outline}" stroke-width="{num(outline_w)}" stroke-linejoin="round"'))
    out.append(path(d, fill))
    return "\n".join(out)


# ---------------------------------------------------------------- gradients

def lin(gid, stops, x1=0, y1=0, x2=0, y2=1, user=False, spread=None):
    units = ' gradientUnits="userSpaceOnUse"' if user else ""
    sp = f' spreadMethod="{spread}"' if spread else ""
    s = f'<linearGradient id="{gid}" x1="{num(x1)}" y1="{num(y1)}" x2="{num(x2)}" y2="{num(y2)}"{units}{sp}>'
    return s + _stops(stops) + "</linearGradient>"


def rad(gid, stops, cx=0.5, cy=0.5, r=0.5, fx=None, fy=None, user=False, transform=None):
    units = ' gradientUnits="userSpaceOnUse"' if user else ""
    f = ""
    if fx is not None:
        f = f' fx="{num(fx)}" fy="{num(fy)}"'
    t = f' gradientTransform="{transform}"' if transform else ""
    s = f'<radialGradient id="{gid}" cx="{num(cx)}" cy="{num(cy)}" r="{num(r)}"{f}{units}{t}>'
    return s + _stops(stops) + "</radialGradient>"


def _stops(stops):
    out = []
    for st in stops:
        off, col = st[0], st[1]
        op = f' stop-opacity="{num(st[2])}"' if len(st) > 2 else ""
        out.append(f'<stop offset="{num(off)}" stop-color="{col}"{op}/>')
    return "".join(out)


# ---------------------------------------------------------------- shapes

def rect(x0, y0, x1, y1, fill, r=0, extra=""):
    rr = f' rx="{num(r)}" ry="{num(r)}"' if r else ""
    return (f'<rect x="{num(x0)}" y="{num(y0)}" width="{num(x1 - x0)}" height="{num(y1 - y0)}"'
            f'{rr} fill="{fill}"{extra}/>')


def circle(cx, cy, r, fill, extra=""):
    return f'<circle cx="{num(cx)}" cy="{num(cy)}" r="{num(r)}" fill="{fill}"{extra}/>'


def ellipse(cx, cy, rx, ry, fill, extra=""):
    return f'<ellipse cx="{num(cx)}" cy="{num(cy)}" rx="{num(rx)}" ry="{num(ry)}" fill="{fill}"{extra}/>'


def path(d, fill, extra=""):
    return f'<path d="{d}" fill="{fill}"{extra}/>'


def star_points(cx, cy, r_out, r_in, n=5, rot=-90.0):
    """The points attribute of a star of n points about (cx, cy), the first at angle rot."""
    pts = []
    for i in range(2 * n):
        r = r_out if i % 2 == 0 else r_in
        a = math.radians(rot + i * 180.0 / n)
        pts.append(f"{cx + r * math.cos(a):.2f},{cy + r * math.sin(a):.2f}")
    return " ".join(pts)


def poly(points, fill, extra=""):
    pts = " ".join(f"{num(x)},{num(y)}" for x, y in points)
    return f'<polygon points="{pts}" fill="{fill}"{extra}/>'


def frame_path(x0, y0, x1, y1, ix0, iy0, ix1, iy1, r=0, ir=0):
    """A ring: outer rounded rect minus inner rounded rect (even-odd)."""
    return rrect_d(x0, y0, x1, y1, r) + " " + rrect_d(ix0, iy0, ix1, iy1, ir)


def rrect_d(x0, y0, x1, y1, r=0):
    if r <= 0:
        return f"M{num(x0)} {num(y0)}H{num(x1)}V{num(y1)}H{num(x0)}Z"
    return (f"M{num(x0 + r)} {num(y0)}H{num(x1 - r)}Q{num(x1)} {num(y0)} {num(x1)} {num(y0 + r)}"
            f"V{num(y1 - r)}Q{num(x1)} {num(y1)} {num(x1 - r)} {num(y1)}H{num(x0 + r)}"
            f"Q{num(x0)} {num(y1)} {num(x0)} {num(y1 - r)}V{num(y0 + r)}Q{num(x0)} {num(y0)} {num(x0 + r)} {num(y0)}Z")


def blob_d(cx, cy, rx, ry, seed, n=9, jitter=0.22):
    """A smooth irregular lump (a nugget) as closed quadratic path data."""
    rnd = random.Random(seed)
    pts = []
    for i in range(n):
        a = 2 * math.pi * i / n + rnd.uniform(-0.2, 0.2)
        k = 1 + rnd.uniform(-jitter, jitter)
        pts.append((cx + rx * k * math.cos(a), cy + ry * k * math.sin(a)))
    mids = [((pts[i][0] + pts[(i + 1) % n][0]) / 2, (pts[i][1] + pts[(i + 1) % n][1]) / 2) for i in range(n)]
    d = f"M{num(mids[-1][0])} {num(mids[-1][1])}"
    for i in range(n):
        d += f"Q{num(pts[i][0])} {num(pts[i][1])} {num(mids[i][0])} {num(mids[i][1])}"
    return d + "Z"


def clip_polygon(points, x0, y0, x1, y1):
    """Sutherland-Hodgman clip of a polygon to an axis-aligned rectangle."""
    def clip(pts, inside, inter):
        out = []
        for i in range(len(pts)):
            cur, prev = pts[i], pts[i - 1]
            if inside(cur):
                if not inside(prev):
                    out.append(inter(prev, cur))
                out.append(cur)
            elif inside(prev):
                out.append(inter(prev, cur))
        return out

    def ix(xc):
        return lambda p, q: (xc, p[1] + (q[1] - p[1]) * (xc - p[0]) / (q[0] - p[0]))

    def iy(yc):
        return lambda p, q: (p[0] + (q[0] - p[0]) * (yc - p[1]) / (q[1] - p[1]), yc)

    pts = points
    for inside, inter in ((lambda p: p[0] >= x0, ix(x0)), (lambda p: p[0] <= x1, ix(x1)),
                          (lambda p: p[1] >= y0, iy(y0)), (lambda p: p[1] <= y1, iy(y1))):
        if not pts:
            break
        pts = clip(pts, inside, inter)
    return pts


def rays(cx, cy, count, length, x0, y0, x1, y1, fill, opacity, phase=0.0, width=0.5):
    """Alternating sun-ray wedges from (cx, cy), clipped to a rectangle."""
    out = []
    for i in range(count):
        a0 = phase + 2 * math.pi * i / count
        a1 = a0 + 2 * math.pi / count * width
        tri = [(cx, cy), (cx + length * math.cos(a0), cy + length * math.sin(a0)),
               (cx + length * math.cos(a1), cy + length * math.sin(a1))]
        c = clip_polygon(tri, x0, y0, x1, y1)
        if len(c) >= 3:
            out.append(poly(c, fill, f' fill-opacity="{num(opacity)}"'))
    return "".join(out)


def write_pictures(folder, pictures):
    """Writes each (file name, SVG text) of `pictures` into `folder`, a path
    from the top of the project's sources such as games/orevein/art."""
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", folder)
    os.makedirs(out, exist_ok=True)
    for name, text in pictures:
        with open(os.path.join(out, name), "w") as f:
            f.write(text)


def picture_language(languages):
    """The language a script's pictures are lettered in: its one argument, one of
    `languages` ("de", "es"), or "en" without one; stops at any other."""
    import sys
    language = sys.argv[1] if len(sys.argv) > 1 else "en"
    if language != "en" and language not in languages:
        sys.exit(f"no words in the language '{language}': en, {', '.join(languages)}")
    return language


def in_language(name, language):
    """The file name of picture `name` lettered in `language`: "bonus-board.svg"
    itself in English, "bonus-board.de.svg" in German."""
    stem, ext = os.path.splitext(name)
    return name if language == "en" else f"{stem}.{language}{ext}"


def svg_doc(w, h, title, defs, body):
    return (f'<?xml version="1.0" encoding="UTF-8"?>\n'
            f'<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink"'
            f' version="1.2" baseProfile="tiny" width="{w}" height="{h}" viewBox="0 0 {w} {h}">\n'
            f'<title>{title}</title>\n<defs>\n{defs}\n</defs>\n{body}\n</svg>\n')


def unlit_lamp_svg(what, place, lamp, extra_defs=""):
    """The picture of a lamp unlit, the size of its `place` in machine.svg;
    lamp(lit) gives the lamp's defs and body."""
    x0, y0, x1, y1 = place
    d, b = lamp(False)
    return svg_doc(x1 - x0, y1 - y0, f"{what}, unlit (machine.svg {x0},{y0} to {x1},{y1})", extra_defs + d, b)


def machine_pictures(machine, title_glass, title_strip, coin_sign, button_svg, glass_defs=""):
    """The pictures every cabinet writes: machine.svg, its three lamps unlit and
    its three buttons. Each lamp is (its place, lamp(lit)); glass_defs are drawn
    with by the title glass and the title strip besides their own."""
    return [("machine.svg", machine),
            ("title-glass-unlit.svg", unlit_lamp_svg("Title glass", *title_glass, glass_defs)),
            ("title-strip-unlit.svg", unlit_lamp_svg("Title strip", *title_strip, glass_defs)),
            ("coin-sign-unlit.svg", unlit_lamp_svg("Coin sign", *coin_sign)),
            *[(f"button-{name}.svg", button_svg(name)) for name in ("spin", "bet1", "bet5")]]


# ---------------------------------------------------------------- cabinet parts
#
# The three cabinets share their build: moulded window frames, collared button
# wells, a deck rail, a meter window. A game passes its finish, a dict of
#   up, down     the gradient ids of its metal lit from above and sloping away
#   bar          the gradient id of its rails
#   rail_shadow  the opacity of the shadow under the crown and the header rail
#   band_shadow  the opacity of the shadow under the band level with the pillar capitals
#   shadow       the opacities of the soft shadow under a frame, outermost first
#   drop         how far that shadow reaches below the frame
#   edge         (colour, opacity) of the highlight round a frame's outer edge
#   lip          the opacity of the dark lip inside a frame
#   fastener     fastener(x, y): the small rivet or bolt along rails and windows

def ring(x0, y0, x1, y1, ix0, iy0, ix1, iy1, fill, r=0, ir=0, extra=""):
    return path(frame_path(x0, y0, x1, y1, ix0, iy0, ix1, iy1, r, ir), fill, ' fill-rule="evenodd"' + extra)


def rivet(x, y, r=2.4, grad="rivet", shadow=0.5):
    return (circle(x + 0.6, y + 0.8, r + 0.3, "#000000", f' fill-opacity="{num(shadow)}"') +
            circle(x, y, r, f"url(#{grad})"))


def bezel(opening, finish, w_out=4, w_in=3, r=5, bottom=None):
    """A moulded window frame around `opening`: a raised outer half lit from
    above, an inner half sloping down into the window, and a dark lip;
    `bottom` narrows its lower side."""
    x0, y0, x1, y1 = opening
    t = w_out + w_in
    tb = t if bottom is None else bottom
    wi_b = min(w_in, tb)
    out = []
    for i, op in enumerate(finish["shadow"]):
        out.append(rect(x0 - t - 1 + i * 0.5, y0 - t + 1 + i, x1 + t + 1 + i, y1 + tb + finish["drop"] + i, "#000000",
                        r=r + 1, extra=f' fill-opacity="{num(op)}"'))
    out.append(ring(x0 - t, y0 - t, x1 + t, y1 + tb, x0 - w_in, y0 - w_in, x1 + w_in, y1 + wi_b,
                    f"url(#{finish['up']})", r, 2))
    out.append(ring(x0 - w_in, y0 - w_in, x1 + w_in, y1 + wi_b, x0, y0, x1, y1, f"url(#{finish['down']})", 2, 0))
    edge, edge_op = finish["edge"]
    out.append(rect(x0 - t + 0.5, y0 - t + 0.5, x1 + t - 0.5, y1 + tb - 0.5, "none", r=r,
                    extra=f' stroke="{edge}" stroke-opacity="{num(edge_op)}" stroke-width="0.8"'))
    out.append(rect(x0 - 0.5, y0 - 0.5, x1 + 0.5, y1 + 0.5, "none",
                    extra=f' stroke="#000000" stroke-opacity="{num(finish["lip"])}" stroke-width="1"'))
    return "\n".join(out)


def lamp_glass(opening, body, note, finish, bottom=None):
    """A lamp picture drawn lit into its place, under a frame: a narrower inner
    half on a small window."""
    x0, y0, x1, y1 = opening
    return (f"<!-- {note} -->\n" + bezel(opening, finish, w_out=4, w_in=3 if x1 - x0 > 100 else 2, r=6, bottom=bottom) +
            f'\n<g transform="translate({x0},{y0})">\n{body}\n</g>')


def meter_panel(black, finish):
    """The meter window: dark glass, `black` the part the program writes its
    captions and digits into."""
    x0, y0, x1, y1 = 233, 17, 637, 83
    out = ["<!-- meter panel: dark glass, the program writes captions and digits here -->",
           bezel((x0, y0, x1, y1), finish, w_out=4, w_in=3, r=6),
           rect(x0, y0, x1, y1, "url(#meterGlass)"),
           rect(*black, "#000000"),
           # a faint reflection along the very top of the glass, clear of the captions
           rect(x0 + 2, y0 + 1, x1 - 2, y0 + 4, "#ffffff", extra=' fill-opacity="0.06"')]
    for (x, y) in ((228.5, 13), (641.5, 13), (228.5, 87), (641.5, 87)):
        out.append(finish["fastener"](x, y))
    return "\n".join(out)


def plaque(box, line, label, size, ink, spacing, max_width=None):
    """A name plate over the controls: its shadow, the plate in the gradient
    plaque edged in `line`, and `label` across it, squeezed into max_width."""
    x0, y0, x1, y1 = box
    return "\n".join([
        rect(x0 + 1, y0 + 1.5, x1 + 1, y1 + 1.5, "#000000", r=3, extra=' fill-opacity="0.5"'),
        rect(x0, y0, x1, y1, "url(#plaque)", r=3, extra=f' stroke="{line}" stroke-width="0.8"'),
        path(fitted_text_path(label, "sans-bold", size, (x0 + x1) / 2, y1 - 5, max_width, spacing=spacing), ink)])


def button_wells(buttons, finish, button_half):
    """One recessed strip holding the buttons, each in a two-step collar and
    drawn dimmed, button_half(name, lit, oy, prefix) being the game's button."""
    out = [rect(569, 286, 664, 498, "#000000", r=6, extra=' fill-opacity="0.5"'),
           rect(570, 286, 663, 497, "url(#recess)", r=6)]
    for name, (x0, y0, x1, y1) in buttons.items():
        out.append(ring(x0 - 6, y0 - 5, x1 + 6, y1 + 5, x0 - 2, y0 - 2, x1 + 2, y1 + 2, f"url(#{finish['up']})", 6, 4))
        out.append(ring(x0 - 2, y0 - 2, x1 + 2, y1 + 2, x0, y0, x1, y1, f"url(#{finish['down']})", 4, 0))
        out.append(f'<g transform="translate({x0},{y0})">{button_half(name, False, 0, prefix=name)[1]}</g>')
    return "\n".join(out)


def title_strip_section(strip, body, finish):
    """The deck rail across the cabinet and, under it, the title strip lit in its frame."""
    x0, y0, x1, y1 = strip
    out = ["<!-- deck rail and the lit title strip -->",
           rect(54, 518, 746, 531, f"url(#{finish['bar']})"),
           rect(54, 531, 746, 534, "#000000", extra=' fill-opacity="0.5"')]
    for x in range(66, 740, 40):
        out.append(finish["fastener"](x, 524.5))
    out.append(bezel(strip, finish, w_out=3, w_in=3, r=4))
    out.append(f'<g transform="translate({x0},{y0})">\n{body}\n</g>')
    return "\n".join(out)


def arch_d(x0, top, x1, bottom, spring):
    """Path data of a window with straight sides up to `spring` and an arched top."""
    mid = (x0 + x1) / 2
    return (f"M{num(x0)} {num(bottom)}V{num(spring)}Q{num(x0)} {num(top)} {num(mid)} {num(top)}"
            f"Q{num(x1)} {num(top)} {num(x1)} {num(spring)}V{num(bottom)}Z")


def shaped_frame(outer, mid, inner, finish, shadow=0.4):
    """A frame of any outline round a glass, its raised half between the closed
    paths `outer` and `mid`, its sloping half between `mid` and `inner`."""
    return "\n".join([path(outer, "#000000", f' fill-opacity="{num(shadow)}" transform="translate(1.5,2.5)"'),
                      path(outer + " " + mid, f"url(#{finish['up']})", ' fill-rule="evenodd"'),
                      path(mid + " " + inner, f"url(#{finish['down']})", ' fill-rule="evenodd"'),
                      path(inner, "none", ' stroke="#000000" stroke-opacity="0.6"')])


def arched_frame(gx0, gy0, gx1, gy1, spring, finish):
    """The frame with an arched top round the left wing's glass, the sheen on
    the glass and the fasteners at the frame's corners and shoulders."""
    fx0, fy0, fx1, fy1 = gx0 - 8, gy0 - 8, gx1 + 8, gy1 + 8
    out = [shaped_frame(arch_d(fx0, fy0, fx1, fy1, spring), arch_d(gx0 - 3, gy0 - 3, gx1 + 3, gy1 + 3, spring),
                        arch_d(gx0, gy0, gx1, gy1, spring), finish),
           poly([(gx0, gy0 + 44), (gx0 + 14, gy0 + 16), (gx0 + 34, gy0 + 5), (gx0 + 52, gy0 + 2), (gx0, gy0 + 120)],
                "url(#sheen)")]
    for (x, y) in ((fx0 + 4, fy1 - 4), (fx1 - 4, fy1 - 4), (fx0 + 4, spring + 6), (fx1 - 4, spring + 6)):
        out.append(finish["fastener"](x, y))
    return "\n".join(out)


def coin_tray(finish, coin, lip, r=8, tray_r=5):
    """The coin tray under the left wing; coin(x, y) draws each coin lying in
    it, lip(x0, y0, x1, y1) its front lip."""
    x0, y0, x1, y1 = 64, 538, 212, 594
    out = ["<!-- coin tray -->",
           rect(x0 - 2, y0 - 2, x1 + 2, y1 + 1, "#000000", r=r, extra=' fill-opacity="0.5"'),
           rect(x0, y0, x1, y1, f"url(#{finish['up']})", r=r),
           rect(x0 + 5, y0 + 5, x1 - 5, y1 - 14, "url(#tray)", r=tray_r)]
    rnd = random.Random(9)
    for _ in range(13):
        x = rnd.uniform(x0 + 16, x1 - 16)
        y = rnd.uniform(y0 + 20, y1 - 20)
        out.append(coin(x, y))
    out.append(lip(x0, y0, x1, y1))
    return "\n".join(out)


def rounded_lip(x0, y0, x1, y1, fill, shine, shine_op):
    """A coin tray's front lip, bowed up in the middle, with a shine along its top."""
    return "\n".join([
        path(f"M{x0} {y1 - 16}Q{(x0 + x1) / 2} {y1 - 10} {x1} {y1 - 16}V{y1 - 6}Q{x1} {y1} {x1 - 6} {y1}"
             f"H{x0 + 6}Q{x0} {y1} {x0} {y1 - 6}Z", fill),
        path(f"M{x0 + 4} {y1 - 14.5}Q{(x0 + x1) / 2} {y1 - 8.5} {x1 - 4} {y1 - 14.5}", "none",
             f' stroke="{shine}" stroke-opacity="{num(shine_op)}" stroke-width="1"')])


def coin_entry(finish, face, ink, arrow, arrow_line, fastener, r=7, slot_glow=None):
    """The coin entry plate on the right wing: COIN over the slot and a lit
    arrow pointing down at it; fastener(x, y) at its four corners."""
    x0, y0, x1, y1 = 676, 214, 738, 322
    out = [rect(x0 + 1, y0 + 2, x1 + 1, y1 + 2, "#000000", r=r, extra=' fill-opacity="0.5"'),
           rect(x0, y0, x1, y1, f"url(#{finish['up']})", r=r),
           rect(x0 + 3, y0 + 3, x1 - 3, y1 - 3, f"url(#{finish['down']})", r=r - 2),
           rect(x0 + 5, y0 + 5, x1 - 5, y1 - 5, face, r=r - 3),
           path(text_path("COIN", "sans-bold", 10, 707, y0 + 18, spacing=1), ink),
           rect(701, y0 + 26, 713, y0 + 76, f"url(#{finish['down']})", r=4),
           rect(704, y0 + 29, 710, y0 + 73, "#000000", r=2)]
    if slot_glow:
        out.append(rect(705, y0 + 31, 709, y0 + 71, slot_glow, r=1.5, extra=' fill-opacity="0.35"'))
    out.append(poly([(700, y0 + 84), (714, y0 + 84), (707, y0 + 96)], arrow,
                    f' stroke="{arrow_line}" stroke-width="0.8"'))
    for (x, y) in ((x0 + 8, y0 + 8), (x1 - 8, y0 + 8), (x0 + 8, y1 - 8), (x1 - 8, y1 - 8)):
        out.append(fastener(x, y))
    return "\n".join(out)


def speaker(finish, holes, r=7):
    """The speaker grille on the right wing; holes(x0, y0, x1, y1) cuts its openings."""
    x0, y0, x1, y1 = 676, 340, 738, 500
    return "\n".join([rect(x0 + 1, y0 + 2, x1 + 1, y1 + 2, "#000000", r=r, extra=' fill-opacity="0.5"'),
                      rect(x0, y0, x1, y1, f"url(#{finish['up']})", r=r),
                      rect(x0 + 4, y0 + 4, x1 - 4, y1 - 4, "url(#grille)", r=r - 2),
                      holes(x0, y0, x1, y1)])


def round_holes(x0, y0, x1, y1, rim):
    """Staggered rows of round speaker holes, each with a lit lower rim."""
    out = []
    for row in range(15):
        for col in range(5):
            x = x0 + 13 + col * 9 + (4.5 if row % 2 else 0)
            if x > x1 - 10:
                continue
            y = y0 + 12 + row * 9.8
            out.append(circle(x, y + 0.6, 2.6, rim, ' fill-opacity="0.6"'))
            out.append(circle(x, y, 2.4, "#000000"))
    return "\n".join(out)


def crown_rail(finish):
    """The rail along the top of the cabinet."""
    return "\n".join([rect(4, 0, 796, 6, f"url(#{finish['bar']})"),
                      rect(4, 6, 796, 8, "#000000", extra=f' fill-opacity="{num(finish["rail_shadow"])}"')])


def header_rails(finish):
    """The header rail under the meter panel and the band under the logo
    panel, level with the pillar capitals."""
    return "\n".join([rect(216, 88, 796, 96, f"url(#{finish['bar']})"),
                      rect(216, 96, 796, 99, "#000000", extra=f' fill-opacity="{num(finish["rail_shadow"])}"'),
                      rect(4, 124, 222, 131, f"url(#{finish['bar']})"),
                      rect(4, 131, 222, 133, "#000000", extra=f' fill-opacity="{num(finish["band_shadow"])}"')])


def pillar(x0, top, note, finish, body, rod, texture=None, rod_w=4, channel=(13, 6)):
    """A pillar 50 wide from `top` down to the kick strip: its body with `texture`
    over it, rods down its edges, capital and base bands of the rail metal, and
    a recessed lamp channel (half its width, its corner radius). Returns the
    list of fragments for the game to add its lamps to."""
    x1 = x0 + 50
    cx = x0 + 25
    half, cr = channel
    out = [f"<!-- {'left' if x0 < 400 else 'right'} {note} -->", rect(x0, top, x1, 596, body)]
    if texture:
        out.append(texture)
    out += [rect(x0, top, x0 + rod_w, 596, f"url(#{rod})"),
            rect(x1 - rod_w, top, x1, 596, f"url(#{rod})"),
            # capital and base bands
            rect(x0, 124, x1, 131, f"url(#{finish['bar']})"),
            rect(x0, 131, x1, 133, "#000000", extra=f' fill-opacity="{num(finish["band_shadow"])}"'),
            rect(x0, 586, x1, 596, f"url(#{finish['bar']})"),
            # lamp channel
            rect(cx - half, 138, cx + half, 583, f"url(#{finish['down']})", r=cr),
            rect(cx - half + 2, 140, cx + half - 2, 581, "url(#recess)", r=cr - 1)]
    return out


def chaser_bulbs(cx, socket, bulb):
    """The 21 round bulbs down a pillar's channel, every halo under every bulb;
    bulb(i) is the fill of the i-th from the top."""
    n = 21
    out = []
    for i in range(n):
        y = 150 + i * (570 - 150) / (n - 1)
        out.append(circle(cx, y, 12, "url(#bulbHalo)"))
    for i in range(n):
        y = 150 + i * (570 - 150) / (n - 1)
        out.append(circle(cx, y, 7, socket))
        out.append(circle(cx, y, 6, bulb(i)))
        out.append(circle(cx - 1.8, y - 2, 1.5, "#ffffff", ' fill-opacity="0.9"'))
    return "\n".join(out)


def face_plate(note, edge, plate, shadow=0.55, inset=2):
    """The face plate round the glass, the reels and the controls: its shadow,
    its edge and the plate. Returns the list of fragments for the game to add
    its finish and fasteners to."""
    x0, y0, x1, y1 = 222, 90, 668, 516
    return [f"<!-- face plate: {note} -->",
            rect(x0 - 2, y0, x1 + 3, y1 + 4, "#000000", r=8, extra=f' fill-opacity="{num(shadow)}"'),
            rect(x0, y0, x1, y1, f"url(#{edge})", r=7),
            rect(x0 + inset, y0 + inset, x1 - inset, y1 - inset, f"url(#{plate})", r=6)]


def face_plate_fasteners(fastener, payline_y):
    """Fasteners down both sides of the face plate, clear of the payline and,
    on the right, of the controls, and a row along its foot."""
    out = []
    for x in (229, 661):
        for y in range(110, 505, 36):
            if (x == 661 and y > 200) or abs(y - payline_y) < 18:
                continue
            out.append(fastener(x, y))
    for x in range(250, 560, 36):
        out.append(fastener(x, 510))
    return "\n".join(out)


def reel_windows(reel_x, reel_w, top, bottom, finish, glass):
    """The reel windows in their frames, each reel face under the gradients `glass`."""
    out = []
    for x in reel_x:
        o = (x, top, x + reel_w, bottom)
        out.append(bezel(o, finish, w_out=3, w_in=2, r=4))
        out += [rect(*o, f"url(#{g})") for g in glass]
    return "\n".join(out)


def reel_posts(reel_x, reel_w, rod, fastener=None):
    """The rods between the reel windows, with a fastener(x, y) near each end."""
    out = []
    for xa, xb in ((reel_x[0] + reel_w, reel_x[1]), (reel_x[1] + reel_w, reel_x[2])):
        cx = (xa + xb) / 2
        out.append(rect(cx - 3, 276, cx + 3, 496, f"url(#{rod})", r=3))
        if fastener:
            for y in (282, 490):
                out.append(fastener(cx, y))
    return "\n".join(out)


# ---------------------------------------------------------------- lamps

def shaded_rim(w, h, opacities):
    """Dark lines just inside the edge of a lamp's glass w x h, the outermost
    first, darkening its rim."""
    return "\n".join(rect(i + 0.5, i + 0.5, w - i - 0.5, h - i - 0.5, "none",
                          extra=f' stroke="#000000" stroke-opacity="{num(op)}" stroke-width="1"')
                     for i, op in enumerate(opacities))


def bulb_rows(w, lit, prefix, socket):
    """The rows of round bulbs along the top and bottom of a title strip w wide,
    in the gradients <prefix>Bulb and, lit, <prefix>BulbHalo."""
    out = []
    n = 31
    for row_y in (6, 39):
        for i in range(n):
            x = 8 + i * (w - 16) / (n - 1)
            if lit:
                out.append(circle(x, row_y, 6.5, f"url(#{prefix}BulbHalo)"))
            out.append(circle(x, row_y, 3.6, socket))
            out.append(circle(x, row_y, 2.9, f"url(#{prefix}Bulb)"))
    return "\n".join(out)


# ---------------------------------------------------------------- buttons

def button_label(style, lit, w, h, shine=0.6):
    """The lettering on a button cap w x h: `style` gives its label, size and
    spacing and the colours lit_text and dim_text. Lit, it stands out over a
    light shadow below, or inside an outline of lit_text_line where the style
    has one; dimmed, it is sunk behind a dark one."""
    cy = (5.5 + h - 9) / 2
    base = cy + cap_height("sans-bold", style["size"]) / 2 + 0.5
    td = text_path(style["label"], "sans-bold", style["size"], w / 2, base, spacing=style["spacing"])
    if not lit:
        return [path(td, "#000000", ' fill-opacity="0.6" transform="translate(0.8,1)"'), path(td, style["dim_text"])]
    if style.get("lit_text_line"):
        return [path(td, "none", f' stroke="{style["lit_text_line"]}" stroke-width="2.6" stroke-linejoin="round"'),
                path(td, style["lit_text"])]
    return [path(td, "#ffffff", f' fill-opacity="{num(shine)}" transform="translate(0,1)"'), path(td, style["lit_text"])]


def round_button(style, lit, oy, P, w, h, look):
    """One state of a round-cornered push button w x h drawn at oy, its
    gradients named P...: a housing plate, a ring, the glow round a lit cap,
    the cap's side wall and face, a gloss and the label. `style` gives the
    cap's colours (lit_face, lit_side, lit_ring, lit_glow, dim_face, dim_side)
    and its label; `look` the game's housing: ring, the ring's three colours
    (lit, dimmed); gloss, the gloss's opacity (lit, dimmed); glow, where the
    glow begins, peaks and how strong; housing and well, the plate and the hole
    the cap sits in; edge, the opacity of the lit cap's edge; shine, the
    label's."""
    ring = look["ring"][0 if lit else 1]
    d = [rad(P + "Face", style["lit_face"] if lit else style["dim_face"], cx=0.5, cy=0.42, r=0.62, fx=0.5, fy=0.3),
         lin(P + "Ring", [(0, ring[0]), (0.45, ring[1]), (1, ring[2])]),
         lin(P + "Gloss", [(0, "#ffffff", look["gloss"][0 if lit else 1]), (1, "#ffffff", 0.0)])]
    if lit:
        start, peak, strength = look["glow"]
        glow = style["lit_glow"]
        d.append(rad(P + "Glow", [(0, glow, 0.0), (start, glow, 0.0), (peak, glow, strength), (1, glow, 0.0)]))
    g = [f'<g transform="translate(0,{oy})">',
         rect(0, 0, w, h, look["housing"]),
         rect(1, 1, w - 1, h - 1, f"url(#{P}Ring)", r=9),
         rect(3.5, 3.5, w - 3.5, h - 3.5, look["well"], r=7.5)]
    if lit:
        g.append(ellipse(w / 2, h / 2, 44, 33, f"url(#{P}Glow)"))
    # cap: side wall, then the face
    g.append(rect(6, 8, w - 6, h - 5, style["lit_side"] if lit else style["dim_side"], r=7))
    g.append(rect(6, 5.5, w - 6, h - 9, f"url(#{P}Face)", r=7,
                  extra=f' stroke="{style["lit_ring"] if lit else "#000000"}"'
                        f' stroke-opacity="{num(look["edge"] if lit else 0.4)}" stroke-width="0.8"'))
    g.append(rect(10, 7.5, w - 10, 22, f"url(#{P}Gloss)", r=5))
    g += button_label(style, lit, w, h, shine=look["shine"])
    g.append("</g>")
    return "\n".join(d), "\n".join(g)


def meter_cell(k, w, h, housing):
    """The frame of cell k in a bonus meter's column of w x h cells: the housing,
    a rim in the gradient bmRim and the face in bmFace. Returns the list of
    fragments for the game to draw the cell's picture onto."""
    oy = k * h
    return [rect(0, oy, w, oy + h, housing),
            rect(1, oy + 1, w - 1, oy + h - 1, "url(#bmRim)", r=6),
            rect(2.5, oy + 2.5, w - 2.5, oy + h - 2.5, "url(#bmFace)", r=5)]


def meter_cell_glass(k, w, h, opacity):
    """The reflection across the top of cell k's glass."""
    oy = k * h
    return rect(4, oy + 4, w - 4, oy + 16, "#ffffff", r=4, extra=f' fill-opacity="{num(opacity)}"')


def dimmed_and_lit_svg(w, h, title, half):
    """A control's picture, dimmed above and lit below; half(lit, oy) gives the
    defs and the body of one state drawn at oy."""
    dd, db = half(False, 0)
    ld, lb = half(True, h)
    return svg_doc(w, h * 2, title, dd + "\n" + ld, "<!-- dimmed -->\n" + db + "\n<!-- lit -->\n" + lb)
