"""The three lamp pictures of the cabinet (title glass, coin sign, title strip),
each drawn in its own local coordinates, lit or unlit from the same geometry."""
import math
import os
import sys

sys.path.append(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "..", "tools", "artwork", "shared"))

from svg_draw import *  # noqa: E402,F401,F403

# ------------------------------------------------------------------ props


def nugget(cx, cy, rx, ry, seed, grad, hi_opacity, outline):
    d = blob_d(cx, cy, rx, ry, seed)
    hi = blob_d(cx - rx * 0.3, cy - ry * 0.35, rx * 0.35, ry * 0.25, seed + 7, n=7, jitter=0.15)
    return (path(d, grad, f' stroke="{outline}" stroke-width="0.8"') +
            (path(hi, "#ffffff", f' fill-opacity="{num(hi_opacity)}"') if hi_opacity > 0 else ""))


def sparkle(cx, cy, r, fill, opacity):
    k = r * 0.22
    d = (f"M{num(cx)} {num(cy - r)}Q{num(cx + k)} {num(cy - k)} {num(cx + r)} {num(cy)}"
         f"Q{num(cx + k)} {num(cy + k)} {num(cx)} {num(cy + r)}Q{num(cx - k)} {num(cy + k)} {num(cx - r)} {num(cy)}"
         f"Q{num(cx - k)} {num(cy - k)} {num(cx)} {num(cy - r)}Z")
    return path(d, fill, f' fill-opacity="{num(opacity)}"')


def pickaxe(cx, cy, angle, size, handle, handle_dark, steel, steel_dark, hi):
    """A pickaxe centred on its head, the handle pointing down at `angle`."""
    s = size
    # handle: along +y from head, drawn unrotated then rotated
    h = (f'<g transform="translate({num(cx)},{num(cy)}) rotate({num(angle)})">'
         + rect(-s * 0.06, -s * 0.05, s * 0.06, s * 0.95, handle, r=s * 0.05,
                extra=f' stroke="{handle_dark}" stroke-width="{num(s * 0.02)}"')
         + rect(-s * 0.02, s * 0.05, s * 0.015, s * 0.9, hi, extra=' fill-opacity="0.35"')
         # head: a curved double-pointed blade
         + path(f"M{num(-s * 0.55)} {num(s * 0.16)}Q{num(-s * 0.3)} {num(-s * 0.14)} 0 {num(-s * 0.13)}"
                f"Q{num(s * 0.3)} {num(-s * 0.14)} {num(s * 0.55)} {num(s * 0.16)}"
                f"Q{num(s * 0.28)} {num(-s * 0.02)} 0 {num(s * 0.02)}Q{num(-s * 0.28)} {num(-s * 0.02)} {num(-s * 0.55)} {num(s * 0.16)}Z",
                steel, f' stroke="{steel_dark}" stroke-width="{num(s * 0.02)}" stroke-linejoin="round"')
         + path(f"M{num(-s * 0.45)} {num(s * 0.08)}Q{num(-s * 0.25)} {num(-s * 0.1)} 0 {num(-s * 0.09)}"
                f"Q{num(s * 0.25)} {num(-s * 0.1)} {num(s * 0.45)} {num(s * 0.08)}",
                "none", f' stroke="{hi}" stroke-opacity="0.6" stroke-width="{num(s * 0.025)}" stroke-linecap="round"')
         + rect(-s * 0.08, -s * 0.16, s * 0.08, s * 0.06, steel_dark, r=s * 0.02)
         + '</g>')
    return h


