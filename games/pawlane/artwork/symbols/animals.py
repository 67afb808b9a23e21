"""The Pawlane animals, each drawn in a 76x76 cell (the reel symbols, and the
boxes of the bonus board). Bold outlines and flat, bright colours with a little
shading, so that each reads at 76 pixels and stays clean when enlarged."""
import math
import os
import sys

sys.path.append(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "cabinet"))

from farm import *  # noqa: E402,F401,F403  (and the shared SVG helpers)

INK = "#2a1608"


def animal_defs():
    return "\n".join([
        rad("anShadow", [(0, "#3a2a10", 0.4), (0.6, "#3a2a10", 0.15), (1, "#3a2a10", 0)]),
        rad("anHorse", [(0, "#d8945a"), (0.6, "#a8602a"), (1, "#6a3410")], cx=0.45, cy=0.35, r=0.7),
        lin("anMane", [(0, "#4a2410"), (1, "#1e0c04")]),
        rad("anDog", [(0, "#fff0d0"), (0.6, "#f0c880"), (1, "#c8904a")], cx=0.45, cy=0.4, r=0.7),
        lin("anDogEar", [(0, "#8a4a1a"), (1, "#4a2208")]),
        rad("anPig", [(0, "#ffe4ea"), (0.6, "#ffaabc"), (1, "#e0708a")], cx=0.45, cy=0.4, r=0.7),
        rad("anSnout", [(0, "#ffc8d4"), (1, "#f0809a")], fx=0.4, fy=0.35),
        rad("anCat", [(0, "#ffe0b0"), (0.55, "#ffa040"), (1, "#d06a10")], cx=0.45, cy=0.4, r=0.7),
        rad("anRabbit", [(0, "#ffffff"), (0.7, "#eceef4"), (1, "#b8bcc8")], cx=0.45, cy=0.4, r=0.7),
        lin("anEarIn", [(0, "#ffc8d4"), (1, "#f090a8")]),
        rad("anComb", [(0, "#ff7a5a"), (0.6, "#e8200e"), (1, "#9a0a04")], fx=0.4, fy=0.3),
        rad("anRooster", [(0, "#ffffff"), (0.6, "#fff4dc"), (1, "#e0c89a")], cx=0.45, cy=0.4, r=0.7),
        lin("anTail", [(0, "#2a7a3a"), (1, "#0a3a5a")]),
        lin("anFish", [(0, "#9ad8ff"), (0.45, "#2a8ae8"), (1, "#0a3a9a")]),
        lin("anFin", [(0, "#ffd21a"), (1, "#f08a00")]),
        lin("anShell", [(0, "#9ae05a"), (0.6, "#3aa02a"), (1, "#1a5a12")]),
        lin("anSkin", [(0, "#d8e8a0"), (1, "#8aa050")]),
        rad("anWild", [(0, "#fffef0"), (0.3, "#fff27a"), (0.75, "#ffc410"), (1, "#e07a00")], fx=0.4, fy=0.35),
        rad("anWildRim", [(0, "#ff5a3a"), (1, "#a00c04")]),
        lin("anRibbon", [(0, "#3a8aff"), (0.5, "#1a5ae0"), (1, "#0a2a8a")]),
        rad("anIris", [(0, "#7aff9a"), (1, "#1a8a3a")]),
    ])


def eye(x, y, r, glint=True):
    out = circle(x, y, r, INK)
    if glint:
        out += circle(x + r * 0.35, y - r * 0.35, r * 0.38, "#ffffff")
    return out


def shadow(cx=38, cy=68, rx=24):
    return ellipse(cx, cy, rx, 4, "url(#anShadow)")


def horse():
    o = [shadow(40, 69, 20)]
    # neck and mane
    o.append(path("M30 40C26 52 24 62 26 70H56C56 58 52 48 48 42Z", "url(#anHorse)", f' stroke="{INK}" stroke-width="2"'))
    o.append(path("M44 12C52 14 58 24 58 36C60 48 58 60 60 70H50C50 58 50 46 44 36Z", "url(#anMane)",
                  f' stroke="{INK}" stroke-width="1.6" stroke-linejoin="round"'))
    # ears
    for (x, a) in ((28, -14), (42, 12)):
        o.append(f'<g transform="rotate({a} {x} 14)">' +
                 path(f"M{x - 5} 18L{x} 2L{x + 5} 18Z", "url(#anHorse)", f' stroke="{INK}" stroke-width="1.8" stroke-linejoin="round"') +
                 path(f"M{x - 2.4} 16L{x} 7L{x + 2.4} 16Z", "#5a2a0c") + "</g>")
    # long face and muzzle
    o.append(path("M22 22C22 12 46 10 46 22C48 34 48 44 46 52C44 62 24 62 22 52C20 44 20 34 22 22Z", "url(#anHorse)",
                  f' stroke="{INK}" stroke-width="2"'))
    o.append(ellipse(34, 52, 13.5, 9.5, "#e8c8a0", f' stroke="{INK}" stroke-width="1.8"'))
    o.append(path("M31 18C33 16 35 16 37 18L36 40C35 42 33 42 32 40Z", "#ffffff", ' fill-opacity="0.95"'))
    o.append(ellipse(29, 53, 2.2, 3, "#5a3420"))
    o.append(ellipse(39, 53, 2.2, 3, "#5a3420"))
    o.append(path("M29 58Q34 61 39 58", "none", f' stroke="{INK}" stroke-width="1.4" stroke-linecap="round"'))
    # forelock
    o.append(path("M26 18C28 10 36 8 40 12C38 14 38 18 36 22C34 18 30 16 26 18Z", "url(#anMane)", f' stroke="{INK}" stroke-width="1.2"'))
    o.append(eye(25.5, 30, 2.8))
    o.append(eye(42.5, 30, 2.8))
    # prize rosette on the neck
    o.append(path("M50 58L47 70L51 67L54 71L55 59Z", "#1a5ae0", f' stroke="{INK}" stroke-width="0.8"'))
    o.append(circle(52, 57, 6, "url(#anRibbon)", f' stroke="{INK}" stroke-width="1.2"'))
    o.append(circle(52, 57, 3, "#ffd21a"))
    return "\n".join(o)


def dog():
    o = [shadow()]
    o.append(path("M16 22C8 24 6 40 10 50C14 54 20 50 22 44Z", "url(#anDogEar)", f' stroke="{INK}" stroke-width="2"'))
    o.append(path("M60 22C68 24 70 40 66 50C62 54 56 50 54 44Z", "url(#anDogEar)", f' stroke="{INK}" stroke-width="2"'))
    o.append(path("M38 12C54 12 60 24 60 38C60 56 50 66 38 66C26 66 16 56 16 38C16 24 22 12 38 12Z", "url(#anDog)",
                  f' stroke="{INK}" stroke-width="2"'))
    o.append(path("M46 16C54 18 58 28 56 36C52 32 46 30 44 24Z", "#c88a4a", ' fill-opacity="0.85"'))   # eye patch
    o.append(ellipse(38, 50, 13, 10, "#fff8ec", f' stroke="{INK}" stroke-width="1.2" stroke-opacity="0.5"'))
    o.append(eye(29, 34, 3.2))
    o.append(eye(47, 34, 3.2))
    o.append(path("M31 44C31 40 45 40 45 44C45 48 40 50 38 50C36 50 31 48 31 44Z", INK))
    o.append(ellipse(35.5, 42.5, 2.2, 1.1, "#ffffff", ' fill-opacity="0.7"'))
    o.append(path("M38 50V54M30 53Q34 57 38 54Q42 57 46 53", "none", f' stroke="{INK}" stroke-width="1.6" stroke-linecap="round"'))
    o.append(path("M34 55.5C34 62 42 62 42 55.5Z", "#ff6a7a", f' stroke="{INK}" stroke-width="1.2"'))
    # red collar with a tag
    o.append(path("M24 62Q38 70 52 62L53 66Q38 74 23 66Z", "#e8200e", f' stroke="{INK}" stroke-width="1.2"'))
    o.append(circle(38, 70, 3.4, "#ffd21a", f' stroke="{INK}" stroke-width="1"'))
    return "\n".join(o)


