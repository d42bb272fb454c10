#include "calc/satzeingabe.h"

#include "geld/zahlen.h"

namespace lst {

const TSatzGrenzen& SatzGrenzen(TSatzArt art) {
  static constexpr TSatzGrenzen kGrenzen[] = {
      {0, 10, 2, "Zusatzbeitragssatz"},
      {0, 10, 2, "Umlagesatz"},
      {0, 100, 2, "Pauschsteuersatz"},
      {0, 100, 2, "Kirchensteuersatz"},
      {0, 100, 3, "Beitragssatz"},
  };
  return kGrenzen[static_cast<int>(art)];
}

std::string SatzRegel(TSatzArt art) {
  const TSatzGrenzen& g = SatzGrenzen(art);
  static const char* const kStellen[] = {"keinen", "einer", "zwei", "drei"};
  const auto zahl = [](double x) {
    std::string t = std::to_string(static_cast<long long>(x));
    return t;
  };
  return std::string("kein ") + g.Name + " von " + zahl(g.Von) + " bis " + zahl(g.Bis) +
         " Prozent mit höchstens " + kStellen[g.Stellen] + " Nachkommastelle" + (g.Stellen == 1 ? "" : "n");
}

std::optional<double> SatzLesen(std::string_view text, TSatzArt art, std::string* fehler) {
  const TSatzGrenzen& g = SatzGrenzen(art);
  const std::optional<double> wert = ZahlLesen(text);
  const bool gueltig =
      wert && *wert >= g.Von && *wert <= g.Bis && Nachkommastellen(text) <= g.Stellen;
  if (gueltig) return wert;
  if (fehler != nullptr) *fehler = SatzRegel(art);
  return std::nullopt;
}

}  // namespace lst
