#!/bin/sh
# Installs the Debian packages the build and the tests need, when any is missing.
# Nothing is installed when everything is present already.
set -eu

packages="build-essential cmake ninja-build pkg-config qt6-base-dev qt6-translations-l10n
libfreetype-dev libfontconfig-dev libharfbuzz-dev libfribidi-dev libpng-dev libjpeg-dev zlib1g-dev libxcb1-dev
libgtest-dev libgmock-dev libbenchmark-dev
fonts-dejavu-core fonts-liberation2 fonts-urw-base35 fonts-lohit-deva fonts-wqy-microhei pango1.0-tools
libgif-dev imagemagick xvfb xdotool time clang-14 libclang-rt-14-dev libemf-dev libuemf-dev libwmf-bin
desktop-file-utils shared-mime-info librsvg2-bin libxml2-utils fusefat dosfstools
openbox x11-utils libglib2.0-bin at-spi2-core dbus-daemon python3-gi gir1.2-atspi-2.0"

missing=""
for p in $packages; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing="$missing $p"
  fi
done
[ -z "$missing" ] && exit 0

echo "Installing missing packages:$missing"
if [ "$(id -u)" -eq 0 ]; then
  sudo=""
else
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
# shellcheck disable=SC2086
$sudo apt-get install -y -q --no-install-recommends $missing
