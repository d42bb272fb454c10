#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when missing.
set -euo pipefail
pakete=(build-essential cmake pkg-config libgtest-dev libgmock-dev libbenchmark-dev
        qt6-base-dev qt6-translations-l10n fonts-dejavu-core poppler-utils xvfb xauth
        clang libclang-rt-dev lintian appstream man-db)
fehlend=()
for p in "${pakete[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlend+=("$p")
done
if [ ${#fehlend[@]} -gt 0 ]; then
  if ! command -v apt-get >/dev/null || ! command -v dpkg-query >/dev/null; then
    echo "Abhängigkeiten: es fehlen ${fehlend[*]}; ohne apt-get bitte selbst installieren." >&2
    exit 1
  fi
  als=()
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null; then
      als=(sudo)
    else
      echo "Abhängigkeiten: es fehlen ${fehlend[*]}; bitte als root installieren." >&2
      exit 1
    fi
  fi
  echo "Installiere: ${fehlend[*]}"
  export DEBIAN_FRONTEND=noninteractive
  if ! "${als[@]}" apt-get update -qq ||
     ! "${als[@]}" apt-get install -y -qq --no-install-recommends "${fehlend[@]}"; then
    echo "Abhängigkeiten: die Installation von ${fehlend[*]} ist gescheitert." >&2
    exit 1
  fi
fi
