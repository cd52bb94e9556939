#!/usr/bin/env bash
# Installs the Debian 12 packages the benchmarks need on top of the project's
# own, only those missing. Runs as root, or through sudo otherwise.
#   install-deps.sh [--peers]
set -euo pipefail

packages=(
    # the X event watcher: plain xcb and its XTest extension for the clicks
    libxcb1-dev libxcb-xtest0-dev
    # a private X server, and a hand on the keyboard for typing into entries
    xvfb xdotool
)
# The peer measured beside us: a Qt countdown timer of Debian's own.
[ "${1:-}" = --peers ] && packages+=(ktimer)

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
