#!/usr/bin/env python3
"""Where a Wine process's memory goes: /proc/PID/smaps summed by kind of mapping.

    python3 bench/smaps.py PID [--program PATH]     (as root, or as the process's owner)

Groups, each with RSS and PSS:

  program image   the program's own file mappings, and the anonymous pages inside its image's
                  address range (Wine copies into anonymous memory every section whose file offset
                  is not page-aligned, so those pages are the program's even without a file name)
  Wine/system     DLLs, drivers and shared objects: Wine's builtin PE and Unix libraries, libc, X
  fonts           font files (FreeType maps each font file it opens)
  other files     everything else with a name: NLS tables, the theme, shared memory with the X server
  heap/anonymous  [heap] (the Unix side's malloc) and anonymous mappings (Windows heaps, DIB
                  sections, reserved address space)
  stacks          [stack] and the mappings the threads' stack pointers are in
"""

import argparse
import re
import struct
import sys
from pathlib import Path

GROUPS = ("program image", "Wine/system", "fonts", "other files", "heap/anonymous", "stacks")

_HEADER = re.compile(r"^([0-9a-f]+)-([0-9a-f]+) (\S+) ([0-9a-f]+) \S+ \d+\s*(.*)$")
_FONT_SUFFIXES = (".ttf", ".ttc", ".otf", ".otc", ".pfb", ".pfa", ".pcf", ".pcf.gz", ".fon", ".fnt", ".woff")
_LIBRARY_SUFFIXES = (".dll", ".drv", ".sys", ".exe", ".so", ".cpl", ".ocx")


class Mapping:
    def __init__(self, start, end, path):
        self.start, self.end, self.path = start, end, path
        self.rss = self.pss = 0  # KiB


def parse(text):
    """The mappings of one smaps text, in address order."""
    mappings = []
    for line in text.splitlines():
        header = _HEADER.match(line)
        if header:
            mappings.append(Mapping(int(header[1], 16), int(header[2], 16), header[5].strip()))
        elif mappings and line.startswith(("Rss:", "Pss:")):
            setattr(mappings[-1], line[:3].lower(), int(line.split()[1]))
    return mappings


def image_size(program):
    """SizeOfImage from a PE file's optional header; 0 when the file is not a PE image."""
    try:
        with open(program, "rb") as f:
            head = f.read(4096)
        (pe,) = struct.unpack_from("<I", head, 0x3C)
        if head[pe:pe + 4] != b"PE\0\0":
            return 0
        return struct.unpack_from("<I", head, pe + 24 + 56)[0]  # optional header, SizeOfImage
    except (OSError, struct.error):
        return 0


def _is_program(path, program_name):
    return bool(program_name) and path.replace("\\", "/").lower().endswith("/" + program_name.lower())


def group_of(mapping, image_ranges, stack_pointers, program_name):
    path = mapping.path
    if _is_program(path, program_name) or any(a <= mapping.start < b for a, b in image_ranges):
        return "program image"
    if path == "[stack]" or any(mapping.start <= sp < mapping.end for sp in stack_pointers):
        return "stacks"
    if not path or path == "[heap]" or path.startswith("[anon"):
        return "heap/anonymous"
    name = path.lower().removesuffix(" (deleted)")
    if name.endswith(_FONT_SUFFIXES) or "/fonts/" in name:
        return "fonts"
    if name.endswith(_LIBRARY_SUFFIXES) or ".so." in name:
        return "Wine/system"
    return "other files"


def breakdown(mappings, program=None, stack_pointers=()):
    """{group: (rss KiB, pss KiB)} for every group in GROUPS. program: the program's executable,
    whose image range is found from the mapping of its first page."""
    name = Path(program).name if program else None
    size = image_size(program) if program else 0
    ranges = [(m.start, m.start + size) for m in mappings if size and _is_program(m.path, name)]
    ranges = ranges[:1]  # the headers' page is the first mapping of the file
    totals = {g: [0, 0] for g in GROUPS}
    for m in mappings:
        total = totals[group_of(m, ranges, stack_pointers, name)]
        total[0] += m.rss
        total[1] += m.pss
    return {g: tuple(v) for g, v in totals.items()}


def stack_pointers(pid):
    """Each thread's stack pointer while it waits in a system call (/proc/PID/task/TID/syscall
    ends with "sp pc"); a running thread shows none."""
    result = []
    for task in Path("/proc/%d/task" % pid).iterdir():
        try:
            fields = (task / "syscall").read_text().split()
        except OSError:
            continue
        if len(fields) >= 3 and fields[-2].startswith("0x"):
            result.append(int(fields[-2], 16))
    return result


def process_breakdown(pid, program=None):
    return breakdown(parse(Path("/proc/%d/smaps" % pid).read_text()), program, stack_pointers(pid))


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("pid", type=int)
    parser.add_argument("--program", help="the process's executable, to tell its image apart")
    args = parser.parse_args(argv)
    for group, (rss, pss) in process_breakdown(args.pid, args.program).items():
        print("%-16s RSS %7.1f MiB  PSS %7.1f MiB" % (group, rss / 1024.0, pss / 1024.0))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
