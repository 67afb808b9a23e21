"""Pieces the three bonus pictures share: the lamplit mine gallery, the strongbox
crates, the hanging name board and the lettering styles."""
import math
import os
import random
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "cabinet"))
sys.path.append(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "..", "tools", "artwork", "shared"))

from svg_draw import *  # noqa: E402,F401,F403
from lamps import lantern, lantern_defs, nugget, sparkle  # noqa: E402,F401
from machine import material_defs, wood_grain  # noqa: E402,F401

W, H = 640, 480


def bonus_defs():
    """Gradients of the bonus pictures, on top of the cabinet's materials."""
    return "\n".join([
        material_defs(),
        lantern_defs(),
        # rock and timber of the gallery
        lin("bgRock", [(0, "#2c1a0e"), (0.45, "#24150b"), (1, "#120904")]),
        lin("bgFloor", [(0, "#2e1c0e"), (0.3, "#22140a"), (1, "#0e0703")]),
        lin("bgBeamH", [(0, "#a06a38"), (0.25, "#7a4c24"), (0.75, "#5a3418"), (1, "#2e1a0a")]),
        lin("bgBeamV", [(0, "#2e1a0a"), (0.2, "#6a4020"), (0.45, "#8a5a2e"), (0.8, "#5a3418"), (1, "#2a1608")], 0, 0, 1, 0),
        rad("bgLamp", [(0, "#ffc060", 0.42), (0.35, "#e08a2a", 0.2), (1, "#a05010", 0)]),
        rad("bgLampSoft", [(0, "#ffb050", 0.3), (1, "#a05010", 0)]),
        rad("bgVignette", [(0, "#000000", 0), (0.62, "#000000", 0), (1, "#000000", 0.6)],
            cx=320, cy=240, r=420, user=True, transform="translate(320,240) scale(1,0.78) translate(-320,-240)"),
        # crates
        lin("crPlank0", [(0, "#6a4020"), (0.3, "#9a6634"), (0.7, "#8a5a2c"), (1, "#5a3418")], 0, 0, 1, 0),
        lin("crPlank1", [(0, "#5e381a"), (0.35, "#8e5c2e"), (0.7, "#7e5028"), (1, "#4e2e14")], 0, 0, 1, 0),
        lin("crPlank2", [(0, "#704422"), (0.3, "#a26c38"), (0.65, "#905e2e"), (1, "#5e3618")], 0, 0, 1, 0),
        lin("crShade", [(0, "#fff0c0", 0.16), (0.35, "#000000", 0), (1, "#000000", 0.38)]),
        lin("crIron", [(0, "#8a847c"), (0.35, "#5a5650"), (1, "#26231f")]),
        lin("crIronV", [(0, "#26231f"), (0.3, "#6a655e"), (0.55, "#8a847c"), (1, "#2a2622")], 0, 0, 1, 0),
        lin("crPlaque", [(0, "#fff0b0"), (0.25, "#e6b450"), (0.6, "#a06c1e"), (1, "#5a3a0c")]),
        lin("crPlaqueIn", [(0, "#2a1608"), (0.5, "#1e0f05"), (1, "#140903")]),
        lin("crLetter", [(0, "#fffef0"), (0.3, "#ffe88a"), (0.5, "#f2b22a"), (0.56, "#c47612"),
                         (0.75, "#ffd860"), (1, "#e0960e")]),
        # lettering
        lin("ltGold", [(0, "#fffef0"), (0.3, "#ffe88a"), (0.5, "#f2b22a"), (0.54, "#c47612"),
                       (0.7, "#ffd860"), (0.9, "#ffc22e"), (1, "#a85a08")]),
        lin("ltCream", [(0, "#fffbea"), (1, "#f0d8a0")]),
        rad("ltGlow", [(0, "#ffd870", 0.5), (0.5, "#ffa030", 0.18), (1, "#ff8000", 0)]),
        # a side gallery's depth
        rad("tnDepth", [(0, "#1c1008"), (0.6, "#0a0503"), (1, "#050201")], cx=0.5, cy=0.45, r=0.7),
        rad("tnFar", [(0, "#ffc060", 0.55), (0.5, "#e07a20", 0.2), (1, "#a04000", 0)]),
        # open crates, dust and gold bars
        rad("dustPuff", [(0, "#d8c8a8", 0.4), (0.6, "#b8a080", 0.15), (1, "#a08060", 0)]),
        lin("beamLight", [(0, "#ffe0a0", 0.3), (1, "#ffc060", 0)]),
        lin("igTop", [(0, "#fffbe0"), (0.5, "#ffe27a"), (1, "#f0b83a")]),
        lin("igFront", [(0, "#ffd650"), (0.35, "#f2b22a"), (0.75, "#c47612"), (1, "#8a4e04")]),
        lin("igEnd", [(0, "#c47612"), (1, "#6a3a04")]),
        rad("igGlow", [(0, "#ffe890", 0.75), (0.4, "#ffb840", 0.32), (1, "#ff9000", 0)]),
        # the name board
        lin("nbBoard", [(0, "#4a2c16"), (0.5, "#3a2010"), (1, "#26140a")]),
    ])


