"""The toggle switch: three strips of eight cells and two shape masks per strip.

Cell order, top to bottom: on normal, hover, pressed, disabled; off normal, hover, pressed,
disabled. Each skin's on and off shapes are built once and used both for the art and for the mask
(pixels at least half covered are opaque), so the art always fills its mask exactly.
"""

from raster import (BLACK, WHITE, Canvas, ScaledCanvas, circle, half_plane, intersect, luma, mirror_x, mix,
                    round_rect, scale, scaled_size, segment, shape_mask, stroke, union)

HOST_BACKGROUND = (243, 248, 251)  # what shows around the switch; soft edges are blended into it
MASK_TRANSPARENT = (255, 0, 0)
MASK_OPAQUE = BLACK
LOOKS = ('normal', 'hover', 'pressed', 'disabled')


def look_colour(colour, look):
    if look == 'hover':
        return mix(colour, WHITE, 0.16)
    if look == 'pressed':
        return mix(colour, BLACK, 0.16)
    if look == 'disabled':
        grey = luma(colour)
        return mix((grey, grey, grey), HOST_BACKGROUND, 0.55)
    return colour


def knob_colour(look):
    return {'normal': WHITE, 'hover': WHITE, 'pressed': (232, 236, 239), 'disabled': (247, 248, 249)}[look]


# --- stroke lettering for the labels on the middle skin -------------------------------------

def _letter_o(left, top, height):
    width = height * 0.72
    return stroke(round_rect(left, top, left + width, top + height, width / 2), 0.8), width


def _letter_n(left, top, height):
    width = height * 0.62
    right, bottom = left + width, top + height
    return union(segment(left, bottom, left, top, 0.8), segment(left, top, right, bottom, 0.8),
                 segment(right, bottom, right, top, 0.8)), width


def _letter_f(left, top, height):
    width = height * 0.52
    return union(segment(left, top + height, left, top, 0.8), segment(left, top, left + width, top, 0.8),
                 segment(left, top + height * 0.48, left + width * 0.85, top + height * 0.48, 0.8)), width


def label(text, centre_x, centre_y, height):
    """A word in rounded strokes, centred on the given point."""
    makers = {'O': _letter_o, 'N': _letter_n, 'F': _letter_f}
    gap = height * 0.3
    widths = [makers[c](0, 0, height)[1] for c in text]
    x = centre_x - (sum(widths) + gap * (len(text) - 1)) / 2
    shapes = []
    for c, w in zip(text, widths):
        shapes.append(makers[c](x, centre_y - height / 2, height)[0])
        x += w + gap
    return union(*shapes)


# --- the three skins ----------------------------------------------------------------------------

class Skin:
    def __init__(self, width, height):
        self.width, self.height = width, height

    def outline(self, on):
        raise NotImplementedError

    def draw(self, canvas, on, look):
        raise NotImplementedError


class RectSkin(Skin):
    """78 x 23: a flat slab with only its corner pixels cut; knob with a bar (on) or a ring (off)."""

    ON, OFF = (46, 160, 67), (172, 180, 187)

    def __init__(self):
        super().__init__(78, 23)

    def outline(self, on):
        return round_rect(0, 0, self.width, self.height, 2)

    def draw(self, canvas, on, look):
        track = look_colour(self.ON if on else self.OFF, look)
        canvas.paint(self.outline(on), track)
        knob_left = 46 if on else 2
        knob = round_rect(knob_left, 2, knob_left + 30, 21, 3)
        canvas.paint(round_rect(knob_left, 3, knob_left + 30, 22, 3), mix(track, BLACK, 0.25), 0.5)
        canvas.paint(knob, knob_colour(look))
        if on:
            canvas.paint(segment(24, 7.5, 24, 15.5, 1.1), knob_colour(look))
        else:
            canvas.paint(stroke(circle(55, 11.5, 3.8), 1.05), look_colour((110, 118, 126), look))


