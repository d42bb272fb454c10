#!/usr/bin/env bash
# Installs what is missing, builds and runs every test, then a short fuzzing
# run of the input readers with sanitizers (scripts/fuzz.sh; FUZZ_SEKUNDEN=0
# skips it).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
bash scripts/build.sh
ctest --test-dir build --output-on-failure -j"$(nproc)"
if [ "${FUZZ_SEKUNDEN:-30}" != "0" ]; then
  bash scripts/fuzz.sh
fi