# ------------------------------------------------------------------ lettering

def lettering(text, font, size, x, y, fill, outline, outline_w, depth=0, extr="#2a0e02",
              anchor="middle", spacing=0.0, max_width=None):
    """Outlined lettering with an optional dark extrusion below and to the right.
    The gradient `fill` is spread over the letters' own height."""
    d = fitted_text_path(text, font, size, x, y, max_width, anchor, spacing)
    return extruded(d, fill, outline, outline_w, depth, extr, (0.5, 0.85))


def gold_gradient(gid, top, bottom):
    """The gold lettering gradient placed over one line of text."""
    return lin(gid, [(0, "#fffef0"), (0.3, "#ffe88a"), (0.5, "#f2b22a"), (0.54, "#c47612"),
                     (0.72, "#ffd860"), (0.9, "#ffc22e"), (1, "#b86a08")], 0, top, 0, bottom, user=True)


# ------------------------------------------------------------------ the gallery

def rock_wall(seed, y0=0, y1=H):
    """Dark rock with faint strata, cracks and embedded pebbles."""
    rnd = random.Random(seed)
    out = [rect(0, y0, W, y1, "url(#bgRock)")]
    shades = ["#2e1c10", "#24160c", "#342012", "#1e1209", "#2a180c"]
    y = y0 - 10
    k = 0
    while y < y1:
        hgt = rnd.uniform(34, 70)
        a, b = rnd.uniform(-18, 18), rnd.uniform(-18, 18)
        d = (f"M-5 {num(y)}C160 {num(y + a)} 480 {num(y + b)} 645 {num(y - 6)}"
             f"V{num(y + hgt)}C480 {num(y + hgt + b)} 160 {num(y + hgt + a)} -5 {num(y + hgt)}Z")
        out.append(path(d, shades[k % len(shades)], ' fill-opacity="0.75"'))
        y += hgt
        k += 1
    # irregular rock faces catching a little light on their upper edges
    for _ in range(16):
        cx, cy = rnd.uniform(0, W), rnd.uniform(y0 + 10, y1 - 10)
        rx, ry = rnd.uniform(30, 80), rnd.uniform(16, 36)
        d = blob_d(cx, cy, rx, ry, rnd.randint(0, 999), n=7, jitter=0.3)
        out.append(path(d, "#3c2414", ' fill-opacity="0.35"'))
        out.append(path(blob_d(cx - rx * 0.15, cy - ry * 0.3, rx * 0.7, ry * 0.35, rnd.randint(0, 999), n=6),
                        "#6a4424", ' fill-opacity="0.12"'))
    for _ in range(12):
        x, y = rnd.uniform(0, W), rnd.uniform(y0, y1)
        d = f"M{num(x)} {num(y)}"
        for _ in range(4):
            x += rnd.uniform(-14, 14)
            y += rnd.uniform(6, 16)
            d += f"L{num(x)} {num(y)}"
        out.append(path(d, "none", ' stroke="#0a0502" stroke-opacity="0.5" stroke-width="1.1" stroke-linejoin="round"'))
    for _ in range(70):
        x, y = rnd.uniform(0, W), rnd.uniform(y0, y1)
        out.append(ellipse(x, y, rnd.uniform(1.2, 3.5), rnd.uniform(0.8, 2.2), "#5a3c24",
                           f' fill-opacity="{num(rnd.uniform(0.25, 0.55))}"'))
    # a few flecks of gold in the rock
    for _ in range(14):
        x, y = rnd.uniform(0, W), rnd.uniform(y0, y1)
        out.append(circle(x, y, rnd.uniform(0.7, 1.4), "#f6c040", f' fill-opacity="{num(rnd.uniform(0.4, 0.8))}"'))
    return "\n".join(out)


def beam_h(x0, y0, x1, y1, seed):
    """A squared timber lying across, lit from above."""
    return "\n".join([
        rect(x0, y1, x1, y1 + 5, "#000000", extra=' fill-opacity="0.45"'),
        rect(x0, y0, x1, y1, "url(#bgBeamH)"),
        wood_grain(x0, y0 + 2, x1, y1 - 2, seed, vertical=False, count=max(2, int((y1 - y0) / 5))),
        rect(x0, y0, x1, y0 + 1.5, "#e8b070", extra=' fill-opacity="0.35"'),
    ])


def post(x0, y0, x1, y1, seed):
    """An upright prop, lit from the left."""
    return "\n".join([
        rect(x1, y0, x1 + 5, y1, "#000000", extra=' fill-opacity="0.4"'),
        rect(x0, y0, x1, y1, "url(#bgBeamV)"),
        wood_grain(x0 + 2, y0, x1 - 2, y1, seed, vertical=True, count=max(2, int((x1 - x0) / 5))),
    ])


