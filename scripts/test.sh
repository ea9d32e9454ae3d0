#!/usr/bin/env bash
# The test command: installs what it needs, builds, and runs every test through ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/start-printer.sh
bash scripts/build.sh
BUILD_DIR=${ZELKOR_BUILD_DIR:-build}
cd "$BUILD_DIR"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)" --timeout 600
