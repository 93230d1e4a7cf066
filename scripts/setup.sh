#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages Padmora needs to build, run and be tested,
# and only those that are missing. Uses sudo when not run as root.
# Usage: scripts/setup.sh            what make run and make check need
#        scripts/setup.sh --package  that, and what make package needs
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 qt6-qpa-plugins
  libqt6sql6-sqlite
  qt6-multimedia-dev libqt6multimedia6 qt6-speech-dev libqt6texttospeech6
  qt6-declarative-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libgl-dev libxcb1-dev fonts-dejavu-core
  xvfb xauth x11-utils xclip imagemagick poppler-utils
  desktop-file-utils appstream man-db groff-base
)
if [ "${1:-}" = "--package" ]; then
  # dpkg-shlibdeps computes the package's Depends; CPack finds the binaries
  # to give it with file.
  packages+=(dpkg-dev file lintian)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "setup: need root or sudo to install: ${missing[*]}" >&2; exit 1; }
  sudo="sudo"
fi
echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
