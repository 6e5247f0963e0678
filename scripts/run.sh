#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program on its embedded default database.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh
exec build/app/zorva_servidor "$@"
