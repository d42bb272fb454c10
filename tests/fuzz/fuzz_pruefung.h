#pragma once
// Invariant checks of the fuzzing targets: a broken invariant aborts with a
// message, which libFuzzer reports as a crash and keeps the input.

#include <cstdio>
#include <cstdlib>

#define FUZZ_PRUEFEN(bedingung, meldung)                                               \
  do {                                                                                 \
    if (!(bedingung)) {                                                                \
      std::fprintf(stderr, "Invariante verletzt (%s:%d): %s\n", __FILE__, __LINE__, meldung); \
      std::abort();                                                                    \
    }                                                                                  \
  } while (0)
