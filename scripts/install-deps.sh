#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need.
# Skips apt-get entirely when everything is already present.
set -euo pipefail

PACKAGES=(
  build-essential cmake pkg-config ninja-build clang libclang-rt-14-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-charts-dev libqt6opengl6-dev
  libsqlite3-dev sqlite3 libsodium-dev
  libxlsxwriter-dev libminizip-dev zlib1g-dev liborcus-dev libboost-dev libfreexl-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils libcups2-dev
  fonts-liberation fonts-dejavu-core
  chromium
  xvfb xauth xdotool imagemagick openbox
  dpkg-dev fakeroot file lintian desktop-file-utils appstream man-db
  python3-xlwt python3-odf python3-openpyxl python3-xlsxwriter
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