def lamp_glow(cx, cy, r, soft=False):
    return circle(cx, cy, r, "url(#bgLampSoft)" if soft else "url(#bgLamp)")


def hanging_lantern(cx, beam_y, drop, size):
    """A lit lantern on a short chain below a beam."""
    out = []
    for i in range(int(drop / 5)):
        y = beam_y + 2 + i * 5
        out.append(ellipse(cx, y + 2.5, 1.6, 2.6, "none", ' stroke="#1a1410" stroke-width="1.2"'))
    out.append(lantern(cx, beam_y + drop, size, True, "lanternHalo"))
    return "\n".join(out)


def floor(y0, seed):
    """The gallery floor with a track running across it."""
    rnd = random.Random(seed)
    out = [rect(0, y0, W, H, "url(#bgFloor)"),
           rect(0, y0, W, y0 + 2, "#6a4424", extra=' fill-opacity="0.35"')]
    for _ in range(40):
        x, y = rnd.uniform(0, W), rnd.uniform(y0 + 4, H)
        out.append(ellipse(x, y, rnd.uniform(2, 6), rnd.uniform(1, 2.5), "#4a3020",
                           f' fill-opacity="{num(rnd.uniform(0.3, 0.6))}"'))
    return "\n".join(out)


def track(y, x0=0, x1=W):
    """Rails seen from the side: sleepers with the rail on top."""
    out = [rect(x0, y + 3, x1, y + 9, "#140a04", extra=' fill-opacity="0.7"')]
    for x in range(int(x0) + 6, int(x1), 26):
        out.append(rect(x, y + 2, x + 16, y + 8, "#4a2e16", extra=' stroke="#1a0e06" stroke-width="0.8"'))
    out.append(rect(x0, y - 2, x1, y + 2.5, "#8a8690"))
    out.append(rect(x0, y - 2, x1, y - 0.8, "#f0e0c0", extra=' fill-opacity="0.7"'))
    return "\n".join(out)


def vignette():
    return rect(0, 0, W, H, "url(#bgVignette)")


# ------------------------------------------------------------------ name board

def name_board(x0=26, y0=30, x1=358, y1=104, beam_y=18):
    """The game's name on a planked board hung from the cap beam on two chains."""
    out = ["<!-- the name board -->"]
    for cx in (x0 + 40, x1 - 40):
        for i in range(int((y0 - beam_y) / 5) + 1):
            y = beam_y + i * 5
            out.append(ellipse(cx, y + 2.5, 1.8, 2.8, "none", ' stroke="#2a2218" stroke-width="1.3"'))
            out.append(ellipse(cx - 0.4, y + 1.8, 0.7, 1.2, "none", ' stroke="#8a7a60" stroke-opacity="0.6" stroke-width="0.6"'))
    out.append(rect(x0 + 2, y0 + 4, x1 + 4, y1 + 6, "#000000", r=5, extra=' fill-opacity="0.5"'))
    out.append(rect(x0, y0, x1, y1, "url(#brassUp)", r=5))
    out.append(rect(x0 + 3, y0 + 3, x1 - 3, y1 - 3, "url(#brassDown)", r=3))
    out.append(rect(x0 + 5, y0 + 5, x1 - 5, y1 - 5, "url(#nbBoard)", r=2))
    planks = 3
    ph = (y1 - y0 - 10) / planks
    for i in range(planks):
        py = y0 + 5 + i * ph
        out.append(wood_grain(x0 + 5, py + 1, x1 - 5, py + ph - 1, 40 + i, vertical=False, count=4))
        if i:
            out.append(rect(x0 + 5, py - 0.6, x1 - 5, py + 0.6, "#0a0502", extra=' fill-opacity="0.7"'))
    for x, y in ((x0 + 10, y0 + 10), (x1 - 10, y0 + 10), (x0 + 10, y1 - 10), (x1 - 10, y1 - 10)):
        out.append(rivet(x, y, 2.2))
    cx = (x0 + x1) / 2
    base = y1 - 22
    out.append(ellipse(cx, base - 16, (x1 - x0) * 0.42, 26, "url(#ltGlow)"))
    out.append(lettering("Orevein Slots", "serif-bold", 40, cx, base, "url(#nbWord)", "#2a0e02", 4.5, depth=4,
                         extr="#1a0802", max_width=x1 - x0 - 44))
    return gold_gradient("nbWord", base - 30, base + 2), "\n".join(out)


# ------------------------------------------------------------------ crates