def ingot(cx, cy, w, h, top, front, side, outline, hi_op):
    """A trapezoid gold bar seen slightly from above."""
    t = h * 0.45
    inset = w * 0.16
    top_pts = [(cx - w / 2 + inset, cy - h / 2), (cx + w / 2 - inset, cy - h / 2),
               (cx + w / 2 - inset * 0.5, cy - h / 2 + t), (cx - w / 2 + inset * 0.5, cy - h / 2 + t)]
    front_pts = [(cx - w / 2 + inset * 0.5, cy - h / 2 + t), (cx + w / 2 - inset * 0.5, cy - h / 2 + t),
                 (cx + w / 2, cy + h / 2), (cx - w / 2, cy + h / 2)]
    o = f' stroke="{outline}" stroke-width="0.8" stroke-linejoin="round"'
    out = poly(front_pts, front, o) + poly(top_pts, top, o)
    if hi_op > 0:
        out += path(f"M{num(cx - w / 2 + inset + 2)} {num(cy - h / 2 + 1.5)}H{num(cx + w / 2 - inset - 4)}",
                    "none", f' stroke="#ffffff" stroke-opacity="{num(hi_op)}" stroke-width="1.2" stroke-linecap="round"')
    return out


def ore_cart(cx, top, w, h, body, body_dark, band, rivet, wheel, gold, gold_line, hi_op, seed, heap=1.0):
    """An ore cart on rails heaped with gold nuggets; `top` is the rim height."""
    out = []
    # heap of nuggets above the rim
    if heap > 0:
        n = 7
        for i in range(n):
            fx = (i + 0.5) / n
            x = cx - w * 0.42 + fx * w * 0.84
            peak = math.sin(fx * math.pi)
            y = top - 2 - peak * h * 0.32 * heap
            out.append(nugget(x, y + 3, w * 0.1, h * 0.13, seed + i, gold, hi_op, gold_line))
        for i in range(4):
            fx = (i + 0.5) / 4
            x = cx - w * 0.3 + fx * w * 0.6
            y = top - 2 - math.sin(fx * math.pi) * h * 0.5 * heap
            out.append(nugget(x, y + 3, w * 0.1, h * 0.12, seed + 20 + i, gold, hi_op, gold_line))
    # body: wider at the rim
    bw = w * 0.5
    out.append(poly([(cx - bw, top), (cx + bw, top), (cx + bw * 0.82, top + h), (cx - bw * 0.82, top + h)],
                    body, f' stroke="{body_dark}" stroke-width="1" stroke-linejoin="round"'))
    out.append(rect(cx - bw - 1.5, top - 1.5, cx + bw + 1.5, top + 2.5, band, r=1,
                    extra=f' stroke="{body_dark}" stroke-width="0.6"'))
    for fy in (0.45, 0.85):
        yy = top + h * fy
        half = bw - (bw * 0.18) * fy
        out.append(rect(cx - half, yy - 1.2, cx + half, yy + 1.2, band))
    for fx in (-0.7, -0.25, 0.25, 0.7):
        out.append(circle(cx + bw * fx * 0.9, top + h * 0.45, 1.1, rivet))
        out.append(circle(cx + bw * fx * 0.85, top + h * 0.85, 1.1, rivet))
    # wheels
    for sx in (-1, 1):
        wx = cx + sx * bw * 0.55
        out.append(circle(wx, top + h + 2, h * 0.26, wheel, f' stroke="{body_dark}" stroke-width="1"'))
        out.append(circle(wx, top + h + 2, h * 0.09, band))
    return "".join(out)


