#!/usr/bin/env bash
# Builds and tests everything, tier by tier, and stops at the first tier that fails:
#   1. the portable core natively (linux) and under AddressSanitizer/UBSan (linux-asan)
#   2. the Windows build (mingw-w64), its installer and zip, and its unit tests under Wine
#   3. the real program end to end under Wine on a private X server
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=$(nproc)
results=()
started=$SECONDS

summary() {
  echo
  echo "==================== summary ===================="
  local line
  for line in "${results[@]}"; do echo "  $line"; done
  echo "  total $((SECONDS - started)) s"
  echo "================================================="
}

# run_tier NAME FUNCTION: runs the tier, records PASS/FAIL with its time, stops on failure.
run_tier() {
  local name=$1 tier_start=$SECONDS status
  echo
  echo "==================== $name ===================="
  # Not inside `if`: there bash would ignore errexit in the tier's own commands.
  set +e
  ( set -euo pipefail; "$2" )
  status=$?
  set -e
  if [[ $status -eq 0 ]]; then
    results+=("PASS  $name ($((SECONDS - tier_start)) s)")
  else
    results+=("FAIL  $name ($((SECONDS - tier_start)) s)")
    summary
    exit 1
  fi
}

dependencies() { bash scripts/install-deps.sh; }

native_tier() {
  local preset=$1
  cmake --preset "$preset"
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" --no-tests=error -j "$jobs"
}

linux() {
  # The committed pictures must be what the art generator makes of its sources.
  python3 tools/assetgen/make_assets.py --check
  # No include in the portable core points from a lower folder to a higher one.
  python3 tools/check_layers.py
  # Every text a user reads comes from the catalogue, in the language the user chose.
  python3 tools/check_texts.py
  native_tier linux
}
linux_asan() { native_tier linux-asan; }

windows() {
  cmake --preset windows
  cmake --build --preset windows -j "$jobs"
  # Named explicitly: without makensis there is no such target, and the tier fails.
  cmake --build --preset windows --target installer
  # A throwaway prefix: nothing from an earlier run or from the user's own Wine leaks in.
  export WINEPREFIX="$PWD/build/windows/wine-ctest" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  rm -rf "$WINEPREFIX"
  trap 'wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
  wineboot -i
  wineserver -w
  # Win32 tests may create windows: give them a display of their own.
  python3 tests/e2e/xserver.py --xvfb -- ctest --preset windows --no-tests=error -j "$jobs"
}

end_to_end() {
  local program=build/windows/src/win32/vistrel.exe installer
  if [[ ! -f "$program" ]]; then
    echo "end-to-end: $program was not built" >&2
    return 1
  fi
  installer=$(find build/windows/packaging -maxdepth 1 -name 'Vistrel-*-setup.exe' -print -quit 2>/dev/null)
  if [[ -z "$installer" ]]; then
    echo "end-to-end: the installer was not built" >&2
    return 1
  fi
  python3 tests/e2e/run.py --windows-build build/windows --require-program
}

run_tier "dependencies" dependencies
run_tier "tier 1: linux" linux
run_tier "tier 1: linux-asan" linux_asan
run_tier "tier 2: windows under Wine" windows
run_tier "tier 3: end to end" end_to_end
summary
