// German numbers as typed: whatever the reader accepts is a finite number,
// and an amount written back as text reads as the same cents.

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "geld/geld.h"
#include "geld/zahlen.h"
#include "fuzz_pruefung.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  const std::string_view text(reinterpret_cast<const char*>(daten), groesse);

  if (const auto b = lst::BetragLesen(text)) {
    FUZZ_PRUEFEN(std::isfinite(*b), "BetragLesen liefert keine endliche Zahl");
    if (std::fabs(*b) < 1e12) {
      const std::int64_t cent = lst::Runden(*b * 100);
      const std::string zurueck = lst::CentAlsText(cent);
      const auto wieder = lst::BetragLesen(zurueck);
      FUZZ_PRUEFEN(wieder.has_value(), "CentAlsText ergibt keinen lesbaren Betrag");
      FUZZ_PRUEFEN(lst::Runden(*wieder * 100) == cent, "Betrag liest sich nicht auf den Cent zurück");
    }
  }
  if (const auto z = lst::ZahlLesen(text)) {
    FUZZ_PRUEFEN(std::isfinite(*z), "ZahlLesen liefert keine endliche Zahl");
  }
  if (const auto g = lst::GanzzahlLesen(text)) {
    const auto wieder = lst::GanzzahlLesen(std::to_string(*g));
    FUZZ_PRUEFEN(wieder && *wieder == *g, "Ganzzahl liest sich nicht zurück");
    // A whole number is also a number and an amount of the same value.
    if (const auto z = lst::ZahlLesen(text)) {
      FUZZ_PRUEFEN(*z == static_cast<double>(*g), "ZahlLesen und GanzzahlLesen uneins");
    }
  }
  return 0;
}
