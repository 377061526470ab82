#!/usr/bin/env python3
"""Fails when a text the user reads is written outside the catalogue (src/core/text/).

    python3 tools/check_texts.py [src]

Every text a user reads comes from the catalogue, in the language the user chose. Outside it, a
source file may not hold
  - a string literal with a non-ASCII character, or an escape of one (\\u, \\U, \\x above 7F);
  - a literal with letters passed to a call that shows text (SetWindowTextW, MessageBoxW,
    DrawTextW, TextOutW, menu and tooltip texts, ...) or put into a field that is shown (a tooltip's
    lpszText, a notification's szTip, szInfo and szInfoTitle, a property sheet's titles);
  - a dialog template text in a .rc file (CAPTION, LTEXT, CONTROL, PUSHBUTTON, ... must be "").
Comments, #include lines and literals inside trace calls are exempt; so is a line that ends in
`// not user text: <why>` (a font face name, say).
"""

import re
import sys
from pathlib import Path

EXEMPT_MARK = re.compile(r"//\s*not user text:\s*\S")
TRACE_CALLS = {"trace", "traceLastError", "traceError", "failFastOnException", "OutputDebugStringW",
               "OutputDebugStringA"}
TEXT_CALLS = {"SetWindowTextW", "SetWindowTextA", "SetWindowText", "MessageBoxW", "MessageBoxA", "MessageBox",
              "MessageBoxExW", "DrawTextW", "DrawTextExW", "DrawText", "TextOutW", "TextOut", "ExtTextOutW",
              "AppendMenuW", "AppendMenu", "InsertMenuW", "ModifyMenuW", "InsertMenuItemW", "SetMenuItemInfoW",
              "SetDlgItemTextW", "SetDlgItemText", "TaskDialog", "messageBox", "showNotice", "setTooltip",
              "ImageButton"}
TEXT_FIELDS = {"lpszText", "dwTypeData", "pszTitle", "pszHeaderTitle", "pszCaption", "szInfo", "szInfoTitle",
               "szTip"}
LITERAL_START = re.compile(r'(?<![\w])(u8|u|U|L)?(R)?"')
CALL_NAME = re.compile(r"([A-Za-z_]\w*)\s*(<[^<>()]*>)?\s*$")
FIELD_ASSIGNED = re.compile(r"\b(%s)\s*=[^=]" % "|".join(sorted(TEXT_FIELDS)))
# A call whose arguments name one of these puts a text where it is shown.
SHOWN_NAMED = re.compile(r"\b(%s|WM_SETTEXT|TTM_\w+|LVM_\w+|TB_\w+)\b" % "|".join(sorted(TEXT_FIELDS)))
BLOCK_BEFORE = re.compile(r"([)\];{}]|\b(else|do|try|const|noexcept|override|namespace\s+\w*))\s*$")
ESCAPE = re.compile(r"\\(u[0-9A-Fa-f]{4}|U[0-9A-Fa-f]{8}|x[0-9A-Fa-f]+|.)")

RC_CONTROLS = {"LTEXT", "RTEXT", "CTEXT", "PUSHBUTTON", "DEFPUSHBUTTON", "PUSHBOX", "CHECKBOX", "AUTOCHECKBOX",
               "RADIOBUTTON", "AUTORADIOBUTTON", "STATE3", "AUTO3STATE", "GROUPBOX", "CONTROL", "CAPTION",
               "MENUITEM", "POPUP"}
RC_STATEMENT = re.compile(r'^\s*(%s)\s+(L?"(?:[^"]|"")*")' % "|".join(sorted(RC_CONTROLS)))


def literals(code):
    """(offset, end, prefix, body) of each string literal, and the code with comments blanked
    (newlines kept, so offsets and lines still match)."""
    found = []
    out = list(code)
    i = 0
    while i < len(code):
        if code.startswith("//", i):
            end = code.find("\n", i)
            end = len(code) if end < 0 else end
            out[i:end] = " " * (end - i)
            i = end
        elif code.startswith("/*", i):
            end = code.find("*/", i + 2)
            end = len(code) if end < 0 else end + 2
            out[i:end] = [c if c == "\n" else " " for c in code[i:end]]
            i = end
        elif code[i] == "'":
            end = i + 1
            while end < len(code) and code[end] != "'" and code[end] != "\n":
                end += 2 if code[end] == "\\" else 1
            i = end + 1
        else:
            match = LITERAL_START.match(code, i) if code[i] in 'uULR"' else None
            if not match or (i > 0 and (code[i - 1].isalnum() or code[i - 1] == "_")):
                i += 1
                continue
            prefix, raw = match.group(1) or "", match.group(2)
            start = match.end()
            if raw:
                delimiter = code[start:code.find("(", start)]
                close = code.find(")" + delimiter + '"', start)
                body = code[code.find("(", start) + 1:close]
                end = close + len(delimiter) + 2
            else:
                end = start
                while end < len(code) and code[end] != '"' and code[end] != "\n":
                    end += 2 if code[end] == "\\" else 1
                body = code[start:end]
                end += 1
            found.append((i, end, prefix, body, bool(raw)))
            i = end
    return found, "".join(out)


