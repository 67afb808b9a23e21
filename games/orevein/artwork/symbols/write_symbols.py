#!/usr/bin/env python3
"""Writes the Orevein symbol sheet (304x304, 16 cells of 76x76)."""
import os
import sys

sys.path.append(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "..", "tools", "artwork", "shared"))

from svg_draw import star_points  # noqa: E402

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "art", "symbols.svg")


def sparkle(cx, cy, r, fill, core="#ffffff", glow_op=0.5):
    """Four-pointed glint with a soft core."""
    w = r * 0.2
    d = (f"M {cx:.1f},{cy - r:.1f} L {cx + w:.1f},{cy - w:.1f} L {cx + r:.1f},{cy:.1f} "
         f"L {cx + w:.1f},{cy + w:.1f} L {cx:.1f},{cy + r:.1f} L {cx - w:.1f},{cy + w:.1f} "
         f"L {cx - r:.1f},{cy:.1f} L {cx - w:.1f},{cy - w:.1f} Z")
    return (f'<circle cx="{cx}" cy="{cy}" r="{r * 0.55:.1f}" fill="url(#glint)" opacity="{glow_op}"/>'
            f'<path d="{d}" fill="{fill}"/>'
            f'<circle cx="{cx}" cy="{cy}" r="{r * 0.16:.1f}" fill="{core}"/>')


defs = []
cells = []

# ---------------------------------------------------------------- gradients
defs.append("""
    <!-- Reel paper: a warm cream, shaded at the sides like the curve of a drum.
         The shading runs across, never down, so stacked cells join seamlessly. -->
    <linearGradient id="reelPaper" x1="0" y1="0" x2="1" y2="0">
      <stop offset="0" stop-color="#efe2c2"/>
      <stop offset="0.16" stop-color="#f9f1dc"/>
      <stop offset="0.5" stop-color="#fffbf0"/>
      <stop offset="0.84" stop-color="#f9f1dc"/>
      <stop offset="1" stop-color="#efe2c2"/>
    </linearGradient>
    <radialGradient id="glint" cx="0.5" cy="0.5" r="0.5">
      <stop offset="0" stop-color="#ffffff" stop-opacity="1"/>
      <stop offset="1" stop-color="#fff6c8" stop-opacity="0"/>
    </radialGradient>
    <radialGradient id="softShadow" cx="0.5" cy="0.5" r="0.5">
      <stop offset="0" stop-color="#4a2e0c" stop-opacity="0.45"/>
      <stop offset="0.6" stop-color="#4a2e0c" stop-opacity="0.18"/>
      <stop offset="1" stop-color="#4a2e0c" stop-opacity="0"/>
    </radialGradient>

    <!-- nugget -->
    <radialGradient id="nuggetHalo" cx="0.5" cy="0.5" r="0.5">
      <stop offset="0" stop-color="#ffe98a" stop-opacity="0.95"/>
      <stop offset="0.55" stop-color="#ffd23f" stop-opacity="0.45"/>
      <stop offset="1" stop-color="#ffc820" stop-opacity="0"/>
    </radialGradient>
    <radialGradient id="nuggetGold" cx="0.36" cy="0.3" r="0.78" fx="0.32" fy="0.26">
      <stop offset="0" stop-color="#fffbd8"/>
      <stop offset="0.18" stop-color="#ffe45c"/>
      <stop offset="0.5" stop-color="#f4b21c"/>
      <stop offset="0.78" stop-color="#c87a0a"/>
      <stop offset="1" stop-color="#8c4a04"/>
    </radialGradient>
    <linearGradient id="nuggetRay" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#f7c531" stop-opacity="0"/>
      <stop offset="1" stop-color="#f7c531" stop-opacity="0.55"/>
    </linearGradient>

    <!-- ingot -->
    <linearGradient id="ingotTop" x1="0" y1="0" x2="0.3" y2="1">
      <stop offset="0" stop-color="#fffbe6"/>
      <stop offset="0.5" stop-color="#fbe6a0"/>
      <stop offset="1" stop-color="#e9c463"/>
    </linearGradient>
    <linearGradient id="ingotFront" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#f3d67e"/>
      <stop offset="0.45" stop-color="#d9ad45"/>
      <stop offset="1" stop-color="#a8792a"/>
    </linearGradient>
    <linearGradient id="ingotEnd" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#caa04a"/>
      <stop offset="1" stop-color="#7e5718"/>
    </linearGradient>

    <!-- ore cart -->
    <linearGradient id="cartBody" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#b8643a"/>
      <stop offset="0.5" stop-color="#93421f"/>
      <stop offset="1" stop-color="#5e2510"/>
    </linearGradient>
    <linearGradient id="cartIron" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#8b8682"/>
      <stop offset="0.5" stop-color="#55504c"/>
      <stop offset="1" stop-color="#2f2b28"/>
    </linearGradient>
    <radialGradient id="wheel" cx="0.5" cy="0.5" r="0.5" fx="0.38" fy="0.35">
      <stop offset="0" stop-color="#8d8780"/>
      <stop offset="0.7" stop-color="#45403b"/>
      <stop offset="1" stop-color="#221e1b"/>
    </radialGradient>
    <linearGradient id="rock" x1="0" y1="0" x2="0.4" y2="1">
      <stop offset="0" stop-color="#a59280"/>
      <stop offset="0.55" stop-color="#76634f"/>
      <stop offset="1" stop-color="#4c3e31"/>
    </linearGradient>
    <linearGradient id="rockDark" x1="0" y1="0" x2="0.4" y2="1">
      <stop offset="0" stop-color="#85735f"/>
      <stop offset="1" stop-color="#3e3127"/>
    </linearGradient>
    <radialGradient id="oreGold" cx="0.4" cy="0.35" r="0.7">
      <stop offset="0" stop-color="#fff6b0"/>
      <stop offset="0.45" stop-color="#ffcc2a"/>
      <stop offset="1" stop-color="#b87008"/>
    </radialGradient>

    <!-- lantern -->
    <radialGradient id="lanternHalo" cx="0.5" cy="0.5" r="0.5">
      <stop offset="0" stop-color="#ffe066" stop-opacity="0.9"/>
      <stop offset="0.5" stop-color="#ffc23a" stop-opacity="0.4"/>
      <stop offset="1" stop-color="#ffb020" stop-opacity="0"/>
    </radialGradient>
    <radialGradient id="lanternGlass" cx="0.5" cy="0.6" r="0.6">
      <stop offset="0" stop-color="#fffef0"/>
      <stop offset="0.3" stop-color="#ffec8a"/>
      <stop offset="0.7" stop-color="#ffb42c"/>
      <stop offset="1" stop-color="#e07a10"/>
    </radialGradient>
    <linearGradient id="flame" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#ff9a1a"/>
      <stop offset="0.45" stop-color="#ffe14a"/>
      <stop offset="1" stop-color="#ffffff"/>
    </linearGradient>
    <linearGradient id="brass" x1="0" y1="0" x2="1" y2="0">
      <stop offset="0" stop-color="#5a3c14"/>
      <stop offset="0.3" stop-color="#c8962e"/>
      <stop offset="0.5" stop-color="#f0c860"/>
      <stop offset="0.75" stop-color="#a4741e"/>
      <stop offset="1" stop-color="#4e3210"/>
    </linearGradient>
    <linearGradient id="brassDark" x1="0" y1="0" x2="1" y2="0">
      <stop offset="0" stop-color="#3a2610"/>
      <stop offset="0.4" stop-color="#8a6226"/>
      <stop offset="0.6" stop-color="#a87a30"/>
      <stop offset="1" stop-color="#33220c"/>
    </linearGradient>

    <!-- pickaxe -->
    <linearGradient id="steel" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#f4f7fa"/>
      <stop offset="0.35" stop-color="#b9c3cc"/>
      <stop offset="0.7" stop-color="#7b8792"/>
      <stop offset="1" stop-color="#4a545d"/>
    </linearGradient>
    <linearGradient id="wood" x1="0" y1="0" x2="1" y2="0">
      <stop offset="0" stop-color="#6a3a16"/>
      <stop offset="0.3" stop-color="#d39a58"/>
      <stop offset="0.55" stop-color="#b27436"/>
      <stop offset="1" stop-color="#5a3010"/>
    </linearGradient>
    <linearGradient id="grip" x1="0" y1="0" x2="1" y2="0">
      <stop offset="0" stop-color="#2c1a0e"/>
      <stop offset="0.35" stop-color="#6a4630"/>
      <stop offset="1" stop-color="#22140a"/>
    </linearGradient>

    <!-- dynamite -->
    <linearGradient id="stick" x1="0" y1="0" x2="1" y2="0">
      <stop offset="0" stop-color="#7e1208"/>
      <stop offset="0.28" stop-color="#ff6a48"/>
      <stop offset="0.5" stop-color="#e0301a"/>
      <stop offset="1" stop-color="#7a0e06"/>
    </linearGradient>
    <radialGradient id="stickEnd" cx="0.45" cy="0.4" r="0.6">
      <stop offset="0" stop-color="#fff3dc"/>
      <stop offset="1" stop-color="#c9a476"/>
    </radialGradient>
    <linearGradient id="band" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#6a5440"/>
      <stop offset="0.4" stop-color="#3a2a1c"/>
      <stop offset="1" stop-color="#1c130a"/>
    </linearGradient>
    <radialGradient id="spark" cx="0.5" cy="0.5" r="0.5">
      <stop offset="0" stop-color="#ffffff" stop-opacity="1"/>
      <stop offset="0.3" stop-color="#fff27a" stop-opacity="0.95"/>
      <stop offset="0.65" stop-color="#ff9a1a" stop-opacity="0.5"/>
      <stop offset="1" stop-color="#ff6a00" stop-opacity="0"/>
    </radialGradient>

    <!-- badges -->
    <linearGradient id="badgeUp" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#8df07a"/>
      <stop offset="0.5" stop-color="#27b238"/>
      <stop offset="1" stop-color="#0d6e1c"/>
    </linearGradient>
    <linearGradient id="badgeDown" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#ffb06a"/>
      <stop offset="0.5" stop-color="#f04a1c"/>
      <stop offset="1" stop-color="#a01a08"/>
    </linearGradient>
    <linearGradient id="badgeBonus" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#dcb8ff"/>
      <stop offset="0.45" stop-color="#9448e6"/>
      <stop offset="1" stop-color="#4c1796"/>
    </linearGradient>
""")

# ---------------------------------------------------------------- the reel background
defs.append("""
    <g id="paper">
      <rect x="0" y="0" width="76" height="76" fill="url(#reelPaper)"/>
    </g>""")

# ---------------------------------------------------------------- nugget
rays = []
for i in range(12):
    a = i * 30 + 8
    rays.append(f'<polygon points="-2.6,-8 2.6,-8 0,-34" transform="rotate({a})"/>')
nugget_outline = ("M 13,41 C 10,31 18,21 29,20 C 35,13 49,13 55,19 C 63,20 69,29 66,37 "
                  "C 70,45 65,57 55,58 C 49,64 36,65 30,60 C 20,62 10,53 13,41 Z")
defs.append(f"""
    <g id="nugget">
      <circle cx="38" cy="38" r="34" fill="url(#nuggetHalo)"/>
      <g transform="translate(38,38)" fill="url(#nuggetRay)">
        {''.join(rays)}
      </g>
      <ellipse cx="39" cy="63" rx="28" ry="6" fill="url(#softShadow)"/>
      <path d="{nugget_outline}" fill="#6e3b06" transform="translate(1,1.6)" opacity="0.55"/>
      <path d="{nugget_outline}" fill="url(#nuggetGold)" stroke="#6a3805" stroke-width="2.3" stroke-linejoin="round"/>
      <!-- the shaded underside -->
      <path d="M 15,47 C 19,55 27,58 31,55 C 37,60 48,60 54,54 C 60,55 65,50 66,44 C 67,54 61,58 55,58 C 49,64 36,65 30,60 C 21,62 14,55 15,47 Z"
            fill="#8a4604" opacity="0.45"/>
      <!-- melted-looking lit planes -->
      <path d="M 18,37 C 18,28 25,23 31,24 C 36,19 45,18 50,21 C 44,22 38,25 34,30 C 28,29 22,32 18,37 Z" fill="#fffbe2" opacity="0.85"/>
      <path d="M 55,22 C 60,23 64,28 63,33 C 61,30 58,27 55,22 Z" fill="#fff4bc" opacity="0.75"/>
      <path d="M 36,36 C 41,32 50,32 55,36 C 50,36 44,37 39,41 Z" fill="#fff1a0" opacity="0.55"/>
      <path d="M 21,47 C 24,45 28,46 30,49 C 27,48 24,48 21,47 Z" fill="#fff1a0" opacity="0.7"/>
      <!-- folds where the lumps meet -->
      <g fill="none" stroke="#8a4804" stroke-width="1.5" stroke-linecap="round" opacity="0.7">
        <path d="M 29,20 C 31,25 31,28 29,31"/>
        <path d="M 55,19 C 54,24 55,28 58,31"/>
        <path d="M 66,37 C 62,39 59,41 58,45"/>
        <path d="M 30,60 C 31,56 34,53 37,52"/>
      </g>
      <!-- pits in the surface -->
      <g>
        <ellipse cx="45" cy="44" rx="2.8" ry="1.8" fill="#a25a06" opacity="0.75"/>
        <path d="M 42.4,44.6 C 43.6,46.4 46.4,46.4 47.6,44.6" fill="none" stroke="#fff1a0" stroke-width="0.9"/>
        <ellipse cx="55" cy="49" rx="1.8" ry="1.2" fill="#8a4604" opacity="0.7"/>
        <ellipse cx="23" cy="50" rx="2" ry="1.3" fill="#9a5406" opacity="0.65"/>
        <path d="M 21.2,50.5 C 22,51.8 24,51.8 24.8,50.5" fill="none" stroke="#fff6c0" stroke-width="0.8"/>
      </g>
      <!-- glitter -->
      {sparkle(28, 29, 9.5, "#ffffff")}
      {sparkle(52, 27, 5.5, "#ffffff")}
      {sparkle(49, 51, 5, "#ffffff")}
      {sparkle(64, 12, 7, "#f2b418", "#fffbe0", 0.9)}
      {sparkle(11, 62, 5, "#f2b418", "#fffbe0", 0.9)}
      {sparkle(13, 16, 4, "#f2b418", "#fffbe0", 0.9)}
    </g>""")

