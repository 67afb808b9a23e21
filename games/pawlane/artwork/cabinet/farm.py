"""Farmyard props shared by the Pawlane pictures: paw prints, chicks, sun,
clouds, hills, a barn, fences and flowers. Each returns an SVG fragment drawn
around the point it is given; the gradients it names come from farm_defs()."""
import math
import os
import sys

sys.path.append(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "..", "tools", "artwork", "shared"))

from svg_draw import *  # noqa: E402,F401,F403


def farm_defs():
    return "\n".join([
        rad("fmChick", [(0, "#fffbe0"), (0.35, "#ffe84a"), (0.8, "#f6c200"), (1, "#c88a00")], fx=0.36, fy=0.3),
        lin("fmBeak", [(0, "#ffb03a"), (1, "#e05a00")]),
        rad("fmSun", [(0, "#ffffff"), (0.3, "#fff6a0"), (0.75, "#ffd21a"), (1, "#ffa800")], fx=0.4, fy=0.38),
        rad("fmSunHalo", [(0, "#fff8b0", 0.8), (0.5, "#ffe060", 0.3), (1, "#ffd040", 0)]),
        lin("fmSky", [(0, "#2f8ee8"), (0.55, "#7cc4ff"), (1, "#d8f0ff")]),
        lin("fmHillFar", [(0, "#8ed85a"), (1, "#4aa23a")]),
        lin("fmHillNear", [(0, "#5cc83e"), (1, "#2a8a2a")]),
        lin("fmBarn", [(0, "#f0402a"), (0.6, "#c81e14"), (1, "#8a0e08")]),
        lin("fmBarnSide", [(0, "#a8180e"), (1, "#6a0a06")]),
        lin("fmRoof", [(0, "#6a6e78"), (1, "#3a3c44")]),
        lin("fmFence", [(0, "#ffffff"), (0.6, "#f4ecd8"), (1, "#c8bca0")], 0, 0, 1, 0),
        lin("fmCloud", [(0, "#ffffff"), (1, "#dfeefa")]),
        rad("fmPetal", [(0, "#fff0a0"), (1, "#ffc400")]),
    ])


def paw(cx, cy, s, fill, extra=""):
    """A paw print about 2*s across: a heel pad and four toes."""
    out = [f'<g transform="translate({num(cx)},{num(cy)}) scale({num(s / 10)})"{extra}>',
           path("M0 -1C5 -1 8.5 3.5 8 6.5C7.5 9.5 4 9 0 9C-4 9 -7.5 9.5 -8 6.5C-8.5 3.5 -5 -1 0 -1Z", fill)]
    for (x, y, rx, ry, a) in ((-8.6, -4, 2.6, 3.4, -25), (-3.2, -9, 2.8, 3.8, -8), (3.2, -9, 2.8, 3.8, 8),
                              (8.6, -4, 2.6, 3.4, 25)):
        out.append(f'<ellipse cx="{num(x)}" cy="{num(y)}" rx="{num(rx)}" ry="{num(ry)}" fill="{fill}"'
                   f' transform="rotate({a} {num(x)} {num(y)})"/>')
    out.append("</g>")
    return "".join(out)


def chick(cx, cy, s, body="url(#fmChick)", beak="url(#fmBeak)", line="#a86a00", eye="#1a1008", lit=True,
          flip=False):
    """A round chick, about 2*s wide, standing with its feet at cy + s."""
    k = s / 10
    g = [f'<g transform="translate({num(cx)},{num(cy)}) scale({num(-k if flip else k)},{num(k)})">']
    g.append(ellipse(0.5, 10.4, 7.5, 1.4, "#000000", ' fill-opacity="0.25"'))
    for x in (-2.6, 2.6):   # feet
        g.append(path(f"M{num(x)} 6V9.6M{num(x - 1.8)} 10.2L{num(x)} 9.4L{num(x + 1.8)} 10.2", "none",
                      ' stroke="#e07a00" stroke-width="1" stroke-linecap="round" stroke-linejoin="round"'))
    g.append(ellipse(0, 2.5, 8, 7, body, f' stroke="{line}" stroke-width="0.7"'))            # body
    g.append(circle(2.2, -4.2, 5.4, body, f' stroke="{line}" stroke-width="0.7"'))           # head
    g.append(path("M-2 -9.2C-1.6 -11.4 0.4 -11.8 0.8 -9.4C1.4 -11.8 3.6 -11.2 2.8 -9", "none",
                  f' stroke="{line}" stroke-width="0.8" stroke-linecap="round"'))            # tuft
    g.append(path("M6.6 -5.2L10.4 -3.6L6.6 -2.2Z", beak, f' stroke="#a83a00" stroke-width="0.5" stroke-linejoin="round"'))
    g.append(circle(3.9, -5.4, 1.25, eye))
    g.append(circle(4.3, -5.9, 0.45, "#ffffff"))
    if lit:
        g.append(ellipse(5.2, -2.8, 1.3, 0.8, "#ff8a6a", ' fill-opacity="0.6"'))
    g.append(path("M-5.8 1.2C-3.4 -0.6 -0.2 0.2 0.8 2.6C-1.4 5.2 -4.6 5 -5.8 1.2Z", body,
                  f' stroke="{line}" stroke-width="0.6"'))                                   # wing
    g.append(ellipse(-0.4, -6.8, 1.8, 1.0, "#ffffff", ' fill-opacity="0.6"'))
    g.append("</g>")
    return "\n".join(g)


