#!/usr/bin/env python3
"""Writes the installer's LangStrings from the catalogue's installer area.

Reads the `{Id, "中文", "English"}` entries of src/core/text/InstallerTexts.cpp and writes one
`LangString` per language and entry, named after the id in capitals (StillRunning:
STILL_RUNNING). The texts' own "$" and quotes are escaped for NSIS, a line break becomes
`$\\r$\\n`, and an argument "{N}" becomes `${NAME_N}`, a define the installer script gives
before it includes the file (makensis -WX fails on one it does not give).
"""

import re
import sys

_ESCAPES = {'n': '\n', 't': '\t', '"': '"', "'": "'", '\\': '\\'}
# An entry: the id, then two runs of adjacent string literals.
_LITERALS = r'((?:\s*"(?:[^"\\\n]|\\.)*")+)'
_ENTRY = re.compile(r'\{\s*(\w+)\s*,' + _LITERALS + r'\s*,' + _LITERALS + r'\s*\}')
_LITERAL = re.compile(r'"((?:[^"\\\n]|\\.)*)"')


def _unquote(literals):
    """The text of adjacent C++ string literals; only the simple escapes are allowed."""
    def escape(match):
        if match.group(1) not in _ESCAPES:
            raise ValueError('unsupported escape \\%s' % match.group(1))
        return _ESCAPES[match.group(1)]
    return ''.join(re.sub(r'\\(.)', escape, body) for body in _LITERAL.findall(literals))


def entries(source):
    """(id, zh, en) of each entry in the source's table, in order."""
    table = re.search(r'kTable\[\]\s*=\s*\{(.*?)\n\};', source, re.S)
    if not table:
        raise ValueError('no kTable in the source')
    found = _ENTRY.findall(table.group(1))
    # An entry the pattern missed (a text built otherwise than from literals) would go unnoticed.
    if len(found) != len(re.findall(r'\{\s*\w+\s*,', table.group(1))):
        raise ValueError('an entry of the table is not {Id, "literal", "literal"}')
    return [(ident, _unquote(zh), _unquote(en)) for ident, zh, en in found]


def nsis_name(ident):
    return re.sub(r'(?<=[a-z0-9])(?=[A-Z])', '_', ident).upper()


def nsis_string(text, name):
    if re.search(r'\{\d\|', text):
        raise ValueError('%s: the installer has no plural forms' % name)
    text = text.replace('$', '$$').replace('"', '$\\"').replace('\t', '$\\t').replace('\n', '$\\r$\\n')
    return '"%s"' % re.sub(r'\{(\d)\}', lambda m: '${%s_%s}' % (name, m.group(1)), text)


def langstrings(table):
    lines = ['; Written by packaging/nsis_texts.py from src/core/text/InstallerTexts.cpp. Do not edit.']
    for ident, zh, en in table:
        name = nsis_name(ident)
        lines.append('LangString %s ${LANG_SIMPCHINESE} %s' % (name, nsis_string(zh, name)))
        lines.append('LangString %s ${LANG_ENGLISH} %s' % (name, nsis_string(en, name)))
    return '\n'.join(lines) + '\n'


def main(source_path, out_path):
    with open(source_path, encoding='utf-8') as f:
        table = entries(f.read())
    if not table:
        print('%s: no entries' % source_path, file=sys.stderr)
        return 1
    with open(out_path, 'w', encoding='utf-8', newline='\n') as f:
        f.write(langstrings(table))
    return 0


if __name__ == '__main__':
    if len(sys.argv) != 3:
        sys.exit('usage: nsis_texts.py InstallerTexts.cpp out.nsh')
    sys.exit(main(sys.argv[1], sys.argv[2]))
