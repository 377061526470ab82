"""Every picture besides the switch: the program icon, the title-strip buttons, the feature tiles,
the settings gear, the OK and Back buttons and the round close button.

Each picture is drawn onto the background it will sit on, so its soft edges blend into the right
colour. Pure magenta marks pixels that are not part of a button at all (the image button leaves
them out of its shape). Every picture but the icon is designed in 100 % pixels and drawn at any
scale the program asks for (`percent`).
"""

import math

from raster import (BLACK, WHITE, Canvas, ScaledCanvas, circle, intersect, mix, polyline, rotated_box,
                    round_rect, scale, segment, shape_mask, stroke, subtract, union, vertical_gradient)

WINDOW_BACKGROUND = (243, 248, 251)
TITLE_STRIP = WHITE
TITLE_GREY = (128, 128, 128)
KEY = (255, 0, 255)
ACCENT_GREEN = (46, 160, 67)
TEAL = (0, 121, 107)


def _keyed(canvas, outline):
    """Marks every pixel the outline does not touch with the key colour."""
    rows = canvas.rgb_rows()
    touched = shape_mask(canvas.design(lambda x, y: outline(x, y) - 0.49), canvas.width, canvas.height)
    return [[p if touched[y][x] else KEY for x, p in enumerate(row)] for y, row in enumerate(rows)]


# --- program icon -------------------------------------------------------------------------------

def eye_with_clock(outline_half_width, hand_half_width):
    """The icon designed on a 48-unit square: an eye, and a small clock over its lower right."""
    half_w, half_h, cx, cy = 21.0, 12.5, 24.0, 20.0
    radius = (half_w ** 2 + half_h ** 2) / (2 * half_h)
    eye = intersect(circle(cx, cy + radius - half_h, radius), circle(cx, cy - radius + half_h, radius))
    layers = [
        (eye, WHITE),
        (intersect(eye, circle(cx, cy, 8.5)), (38, 166, 154)),
        (circle(cx, cy, 4.0), (16, 42, 52)),
        (circle(cx - 2.6, cy - 2.6, 1.7), WHITE),
        (stroke(eye, outline_half_width), TEAL),
    ]
    bx, by = 36.0, 35.5
    layers += [
        (circle(bx, by, 12.0), WHITE),
        (circle(bx, by, 10.0), (245, 124, 0)),
        (union(segment(bx, by, bx, by - 6.0, hand_half_width), segment(bx, by, bx + 4.5, by, hand_half_width)),
         WHITE),
    ]
    return layers


def program_icon(size):
    # Small sizes get bolder lines so they survive being a few pixels wide.
    outline, hands = {16: (2.4, 2.4), 32: (2.0, 1.7), 48: (1.8, 1.4)}[size]
    canvas = Canvas(size, size)
    for shape, colour in eye_with_clock(outline, hands):
        canvas.paint(scale(shape, size / 48), colour)
    return canvas.rgba_rows()


# --- title strip buttons (16 x 16, on white) ----------------------------------------------------

def about_button(percent=100):
    canvas = ScaledCanvas(16, 16, percent, TITLE_STRIP)
    canvas.paint(stroke(circle(8, 8, 6.6), 0.75), TITLE_GREY)
    canvas.paint(circle(8, 4.9, 1.05), TITLE_GREY)
    canvas.paint(segment(8, 7.2, 8, 11.3, 0.85), TITLE_GREY)
    return canvas.rgb_rows()


def minimise_button(percent=100):
    canvas = ScaledCanvas(16, 16, percent, TITLE_STRIP)
    canvas.paint(segment(3.5, 8.5, 12.5, 8.5, 0.9), TITLE_GREY)
    return canvas.rgb_rows()


def exit_button(percent=100):
    canvas = ScaledCanvas(16, 16, percent, TITLE_STRIP)
    canvas.paint(union(segment(4, 4, 12, 12, 0.9), segment(12, 4, 4, 12, 0.9)), TITLE_GREY)
    return canvas.rgb_rows()


# --- feature tiles (128 x 128, on the window background) ---------------------------------------

