#!/usr/bin/env python3
"""Writes Pawlane's three bonus pictures (640x480 each) into the game's art folder:
the animal board, the no-prize picture and the prize picture, lettered in English or,
given its code as the one argument, in German or Spanish."""
import math
import os
import sys

sys.path.append(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "symbols"))

from animals import *  # noqa: E402,F401,F403  (the farm props and the SVG helpers come with it)

W, H = 640, 480
INK = "#2a1608"

# The boxes' areas, bounds inclusive; the program tests the pointer against them.
BOX_COLUMNS = ((400, 485), (505, 590))
BOX_ROWS = ((30, 115), (125, 210), (220, 305), (315, 400))
# The animals read left to right, then top to bottom.
BOX_ANIMALS = ("horse", "fish", "dog", "pig", "cat", "rabbit", "tortoise", "rooster")

# The words on the pictures in each language the game speaks.
WORDS = {
    "en": {"heading": "Farm Bonus!", "pick": "Pick an animal and hope for a reward!", "luck": "Better luck next time!",
           "done": "Well done!", "fetched": "Rex fetched you a reward."},
    "de": {"heading": "Bauernhof-Bonus!", "pick": "Wählen Sie ein Tier und hoffen Sie auf eine Belohnung!",
           "luck": "Vielleicht beim nächsten Mal!", "done": "Gut gemacht!",
           "fetched": "Rex bringt Ihnen eine Belohnung."},
    "es": {"heading": "¡Bonificación!", "pick": "¡Elige un animal y espera una recompensa!",
           "luck": "¡Más suerte la próxima vez!", "done": "¡Bien hecho!", "fetched": "Rex te trajo una recompensa."},
}

# The prize text is drawn here at run time, in red; the picture keeps it light and plain.
PRIZE_BAND = (28, 188, 330, 246)


def bonus_defs():
    return "\n".join([
        farm_defs(), animal_defs(),
        lin("bgYellow", [(0, "#fff8c0"), (0.5, "#ffe45a"), (1, "#ffc81a")]),
        lin("bgGround", [(0, "#6ad84a"), (1, "#2a8a2a")]),
        lin("bxFrame", [(0, "#f0402a"), (0.5, "#c81e10"), (1, "#8a0a04")]),
        lin("bxInside", [(0, "#dff2ff"), (1, "#a8d8ff")]),
        lin("ltRed", [(0, "#ff4a2a"), (0.55, "#d81808"), (1, "#9a0a04")]),
        lin("ltBlue", [(0, "#5aa8ff"), (0.55, "#1a5ae0"), (1, "#0a2a8a")]),
        lin("skin", [(0, "#ffe0c4"), (1, "#f0b890")]),
        lin("dress", [(0, "#3a8aff"), (1, "#0a3498")], 0, 0, 1, 0),
        lin("apron", [(0, "#ffffff"), (1, "#ece4d0")]),
        lin("straw", [(0, "#fff0a0"), (1, "#e0b040")]),
        lin("hair", [(0, "#8a4a1a"), (1, "#4a2208")]),
        lin("overalls", [(0, "#ff5a3a"), (1, "#b01a0a")]),
        lin("kennel", [(0, "#f0402a"), (0.6, "#c81e10"), (1, "#8a0a04")], 0, 0, 1, 0),
        lin("kennelRoof", [(0, "#4a505c"), (1, "#1e2028")]),
        lin("cageBar", [(0, "#5a606c"), (0.4, "#f4f6fa"), (1, "#5a606c")], 0, 0, 1, 0),
        lin("bandPanel", [(0, "#fffdf2"), (1, "#f6ecd0")]),
        lin("dogBody", [(0, "#f8d8a0"), (1, "#d8a060")]),
    ])


def lettering(text, font, size, x, y, fill, outline="#ffffff", ow=5, depth=3, extr="#5a0402", anchor="middle",
              max_width=None, spacing=0.0):
    d = fitted_text_path(text, font, size, x, y, max_width, anchor, spacing)
    return extruded(d, fill, outline, ow, depth, extr, (0.5, 0.9))


