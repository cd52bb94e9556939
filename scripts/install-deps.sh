#!/usr/bin/env bash
# Installs the Debian 12 packages the project needs, and any named on the
# command line, only those missing. Runs as root, or through sudo otherwise.
#   install-deps.sh [PACKAGE...]
set -euo pipefail

packages=(
    # build
    cmake ninja-build g++ qt6-base-dev libboost-regex-dev
    # run: the platform plugins, a Chinese font, Qt's own Chinese texts
    qt6-qpa-plugins fonts-wqy-zenhei qt6-translations-l10n
    # tests of the real program in a real X server, and of its package
    xvfb openbox xdotool imagemagick x11-utils dpkg-dev desktop-file-utils
    # the fuzz targets: clang with its libFuzzer and sanitizer runtimes
    clang libclang-rt-14-dev
    "$@"
)

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [ "$status" = installed ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -q
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -q --no-install-recommends "${missing[@]}"