def colour_tile(percent=100):
    """A monitor whose screen shows a sun: the brightness and colour of the display."""
    canvas = ScaledCanvas(128, 128, percent, WINDOW_BACKGROUND)
    frame = round_rect(12, 20, 116, 94, 9)
    canvas.paint(round_rect(12, 22, 116, 96, 9), (200, 214, 224))  # soft drop shadow
    canvas.paint(frame, (55, 71, 79))
    screen = round_rect(19, 27, 109, 86, 4)
    canvas.paint(screen, vertical_gradient((129, 212, 250), (41, 121, 200), 27, 86))
    sun_x, sun_y = 64, 56.5
    rays = [segment(sun_x + 15 * math.cos(a), sun_y + 15 * math.sin(a),
                    sun_x + 21 * math.cos(a), sun_y + 21 * math.sin(a), 2.0)
            for a in (i * math.pi / 4 for i in range(8))]
    canvas.paint(intersect(screen, union(*rays)), (255, 224, 130))
    canvas.paint(circle(sun_x, sun_y, 11), (255, 193, 7))
    # Half of the sun dimmed: the usual sign for brightness.
    canvas.paint(intersect(circle(sun_x, sun_y, 8), lambda x, y: sun_x - x), (255, 236, 179))
    canvas.paint(round_rect(56, 94, 72, 106, 1), (84, 110, 122))
    canvas.paint(round_rect(38, 104, 90, 111, 3.5), (55, 71, 79))
    return canvas.rgb_rows()


def rest_tile(percent=100):
    """A pale clock face: the next rest time is written over its clear middle."""
    canvas = ScaledCanvas(128, 128, percent, WINDOW_BACKGROUND)
    cx = cy = 64
    canvas.paint(circle(cx, cy, 60), (226, 238, 246))
    canvas.paint(circle(cx, cy, 57), WHITE)
    canvas.paint(stroke(circle(cx, cy, 55.5), 1.0), (178, 219, 212))
    for hour in range(1, 12):  # the cup below stands in for the twelve
        a = hour * math.pi / 6
        outer, inner = 51.5, (44.5 if hour % 3 == 0 else 48.0)
        width = 1.4 if hour % 3 == 0 else 0.9
        canvas.paint(segment(cx + outer * math.sin(a), cy - outer * math.cos(a),
                             cx + inner * math.sin(a), cy - inner * math.cos(a), width), (150, 200, 192))
    # A small steaming cup at the twelve: a rest, not just a time.
    cup_colour = (150, 200, 192)
    canvas.paint(union(round_rect(58, 16, 70, 25, 3), round_rect(58, 16, 70, 20, 0)), cup_colour)
    canvas.paint(stroke(circle(71.2, 19.5, 2.3), 0.8), cup_colour)
    for x in (61.5, 66.5):
        canvas.paint(polyline([(x, 14), (x - 1, 12.5), (x, 11), (x - 1, 9.5)], 0.55), (184, 218, 212))
    return canvas.rgb_rows()


# --- panel images (on the window background) ---------------------------------------------------

def settings_gear(percent=100):
    canvas = ScaledCanvas(20, 20, percent, WINDOW_BACKGROUND)
    cx = cy = 10
    teeth = [rotated_box(cx + 7.0 * math.cos(a), cy + 7.0 * math.sin(a), 1.9, 1.6, a, 0.5)
             for a in (i * math.pi / 4 + math.pi / 8 for i in range(8))]
    gear = subtract(union(circle(cx, cy, 6.3), *teeth), circle(cx, cy, 2.5))
    canvas.paint(gear, (96, 112, 128))
    return canvas.rgb_rows()


def _panel_button(fill, edge, percent):
    canvas = ScaledCanvas(49, 33, percent, WINDOW_BACKGROUND)
    body = round_rect(1, 1, 48, 32, 7)
    canvas.paint(round_rect(1, 2, 48, 33, 7), (214, 224, 232))  # shadow
    canvas.paint(body, edge)
    canvas.paint(round_rect(2, 2, 47, 31, 6), fill)
    return canvas


def ok_button(percent=100):
    canvas = _panel_button(ACCENT_GREEN, mix(ACCENT_GREEN, BLACK, 0.2), percent)
    canvas.paint(polyline([(15.5, 16.5), (21.5, 22.5), (33.5, 10.5)], 1.8), WHITE)
    return canvas.rgb_rows()


def back_button(percent=100):
    canvas = _panel_button(WHITE, (196, 206, 214), percent)
    grey = (84, 96, 108)
    canvas.paint(union(segment(16, 16.5, 33, 16.5, 1.6), polyline([(22.5, 10), (16, 16.5), (22.5, 23)], 1.6)),
                 grey)
    return canvas.rgb_rows()


# --- countdown screen ---------------------------------------------------------------------------

def close_round(percent=100):
    """A white disc with a black cross on the black screen; outside the disc is no button."""
    canvas = ScaledCanvas(60, 60, percent, BLACK)
    disc = circle(30, 30, 28.5)
    canvas.paint(disc, WHITE)
    canvas.paint(union(segment(21, 21, 39, 39, 2.6), segment(39, 21, 21, 39, 2.6)), BLACK)
    return _keyed(canvas, disc)
