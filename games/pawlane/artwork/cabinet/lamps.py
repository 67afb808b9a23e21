"""The Pawlane lamp pictures (title glass, coin sign, title strip), each in its
own local coordinates. The unlit picture is the lit one without its glow and
sparkle, behind a dark, cold glass."""
from farm import *  # noqa: F401,F403  (the SVG helpers come with it)

TG_W, TG_H = 302, 143
CS_W, CS_H = 84, 85
TS_W, TS_H = 429, 45


def lamp_defs(P):
    return "\n".join([
        lin(P + "Word", [(0, "#fffef0"), (0.3, "#fff27a"), (0.55, "#ffd21a"), (0.6, "#f6a800"), (1, "#ffcc2a")],
            0, 14, 0, 64, user=True),
        lin(P + "Red", [(0, "#ff5a3a"), (0.5, "#e0200e"), (1, "#9a0c04")]),
        lin(P + "Sheen", [(0, "#ffffff", 0.32), (1, "#ffffff", 0)]),
        rad(P + "Glow", [(0, "#ffffff", 0.9), (0.5, "#fff6b0", 0.45), (1, "#fff0a0", 0)]),
        lin(P + "Coin", [(0, "#fffbe0"), (0.35, "#ffe050"), (0.75, "#f0a810"), (1, "#b86a00")]),
        rad(P + "CoinFace", [(0, "#fffbe0"), (0.4, "#ffe04a"), (0.85, "#f0a810"), (1, "#c07800")], fx=0.38, fy=0.32),
        lin(P + "Blue", [(0, "#3aa0ff"), (0.5, "#1460d8"), (1, "#0a3088")]),
    ])


def glass_finish(W, H, lit, overlay="#06081a"):
    """Unlit: a dark cold glass over the picture. Both: a sheen and a shaded rim."""
    out = []
    if not lit:
        out.append(rect(0, 0, W, H, overlay, extra=' fill-opacity="0.64"'))
    out.append(poly([(0, 0), (W * 0.3, 0), (W * 0.12, H), (0, H)], "#ffffff",
                    f' fill-opacity="{0.09 if lit else 0.05}"'))
    out.append(shaded_rim(W, H, (0.55, 0.3, 0.15)))
    return "\n".join(out)


def big_word(text, font, size, cx, base, width, fill, outline="#8a0a04", extr="#4a0402", depth=5, ow=5.5):
    return extruded(fitted_text_path(text, font, size, cx, base, width), fill, outline, ow, depth, extr, (0.4, 0.8),
                    halo=("#ffffff", ow + 3))


def title_glass(lit):
    """(defs, body) of the title glass, 302x143: the name over a sunny farm."""
    W, H = TG_W, TG_H
    P = "tg" + ("L" if lit else "U")
    d = [lamp_defs(P), lin(P + "Sky", [(0, "#1f7ee0"), (0.6, "#6cbcff"), (1, "#c8ecff")])]
    b = [rect(0, 0, W, H, f"url(#{P}Sky)")]
    b.append(rays(151, 40, 28, 260, 0, 0, W, H, "#ffffff", 0.16 if lit else 0.05, phase=0.03))
    if lit:
        b.append(ellipse(151, 38, 170, 48, f"url(#{P}Glow)"))
    b.append(cloud(30, 92, 11, 0.9))
    b.append(cloud(262, 86, 9, 0.9))
    # hills, barn, fence and the chicks
    b.append(hill(0, 190, 118, 26, H, "url(#fmHillFar)", 0.4))
    b.append(hill(120, W, 112, 22, H, "url(#fmHillFar)", 0.5))
    b.append(barn(222, 128, 50, 40))
    b.append(hill(0, W, 134, 10, H, "url(#fmHillNear)", 0.4))
    b.append(fence(78, 210, 138, 16))
    b.append(chick(26, 124, 11))
    b.append(chick(50, 128, 8, flip=True))
    b.append(flower(284, 132, 7, stem=10))
    b.append(flower(190, 136, 5))
    # the name and the SLOTS ribbon
    b.append(big_word("PAWLANE", "sans-bold", 56, 151, 62, 282, f"url(#{P}Word)"))
    rx0, rx1, ry0, ry1 = 100, 202, 70, 92
    b.append(poly([(rx0 - 14, ry0 + 4), (rx0, ry0 + 4), (rx0, ry1 + 4), (rx0 - 14, ry1 + 4), (rx0 - 8, (ry0 + ry1) / 2 + 4)],
                  "#9a0c04", ' stroke="#4a0402" stroke-width="1"'))
    b.append(poly([(rx1 + 14, ry0 + 4), (rx1, ry0 + 4), (rx1, ry1 + 4), (rx1 + 14, ry1 + 4), (rx1 + 8, (ry0 + ry1) / 2 + 4)],
                  "#9a0c04", ' stroke="#4a0402" stroke-width="1"'))
    b.append(rect(rx0, ry0, rx1, ry1, f"url(#{P}Red)", r=2, extra=' stroke="#4a0402" stroke-width="1.2"'))
    b.append(path(f"M{rx0 + 3} {ry0 + 2.5}H{rx1 - 3}M{rx0 + 3} {ry1 - 2.5}H{rx1 - 3}", "none",
                  ' stroke="#ffe060" stroke-width="0.8" stroke-dasharray="3 2"'))
    sd = text_path("SLOTS", "sans-bold", 17, 151, 88, spacing=4)
    b.append(path(sd, "none", ' stroke="#4a0402" stroke-width="3" stroke-linejoin="round"'))
    b.append(path(sd, "#fff6d0"))
    if lit:
        for (x, y, r) in ((16, 16, 6), (286, 14, 6), (292, 58, 4), (10, 62, 4), (232, 84, 4), (72, 84, 4)):
            b.append(sparkle_star(x, y, r))
    b.append(glass_finish(W, H, lit))
    return "\n".join(d), "\n".join(b)


