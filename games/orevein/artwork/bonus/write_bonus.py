#!/usr/bin/env python3
"""Writes Orevein's three bonus pictures (640x480 each) into the game's art folder:
the crate board, the empty crate and the prize picture, lettered in English or, given
its code as the one argument, in German or Spanish."""
import math

from pieces import *  # noqa: F403  (also puts the cabinet scripts on the path)
from lamps import ore_cart, pickaxe


# The crates' areas, bounds inclusive; the program tests the pointer against them.
CRATE_COLUMNS = ((400, 485), (505, 590))
CRATE_ROWS = ((30, 115), (125, 210), (220, 305), (315, 400))
CRATE_LETTERS = "OREVEINS"  # positions 1-4 down the left column, 5-8 down the right

# The prize text is drawn here at run time; the picture keeps it dark and plain.
PRIZE_BAND = (30, 188, 340, 250)

# The words on the pictures in each language the game speaks.
WORDS = {
    "en": {"heading": "Bonus Game!", "pick": "Pick one of the eight crates!", "empty": "Empty!",
           "luck": "Better luck next time.", "found": "You found the gold!", "full": "The crate was full of it!"},
    "de": {"heading": "Bonusspiel!", "pick": "Wählen Sie eine der acht Kisten!", "empty": "Leer!",
           "luck": "Vielleicht beim nächsten Mal.", "found": "Gold gefunden!",
           "full": "Die Kiste war voll davon!"},
    "es": {"heading": "¡Bonificación!", "pick": "¡Elige una de las ocho cajas!", "empty": "¡Vacía!",
           "luck": "Más suerte la próxima vez.", "found": "¡Encontraste el oro!", "full": "¡La caja estaba llena!"},
}

FLOOR_Y = 432
TRACK_Y = 454


def gallery(seed):
    """Rock, cap beam, the side props and the floor: the scene of all three pictures."""
    out = ["<!-- the gallery: rock, timber and lamplight -->",
           rock_wall(seed, 0, FLOOR_Y),
           lamp_glow(500, 200, 300, soft=True),
           lamp_glow(190, 150, 260, soft=True)]
    out.append(floor(FLOOR_Y, seed + 1))
    out.append(track(TRACK_Y))
    out.append(post(0, 14, 16, FLOOR_Y + 6, seed + 2))
    out.append(post(620, 14, 636, FLOOR_Y + 6, seed + 3))
    out.append(beam_h(0, 0, W, 18, seed + 4))
    for x in (8, 628):
        out.append(rivet(x, 9, 2.4, "rivetIron"))
    return "\n".join(out)


def instruction_sign(x0, y0, x1, y1, text):
    """A plank cut to an arrow, pointing right at the crates."""
    tip = x1
    x1b = x1 - (y1 - y0) * 0.55
    cy = (y0 + y1) / 2
    pts = [(x0, y0), (x1b, y0), (x1b, y0 - 6), (tip, cy), (x1b, y1 + 6), (x1b, y1), (x0, y1)]
    shadow = [(x + 3, y + 4) for x, y in pts]
    out = ["<!-- arrow sign: what to do -->",
           poly(shadow, "#000000", ' fill-opacity="0.5"'),
           poly(pts, "url(#bgBeamH)", ' stroke="#1a0c04" stroke-width="1.5" stroke-linejoin="round"'),
           wood_grain(x0 + 2, y0 + 2, x1b - 2, y1 - 2, 77, vertical=False, count=4),
           path(f"M{num(x0 + 2)} {num(y0 + 1.2)}H{num(x1b)}", "none",
                ' stroke="#ffd8a0" stroke-opacity="0.45" stroke-width="1.2"')]
    for x in (x0 + 9, x1b - 6):
        out.append(circle(x, cy, 2, "#2a2622"))
        out.append(circle(x - 0.5, cy - 0.5, 0.8, "#b0a898"))
    base = cy + cap_height("sans-bold", 18) / 2
    out.append(lettering(text, "sans-bold", 18, (x0 + x1b) / 2 + 2, base, "url(#ltCream)", "#1a0a02", 3.2,
                         spacing=0.3, max_width=x1b - x0 - 28))
    return "\n".join(out)


