#!/usr/bin/env python3
"""Fails when an include in the portable core points from a lower folder to a higher one.

    python3 tools/check_layers.py [src/core]

The core's folders form layers; a folder may include its own headers and those of lower layers
only. Folders on the same layer (gamma, reminder, history) stay independent of each other, so a
feature can be understood, and later moved, without the others.
"""

import re
import sys
from pathlib import Path

# Lower numbers are lower layers.
LAYERS = {
    "base": 0,
    "text": 1,
    "settings": 2,
    "controls": 3,
    "gamma": 4,
    "reminder": 4,
    "history": 4,
    "app": 5,
}
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"/]+)/[^"]+"', re.MULTILINE)


def violations(core):
    found = []
    for source in sorted(core.rglob("*")):
        if source.suffix not in (".h", ".cpp"):
            continue
        folder = source.relative_to(core).parts[0]
        if folder not in LAYERS:
            found.append("%s: folder %r has no layer" % (source, folder))
            continue
        for target in INCLUDE.findall(source.read_text(encoding="utf-8")):
            if target not in LAYERS:
                found.append("%s: includes from unknown folder %r" % (source, target))
            elif target != folder and LAYERS[target] >= LAYERS[folder]:
                found.append("%s: %s may not include %s" % (source, folder, target))
    return found


def main(argv):
    core = Path(argv[0] if argv else Path(__file__).resolve().parents[1] / "src" / "core")
    found = violations(core)
    for line in found:
        print(line, file=sys.stderr)
    print("check_layers: %d upward or sideways includes" % len(found))
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
