#!/usr/bin/env bash
# The desktop entry and the AppStream metainfo pass their validators.
#   desktop_files.sh DESKTOP-FILE METAINFO-FILE
set -euo pipefail
desktop-file-validate "$1"
appstreamcli validate --no-net --explain "$2"
echo "PASS: desktop entry and metainfo are valid"
