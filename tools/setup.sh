#!/bin/sh
# Installs the Debian 12 packages needed to build, test and benchmark Spiravel.
# Does nothing when everything is already there; uses sudo when not run as root.
set -e

PACKAGES="build-essential cmake pkg-config
libfltk1.3-dev libgl1-mesa-dev libglu1-mesa-dev libgl1-mesa-dri
libgtest-dev libgmock-dev libbenchmark-dev
fonts-dejavu-core libxtst-dev libxrandr-dev xvfb xauth x11-utils xdotool openbox imagemagick
zlib1g-dev desktop-file-utils appstream groff-base debhelper lintian git linux-perf"

missing=""
for p in $PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    SUDO=""
else
    SUDO="sudo"
fi
echo "Installing:$missing"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
