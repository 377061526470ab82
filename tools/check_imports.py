#!/usr/bin/env python3
"""Fails when a Windows executable's import table would let a DLL beside it be loaded in place of
a system one, or names a function the oldest Windows the program supports lacks.

The loader resolves a static import before the program's first line runs, so
SetDefaultDllDirectories cannot protect it: a DLL that is not a KnownDLL is looked for in the
executable's own folder first (a Downloads folder, an unpacked zip). Every other system DLL must be
loaded at run time from System32 only.

    python3 tools/check_imports.py build/windows/src/win32/vistrel.exe
"""

import struct
import sys

# The KnownDLLs of Windows 10 1507 (x64), the oldest Windows the manifest claims: the values under
# HKLM\SYSTEM\CurrentControlSet\Control\Session Manager\KnownDLLs, the key Microsoft's
# "Dynamic-link library search order" (learn.microsoft.com/windows/win32/dlls/
# dynamic-link-library-search-order) names as the loader's list. The WOW64 entries are left out,
# and so is any entry not present on every Windows 10 build: a DLL missing here only errs on the
# safe side.
KNOWN_DLLS = frozenset("""
    advapi32 clbcatq combase comdlg32 gdi32 imagehlp imm32 kernel32 msctf msvcrt normaliz nsi ole32
    oleaut32 psapi rpcrt4 sechost setupapi shcore shell32 shlwapi user32 wldap32 ws2_32
""".split())

# Common controls v6 come from the side-by-side store when the manifest asks for them.
SIDE_BY_SIDE = {"comctl32": b"Microsoft.Windows.Common-Controls"}

# Functions that came after Windows 10 1507: imported statically, they stop the program from
# starting there. Each is looked up at run time instead, with a fallback.
LATE_FUNCTIONS = {
    "user32": frozenset("""
        AdjustWindowRectExForDpi AreDpiAwarenessContextsEqual EnableNonClientDpiScaling
        GetAwarenessFromDpiAwarenessContext GetDpiForSystem GetDpiForWindow GetDpiFromDpiAwarenessContext
        GetSystemDpiForProcess GetSystemMetricsForDpi GetThreadDpiAwarenessContext
        GetWindowDpiAwarenessContext IsValidDpiAwarenessContext SetProcessDpiAwarenessContext
        SetThreadDpiAwarenessContext SetThreadDpiHostingBehavior SystemParametersInfoForDpi
    """.split()),
    "kernel32": frozenset(["GetThreadDescription", "SetThreadDescription"]),
}


def base_name(dll):
    name = dll.lower()
    return name[:-4] if name.endswith(".dll") else name


def problems(imports, manifest_names=()):
    """What is wrong with an import table given as {dll: [function names]}, one line each."""
    found = []
    for dll, functions in imports.items():
        name = base_name(dll)
        if name.startswith("api-ms-win-"):
            continue  # API sets resolve inside the loader, never through a file search
        side_by_side = SIDE_BY_SIDE.get(name) in manifest_names
        if name not in KNOWN_DLLS and not side_by_side:
            found.append(f"{dll}: not a KnownDLL; load it with LOAD_LIBRARY_SEARCH_SYSTEM32 at run time")
        for function in sorted(LATE_FUNCTIONS.get(name, frozenset()).intersection(functions)):
            found.append(f"{dll}!{function}: newer than Windows 10 1507; look it up at run time")
    return found


def read_imports(image):
    """The import table of a PE image (PE32 or PE32+) as {dll: [function names]}."""
    pe = struct.unpack_from("<I", image, 0x3C)[0]
    if image[pe:pe + 4] != b"PE\0\0":
        raise ValueError("not a PE image")
    sections_count, optional_size = struct.unpack_from("<H12xH", image, pe + 6)
    optional = pe + 24
    wide = struct.unpack_from("<H", image, optional)[0] == 0x20B
    directories = optional + (112 if wide else 96)
    import_rva = struct.unpack_from("<I", image, directories + 8)[0]
    sections = [struct.unpack_from("<8xIIII", image, optional + optional_size + 40 * i)
                for i in range(sections_count)]

    def offset(rva):
        for virtual_size, virtual_address, raw_size, raw_start in sections:
            if virtual_address <= rva < virtual_address + max(virtual_size, raw_size):
                return rva - virtual_address + raw_start
        raise ValueError(f"address {rva:#x} is in no section")

    def text(rva):
        start = offset(rva)
        return image[start:image.index(b"\0", start)].decode("ascii")

    imports = {}
    thunk_size, ordinal_flag = (8, 1 << 63) if wide else (4, 1 << 31)
    descriptor = offset(import_rva) if import_rva else None
    while descriptor is not None:
        names_rva, _, _, name_rva, addresses_rva = struct.unpack_from("<5I", image, descriptor)
        if name_rva == 0:
            break
        functions = []
        thunk = offset(names_rva or addresses_rva)
        while (entry := int.from_bytes(image[thunk:thunk + thunk_size], "little")) != 0:
            functions.append(f"#{entry & 0xFFFF}" if entry & ordinal_flag else text(entry + 2))
            thunk += thunk_size
        imports[text(name_rva)] = functions
        descriptor += 20
    return imports


def main(argv):
    if len(argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    with open(argv[1], "rb") as file:
        image = file.read()
    manifest_names = [name for name in SIDE_BY_SIDE.values() if name in image]
    found = problems(read_imports(image), manifest_names)
    for line in found:
        print(f"{argv[1]}: {line}", file=sys.stderr)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
