"""The program's main window as a user sees it: where things are and what state they show.

Places are the window's layout in twips (15 per pixel), relative to the client area, which is
the whole window because it has no frame. Controls that are native child windows are found by
their place; painted things (captions, switch pictures) are read from a screenshot.
"""

from fractions import Fraction
from pathlib import Path

import screen
from harness import REPO, centre, close, descendants, twips_rect

CLIENT_SIZE = (642, 315)
SCREEN_SIZE = (1280, 800)
GREEN = (34, 139, 34)

PMENU = (10, 10)  # the top strip, placed at load
IMAGE_ABOUT = (8745, 45, 240, 240)  # Image1, inside the top strip
IMAGE_MINIMISE = (9000, 45, 240, 240)  # Image10
IMAGE_EXIT = (9270, 45, 240, 240)  # Image2

COLOUR, REST = 0, 1  # element indexes of the feature captions and settings icons
CAPTIONS = {COLOUR: (2040, 825, 1815, 375), REST: (5100, 840, 2055, 375)}  # Label2
SETTINGS_ICONS = {COLOUR: (3465, 825, 300, 300), REST: (6570, 855, 300, 300)}  # edit
SWITCHES = {COLOUR: (2160, 4080, 1170, 345), REST: (5925, 4080, 1170, 345)}  # SafeSwitch1, SafeSwitch2
COLOUR_PICTURE = (1920, 1920, 1920, 1920)  # Image3

OVERLAY = (315, 730, 9195, 3690)  # ppset
PANEL_OFFSET = (120, 120)  # every panel sits here inside the overlay
COLOUR_PANEL_SIZE = (8565, 2535)  # eyeset
COLOUR_PANEL_BACK = (3345, 1770, 735, 495)  # Image8, inside eyeset

SWITCH_CELL = (78, 23)  # skin 0: eight cells stacked in one strip, on cells first


def in_top_strip(entry):
    left, top, width, height = entry
    return (PMENU[0] + left, PMENU[1] + top, width, height)


def in_colour_panel(entry):
    left, top, width, height = entry
    return (OVERLAY[0] + PANEL_OFFSET[0] + left, OVERLAY[1] + PANEL_OFFSET[1] + top, width, height)