def crate(x0, y0, w, h, letter, seed, planks=4, shadow=True):
    """A strongbox of vertical planks in an iron frame with two iron bands and a
    brass plaque bearing `letter` (none when None), filling x0..x0+w, y0..y0+h."""
    rnd = random.Random(seed)
    x1, y1 = x0 + w, y0 + h
    cx, cy = x0 + w / 2, y0 + h / 2
    k = max(1.0, min(w, h) / 86)  # iron work grows a little on bigger crates
    out = [f"<!-- crate {letter or ''} -->"]
    if shadow:
        out.append(rect(x0 + 2, y0 + 3, x1 + 5, y1 + 5, "#000000", r=4, extra=' fill-opacity="0.22"'))
        out.append(rect(x0 + 1, y0 + 2, x1 + 3, y1 + 3, "#000000", r=3, extra=' fill-opacity="0.4"'))
    pw = w / planks
    for i in range(planks):
        px0 = x0 + i * pw
        out.append(rect(px0, y0, px0 + pw, y1, f"url(#crPlank{rnd.randint(0, 2)})"))
        out.append(wood_grain(px0 + 1.5, y0, px0 + pw - 1.5, y1, seed * 10 + i, vertical=True, count=3))
        # a knot here and there
        if rnd.random() < 0.5:
            kx, ky = px0 + rnd.uniform(5, pw - 5), y0 + rnd.uniform(10, h - 10)
            out.append(ellipse(kx, ky, 2.2, 3.2, "#3a1e0a", ' fill-opacity="0.6"'))
            out.append(ellipse(kx, ky, 3.6, 5.2, "none", ' stroke="#3a1e0a" stroke-opacity="0.3" stroke-width="0.8"'))
        if i:
            out.append(rect(px0 - 0.7, y0, px0 + 0.7, y1, "#1a0c04", extra=' fill-opacity="0.85"'))
            out.append(rect(px0 + 0.7, y0, px0 + 1.4, y1, "#e0a868", extra=' fill-opacity="0.25"'))
    out.append(rect(x0, y0, x1, y1, "url(#crShade)"))
    # two iron bands across, then the iron frame around the edge
    band = 6 * k
    for by in (y0 + h * 0.27, y0 + h * 0.73):
        out.append(rect(x0, by - band / 2 + 1, x1, by + band / 2 + 1.5, "#000000", extra=' fill-opacity="0.35"'))
        out.append(rect(x0, by - band / 2, x1, by + band / 2, "url(#crIron)"))
        out.append(rect(x0, by - band / 2, x1, by - band / 2 + 0.8, "#d8d0c0", extra=' fill-opacity="0.45"'))
        for i in range(planks):
            out.append(rivet(x0 + (i + 0.5) * pw, by, 1.5 * k, "rivetIron"))
    fw = 5 * k
    out.append(path(frame_path(x0, y0, x1, y1, x0 + fw, y0 + fw, x1 - fw, y1 - fw, 2.5, 1), "url(#crIron)",
                    ' fill-rule="evenodd"'))
    out.append(rect(x0 + fw, y0 + fw, x1 - fw, y0 + fw + 1.2, "#000000", extra=' fill-opacity="0.5"'))
    # corner brackets with a rivet each
    c, t = 15 * k, 7 * k
    for sx, sy in ((0, 0), (1, 0), (0, 1), (1, 1)):
        ex = x1 if sx else x0
        ey = y1 if sy else y0
        dx = -1 if sx else 1
        dy = -1 if sy else 1
        pts = [(ex, ey), (ex + dx * c, ey), (ex + dx * c, ey + dy * t), (ex + dx * t, ey + dy * t),
               (ex + dx * t, ey + dy * c), (ex, ey + dy * c)]
        out.append(poly(pts, "url(#crIronV)", ' stroke="#141210" stroke-width="0.8" stroke-linejoin="round"'))
        out.append(rivet(ex + dx * 3.8 * k, ey + dy * 3.8 * k, 1.7 * k, "rivetIron"))
    # lamplight along the top edge and the frame's outline
    out.append(rect(x0 + 2, y0 + 0.3, x1 - 2, y0 + 1.3, "#ffe2a0", extra=' fill-opacity="0.7"'))
    out.append(rect(x0 + 0.5, y0 + 0.5, x1 - 0.5, y1 - 0.5, "none", r=2.5,
                    extra=' stroke="#0c0604" stroke-width="1"'))
    if letter is None:
        return "\n".join(out)
    # brass plaque with the letter
    ps = w * 0.62
    out.append(rect(cx - ps / 2 + 1, cy - ps / 2 + 2, cx + ps / 2 + 2, cy + ps / 2 + 3, "#000000", r=6,
                    extra=' fill-opacity="0.5"'))
    out.append(rect(cx - ps / 2, cy - ps / 2, cx + ps / 2, cy + ps / 2, "url(#crPlaque)", r=6,
                    extra=' stroke="#3a2006" stroke-width="0.8"'))
    ins = 4
    out.append(rect(cx - ps / 2 + ins, cy - ps / 2 + ins, cx + ps / 2 - ins, cy + ps / 2 - ins, "url(#crPlaqueIn)", r=3,
                    extra=' stroke="#f6d27a" stroke-opacity="0.55" stroke-width="0.8"'))
    for fx, fy in ((-1, -1), (1, -1), (-1, 1), (1, 1)):
        out.append(circle(cx + fx * (ps / 2 - 2.2), cy + fy * (ps / 2 - 2.2), 1.1, "#5a3a0c"))
    size = ps * 0.92
    base = cy + cap_height("serif-bold", size) / 2
    out.append(lettering(letter, "serif-bold", size, cx, base, "url(#crLetter)", "#1a0802", 3.2, depth=2,
                         extr="#000000"))
    out.append(sparkle(cx + ps / 2 - 9, cy - ps / 2 + 9, 4, "#fffbe8", 0.85))
    return "\n".join(out)


