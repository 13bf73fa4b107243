#!/bin/sh
# Installs the Debian 12 packages that building, running and testing TAVI
# need, skipping those already present. Uses sudo when not run as root.
set -eu

PACKAGES="
  build-essential cmake ninja-build pkg-config
  clang libclang-rt-14-dev
  qt6-base-dev qt6-base-dev-tools libqt6svg6-dev qt6-qpa-plugins libgl-dev
  libgtest-dev libbenchmark-dev
  fonts-dejavu-core fonts-liberation2
  xvfb xauth xdotool x11-utils imagemagick poppler-utils openbox xdg-utils
  qt6-translations-l10n
  cups cups-client cups-bsd printer-driver-cups-pdf
  desktop-file-utils appstream
  lintian file
  libxlsxwriter-dev libreoffice-calc-nogui
"

missing=""
for p in $PACKAGES; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi
echo "Installing:$missing"
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get update -qq
# shellcheck disable=SC2086
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing
