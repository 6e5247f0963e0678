#!/usr/bin/env bash
# Installs what is missing, builds the program alone (scripts/test.sh builds the tests), and starts
# it. Without arguments it opens the demo database "zorva" in the data root, creating it on the
# first run (user ADMIN, password ADMIN).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh zorva_servidor
if [ $# -eq 0 ]; then
  data_root="${ZORVA_DATA:-$HOME/.local/share/zorva}"
  if [ ! -e "$data_root/zorva.db" ]; then
    build/app/zorva_servidor --crear-base . zorva ADMIN ADMIN
  fi
  set -- . zorva
fi
exec build/app/zorva_servidor "$@"