def soft_rays(cx, cy, count, length, prefix, colour="#ffd880", opacity=0.3, width=0.5, phase=0.03):
    """Rays of light from (cx, cy) that fade out along their length. Returns
    (defs, body): each wedge has its own gradient running from the centre out."""
    defs, body = [], []
    for i in range(count):
        a0 = phase + 2 * math.pi * i / count
        a1 = a0 + 2 * math.pi / count * width
        am = (a0 + a1) / 2
        gid = f"{prefix}{i}"
        defs.append(lin(gid, [(0, colour, opacity), (1, colour, 0)], cx, cy,
                        cx + length * math.cos(am), cy + length * math.sin(am), user=True))
        body.append(poly([(cx, cy), (cx + length * math.cos(a0), cy + length * math.sin(a0)),
                          (cx + length * math.cos(a1), cy + length * math.sin(a1))], f"url(#{gid})"))
    return "\n".join(defs), "\n".join(body)


def dust_motes(x0, y0, x1, y1, count, seed, colour="#fff0c8"):
    rnd = random.Random(seed)
    out = []
    for _ in range(count):
        out.append(circle(rnd.uniform(x0, x1), rnd.uniform(y0, y1), rnd.uniform(0.5, 1.5), colour,
                          f' fill-opacity="{num(rnd.uniform(0.2, 0.7))}"'))
    return "\n".join(out)



def tunnel_mouth(x0, y0, x1, y1, seed):
    """A side gallery leading off into the dark, framed by a timber set; its rails
    run out to meet the track on the floor."""
    cx = (x0 + x1) / 2
    vy = y0 + (y1 - y0) * 0.45
    out = ["<!-- a side gallery behind, with a glimmer of a lamp far inside -->",
           rect(x0, y0, x1, y1, "url(#tnDepth)"),
           ellipse(cx, vy + 6, 22, 14, "url(#tnFar)")]
    # the walls closing in towards the far end
    for side in (-1, 1):
        ex = x0 if side < 0 else x1
        out.append(poly([(ex, y0), (cx + side * 14, vy - 10), (cx + side * 14, vy + 14), (ex, y1)],
                        "#1a0f07", ' fill-opacity="0.55"'))
    # timber sets receding into the distance
    for k, t in enumerate((0.72, 0.5, 0.32)):
        hx = (x1 - x0) / 2 * t
        top = vy - (vy - y0) * t
        bot = vy + (y1 - vy) * t
        op = 0.25 + 0.25 * t
        wd = 10 * t
        out.append(rect(cx - hx, top, cx - hx + wd, bot, "#4a2c14", extra=f' fill-opacity="{num(op)}"'))
        out.append(rect(cx + hx - wd, top, cx + hx, bot, "#4a2c14", extra=f' fill-opacity="{num(op)}"'))
        out.append(rect(cx - hx - wd * 0.4, top - wd * 0.8, cx + hx + wd * 0.4, top, "#5a361a",
                        extra=f' fill-opacity="{num(op)}"'))
    # rails converging on the far end
    for side in (-1, 1):
        out.append(path(f"M{num(cx + side * 4)} {num(vy + 14)}L{num(cx + side * 40)} {num(y1)}", "none",
                        ' stroke="#8a8690" stroke-opacity="0.6" stroke-width="2"'))
    out.append(post(x0 - 16, y0 - 4, x0, y1 + 4, seed))
    out.append(post(x1, y0 - 4, x1 + 16, y1 + 4, seed + 1))
    out.append(beam_h(x0 - 24, y0 - 18, x1 + 24, y0, seed + 2))
    for x in (x0 - 8, x1 + 8):
        out.append(rivet(x, y0 - 9, 2, "rivetIron"))
    return "\n".join(out)



# ------------------------------------------------------------------ open crate

def _lerp(p, q, t):
    return (p[0] + (q[0] - p[0]) * t, p[1] + (q[1] - p[1]) * t)


class OpenCrate:
    """A strongbox seen from above and in front with its lid thrown back. The front
    face is x0..x1, y0..y1; (dx, dy) is the depth of the box as drawn (dy < 0)."""

    def __init__(self, x0, y0, w, h, dx, dy, seed, lid=0.95, lean=14):
        self.x0, self.y0, self.x1, self.y1 = x0, y0, x0 + w, y0 + h
        self.dx, self.dy, self.seed = dx, dy, seed
        self.A, self.B = (x0, y0), (x0 + w, y0)
        self.C, self.D = (x0 + w + dx, y0 + dy), (x0 + dx, y0 + dy)
        # how far down the inside walls show before the front rim hides them
        self.depth = -dy * 0.85
        self.lid_h = h * lid
        self.lean = lean

    @property
    def lid_top(self):
        return self.D[1] - self.lid_h

    def back(self):
        """The lid standing open behind the box, showing its underside."""
        D, C = self.D, self.C
        D2 = (D[0] + self.lean, D[1] - self.lid_h)
        C2 = (C[0] + self.lean, C[1] - self.lid_h)
        out = ["<!-- the lid, thrown open -->",
               poly([(D[0] + 4, D[1]), (C[0] + 6, C[1]), (C2[0] + 8, C2[1] + 4), (D2[0] + 6, D2[1] + 4)], "#000000",
                    ' fill-opacity="0.35"'),
               poly([D, C, C2, D2], "url(#crPlank1)")]
        for i in range(1, 5):
            t = i / 5
            p, q = _lerp(D, D2, t), _lerp(C, C2, t)
            out.append(path(f"M{num(p[0])} {num(p[1])}L{num(q[0])} {num(q[1])}", "none",
                            ' stroke="#1a0c04" stroke-opacity="0.8" stroke-width="1.3"'))
        # battens across the planks, then the shadow of the underside
        for t in (0.16, 0.84):
            p, q = _lerp(D, C, t), _lerp(D2, C2, t)
            out.append(poly([(p[0] - 5, p[1]), (p[0] + 5, p[1]), (q[0] + 5, q[1] + 6), (q[0] - 5, q[1] + 6)],
                            "url(#crPlank2)", ' stroke="#1a0c04" stroke-width="1"'))
        out.append(poly([D, C, C2, D2], "#000000", ' fill-opacity="0.42"'))
        out.append(poly([D, C, C2, D2], "none", ' stroke="#2a2622" stroke-width="3" stroke-linejoin="round"'))
        # the lid's edge catching the light, and its iron rim
        out.append(poly([D2, C2, (C2[0] + 2, C2[1] - 5), (D2[0] + 2, D2[1] - 5)], "url(#crIron)",
                        ' stroke="#141210" stroke-width="0.8"'))
        out.append(path(f"M{num(D2[0] + 2)} {num(D2[1] - 5)}L{num(C2[0] + 2)} {num(C2[1] - 5)}", "none",
                        ' stroke="#ffe2a0" stroke-opacity="0.6" stroke-width="1"'))
        for t in (0.1, 0.9):
            p, q = _lerp(D, C, t), _lerp(D2, C2, t)
            out.append(ellipse(p[0], p[1] - 1, 6, 3.5, "url(#crIron)", ' stroke="#141210" stroke-width="0.8"'))
            out.append(rivet(p[0], p[1] - 1, 1.6, "rivetIron"))
        return "\n".join(out)

    def inside(self):
        """The inner walls and floor seen through the opening."""
        A, B, C, D = self.A, self.B, self.C, self.D
        r = self.depth / -self.dy
        yb = D[1] + self.depth
        back = [D, C, (self.x1 + self.dx * (1 - r), yb), (D[0], yb)]
        left = [A, D, (D[0], yb), (self.x0 + self.dx * r, self.y0)]
        floor_pts = [(self.x0 + self.dx * r, self.y0), (D[0], yb), (self.x1 + self.dx * (1 - r), yb), B]
        out = ["<!-- inside the crate -->",
               poly(back, "url(#crPlank0)"), poly(back, "#000000", ' fill-opacity="0.5"')]
        for i in range(1, 6):
            x = D[0] + (C[0] - D[0]) * i / 6
            out.append(path(f"M{num(x)} {num(D[1])}V{num(yb)}", "none",
                            ' stroke="#1a0c04" stroke-opacity="0.8" stroke-width="1.2"'))
        out.append(poly(left, "url(#crPlank1)"))
        out.append(poly(left, "#000000", ' fill-opacity="0.7"'))
        out.append(poly(floor_pts, "#140a04"))
        # the front wall's shadow falls across the floor and up the back wall
        out.append(poly([(self.x0 + self.dx * r, self.y0), B, (B[0] + self.dx * 0.25, B[1] + self.dy * 0.25),
                         (self.x0 + self.dx * r + self.dx * 0.35, self.y0 + self.dy * 0.35)], "#000000",
                        ' fill-opacity="0.5"'))
        return "\n".join(out)

    def side(self):
        """The right-hand face of the box, turned away from the lamp."""
        B, C = self.B, self.C
        h = self.y1 - self.y0
        pts = [B, C, (C[0], C[1] + h), (B[0], self.y1)]
        out = ["<!-- the right side -->", poly(pts, "url(#crPlank1)")]
        for i in range(1, 3):
            p = _lerp(B, C, i / 3)
            out.append(path(f"M{num(p[0])} {num(p[1])}V{num(p[1] + h)}", "none",
                            ' stroke="#1a0c04" stroke-opacity="0.8" stroke-width="1.2"'))
        for f in (0.27, 0.73):
            y = self.y0 + h * f
            out.append(poly([(B[0], y - 4), (C[0], y - 4 + self.dy), (C[0], y + 4 + self.dy), (B[0], y + 4)],
                            "url(#crIron)"))
        out.append(poly(pts, "#000000", ' fill-opacity="0.45"'))
        out.append(poly([C, (C[0], C[1] + h), (C[0] - 6, C[1] + h + 4.5), (C[0] - 6, C[1] + 4.5)], "#3a3632"))
        out.append(poly(pts, "none", ' stroke="#0c0604" stroke-width="1.2" stroke-linejoin="round"'))
        return "\n".join(out)

    def rim(self):
        A, B, C, D = self.A, self.B, self.C, self.D
        d = "M" + "L".join(f"{num(x)} {num(y)}" for x, y in (A, B, C, D)) + "Z"
        return (path(d, "none", ' stroke="#2a2622" stroke-width="5" stroke-linejoin="round"') +
                path(d, "none", ' stroke="#8a847c" stroke-width="1.2" stroke-linejoin="round"'))

    def front(self, seed):
        return crate(self.x0, self.y0, self.x1 - self.x0, self.y1 - self.y0, None, seed, planks=6, shadow=False)

    def shadow(self):
        """The box's shadow on the floor, thrown forward and right by the lamp."""
        h = self.y1 - self.y0
        return "\n".join(
            poly([(self.x0 - 6 + i * 2, self.y1 - 4), (self.C[0] + 18 - i * 3, self.C[1] + h - 2),
                  (self.C[0] + 30 - i * 5, self.y1 + 10 - i * 2), (self.x0 + 8, self.y1 + 14 - i * 3)],
                 "#000000", f' fill-opacity="{num(0.18 + 0.1 * i)}"') for i in range(3))


def padlock(x, y, scale=1.0):
    """An open padlock hanging from a hasp whose top is at (x, y)."""
    s = scale
    return "".join([
        rect(x - 6 * s, y, x + 6 * s, y + 16 * s, "url(#crIronV)", r=2 * s, extra=' stroke="#141210" stroke-width="0.8"'),
        rivet(x, y + 4 * s, 1.6 * s, "rivetIron"),
        circle(x, y + 12 * s, 3 * s, "none", ' stroke="#141210" stroke-width="1.6"'),
        # the shackle swung open, then the body
        path(f"M{num(x - 5 * s)} {num(y + 24 * s)}V{num(y + 15 * s)}A{num(6 * s)} {num(6 * s)} 0 0 1 {num(x + 7 * s)} {num(y + 15 * s)}"
             f"V{num(y + 18 * s)}", "none", f' stroke="#b8b0a4" stroke-width="{num(2.6 * s)}" stroke-linecap="round"'),
        rect(x - 10 * s + 1, y + 23 * s + 1.5, x + 10 * s + 1, y + 40 * s + 1.5, "#000000", r=3 * s, extra=' fill-opacity="0.5"'),
        rect(x - 10 * s, y + 23 * s, x + 10 * s, y + 40 * s, "url(#crPlaque)", r=3 * s,
             extra=' stroke="#3a2006" stroke-width="0.8"'),
        circle(x, y + 30 * s, 2.2 * s, "#1a0c02"),
        poly([(x - 1.2 * s, y + 31 * s), (x + 1.2 * s, y + 31 * s), (x + 1.6 * s, y + 36 * s), (x - 1.6 * s, y + 36 * s)], "#1a0c02"),
        rect(x - 8 * s, y + 24.5 * s, x + 8 * s, y + 26 * s, "#fff6d0", extra=' fill-opacity="0.5"'),
    ])


