#!/usr/bin/env bash
# Installs every Debian 12 package needed to build, run and test Pictavo.
# Idempotent and non-interactive; run as root (or through sudo).
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git ca-certificates ccache
  qt6-base-dev qt6-base-dev-tools libqt6svg6-dev
  libjpeg62-turbo-dev libpng-dev libtiff-dev libopenjp2-7-dev zlib1g-dev
  libgtest-dev googletest
  clang libclang-rt-14-dev
  g++-mingw-w64-i686 binutils-mingw-w64-i686
  fonts-liberation fonts-dejavu-core fonts-wqy-microhei
  imagemagick libjpeg-turbo-progs libvips-tools libimage-exiftool-perl
  chromium
  xdg-utils
  wine wine32 xvfb xdotool x11-utils locales
  librsvg2-bin desktop-file-utils appstream shared-mime-info groff-base
  dpkg-dev file debootstrap
)

# Node.js (with npm) drives the browser test; a machine that already has a
# Node.js of its own keeps it, since Debian's npm conflicts with other builds.
command -v npm >/dev/null 2>&1 || packages+=(nodejs npm)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  export DEBIAN_FRONTEND=noninteractive
  # wine32 (Wine for the 32-bit Windows programs we ship) is an i386 package.
  dpkg --print-foreign-architectures | grep -qx i386 || $SUDO dpkg --add-architecture i386
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