# ---------------------------------------------------------------- ingot
defs.append("""
    <g id="ingot">
      <ellipse cx="38" cy="60" rx="33" ry="6" fill="url(#softShadow)"/>
      <g stroke="#5e3f0e" stroke-width="2" stroke-linejoin="round">
        <polygon points="21,21 11,37 5,58 4.5,47" fill="url(#ingotEnd)"/>
        <polygon points="55,21 65,37 71,58 71.5,47" fill="url(#ingotEnd)"/>
        <polygon points="11,37 65,37 71,58 5,58" fill="url(#ingotFront)"/>
        <polygon points="21,21 55,21 65,37 11,37" fill="url(#ingotTop)"/>
      </g>
      <!-- stamp on the top face -->
      <polygon points="24.5,24 51.5,24 58,34 18,34" fill="none" stroke="#b48a2e" stroke-width="1.1" stroke-linejoin="round"/>
      <g transform="translate(38,32.3) scale(1.18,0.84)" font-family="DejaVu Sans" font-weight="bold" font-size="7.6" text-anchor="middle">
        <text x="0" y="0.6" fill="#fff8de">999.9</text>
        <text x="0" y="0" fill="#9a6c1c">999.9</text>
      </g>
      <!-- bevel lights -->
      <line x1="12.5" y1="38.6" x2="63.5" y2="38.6" stroke="#fff4c8" stroke-width="1.2" opacity="0.9"/>
      <line x1="22" y1="22.6" x2="54" y2="22.6" stroke="#ffffff" stroke-width="1" opacity="0.9"/>
      <!-- front stamp: a small struck star in a roundel -->
      <circle cx="38" cy="47.6" r="6.2" fill="none" stroke="#8a611a" stroke-width="1.1"/>
      <circle cx="38" cy="48.3" r="6.2" fill="none" stroke="#fff0b8" stroke-width="0.6" opacity="0.7"/>
      <polygon points="STAR_INGOT" fill="#93681c"/>
      <!-- shine -->
      <polygon points="17,37 27,37 22,58 10,58" fill="#ffffff" opacity="0.16"/>
      <polygon points="29,21 36,21 30,37 21,37" fill="#ffffff" opacity="0.35"/>
    </g>""".replace("STAR_INGOT", star_points(38, 48, 4.4, 1.9)))
defs[-1] = defs[-1] + "\n" + f'    <g id="ingotGlints">{sparkle(21, 22, 7, "#ffffff")}{sparkle(64, 52, 5, "#ffffff")}</g>'

