#!/usr/bin/env bash
# Builds the catalogue generator in /tmp and writes the shipped default
# catalogues resources/Data/DataFixture.dbd and resources/Data/DataManufacturer.dbd.
# The data lives in scripts/catalogue-data/make_default_catalogues.cpp.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="${TVX_CATALOGUE_BUILD:-/tmp/tvx-catalogue-data-build}"
cmake -S "$ROOT/scripts/catalogue-data" -B "$BUILD" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$BUILD" -j2 --target make_default_catalogues
"$BUILD/make_default_catalogues" "$ROOT/resources/Data"
