#include "calc/sv_einstellungen.h"

#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "geld/geld.h"
#include "geld/zahlen.h"
#include "calc/jahresregeln.h"
#include "calc/parameter.h"
#include "calc/satzeingabe.h"

namespace lst {

namespace {

constexpr const char* kBBGName[bbgAnzahl] = {"KV", "PV", "RV", "AV", "GF"};
constexpr const char* kRegionName[2] = {"Ost", "West"};
constexpr const char* kTypName[beAnzahl] = {"NV", "GF", "HH"};
constexpr const char* kArtName[svAnzahl] = {"KV", "PV", "RV", "AV", "RVAuf", "KV2", "PV2"};

std::string Abschnitt(const char* name, int jahr) {
  char puffer[32];
  std::snprintf(puffer, sizeof puffer, "%s%04d", name, jahr);
  return puffer;
}

std::string BBGSchluessel(int art, int region) {
  return std::string(kBBGName[art]) + kRegionName[region];
}

// Whether a value of the section is one to leave as stored.
bool Bewahrt(const TEinstellungsBericht* bewahren, const std::string& abschnitt, const std::string& schluessel) {
  if (bewahren == nullptr) return false;
  const auto gleich = [](const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
      const auto klein = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
      if (klein(a[i]) != klein(b[i])) return false;
    }
    return true;
  };
  for (const TIgnorierterWert& w : *bewahren)
    if (gleich(w.Abschnitt, abschnitt) && gleich(w.Schluessel, schluessel)) return true;
  return false;
}

// A fraction as the percentage stored in the file, free of the representation
// error of the multiplication: 0.073 is stored as 7.3, not 7.300000000000001.
std::string ProzentText(double anteil) { return TNewIniFile::FloatAlsText(Dezimal15(anteil * 100)); }

}  // namespace

std::string SVSatzSchluessel(int typ, int art, bool an) {
  return std::string(kTypName[typ]) + kArtName[art] + (an ? "AN" : "AG");
}

namespace {

// Ranges of stored values; anything outside counts as damaged.
constexpr std::int64_t kGrenzeMin = 100;        // 1,00 a month
constexpr std::int64_t kGrenzeMax = 999999999;  // 9.999.999,99 a month
constexpr double kSatzMax = 100;                // percent
constexpr double kSoliMax = 10;                 // percent

bool GrenzeGueltig(std::int64_t cent) { return cent >= kGrenzeMin && cent <= kGrenzeMax; }

// A contribution rate in percent: 0 to 100, or -1 (not levied) where the
// year's default is not levied either.
bool SatzGueltig(double prozent, double vorgabeAnteil) {
  if (prozent >= 0 && prozent <= kSatzMax) return true;
  return prozent == -1 && vorgabeAnteil < 0;
}

std::string ProzentVorgabe(double prozent) { return TNewIniFile::FloatAlsText(Dezimal15(prozent)); }

// Reads a percentage; a missing key gives nothing, a damaged value is
// reported and gives nothing too.  With stellen, a value of more decimals
// counts as damaged as well.
std::optional<double> ProzentLesen(const TIniAbbild& ini, const std::string& abschnitt,
                                   const std::string& schluessel, bool (*gueltig)(double, double),
                                   double vorgabeAnteil, const std::string& grund,
                                   TEinstellungsBericht* bericht, int stellen = -1) {
  const auto text = ini.Wert(abschnitt, schluessel);
  if (!text) return std::nullopt;
  double prozent = 0;
  if (TNewIniFile::TextAlsFloat(*text, prozent) && gueltig(prozent, vorgabeAnteil) &&
      (stellen < 0 || prozent < 0 || Nachkommastellen(*text) <= stellen))
    return prozent;
  IgnoriertMelden(bericht, ini, abschnitt, schluessel, *text, grund,
                  ProzentVorgabe(vorgabeAnteil * 100) + " %");
  return std::nullopt;
}

// A rate of one of the kinds of calc/satzeingabe.h, by the range and
// decimals with which the command line and the window take it; a damaged
// value is reported and gives nothing.
std::optional<double> SatzLesen(const TIniAbbild& ini, const std::string& abschnitt, const std::string& schluessel,
                                TSatzArt art, double vorgabeAnteil, TEinstellungsBericht* bericht) {
  const auto text = ini.Wert(abschnitt, schluessel);
  if (!text) return std::nullopt;
  if (const auto p = lst::SatzLesen(*text, art)) return p;
  IgnoriertMelden(bericht, ini, abschnitt, schluessel, *text, SatzRegel(art),
                  ProzentVorgabe(vorgabeAnteil * 100) + " %");
  return std::nullopt;
}

}  // namespace

TBBGTabelle BBGLaden(const TIniAbbild& ini, int jahr, TEinstellungsBericht* bericht) {
  const std::string abschnitt = Abschnitt("BMG", jahr);
  TBBGTabelle t = BBGStandard(jahr);
  for (int art = 0; art < bbgAnzahl; ++art) {
    for (int r : {rgOst, rgWest}) {
      const std::string schluessel = BBGSchluessel(art, r);
      const auto text = ini.Wert(abschnitt, schluessel);
      if (!text) continue;
      std::int64_t wert = 0;
      if (TNewIniFile::TextAlsInteger(*text, wert) && GrenzeGueltig(wert)) {
        t[art][r] = wert;
      } else {
        const char* einheit = DMJahr(jahr) ? " Pfennig" : " Cent";
        IgnoriertMelden(bericht, ini, abschnitt, schluessel, *text,
                        std::string("keine Bemessungsgrenze von 100 bis 999999999") + einheit +
                            " im Monat",
                        std::to_string(t[art][r]) + einheit);
      }
    }
  }
  return t;
}

TBBGTabelle BBGLaden(const TNewIniFile& ini, int jahr) { return BBGLaden(ini.Abbild(), jahr); }

bool BBGSpeichern(TNewIniFile& ini, int jahr, const TBBGTabelle& tabelle) {
  std::vector<std::pair<std::string, std::string>> werte;
  for (int art = 0; art < bbgAnzahl; ++art) {
    for (int r : {rgOst, rgWest}) {
      if (!GrenzeGueltig(tabelle[art][r])) return false;
      werte.emplace_back(BBGSchluessel(art, r), std::to_string(tabelle[art][r]));
    }
  }
  return ini.WriteStrings(Abschnitt("BMG", jahr), werte);
}

void SVSaetzeLaden(const TIniAbbild& ini, int jahr, TSVSatzTabelle& saetze, double& pauschSatz,
                   double& soliProzent, TEinstellungsBericht* bericht) {
  const std::string abschnitt = Abschnitt("SV", jahr);
  const TSVSatzTabelle standard = SVSaetzeStandard(jahr);
  for (int typ = 0; typ < beAnzahl; ++typ) {
    for (int art = 0; art < svAnzahl; ++art) {
      // A missing key keeps the default fraction as it is; a stored value
      // goes through the same division as the defaults.
      auto lesen = [&](bool an, double vorgabe) {
        const auto prozent = ProzentLesen(
            ini, abschnitt, SVSatzSchluessel(typ, art, an), SatzGueltig, vorgabe,
            vorgabe < 0 ? SatzRegel(TSatzArt::Beitrag) + " oder -1 für nicht erhoben" : SatzRegel(TSatzArt::Beitrag),
            bericht, SatzGrenzen(TSatzArt::Beitrag).Stellen);
        return prozent ? *prozent / 100 : vorgabe;
      };
      saetze[typ][art].AN = lesen(true, standard[typ][art].AN);
      saetze[typ][art].AG = lesen(false, standard[typ][art].AG);
    }
  }
  const std::string lst = Abschnitt("LSt", jahr);
  const double soliVorgabe = SoliSatz(jahr);
  const auto soli = ProzentLesen(
      ini, lst, "Soli", [](double p, double) { return p >= 0 && p <= kSoliMax; },
      soliVorgabe / 100, "kein Zuschlagssatz von 0 bis 10 Prozent", bericht);
  soliProzent = soli.value_or(soliVorgabe);
  const double pauschVorgabe = PauschStProzentStandard(jahr);
  const auto pausch = SatzLesen(ini, lst, "PauschSt", TSatzArt::Pauschsteuer, pauschVorgabe / 100, bericht);
  pauschSatz = pausch.value_or(pauschVorgabe) / 100;
}

void SVSaetzeLaden(const TNewIniFile& ini, int jahr, TSVSatzTabelle& saetze, double& pauschSatz,
                   double& soliProzent) {
  SVSaetzeLaden(ini.Abbild(), jahr, saetze, pauschSatz, soliProzent);
}

