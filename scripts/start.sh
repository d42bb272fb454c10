#!/usr/bin/env bash
# Installs what is missing, builds and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
bash scripts/build.sh
if [ -x build/lohnsteuer ]; then
  exec build/lohnsteuer "$@"
fi
# Until the window exists: one example calculation on the command line.
exec build/lohnsteuer-cli berechnen --brutto 3000 "$@"
