#include "calc/bundesland.h"

#include <array>

namespace lst {

namespace {

using L = TBundesland;

const std::vector<TBundeslandDaten> kLaender = {
    {L::BadenWuerttemberg, "Baden-Württemberg", "BW", 8, false, false},
    {L::Bayern, "Bayern", "BY", 8, false, false},
    {L::Berlin, "Berlin", "BE", 9, false, false, true},
    {L::BerlinWest, "Berlin-West", "BE-W", 9, false, false},
    {L::BerlinOst, "Berlin-Ost", "BE-O", 9, true, false},
    {L::Brandenburg, "Brandenburg", "BB", 9, true, false},
    {L::Bremen, "Bremen", "HB", 9, false, false},
    {L::Hamburg, "Hamburg", "HH", 9, false, false},
    {L::Hessen, "Hessen", "HE", 9, false, false},
    {L::MecklenburgVorpommern, "Mecklenburg-Vorpommern", "MV", 9, true, false},
    {L::Niedersachsen, "Niedersachsen", "NI", 9, false, false},
    {L::NordrheinWestfalen, "Nordrhein-Westfalen", "NW", 9, false, false},
    {L::RheinlandPfalz, "Rheinland-Pfalz", "RP", 9, false, false},
    {L::Saarland, "Saarland", "SL", 9, false, false},
    {L::Sachsen, "Sachsen", "SN", 9, true, true},
    {L::SachsenAnhalt, "Sachsen-Anhalt", "ST", 9, true, false},
    {L::SchleswigHolstein, "Schleswig-Holstein", "SH", 9, false, false},
    {L::Thueringen, "Thüringen", "TH", 9, true, false},
};

// Lower case ASCII letters and digits alone, umlauts spelt out: "Baden-
// Württemberg" and "baden wuerttemberg" both "badenwuerttemberg".
std::string Schluessel(std::string_view text) {
  std::string s;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c == 0xC3 && i + 1 < text.size()) {
      switch (static_cast<unsigned char>(text[i + 1])) {
        case 0xA4: case 0x84: s += "ae"; ++i; continue;  // ä Ä
        case 0xB6: case 0x96: s += "oe"; ++i; continue;  // ö Ö
        case 0xBC: case 0x9C: s += "ue"; ++i; continue;  // ü Ü
        case 0x9F: s += "ss"; ++i; continue;             // ß
        default: break;
      }
    }
    if (c >= 'A' && c <= 'Z') s += static_cast<char>(c - 'A' + 'a');
    else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) s += static_cast<char>(c);
    else if (c >= 0x80) s += '?';  // another letter: matches no name
  }
  return s;
}

}  // namespace

const std::vector<TBundeslandDaten>& Bundeslaender() { return kLaender; }

const TBundeslandDaten& BundeslandDaten(TBundesland land) {
  for (const TBundeslandDaten& d : kLaender)
    if (d.Land == land) return d;
  return kLaender.front();
}

std::optional<TBundesland> BundeslandLesen(std::string_view text) {
  const std::string s = Schluessel(text);
  if (s.empty()) return std::nullopt;
  for (const TBundeslandDaten& d : kLaender) {
    if (s == Schluessel(d.Name) || s == Schluessel(d.Kuerzel)) return d.Land;
  }
  // Further usual spellings.
  static const std::array<std::pair<const char*, L>, 10> kWeitere = {{
      {"nrw", L::NordrheinWestfalen},
      {"westberlin", L::BerlinWest},
      {"berlinw", L::BerlinWest},
      {"bewest", L::BerlinWest},
      {"ostberlin", L::BerlinOst},
      {"berlino", L::BerlinOst},
      {"beost", L::BerlinOst},
      {"badenwurttemberg", L::BadenWuerttemberg},
      {"thuringen", L::Thueringen},
      {"mvp", L::MecklenburgVorpommern},
  }};
  for (const auto& [name, land] : kWeitere)
    if (s == name) return land;
  return std::nullopt;
}

std::string BundeslaenderListe() {
  std::string text;
  for (const TBundeslandDaten& d : kLaender) {
    if (!text.empty()) text += ", ";
    text += std::string(d.Name) + " (" + d.Kuerzel + ")";
  }
  return text;
}

}  // namespace lst
