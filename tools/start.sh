#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/common.sh
# A window needs a screen: say so before anything is installed or built.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "rohrweiten: Kein Bildschirm gefunden (DISPLAY ist nicht gesetzt)." >&2
    echo "Das Programm braucht eine grafische Oberfläche. Ohne Bildschirm mit xvfb-run" >&2
    echo "aus dem Debian-Paket xvfb starten: xvfb-run -a bash tools/start.sh" >&2
    exit 1
fi
install_missing_packages
build_into build -DROHR_BUILD_TESTS=OFF -DROHR_BUILD_SHELL=ON
exec ./build/shell/rohrweiten
