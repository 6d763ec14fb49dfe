#!/usr/bin/env bash
# Installs every Debian package the build, the program and the tests need.
# Safe to run again: apt-get skips what is already installed.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build ccache pkg-config git
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  espeak-ng libespeak-ng-dev
  libasound2-dev
  libavformat-dev libavcodec-dev libavdevice-dev libavutil-dev libswresample-dev libswscale-dev ffmpeg
  libmp3lame-dev
  libcurl4-openssl-dev
  libfreetype-dev libfontconfig-dev fonts-dejavu-core libx11-dev libxext-dev xvfb xauth
  libstb-dev
  libudev-dev
  libcdio-dev libcdio-paranoia-dev libdvdnav-dev libdvdread-dev dvdauthor
  python3-pyftpdlib openssl
  qt6-base-dev qt6-base-dev-tools libqt6test6 qt6-qpa-plugins libqt6dbus6 at-spi2-core dbus-daemon
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y --no-install-recommends "${missing[@]}"