bool SVSaetzeSpeichern(TNewIniFile& ini, int jahr, const TSVSatzTabelle& saetze,
                       double pauschSatz, const TEinstellungsBericht* bewahren) {
  const TSVSatzTabelle standard = SVSaetzeStandard(jahr);
  const std::string abschnitt = Abschnitt("SV", jahr);
  std::vector<std::pair<std::string, std::string>> werte;
  for (int typ = 0; typ < beAnzahl; ++typ) {
    for (int art = 0; art < svAnzahl; ++art) {
      const TSatzPaar& p = saetze[typ][art];
      // What would not read back as written is refused.
      if (!SatzGueltig(Dezimal15(p.AN * 100), standard[typ][art].AN) ||
          !SatzGueltig(Dezimal15(p.AG * 100), standard[typ][art].AG))
        return false;
      for (const bool an : {true, false}) {
        std::string schluessel = SVSatzSchluessel(typ, art, an);
        if (!Bewahrt(bewahren, abschnitt, schluessel))
          werte.emplace_back(std::move(schluessel), ProzentText(an ? p.AN : p.AG));
      }
    }
  }
  if (!werte.empty() && !ini.WriteStrings(abschnitt, werte)) return false;
  if (!(pauschSatz >= 0)) return true;
  const std::string steuer = Abschnitt("LSt", jahr);
  if (Bewahrt(bewahren, steuer, "PauschSt")) return true;
  const std::string text = ProzentText(pauschSatz);
  if (!lst::SatzLesen(text, TSatzArt::Pauschsteuer)) return false;
  return ini.WriteString(steuer, "PauschSt", text);
}

TSVZusatzWerte SVZusatzLaden(const TIniAbbild& ini, int jahr, TEinstellungsBericht* bericht) {
  const std::string abschnitt = Abschnitt("SV", jahr);
  TSVZusatzWerte w;
  const double zb = DurchschnittsZusatzbeitrag(jahr, 1);
  w.KVZusatzProzent = zb;
  if (zb >= 0) {
    if (const auto p = SatzLesen(ini, abschnitt, "KVZusatz", TSatzArt::Zusatzbeitrag, zb / 100, bericht))
      w.KVZusatzProzent = *p;
  }
  for (auto [schluessel, ziel] : {std::pair{"U1", &w.U1Prozent}, std::pair{"U2", &w.U2Prozent}}) {
    if (const auto p = SatzLesen(ini, abschnitt, schluessel, TSatzArt::Umlage, 0, bericht)) *ziel = *p;
  }
  return w;
}

TUeberschreibungen UeberschreibungenLaden(const TIniAbbild& ini, int jahr, TEinstellungsBericht* bericht) {
  TUeberschreibungen ue;
  TSVSatzTabelle saetze = SVSaetzeStandard(jahr);
  double pausch = 0, soli = 0;
  SVSaetzeLaden(ini, jahr, saetze, pausch, soli, bericht);
  ue.Saetze = saetze;
  ue.PauschSatz = pausch;
  ue.SoliProzent = soli;
  ue.BBG = BBGLaden(ini, jahr, bericht);
  if (JahresRegeln(jahr).PeriodenNachMonat) {
    const TSVZusatzWerte z = SVZusatzLaden(ini, jahr, bericht);
    if (z.KVZusatzProzent >= 0) ue.KVZusatzProzent = z.KVZusatzProzent;
    if (z.U1Prozent >= 0) ue.U1Prozent = z.U1Prozent;
    if (z.U2Prozent >= 0) ue.U2Prozent = z.U2Prozent;
  }
  ue.Grundfreibetrag = ini.ReadBool("LoSt2013", "GrdFreiB8130", true) ? 8130 : 8004;
  return ue;
}

double TSVZusatzWerte::EigenerZusatzbeitrag(int jahr) const {
  return KVZusatzProzent >= 0 && KVZusatzProzent != DurchschnittsZusatzbeitrag(jahr, 1) ? KVZusatzProzent : -1;
}

bool SVZusatzSpeichern(TNewIniFile& ini, int jahr, const TSVZusatzWerte& werte,
                       const TEinstellungsBericht* bewahren) {
  const std::string abschnitt = Abschnitt("SV", jahr);
  std::vector<std::pair<std::string, std::string>> liste;
  // What would not read back as written is refused.
  auto dazu = [&](const char* schluessel, double prozent, TSatzArt art) {
    if (std::isnan(prozent)) return false;
    if (prozent < 0 || Bewahrt(bewahren, abschnitt, schluessel)) return true;
    const std::string text = TNewIniFile::FloatAlsText(Dezimal15(prozent));
    if (!lst::SatzLesen(text, art)) return false;
    liste.emplace_back(schluessel, text);
    return true;
  };
  // An add-on rate only where the year has one.
  const double zb = DurchschnittsZusatzbeitrag(jahr, 1) >= 0 ? werte.KVZusatzProzent : -1;
  if (!dazu("KVZusatz", zb, TSatzArt::Zusatzbeitrag) || !dazu("U1", werte.U1Prozent, TSatzArt::Umlage) ||
      !dazu("U2", werte.U2Prozent, TSatzArt::Umlage))
    return false;
  if (liste.empty()) return true;
  return ini.WriteStrings(abschnitt, liste);
}

}  // namespace lst
