#!/usr/bin/env bash
# Installs what is missing, builds and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
LOHNSTEUER_FENSTER=ON bash scripts/build.sh
if [ ! -x build/lohnsteuer ]; then
  echo "Start: das Programm build/lohnsteuer wurde nicht gebaut (fehlt Qt 6?)." >&2
  exit 1
fi
exec build/lohnsteuer "$@"
