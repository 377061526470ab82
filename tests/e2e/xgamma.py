"""Reads and sets the X server's gamma ramp for screen 0 through libXxf86vm (ctypes, no packages).

Wine's SetDeviceGammaRamp ends up in the same ramp, so this is how a test sees what the
program did to the display.
"""

import ctypes
import ctypes.util


class GammaError(RuntimeError):
    pass


def _load(name, soname):
    path = ctypes.util.find_library(name) or soname
    try:
        return ctypes.CDLL(path)
    except OSError as error:
        raise GammaError("cannot load %s: %s" % (soname, error))


class XGamma:
    """One connection to one display; use as a context manager so the connection is closed."""

    def __init__(self, display):
        self._x11 = _load("X11", "libX11.so.6")
        self._vm = _load("Xxf86vm", "libXxf86vm.so.1")
        self._x11.XOpenDisplay.restype = ctypes.c_void_p
        self._x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self._x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
        self._x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        self._vm.XF86VidModeGetGammaRampSize.argtypes = [ctypes.c_void_p, ctypes.c_int,
                                                         ctypes.POINTER(ctypes.c_int)]
        self._display = self._x11.XOpenDisplay(display.encode())
        if not self._display:
            raise GammaError("cannot open display %s" % display)

    def close(self):
        if self._display:
            self._x11.XCloseDisplay(self._display)
            self._display = None

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def size(self):
        size = ctypes.c_int()
        if not self._vm.XF86VidModeGetGammaRampSize(self._display, 0, ctypes.byref(size)) or size.value <= 0:
            raise GammaError("the X server has no gamma ramp (XF86VidMode)")
        return size.value

    def _ramp_type(self, size):
        array = ctypes.c_ushort * size
        return array, [ctypes.c_void_p, ctypes.c_int, ctypes.c_int, array, array, array]

    def get(self):
        """The ramp as three lists (red, green, blue) of 16-bit values."""
        size = self.size()
        array, argtypes = self._ramp_type(size)
        self._vm.XF86VidModeGetGammaRamp.argtypes = argtypes
        red, green, blue = array(), array(), array()
        if not self._vm.XF86VidModeGetGammaRamp(self._display, 0, size, red, green, blue):
            raise GammaError("XF86VidModeGetGammaRamp failed")
        return list(red), list(green), list(blue)

    def set(self, red, green, blue):
        size = self.size()
        if not len(red) == len(green) == len(blue) == size:
            raise GammaError("a ramp of %d entries per channel is needed" % size)
        array, argtypes = self._ramp_type(size)
        self._vm.XF86VidModeSetGammaRamp.argtypes = argtypes
        if not self._vm.XF86VidModeSetGammaRamp(self._display, 0, size, array(*red), array(*green),
                                                array(*blue)):
            raise GammaError("XF86VidModeSetGammaRamp failed")
        self._x11.XSync(self._display, 0)


def identity_ramp(size=256):
    """Entry i maps to i scaled over the full 16-bit range (257 * i for 256 entries)."""
    return [round(i * 65535 / (size - 1)) for i in range(size)]


def as_stored(ramp):
    """What Xorg's dummy driver keeps of a ramp: the high byte of each entry, spread over 16 bits."""
    return [(v >> 8) * 257 for v in ramp]
