"""Writes the Orevein cabinet SVGs into the game's art folder."""
import os
import sys

sys.path.append(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "shared"))

from svg_draw import unlit_lamp_svg, write_pictures  # noqa: E402
from lamps import title_glass, coin_sign, title_strip  # noqa: E402
from panel import button_svg, bonus_svg  # noqa: E402
from machine import machine_svg, TITLE_GLASS, COIN_SIGN, TITLE_STRIP  # noqa: E402

write_pictures("games/orevein/art", [
    ("machine.svg", machine_svg()),
    ("title-glass-unlit.svg", unlit_lamp_svg("Title glass", TITLE_GLASS, title_glass)),
    ("title-strip-unlit.svg", unlit_lamp_svg("Title strip", TITLE_STRIP, title_strip)),
    ("coin-sign-unlit.svg", unlit_lamp_svg("Coin sign", COIN_SIGN, coin_sign)),
    ("button-spin.svg", button_svg("spin")),
    ("button-bet1.svg", button_svg("bet1")),
    ("button-bet5.svg", button_svg("bet5")),
    ("bonus-meter.svg", bonus_svg()),
])
