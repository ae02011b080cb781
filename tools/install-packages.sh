#!/usr/bin/env bash
# Installs the Debian packages the build, the programs and the tests need,
# and any further packages named as arguments; only those that are missing.
# Runs as root (or through sudo when present).
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang lld
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev libxkbcommon-dev qt6-qpa-plugins
  qt6-translations-l10n
  libcurl4-openssl-dev libcpp-httplib-dev libgtest-dev libgmock-dev libbenchmark-dev
  fonts-noto-cjk locales poppler-utils
  "$@"
)

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
