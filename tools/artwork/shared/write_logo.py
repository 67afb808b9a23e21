#!/usr/bin/env python3
"""Writes the Brightplay seal (119x120, transparent outside the seal)."""
import os
import math

from svg_draw import star_points

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "..", "engine", "display", "art", "logo.svg")
CX, CY = 59.5, 60.0

# DejaVu Sans Bold advance widths, in ems, for the letters the seal uses.
ADV = {"A": 0.774, "E": 0.683, "G": 0.821, "H": 0.837, "I": 0.372, "L": 0.637,
       "M": 0.995, "N": 0.837, "R": 0.770, "S": 0.720, "T": 0.682, " ": 0.348, "B": 0.762, "P": 0.733, "Y": 0.724}
SIZE = 9.6
TRACK = 0.9  # extra spacing between letters, px


def arc_text(text, radius, top):
    """One <text> per letter, turned to follow a circle: along the top reading
    clockwise with feet inwards, along the bottom reading anticlockwise with
    feet outwards, so both read left to right."""
    widths = [ADV[c] * SIZE + TRACK for c in text]
    total = sum(widths) - TRACK
    angle_total = total / radius  # radians
    out = []
    pos = 0.0
    for c, w in zip(text, widths):
        mid = pos + (w - TRACK) / 2
        pos += w
        if c == " ":
            continue
        frac = mid / radius - angle_total / 2
        if top:
            phi = -math.pi / 2 + frac
            rot = math.degrees(phi) + 90
        else:
            phi = math.pi / 2 - frac
            rot = math.degrees(phi) - 90
        x = CX + radius * math.cos(phi)
        y = CY + radius * math.sin(phi)
        out.append(f'<text x="0" y="0" transform="translate({x:.2f},{y:.2f}) rotate({rot:.2f})">{c}</text>')
    return "".join(out)


def circle_point(r, deg):
    a = math.radians(deg)
    return CX + r * math.cos(a), CY + r * math.sin(a)


# Rim beads
beads = []
for i in range(60):
    x, y = circle_point(55.6, i * 6)
    beads.append(f'<circle cx="{x:.2f}" cy="{y:.2f}" r="0.75"/>')

# Hills: each ends on the field's edge and closes along its lower arc.
R_FIELD = 38.6


def edge_point(y, side):
    dx = math.sqrt(R_FIELD ** 2 - (y - CY) ** 2)
    return CX + side * dx, y


bl = edge_point(66, -1)
br = edge_point(78, 1)
back_hill = (f"M {bl[0]:.2f},{bl[1]:.2f} C 32,58 40,56 47,60 C 56,65 70,67 80,70 "
             f"C 86,72 90,75 {br[0]:.2f},{br[1]:.2f} A {R_FIELD} {R_FIELD} 0 0 1 {bl[0]:.2f},{bl[1]:.2f} Z")
fl = edge_point(84, -1)
fr = edge_point(76, 1)
front_hill = (f"M {fl[0]:.2f},{fl[1]:.2f} C 36,78 46,70 54,67.5 C 58,66.3 61,66.3 65,67.5 "
              f"C 73,70 83,70 {fr[0]:.2f},{fr[1]:.2f} A {R_FIELD} {R_FIELD} 0 0 1 {fl[0]:.2f},{fl[1]:.2f} Z")

sky_stars = []
for (x, y, r) in ((40, 36, 0.9), (50, 29, 0.6), (72, 31, 0.8), (81, 42, 0.6), (33, 48, 0.6),
                  (64, 25, 0.5), (86, 52, 0.5), (45, 45, 0.5), (76, 47, 0.5)):
    sky_stars.append(f'<circle cx="{x}" cy="{y}" r="{r}"/>')

left_sep = circle_point(47.3, 180)
right_sep = circle_point(47.3, 0)