def pig():
    o = [shadow()]
    for sx in (-1, 1):
        o.append(path(f"M{38 + sx * 14} 22L{38 + sx * 26} 8L{38 + sx * 25} 30Z", "url(#anPig)",
                      f' stroke="{INK}" stroke-width="2" stroke-linejoin="round"'))
        o.append(path(f"M{38 + sx * 17} 22L{38 + sx * 24} 13L{38 + sx * 23} 26Z", "#e86a8a"))
    o.append(ellipse(38, 40, 25, 24, "url(#anPig)", f' stroke="{INK}" stroke-width="2"'))
    o.append(ellipse(38, 48, 12, 9, "url(#anSnout)", f' stroke="{INK}" stroke-width="1.8"'))
    o.append(ellipse(33.5, 48, 2.4, 3.4, "#8a2a40"))
    o.append(ellipse(42.5, 48, 2.4, 3.4, "#8a2a40"))
    o.append(eye(28, 33, 3))
    o.append(eye(48, 33, 3))
    o.append(ellipse(21, 44, 4, 2.6, "#ff7a9a", ' fill-opacity="0.6"'))
    o.append(ellipse(55, 44, 4, 2.6, "#ff7a9a", ' fill-opacity="0.6"'))
    o.append(path("M32 59Q38 62 44 59", "none", f' stroke="{INK}" stroke-width="1.5" stroke-linecap="round"'))
    o.append(ellipse(30, 24, 6, 3, "#ffffff", ' fill-opacity="0.6"'))
    return "\n".join(o)


def cat():
    o = [shadow()]
    for sx in (-1, 1):
        o.append(path(f"M{38 + sx * 8} 24L{38 + sx * 22} 6L{38 + sx * 25} 32Z", "url(#anCat)",
                      f' stroke="{INK}" stroke-width="2" stroke-linejoin="round"'))
        o.append(path(f"M{38 + sx * 13} 23L{38 + sx * 21} 12L{38 + sx * 22} 28Z", "#ffc8b0"))
    o.append(path("M38 20C56 20 64 32 64 44C64 58 52 66 38 66C24 66 12 58 12 44C12 32 20 20 38 20Z", "url(#anCat)",
                  f' stroke="{INK}" stroke-width="2"'))
    for dx in (-4, 0, 4):   # tabby stripes
        o.append(path(f"M{38 + dx} 21V{29 - abs(dx) * 0.5}", "none", ' stroke="#b85a08" stroke-width="2" stroke-linecap="round"'))
    o.append(ellipse(38, 53, 11, 8, "#fff4e0"))
    for sx in (-1, 1):
        x = 38 + sx * 11
        o.append(ellipse(x, 40, 5, 5.6, "url(#anIris)", f' stroke="{INK}" stroke-width="1.4"'))
        o.append(ellipse(x, 40, 1.5, 4.6, INK))
        o.append(circle(x + 1.6, 37.8, 1.1, "#ffffff"))
        for dy in (-2, 2):
            o.append(path(f"M{38 + sx * 10} {52 + dy}L{38 + sx * 27} {50 + dy * 2.4}", "none",
                          f' stroke="{INK}" stroke-width="1" stroke-linecap="round"'))
    o.append(path("M34.5 48H41.5L38 52Z", "#ff7a8a", f' stroke="{INK}" stroke-width="1" stroke-linejoin="round"'))
    o.append(path("M38 52V54.5M33 55Q35.5 58 38 54.5Q40.5 58 43 55", "none", f' stroke="{INK}" stroke-width="1.4" stroke-linecap="round"'))
    return "\n".join(o)


