#include "calc/jahresvergleich.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "calc/fehler.h"
#include "calc/jahresregeln.h"

namespace lst {

const std::vector<TVergleichsGroesse>& VergleichsGroessen() {
  static const std::vector<TVergleichsGroesse> groessen = {
      {"Bruttolohn", "Gesamtbrutto", false, true},
      {"Lohnsteuer", "LSt", false, true},
      {"Solidaritätszuschlag", "Soli"},
      {"Kirchensteuer", "KiSt"},
      {"Steuern gesamt", "SteuerSumme", false, true},
      {"KV Arbeitnehmer", "KV_AN"},
      {"KV Zusatzbeitrag AN", "KV2_AN"},
      {"RV Arbeitnehmer", "RV_AN"},
      {"AV Arbeitnehmer", "AV_AN"},
      {"PV Arbeitnehmer", "PV_AN"},
      {"PV Zuschlag AN", "PV2_AN"},
      {"Soz.vers. Arbeitnehmer", "SVSummeAN", false, true},
      {"Nettolohn", "Netto", false, true},
      {"Pauschalsteuern AG", "SteuerSummePausch", true},
      {"KV Arbeitgeber", "KV_AG", true},
      {"KV Zusatzbeitrag AG", "KV2_AG", true},
      {"RV Arbeitgeber", "RV_AG", true},
      {"AV Arbeitgeber", "AV_AG", true},
      {"PV Arbeitgeber", "PV_AG", true},
      {"Soz.vers. Arbeitgeber", "SVSummeAG", true, true},
      {"Lohnkosten", "AGGesamt", true, true},
      {"Lohnkosten inkl. Umlagen", "AGGesamtUmlagen", true},
  };
  return groessen;
}

int VergleichsGroesse(const char* name) {
  const auto& g = VergleichsGroessen();
  for (std::size_t i = 0; i < g.size(); ++i) {
    if (std::strcmp(g[i].Name, name) == 0) return static_cast<int>(i);
  }
  return -1;
}

namespace {

// The result field of a figure, found once by its name.
const TErgebnisFeld& Feld(std::size_t g) {
  static const std::vector<const TErgebnisFeld*> felder = [] {
    std::vector<const TErgebnisFeld*> f;
    for (const TVergleichsGroesse& groesse : VergleichsGroessen()) {
      const TErgebnisFeld* gefunden = nullptr;
      for (const TErgebnisFeld& e : ErgebnisFelder()) {
        if (std::strcmp(e.Name, groesse.Name) == 0) gefunden = &e;
      }
      if (gefunden == nullptr) throw TLStFehler(std::string("Unbekannte Größe ") + groesse.Name);
      f.push_back(gefunden);
    }
    return f;
  }();
  return *felder.at(g);
}

// The first error of the year's request in the front's words, or "".
std::string Abgelehnt(const TParameter& p, const TAnfrage& a, const TBefundWorte& worte) {
  if (p.Regeln == nullptr || !p.R().Lohnsteuer) return "Keine Lohnsteuer für " + std::to_string(p.Jahr) + " vorhanden.";
  if (!p.R().Vorhanden) {
    return "Für " + std::to_string(p.Jahr) + " ist die Sozialversicherung nicht hinterlegt.";
  }
  const std::vector<TBefund> befunde = Pruefen(p, a);
  if (const TBefund* f = ErsterFehler(befunde)) return worte(*f, p);
  return {};
}

}  // namespace

std::optional<std::int64_t> TJahresvergleich::Wert(std::size_t i, std::size_t g) const {
  if (i >= Jahre.size() || g >= VergleichsGroessen().size() || !Jahre[i].Berechnet()) return std::nullopt;
  return Feld(g).Lesen(Jahre[i].Anzeige);
}

std::optional<std::int64_t> TJahresvergleich::Differenz(std::size_t i, std::size_t g) const {
  const auto vorher = Wert(i, g);
  const auto nachher = Wert(i + 1, g);
  if (!vorher || !nachher) return std::nullopt;
  return *nachher - *vorher;
}

bool TJahresvergleich::Gezeigt(std::size_t g) const {
  if (g >= VergleichsGroessen().size()) return false;
  if (VergleichsGroessen()[g].Immer) return true;
  for (std::size_t i = 0; i < Jahre.size(); ++i) {
    if (Wert(i, g).value_or(0) != 0) return true;
  }
  return false;
}

std::vector<std::size_t> TJahresvergleich::GezeigteGroessen() const {
  std::vector<std::size_t> g;
  for (std::size_t i = 0; i < VergleichsGroessen().size(); ++i) {
    if (Gezeigt(i)) g.push_back(i);
  }
  return g;
}

bool TJahresvergleich::Vollstaendig() const {
  return std::all_of(Jahre.begin(), Jahre.end(), [](const TVergleichsJahr& j) { return j.Berechnet(); });
}

TVergleichsSkala VergleichsSkala(const TJahresvergleich& v) {
  double min = 0;
  double max = 0;
  bool da = false;
  for (const TVergleichsJahr& j : v.Jahre) {
    if (!j.Berechnet()) continue;
    for (std::int64_t cent : {j.Anzeige.Netto, j.Anzeige.AGGesamt}) {
      const double w = static_cast<double>(cent) / 100;
      min = da ? std::min(min, w) : w;
      max = da ? std::max(max, w) : w;
      da = true;
    }
  }
  if (!da) return {};
  double spanne = max - min;
  // A flat line still gets an axis around it.
  if (spanne < 0.01) spanne = std::max(std::fabs(max) * 0.1, 10.0);
  const double roh = spanne / 5;
  const double zehner = std::pow(10.0, std::floor(std::log10(roh)));
  double schritt = 10 * zehner;
  for (double f : {1.0, 2.0, 2.5, 5.0}) {
    if (f * zehner >= roh) {
      schritt = f * zehner;
      break;
    }
  }
  TVergleichsSkala s;
  s.Schritt = schritt;
  s.Unten = std::floor((min - spanne * 0.05) / schritt) * schritt;
  s.Oben = std::ceil((max + spanne * 0.05) / schritt) * schritt;
  // Amounts that are never negative need no axis below 0.
  if (min >= 0 && s.Unten < 0) s.Unten = 0;
  if (s.Oben <= s.Unten) s.Oben = s.Unten + schritt;
  return s;
}

TJahresvergleich JahreVergleichen(const std::vector<TVergleichsVorlage>& vorlagen, bool euro,
                                  const TBefundWorte& worte) {
  TJahresvergleich v;
  v.Euro = euro;
  v.Jahre.reserve(vorlagen.size());
  for (const TVergleichsVorlage& vorlage : vorlagen) {
    TVergleichsJahr j;
    j.Jahr = vorlage.Jahr;
    j.Parameter = vorlage.Parameter;
    j.Monat = vorlage.Parameter.Monat;
    j.Anfrage = vorlage.Anfrage;
    j.Fehler = vorlage.Fehler;
    if (j.Fehler.empty()) j.Fehler = Abgelehnt(j.Parameter, j.Anfrage, worte);
    if (j.Fehler.empty()) {
      try {
        j.Ergebnis = Abrechnen(j.Parameter, j.Anfrage);
        j.Anzeige = AnzeigeErgebnis(j.Parameter, euro, j.Ergebnis, vorlage.Getippt);
      } catch (const TLStFehler& f) {
        j.Fehler = f.what();
      }
    }
    v.Jahre.push_back(std::move(j));
  }
  if (!vorlagen.empty()) v.Monat = vorlagen.back().Parameter.Monat;
  return v;
}

TJahresvergleich JahreVergleichen(const TAnfrage& a, int anfrageJahr, const std::vector<int>& jahre, int monat,
                                  bool euro, const TJahresParameter& parameter, const TBefundWorte& worte) {
  std::vector<TVergleichsVorlage> vorlagen;
  vorlagen.reserve(jahre.size());
  for (int jahr : jahre) {
    TVergleichsVorlage v;
    v.Jahr = jahr;
    v.Parameter = parameter(jahr, monat);
    v.Anfrage = AnfrageInJahr(a, anfrageJahr, jahr);
    vorlagen.push_back(std::move(v));
  }
  TJahresvergleich v = JahreVergleichen(vorlagen, euro, worte);
  v.Monat = monat;
  return v;
}

TAnfrage AnfrageInJahr(const TAnfrage& a, int vonJahr, int nachJahr) {
  TAnfrage b = a;
  // An amount of one year's currency in cents of the other's: shown in
  // the other's currency, as the display converts.
  const auto umrechnen = [](int von, int nach) {
    return [von, nach](std::int64_t& cent) { cent = AnzeigeCent(von, !DMJahr(nach), cent); };
  };
  if (DMJahr(vonJahr) != DMJahr(nachJahr)) {
    const auto u = umrechnen(vonJahr, nachJahr);
    for (std::int64_t TAnfrage::*f :
         {&TAnfrage::Brutto, &TAnfrage::Freibetrag, &TAnfrage::Hinzurechnung, &TAnfrage::VBEZ, &TAnfrage::VBEZM,
          &TAnfrage::VBEZS, &TAnfrage::STERBE, &TAnfrage::SonstigerBezug, &TAnfrage::BisherigeSonstigeBezuege,
          &TAnfrage::Abfindung, &TAnfrage::DienstwagenListenpreis, &TAnfrage::Sachbezug, &TAnfrage::Steuerfrei,
          &TAnfrage::Entgeltumwandlung, &TAnfrage::VWLAG, &TAnfrage::VWLSparbetrag, &TAnfrage::AGZusatz,
          &TAnfrage::SonstigeAbzuege}) {
      u(b.*f);
    }
    for (std::optional<std::int64_t> TAnfrage::*f :
         {&TAnfrage::Jahresarbeitslohn, &TAnfrage::SVEntgeltBisherKV, &TAnfrage::SVEntgeltBisherRV,
          &TAnfrage::Kindergeld}) {
      if (b.*f) u(*(b.*f));
    }
  }
  if (DMJahr(vonJahr - 1) != DMJahr(nachJahr - 1)) {
    const auto u = umrechnen(vonJahr - 1, nachJahr - 1);
    for (std::optional<std::int64_t> TAnfrage::*f : {&TAnfrage::VorjahrSVEntgeltKV, &TAnfrage::VorjahrSVEntgeltRV}) {
      if (b.*f) u(*(b.*f));
    }
  }
  return b;
}

std::string VergleichsjahrePruefen(std::vector<int>& jahre) {
  const int erstes = ErstesJahrMit([](const TJahresRegeln& r) { return r.Vorhanden; });
  const int letztes = LetztesJahrMit([](const TJahresRegeln& r) { return r.Vorhanden; });
  const std::string bereich = " (" + std::to_string(erstes) + " bis " + std::to_string(letztes) + ")";
  for (int jahr : jahre) {
    if (!JahresRegeln(jahr).Vorhanden) {
      return "Für " + std::to_string(jahr) + " gibt es keine Abrechnung" + bereich;
    }
  }
  std::sort(jahre.begin(), jahre.end());
  for (std::size_t i = 1; i < jahre.size(); ++i) {
    if (jahre[i] == jahre[i - 1]) return "Das Jahr " + std::to_string(jahre[i]) + " ist mehr als einmal angegeben";
  }
  if (jahre.size() < 2) return "Ein Jahresvergleich braucht mindestens zwei Jahre" + bereich;
  return {};
}

std::vector<int> Jahresbereich(int von, int bis) {
  std::vector<int> jahre;
  for (int j = von; j <= bis; ++j) jahre.push_back(j);
  return jahre;
}

std::vector<int> StandardVergleichsjahre(int jahr) {
  const int erstes = ErstesJahrMit([](const TJahresRegeln& r) { return r.Vorhanden; });
  const int letztes = LetztesJahrMit([](const TJahresRegeln& r) { return r.Vorhanden; });
  const int bis = std::clamp(jahr, erstes + 1, letztes);
  return {bis - 1, bis};
}

}  // namespace lst
