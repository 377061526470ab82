"""The harness's own file readers and geometry, without an X server or Wine."""

import struct
import sys
import tempfile
import unittest
from pathlib import Path

import inifile
import screen
import xgamma
from harness import close, descendants, pixels, twips, twips_rect

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "bench"))
import smaps  # noqa: E402


class IniFileTest(unittest.TestCase):
    def test_entries_keep_file_order_and_fold_names_like_windows(self):
        data = b"; comment\r\nstray=1\r\n[DSXX]\r\n Mei = 30 \r\nxiuxi=\r\n\r\n[eye]\npdrun=1\n"
        self.assertEqual(inifile.entries(data),
                         [("dsxx", "mei", "30"), ("dsxx", "xiuxi", ""), ("eye", "pdrun", "1")])
        self.assertEqual(inifile.value(data, "Dsxx", "MEI"), "30")
        self.assertIsNone(inifile.value(data, "eye", "liangdu"))

    def test_ansi_bytes_never_break_the_reader(self):
        data = "[dsxx]\r\nmei=四十\r\n".encode("gbk") + b"[eye]\r\nrgbr=\xff\xfe\r\n"
        entries = inifile.entries(data)
        self.assertEqual(entries[0], ("dsxx", "mei", "四十"))
        self.assertEqual(entries[1][:2], ("eye", "rgbr"))

    def test_build_reads_back_as_written(self):
        sections = {"dsxx": {"mei": "45", "pdrun": "0"}, "eye": {"liangdu": "-20"}}
        data = inifile.build(sections)
        self.assertTrue(data.endswith(b"\r\n"))
        self.assertEqual(inifile.entries(data),
                         [("dsxx", "mei", "45"), ("dsxx", "pdrun", "0"), ("eye", "liangdu", "-20")])


class ImageTest(unittest.TestCase):
    def test_ppm_with_comments_is_read_pixel_by_pixel(self):
        image = screen.parse_ppm(b"P6\n# made by a test\n2 1\n255\n" + bytes([1, 2, 3, 250, 251, 252]))
        self.assertEqual((image.width, image.height), (2, 1))
        self.assertEqual(image.pixel(1, 0), (250, 251, 252))
        self.assertEqual(image.count((0, 0, 5, 5), (0, 0, 0), tolerance=3), 1, "clipped to the image")

    def test_ppm_that_is_short_or_sixteen_bit_is_refused(self):
        with self.assertRaises(ValueError):
            screen.parse_ppm(b"P6\n2 1\n255\n" + bytes(5))
        with self.assertRaises(ValueError):
            screen.parse_ppm(b"P6\n1 1\n65535\n" + bytes(6))

    @staticmethod
    def bmp(width, rows, height_field):
        stride = (width * 3 + 3) & ~3
        body = b"".join(b"".join(bytes(pixel[::-1]) for pixel in row).ljust(stride, b"\0") for row in rows)
        header = b"BM" + (54 + len(body)).to_bytes(4, "little") + bytes(4) + (54).to_bytes(4, "little")
        info = ((40).to_bytes(4, "little") + width.to_bytes(4, "little") +
                height_field.to_bytes(4, "little", signed=True) + (1).to_bytes(2, "little") +
                (24).to_bytes(2, "little") + bytes(24))
        return header + info + body

    def test_bmp_rows_come_out_top_first_whichever_way_they_are_stored(self):
        top, bottom = [(255, 0, 0)] * 3, [(0, 0, 255)] * 3  # 9-byte rows need padding
        bottom_up = screen.read_bmp(self.bmp(3, [bottom, top], 2))
        top_down = screen.read_bmp(self.bmp(3, [top, bottom], -2))
        for image in (bottom_up, top_down):
            self.assertEqual(image.pixel(2, 0), (255, 0, 0))
            self.assertEqual(image.pixel(0, 1), (0, 0, 255))

    def test_bmp_of_another_kind_is_not_guessed_at(self):
        self.assertIsNone(screen.read_bmp(b"BM" + bytes(10)))
        data = bytearray(self.bmp(1, [[(1, 2, 3)]], 1))
        data[28] = 32  # 32 bits per pixel
        self.assertIsNone(screen.read_bmp(bytes(data)))


