#!/usr/bin/env python3
"""Writes every bitmap and icon of the Windows program into src/win32/res/, and the installer's
wizard picture into packaging/art/.

The output is deterministic, so the generated files are committed and `--check` can tell whether
they still match this script. Python 3 standard library only.
"""

import argparse
import os
import sys

sys.dont_write_bytecode = True

import picture_art  # noqa: E402
import switch_art  # noqa: E402
import wizard_art  # noqa: E402
from imagefiles import bmp_bytes, ico_bytes  # noqa: E402
from raster import scaled_size  # noqa: E402

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..'))
RES_DIR = os.path.join(ROOT, 'src', 'win32', 'res')
INSTALLER_ART_DIR = os.path.join(ROOT, 'packaging', 'art')


def expect_size(rows, width, height, name):
    assert len(rows) == height and all(len(r) == width for r in rows), '%s is not %dx%d' % (name, width, height)
    return rows


# Every picture comes at these scales, for the screen densities from 96 DPI (100 %) to 192 DPI.
SCALES = (100, 125, 150, 175, 200)
# What the resource script adds to a picture's id for each scale (resource.h names them).
SCALE_ID_NAMES = {100: None, 125: 'IDB_AT_125', 150: 'IDB_AT_150', 175: 'IDB_AT_175', 200: 'IDB_AT_200'}

PICTURES = [
    # file, resource id, drawing, size at 100 %
    ('about.bmp', 'IDB_ABOUT', picture_art.about_button, 16, 16),
    ('minimise.bmp', 'IDB_MINIMISE', picture_art.minimise_button, 16, 16),
    ('exit.bmp', 'IDB_EXIT', picture_art.exit_button, 16, 16),
    ('tile_colour.bmp', 'IDB_TILE_COLOUR', picture_art.colour_tile, 128, 128),
    ('tile_rest.bmp', 'IDB_TILE_REST', picture_art.rest_tile, 128, 128),
    ('settings.bmp', 'IDB_SETTINGS', picture_art.settings_gear, 20, 20),
    ('ok.bmp', 'IDB_OK', picture_art.ok_button, 49, 33),
    ('back.bmp', 'IDB_BACK', picture_art.back_button, 49, 33),
    ('close_round.bmp', 'IDB_CLOSE_ROUND', picture_art.close_round, 60, 60),
]


def scaled_name(name, percent):
    """100 % pictures keep their names; the others live in a folder per scale."""
    return name if percent == 100 else '%d/%s' % (percent, name)


def bitmaps(percent):
    """(file name, resource id, bytes) of every bitmap at one scale."""
    result = []
    masks = []
    for index, skin in enumerate(switch_art.SKINS):
        width, height = scaled_size(skin.width, percent), scaled_size(skin.height, percent)
        name = 'switch_strip%d.bmp' % index
        rows = expect_size(switch_art.strip(skin, percent), width, height * 8, name)
        result.append((name, 'IDB_SWITCH_STRIP%d' % index, bmp_bytes(rows)))
        for on in (True, False):
            rows = expect_size(switch_art.mask(skin, on, percent), width, height, name)
            masks.append(rows)
            result.append(('switch_mask%d.bmp' % (len(masks) - 1), 'IDB_SWITCH_MASK%d' % (len(masks) - 1),
                           bmp_bytes(rows)))
    if percent == 100:
        switch_art.check_masks(masks)  # the shapes the control's users rely on
    for name, resource, draw, width, height in PICTURES:
        rows = expect_size(draw(percent), scaled_size(width, percent), scaled_size(height, percent), name)
        result.append((name, resource, bmp_bytes(rows)))
    return result


def resource_script(entries):
    lines = ['// Written by tools/assetgen/make_assets.py: every bitmap at every scale. Do not edit.']
    for percent, name, resource in entries:
        offset = SCALE_ID_NAMES[percent]
        ident = resource if offset is None else '%s + %s' % (resource, offset)
        lines.append('%s BITMAP "res/%s"' % (ident, scaled_name(name, percent)))
    return ('\n'.join(lines) + '\n').encode()


def assets():
    """File name -> bytes, for every generated resource."""
    files = {}
    entries = []
    for percent in SCALES:
        for name, resource, data in bitmaps(percent):
            files[scaled_name(name, percent)] = data
            entries.append((percent, name, resource))
    files['art.rc'] = resource_script(entries)
    files['vistrel.ico'] = ico_bytes([picture_art.program_icon(size) for size in (16, 32, 48)])
    return files


def installer_assets():
    """File name -> bytes of the installer's pictures: the wizard picture at every scale (the
    installer picks the one for the screen)."""
    return {scaled_name('wizard.bmp', percent):
            bmp_bytes(expect_size(wizard_art.wizard(percent), scaled_size(wizard_art.WIDTH, percent),
                                  scaled_size(wizard_art.HEIGHT, percent), 'wizard.bmp'))
            for percent in SCALES}


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument('--check', action='store_true', help='compare with the files on disk, write nothing')
    parser.add_argument('--out', default=RES_DIR, help='output folder (default: %(default)s)')
    parser.add_argument('--installer-out', default=INSTALLER_ART_DIR,
                        help="the installer's output folder (default: %(default)s)")
    args = parser.parse_args()

    stale = []
    outputs = [(os.path.join(args.out, name), data) for name, data in assets().items()]
    outputs += [(os.path.join(args.installer_out, name), data) for name, data in installer_assets().items()]
    for path, data in sorted(outputs):
        name = os.path.relpath(path, ROOT)
        if args.check:
            try:
                with open(path, 'rb') as f:
                    if f.read() != data:
                        stale.append(name)
            except OSError:
                stale.append(name)
        else:
            os.makedirs(os.path.dirname(path), exist_ok=True)
            with open(path, 'wb') as f:
                f.write(data)
    if stale:
        print('out of date: ' + ', '.join(stale), file=sys.stderr)
        return 1
    return 0


if __name__ == '__main__':
    sys.exit(main())
