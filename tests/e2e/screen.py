"""Screenshots of the X server: saved as PNG for people, read as raw pixels for tests."""

import re
import subprocess


class Image:
    """24-bit RGB pixels, row by row; coordinates are screen pixels."""

    def __init__(self, width, height, rgb):
        self.width = width
        self.height = height
        self.rgb = rgb

    def pixel(self, x, y):
        offset = (y * self.width + x) * 3
        return tuple(self.rgb[offset:offset + 3])

    def pixels(self, rect):
        """All pixels of rect (left, top, right, bottom), clipped to the image."""
        left, top, right, bottom = (max(0, rect[0]), max(0, rect[1]),
                                    min(self.width, rect[2]), min(self.height, rect[3]))
        return [self.pixel(x, y) for y in range(top, bottom) for x in range(left, right)]

    def count(self, rect, colour, tolerance=8):
        return sum(1 for p in self.pixels(rect) if all(abs(a - b) <= tolerance for a, b in zip(p, colour)))

    def region(self, rect):
        """The pixels of rect as bytes, for comparing two places or two moments."""
        return bytes(c for p in self.pixels(rect) for c in p)


def parse_ppm(data):
    match = re.match(rb"P6\s+(?:#[^\n]*\s+)*(\d+)\s+(?:#[^\n]*\s+)*(\d+)\s+(?:#[^\n]*\s+)*(\d+)\s", data)
    if not match:
        raise ValueError("not a binary PPM image")
    width, height, maximum = (int(g) for g in match.groups())
    if maximum != 255:
        raise ValueError("only 8-bit PPM images are read")
    body = data[match.end():match.end() + width * height * 3]
    if len(body) != width * height * 3:
        raise ValueError("truncated PPM image")
    return Image(width, height, body)


def grab(display):
    data = subprocess.run(["import", "-display", display, "-window", "root", "-depth", "8", "ppm:-"], check=True,
                          stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, timeout=60).stdout
    return parse_ppm(data)


def save(display, path):
    subprocess.run(["import", "-display", display, "-window", "root", path], check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=60)


def read_bmp(data):
    """A 24-bit uncompressed BMP (bottom-up or top-down) as an Image; None for any other kind."""
    if len(data) < 54 or data[:2] != b"BM":
        return None
    offset = int.from_bytes(data[10:14], "little")
    width = int.from_bytes(data[18:22], "little", signed=True)
    height = int.from_bytes(data[22:26], "little", signed=True)
    bits = int.from_bytes(data[28:30], "little")
    compression = int.from_bytes(data[30:34], "little")
    if bits != 24 or compression != 0 or width <= 0 or height == 0:
        return None
    stride = (width * 3 + 3) & ~3
    rows = abs(height)
    if len(data) < offset + stride * rows:
        return None
    rgb = bytearray()
    for row in range(rows):
        source = rows - 1 - row if height > 0 else row
        line = data[offset + source * stride: offset + source * stride + width * 3]
        for x in range(width):
            blue, green, red = line[x * 3: x * 3 + 3]
            rgb += bytes((red, green, blue))
    return Image(width, rows, bytes(rgb))