def sun(cx, cy, r, rays_n=12, halo=True):
    out = []
    if halo:
        out.append(circle(cx, cy, r * 2.2, "url(#fmSunHalo)"))
    pts = []
    for i in range(rays_n * 2):
        a = math.pi * i / rays_n
        rr = r * (1.55 if i % 2 == 0 else 1.12)
        pts.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
    out.append(poly(pts, "#ffc81a", ' stroke="#f08a00" stroke-width="0.8" stroke-linejoin="round"'))
    out.append(circle(cx, cy, r, "url(#fmSun)", ' stroke="#f09000" stroke-width="0.8"'))
    return "\n".join(out)


def cloud(cx, cy, s, opacity=1.0):
    k = s / 10
    d = (f"M{num(cx - 12 * k)} {num(cy + 4 * k)}C{num(cx - 16 * k)} {num(cy + 4 * k)} {num(cx - 16 * k)} {num(cy - 3 * k)}"
         f" {num(cx - 10 * k)} {num(cy - 2 * k)}C{num(cx - 9 * k)} {num(cy - 9 * k)} {num(cx - 1 * k)} {num(cy - 10 * k)}"
         f" {num(cx + 1 * k)} {num(cy - 5 * k)}C{num(cx + 4 * k)} {num(cy - 9 * k)} {num(cx + 11 * k)} {num(cy - 7 * k)}"
         f" {num(cx + 10 * k)} {num(cy - 1 * k)}C{num(cx + 16 * k)} {num(cy - 1 * k)} {num(cx + 16 * k)} {num(cy + 4 * k)}"
         f" {num(cx + 11 * k)} {num(cy + 4 * k)}Z")
    return path(d, "url(#fmCloud)", f' fill-opacity="{num(opacity)}" stroke="#b8d4ee" stroke-width="{num(0.6 * k)}"')


def hill(x0, x1, y, peak, base, fill, skew=0.5):
    """A rolling hill from x0 to x1 on the line y, rising `peak` above it, filled down to `base`."""
    xm = x0 + (x1 - x0) * skew
    d = (f"M{num(x0)} {num(base)}V{num(y)}C{num(x0 + (xm - x0) * 0.5)} {num(y - peak)} {num(xm - (xm - x0) * 0.3)} {num(y - peak)}"
         f" {num(xm)} {num(y - peak)}C{num(xm + (x1 - xm) * 0.4)} {num(y - peak)} {num(x1 - (x1 - xm) * 0.4)} {num(y)}"
         f" {num(x1)} {num(y)}V{num(base)}Z")
    return path(d, fill)


def barn(x, y, w, h):
    """A red barn, (x, y) its bottom-left corner, w wide, h high to the ridge."""
    wall = h * 0.58
    ridge = y - h
    eave = y - wall
    out = [rect(x - 1, y - 1, x + w + 3, y + 2, "#000000", extra=' fill-opacity="0.25"'),
           # gambrel roof
           poly([(x - w * 0.06, eave), (x + w * 0.12, eave - (h - wall) * 0.55), (x + w / 2, ridge),
                 (x + w * 0.88, eave - (h - wall) * 0.55), (x + w * 1.06, eave)], "url(#fmRoof)",
                ' stroke="#24262c" stroke-width="0.8" stroke-linejoin="round"'),
           rect(x, eave, x + w, y, "url(#fmBarn)", extra=' stroke="#5a0604" stroke-width="0.8"')]
    # white trim, hayloft and the big cross-braced door
    dw, dh = w * 0.44, wall * 0.62
    dx = x + (w - dw) / 2
    out.append(rect(dx, y - dh, dx + dw, y, "#8a0e08", extra=' stroke="#ffffff" stroke-width="1.3"'))
    out.append(path(f"M{num(dx)} {num(y - dh)}L{num(dx + dw)} {num(y)}M{num(dx + dw)} {num(y - dh)}L{num(dx)} {num(y)}"
                    f"M{num(dx + dw / 2)} {num(y - dh)}V{num(y)}", "none", ' stroke="#ffffff" stroke-width="1.1"'))
    lw = w * 0.2
    out.append(rect(x + w / 2 - lw / 2, eave - (h - wall) * 0.1 - lw * 0.7, x + w / 2 + lw / 2,
                    eave - (h - wall) * 0.1 + lw * 0.25, "#4a0604", extra=' stroke="#ffffff" stroke-width="1.1"'))
    out.append(path(f"M{num(x)} {num(eave)}H{num(x + w)}", "none", ' stroke="#ffffff" stroke-width="1.2"'))
    return "\n".join(out)


