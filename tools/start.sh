#!/usr/bin/env bash
# Installs what is missing, builds, and starts the chart program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-packages.sh
bash tools/build.sh
exec build/program/ranvikchart "$@"
