#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program in the user's own
# working folder. The shipped resources and default catalogues are copied
# there on first start; a file the user already has is never overwritten.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
"$ROOT/scripts/setup.sh"
"$ROOT/scripts/build.sh" "$ROOT/build"

WORK="${TVX_HOME:-${XDG_DATA_HOME:-$HOME/.local/share}/trovanex-voze}"
mkdir -p "$WORK/Data" "$WORK/Resources"
if [ -d "$ROOT/resources/Resources" ]; then
  cp -rn "$ROOT/resources/Resources/." "$WORK/Resources/"
fi
if [ -d "$ROOT/resources/Data" ]; then
  cp -rn "$ROOT/resources/Data/." "$WORK/Data/"
fi
cd "$WORK"
exec "$ROOT/build/trovanex-voze"
