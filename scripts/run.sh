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
exec wine build/windows/src/win32/vistrel.exe
