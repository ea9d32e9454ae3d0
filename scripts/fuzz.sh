#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, address and undefined-behaviour
# sanitizers) into build-fuzz/ (or $ZELKOR_FUZZ_BUILD_DIR) and runs each for the
# given number of seconds (default 60), keeping a corpus per target. Exits 1 when
# a target crashed; the input that did it stays in build-fuzz/crashes/NAME/.
#   bash scripts/fuzz.sh 20             every target, 20 s each (the tests' short run)
#   bash scripts/fuzz.sh 1800 xls_fuzz  one target for half an hour
set -euo pipefail
cd "$(dirname "$0")/.."
SECONDS_EACH=${1:-60}
shift || true
ROOT=$(pwd)
BUILD_DIR=${ZELKOR_FUZZ_BUILD_DIR:-$ROOT/build-fuzz}
if ! command -v clang++ >/dev/null; then
  echo "clang++ not found: fuzz targets not built" >&2
  exit 77
fi
if [ ! -f "$BUILD_DIR/CMakeCache.txt" ]; then
  GEN=()
  command -v ninja >/dev/null && GEN=(-G Ninja)
  CC=clang CXX=clang++ cmake -S . -B "$BUILD_DIR" "${GEN[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DZELKOR_FUZZ=ON -DZELKOR_TESTS=OFF -DZELKOR_BENCH=OFF >/dev/null
fi
cmake --build "$BUILD_DIR" --target zelkor_fuzzers -j "$(nproc)"

TARGETS=("$@")
[ ${#TARGETS[@]} -gt 0 ] || mapfile -t TARGETS < <(grep -v '^$' "$BUILD_DIR/fuzzers.txt")
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:allocator_may_return_null=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export QT_QPA_PLATFORM=offscreen
failed=0
for t in "${TARGETS[@]}"; do
  corpus="$BUILD_DIR/corpus/$t"
  crashes="$BUILD_DIR/crashes/$t"
  mkdir -p "$corpus" "$crashes"
  [ -d "fuzz/seeds/$t" ] && cp -n fuzz/seeds/"$t"/* "$corpus"/ 2>/dev/null || true
  [ -x "fuzz/seeds/$t.sh" ] && [ -z "$(ls -A "$corpus")" ] && "fuzz/seeds/$t.sh" "$corpus"
  start=$(date +%s)
  if "$BUILD_DIR/bin/$t" -max_total_time="$SECONDS_EACH" -timeout=20 -rss_limit_mb=2560 \
      -artifact_prefix="$crashes/" -print_final_stats=1 "$corpus" >"$BUILD_DIR/$t.log" 2>&1; then
    echo "$t: clean, $(( $(date +%s) - start )) s, $(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$BUILD_DIR/$t.log" | grep -o '[0-9]*$') runs"
  else
    echo "$t: FAILED, see $BUILD_DIR/$t.log and $crashes/"
    tail -40 "$BUILD_DIR/$t.log"
    failed=1
  fi
done
exit $failed