def rabbit():
    o = [shadow()]
    for sx, a in ((-1, -8), (1, 10)):
        x = 38 + sx * 9
        o.append(f'<g transform="rotate({a} {x} 30)">' +
                 ellipse(x, 18, 7, 17, "url(#anRabbit)", f' stroke="{INK}" stroke-width="2"') +
                 ellipse(x, 19, 3.6, 13, "url(#anEarIn)") + "</g>")
    o.append(ellipse(38, 48, 21, 19, "url(#anRabbit)", f' stroke="{INK}" stroke-width="2"'))
    o.append(eye(30, 44, 3))
    o.append(eye(46, 44, 3))
    o.append(ellipse(24, 52, 3.6, 2.4, "#ff9ab0", ' fill-opacity="0.6"'))
    o.append(ellipse(52, 52, 3.6, 2.4, "#ff9ab0", ' fill-opacity="0.6"'))
    o.append(path("M35 51H41L38 54.5Z", "#ff7a9a", f' stroke="{INK}" stroke-width="1" stroke-linejoin="round"'))
    o.append(path("M38 54.5V56.5M33.5 56.5Q36 59 38 56.5Q40 59 42.5 56.5", "none", f' stroke="{INK}" stroke-width="1.3" stroke-linecap="round"'))
    o.append(rect(35.4, 57.5, 40.6, 62.5, "#ffffff", r=1, extra=f' stroke="{INK}" stroke-width="1"'))
    o.append(path("M38 57.5V62.5", "none", f' stroke="{INK}" stroke-width="0.7"'))
    # a carrot held up
    o.append(path("M58 40L68 66L62 66Z", "#ff8a1a", f' stroke="{INK}" stroke-width="1.2" stroke-linejoin="round"'))
    o.append(path("M60 40L56 32M61 40L62 31M62 40L66 33", "none", ' stroke="#2a9a2a" stroke-width="2" stroke-linecap="round"'))
    return "\n".join(o)


def rooster():
    o = [shadow(36, 69, 22)]
    # tail feathers
    o.append(path("M46 44C56 30 68 28 70 36C64 36 60 42 60 48C66 44 72 46 70 52C64 50 58 56 54 60Z", "url(#anTail)",
                  f' stroke="{INK}" stroke-width="1.6" stroke-linejoin="round"'))
    # body and neck
    o.append(path("M22 34C18 46 20 62 34 66C46 68 58 60 56 48C54 40 46 38 40 40C38 34 36 28 34 24Z", "url(#anRooster)",
                  f' stroke="{INK}" stroke-width="2"'))
    o.append(path("M34 52C40 48 48 50 50 56C44 60 38 58 34 52Z", "#e0c89a", f' stroke="{INK}" stroke-width="1.2"'))
    # legs
    o.append(path("M32 66V72M28 73H36M42 66V72M38 73H46", "none", ' stroke="#f08a00" stroke-width="2" stroke-linecap="round"'))
    # head
    o.append(circle(28, 24, 11, "url(#anRooster)", f' stroke="{INK}" stroke-width="2"'))
    o.append(path("M18 16C16 8 22 6 24 10C24 4 30 2 32 8C34 4 40 6 38 12C40 14 38 18 34 16Z", "url(#anComb)",
                  f' stroke="{INK}" stroke-width="1.6" stroke-linejoin="round"'))
    o.append(path("M17 24L7 27L17 30Z", "#ffc410", f' stroke="{INK}" stroke-width="1.4" stroke-linejoin="round"'))
    o.append(path("M17 30C14 32 14 40 19 40C22 40 22 34 20 31Z", "url(#anComb)", f' stroke="{INK}" stroke-width="1.4"'))
    o.append(eye(24, 22, 2.6))
    return "\n".join(o)


def fish():
    o = [shadow(38, 64, 26)]
    o.append(path("M58 38L72 24C74 32 74 44 72 52Z", "url(#anFin)", f' stroke="{INK}" stroke-width="2" stroke-linejoin="round"'))
    o.append(path("M30 22C36 12 46 14 48 24Z", "url(#anFin)", f' stroke="{INK}" stroke-width="1.8" stroke-linejoin="round"'))
    o.append(path("M6 38C12 22 30 18 44 22C52 24 58 32 60 38C58 44 52 52 44 54C30 58 12 54 6 38Z", "url(#anFish)",
                  f' stroke="{INK}" stroke-width="2"'))
    o.append(path("M30 50C34 56 40 58 42 54Z", "url(#anFin)", f' stroke="{INK}" stroke-width="1.4"'))
    for x in (32, 40, 48):   # scales
        o.append(path(f"M{x} 28Q{x + 5} 38 {x} 48", "none", ' stroke="#0a3a9a" stroke-width="1.2" stroke-opacity="0.6"'))
    o.append(path("M22 26Q16 38 22 50", "none", f' stroke="{INK}" stroke-width="1.6"'))
    o.append(circle(15, 34, 4.2, "#ffffff", f' stroke="{INK}" stroke-width="1.2"'))
    o.append(eye(15.6, 34.4, 2.3))
    o.append(path("M7 42Q10 44 13 42", "none", f' stroke="{INK}" stroke-width="1.4" stroke-linecap="round"'))
    o.append(path("M14 26C22 22 34 22 42 26", "none", ' stroke="#ffffff" stroke-width="2" stroke-opacity="0.6" stroke-linecap="round"'))
    for (x, y, r) in ((10, 18, 2.4), (5, 11, 1.6)):
        o.append(circle(x, y, r, "#d8f0ff", f' stroke="#2a8ae8" stroke-width="0.8"'))
    return "\n".join(o)