def rack():
    """Timber shelving that holds the eight crates."""
    out = ["<!-- the crate rack -->"]
    (l0, l1), (r0, r1) = CRATE_COLUMNS
    shelves = [(CRATE_ROWS[i][1] + 1, CRATE_ROWS[i + 1][0]) for i in range(3)]
    out.append(rect(l0 - 14, 18, r1 + 15, CRATE_ROWS[-1][1] + 1, "#0c0603", extra=' fill-opacity="0.55"'))
    for (x0, x1) in ((l0 - 14, l0 - 1), (l1 + 2, r0 - 1), (r1 + 2, r1 + 15)):
        out.append(post(x0, 18, x1, FLOOR_Y + 4, 90 + x0))
    for i, (y0, y1) in enumerate(shelves):
        out.append(beam_h(l0 - 16, y0, r1 + 17, y1, 95 + i))
    out.append(beam_h(l0 - 18, CRATE_ROWS[-1][1] + 1, r1 + 19, CRATE_ROWS[-1][1] + 13, 99))
    return "\n".join(out)


def board_svg(words):
    defs = [bonus_defs()]
    nb_d, nb_b = name_board()
    defs += [nb_d, gold_gradient("hdWord", 134, 178)]
    body = [rect(0, 0, W, H, "#000000"), gallery(11)]
    body.append(tunnel_mouth(84, 300, 286, FLOOR_Y, 60))
    body.append(rack())
    body.append(vignette())
    # a cart of ore coming out of the side gallery, a pickaxe leaning on it
    body.append(lamp_glow(170, 410, 130))
    body.append(pickaxe(262, 398, -18, 70, "#a0622a", "#3a200a", "url(#steel)", "#2a2c34", "#ffffff"))
    body.append(ore_cart(160, 398, 140, 42, "url(#cart)", "#1e1a20", "#9a9aa4", "#e0e0e8", "#2a2628",
                         "url(#goldHi)", "#7a4204", 0.8, 500))
    for i, (x, y, r) in enumerate(((306, 446, 7), (324, 449, 5), (46, 448, 6), (356, 450, 4))):
        body.append(nugget(x, y, r, r * 0.7, 520 + i, "url(#goldHi)", 0.8, "#7a4204"))
    body.append(nb_b)
    # heading and the line that says what to do
    body.append(ellipse(192, 156, 170, 40, "url(#ltGlow)"))
    body.append(lettering(words["heading"], "serif-bold", 50, 192, 176, "url(#hdWord)", "#2a0e02", 5, depth=5,
                          extr="#1a0802", max_width=330))
    body.append(instruction_sign(22, 212, 380, 254, words["pick"]))
    for (x, y, r) in ((22, 134, 6), (366, 140, 5), (14, 176, 4), (372, 180, 4)):
        body.append(sparkle(x, y, r, "#fff8d8", 0.9))
    body.append(hanging_lantern(370, 18, 6, 24))
    # the crates
    for i, letter in enumerate(CRATE_LETTERS):
        x0, x1 = CRATE_COLUMNS[i // 4]
        y0, y1 = CRATE_ROWS[i % 4]
        body.append(crate(x0, y0, x1 - x0 + 1, y1 - y0 + 1, letter, 30 + i))
    return svg_doc(W, H, "Orevein bonus game: the crate board", "\n".join(defs), "\n".join(body))


def empty_svg(words):
    defs = [bonus_defs()]
    nb_d, nb_b = name_board()
    defs += [nb_d, lin("emWord", [(0, "#fffbea"), (0.45, "#f0d8a0"), (0.55, "#c8a468"), (1, "#e8c890")],
                       0, 150, 0, 204, user=True)]
    body = [rect(0, 0, W, H, "#000000"), gallery(21), vignette()]
    box = OpenCrate(372, 300, 190, 128, 40, -50, 70, lid=0.8, lean=22)
    lx = 520
    # the lantern above throws a beam of light, full of dust, into the crate
    body.append(lamp_glow(lx, 60, 150))
    body.append(poly([(lx - 10, 70), (lx + 10, 70), (box.x1 + 30, box.y0 - 10), (box.x0 + 20, box.y0 - 4)],
                     "url(#beamLight)"))
    body.append(box.shadow())
    body.append(box.back())
    body.append(box.inside())
    body.append(ellipse(box.x0 + 118, box.y0 - 12, 62, 9, "#ffd890", ' fill-opacity="0.14"'))
    # cobweb across the inside corner, dust on the floor, a wisp of straw
    D = box.D
    body.append(cobweb(D[0] + 18, D[1] + 20,
                       [(D[0] + 2, D[1] - 16), (D[0] + 30, D[1] - 4), (D[0] + 62, D[1] + 1), (D[0] + 56, D[1] + 34),
                        (D[0] + 26, D[1] + 44), (D[0] - 2, D[1] + 36), (D[0] - 22, D[1] + 26)], rings=6, opacity=0.7))
    body.append(dust_puff(box.x0 + 110, box.y0 - 8, 60, 12, 5))
    for i in range(4):
        x = box.x0 + 70 + i * 17
        body.append(path(f"M{x} {box.y0 - 2}q8 -6 18 -3", "none",
                         ' stroke="#c8a050" stroke-opacity="0.7" stroke-width="1.1" stroke-linecap="round"'))
    body.append(box.side())
    body.append(box.rim())
    body.append(box.front(71))
    body.append(padlock((box.x0 + box.x1) / 2, box.y0 - 2, 1.1))
    # a spider lets itself down from the lid
    body.append(spider(box.D[0] + box.lean + 24, box.lid_top + 2, 60, 1.3))
    body.append(dust_puff(box.x0 + 60, box.y1 + 6, 70, 10, 6))
    body.append(dust_puff(box.x1 + 20, box.y1 + 4, 50, 8, 7))
    body.append(dust_motes(box.x0, 80, box.x1 + 40, box.y0 - 4, 40, 8))
    body.append(hanging_lantern(lx, 18, 8, 30))
    body.append(nb_b)
    # the words
    body.append(lettering(words["empty"], "serif-bold", 66, 190, 204, "url(#emWord)", "#2a0e02", 5, depth=5,
                          extr="#1a0802", max_width=340))
    body.append(lettering(words["luck"], "sans-bold", 22, 190, 252, "url(#ltCream)", "#1a0a02", 3.6,
                          spacing=0.3, max_width=340))
    body.append(tunnel_mouth(84, 310, 286, FLOOR_Y, 61))
    body.append(ore_cart(185, 402, 124, 40, "url(#cart)", "#1e1a20", "#9a9aa4", "#e0e0e8", "#2a2628",
                         "url(#goldHi)", "#7a4204", 0.8, 600, heap=0))
    return svg_doc(W, H, "Orevein bonus game: an empty crate", "\n".join(defs), "\n".join(body))


def prize_band():
    """A dark window under a brass bezel; the prize text is drawn into it."""
    x0, y0, x1, y1 = PRIZE_BAND
    x1, y1 = x1 + 1, y1 + 1  # bounds inclusive
    return "\n".join([
        "<!-- the prize window: kept plain for the prize text -->",
        rect(x0 - 9, y0 - 6, x1 + 12, y1 + 10, "#000000", r=7, extra=' fill-opacity="0.5"'),
        path(frame_path(x0 - 8, y0 - 8, x1 + 8, y1 + 8, x0 - 3, y0 - 3, x1 + 3, y1 + 3, 7, 2), "url(#brassUp)",
             ' fill-rule="evenodd"'),
        path(frame_path(x0 - 3, y0 - 3, x1 + 3, y1 + 3, x0, y0, x1, y1, 2, 0), "url(#brassDown)",
             ' fill-rule="evenodd"'),
        rect(x0, y0, x1, y1, "#0e0805"),
        *[rivet(x, y, 1.8) for x in (x0 - 5, x1 + 5) for y in (y0 - 5, y1 + 5)],
    ])


def prize_svg(words):
    defs = [bonus_defs()]
    nb_d, nb_b = name_board()
    defs += [nb_d, gold_gradient("pzWord", 142, 178)]
    body = [rect(0, 0, W, H, "#000000"), gallery(31), vignette()]
    # the gold: a stack of bars on the floor, glowing in the lamplight
    sx, floor_y = 498, FLOOR_Y + 14
    rd, rb = soft_rays(sx, 350, 30, 300, "pzRay", opacity=0.32)
    defs.append(rd)
    body.append(rb)
    body.append(ellipse(sx, 340, 170, 150, "url(#igGlow)"))
    body.append(ellipse(sx, floor_y + 2, 130, 10, "#000000", ' fill-opacity="0.5"'))
    w, fh, td = 60, 24, 11
    for row, count in enumerate((4, 3, 2, 1)):
        bottom = floor_y - row * (fh + td * 0.55)
        for i in range(count):
            cx = sx + (i - (count - 1) / 2) * (w + 1)
            body.append(gold_bar(cx, bottom, w, fh, td, row * 10 + i))
    body.append(nugget(sx - 142, floor_y - 4, 9, 6, 801, "url(#goldHi)", 0.8, "#7a4204"))
    body.append(nugget(sx + 140, floor_y - 3, 7, 5, 802, "url(#goldHi)", 0.8, "#7a4204"))
    body.append(nugget(sx - 126, floor_y + 2, 6, 4, 803, "url(#goldHi)", 0.8, "#7a4204"))
    for (x, y, r) in ((sx - 60, 260, 9), (sx + 70, 250, 7), (sx + 10, 226, 11), (sx - 100, 330, 6),
                      (sx + 112, 318, 7), (sx + 40, 380, 5), (sx - 30, 360, 4)):
        body.append(sparkle(x, y, r, "#ffffff", 0.95))
    body.append(hanging_lantern(sx, 18, 10, 30))
    body.append(nb_b)
    # heading, the prize window, and a word about where the gold came from
    body.append(ellipse(185, 160, 170, 30, "url(#ltGlow)"))
    body.append(lettering(words["found"], "serif-bold", 36, 185, 172, "url(#pzWord)", "#2a0e02", 4.5,
                          depth=4, extr="#1a0802", max_width=340))
    body.append(prize_band())
    # an opened crate brimming with nuggets
    box = OpenCrate(64, 368, 150, 66, 34, -28, 80, lid=0.62, lean=16)
    body.append(box.shadow())
    body.append(box.back())
    body.append(box.inside())
    for i in range(16):
        t = (i + 0.5) / 16
        x = box.x0 + 16 + t * (box.x1 - box.x0 + box.dx - 30)
        y = box.y0 - 6 - math.sin(t * math.pi) * 14 + (i % 3) * 4
        body.append(nugget(x, y, 9, 6.5, 900 + i, "url(#goldHi)", 0.8, "#7a4204"))
    body.append(box.side())
    body.append(box.front(81))
    for i, (x, y, r) in enumerate(((box.x0 + 40, box.y0 - 2, 8), (box.x0 + 96, box.y0 - 1, 7),
                                   (box.x1 + 30, box.y1 + 4, 7), (box.x1 + 50, box.y1 + 8, 5))):
        body.append(nugget(x, y, r, r * 0.72, 950 + i, "url(#goldHi)", 0.8, "#7a4204"))
    for (x, y, r) in ((box.x0 + 60, box.y0 - 30, 6), (box.x0 + 130, box.y0 - 26, 5)):
        body.append(sparkle(x, y, r, "#ffffff", 0.9))
    body.append(lettering(words["full"], "sans-bold", 19, 185, 296, "url(#ltCream)", "#1a0a02", 3.2,
                          spacing=0.3, max_width=340))
    return svg_doc(W, H, "Orevein bonus game: the prize (the program writes it into the dark window)",
                   "\n".join(defs), "\n".join(body))


def main():
    """Writes the English pictures, or with a language's code ("de", "es") that
    language's beside them (bonus-board.de.svg and so on)."""
    language = picture_language([code for code in WORDS if code != "en"])
    words = WORDS[language]
    write_pictures("games/orevein/art", [(in_language("bonus-board.svg", language), board_svg(words)),
                                         (in_language("bonus-empty.svg", language), empty_svg(words)),
                                         (in_language("bonus-prize.svg", language), prize_svg(words))])


if __name__ == "__main__":
    main()
