#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the program need,
# and the Romanian locale the users run with, only when something is missing.
set -euo pipefail
pkgs=(build-essential cmake qt6-base-dev libqt6opengl6-dev libgl1-mesa-dev libglu1-mesa-dev
      qt6-tools-dev qt6-l10n-tools libjpeg62-turbo-dev libgtest-dev libbenchmark-dev xvfb xauth x11-utils xdg-utils locales
      poppler-utils)
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
fi
# The tests run a second time under ro_RO.UTF-8, where "," is the decimal separator.
if ! locale -a 2>/dev/null | grep -qix 'ro_RO\.utf-\?8'; then
  echo "Generating the locale ro_RO.UTF-8"
  if grep -qE '^#? *ro_RO\.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
    $SUDO sed -i -E 's/^# *(ro_RO\.UTF-8 UTF-8)/\1/' /etc/locale.gen
  else
    echo 'ro_RO.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  fi
  $SUDO locale-gen >/dev/null
fi
