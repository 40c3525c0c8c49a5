#!/usr/bin/env bash
# Installs what building, running and testing TolvaGame needs on Debian 12.
# Idempotent: packages already present are skipped, so a second run is quick.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git ccache
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools qt6-base-private-dev qt6-l10n-tools qt6-translations-l10n
  libqt6sql6-sqlite
  qt6-image-formats-plugins libqt6svg6 qt6-qpa-plugins qt6-wayland
  libpulse-dev libwayland-dev libwayland-bin wayland-protocols
  fonts-ipafont-gothic fonts-ipafont-mincho fonts-dejavu-core
  xvfb xauth xdotool x11-utils imagemagick python3 python3-numpy
  openbox
  weston libweston-10-dev pulseaudio-utils
  appstream desktop-file-utils dpkg-dev lintian
)
# The sound test starts a PulseAudio server of its own; on a desktop whose
# sound PipeWire's Pulse layer already serves, PulseAudio would replace it, so
# there the test is skipped instead.
if ! dpkg-query -W -f='${Status}' pipewire-pulse 2>/dev/null | grep -q "install ok installed"; then
  packages+=(pulseaudio)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
