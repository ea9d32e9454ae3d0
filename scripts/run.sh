#!/usr/bin/env bash
# The run command: installs what it needs, builds, makes a sample library in
# work/ (once) and starts the program from there.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh
BUILD_DIR=$(cd "${ZELKOR_BUILD_DIR:-build}" && pwd)
mkdir -p work
if [ ! -f work/perpus.db ]; then
  "$BUILD_DIR/bin/zelkor-demo" work/perpus.db
fi
[ -f work/conn.txt ] || echo "perpus.db;-;-" > work/conn.txt
[ -f work/perpus.txt ] || echo "Perpustakaan SMA Harapan Bangsa;Jl. Merdeka No. 17, Bandung;022-7301234;perpus@harapanbangsa.sch.id;-" > work/perpus.txt
cd work
exec "$BUILD_DIR/bin/zelkor" "$@"
