#!/usr/bin/env bash
# Shared by run.sh, test.sh, bench.sh and fuzz.sh: installs the Debian packages that are
# missing (with those named in ARDENVO_EXTRA_PACKAGES), then configures and builds into the
# folder given as $1 with the CMake options that follow.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$1"; shift

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-translations-l10n libgl-dev
  libespeak-ng-dev espeak-ng-data libasound2-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core xvfb xauth x11-utils xdotool
  ${ARDENVO_EXTRA_PACKAGES:-}
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi

cmake -S "$root" -B "$root/$build" -G Ninja "$@"
cmake --build "$root/$build" -j "$(nproc)"
