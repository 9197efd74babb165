#!/bin/sh
# Installs every Debian package that building, running and testing Velmora needs.
# Idempotent: packages already present are left alone. Works as root or through sudo.
set -eu

PACKAGES="
cmake ninja-build g++ pkg-config file dpkg-dev
qt6-base-dev qt6-svg-dev libqt6svg6 qt6-tools-dev qt6-l10n-tools fonts-noto-core poppler-utils
libgeonames-dev tzdata libhowardhinnant-date-dev libicu-dev libical-dev
libgtest-dev libgmock-dev libbenchmark-dev libswe-dev swe-basic-data
libcli11-dev nlohmann-json3-dev khal python3-icalendar
clang libclang-rt-14-dev clang-format
desktop-file-utils appstream shared-mime-info help2man libxml2-utils
xvfb xauth libx11-dev libxdamage-dev libxtst-dev
parallel
"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

if [ -z "$missing" ]; then
    echo "setup: all packages present"
    exit 0
fi

echo "setup: installing:$missing"
if [ "$(id -u)" -eq 0 ]; then
    SUDO=""
elif command -v sudo >/dev/null 2>&1; then
    SUDO="sudo"
else
    echo "setup: need root or sudo to install:$missing" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
# shellcheck disable=SC2086
$SUDO apt-get install -y -q --no-install-recommends $missing
