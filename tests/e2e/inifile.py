"""Reads and writes config.ini as bytes, the way a Windows program leaves it.

The file is in the ANSI code page (GBK on a Chinese system); the keys the tests use are ASCII,
so values are decoded leniently and never make a test crash on odd bytes.
"""

ENCODING = "gbk"


def entries(data):
    """Every key in file order as (section, key, value), names lower-cased as Windows compares them."""
    result = []
    section = None
    for raw in data.replace(b"\r\n", b"\n").split(b"\n"):
        line = raw.decode(ENCODING, errors="replace").strip()
        if not line or line.startswith(";"):
            continue
        if line.startswith("[") and "]" in line:
            section = line[1:line.index("]")].strip().lower()
        elif "=" in line and section is not None:
            key, value = line.split("=", 1)
            result.append((section, key.strip().lower(), value.strip()))
    return result


def value(data, section, key):
    """The first matching value, or None when the key is absent."""
    for s, k, v in entries(data):
        if s == section.lower() and k == key.lower():
            return v
    return None


def build(sections):
    """File bytes with CRLF line ends from {section: {key: value}} (dicts keep their order)."""
    lines = []
    for section, keys in sections.items():
        lines.append("[%s]" % section)
        lines.extend("%s=%s" % (key, val) for key, val in keys.items())
    return ("\r\n".join(lines) + "\r\n").encode(ENCODING)