def fence(x0, x1, y, h, step=9):
    """A white picket fence standing on the line y."""
    out = [rect(x0, y - h * 0.72, x1, y - h * 0.6, "url(#fmFence)", extra=' stroke="#8a8070" stroke-width="0.5"'),
           rect(x0, y - h * 0.34, x1, y - h * 0.22, "url(#fmFence)", extra=' stroke="#8a8070" stroke-width="0.5"')]
    x = x0 + 2
    while x < x1 - 2:
        pw = step * 0.55
        out.append(poly([(x, y), (x, y - h * 0.85), (x + pw / 2, y - h), (x + pw, y - h * 0.85), (x + pw, y)],
                        "url(#fmFence)", ' stroke="#8a8070" stroke-width="0.6" stroke-linejoin="round"'))
        x += step
    return "\n".join(out)


def flower(cx, cy, r, petal="url(#fmPetal)", heart="#7a3a08", stem=None):
    out = []
    if stem:
        out.append(path(f"M{num(cx)} {num(cy)}V{num(cy + stem)}", "none", ' stroke="#2a7a1a" stroke-width="1.4"'))
    for i in range(8):
        a = i * 45
        out.append(ellipse(cx, cy - r * 0.62, r * 0.28, r * 0.5, petal,
                           f' transform="rotate({a} {num(cx)} {num(cy)})" stroke="#d08a00" stroke-width="0.4"'))
    out.append(circle(cx, cy, r * 0.38, heart))
    return "\n".join(out)


def grass_tufts(x0, x1, y, seed, n, color="#2a8a2a", h=5):
    import random
    rnd = random.Random(seed)
    d = ""
    for _ in range(n):
        x = rnd.uniform(x0, x1)
        hh = h * rnd.uniform(0.6, 1.2)
        d += f"M{num(x - 2)} {num(y)}L{num(x - 0.6)} {num(y - hh)}L{num(x + 0.4)} {num(y)}M{num(x)} {num(y)}L{num(x + 2)} {num(y - hh * 0.8)}L{num(x + 2.4)} {num(y)}"
    return path(d, color)


def grazing_horse(x, y, s, coat="#a8602a", dark="#4a2410", line="#2a1608"):
    """A small horse in profile, grazing, facing left; (x, y) where its hooves stand, s its scale."""
    k = s / 10
    o = [f'<g transform="translate({num(x)},{num(y)}) scale({num(k)})">',
         ellipse(1, 0.5, 17, 2, "#000000", ' fill-opacity="0.22"')]
    legs = ((-11, -1), (-7, 1), (7, -1), (11, 1))
    for lx, sway in legs:   # legs, the far ones darker
        o.append(path(f"M{lx} -14L{lx + sway} 0", "none", f' stroke="{line}" stroke-width="3.6" stroke-linecap="round"'))
        o.append(path(f"M{lx} -14L{lx + sway} 0", "none",
                      f' stroke="{coat if lx in (-7, 11) else dark}" stroke-width="2.2" stroke-linecap="round"'))
    o.append(path("M14 -20C20 -18 21 -10 19 -4", "none", f' stroke="{dark}" stroke-width="3" stroke-linecap="round"'))  # tail
    o.append(ellipse(0, -18, 15, 7, coat, f' stroke="{line}" stroke-width="1"'))                                    # body
    o.append(path("M-11 -22C-16 -18 -20 -10 -22 -4L-17 -2C-15 -8 -11 -12 -7 -15Z", coat,
                  f' stroke="{line}" stroke-width="1" stroke-linejoin="round"'))                                   # neck down
    o.append(ellipse(-20.5, -2.5, 3.2, 4.6, coat, f' stroke="{line}" stroke-width="1" transform="rotate(25 -20.5 -2.5)"'))
    o.append(path("M-11 -23C-15 -20 -18 -14 -20 -8", "none", f' stroke="{dark}" stroke-width="1.8" stroke-linecap="round"'))
    o.append(ellipse(3, -21, 8, 2.2, "#ffffff", ' fill-opacity="0.25"'))
    o.append("</g>")
    return "\n".join(o)