def tortoise():
    o = [shadow(38, 64, 28)]
    for x in (20, 54):
        o.append(ellipse(x, 58, 6, 6, "url(#anSkin)", f' stroke="{INK}" stroke-width="1.6"'))
    o.append(path("M56 46C62 38 72 38 72 46C72 52 66 54 60 52Z", "url(#anSkin)", f' stroke="{INK}" stroke-width="1.8"'))
    o.append(eye(66, 44, 2.2))
    o.append(path("M66 49Q69 50 71 48", "none", f' stroke="{INK}" stroke-width="1.2" stroke-linecap="round"'))
    o.append(path("M8 54C8 30 22 20 36 20C52 20 64 32 62 54Z", "url(#anShell)", f' stroke="{INK}" stroke-width="2"'))
    o.append(path("M28 28L44 28L50 40L44 52L28 52L22 40Z", "#6ac83a", f' stroke="{INK}" stroke-width="1.4" stroke-linejoin="round"'))
    o.append(path("M28 28L20 24M44 28L52 24M50 40H62M22 40H9M28 52L24 54M44 52L48 54", "none",
                  f' stroke="{INK}" stroke-width="1.4" stroke-linecap="round"'))
    o.append(rect(6, 52, 64, 57, "#b8a050", r=2.5, extra=f' stroke="{INK}" stroke-width="1.6"'))
    o.append(ellipse(30, 26, 8, 3, "#ffffff", ' fill-opacity="0.5"'))
    return "\n".join(o)


def wild():
    o = []
    pts = []
    for i in range(32):
        a = math.pi * i / 16 - math.pi / 2
        r = 35 if i % 2 == 0 else 27.5
        pts.append((38 + r * math.cos(a), 36 + r * math.sin(a)))
    o.append(poly(pts, "url(#anWildRim)", f' stroke="{INK}" stroke-width="1.6" stroke-linejoin="round"'))
    o.append(circle(38, 36, 25, "url(#anWild)", f' stroke="{INK}" stroke-width="1.8"'))
    o.append(circle(38, 36, 21.5, "none", ' stroke="#ffffff" stroke-width="1.2" stroke-opacity="0.8"'))
    o.append(f'<g opacity="0.35" transform="translate(1,1.5)">{paw(38, 29, 12, "#6a2a00")}</g>')
    o.append(paw(38, 29, 12, "#c81e10"))
    # WILD on a blue ribbon
    o.append(poly([(6, 50), (14, 50), (14, 66), (6, 66), (10, 58)], "#0a2a8a", f' stroke="{INK}" stroke-width="1.2"'))
    o.append(poly([(70, 50), (62, 50), (62, 66), (70, 66), (66, 58)], "#0a2a8a", f' stroke="{INK}" stroke-width="1.2"'))
    o.append(rect(11, 47, 65, 65, "url(#anRibbon)", r=2.5, extra=f' stroke="{INK}" stroke-width="1.6"'))
    td = text_path("WILD", "sans-bold", 15.5, 38, 62, spacing=1)
    o.append(path(td, "none", f' stroke="{INK}" stroke-width="2.6" stroke-linejoin="round"'))
    o.append(path(td, "#ffffff"))
    return "\n".join(o)


ANIMALS = {"wild": wild, "horse": horse, "dog": dog, "pig": pig, "cat": cat, "rabbit": rabbit,
           "rooster": rooster, "fish": fish, "tortoise": tortoise}
