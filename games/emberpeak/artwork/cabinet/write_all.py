"""Writes the Emberpeak cabinet SVGs into the game's art folder."""
from ember import machine_pictures, write_pictures, title_glass, coin_sign, title_strip, button_svg, nudge_svg
from cabinet import machine_svg, TITLE_GLASS, COIN_SIGN, TITLE_STRIP

write_pictures("games/emberpeak/art",
               machine_pictures(machine_svg(), (TITLE_GLASS, title_glass), (TITLE_STRIP, title_strip),
                                (COIN_SIGN, coin_sign), button_svg) +
               [("nudge-button.svg", nudge_svg())])