class GeometryTest(unittest.TestCase):
    def test_twips_round_to_the_nearest_pixel(self):
        self.assertEqual([twips(t) for t in (0, 7, 8, 730, 9630, -8)], [0, 0, 1, 49, 642, -1])
        self.assertEqual(twips_rect(315, 730, 9195, 3690), (21, 49, 634, 295))
        self.assertEqual([pixels(4725, dpi) for dpi in (96, 144, 192)], [315, 472, 630])  # 472.5 to even

    def test_close_allows_one_pixel_of_rounding(self):
        self.assertTrue(close({"left": 1, "top": 2, "right": 3, "bottom": 4}, (2, 2, 3, 5)))
        self.assertFalse(close((1, 2, 3, 4), (1, 2, 3, 6)))

    def test_descendants_are_found_at_any_depth(self):
        windows = [{"hwnd": 1, "parent": 0}, {"hwnd": 2, "parent": 1}, {"hwnd": 3, "parent": 2},
                   {"hwnd": 4, "parent": 0}]
        self.assertEqual(sorted(w["hwnd"] for w in descendants(windows, 1)), [2, 3])
        self.assertEqual(descendants(windows, 4), [])


class GammaRampTest(unittest.TestCase):
    def test_identity_spans_the_full_range(self):
        ramp = xgamma.identity_ramp()
        self.assertEqual((ramp[0], ramp[1], ramp[128], ramp[255]), (0, 257, 32896, 65535))

    def test_stored_ramp_keeps_the_high_byte(self):
        self.assertEqual(xgamma.as_stored([0, 255, 256, 511, 512, 65534, 65535]),
                         [0, 0, 257, 257, 514, 65535, 65535])


class SmapsBreakdownTest(unittest.TestCase):
    def test_each_mapping_is_counted_once_in_its_kind(self):
        # (mapping, its name, RSS KiB): the program's image is 0x4000 bytes from its first page.
        rows = [("140000000-140001000 r--p 00000000", "/app/vistrel.exe", 4),
                ("140001000-140003000 r-xp 00000000", "", 8),  # a section Wine copied
                ("140003000-140004000 rw-p 00000000", "", 16),
                ("140004000-140005000 rw-p 00000000", "", 32),  # past the image: heap
                ("7f0000000000-7f0000001000 r--p 00000000", "/usr/share/fonts/noto/CJK.ttc", 64),
                ("7f0000001000-7f0000002000 r-xp 00000000", "/usr/lib/wine/x86_64-windows/user32.dll", 128),
                ("7f0000002000-7f0000003000 r-xp 00000000", "/usr/lib/libX11.so.6.4.0", 256),
                ("7f0000003000-7f0000004000 r--s 00000000", "/SYSV00000000 (deleted)", 512),
                ("7f0000004000-7f0000005000 rw-p 00000000", "[heap]", 1024),
                ("7f0000005000-7f0000006000 rw-p 00000000", "", 2048),  # holds a thread's stack pointer
                ("7ffd00000000-7ffd00001000 rw-p 00000000", "[stack]", 4096)]
        text = "".join("%s 00:00 0 %s\nRss: %d kB\nPss: %d kB\n" % (m, name, rss, rss // 2)
                       for m, name, rss in rows)
        with tempfile.TemporaryDirectory() as folder:
            program = Path(folder) / "vistrel.exe"
            header = bytearray(0x200)
            header[0:2], header[0x3C:0x40], header[0x40:0x44] = b"MZ", struct.pack("<I", 0x40), b"PE\0\0"
            header[0x40 + 24 + 56:0x40 + 24 + 60] = struct.pack("<I", 0x4000)
            program.write_bytes(bytes(header))
            result = smaps.breakdown(smaps.parse(text), program, stack_pointers=[0x7F0000005800])
        self.assertEqual(result, {"program image": (28, 14), "Wine/system": (384, 192), "fonts": (64, 32),
                                  "other files": (512, 256), "heap/anonymous": (1056, 528),
                                  "stacks": (6144, 3072)})


if __name__ == "__main__":
    unittest.main()
