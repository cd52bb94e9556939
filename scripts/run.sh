#!/usr/bin/env bash
# Installs what is missing, builds and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "quenvalle needs a graphical session: neither DISPLAY nor WAYLAND_DISPLAY is set." >&2
    exit 1
fi
exec build/app/quenvalle
