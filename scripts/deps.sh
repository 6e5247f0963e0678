#!/usr/bin/env bash
# Installs what the build and the tests need on Debian 12; does nothing when all is there.
set -euo pipefail
packages=(g++ cmake ninja-build pkg-config qt6-base-dev libgl-dev libsqlite3-dev sqlite3 libssl-dev
          libgtest-dev libbenchmark-dev poppler-utils libcups2-dev
          qt6-translations-l10n)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Instalando: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