# ---------------------------------------------------------------- ore cart
defs.append("""
    <g id="cart">
      <ellipse cx="38" cy="68" rx="32" ry="4" fill="url(#softShadow)"/>
      <!-- rail -->
      <rect x="6" y="66" width="64" height="3.2" rx="1" fill="#5e5750"/>
      <rect x="6" y="66" width="64" height="1.2" fill="#a49c92"/>
      <!-- ore heaped over the rim -->
      <path d="M 11,33 C 12,25 18,21 24,21 C 27,15 34,12 40,15 C 46,11 55,15 57,21 C 63,21 67,27 66,33 Z"
            fill="#3e3127" stroke="#2a1f17" stroke-width="1.8" stroke-linejoin="round"/>
      <g stroke="#2a1f17" stroke-width="1.2" stroke-linejoin="round">
        <polygon points="13,33 15,26 22,23 27,27 26,33" fill="url(#rock)"/>
        <polygon points="25,24 30,17 38,16 41,22 35,27" fill="url(#rock)"/>
        <polygon points="45,18 53,17 58,23 55,29 47,27" fill="url(#rock)"/>
        <polygon points="55,33 56,26 62,25 65,31 64,33" fill="url(#rockDark)"/>
        <polygon points="33,33 35,27 43,25 48,29 46,33" fill="url(#rockDark)"/>
        <polygon points="22,33 26,28 31,29 33,33" fill="url(#rockDark)"/>
      </g>
      <!-- gold showing in the ore -->
      <g stroke="#7a4306" stroke-width="1.1" stroke-linejoin="round">
        <path d="M 39,18 C 41,14 47,14 48,18 C 49,22 44,25 41,23 C 38,22 38,20 39,18 Z" fill="url(#oreGold)"/>
        <path d="M 18,27 C 19,24 23,24 24,26 C 25,29 21,31 19,30 C 17,29 17,28 18,27 Z" fill="url(#oreGold)"/>
        <path d="M 48,28 C 49,25 54,25 55,28 C 56,31 52,33 50,32 C 48,31 47,30 48,28 Z" fill="url(#oreGold)"/>
      </g>
      <circle cx="42" cy="17.4" r="1.1" fill="#ffffff"/>
      <circle cx="19.6" cy="26.3" r="0.8" fill="#ffffff"/>
      <circle cx="50.6" cy="27.6" r="0.8" fill="#ffffff"/>
      <!-- tub -->
      <polygon points="10,34 66,34 58,59 18,59" fill="url(#cartBody)" stroke="#3a1608" stroke-width="2" stroke-linejoin="round"/>
      <polygon points="13,37 63,37 62.2,39.5 13.8,39.5" fill="#d98a58" opacity="0.55"/>
      <!-- iron straps with rivets -->
      <polygon points="22,34 28,34 27,59 23.5,59" fill="url(#cartIron)"/>
      <polygon points="48,34 54,34 52.5,59 49,59" fill="url(#cartIron)"/>
      <polygon points="16,50 60,50 59,53.5 17,53.5" fill="url(#cartIron)"/>
      <g fill="#d8d0c6">
        <circle cx="25" cy="41" r="1.1"/><circle cx="25" cy="46" r="1.1"/><circle cx="25" cy="57" r="1"/>
        <circle cx="51" cy="41" r="1.1"/><circle cx="51" cy="46" r="1.1"/><circle cx="51" cy="57" r="1"/>
      </g>
      <!-- rim -->
      <rect x="7" y="30.5" width="62" height="5.5" rx="2" fill="url(#cartIron)" stroke="#221e1b" stroke-width="1.5"/>
      <rect x="9" y="31.3" width="58" height="1.3" rx="0.6" fill="#c8c2ba" opacity="0.8"/>
      <!-- wheels -->
      <rect x="20" y="58" width="36" height="3" fill="#2a2522"/>
      <circle cx="26" cy="61" r="7" fill="url(#wheel)" stroke="#1a1614" stroke-width="1.5"/>
      <circle cx="50" cy="61" r="7" fill="url(#wheel)" stroke="#1a1614" stroke-width="1.5"/>
      <circle cx="26" cy="61" r="3.6" fill="none" stroke="#2a2522" stroke-width="1.2"/>
      <circle cx="50" cy="61" r="3.6" fill="none" stroke="#2a2522" stroke-width="1.2"/>
      <circle cx="26" cy="61" r="1.7" fill="#d0c8be"/>
      <circle cx="50" cy="61" r="1.7" fill="#d0c8be"/>
    </g>""")

