#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when missing.
set -euo pipefail
pakete=(build-essential cmake pkg-config libgtest-dev libgmock-dev libbenchmark-dev
        qt6-base-dev qt6-translations-l10n fonts-dejavu-core poppler-utils xvfb xauth
        clang libclang-rt-dev)
fehlend=()
for p in "${pakete[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlend+=("$p")
done
if [ ${#fehlend[@]} -gt 0 ]; then
  echo "Installiere: ${fehlend[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${fehlend[@]}"
fi
