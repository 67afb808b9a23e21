"""Writes the Pawlane cabinet SVGs into the game's art folder."""
from farm import farm_defs, unlit_lamp_svg, write_pictures  # farm puts the shared SVG helpers on the path
from lamps import title_glass, coin_sign, title_strip
from panel import button_svg, bonus_svg, hold_svg, bar_svg, bar_mask_svg
from machine import machine_svg, LINE_BARS, TITLE_GLASS, COIN_SIGN, TITLE_STRIP

write_pictures("games/pawlane/art", [
    ("machine.svg", machine_svg()),
    ("title-glass-unlit.svg", unlit_lamp_svg("Title glass", TITLE_GLASS, title_glass, farm_defs())),
    ("title-strip-unlit.svg", unlit_lamp_svg("Title strip", TITLE_STRIP, title_strip, farm_defs())),
    ("coin-sign-unlit.svg", unlit_lamp_svg("Coin sign", COIN_SIGN, coin_sign)),
    ("button-spin.svg", button_svg("spin")),
    ("button-bet1.svg", button_svg("bet1")),
    ("button-bet5.svg", button_svg("bet5")),
    ("bonus-meter.svg", bonus_svg()),
    ("hold-lamp.svg", hold_svg()),
    *[(f"bar-{colour}.svg", bar_svg(colour)) for colour in LINE_BARS],
    ("bar-mask.svg", bar_mask_svg()),
])