def sky_and_ground(ground_y, seed):
    return "\n".join([rect(0, 0, W, H, "url(#fmSky)"),
                      sun(560, 70, 30),
                      cloud(120, 60, 22), cloud(380, 90, 16, 0.95), cloud(250, 40, 12, 0.9),
                      hill(0, W, ground_y - 20, 60, H, "url(#fmHillFar)", 0.3),
                      hill(0, W, ground_y, 24, H, "url(#bgGround)", 0.65),
                      grass_tufts(0, W, H - 2, seed, 90, "#1e7a1e", 9)])


def animal_box(x0, y0, x1, y1, name):
    """One box of the board: a barn-red frame with white trim around an animal."""
    x1, y1 = x1 + 1, y1 + 1
    s = (x1 - x0 - 12) / 76
    return "\n".join([
        rect(x0 + 3, y0 + 4, x1 + 3, y1 + 4, "#000000", r=9, extra=' fill-opacity="0.3"'),
        rect(x0, y0, x1, y1, "url(#bxFrame)", r=9, extra=f' stroke="{INK}" stroke-width="2"'),
        rect(x0 + 4, y0 + 4, x1 - 4, y1 - 4, "none", r=6, extra=' stroke="#ffffff" stroke-width="2"'),
        rect(x0 + 6, y0 + 6, x1 - 6, y1 - 6, "url(#bxInside)", r=5),
        f'<g transform="translate({num(x0 + 6)},{num(y0 + 6)}) scale({num(s)})">{ANIMALS[name]()}</g>',
        rect(x0 + 8, y0 + 7, x1 - 8, y0 + 20, "#ffffff", r=4, extra=' fill-opacity="0.35"'),
    ])


