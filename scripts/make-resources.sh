#!/usr/bin/env bash
# Draws the pictures that ship in resources/Resources. The generator is a
# small stand-alone Qt program (scripts/resgen), built in /tmp outside the
# program's own build. Extra arguments go to the generator, for example
#   ./scripts/make-resources.sh --preview /tmp/resgen-preview
# to get PNG copies and the overlay spots of the plots for checking.
# The text files in resources/Resources are written by hand.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="${RESGEN_BUILD:-/tmp/resgen-build}"
cmake -S "$ROOT/scripts/resgen" -B "$BUILD" >/dev/null
cmake --build "$BUILD" -j2
QT_QPA_PLATFORM=offscreen "$BUILD/resgen" "$ROOT/resources/Resources" "$@"
