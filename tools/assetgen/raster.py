"""A tiny anti-aliased rasteriser: shapes are signed distance functions in pixel units.

A shape is a function (x, y) -> distance to its outline, negative inside. Pixels are sampled at
their centres and covered by clamp(0.5 - distance), which gives one pixel of smooth edge for any
shape whose distance is Euclidean (circles, rounded boxes, strokes) and a crisp edge for the
half-planes used to cut shapes.
"""

import math
from fractions import Fraction

WHITE = (255, 255, 255)
BLACK = (0, 0, 0)


# --- shapes -----------------------------------------------------------------------------------

def circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def round_rect(x0, y0, x1, y1, r):
    """Box from (x0, y0) to (x1, y1) with corner radius r."""
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    hx, hy = (x1 - x0) / 2 - r, (y1 - y0) / 2 - r

    def d(x, y):
        qx, qy = abs(x - cx) - hx, abs(y - cy) - hy
        outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return outside + min(max(qx, qy), 0.0) - r
    return d


def rotated_box(cx, cy, hx, hy, angle, r=0.0):
    """Box of half sizes hx, hy (corner radius r) turned by angle radians about its centre."""
    box = round_rect(-hx, -hy, hx, hy, r)
    c, s = math.cos(angle), math.sin(angle)
    return lambda x, y: box((x - cx) * c + (y - cy) * s, -(x - cx) * s + (y - cy) * c)


def segment(ax, ay, bx, by, half_width):
    """A stroke with round caps."""
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy

    def d(x, y):
        t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / length2))
        return math.hypot(x - ax - t * dx, y - ay - t * dy) - half_width
    return d


def polyline(points, half_width):
    return union(*(segment(*points[i], *points[i + 1], half_width) for i in range(len(points) - 1)))


def stroke(shape, half_width):
    """The outline of a shape as a band of the given half width, centred on the edge."""
    return lambda x, y: abs(shape(x, y)) - half_width


def half_plane(nx, ny, offset):
    """Points with nx * x + ny * y < offset (n of unit length)."""
    return lambda x, y: nx * x + ny * y - offset


def union(*shapes):
    return lambda x, y: min(s(x, y) for s in shapes)


def intersect(*shapes):
    return lambda x, y: max(s(x, y) for s in shapes)


def subtract(shape, cut):
    return lambda x, y: max(shape(x, y), -cut(x, y))


def mirror_x(shape, width):
    return lambda x, y: shape(width - x, y)


def scale(shape, factor):
    """A shape designed in other units, drawn `factor` pixels per unit."""
    return lambda x, y: shape(x / factor, y / factor) * factor


# --- colours ----------------------------------------------------------------------------------

def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def luma(c):
    return 0.299 * c[0] + 0.587 * c[1] + 0.114 * c[2]


def vertical_gradient(top_colour, bottom_colour, y0, y1):
    def colour(_x, y):
        t = max(0.0, min(1.0, (y - y0) / (y1 - y0)))
        return mix(top_colour, bottom_colour, t)
    return colour


# --- canvas -----------------------------------------------------------------------------------

def coverage(distance):
    return max(0.0, min(1.0, 0.5 - distance))


class Canvas:
    """Premultiplied RGBA pixels (0..1), top row first."""

    def __init__(self, width, height, background=None):
        self.width, self.height = width, height
        fill = [0.0, 0.0, 0.0, 0.0] if background is None else [c / 255 for c in background] + [1.0]
        self.pixels = [list(fill) for _ in range(width * height)]

    def paint(self, shape, colour, opacity=1.0):
        """Composites `colour` (an RGB tuple or a function of x, y) over the canvas inside `shape`."""
        for y in range(self.height):
            for x in range(self.width):
                alpha = coverage(shape(x + 0.5, y + 0.5)) * opacity
                if alpha <= 0.0:
                    continue
                rgb = colour(x + 0.5, y + 0.5) if callable(colour) else colour
                p = self.pixels[y * self.width + x]
                for i in range(3):
                    p[i] = rgb[i] / 255 * alpha + p[i] * (1 - alpha)
                p[3] = alpha + p[3] * (1 - alpha)

    def set_pixel(self, x, y, rgb):
        self.pixels[y * self.width + x] = [c / 255 for c in rgb] + [1.0]

    def blit(self, other, left, top):
        for y in range(other.height):
            for x in range(other.width):
                self.pixels[(top + y) * self.width + left + x] = list(other.pixels[y * other.width + x])

    def rgb_rows(self):
        """Opaque 8-bit rows; uncovered pixels come out black."""
        return [[tuple(_byte(p[i]) for i in range(3)) for p in self._row(y)] for y in range(self.height)]

    def rgba_rows(self):
        """Straight (not premultiplied) 8-bit RGBA rows, as icons store them."""
        rows = []
        for y in range(self.height):
            row = []
            for p in self._row(y):
                a = p[3]
                row.append((0, 0, 0, 0) if a <= 0 else tuple(_byte(p[i] / a) for i in range(3)) + (_byte(a),))
            rows.append(row)
        return rows

    def _row(self, y):
        return self.pixels[y * self.width:(y + 1) * self.width]


class ScaledCanvas(Canvas):
    """A canvas for art designed in 100 % pixels, drawn at `percent` %: its size, the shapes and
    the colour functions painted on it are all given in design units."""

    def __init__(self, width, height, percent, background=None):
        super().__init__(scaled_size(width, percent), scaled_size(height, percent), background)
        self.factor = percent / 100

    def design(self, shape):
        """A shape in design units as the canvas draws it (for masks)."""
        return scale(shape, self.factor)

    def paint(self, shape, colour, opacity=1.0):
        f = self.factor
        scaled_colour = (lambda x, y: colour(x / f, y / f)) if callable(colour) else colour
        super().paint(scale(shape, f), scaled_colour, opacity)


def scaled_size(pixels, percent):
    """A design size at another scale, to the nearest pixel with halves to even (as the program
    computes the sizes it expects)."""
    return round(Fraction(pixels * percent, 100))


def _byte(v):
    return max(0, min(255, int(v * 255 + 0.5)))


def shape_mask(shape, width, height):
    """Rows of booleans: True where a pixel is at least half covered by the shape."""
    return [[coverage(shape(x + 0.5, y + 0.5)) >= 0.5 for x in range(width)] for y in range(height)]