def lantern(cx, top, s, lit, glow_id=None):
    """A hanging miner's lantern: bail, cap, glass globe in an iron cage."""
    out = []
    iron, iron_hi = ("#2a2622", "#8a8278") if lit else ("#1c1916", "#4a443e")
    globe = "url(#lanternGlobe)" if lit else "url(#lanternGlobeOff)"
    if lit and glow_id:
        out.append(circle(cx, top + s * 1.05, s * 1.6, f"url(#{glow_id})"))
    # bail (wire handle)
    out.append(path(f"M{num(cx - s * 0.38)} {num(top + s * 0.42)}Q{num(cx)} {num(top - s * 0.28)} {num(cx + s * 0.38)} {num(top + s * 0.42)}",
                    "none", f' stroke="{iron}" stroke-width="{num(s * 0.06)}"'))
    out.append(circle(cx, top + s * 0.08, s * 0.07, "none", f' stroke="{iron}" stroke-width="{num(s * 0.04)}"'))
    # cap
    out.append(path(f"M{num(cx - s * 0.42)} {num(top + s * 0.52)}Q{num(cx)} {num(top + s * 0.18)} {num(cx + s * 0.42)} {num(top + s * 0.52)}Z",
                    iron, f' stroke="{iron_hi}" stroke-width="{num(s * 0.02)}"'))
    out.append(rect(cx - s * 0.46, top + s * 0.5, cx + s * 0.46, top + s * 0.62, iron, r=s * 0.03))
    # globe
    out.append(ellipse(cx, top + s * 1.02, s * 0.4, s * 0.42, globe))
    # cage bars
    for fx in (-0.38, -0.14, 0.14, 0.38):
        out.append(path(f"M{num(cx + s * fx * 0.8)} {num(top + s * 0.6)}Q{num(cx + s * fx * 1.25)} {num(top + s * 1.02)} {num(cx + s * fx * 0.8)} {num(top + s * 1.44)}",
                        "none", f' stroke="{iron}" stroke-width="{num(s * 0.045)}"'))
    out.append(rect(cx - s * 0.42, top + s * 0.98, cx + s * 0.42, top + s * 1.05, iron))
    # base
    out.append(rect(cx - s * 0.44, top + s * 1.42, cx + s * 0.44, top + s * 1.56, iron, r=s * 0.04,
                    extra=f' stroke="{iron_hi}" stroke-width="{num(s * 0.02)}"'))
    out.append(ellipse(cx - s * 0.14, top + s * 0.86, s * 0.08, s * 0.14, "#ffffff",
                       f' fill-opacity="{0.55 if lit else 0.12}"'))
    return "".join(out)


def lantern_defs(prefix="", lit=True):
    return (rad("lanternGlobe", [(0, "#ffffff"), (0.3, "#fff3b0"), (0.7, "#ffb52e"), (1, "#c0600c")], fx=0.45, fy=0.42) +
            rad("lanternGlobeOff", [(0, "#6a5a40"), (0.6, "#3e3020"), (1, "#1e160c")], fx=0.4, fy=0.38) +
            rad("lanternHalo", [(0, "#ffd36a", 0.75), (0.35, "#ffb030", 0.35), (1, "#ff9000", 0)]))


# ------------------------------------------------------------------ title glass

TG_W, TG_H = 302, 165


