"""Writes the Orevein cabinet SVGs into the game's art folder."""
import os
import sys

sys.path.append(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "shared"))

from svg_draw import svg_doc  # noqa: E402
from lamps import title_glass, coin_sign, title_strip, TG_W, TG_H, CS_W, CS_H, TS_W, TS_H
from panel import button_svg, bonus_svg
from machine import machine_svg

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "games", "orevein", "art") + os.sep
os.makedirs(OUT, exist_ok=True)

def put(name, text):
    with open(OUT + name, "w") as f:
        f.write(text)

put("machine.svg", machine_svg())
d, b = title_glass(False)
put("title-glass-unlit.svg", svg_doc(TG_W, TG_H, "Title glass, unlit (machine.svg 247,98 to 549,263)", d, b))
d, b = title_strip(False)
put("title-strip-unlit.svg", svg_doc(TS_W, TS_H, "Title strip, unlit (machine.svg 225,545 to 654,590)", d, b))
d, b = coin_sign(False)
put("coin-sign-unlit.svg", svg_doc(CS_W, CS_H, "Coin sign, unlit (machine.svg 560,99 to 644,184)", d, b))
put("button-spin.svg", button_svg("spin"))
put("button-bet1.svg", button_svg("bet1"))
put("button-bet5.svg", button_svg("bet5"))
put("bonus-meter.svg", bonus_svg())
