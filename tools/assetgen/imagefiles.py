"""Writers for the two image formats the resource compiler takes: BMP (24-bit) and ICO (32-bit)."""

import struct

_PIXELS_PER_METRE = 3780  # 96 DPI, the density the art is drawn for


def _bmp_info_header(width, height, bits, image_size):
    return struct.pack('<IiiHHIIiiII', 40, width, height, 1, bits, 0, image_size,
                       _PIXELS_PER_METRE, _PIXELS_PER_METRE, 0, 0)


def bmp_bytes(rows):
    """A bottom-up 24-bit BMP file from rows of (r, g, b), top row first."""
    height, width = len(rows), len(rows[0])
    stride = (width * 3 + 3) & ~3
    body = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        body += line + bytes(stride - len(line))
    header_size = 14 + 40
    file_header = struct.pack('<2sIHHI', b'BM', header_size + len(body), 0, 0, header_size)
    return file_header + _bmp_info_header(width, height, 24, len(body)) + bytes(body)


def _icon_image(rows):
    """One icon image: BGRA colour bottom-up, then the 1-bit AND mask (set where fully clear)."""
    size = len(rows)
    colour = bytearray()
    for row in reversed(rows):
        for r, g, b, a in row:
            colour += bytes((b, g, r, a))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(rows):
        line = bytearray(mask_stride)
        for x, pixel in enumerate(row):
            if pixel[3] == 0:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += line
    header = _bmp_info_header(size, size * 2, 32, len(colour) + len(mask))
    return header + bytes(colour) + bytes(mask)


def ico_bytes(images):
    """An ICO file from square images given as rows of (r, g, b, a), smallest first."""
    blobs = [_icon_image(rows) for rows in images]
    directory = struct.pack('<HHH', 0, 1, len(blobs))
    offset = 6 + 16 * len(blobs)
    for rows, blob in zip(images, blobs):
        size = len(rows)
        directory += struct.pack('<BBBBHHII', size % 256, size % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    return directory + b''.join(blobs)