def title_glass(lit):
    """Returns (defs, body) of the title glass in local coordinates 0..302 x 0..165."""
    W, H = TG_W, TG_H
    P = "tg"
    d = []
    b = []
    if lit:
        d.append(rad(P + "Bg", [(0, "#fffbe6"), (0.16, "#ffe27a"), (0.38, "#f6a431"), (0.66, "#b6520f"), (1, "#4a1806")],
                     cx=151, cy=132, r=200, user=True, transform="translate(151,132) scale(1,0.82) translate(-151,-132)"))
        d.append(lin(P + "Word", [(0, "#fffef0"), (0.3, "#ffe88a"), (0.5, "#f2b22a"), (0.54, "#c47612"),
                                  (0.68, "#ffd860"), (0.88, "#ffc22e"), (1, "#a85a08")], 0, 14, 0, 62, user=True))
        d.append(rad(P + "WordGlow", [(0, "#ffffff", 0.85), (0.5, "#fff2b0", 0.45), (1, "#ffd060", 0)]))
        d.append(rad(P + "Tunnel", [(0, "#ffffff"), (0.25, "#fff1a8"), (0.6, "#ffb22c"), (1, "#7a2e06")],
                     cx=0.5, cy=0.65, r=0.6))
        d.append(lin(P + "Plank", [(0, "#b3743a"), (0.5, "#8a5226"), (1, "#5a3012")]))
        d.append(lin(P + "Slots", [(0, "#fffce0"), (0.5, "#ffd44a"), (1, "#e08a10")]))
        d.append(lin(P + "Beam", [(0, "#a8693a"), (0.5, "#7a4620"), (1, "#4a2810")], 0, 0, 1, 0))
        d.append(rad(P + "Gold", [(0, "#fffbe0"), (0.35, "#ffd648"), (0.8, "#d8900e"), (1, "#8a4e04")], fx=0.35, fy=0.3))
        d.append(lin(P + "IngotTop", [(0, "#fff6c0"), (1, "#ffcf40")]))
        d.append(lin(P + "IngotFront", [(0, "#f8bc2a"), (1, "#a8600a")]))
        d.append(lin(P + "Steel", [(0, "#f4f4f8"), (0.5, "#b8bcc8"), (1, "#6a6e7a")]))
        d.append(lin(P + "Sheen", [(0, "#ffffff", 0.3), (1, "#ffffff", 0)]))
        d.append(lin(P + "Cart", [(0, "#6e6a72"), (1, "#3a363e")]))
        pal = dict(rays="#fff6c8", rays_op=0.34, outline="#3c1404", extr="#6a2808", plank_line="#3a1a06",
                   slots_outline="#3a1404", beam_dark="#3a1e0a", gold_line="#8a4a04", hi=0.75,
                   handle="#a0622a", handle_dark="#4a2a10", steel_dark="#3a3c44", steel_hi="#ffffff",
                   rail="#5a3a22", rail_hi="#e0b070", tie="#5a3418", cart_dark="#1e1a20", band="#9a9aa4",
                   rivet="#e0e0e8", wheel="#2a2628", ingot_line="#8a4e06", sheen=1.0, vignette=0.45,
                   spark="#ffffff", spark_op=0.95)
    else:
        d.append(rad(P + "Bg", [(0, "#4e3620"), (0.3, "#3a2614"), (0.7, "#22160b"), (1, "#120a05")],
                     cx=151, cy=132, r=200, user=True, transform="translate(151,132) scale(1,0.82) translate(-151,-132)"))
        d.append(lin(P + "Word", [(0, "#9a8050"), (0.5, "#6e5430"), (0.54, "#54401f"), (1, "#4a3418")], 0, 14, 0, 62, user=True))
        d.append(rad(P + "Tunnel", [(0, "#2a1a0e"), (0.6, "#140b05"), (1, "#080402")], cx=0.5, cy=0.65, r=0.6))
        d.append(lin(P + "Plank", [(0, "#4a3220"), (0.5, "#3a2414"), (1, "#24160a")]))
        d.append(lin(P + "Slots", [(0, "#8a7048"), (1, "#5a4422")]))
        d.append(lin(P + "Beam", [(0, "#3e2818"), (0.5, "#2e1c0e"), (1, "#1c1008")], 0, 0, 1, 0))
        d.append(rad(P + "Gold", [(0, "#7a6238"), (0.5, "#5a4422"), (1, "#2e200c")], fx=0.35, fy=0.3))
        d.append(lin(P + "IngotTop", [(0, "#7a6440"), (1, "#5e4a26")]))
        d.append(lin(P + "IngotFront", [(0, "#5a4422"), (1, "#34260e")]))
        d.append(lin(P + "Steel", [(0, "#6a6a70"), (0.5, "#4a4c54"), (1, "#2a2c32")]))
        d.append(lin(P + "Sheen", [(0, "#ffffff", 0.12), (1, "#ffffff", 0)]))
        d.append(lin(P + "Cart", [(0, "#34303a"), (1, "#1c1a20")]))
        pal = dict(rays="#b08850", rays_op=0.05, outline="#140a04", extr="#0c0603", plank_line="#140a04",
                   slots_outline="#140a04", beam_dark="#120a04", gold_line="#241808", hi=0.12,
                   handle="#4a3018", handle_dark="#1c1008", steel_dark="#18181c", steel_hi="#9a9aa0",
                   rail="#2a1c12", rail_hi="#5a4632", tie="#26180c", cart_dark="#0c0a0e", band="#44444c",
                   rivet="#6a6a72", wheel="#141214", ingot_line="#241808", sheen=0.5, vignette=0.55,
                   spark="#c8b890", spark_op=0.0)

    # background glass with sun rays pouring out of the mine
    b.append(rect(0, 0, W, H, f"url(#{P}Bg)"))
    b.append(rays(151, 132, 32, 420, 0, 0, W, H, pal["rays"], pal["rays_op"], phase=0.05))
    if lit:
        b.append(ellipse(151, 40, 165, 46, f"url(#{P}WordGlow)"))

    # crossed pickaxes, left
    for ang in (-38, 38):
        b.append(pickaxe(50 + (0 if ang < 0 else 0), 100, ang, 66, pal["handle"], pal["handle_dark"],
                         f"url(#{P}Steel)", pal["steel_dark"], pal["steel_hi"]))
    b.append(nugget(50, 150, 13, 9, 11, f"url(#{P}Gold)", pal["hi"], pal["gold_line"]))
    b.append(nugget(31, 156, 9, 6, 12, f"url(#{P}Gold)", pal["hi"], pal["gold_line"]))
    b.append(nugget(69, 157, 8, 5.5, 13, f"url(#{P}Gold)", pal["hi"], pal["gold_line"]))

    # stack of ingots, right
    it, fr = f"url(#{P}IngotTop)", f"url(#{P}IngotFront)"
    for (x, y) in ((232, 150), (270, 150), (251, 131), (232 + 38 * 0.5 + 19 - 19, 112 + 0)):
        pass
    b.append(ingot(231, 150, 38, 17, it, fr, None, pal["ingot_line"], pal["hi"] * 0.8))
    b.append(ingot(271, 150, 38, 17, it, fr, None, pal["ingot_line"], pal["hi"] * 0.8))
    b.append(ingot(251, 133, 38, 17, it, fr, None, pal["ingot_line"], pal["hi"] * 0.8))
    b.append(ingot(251, 116, 34, 15, it, fr, None, pal["ingot_line"], pal["hi"] * 0.8))

    # mine entrance: timber posts and lintel, glowing tunnel
    b.append(poly([(118, 104), (184, 104), (190, H), (112, H)], f"url(#{P}Tunnel)"))
    # rails leading out of the tunnel
    for i, y in enumerate((130, 138, 148, 160)):
        half = 6 + (y - 124) * 0.9
        b.append(rect(151 - half - 3, y - 1 - i * 0.3, 151 + half + 3, y + 1 + i * 0.4, pal["tie"]))
    for sx in (-1, 1):
        b.append(path(f"M{num(151 + sx * 6)} 124L{num(151 + sx * 40)} {H}", "none",
                      f' stroke="{pal["rail"]}" stroke-width="2.6"'))
        b.append(path(f"M{num(151 + sx * 6)} 124L{num(151 + sx * 40)} {H}", "none",
                      f' stroke="{pal["rail_hi"]}" stroke-width="0.9" stroke-opacity="0.8"'))
    # the cart coming out of the mine
    b.append(ore_cart(151, 137, 58, 19, f"url(#{P}Cart)", pal["cart_dark"], pal["band"], pal["rivet"],
                      pal["wheel"], f"url(#{P}Gold)", pal["gold_line"], pal["hi"], 40))
    # posts (slightly leaning in) and lintel beam
    for (x0, x1, x2, x3) in ((104, 118, 114, 100), (184, 198, 202, 188)):
        b.append(poly([(x0, 100), (x1, 100), (x2, H), (x3, H)], f"url(#{P}Beam)",
                      f' stroke="{pal["beam_dark"]}" stroke-width="1"'))
    b.append(rect(92, 92, 210, 105, f"url(#{P}Plank)", r=2, extra=f' stroke="{pal["beam_dark"]}" stroke-width="1"'))
    for x in (99, 203, 111, 191):
        b.append(circle(x, 98.5, 1.4, pal["rivet"]))

    # "SLOTS" sign board nailed above the lintel
    b.append(rect(104, 69, 198, 92, f"url(#{P}Plank)", r=2.5, extra=f' stroke="{pal["plank_line"]}" stroke-width="1.2"'))
    b.append(path("M108 76H194M108 85H194", "none", f' stroke="{pal["plank_line"]}" stroke-opacity="0.25" stroke-width="0.8"'))
    for x in (109, 193):
        b.append(circle(x, 80.5, 1.6, pal["rivet"]))
    sd = text_path("SLOTS", "sans-bold", 19, 151, 88, sx=1.0, spacing=3)
    b.append(path(sd, "none", f' stroke="{pal["slots_outline"]}" stroke-width="3" stroke-linejoin="round"'))
    b.append(path(sd, f"url(#{P}Slots)"))

    # the big word
    size, base = 58, 62
    w0 = text_width("OREVEIN", "serif-bold", size)
    sx = 286 / w0
    wd = text_path("OREVEIN", "serif-bold", size, 151, base, sx=sx)
    b.append(f'<g transform="translate(0,0)">')
    for i in range(5, 0, -1):
        b.append(path(wd, pal["extr"], f' transform="translate({num(i * 0.45)},{num(i * 0.8)})"'
                      f' stroke="{pal["extr"]}" stroke-width="4" stroke-linejoin="round"'))
    b.append(path(wd, "none", f' stroke="{pal["outline"]}" stroke-width="5" stroke-linejoin="round"'))
    b.append(path(wd, f"url(#{P}Word)"))
    b.append('</g>')

    # sparkles
    for (x, y, r) in ((30, 18, 7), (270, 14, 6), (288, 60, 4.5), (14, 62, 4), (226, 96, 4.5), (80, 74, 4),
                      (151, 118, 5)):
        if pal["spark_op"] > 0:
            b.append(sparkle(x, y, r, pal["spark"], pal["spark_op"]))

    # glass: sheen band and darkened rim
    b.append(poly([(0, 0), (110, 0), (40, H), (0, H)], f"url(#{P}Sheen)", f' opacity="{num(0.5 * pal["sheen"])}"'))
    b.append(poly([(128, 0), (150, 0), (80, H), (58, H)], "#ffffff", f' fill-opacity="{num(0.06 * pal["sheen"])}"'))
    b.append(shaded_rim(W, H, [op * pal["vignette"] / 0.45 for op in (0.5, 0.3, 0.18, 0.1)]))
    return "\n".join(d), "\n".join(b)