# ---------------------------------------------------------------- lantern
defs.append("""
    <g id="lantern">
      <circle cx="38" cy="41" r="33" fill="url(#lanternHalo)"/>
      <ellipse cx="38" cy="68" rx="20" ry="3.5" fill="url(#softShadow)"/>
      <!-- bail -->
      <path d="M 26,20 C 24,6 52,6 50,20" fill="none" stroke="#3a2812" stroke-width="3" stroke-linecap="round"/>
      <path d="M 27,18 C 26,9 50,9 49,18" fill="none" stroke="#c8962e" stroke-width="1" stroke-linecap="round" opacity="0.8"/>
      <!-- globe -->
      <path d="M 26,25 C 17,34 17,48 26,57 L 50,57 C 59,48 59,34 50,25 Z"
            fill="url(#lanternGlass)" stroke="#5a3a12" stroke-width="1.6"/>
      <ellipse cx="38" cy="44" rx="9" ry="11" fill="#ffffff" opacity="0.35"/>
      <!-- flame and burner -->
      <path d="M 38,30 C 43,37 45,43 42,47.5 C 40,50 36,50 34,47.5 C 31,43 33,37 38,30 Z" fill="url(#flame)" stroke="#f08a10" stroke-width="0.8"/>
      <path d="M 38,38 C 40,41 40.5,44 39.5,46 C 38.5,47.2 37.5,47.2 36.5,46 C 35.5,44 36,41 38,38 Z" fill="#ffffff"/>
      <rect x="34" y="49.5" width="8" height="4" rx="1" fill="url(#brassDark)" stroke="#3a2610" stroke-width="0.8"/>
      <!-- glass highlights -->
      <path d="M 24,35 C 23,40 23,45 25,50" fill="none" stroke="#ffffff" stroke-width="1.8" stroke-linecap="round" opacity="0.85"/>
      <!-- guard wires -->
      <g fill="none" stroke="#3a2812" stroke-width="2" stroke-linecap="round">
        <path d="M 31,25 C 26,35 26,47 31,57"/>
        <path d="M 45,25 C 50,35 50,47 45,57"/>
      </g>
      <!-- cap -->
      <path d="M 23,25 C 23,15 53,15 53,25 Z" fill="url(#brass)" stroke="#3a2610" stroke-width="1.6" stroke-linejoin="round"/>
      <rect x="33" y="12" width="10" height="5" rx="1.5" fill="url(#brassDark)" stroke="#3a2610" stroke-width="1.2"/>
      <rect x="20" y="23" width="36" height="4.5" rx="1.8" fill="url(#brassDark)" stroke="#3a2610" stroke-width="1.4"/>
      <!-- fount -->
      <rect x="21" y="56" width="34" height="4.5" rx="1.8" fill="url(#brassDark)" stroke="#3a2610" stroke-width="1.4"/>
      <path d="M 22,60 L 54,60 L 57,67.5 C 57,69 55,70 53,70 L 23,70 C 21,70 19,69 19,67.5 Z"
            fill="url(#brass)" stroke="#3a2610" stroke-width="1.6" stroke-linejoin="round"/>
      <rect x="23" y="63.2" width="30" height="1.3" fill="#fff0b0" opacity="0.55"/>
      <circle cx="54" cy="58" r="2.6" fill="url(#brassDark)" stroke="#3a2610" stroke-width="1"/>
    </g>""")

# ---------------------------------------------------------------- pickaxe
# Drawn upright (handle down, head across the top), then turned 45 degrees.
defs.append("""
    <g id="pickaxe">
      <ellipse cx="40" cy="66" rx="28" ry="4" fill="url(#softShadow)"/>
      <g transform="rotate(42 38 40)">
        <!-- handle -->
        <rect x="33.5" y="22" width="9" height="53" rx="4" fill="url(#wood)" stroke="#3e2008" stroke-width="1.8"/>
        <g fill="none" stroke="#7a4518" stroke-width="0.9" opacity="0.75" stroke-linecap="round">
          <path d="M 36,30 C 36.8,40 35.8,48 36.5,58"/>
          <path d="M 40.5,34 C 40,42 40.8,50 40.2,56"/>
        </g>
        <path d="M 35.6,27 L 35.6,50" stroke="#f3c88a" stroke-width="1.2" opacity="0.7" stroke-linecap="round"/>
        <!-- leather grip -->
        <rect x="33" y="60" width="10" height="12" rx="2" fill="url(#grip)" stroke="#1c1008" stroke-width="1.2"/>
        <g stroke="#8a6446" stroke-width="0.9" opacity="0.8">
          <line x1="33.6" y1="63" x2="42.4" y2="62"/>
          <line x1="33.6" y1="66.4" x2="42.4" y2="65.4"/>
          <line x1="33.6" y1="69.8" x2="42.4" y2="68.8"/>
        </g>
        <!-- head -->
        <path d="M 5,31 Q 38,1 71,31 Q 38,16 5,31 Z" fill="#2a3036" transform="translate(0.8,1.4)" opacity="0.5"/>
        <path d="M 5,31 Q 38,1 71,31 Q 38,16 5,31 Z" fill="url(#steel)" stroke="#262c31" stroke-width="1.8" stroke-linejoin="round"/>
        <path d="M 11,26.5 Q 38,6 65,26.5" fill="none" stroke="#ffffff" stroke-width="1.2" opacity="0.85" stroke-linecap="round"/>
        <!-- eye collar -->
        <rect x="31.5" y="10.5" width="13" height="15" rx="2.5" fill="url(#steel)" stroke="#262c31" stroke-width="1.6"/>
        <rect x="33.5" y="12" width="2" height="12" rx="1" fill="#ffffff" opacity="0.7"/>
        <circle cx="38" cy="18" r="1.8" fill="#4a545d"/>
      </g>
    </g>""".replace("SPARKLE_PICK", sparkle(62, 59, 5.5, "#ffffff", "#ffffff", 0.6)))