def sparkle_star(cx, cy, r, fill="#ffffff"):
    k = r * 0.22
    dd = (f"M{num(cx)} {num(cy - r)}Q{num(cx + k)} {num(cy - k)} {num(cx + r)} {num(cy)}"
          f"Q{num(cx + k)} {num(cy + k)} {num(cx)} {num(cy + r)}Q{num(cx - k)} {num(cy + k)} {num(cx - r)} {num(cy)}"
          f"Q{num(cx - k)} {num(cy - k)} {num(cx)} {num(cy - r)}Z")
    return path(dd, fill, ' fill-opacity="0.95"')


def coin_sign(lit):
    """(defs, body) of the coin sign, 84x85: a gold coin over a blue sunburst, BET on a red band."""
    W, H = CS_W, CS_H
    P = "cs" + ("L" if lit else "U")
    d = [lamp_defs(P), rad(P + "Bg", [(0, "#bfe6ff"), (0.35, "#2f8ee8"), (0.8, "#0c3a9a"), (1, "#061c5a")],
                           cx=42, cy=36, r=62, user=True)]
    b = [rect(0, 0, W, H, f"url(#{P}Bg)"),
         rays(42, 36, 20, 120, 0, 0, W, H, "#ffffff", 0.28 if lit else 0.06, phase=0.1)]
    if lit:
        b.append(circle(42, 36, 38, f"url(#{P}Glow)"))
    b.append(circle(43, 38.5, 27, "#000000", ' fill-opacity="0.35"'))
    b.append(circle(42, 36, 27, f"url(#{P}Coin)", ' stroke="#8a5000" stroke-width="1"'))
    b.append(circle(42, 36, 22, f"url(#{P}CoinFace)", ' stroke="#c07800" stroke-width="1"'))
    ticks = "".join(f"M{num(42 + 23.6 * math.cos(a))} {num(36 + 23.6 * math.sin(a))}"
                    f"L{num(42 + 26 * math.cos(a))} {num(36 + 26 * math.sin(a))}"
                    for a in (2 * math.pi * i / 36 for i in range(36)))
    b.append(path(ticks, "none", ' stroke="#8a5000" stroke-opacity="0.6" stroke-width="1"'))
    b.append(paw(42, 30, 4.2, "#c07800", ' opacity="0.55"'))
    td = text_path("+1", "sans-bold", 22, 42, 50)
    b.append(path(td, "#fffbe8", ' transform="translate(-0.7,-0.7)" fill-opacity="0.9"'))
    b.append(path(td, "#8a3a00", ' transform="translate(0.8,0.8)"'))
    b.append(path(td, "#e01e0e"))
    b.append(rect(9, 66, 75, 82, f"url(#{P}Red)", r=4, extra=' stroke="#4a0402" stroke-width="1.2"'))
    bd = text_path("BET", "sans-bold", 13, 42, 79, spacing=2)
    b.append(path(bd, "none", ' stroke="#4a0402" stroke-width="2.2" stroke-linejoin="round"'))
    b.append(path(bd, "#fff27a"))
    for x in (17, 67):
        b.append(paw(x, 74.5, 2.4, "#fff27a"))
    if lit:
        for (x, y, r) in ((12, 12, 5), (72, 10, 4), (75, 52, 3.5), (9, 50, 3)):
            b.append(sparkle_star(x, y, r))
    b.append(glass_finish(W, H, lit))
    return "\n".join(d), "\n".join(b)


def title_strip(lit):
    """(defs, body) of the title strip, 429x45: a marquee of bulbs around the slogan."""
    W, H = TS_W, TS_H
    P = "ts" + ("L" if lit else "U")
    d = [lamp_defs(P),
         lin(P + "Bg", [(0, "#5a0602"), (0.3, "#c01a0c"), (0.5, "#e8301a"), (0.7, "#c01a0c"), (1, "#5a0602")]),
         lin(P + "Words", [(0, "#fffef0"), (0.4, "#fff27a"), (0.6, "#ffcc10"), (1, "#ffe060")], 0, 12, 0, 33, user=True),
         rad(P + "Bulb", [(0, "#ffffff"), (0.35, "#fff8c8"), (0.8, "#ffd030"), (1, "#c88000")], fx=0.4, fy=0.35),
         rad(P + "BulbHalo", [(0, "#fff0a0", 0.75), (1, "#ffc000", 0)])]
    b = [rect(0, 0, W, H, f"url(#{P}Bg)")]
    if lit:
        b.append(ellipse(W / 2, 22.5, 160, 20, f"url(#{P}Glow)", ' opacity="0.55"'))
    b.append(bulb_rows(W, lit, P, "#3a0402"))
    for sx in (-1, 1):
        b.append(chick(W / 2 + sx * 150, 20, 9, flip=sx > 0))
        for k in range(3):
            b.append(paw(W / 2 + sx * (184 + k * 14), 23 - (k % 2) * 3, 3.2, "#fff27a",
                         f' opacity="{num(0.5 + 0.2 * k)}"'))
    wd = text_path("FARMYARD FRIENDS", "sans-bold", 21, W / 2, 30.5, spacing=1.2)
    b.append(extruded(wd, f"url(#{P}Words)", "#1a3a9a", 3.6, 3, "#3a0402", (0.4, 0.6), extr_w=3))
    b.append(glass_finish(W, H, lit))
    return "\n".join(d), "\n".join(b)
