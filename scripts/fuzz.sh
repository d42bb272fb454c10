#!/usr/bin/env bash
# Builds the fuzzing targets with clang, address and undefined-behaviour
# sanitizers into build-fuzz/ and runs each for a while (FUZZ_SEKUNDEN,
# default 30) on a copy of the corpus in tests/fuzz/corpus/.  Prints how many
# inputs each target ran; a crash or a broken invariant fails the script and
# leaves the input in build-fuzz/funde/.
set -euo pipefail
cd "$(dirname "$0")/.."
sekunden="${FUZZ_SEKUNDEN:-30}"
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
cmake -S tests/fuzz -B build-fuzz "${generator[@]}" -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build-fuzz -j"$(nproc)"
mkdir -p build-fuzz/funde
for ziel in einstellungen zahlen batch pap lohnkonto; do
  korpus="build-fuzz/korpus/$ziel"
  mkdir -p "$korpus"
  protokoll="build-fuzz/$ziel.log"
  if ! (cd build-fuzz && "./fuzz_$ziel" -max_total_time="$sekunden" -max_len=4096 -timeout=10 \
          -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix=funde/"$ziel"- \
          "korpus/$ziel" "../tests/fuzz/corpus/$ziel") >"$protokoll" 2>&1; then
    tail -n 60 "$protokoll"
    echo "Fuzzing: fuzz_$ziel ist gescheitert (Eingabe in build-fuzz/funde/)." >&2
    exit 1
  fi
  laeufe=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$protokoll" | grep -o '[0-9]*$' || echo "?")
  echo "Fuzzing: fuzz_$ziel ohne Befund, $laeufe Eingaben in ${sekunden} s"
done