# ------------------------------------------------------------------ coin sign

CS_W, CS_H = 84, 85


def coin_sign(lit):
    W, H = CS_W, CS_H
    P = "cs"
    d, b = [], []
    if lit:
        d.append(rad(P + "Bg", [(0, "#fff0b8"), (0.3, "#f7a52e"), (0.7, "#8a300a"), (1, "#3a1004")], cx=42, cy=36, r=60, user=True))
        d.append(rad(P + "Face", [(0, "#fffbe0"), (0.4, "#ffd84e"), (0.85, "#e0960e"), (1, "#b46a06")], fx=0.38, fy=0.32))
        d.append(lin(P + "Rim", [(0, "#fff4b8"), (0.5, "#d89218"), (1, "#7a4204")]))
        d.append(lin(P + "RimIn", [(0, "#8a4a04"), (1, "#fff0a8")]))
        d.append(lin(P + "Band", [(0, "#a82a0c"), (0.5, "#7a1a06"), (1, "#4a0c02")]))
        d.append(lin(P + "BandText", [(0, "#fffef0"), (1, "#ffd040")]))
        d.append(rad(P + "Halo", [(0, "#ffffff", 0.8), (0.45, "#fff0a0", 0.5), (1, "#ffc040", 0)]))
        pal = dict(rays="#fff4c0", rays_op=0.35, emboss="#7a3e02", emboss_hi="#fffbe8", band_line="#2a0600",
                   text_outline="#3a0a00", spark_op=0.95, sheen=1.0)
    else:
        d.append(rad(P + "Bg", [(0, "#4a3220"), (0.5, "#2a1a0e"), (1, "#120905")], cx=42, cy=36, r=60, user=True))
        d.append(rad(P + "Face", [(0, "#7a6440"), (0.6, "#5a4624"), (1, "#3a2a10")], fx=0.38, fy=0.32))
        d.append(lin(P + "Rim", [(0, "#7a6440"), (0.5, "#4e3a1a"), (1, "#2a1c08")]))
        d.append(lin(P + "RimIn", [(0, "#2a1c08"), (1, "#6a5432")]))
        d.append(lin(P + "Band", [(0, "#3e1c12"), (0.5, "#2e140c"), (1, "#1e0a06")]))
        d.append(lin(P + "BandText", [(0, "#8a7a5a"), (1, "#6a5a3a")]))
        pal = dict(rays="#a08050", rays_op=0.05, emboss="#2a1c08", emboss_hi="#8a7650", band_line="#0e0402",
                   text_outline="#0e0402", spark_op=0.0, sheen=0.45)
    b.append(rect(0, 0, W, H, f"url(#{P}Bg)"))
    b.append(rays(42, 36, 20, 120, 0, 0, W, H, pal["rays"], pal["rays_op"], phase=0.1))
    if lit:
        b.append(circle(42, 36, 38, f"url(#{P}Halo)"))
    # the coin
    b.append(circle(43, 38, 27, "#000000", ' fill-opacity="0.35"'))
    b.append(circle(42, 36, 27, f"url(#{P}Rim)", f' stroke="{pal["emboss"]}" stroke-width="1"'))
    b.append(circle(42, 36, 22.5, f"url(#{P}RimIn)"))
    b.append(circle(42, 36, 21.3, f"url(#{P}Face)"))
    # milled edge ticks
    ticks = []
    for i in range(36):
        a = 2 * math.pi * i / 36
        ticks.append(f"M{num(42 + 24 * math.cos(a))} {num(36 + 24 * math.sin(a))}L{num(42 + 26.3 * math.cos(a))} {num(36 + 26.3 * math.sin(a))}")
    b.append(path("".join(ticks), "none", f' stroke="{pal["emboss"]}" stroke-opacity="0.55" stroke-width="1"'))
    td = text_path("+1", "sans-bold", 25, 42, 45.5)
    b.append(path(td, pal["emboss_hi"], ' transform="translate(-0.8,-0.8)" fill-opacity="0.8"'))
    b.append(path(td, pal["emboss"], ' transform="translate(0.9,0.9)"'))
    b.append(path(td, f"url(#{P}Rim)"))
    # "BET" band
    b.append(rect(9, 66, 75, 82, f"url(#{P}Band)", r=4, extra=f' stroke="{pal["band_line"]}" stroke-width="1.2"'))
    bd = text_path("BET", "sans-bold", 13, 42, 79, spacing=2)
    b.append(path(bd, "none", f' stroke="{pal["text_outline"]}" stroke-width="2.2" stroke-linejoin="round"'))
    b.append(path(bd, f"url(#{P}BandText)"))
    for x in (16, 68):
        b.append(sparkle(x, 74, 3.2, f"url(#{P}BandText)", 1.0))
    if pal["spark_op"] > 0:
        for (x, y, r) in ((12, 12, 5), (72, 10, 4), (75, 52, 3.5), (9, 50, 3)):
            b.append(sparkle(x, y, r, "#ffffff", pal["spark_op"]))
    # glass sheen and rim shadow
    b.append(poly([(0, 0), (34, 0), (8, H), (0, H)], "#ffffff", f' fill-opacity="{num(0.1 * pal["sheen"])}"'))
    b.append(shaded_rim(W, H, (0.5, 0.3, 0.15)))
    return "\n".join(d), "\n".join(b)


