"""Writes the Pawlane cabinet SVGs into the game's art folder."""
from farm import farm_defs, machine_pictures, write_pictures  # farm puts the shared SVG helpers on the path
from lamps import title_glass, coin_sign, title_strip
from panel import button_svg, bonus_svg, hold_svg, bar_svg, bar_mask_svg
from machine import machine_svg, LINE_BARS, TITLE_GLASS, COIN_SIGN, TITLE_STRIP

write_pictures("games/pawlane/art",
               machine_pictures(machine_svg(), (TITLE_GLASS, title_glass), (TITLE_STRIP, title_strip),
                                (COIN_SIGN, coin_sign), button_svg, farm_defs()) +
               [("bonus-meter.svg", bonus_svg()),
                ("hold-lamp.svg", hold_svg()),
                *[(f"bar-{colour}.svg", bar_svg(colour)) for colour in LINE_BARS],
                ("bar-mask.svg", bar_mask_svg())])