svg = f"""<?xml version="1.0" encoding="UTF-8"?>
<!-- Brightplay: the publisher's seal.  A gold-rimmed disc with a lantern
     glowing on a hilltop at dusk, the name round the band.  Everything outside
     the disc is transparent; the disc itself is opaque. -->
<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny"
     width="119" height="120" viewBox="0 0 119 120">
  <defs>
    <linearGradient id="rimGold" x1="0.15" y1="0" x2="0.85" y2="1">
      <stop offset="0" stop-color="#fff3b0"/>
      <stop offset="0.3" stop-color="#f0c04a"/>
      <stop offset="0.55" stop-color="#c88a1e"/>
      <stop offset="0.75" stop-color="#f4cc5a"/>
      <stop offset="1" stop-color="#8a5a12"/>
    </linearGradient>
    <linearGradient id="innerGold" x1="0.85" y1="1" x2="0.15" y2="0">
      <stop offset="0" stop-color="#fff0a8"/>
      <stop offset="0.5" stop-color="#d49a2a"/>
      <stop offset="1" stop-color="#8a5a12"/>
    </linearGradient>
    <radialGradient id="band" cx="0.5" cy="0.45" r="0.5">
      <stop offset="0.75" stop-color="#5a2c12"/>
      <stop offset="1" stop-color="#34160a"/>
    </radialGradient>
    <linearGradient id="sky" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#0e1230"/>
      <stop offset="0.45" stop-color="#2c2150"/>
      <stop offset="0.7" stop-color="#7a3e3a"/>
      <stop offset="0.85" stop-color="#c8702e"/>
      <stop offset="1" stop-color="#c8702e"/>
    </linearGradient>
    <linearGradient id="backHill" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#6e3c52"/>
      <stop offset="1" stop-color="#2e1826"/>
    </linearGradient>
    <linearGradient id="frontHill" x1="0" y1="0" x2="0" y2="1">
      <stop offset="0" stop-color="#7a4820"/>
      <stop offset="0.35" stop-color="#4a2a10"/>
      <stop offset="1" stop-color="#1e1006"/>
    </linearGradient>
    <radialGradient id="glow" cx="0.5" cy="0.5" r="0.5">
      <stop offset="0" stop-color="#fff2a8" stop-opacity="1"/>
      <stop offset="0.3" stop-color="#ffc850" stop-opacity="0.7"/>
      <stop offset="0.65" stop-color="#ff9a30" stop-opacity="0.25"/>
      <stop offset="1" stop-color="#ff8020" stop-opacity="0"/>
    </radialGradient>
    <radialGradient id="glass" cx="0.5" cy="0.6" r="0.6">
      <stop offset="0" stop-color="#ffffff"/>
      <stop offset="0.45" stop-color="#ffe47a"/>
      <stop offset="1" stop-color="#f29a22"/>
    </radialGradient>
    <linearGradient id="brass" x1="0" y1="0" x2="1" y2="0">
      <stop offset="0" stop-color="#5a3c14"/>
      <stop offset="0.4" stop-color="#e8bc58"/>
      <stop offset="1" stop-color="#5a3c14"/>
    </linearGradient>
  </defs>

  <!-- rim -->
  <circle cx="{CX}" cy="{CY}" r="58.6" fill="#3a2206"/>
  <circle cx="{CX}" cy="{CY}" r="57.6" fill="url(#rimGold)"/>
  <g fill="#7a4c0e">{''.join(beads)}</g>
  <circle cx="{CX}" cy="{CY}" r="53.6" fill="#3a2206"/>
  <!-- lettering band -->
  <circle cx="{CX}" cy="{CY}" r="52.8" fill="url(#band)"/>
  <g font-family="DejaVu Sans" font-weight="bold" font-size="{SIZE}" text-anchor="middle" fill="#1c0a02">
    <g transform="translate(0.5,0.7)">{arc_text("BRIGHTPLAY", 43.6, True)}{arc_text("GAMES", 50.6, False)}</g>
  </g>
  <g font-family="DejaVu Sans" font-weight="bold" font-size="{SIZE}" text-anchor="middle" fill="#ffd766">
    {arc_text("BRIGHTPLAY", 43.6, True)}
    {arc_text("GAMES", 50.6, False)}
  </g>
  <polygon points="{star_points(left_sep[0], left_sep[1], 3.6, 1.5)}" fill="#ffd766"/>
  <polygon points="{star_points(right_sep[0], right_sep[1], 3.6, 1.5)}" fill="#ffd766"/>
  <!-- inner ring -->
  <circle cx="{CX}" cy="{CY}" r="41.2" fill="url(#innerGold)"/>
  <circle cx="{CX}" cy="{CY}" r="39.4" fill="#2a1606"/>

  <!-- the scene: dusk over two hills, a lantern on the nearer summit -->
  <circle cx="{CX}" cy="{CY}" r="{R_FIELD}" fill="url(#sky)"/>
  <g fill="#fff4d0">{''.join(sky_stars)}</g>
  <path d="{back_hill}" fill="url(#backHill)"/>
  <circle cx="59.5" cy="55" r="27" fill="url(#glow)"/>
  <path d="{front_hill}" fill="url(#frontHill)"/>
  <path d="M 48,68.8 C 53,67 56,66.6 59.5,66.6 C 63,66.6 66,67 71,68.8" fill="none" stroke="#d88a3a" stroke-width="1.1" stroke-linecap="round" opacity="0.9"/>
  <!-- path down the hill -->
  <path d="M 59,67.5 C 55,72 66,75 60,80 C 55,84 46,86 50,96" fill="none" stroke="#8a5a2c" stroke-width="1.6" stroke-linecap="round" opacity="0.85"/>

  <!-- lantern -->
  <g transform="translate(59.5,67.4) scale(1.28) translate(-59.5,-67.4)">
  <path d="M 55.3,52 C 55,45.6 64,45.6 63.7,52" fill="none" stroke="#2a1606" stroke-width="1.5"/>
  <path d="M 55.2,53.2 C 50.8,56.4 50.8,61.6 55.2,64.8 L 63.8,64.8 C 68.2,61.6 68.2,56.4 63.8,53.2 Z" fill="url(#glass)" stroke="#3a2206" stroke-width="0.9"/>
  <path d="M 59.5,55 C 61.6,57.8 62.2,60.4 61,62 C 60.2,63 58.8,63 58,62 C 56.8,60.4 57.4,57.8 59.5,55 Z" fill="#ffffff"/>
  <g fill="none" stroke="#3a2206" stroke-width="1">
    <path d="M 57,53.2 C 55,56.5 55,61.5 57,64.8"/>
    <path d="M 62,53.2 C 64,56.5 64,61.5 62,64.8"/>
  </g>
  <path d="M 54,53.6 C 54,49 65,49 65,53.6 Z" fill="url(#brass)" stroke="#2a1606" stroke-width="0.9"/>
  <rect x="53.4" y="64.2" width="12.2" height="3.2" rx="1" fill="url(#brass)" stroke="#2a1606" stroke-width="0.9"/>
  </g>
</svg>
"""
with open(OUT, "w") as f:
    f.write(svg)
print("wrote", OUT)
