#!/usr/bin/env bash
# Builds the Windows program and runs it under Wine on the current X display.
# The program keeps config.ini beside itself, in the build tree. On Windows, run the .exe directly.
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ -z "${DISPLAY:-}" ]]; then
  echo "run: no X display (DISPLAY is not set)" >&2
  exit 1
fi

bash scripts/install-deps.sh --run-only
cmake --preset windows >/dev/null
cmake --build --preset windows -j "$(nproc)" --target vistrel

export WINEPREFIX="${WINEPREFIX:-$HOME/.wine}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=;winemenubuilder.exe=d}"
# Windows shows Chinese in message boxes through its dialog font's link to a Chinese face; Wine links
# to SimSun, which Linux lacks. Stand the installed CJK face in, unless the prefix already has a choice.
key='HKCU\Software\Wine\Fonts\Replacements'
if ! wine reg query "$key" /v SimSun >/dev/null 2>&1; then
  wine reg add "$key" /v SimSun /d "Noto Sans CJK SC" /f >/dev/null 2>&1 || true
fi
exec wine build/windows/src/win32/vistrel.exe