def foreign(body, raw):
    """Whether a literal's text holds a non-ASCII character, written out or escaped."""
    if any(ord(c) > 0x7F for c in body):
        return True
    if raw:
        return False
    for escape in ESCAPE.findall(body):
        if escape[0] in "uUx" and len(escape) > 1 and int(escape[1:], 16) > 0x7F:
            return True
    return False


def enclosing_calls(code, offset):
    """The calls whose argument lists hold `offset`, innermost first, within its statement: each
    call's name (and the names in its template arguments), then ("args", its argument text)."""
    calls = []
    depth = 0
    i = offset - 1
    while i >= max(0, offset - 3000):
        c = code[i]
        if c in ")}":
            depth += 1
        elif c == ";" and depth == 0:
            break
        elif c == "{":
            if depth > 0:
                depth -= 1
            elif BLOCK_BEFORE.search(code[max(0, i - 40):i]):
                break  # a block or a lambda's body: its statements are their own
        elif c == "(":
            if depth > 0:
                depth -= 1
            else:
                name = CALL_NAME.search(code[max(0, i - 120):i])
                if name:
                    calls.append(name.group(1))
                    calls.extend(re.findall(r"[A-Za-z_]\w*", name.group(2) or ""))
                calls.append(("args", code[i:matching_close(code, i)]))
        i -= 1
    return calls


def matching_close(code, open_at):
    depth = 0
    for j in range(open_at, min(len(code), open_at + 2000)):
        if code[j] == "(":
            depth += 1
        elif code[j] == ")":
            depth -= 1
            if depth == 0:
                return j
    return open_at


def cpp_problems(path, text):
    found = []
    lines = text.split("\n")
    spans, code = literals(text)
    for offset, end, prefix, body, raw in spans:
        line = text.count("\n", 0, offset) + 1
        source_line = lines[line - 1]
        if source_line.lstrip().startswith("#") or EXEMPT_MARK.search(source_line):
            continue
        calls = enclosing_calls(code, offset)
        names = {c for c in calls if isinstance(c, str)}
        if names & TRACE_CALLS:
            continue
        shown = '%s"%s"' % (prefix, body if len(body) <= 40 else body[:37] + "...")
        if foreign(body, raw):
            found.append("%s:%d: non-ASCII text %s" % (path, line, shown))
            continue
        if not re.search(r"[A-Za-z]", re.sub(r"\\.", "", body)):
            continue
        statement = code[max(code.rfind(c, 0, offset) for c in ";{}") + 1:offset]
        api = sorted(names & TEXT_CALLS)
        field = FIELD_ASSIGNED.search(statement) or any(
            SHOWN_NAMED.search(c[1]) for c in calls if isinstance(c, tuple))
        if api:
            found.append("%s:%d: text %s passed to %s" % (path, line, shown, api[0]))
        elif field:
            found.append("%s:%d: text %s put where it is shown" % (path, line, shown))
    return found


def rc_problems(path, text):
    found = []
    for number, line in enumerate(text.split("\n"), 1):
        stripped = line.split("//")[0] if not EXEMPT_MARK.search(line) else ""
        if not stripped.strip() or stripped.lstrip().startswith("#"):
            continue
        statement = RC_STATEMENT.match(stripped)
        if statement and statement.group(2).lstrip("L") != '""':
            found.append("%s:%d: dialog text %s in %s" % (path, number, statement.group(2), statement.group(1)))
        elif any(ord(c) > 0x7F for c in stripped):
            found.append("%s:%d: non-ASCII text in a resource" % (path, number))
    return found


def shown_path(source):
    try:
        return source.resolve().relative_to(Path.cwd())
    except ValueError:
        return source


def problems(root):
    found = []
    catalogue = root / "core" / "text"
    for source in sorted(root.rglob("*")):
        if catalogue in source.parents or not source.is_file():
            continue
        if source.suffix in (".h", ".cpp", ".hpp", ".cc"):
            found += cpp_problems(shown_path(source), source.read_text(encoding="utf-8"))
        elif source.suffix == ".rc":
            found += rc_problems(shown_path(source), source.read_text(encoding="utf-8"))
    return found


def main(argv):
    root = Path(argv[0] if argv else Path(__file__).resolve().parents[1] / "src")
    found = problems(root)
    for line in found:
        print(line, file=sys.stderr)
    print("check_texts: %d user-facing texts outside the catalogue" % len(found))
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
