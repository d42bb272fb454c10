#!/usr/bin/env bash
# Configures and builds into build/.  The windows need Qt 6: without it the
# configuration stops with a message.  LOHNSTEUER_FENSTER=OFF builds the core
# and the command line alone, on purpose.
set -euo pipefail
cd "$(dirname "$0")/.."
fenster="${LOHNSTEUER_FENSTER:-ON}"
if ! cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DLOHNSTEUER_FENSTER="$fenster" >/dev/null; then
  echo "Bauen: die Konfiguration mit CMake ist gescheitert (Meldung oben); es wurde nichts gebaut." >&2
  exit 1
fi
if ! cmake --build build -j"$(nproc)"; then
  echo "Bauen: das Übersetzen ist gescheitert (Meldungen oben)." >&2
  exit 1
fi
