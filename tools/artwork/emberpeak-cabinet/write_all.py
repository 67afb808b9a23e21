"""Writes the Emberpeak cabinet SVGs into the game's art folder."""
from ember import unlit_lamp_svg, write_pictures, title_glass, coin_sign, title_strip, button_svg, nudge_svg
from cabinet import machine_svg, TITLE_GLASS, COIN_SIGN, TITLE_STRIP

write_pictures("games/emberpeak/art", [
    ("machine.svg", machine_svg()),
    ("title-glass-unlit.svg", unlit_lamp_svg("Title glass", TITLE_GLASS, title_glass)),
    ("title-strip-unlit.svg", unlit_lamp_svg("Title strip", TITLE_STRIP, title_strip)),
    ("coin-sign-unlit.svg", unlit_lamp_svg("Coin sign", COIN_SIGN, coin_sign)),
    ("button-spin.svg", button_svg("spin")),
    ("button-bet1.svg", button_svg("bet1")),
    ("button-bet5.svg", button_svg("bet5")),
    ("nudge-button.svg", nudge_svg()),
])
