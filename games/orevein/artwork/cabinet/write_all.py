"""Writes the Orevein cabinet SVGs into the game's art folder."""
import os
import sys

sys.path.append(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "..", "tools", "artwork", "shared"))

from svg_draw import machine_pictures, write_pictures  # noqa: E402
from lamps import title_glass, coin_sign, title_strip  # noqa: E402
from panel import button_svg, bonus_svg  # noqa: E402
from machine import machine_svg, TITLE_GLASS, COIN_SIGN, TITLE_STRIP  # noqa: E402

write_pictures("games/orevein/art",
               machine_pictures(machine_svg(), (TITLE_GLASS, title_glass), (TITLE_STRIP, title_strip),
                                (COIN_SIGN, coin_sign), button_svg) +
               [("bonus-meter.svg", bonus_svg())])
