#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the program need,
# only when something is missing.
set -euo pipefail
pkgs=(build-essential cmake qt6-base-dev libqt6opengl6-dev libgl1-mesa-dev libglu1-mesa-dev
      libjpeg62-turbo-dev libgtest-dev libbenchmark-dev xvfb xauth xdg-utils)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
fi
