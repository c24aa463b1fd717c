#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/common.sh
install_missing_packages
build_into build -DROHR_BUILD_TESTS=OFF
exec ./build/shell/rohrweiten