# ---------------------------------------------------------------- dynamite
def stick(x, y, h, rot):
    return f"""
        <g transform="rotate({rot} {x + 7} {y + h})">
          <rect x="{x}" y="{y}" width="14" height="{h}" rx="3" fill="url(#stick)" stroke="#4a0804" stroke-width="1.6"/>
          <ellipse cx="{x + 7}" cy="{y + 2.5}" rx="6.2" ry="2.6" fill="url(#stickEnd)" stroke="#6a2a14" stroke-width="1"/>
          <circle cx="{x + 7}" cy="{y + 2.5}" r="1" fill="#5a3a20"/>
          <rect x="{x + 3}" y="{y + 7}" width="2" height="{h - 10}" rx="1" fill="#ffffff" opacity="0.35"/>
        </g>"""


defs.append(f"""
    <g id="dynamite">
      <ellipse cx="38" cy="68" rx="24" ry="4" fill="url(#softShadow)"/>
      <!-- sticks -->
      {stick(13, 29, 38, -9)}
      {stick(49, 29, 38, 9)}
      {stick(31, 25, 44, 0)}
      <!-- binding tape -->
      <path d="M 13,39 Q 38,43 63,39 L 63.5,45 Q 38,49 12.5,45 Z" fill="url(#band)" stroke="#120b06" stroke-width="1.2"/>
      <path d="M 13,57 Q 38,61 63,57 L 63,62.5 Q 38,66.5 13,62.5 Z" fill="url(#band)" stroke="#120b06" stroke-width="1.2"/>
      <path d="M 15,40.4 Q 38,44.4 61,40.4" fill="none" stroke="#a88c6c" stroke-width="0.9" opacity="0.8"/>
      <path d="M 15,58.4 Q 38,62.4 61,58.4" fill="none" stroke="#a88c6c" stroke-width="0.9" opacity="0.8"/>
      <!-- fuse -->
      <path d="M 38,27 C 37,19 44,20 47,16 C 49,13 50,12 53,12" fill="none" stroke="#2a1c10" stroke-width="2.6" stroke-linecap="round"/>
      <path d="M 38.6,25 C 38,20 43,20 46,17" fill="none" stroke="#8a7058" stroke-width="0.9" stroke-linecap="round"/>
      <!-- spark -->
      <circle cx="55" cy="12" r="11" fill="url(#spark)"/>
      <polygon points="SPARK_STAR" fill="#ffd23a" stroke="#ff7a10" stroke-width="0.8" stroke-linejoin="round"/>
      <circle cx="55" cy="12" r="2.4" fill="#ffffff"/>
      <g fill="#ffb020">
        <circle cx="64" cy="8" r="1"/><circle cx="62" cy="20" r="1.1"/><circle cx="47" cy="7" r="0.9"/><circle cx="66" cy="14" r="0.8"/>
      </g>
    </g>""".replace("SPARK_STAR", star_points(55, 12, 7.5, 2.6, 8, -90)))

