#!/usr/bin/env bash
# Configures and builds into build/ (or $ZELKOR_BUILD_DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${ZELKOR_BUILD_DIR:-build}
GEN=()
command -v ninja >/dev/null && GEN=(-G Ninja)
if [ -f "$BUILD_DIR/CMakeCache.txt" ]; then
  cmake -S . -B "$BUILD_DIR" >/dev/null
else
  cmake -S . -B "$BUILD_DIR" "${GEN[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$BUILD_DIR" -j "$(nproc)"
