#!/usr/bin/env bash
# Installs what is missing, builds the tests plain and with AddressSanitizer
# and UndefinedBehaviorSanitizer, and runs them all headless. Each suite has
# its own build folder, configured with the tests every time, so a folder
# left by the start command never stands in for them; a suite that finds no
# test fails.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/common.sh
# xvfb: the menu shortcuts are also tried on a real X server, whose line
# edits know the Emacs keys that the offscreen platform lacks.
install_missing_packages xvfb xauth python3 poppler-utils
export QT_QPA_PLATFORM=offscreen
# Qt and fontconfig keep caches until the process ends; those are not ours.
export LSAN_OPTIONS="suppressions=$PWD/tools/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

run_suite() {
    local folder=$1
    shift
    build_into "$folder" -DROHR_BUILD_TESTS=ON -DROHR_BUILD_SHELL=ON "$@"
    (cd "$folder" && ctest --no-tests=error --output-on-failure -j "$(nproc)")
}

run_suite build-tests -DROHR_SANITIZE=OFF
run_suite build-sanitize -DROHR_SANITIZE=ON
echo "Alle Tests bestanden (normal und mit Sanitizern)."