# ---------------------------------------------------------------- badges (centred on 0,0)
up_arrow = "0,-8.2 7.4,-0.8 3.2,-0.8 3.2,7.4 -3.2,7.4 -3.2,-0.8 -7.4,-0.8"
down_arrow = "0,8.2 7.4,0.8 3.2,0.8 3.2,-7.4 -3.2,-7.4 -3.2,0.8 -7.4,0.8"
defs.append(f"""
    <g id="badgeUpMark">
      <circle cx="0.8" cy="1.6" r="13.2" fill="#1a2a10" opacity="0.35"/>
      <circle cx="0" cy="0" r="13" fill="#0a4a14"/>
      <circle cx="0" cy="0" r="11.4" fill="url(#badgeUp)" stroke="#ffffff" stroke-width="1.6"/>
      <polygon points="{up_arrow}" fill="#0a4a14" transform="translate(0.5,1)" opacity="0.6"/>
      <polygon points="{up_arrow}" fill="#ffffff" stroke="#0a4a14" stroke-width="0.8" stroke-linejoin="round"/>
    </g>
    <g id="badgeDownMark">
      <circle cx="0.8" cy="1.6" r="13.2" fill="#2a1008" opacity="0.35"/>
      <circle cx="0" cy="0" r="13" fill="#6a1004"/>
      <circle cx="0" cy="0" r="11.4" fill="url(#badgeDown)" stroke="#ffffff" stroke-width="1.6"/>
      <polygon points="{down_arrow}" fill="#6a1004" transform="translate(0.5,1)" opacity="0.6"/>
      <polygon points="{down_arrow}" fill="#ffffff" stroke="#6a1004" stroke-width="0.8" stroke-linejoin="round"/>
    </g>
    <g id="badgeBonusStar">
      <polygon points="{star_points(0.8, 1.8, 15, 8.6)}" fill="#1a0a30" opacity="0.35"/>
      <polygon points="{star_points(0, 0, 15, 8.6)}" fill="url(#badgeBonus)" stroke="#2c0a5c" stroke-width="1.6" stroke-linejoin="round"/>
      <polygon points="{star_points(0, 0, 11.6, 6.7)}" fill="none" stroke="#f0e0ff" stroke-width="0.9" stroke-linejoin="round" opacity="0.8"/>
    </g>""")


def bonus_badge(digit):
    return (f'<use xlink:href="#badgeBonusStar"/>'
            f'<g font-family="DejaVu Sans" font-weight="bold" font-size="13" text-anchor="middle">'
            f'<text x="0.6" y="6.4" fill="#2c0a5c">{digit}</text>'
            f'<text x="0" y="5.6" fill="#ffffff" stroke="#2c0a5c" stroke-width="0.6">{digit}</text></g>')


# ---------------------------------------------------------------- the sheet
BADGE_AT = "translate(57.5,18.5)"
SMALL = "translate(4,11) scale(0.8)"

layout = [
    ("Nugget", '<use xlink:href="#nugget"/>'),
    ("Ingot", '<use xlink:href="#ingot"/><use xlink:href="#ingotGlints"/>'),
    ("Ore cart", '<use xlink:href="#cart"/>'),
    ("Lantern", '<use xlink:href="#lantern"/>'),
    ("Pickaxe", '<use xlink:href="#pickaxe"/>'),
]
for name, ident in (("cart", "Ore cart"), ("lantern", "Lantern"), ("pickaxe", "Pickaxe")):
    layout.append((f"{ident}, up", f'<use xlink:href="#{name}" transform="{SMALL}"/>'
                   f'<use xlink:href="#badgeUpMark" transform="{BADGE_AT}"/>'))
for name, ident in (("cart", "Ore cart"), ("lantern", "Lantern"), ("pickaxe", "Pickaxe")):
    layout.append((f"{ident}, down", f'<use xlink:href="#{name}" transform="{SMALL}"/>'
                   f'<use xlink:href="#badgeDownMark" transform="{BADGE_AT}"/>'))
for (name, ident), pts in zip((("cart", "Ore cart"), ("lantern", "Lantern"), ("pickaxe", "Pickaxe")), (3, 2, 1)):
    layout.append((f"{ident}, {pts} bonus point{'s' if pts > 1 else ''}",
                   f'<use xlink:href="#{name}" transform="{SMALL}"/>'
                   f'<g transform="{BADGE_AT}">{bonus_badge(pts)}</g>'))
layout.append(("Dynamite: clears the bonus meter", '<use xlink:href="#dynamite"/>'))
layout.append(("Blank", ""))

for n, (label, body) in enumerate(layout):
    x, y = (n % 4) * 76, (n // 4) * 76
    cells.append(f"""  <!-- {n}: {label} -->
  <g transform="translate({x},{y})">
    <use xlink:href="#paper"/>{body}
  </g>""")

svg = f"""<?xml version="1.0" encoding="UTF-8"?>
<!-- Orevein symbol sheet: sixteen 76x76 reel cells, four to a row.
     Row 1: nugget, ingot, ore cart, lantern.  Row 2: pickaxe, then the Up
     variants of cart, lantern and pickaxe.  Row 3: the Down variants, then the
     cart bonus (3).  Row 4: lantern bonus (2), pickaxe bonus (1), dynamite, blank.
     Every cell lies on the same cream reel paper so a spinning reel reads as one strip. -->
<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink"
     version="1.2" baseProfile="tiny" width="304" height="304" viewBox="0 0 304 304">
  <defs>{''.join(defs)}
  </defs>
{chr(10).join(cells)}
</svg>
"""
with open(OUT, "w") as f:
    f.write(svg)
print("wrote", OUT)
