#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# smalldisk.sh FOLDER COMMAND...: runs the command with a 4 MB memory file
# system mounted on FOLDER, in a user and mount namespace of its own, so
# that a test can fill a disk without touching the machine's. Where no such
# namespace can be made, the command runs as it is (and the test skips).
set -eu
folder=$1
shift
if unshare -rm true 2>/dev/null; then
  exec unshare -rm sh -ec 'mount -t tmpfs -o size=4m tmpfs "$1"; shift; exec "$@"' sh "$folder" "$@"
fi
exec "$@"
