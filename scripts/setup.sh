#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running Trovanex Voze
# need, and only those that are missing.
set -euo pipefail

PACKAGES=(
  cmake make g++ pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-qpa-plugins qt6-gtk-platformtheme
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation2 fontconfig
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