def cobweb(cx, cy, anchors, rings=5, opacity=0.55):
    """A web strung from (cx, cy) out to each anchor point, with sagging rings."""
    out = []
    thread = f' stroke="#efe6d6" stroke-opacity="{num(opacity)}" stroke-width="0.7" stroke-linecap="round"'
    for ax, ay in anchors:
        out.append(path(f"M{num(cx)} {num(cy)}L{num(ax)} {num(ay)}", "none", thread))
    for j in range(1, rings + 1):
        t = (j / (rings + 0.6)) ** 1.15
        pts = [(cx + (ax - cx) * t, cy + (ay - cy) * t) for ax, ay in anchors]
        d = f"M{num(pts[0][0])} {num(pts[0][1])}"
        for p, q in zip(pts, pts[1:]):
            mx, my = (p[0] + q[0]) / 2, (p[1] + q[1]) / 2
            # each thread sags towards the centre and a little downwards
            ctl = (mx + (cx - mx) * 0.18, my + (cy - my) * 0.18 + 2)
            d += f"Q{num(ctl[0])} {num(ctl[1])} {num(q[0])} {num(q[1])}"
        out.append(path(d, "none", thread))
    # a loose strand or two
    ax, ay = anchors[len(anchors) // 2]
    out.append(path(f"M{num(cx + (ax - cx) * 0.6)} {num(cy + (ay - cy) * 0.6)}q6 14 -2 26", "none",
                    f' stroke="#efe6d6" stroke-opacity="{num(opacity * 0.6)}" stroke-width="0.6"'))
    return "\n".join(out)


def spider(x, top, drop, size=1.0):
    """A small spider hanging on its thread."""
    s = size
    y = top + drop
    out = [path(f"M{num(x)} {num(top)}V{num(y - 3 * s)}", "none", ' stroke="#efe6d6" stroke-opacity="0.7" stroke-width="0.6"')]
    legs = f' stroke="#120a06" stroke-width="{num(0.9 * s)}" stroke-linecap="round" stroke-linejoin="round"'
    for side in (-1, 1):
        for a in (-45, -15, 15, 45):
            r = math.radians(a)
            kx, ky = x + side * 5 * s * math.cos(r), y + 1 * s + 5 * s * math.sin(r) - 3 * s
            fx, fy = x + side * 8.5 * s * math.cos(r), y + 1 * s + 8.5 * s * math.sin(r) + 2 * s
            out.append(path(f"M{num(x)} {num(y + 1 * s)}L{num(kx)} {num(ky)}L{num(fx)} {num(fy)}", "none", legs))
    out.append(ellipse(x, y + 3.5 * s, 4 * s, 4.6 * s, "#1e1410"))
    out.append(circle(x, y - 1 * s, 2.6 * s, "#1e1410"))
    out.append(ellipse(x - 1.2 * s, y + 2 * s, 1.4 * s, 1.8 * s, "#8a7a6a", ' fill-opacity="0.6"'))
    for ex in (-1, 1):
        out.append(circle(x + ex * 1 * s, y - 1.4 * s, 0.75 * s, "#ffffff"))
        out.append(circle(x + ex * 1 * s + 0.2, y - 1.2 * s, 0.35 * s, "#000000"))
    return "\n".join(out)


def dust_puff(cx, cy, rx, ry, seed, count=5):
    rnd = random.Random(seed)
    out = []
    for _ in range(count):
        out.append(ellipse(cx + rnd.uniform(-rx, rx) * 0.6, cy + rnd.uniform(-ry, ry) * 0.4,
                           rx * rnd.uniform(0.4, 0.8), ry * rnd.uniform(0.5, 0.9), "url(#dustPuff)"))
    return "\n".join(out)


# ------------------------------------------------------------------ gold bars

def gold_bar(cx, bottom, w, fh, td, seed, stamp=True):
    """A cast gold bar from the front and a little above: front face from `bottom`
    up fh pixels, top face td pixels deep, both narrowing like a mould's draft."""
    i1, i2 = w * 0.09, w * 0.16
    fb0, fb1 = cx - w / 2, cx + w / 2
    ft0, ft1 = fb0 + i1, fb1 - i1
    yt = bottom - fh
    yb = yt - td
    bt0, bt1 = cx - w / 2 + i2, cx + w / 2 - i2
    o = ' stroke="#6a3802" stroke-width="0.9" stroke-linejoin="round"'
    out = [poly([(fb0, bottom), (fb1, bottom), (ft1, yt), (ft0, yt)], "url(#igFront)", o),
           poly([(ft0, yt), (ft1, yt), (bt1, yb), (bt0, yb)], "url(#igTop)", o),
           path(f"M{num(ft0 + 1)} {num(yt + 0.8)}H{num(ft1 - 1)}", "none",
                ' stroke="#fffbe8" stroke-opacity="0.9" stroke-width="1.2" stroke-linecap="round"'),
           path(f"M{num(bt0 + 3)} {num(yb + 1.5)}H{num(cx)}", "none",
                ' stroke="#ffffff" stroke-opacity="0.7" stroke-width="1.2" stroke-linecap="round"')]
    if stamp:
        sw, sh = w * 0.42, fh * 0.5
        sy = bottom - fh / 2 - sh / 2 + 1
        out.append(rect(cx - sw / 2, sy, cx + sw / 2, sy + sh, "#a8600a", r=2,
                        extra=' fill-opacity="0.45" stroke="#fff0a0" stroke-opacity="0.5" stroke-width="0.6"'))
        td_ = text_path("999.9", "sans-bold", sh * 0.78, cx, sy + sh * 0.8)
        out.append(path(td_, "#fff4c0", ' fill-opacity="0.7" transform="translate(0.5,0.6)"'))
        out.append(path(td_, "#7a4204"))
    return "".join(out)