def woman_and_child(cx, feet):
    """A farm woman in a straw hat and a blue dress, holding her little one on her hip."""
    o = []
    top = feet - 330
    o.append(ellipse(cx, feet + 4, 70, 9, "#000000", ' fill-opacity="0.22"'))
    # legs and shoes
    for dx in (-16, 14):
        o.append(rect(cx + dx - 6, feet - 44, cx + dx + 6, feet - 4, "url(#skin)", extra=f' stroke="{INK}" stroke-width="1.6"'))
        o.append(ellipse(cx + dx + 2, feet - 2, 12, 6, "#6a2a0a", f' stroke="{INK}" stroke-width="1.6"'))
    # the dress and the apron
    o.append(path(f"M{cx - 34} {top + 120}C{cx - 44} {top + 190} {cx - 66} {top + 260} {cx - 74} {feet - 40}"
                  f"Q{cx} {feet - 26} {cx + 74} {feet - 40}C{cx + 66} {top + 260} {cx + 44} {top + 190} {cx + 34} {top + 120}"
                  f"Q{cx} {top + 108} {cx - 34} {top + 120}Z", "url(#dress)", f' stroke="{INK}" stroke-width="2.2"'))
    for (dx, dy) in ((-40, 200), (-52, 250), (44, 190), (56, 262), (-30, 160), (30, 150), (-60, 275), (48, 228)):
        o.append(circle(cx + dx, top + dy, 3.2, "#ffffff", ' fill-opacity="0.85"'))
    o.append(path(f"M{cx - 26} {top + 176}H{cx + 26}L{cx + 40} {feet - 46}Q{cx} {feet - 36} {cx - 40} {feet - 46}Z",
                  "url(#apron)", f' stroke="{INK}" stroke-width="1.8"'))
    o.append(path(f"M{cx - 28} {top + 176}H{cx + 28}", "none", ' stroke="#e8200e" stroke-width="5"'))
    o.append(rect(cx - 14, top + 210, cx + 14, top + 234, "#ffe0e0", r=3, extra=f' stroke="{INK}" stroke-width="1.2"'))
    o.append(paw(cx, top + 224, 5, "#e8200e"))
    # her left arm hangs down, her right arm holds the child
    o.append(path(f"M{cx - 34} {top + 124}C{cx - 56} {top + 150} {cx - 62} {top + 200} {cx - 58} {top + 236}", "none",
                  f' stroke="{INK}" stroke-width="17" stroke-linecap="round"'))
    o.append(path(f"M{cx - 34} {top + 124}C{cx - 56} {top + 150} {cx - 62} {top + 200} {cx - 58} {top + 236}", "none",
                  ' stroke="#f6c8a4" stroke-width="13" stroke-linecap="round"'))
    o.append(path(f"M{cx - 34} {top + 122}C{cx - 50} {top + 134} {cx - 56} {top + 156} {cx - 56} {top + 164}", "none",
                  ' stroke="#1a5ae0" stroke-width="15" stroke-linecap="round"'))
    # the neck, the head, the hair
    o.append(rect(cx - 9, top + 88, cx + 9, top + 116, "url(#skin)", extra=f' stroke="{INK}" stroke-width="1.6"'))
    o.append(path(f"M{cx - 40} {top + 60}C{cx - 50} {top + 110} {cx - 40} {top + 134} {cx - 26} {top + 126}"
                  f"L{cx + 26} {top + 126}C{cx + 40} {top + 134} {cx + 50} {top + 110} {cx + 40} {top + 60}Z",
                  "url(#hair)", f' stroke="{INK}" stroke-width="2"'))
    o.append(ellipse(cx, top + 72, 30, 34, "url(#skin)", f' stroke="{INK}" stroke-width="2"'))
    o.append(path(f"M{cx - 30} {top + 62}C{cx - 22} {top + 44} {cx + 12} {top + 40} {cx + 30} {top + 62}"
                  f"C{cx + 24} {top + 50} {cx - 6} {top + 46} {cx - 30} {top + 62}Z", "url(#hair)"))
    o.append(eye(cx - 11, top + 74, 3.4))
    o.append(eye(cx + 11, top + 74, 3.4))
    o.append(ellipse(cx - 19, top + 86, 5, 3, "#ff8a8a", ' fill-opacity="0.6"'))
    o.append(ellipse(cx + 19, top + 86, 5, 3, "#ff8a8a", ' fill-opacity="0.6"'))
    o.append(path(f"M{cx - 10} {top + 90}Q{cx} {top + 99} {cx + 10} {top + 90}", "#ffffff",
                  f' stroke="{INK}" stroke-width="1.8" stroke-linejoin="round"'))
    o.append(path(f"M{cx - 2} {top + 78}Q{cx - 4} {top + 84} {cx + 1} {top + 84}", "none",
                  f' stroke="#c08060" stroke-width="1.4" stroke-linecap="round"'))
    # straw hat with a red band and a daisy
    o.append(ellipse(cx, top + 46, 62, 14, "url(#straw)", f' stroke="{INK}" stroke-width="2"'))
    o.append(path(f"M{cx - 32} {top + 46}C{cx - 32} {top + 8} {cx + 32} {top + 8} {cx + 32} {top + 46}Z",
                  "url(#straw)", f' stroke="{INK}" stroke-width="2"'))
    o.append(path(f"M{cx - 32} {top + 40}Q{cx} {top + 46} {cx + 32} {top + 40}L{cx + 32} {top + 32}Q{cx} {top + 38} {cx - 32} {top + 32}Z",
                  "#e8200e", f' stroke="{INK}" stroke-width="1.2"'))
    o.append(flower(cx + 24, top + 34, 10, petal="#ffffff", heart="#ffc410"))
    # the child on her hip
    kx, ky = cx + 58, top + 188
    o.append(path(f"M{kx - 26} {ky + 4}C{kx - 30} {ky + 40} {kx - 20} {ky + 60} {kx} {ky + 62}"
                  f"C{kx + 22} {ky + 60} {kx + 28} {ky + 36} {kx + 22} {ky + 4}Q{kx} {ky - 6} {kx - 26} {ky + 4}Z",
                  "url(#overalls)", f' stroke="{INK}" stroke-width="2"'))
    o.append(rect(kx - 12, ky + 10, kx + 10, ky + 28, "#ff6a4a", r=3, extra=f' stroke="{INK}" stroke-width="1.2"'))
    o.append(circle(kx - 7, ky + 14, 2, "#ffd21a"))
    o.append(circle(kx + 5, ky + 14, 2, "#ffd21a"))
    for (lx, a) in ((kx - 14, 20), (kx + 8, -10)):   # little legs
        o.append(f'<g transform="rotate({a} {lx} {ky + 56})">' +
                 rect(lx - 6, ky + 52, lx + 6, ky + 84, "url(#overalls)", r=4, extra=f' stroke="{INK}" stroke-width="1.6"') +
                 ellipse(lx, ky + 86, 8, 5, "#ffd21a", f' stroke="{INK}" stroke-width="1.4"') + "</g>")
    # her arm round the child
    o.append(path(f"M{cx + 34} {top + 126}C{cx + 52} {top + 150} {cx + 44} {top + 232} {kx + 16} {ky + 50}", "none",
                  f' stroke="{INK}" stroke-width="17" stroke-linecap="round"'))
    o.append(path(f"M{cx + 34} {top + 126}C{cx + 52} {top + 150} {cx + 44} {top + 232} {kx + 16} {ky + 50}", "none",
                  ' stroke="#f6c8a4" stroke-width="13" stroke-linecap="round"'))
    o.append(path(f"M{cx + 34} {top + 124}C{cx + 46} {top + 134} {cx + 50} {top + 150} {cx + 50} {top + 160}", "none",
                  ' stroke="#1a5ae0" stroke-width="15" stroke-linecap="round"'))
    # the child's head and waving arm
    o.append(path(f"M{kx + 18} {ky + 10}C{kx + 34} {ky - 6} {kx + 38} {ky - 24} {kx + 40} {ky - 34}", "none",
                  f' stroke="{INK}" stroke-width="11" stroke-linecap="round"'))
    o.append(path(f"M{kx + 18} {ky + 10}C{kx + 34} {ky - 6} {kx + 38} {ky - 24} {kx + 40} {ky - 34}", "none",
                  ' stroke="#f6c8a4" stroke-width="7.5" stroke-linecap="round"'))
    o.append(circle(kx + 40, ky - 38, 6.5, "url(#skin)", f' stroke="{INK}" stroke-width="1.6"'))
    o.append(circle(kx - 2, ky - 20, 22, "url(#skin)", f' stroke="{INK}" stroke-width="2"'))
    o.append(path(f"M{kx - 22} {ky - 26}C{kx - 20} {ky - 46} {kx + 14} {ky - 50} {kx + 19} {ky - 28}"
                  f"C{kx + 8} {ky - 38} {kx - 10} {ky - 38} {kx - 22} {ky - 26}Z", "#ffd21a", f' stroke="{INK}" stroke-width="1.6"'))
    o.append(path(f"M{kx - 2} {ky - 42}C{kx - 6} {ky - 52} {kx + 4} {ky - 54} {kx + 4} {ky - 48}", "none",
                  f' stroke="{INK}" stroke-width="1.6" stroke-linecap="round"'))
    o.append(eye(kx - 9, ky - 18, 2.6))
    o.append(eye(kx + 6, ky - 18, 2.6))
    o.append(ellipse(kx - 15, ky - 10, 4, 2.4, "#ff8a8a", ' fill-opacity="0.6"'))
    o.append(ellipse(kx + 12, ky - 10, 4, 2.4, "#ff8a8a", ' fill-opacity="0.6"'))
    o.append(path(f"M{kx - 7} {ky - 9}Q{kx - 1} {ky - 3} {kx + 5} {ky - 9}", "none",
                  f' stroke="{INK}" stroke-width="1.8" stroke-linecap="round"'))
    return "\n".join(o)


