#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts Padmora on a virtual X display and saves a picture of the screen.
# Usage: scripts/screenshot.sh path/to/padmora out.png [seconds]
set -euo pipefail
binary=$1
out=$2
wait=${3:-4}
mkdir -p "$(dirname "$out")"
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
HOME=$home XDG_CONFIG_HOME=$home/.config XDG_RUNTIME_DIR=$home QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" \
  bash -c "\"$binary\" & pid=\$!; sleep $wait; import -window root \"$out\"; kill \$pid" 
echo "saved $out"
