#!/usr/bin/env bash
# Installs the Debian packages that only the benchmarks need, on top of
# tools/install-packages.sh: QCustomPlot for Qt 6 (the charting library the
# redraw is measured against), ccache for the separate benchmark build and
# perf for profiling it.  Only what is missing; runs as root (or through sudo
# when present).
set -euo pipefail
cd "$(dirname "$0")/.."
exec bash tools/install-packages.sh libqcustomplot-dev libqcustomplot2.1-qt6 ccache linux-perf
