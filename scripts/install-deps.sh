#!/usr/bin/env bash
# Installs what building and testing Vistrel needs on Debian or Ubuntu, skipping what is there.
# Usage: scripts/install-deps.sh [--run-only]   (--run-only: just what scripts/run.sh needs;
# googletest is in it because configuring the windows preset builds the tests too)
set -euo pipefail

build_packages=(cmake g++ make googletest libbenchmark-dev g++-mingw-w64-x86-64-posix
                # The per-user installer.
                nsis)
run_packages=(cmake make googletest g++-mingw-w64-x86-64-posix wine wine64 fonts-noto-cjk
              # Wine's X11 driver loads these at run time; without them windows, input or gamma fail.
              libxxf86vm1 libxrandr2 libxrender1 libxi6 libxcursor1 libxinerama1 libxcomposite1 libxfixes3)
test_packages=(xserver-xorg-core xserver-xorg-video-dummy xvfb xdotool imagemagick x11-xserver-utils
               x11-utils xauth python3 libfaketime)

if [[ "${1:-}" == "--run-only" ]]; then
  wanted=("${run_packages[@]}")
else
  wanted=("${build_packages[@]}" "${run_packages[@]}" "${test_packages[@]}")
fi

# One dpkg query for all of them keeps the common case (everything there) quick.
installed=$(dpkg-query -W -f='${Package} ${Status}\n' "${wanted[@]}" 2>/dev/null |
            awk '$NF == "installed" && $(NF-1) == "ok" { sub(/:.*/, "", $1); print $1 }' || true)
missing=()
for package in "${wanted[@]}"; do
  if ! grep -qxF "$package" <<<"$installed"; then
    missing+=("$package")
  fi
done

if [[ ${#missing[@]} -eq 0 ]]; then
  echo "install-deps: all ${#wanted[@]} packages present"
  exit 0
fi

sudo=()
if [[ $(id -u) -ne 0 ]]; then
  sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
echo "install-deps: installing ${missing[*]}"
"${sudo[@]}" apt-get update -q
# No recommends: Wine's pull in a desktop's worth of packages the tests never use.
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