def board_svg(words):
    body = [rect(0, 0, W, H, "url(#bgYellow)"),
            rays(200, 250, 36, 700, 0, 0, W, H, "#ffffff", 0.22, phase=0.02),
            circle(200, 250, 170, "url(#fmSunHalo)")]
    for i, (x, y, r, a) in enumerate(((40, 140, 9, -20), (90, 110, 7, 10), (340, 120, 8, 15), (350, 330, 7, -10),
                                      (30, 330, 8, 20), (620, 430, 7, 0), (370, 30, 6, 0))):
        body.append(f'<g opacity="0.35">{paw(x, y, r, "#e07a00")}</g>')
    body.append(lettering(words["heading"], "sans-bold", 46, 190, 66, "url(#ltBlue)", extr="#061a5a", max_width=360))
    body.append(woman_and_child(180, 410))
    body.append(chick(82, 398, 16))
    body.append(chick(300, 402, 12, flip=True))
    for i, name in enumerate(BOX_ANIMALS):
        x0, x1 = BOX_COLUMNS[i % 2]
        y0, y1 = BOX_ROWS[i // 2]
        body.append(f"<!-- box {i + 1}: {name} -->")
        body.append(animal_box(x0, y0, x1, y1, name))
    body.append(lettering(words["pick"], "sans-bold", 25, W / 2, 454, "url(#ltRed)",
                          max_width=600))
    return svg_doc(W, H, "Pawlane bonus game: the animal board", bonus_defs(), "\n".join(body))


def sad_dog(cx, cy, s):
    """The dog's face, a little downcast."""
    o = [f'<g transform="translate({num(cx - 38 * s)},{num(cy - 38 * s)}) scale({num(s)})">']
    o.append(path("M16 26C6 30 6 48 12 58C16 62 22 56 22 48Z", "url(#anDogEar)", f' stroke="{INK}" stroke-width="2"'))
    o.append(path("M60 26C70 30 70 48 64 58C60 62 54 56 54 48Z", "url(#anDogEar)", f' stroke="{INK}" stroke-width="2"'))
    o.append(path("M38 12C54 12 60 24 60 38C60 56 50 66 38 66C26 66 16 56 16 38C16 24 22 12 38 12Z", "url(#anDog)",
                  f' stroke="{INK}" stroke-width="2"'))
    o.append(path("M46 16C54 18 58 28 56 36C52 32 46 30 44 24Z", "#c88a4a", ' fill-opacity="0.85"'))
    o.append(ellipse(38, 50, 13, 10, "#fff8ec"))
    o.append(eye(29, 36, 3.4))
    o.append(eye(47, 36, 3.4))
    o.append(path("M24 30L33 28M52 30L43 28", "none", f' stroke="{INK}" stroke-width="1.8" stroke-linecap="round"'))
    o.append(path("M31 44C31 40 45 40 45 44C45 48 40 50 38 50C36 50 31 48 31 44Z", INK))
    o.append(path("M38 50V53M31 57Q38 51 45 57", "none", f' stroke="{INK}" stroke-width="1.6" stroke-linecap="round"'))
    o.append(path("M26 40C25 44 27 46 28 44", "#6ab4ff", ' stroke="#2a6ae0" stroke-width="0.6"'))
    o.append("</g>")
    return "\n".join(o)


def empty_svg(words):
    body = [sky_and_ground(330, 3)]
    body.append(barn(470, 330, 130, 120))
    body.append(fence(0, 640, 356, 30, 16))
    # the cage: a floor, the dog sitting behind chrome bars, a roof
    x0, y0, x1, y1 = 190, 210, 450, 440
    body.append(ellipse((x0 + x1) / 2, y1 + 6, 150, 12, "#000000", ' fill-opacity="0.3"'))
    body.append(rect(x0, y0, x1, y1, "#fff4d8", extra=f' fill-opacity="0.4"'))
    body.append(rect(x0, y1 - 20, x1, y1, "#c8a060", extra=f' stroke="{INK}" stroke-width="2"'))
    body.append(path(f"M260 430C250 380 262 350 290 340H350C378 350 390 380 380 430Z", "url(#dogBody)",
                     f' stroke="{INK}" stroke-width="2"'))
    for x in (280, 360):
        body.append(ellipse(x, 432, 16, 9, "url(#dogBody)", f' stroke="{INK}" stroke-width="2"'))
    body.append(sad_dog(320, 300, 1.9))
    for i in range(11):
        x = x0 + 8 + i * (x1 - x0 - 16) / 10
        body.append(rect(x - 3.5, y0, x + 3.5, y1 - 20, "url(#cageBar)", extra=f' stroke="{INK}" stroke-width="1"'))
    for y in (y0, y0 + 90):
        body.append(rect(x0 - 6, y - 4, x1 + 6, y + 8, "url(#cageBar)", r=3, extra=f' stroke="{INK}" stroke-width="1.4"'))
    body.append(rect(x0 - 8, y1 - 24, x1 + 8, y1 - 16, "url(#cageBar)", r=3, extra=f' stroke="{INK}" stroke-width="1.4"'))
    body.append(poly([(x0 - 20, y0 - 2), ((x0 + x1) / 2, y0 - 46), (x1 + 20, y0 - 2)], "url(#kennelRoof)",
                     f' stroke="{INK}" stroke-width="2" stroke-linejoin="round"'))
    body.append(lettering(words["luck"], "sans-bold", 40, W / 2, 112, "url(#ltRed)", max_width=600))
    return svg_doc(W, H, "Pawlane bonus game: no prize this time", bonus_defs(), "\n".join(body))


def lying_dog(cx, cy):
    """The dog stretched out on the grass, head up, paws forward."""
    o = [ellipse(cx + 10, cy + 34, 120, 12, "#000000", ' fill-opacity="0.25"')]
    o.append(path(f"M{cx + 110} {cy + 10}C{cx + 140} {cy} {cx + 150} {cy - 20} {cx + 146} {cy - 30}", "none",
                  f' stroke="{INK}" stroke-width="12" stroke-linecap="round"'))
    o.append(path(f"M{cx + 110} {cy + 10}C{cx + 140} {cy} {cx + 150} {cy - 20} {cx + 146} {cy - 30}", "none",
                  ' stroke="#d8a060" stroke-width="8" stroke-linecap="round"'))
    o.append(ellipse(cx + 40, cy + 6, 82, 32, "url(#dogBody)", f' stroke="{INK}" stroke-width="2.2"'))
    o.append(ellipse(cx + 70, cy - 4, 28, 16, "#c88a4a", ' fill-opacity="0.8"'))
    for dx in (-60, -24):
        o.append(rect(cx + dx - 40, cy + 22, cx + dx + 8, cy + 38, "url(#dogBody)", r=8, extra=f' stroke="{INK}" stroke-width="2"'))
    o.append(ellipse(cx + 96, cy + 30, 22, 9, "url(#dogBody)", f' stroke="{INK}" stroke-width="2"'))
    o.append(f'<g transform="translate({cx - 100},{cy - 92}) scale(1.7)">{ANIMALS["dog"]()}</g>')
    return "\n".join(o)


def kennel(x0, y0, x1, y1):
    mid = (x0 + x1) / 2
    roof = y0 - (x1 - x0) * 0.36
    o = [rect(x0 + 6, y0 + 6, x1 + 10, y1 + 6, "#000000", extra=' fill-opacity="0.25"'),
         rect(x0, y0, x1, y1, "url(#kennel)", extra=f' stroke="{INK}" stroke-width="2.2"')]
    for y in range(int(y0) + 20, int(y1), 20):
        o.append(path(f"M{x0} {y}H{x1}", "none", ' stroke="#7a0a04" stroke-width="1.4" stroke-opacity="0.7"'))
    dw = (x1 - x0) * 0.46
    o.append(path(f"M{mid - dw / 2} {y1}V{y0 + 60}A{dw / 2} {dw / 2} 0 0 1 {mid + dw / 2} {y0 + 60}V{y1}Z", "#2a0a04",
                  ' stroke="#ffffff" stroke-width="4"'))
    o.append(poly([(x0 - 22, y0 + 4), (mid, roof), (x1 + 22, y0 + 4), (x1 + 22, y0 + 16), (mid, roof + 14), (x0 - 22, y0 + 16)],
                  "url(#kennelRoof)", f' stroke="{INK}" stroke-width="2.2" stroke-linejoin="round"'))
    o.append(rect(mid - 36, y0 + 8, mid + 36, y0 + 30, "#fffdf2", r=4, extra=f' stroke="{INK}" stroke-width="1.6"'))
    o.append(path(text_path("REX", "sans-bold", 16, mid, y0 + 26, spacing=2), "#c81e10"))
    return "\n".join(o)


def prize_svg(words):
    body = [sky_and_ground(300, 5)]
    body.append(fence(330, 640, 318, 34, 18))
    body.append(kennel(410, 200, 590, 360))
    body.append(rect(470, 396, 530, 406, "#c8ccd4", r=4, extra=f' stroke="{INK}" stroke-width="1.4"'))
    body.append(lying_dog(420, 392))
    # a bone and a full bowl
    body.append(path("M560 440h30", "none", f' stroke="{INK}" stroke-width="10" stroke-linecap="round"'))
    body.append(path("M560 440h30", "none", ' stroke="#ffffff" stroke-width="6" stroke-linecap="round"'))
    for x in (558, 592):
        for dy in (-4, 4):
            body.append(circle(x, 440 + dy, 5, "#ffffff", f' stroke="{INK}" stroke-width="1.4"'))
    for (x, y, r) in ((40, 400, 10), (110, 414, 8), (200, 404, 9), (270, 420, 7)):
        body.append(flower(x, y, r, stem=16))
    # the heading, the light panel that carries the prize text, and a last word
    body.append(lettering(words["done"], "sans-bold", 52, 28, 110, "url(#ltBlue)", extr="#061a5a", anchor="start",
                          max_width=330))
    x0, y0, x1, y1 = PRIZE_BAND
    body.append(rect(x0 + 4, y0 + 5, x1 + 4, y1 + 5, "#000000", r=10, extra=' fill-opacity="0.25"'))
    body.append(rect(x0, y0, x1, y1, "#ffd21a", r=10, extra=f' stroke="{INK}" stroke-width="2"'))
    body.append(rect(x0 + 5, y0 + 5, x1 - 5, y1 - 5, "url(#bandPanel)", r=7))
    body.append(lettering(words["fetched"], "sans-bold", 20, 24, 462, "#ffffff", outline="#0a2a8a",
                          ow=4, depth=2, extr="#061a5a", anchor="start", max_width=280))
    return svg_doc(W, H, "Pawlane bonus game: the prize (the program writes it on the light panel)",
                   bonus_defs(), "\n".join(body))


def main():
    """Writes the English pictures, or with a language's code ("de", "es") that
    language's beside them (bonus-board.de.svg and so on)."""
    language = picture_language([code for code in WORDS if code != "en"])
    words = WORDS[language]
    write_pictures("games/pawlane/art", [(in_language("bonus-board.svg", language), board_svg(words)),
                                         (in_language("bonus-empty.svg", language), empty_svg(words)),
                                         (in_language("bonus-prize.svg", language), prize_svg(words))])


if __name__ == "__main__":
    main()
