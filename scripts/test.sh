#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the full
# build (core and app tests), then the core tests again under AddressSanitizer
# and UndefinedBehaviorSanitizer.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
"$ROOT/scripts/setup.sh"

"$ROOT/scripts/build.sh" "$ROOT/build"
(cd "$ROOT/build" && ctest --output-on-failure -j"$(nproc)" --timeout 300)

"$ROOT/scripts/build.sh" "$ROOT/build-sanitize" -DCMAKE_BUILD_TYPE=Debug \
  -DTVX_SANITIZE=ON -DTVX_BUILD_APP=OFF -DTVX_BUILD_BENCH=OFF
(cd "$ROOT/build-sanitize" && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --output-on-failure -j"$(nproc)" --timeout 300)
