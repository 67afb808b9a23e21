"""Writes the Pawlane cabinet SVGs into the game's art folder."""
import os

from farm import svg_doc, farm_defs  # farm puts the shared SVG helpers on the path
from lamps import title_glass, coin_sign, title_strip, TG_W, TG_H, CS_W, CS_H, TS_W, TS_H
from panel import button_svg, bonus_svg, hold_svg, bar_svg, bar_mask_svg
from machine import machine_svg, LINE_BARS

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "games", "pawlane", "art") + os.sep


def put(name, text):
    with open(OUT + name, "w") as f:
        f.write(text)


put("machine.svg", machine_svg())
d, b = title_glass(False)
put("title-glass-unlit.svg", svg_doc(TG_W, TG_H, "Title glass, unlit (machine.svg 247,98 to 549,241)", farm_defs() + d, b))
d, b = title_strip(False)
put("title-strip-unlit.svg", svg_doc(TS_W, TS_H, "Title strip, unlit (machine.svg 225,545 to 654,590)", farm_defs() + d, b))
d, b = coin_sign(False)
put("coin-sign-unlit.svg", svg_doc(CS_W, CS_H, "Coin sign, unlit (machine.svg 560,99 to 644,184)", d, b))
put("button-spin.svg", button_svg("spin"))
put("button-bet1.svg", button_svg("bet1"))
put("button-bet5.svg", button_svg("bet5"))
put("bonus-meter.svg", bonus_svg())
put("hold-lamp.svg", hold_svg())
for colour in LINE_BARS:
    put(f"bar-{colour}.svg", bar_svg(colour))
put("bar-mask.svg", bar_mask_svg())
