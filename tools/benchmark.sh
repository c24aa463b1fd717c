#!/usr/bin/env bash
# Builds and runs the benchmark: each phase of a full project against its
# baseline, then the program's start under Xvfb against a minimal Qt window.
# Every figure is the median of repetitions run interleaved.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/common.sh
install_missing_packages libbenchmark-dev libx11-dev xvfb xauth
build_into build-bench -DCMAKE_BUILD_TYPE=Release -DROHR_BUILD_BENCHMARK=ON -DROHR_BUILD_TESTS=OFF \
    -DROHR_BUILD_SHELL=ON
./build-bench/bench/rohrweiten_benchmark --benchmark_min_time=0.1 \
    | grep -A10 '^Phase'

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
export XDG_DATA_HOME=$(mktemp -d)
xvfb-run -a -s "-screen 0 1366x768x24" bash -c '
    for i in $(seq 1 11); do
        ./build-bench/bench/startup_probe Titelblatt ./build-bench/shell/rohrweiten >> "$0/program"
        ./build-bench/bench/startup_probe Minimal ./build-bench/bench/minimal_window >> "$0/minimal"
    done' "$XDG_DATA_HOME"
program_ms=$(cut -d" " -f1 "$XDG_DATA_HOME/program" | median)
minimal_ms=$(cut -d" " -f1 "$XDG_DATA_HOME/minimal" | median)
program_kb=$(cut -d" " -f2 "$XDG_DATA_HOME/program" | median)
minimal_kb=$(cut -d" " -f2 "$XDG_DATA_HOME/minimal" | median)
rm -rf "$XDG_DATA_HOME"
awk -v pm="$program_ms" -v mm="$minimal_ms" -v pk="$program_kb" -v mk="$minimal_kb" 'BEGIN {
    printf "%-34s %14s %14s %7s %7s\n", "Start", "program", "minimal Qt", "ratio", "target"
    printf "%-34s %11.1f ms %11.1f ms %7.2f %7.2f %s\n", "Titelblatt gezeigt", pm, mm, pm / mm, 1.3, (pm / mm <= 1.3 ? "ok" : "MISSED")
    printf "%-34s %11d kB %11d kB %7.2f %7.2f %s\n", "Speicher (Spitze)", pk, mk, pk / mk, 1.5, (pk / mk <= 1.5 ? "ok" : "MISSED")
}'
