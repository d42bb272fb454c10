#include "print/druck_einstellungen.h"

#include <cstdint>

namespace lst::druck {

namespace {

constexpr int kKleinsteSchrift = 4;
constexpr int kGroessteSchrift = 72;

int ImBereich(std::int64_t wert, int von, int bis, int vorgabe) {
  return wert >= von && wert <= bis ? static_cast<int>(wert) : vorgabe;
}

std::string OhneRaender(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return std::string(s);
}

}  // namespace

TDruckStart DruckStartLesen(const TNewIniFile& ini) {
  TDruckStart s;
  const TDruckStart v;
  // The foot must stay on a page of any common size: at most 2000 pixels.
  s.FussOffset = ImBereich(ini.ReadInteger("Default", "FussOffset", v.FussOffset), 0, 2000,
                           v.FussOffset);
  s.FontName = OhneRaender(ini.ReadString("Druck", "FontName", v.FontName));
  if (s.FontName.empty()) s.FontName = v.FontName;
  s.FontSize = ImBereich(ini.ReadInteger("Druck", "FontSize", v.FontSize), kKleinsteSchrift,
                         kGroessteSchrift, v.FontSize);
  s.Grau = ini.ReadBool("Druck", "Grau", v.Grau);
  s.LiRand = ImBereich(ini.ReadInteger("Druck", "LiRand", v.LiRand), 0, kGroessterRand, v.LiRand);
  s.ReRand = ImBereich(ini.ReadInteger("Druck", "ReRand", v.ReRand), 0, kGroessterRand, v.ReRand);
  s.ObRand = ImBereich(ini.ReadInteger("Druck", "ObRand", v.ObRand), 0, kGroessterRand, v.ObRand);
  return s;
}

TDruckOptionen DruckOptionenLesen(const TNewIniFile& ini) {
  TDruckOptionen o;
  const TDruckOptionen v;
  o.ObRand = ini.ReadString("Druck", "ObRand", v.ObRand);
  o.LiRand = ini.ReadString("Druck", "LiRand", v.LiRand);
  o.ReRand = ini.ReadString("Druck", "ReRand", v.ReRand);
  o.FontName = OhneRaender(ini.ReadString("Druck", "FontName", v.FontName));
  if (o.FontName.empty()) o.FontName = v.FontName;
  o.FontSize = ImBereich(ini.ReadInteger("Druck", "FontSize", v.FontSize), kKleinsteSchrift,
                         kGroessteSchrift, v.FontSize);
  return o;
}

bool DruckOptionenSchreiben(TNewIniFile& ini, const TDruckOptionen& o) {
  return ini.WriteStrings("Druck", {{"ObRand", o.ObRand},
                                    {"LiRand", o.LiRand},
                                    {"ReRand", o.ReRand},
                                    {"FontName", o.FontName},
                                    {"FontSize", std::to_string(o.FontSize)}}) &&
         ini.Speichern();
}

std::string RandPruefen(std::string_view text, std::string_view feld, int& mm) {
  const std::string t = OhneRaender(text);
  const std::string name(feld);
  if (t.empty()) return "Bitte geben Sie für \"" + name + "\" einen Wert in Millimetern ein.";
  std::int64_t wert = 0;
  if (!TNewIniFile::TextAlsInteger(t, wert) || wert < 0 || wert > kGroessterRand) {
    return "\"" + name + "\" muss eine ganze Zahl von 0 bis " + std::to_string(kGroessterRand) +
           " mm sein.";
  }
  mm = static_cast<int>(wert);
  return {};
}

TDruckEinstellungen DruckEinstellungenBeimStart(const TDateiNamen& namen) {
  TDruckEinstellungen e;
  e.Start = DruckStartLesen(namen.DruckDatei());
  e.Optionen = DruckOptionenLesen(namen.EinstellungsDatei());
  return e;
}

}  // namespace lst::druck
