#!/usr/bin/env bash
# Builds the Debian package: build/zelkor_<version>_<arch>.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
BUILD_DIR=${ZELKOR_BUILD_DIR:-build}
cd "$BUILD_DIR"
cpack -G DEB
ls -1 "$PWD"/zelkor_*.deb
