#!/usr/bin/env bash
# Installs what is missing, builds the tests plain and with AddressSanitizer
# and UndefinedBehaviorSanitizer, and runs them all headless.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/common.sh
install_missing_packages
export QT_QPA_PLATFORM=offscreen
# Qt and fontconfig keep caches until the process ends; those are not ours.
export LSAN_OPTIONS="suppressions=$PWD/tools/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

build_into build
(cd build && ctest --output-on-failure -j "$(nproc)")

build_into build-sanitize -DROHR_SANITIZE=ON
(cd build-sanitize && ctest --output-on-failure -j "$(nproc)")
echo "Alle Tests bestanden (normal und mit Sanitizern)."
