#!/usr/bin/env bash
# Configures and builds into ./build (Ninja), or into $BUILD_DIR when set. With target names it
# builds only those (and what they need); without, everything, tests and benchmarks included.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir="${BUILD_DIR:-build}"
launcher=()
# ccache, when the machine has it, makes rebuilds of other checkouts cheap.
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
targets=()
[ $# -gt 0 ] && targets=(--target "$@")
cmake --build "$build_dir" --parallel "$(nproc)" "${targets[@]}"