# ------------------------------------------------------------------ title strip

TS_W, TS_H = 429, 45


def title_strip(lit):
    W, H = TS_W, TS_H
    P = "ts"
    d, b = [], []
    if lit:
        d.append(lin(P + "Bg", [(0, "#3a0c02"), (0.28, "#8e2a06"), (0.5, "#c64a0e"), (0.72, "#8e2a06"), (1, "#3a0c02")]))
        d.append(lin(P + "Word", [(0, "#fffef0"), (0.35, "#ffe070"), (0.55, "#f0a820"), (0.6, "#c87810"), (1, "#ffd24a")],
                     0, 12, 0, 33, user=True))
        d.append(rad(P + "Glow", [(0, "#ffe890", 0.8), (0.6, "#ffb040", 0.3), (1, "#ff8000", 0)]))
        d.append(rad(P + "Bulb", [(0, "#ffffff"), (0.35, "#fff6c0"), (0.8, "#ffc030"), (1, "#c86a00")], fx=0.4, fy=0.35))
        d.append(rad(P + "BulbHalo", [(0, "#ffe070", 0.7), (1, "#ffa000", 0)]))
        d.append(rad(P + "Gold", [(0, "#fffbe0"), (0.35, "#ffd648"), (0.8, "#d8900e"), (1, "#8a4e04")], fx=0.35, fy=0.3))
        d.append(lin(P + "IngotTop", [(0, "#fff6c0"), (1, "#ffcf40")]))
        d.append(lin(P + "IngotFront", [(0, "#f8bc2a"), (1, "#a8600a")]))
        pal = dict(outline="#3a0800", extr="#2a0600", hi=0.75, gold_line="#7a3a02", ingot_line="#7a4004",
                   chevron="#ffd24a", chevron_op=0.9, sheen=1.0, socket="#3a1a04")
    else:
        d.append(lin(P + "Bg", [(0, "#1a0a04"), (0.5, "#3a1a0e"), (1, "#1a0a04")]))
        d.append(lin(P + "Word", [(0, "#8a7650"), (0.6, "#5e4a2a"), (1, "#6a5432")], 0, 12, 0, 33, user=True))
        d.append(rad(P + "Bulb", [(0, "#8a7a5a"), (0.5, "#5a4a30"), (1, "#2a2010")], fx=0.4, fy=0.35))
        d.append(rad(P + "Gold", [(0, "#7a6238"), (0.5, "#5a4422"), (1, "#2e200c")], fx=0.35, fy=0.3))
        d.append(lin(P + "IngotTop", [(0, "#7a6440"), (1, "#5e4a26")]))
        d.append(lin(P + "IngotFront", [(0, "#5a4422"), (1, "#34260e")]))
        pal = dict(outline="#100602", extr="#0a0402", hi=0.12, gold_line="#241808", ingot_line="#241808",
                   chevron="#6a5432", chevron_op=0.6, sheen=0.45, socket="#140a04")
    b.append(rect(0, 0, W, H, f"url(#{P}Bg)"))
    if lit:
        b.append(ellipse(W / 2, 22.5, 150, 20, f"url(#{P}Glow)"))
    # bulb rows along the top and bottom edges
    b.append(bulb_rows(W, lit, P, pal["socket"]))
    # chevrons pointing at the words
    for sx in (-1, 1):
        for k in range(3):
            x = W / 2 + sx * (178 - k * 9)
            b.append(path(f"M{num(x + sx * 3)} 15L{num(x - sx * 3)} 22.5L{num(x + sx * 3)} 30", "none",
                          f' stroke="{pal["chevron"]}" stroke-opacity="{num(pal["chevron_op"] * (0.45 + 0.27 * k))}"'
                          f' stroke-width="2.4" stroke-linecap="round" stroke-linejoin="round"'))
    # gold: nuggets and ingots beside the words
    for sx, seed in ((-1, 3), (1, 5)):
        b.append(ingot(W / 2 + sx * 135, 24, 26, 13, f"url(#{P}IngotTop)", f"url(#{P}IngotFront)", None,
                       pal["ingot_line"], pal["hi"] * 0.8))
        b.append(nugget(W / 2 + sx * 111, 23.5, 8, 6.5, seed, f"url(#{P}Gold)", pal["hi"], pal["gold_line"]))
    # the words
    wd = text_path("STRIKE GOLD", "sans-bold", 22, W / 2, 31, spacing=1.5)
    b.append(extruded(wd, f"url(#{P}Word)", pal["outline"], 3.4, 3, pal["extr"], (0.4, 0.6), extr_w=3))
    # glass sheen across the upper half
    b.append(rect(0, 11, W, 19, "#ffffff", extra=f' fill-opacity="{num(0.07 * pal["sheen"])}"'))
    b.append(shaded_rim(W, H, (0.5, 0.25)))
    return "\n".join(d), "\n".join(b)
