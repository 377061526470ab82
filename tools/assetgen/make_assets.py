#!/usr/bin/env python3
"""Writes every bitmap and icon of the Windows program into src/win32/res/.

The output is deterministic, so the generated files are committed and `--check` can tell whether
they still match this script. Python 3 standard library only.
"""

import argparse
import os
import sys

sys.dont_write_bytecode = True

import picture_art  # noqa: E402
import switch_art  # noqa: E402
from imagefiles import bmp_bytes, ico_bytes  # noqa: E402

RES_DIR = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'src', 'win32',
                                        'res'))


def expect_size(rows, width, height, name):
    assert len(rows) == height and all(len(r) == width for r in rows), '%s is not %dx%d' % (name, width, height)
    return rows


def assets():
    """File name -> bytes, for every generated resource."""
    files = {}
    masks = []
    for index, skin in enumerate(switch_art.SKINS):
        name = 'switch_strip%d.bmp' % index
        files[name] = bmp_bytes(expect_size(switch_art.strip(skin), skin.width, skin.height * 8, name))
        for on in (True, False):
            rows = switch_art.mask(skin, on)
            masks.append(rows)
            name = 'switch_mask%d.bmp' % (len(masks) - 1)
            files[name] = bmp_bytes(expect_size(rows, skin.width, skin.height, name))
    switch_art.check_masks(masks)

    pictures = [
        ('about.bmp', picture_art.about_button, 16, 16),
        ('minimise.bmp', picture_art.minimise_button, 16, 16),
        ('exit.bmp', picture_art.exit_button, 16, 16),
        ('tile_colour.bmp', picture_art.colour_tile, 128, 128),
        ('tile_rest.bmp', picture_art.rest_tile, 128, 128),
        ('settings.bmp', picture_art.settings_gear, 20, 20),
        ('ok.bmp', picture_art.ok_button, 49, 33),
        ('back.bmp', picture_art.back_button, 49, 33),
        ('close_round.bmp', picture_art.close_round, 60, 60),
    ]
    for name, draw, width, height in pictures:
        files[name] = bmp_bytes(expect_size(draw(), width, height, name))

    files['vistrel.ico'] = ico_bytes([picture_art.program_icon(size) for size in (16, 32, 48)])
    return files


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument('--check', action='store_true', help='compare with the files on disk, write nothing')
    parser.add_argument('--out', default=RES_DIR, help='output folder (default: %(default)s)')
    args = parser.parse_args()

    stale = []
    for name, data in sorted(assets().items()):
        path = os.path.join(args.out, name)
        if args.check:
            try:
                with open(path, 'rb') as f:
                    if f.read() != data:
                        stale.append(name)
            except OSError:
                stale.append(name)
        else:
            os.makedirs(args.out, exist_ok=True)
            with open(path, 'wb') as f:
                f.write(data)
    if stale:
        print('out of date: ' + ', '.join(stale), file=sys.stderr)
        return 1
    return 0


if __name__ == '__main__':
    sys.exit(main())