def art_scale(dpi):
    """The picture scale the program draws at a density: 100 to 200 % in steps of 25, halves up."""
    return min(200, max(100, (dpi * 100 // 96 + 12) // 25 * 25))


def switch_cell(dpi=96):
    scale = art_scale(dpi)
    return tuple(round(Fraction(size * scale, 100)) for size in SWITCH_CELL)


def find_switch_strip(dpi=96):
    """The toggle switch's skin-0 strip at the density's scale, found among the program's bitmaps
    by its size (78 x 184 at 100 %)."""
    width, height = switch_cell(dpi)
    folder = Path(REPO, "src", "win32", "res")
    scale = art_scale(dpi)
    for path in sorted((folder if scale == 100 else folder / str(scale)).glob("*.bmp")):
        image = screen.read_bmp(path.read_bytes())
        if image and (image.width, image.height) == (width, height * 8):
            return image
    return None


class MainWindow:
    """Looks the main window up afresh on every call, so it always tells the present state."""

    def __init__(self, case, hwnd, dpi=96):
        self.case = case
        self.hwnd = hwnd
        self.dpi = dpi
        self._strip = find_switch_strip(dpi)

    @classmethod
    def wait(cls, case, timeout=None, dpi=96):
        window = case.wait_window(timeout=timeout, text="Form1", parent=0, visible=True)
        return cls(case, window["hwnd"], dpi)

    def window(self, windows=None):
        windows = windows if windows is not None else self.case.windows()
        return next((w for w in windows if w["hwnd"] == self.hwnd), None)

    def visible(self):
        window = self.window()
        return bool(window and window["visible"])

    def origin(self, window=None):
        client = (window or self.window())["client"]
        return client["left"], client["top"]

    def screen_rect(self, entry, window=None):
        """Screen pixels of a layout entry (left, top, width, height in twips)."""
        x, y = self.origin(window)
        left, top, right, bottom = twips_rect(*entry, dpi=self.dpi)
        return (x + left, y + top, x + right, y + bottom)

    def point(self, entry):
        return centre(self.screen_rect(entry))

    def exit(self, program):
        """Ends the run the only way the program offers: the exit image in the top strip."""
        self.click(in_top_strip(IMAGE_EXIT))
        self.case.assertIsNotNone(program.wait_exit(30), "the process ends after the exit image")

    def click(self, entry):
        self.case.click(*self.point(entry))

    def child_at(self, entry, windows=None, tolerance=1):
        """The child window (any depth) that covers exactly the place of a layout entry."""
        windows = windows if windows is not None else self.case.windows()
        main = self.window(windows)
        if main is None:
            return None
        wanted = self.screen_rect(entry, main)
        for child in descendants(windows, main):
            if close(child["rect"], wanted, tolerance):
                return child
        return None

    # --- what the user sees ------------------------------------------------------------------

    def settings_icon_visible(self, feature, windows=None):
        icon = self.child_at(SETTINGS_ICONS[feature], windows)
        self.case.assertIsNotNone(icon, "the settings icon is a child window at its place")
        return icon["visible"]

    def overlay(self, windows=None):
        overlay = self.child_at(OVERLAY, windows)
        self.case.assertIsNotNone(overlay, "the settings overlay is a child window at its place")
        return overlay

    def caption_colour(self, feature, shot):
        """'green', 'black' or None: which colour the feature's caption is drawn in."""
        rect = self.screen_rect(CAPTIONS[feature])
        green = shot.count(rect, GREEN, tolerance=12)
        black = shot.count(rect, (0, 0, 0), tolerance=40)
        if green >= 10 and green > black:
            return "green"
        if black >= 10 and green == 0:
            return "black"
        return None

    def picture_difference(self, entry, bitmap, shot):
        """Mean difference per channel between a picture on screen, at a layout entry's top-left
        corner, and one of the program's bitmaps (a path below src/win32/res)."""
        image = screen.read_bmp(Path(REPO, "src", "win32", "res", bitmap).read_bytes())
        left, top, _, _ = self.screen_rect(entry)
        total = sum(abs(p - q) for y in range(image.height) for x in range(image.width)
                    for p, q in zip(shot.pixel(left + x, top + y), image.pixel(x, y)))
        return total / (image.width * image.height * 3)

    def switch_state(self, feature, shot):
        """'on' or 'off' from the picture on screen, or None when the skin strip is not at hand."""
        if self._strip is None:
            return None
        left, top, _, _ = self.screen_rect(SWITCHES[feature])
        width, height = switch_cell(self.dpi)
        corners = {(0, 0), (width - 1, 0), (0, height - 1), (width - 1, height - 1)}  # masked out
        best = None
        for cell in range(8):
            difference = 0
            for y in range(height):
                for x in range(width):
                    if (x, y) in corners:
                        continue
                    a = shot.pixel(left + x, top + y)
                    b = self._strip.pixel(x, cell * height + y)
                    difference += sum(abs(p - q) for p, q in zip(a, b))
            if best is None or difference < best[0]:
                best = (difference, cell)
        mean = best[0] / (width * height * 3)
        self.case.assertLess(mean, 12, "the switch shows one of its skin's pictures (cell %d)" % best[1])
        return "on" if best[1] < 4 else "off"

    def assert_feature(self, feature, on, shot=None, windows=None):
        """The three signs of a feature's state: settings icon, caption colour, switch picture."""
        name = {COLOUR: "colour adjustment", REST: "rest reminder"}[feature]
        shot = shot or self.case.grab()
        self.case.assertEqual(self.settings_icon_visible(feature, windows), on,
                              "%s settings icon visible while on" % name)
        self.case.assertEqual(self.caption_colour(feature, shot), "green" if on else "black",
                              "%s caption colour" % name)
        state = self.switch_state(feature, shot)
        if state is not None:
            self.case.assertEqual(state, "on" if on else "off", "%s switch picture" % name)