class TabSkin(Skin):
    """74 x 24: a rounded bar with a word on it and a square knob, one pixel lower at each edge,
    as its end cap: on the right when on, on the left when off."""

    ON, OFF = (30, 136, 229), (245, 124, 0)
    KNOB = 20

    def __init__(self):
        super().__init__(74, 24)

    def _track(self):
        # The knob end keeps its full height only where the knob covers it.
        body = round_rect(0, 0, self.width, self.height, 5)
        # Under the knob it only fills the knob's rounded inner corners, so the knob alone forms
        # the outer end.
        knob_left = self.width - self.KNOB
        return intersect(body, union(half_plane(1, 0, knob_left),
                                     intersect(half_plane(1, 0, knob_left + 4), half_plane(0, -1, -1),
                                               half_plane(0, 1, self.height - 1))))

    def _knob(self):
        return round_rect(self.width - self.KNOB, 1, self.width, self.height - 1, 4)

    def _oriented(self, shape, on):
        return shape if on else mirror_x(shape, self.width)

    def outline(self, on):
        return self._oriented(union(self._track(), self._knob()), on)

    def draw(self, canvas, on, look):
        track = look_colour(self.ON if on else self.OFF, look)
        canvas.paint(self._oriented(self._track(), on), track)
        knob = self._oriented(self._knob(), on)
        edge = mix(track, BLACK, 0.22)
        canvas.paint(knob, edge)
        inner = round_rect(self.width - self.KNOB + 1, 2, self.width - 1, self.height - 2, 3)
        canvas.paint(self._oriented(inner, on), knob_colour(look))
        grip = mix(knob_colour(look), edge, 0.45)
        for dx in (-3, 0, 3):
            x = self.width - self.KNOB / 2 + dx
            canvas.paint(self._oriented(segment(x, 8.5, x, 15.5, 0.6), on), grip)
        text_room = self.width - self.KNOB
        centre_x = text_room / 2 if on else self.KNOB + text_room / 2
        canvas.paint(label('ON' if on else 'OFF', centre_x, 12, 9), knob_colour(look))


class PillSkin(Skin):
    """36 x 16: a slim pill with a round knob that stands one pixel above the track."""

    ON_TRACK, ON_KNOB = (22, 46, 96), (52, 199, 89)
    OFF_TRACK, OFF_KNOB_EDGE = (74, 144, 226), (38, 94, 166)

    def __init__(self):
        super().__init__(36, 16)

    def _knob_centre(self, on):
        return (28, 8) if on else (8, 8)

    def outline(self, on):
        return union(round_rect(0, 1, self.width, self.height, 7.5), circle(*self._knob_centre(on), 8))

    def draw(self, canvas, on, look):
        track = look_colour(self.ON_TRACK if on else self.OFF_TRACK, look)
        canvas.paint(round_rect(0, 1, self.width, self.height, 7.5), track)
        cx, cy = self._knob_centre(on)
        if on:
            knob = look_colour(self.ON_KNOB, look)
            canvas.paint(circle(cx, cy, 8), mix(knob, BLACK, 0.2))
            canvas.paint(circle(cx, cy, 7), knob)
            canvas.paint(circle(cx - 2.2, cy - 2.4, 1.6), mix(knob, WHITE, 0.45))
        else:
            canvas.paint(circle(cx, cy, 8), look_colour(self.OFF_KNOB_EDGE, look))
            canvas.paint(circle(cx, cy, 7), knob_colour(look))


SKINS = (RectSkin(), TabSkin(), PillSkin())


def strip(skin, percent=100):
    """The eight cells stacked; pixels outside the mask carry the host background."""
    width, height = scaled_size(skin.width, percent), scaled_size(skin.height, percent)
    canvas = Canvas(width, height * 8, HOST_BACKGROUND)
    for index, (on, look) in enumerate([(True, look) for look in LOOKS] + [(False, look) for look in LOOKS]):
        cell = ScaledCanvas(skin.width, skin.height, percent, HOST_BACKGROUND)
        skin.draw(cell, on, look)
        opaque = shape_mask(cell.design(skin.outline(on)), width, height)
        for y in range(height):
            for x in range(width):
                if not opaque[y][x]:
                    cell.set_pixel(x, y, HOST_BACKGROUND)
        canvas.blit(cell, 0, index * height)
    return canvas.rgb_rows()


def mask(skin, on, percent=100):
    """Exactly two colours at every scale: red where the host shows through, black elsewhere."""
    width, height = scaled_size(skin.width, percent), scaled_size(skin.height, percent)
    opaque = shape_mask(scale(skin.outline(on), percent / 100), width, height)
    return [[MASK_OPAQUE if o else MASK_TRANSPARENT for o in row] for row in opaque]


def check_masks(masks):
    """The shapes the control's users rely on: fail loudly if the art drifts from them."""
    def transparent(rows):
        return {(x, y) for y, row in enumerate(rows) for x, p in enumerate(row) if p == MASK_TRANSPARENT}

    corners = {(0, 0), (77, 0), (0, 22), (77, 22)}
    assert transparent(masks[0]) == corners and transparent(masks[1]) == corners, 'skin 0 masks'

    for on, index, run in ((True, 2, range(54, 74)), (False, 3, range(0, 20))):
        clear = transparent(masks[index])
        assert all((x, 0) in clear and (x, 23) in clear for x in run), 'skin 1 knob end'
        opposite = range(0, 20) if on else range(54, 74)
        assert not all((x, 0) in clear for x in opposite), 'skin 1 knob end is one end only'
        assert (0, 0) in clear and (73, 23) in clear and (37, 0) not in clear, 'skin 1 rounded'

    for index, columns in ((4, range(25, 31)), (5, range(5, 11))):
        top = [x for x, p in enumerate(masks[index][0]) if p == MASK_OPAQUE]
        assert top == list(columns), 'skin 2 knob top row: %r' % top
