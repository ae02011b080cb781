#!/usr/bin/env bash
# Installs the Debian packages that only the benchmarks need, on top of
# tools/install-packages.sh: QCustomPlot for Qt 6 (the charting library the
# redraw is measured against), ccache for the separate benchmark build and
# perf for profiling it.  Only what is missing; runs as root (or through sudo
# when present).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-packages.sh

packages=(libqcustomplot-dev libqcustomplot2.1-qt6 ccache linux-perf)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
