#!/usr/bin/env bash
# Builds the three fuzzers with clang and runs each for the given seconds
# (default 600): the work-file reader, the project-file reader and the
# readings of a field's text.
# Every input that fails is kept in fuzz/regressions/<target>/, which both
# test suites replay.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/common.sh
install_missing_packages clang-14 libclang-rt-14-dev
seconds=${1:-600}
CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DROHR_BUILD_FUZZERS=ON -DROHR_BUILD_SHELL=OFF -DROHR_BUILD_TESTS=OFF >/dev/null
cmake --build build-fuzz -j "$(nproc)" --target workfile_fuzzer projectfile_fuzzer numbers_fuzzer
failed=0
for target in workfile projectfile numbers; do
    scratch=$(mktemp -d)
    cp fuzz/corpus/$target/* "$scratch/"
    mkdir -p "$scratch/artifacts"
    echo "== $target: $seconds s"
    if ! ./build-fuzz/fuzz/${target}_fuzzer "$scratch" -max_total_time="$seconds" -timeout=10 \
            -artifact_prefix="$scratch/artifacts/" -print_final_stats=1 2>"$scratch/log"; then
        failed=1
    fi
    grep -E '^Done|number_of_executed_units' "$scratch/log" || true
    for artifact in "$scratch"/artifacts/*; do
        [ -e "$artifact" ] || continue
        cp "$artifact" fuzz/regressions/$target/
        echo "kept $(basename "$artifact") in fuzz/regressions/$target/"
        failed=1
    done
    rm -rf "$scratch"
done
exit $failed
