"""The installer's and uninstaller's welcome and finish picture: the program icon's eye and clock
large on the icon's teal, over soft waves. It carries no words, so one picture serves both
languages. Designed for the page's 164 x 314 frame at 100 % and drawn at any scale.
"""

import math

from picture_art import TEAL, eye_with_clock
from raster import WHITE, ScaledCanvas, circle, mix, vertical_gradient

WIDTH, HEIGHT = 164, 314
ICON_TEAL = (38, 166, 154)


def _placed(shape, left, top, factor):
    """A shape designed in other units, drawn `factor` design pixels per unit from (left, top)."""
    return lambda x, y: shape((x - left) / factor, (y - top) / factor) * factor


def _wave(base, amplitude, length, phase):
    """Everything below a gentle sine. Divided by its steepest slope, the distance stays a lower
    bound of the true one, as the rasteriser expects."""
    k = 2 * math.pi / length
    slope = math.hypot(1.0, amplitude * k)
    return lambda x, y: (base + amplitude * math.sin(k * x + phase) - y) / slope


def wizard(percent=100):
    canvas = ScaledCanvas(WIDTH, HEIGHT, percent)
    canvas.paint(lambda x, y: -1.0, vertical_gradient(TEAL, ICON_TEAL, 0, HEIGHT))
    cx, cy = WIDTH / 2, 122
    for radius, opacity in ((74, 0.08), (62, 0.10), (50, 0.12)):
        canvas.paint(circle(cx, cy, radius), WHITE, opacity)
    # The icon's 48-unit design, 2.5 design pixels a unit, its eye centred on the halo.
    factor, left = 2.5, cx - 24 * 2.5
    top = cy - 20 * factor - 4
    for shape, colour in eye_with_clock(1.3, 1.1):
        canvas.paint(_placed(shape, left, top, factor), colour)
    canvas.paint(_wave(252, 6, 150, 0.6), mix(ICON_TEAL, WHITE, 0.25), 0.7)
    canvas.paint(_wave(270, 5, 120, 2.4), mix(ICON_TEAL, WHITE, 0.5), 0.8)
    canvas.paint(_wave(290, 4, 170, 4.1), mix(ICON_TEAL, WHITE, 0.8))
    return canvas.rgb_rows()
