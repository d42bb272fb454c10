#include "calc/lohnjahr.h"

#include <algorithm>
#include <array>
#include <tuple>

#include "geld/geld.h"
#include "calc/jahresregeln.h"
#include "calc/pruefung.h"

namespace lst {

namespace {

bool MitEinmalzahlung(const TAnfrage& a) { return a.SonstigerBezug > 0 || a.Abfindung > 0; }

// The amounts of a month added to the sum: those of ErgebnisFelder and the
// certificate's own.
void Addieren(TMonatsErgebnis& s, const TMonatsErgebnis& m) {
  for (const TErgebnisFeld& f : ErgebnisFelder()) f.Zugriff(s) += f.Lesen(m);
  s.AbfindungFuenftel += m.AbfindungFuenftel;
  s.LSt_fuenftel += m.LSt_fuenftel;
  s.Soli_fuenftel += m.Soli_fuenftel;
  s.KiSt_fuenftel += m.KiSt_fuenftel;
  s.PKVZuschussPV_AG += m.PKVZuschussPV_AG;
  s.VKV += m.VKV;
  s.Maerzklausel = s.Maerzklausel || m.Maerzklausel;
}

// The inputs the year fills, the first one a row states itself.
std::optional<TFeld> JahresstandGegeben(const TAnfrage& a) {
  if (a.Jahresarbeitslohn) return TFeld::Jahresarbeitslohn;
  if (a.BisherigeSonstigeBezuege != 0) return TFeld::BisherigeSonstigeBezuege;
  if (a.SVTage) return TFeld::SVTage;
  if (a.SVEntgeltBisherKV) return TFeld::SVEntgeltBisherKV;
  if (a.SVEntgeltBisherRV) return TFeld::SVEntgeltBisherRV;
  return std::nullopt;
}

// The request a month without a row repeats: the previous one without its
// one-off payments and what belongs to them, the previous year's figures of
// the March clause too.
TAnfrage Wiederholt(const TAnfrage& vorher) {
  TAnfrage a = AlsLohnmonat(vorher);
  a.VorjahrSVTage = TAnfrage{}.VorjahrSVTage;
  a.VorjahrSVEntgeltKV.reset();
  a.VorjahrSVEntgeltRV.reset();
  a.VorjahrKVZusatz.reset();
  return a;
}

// Contribution days from a date to the end of its year: the days of its
// month where it does not begin on the first, 30 for every further month.
int SVTageBisJahresende(const TDatum& von) {
  const int erster = von.Tag == 1 ? 30 : TageImMonat(von.Jahr, von.Monat) - von.Tag + 1;
  return std::min(erster + 30 * (12 - von.Monat), 360);
}

// What the provision allowance of a month is made of, as far as the person
// decides it: the insurance (contribution group, private premiums), the
// fund's add-on rate, the care surcharge of the childless and the discounts
// for children.
struct TVorsorge {
  std::string Gruppe;
  bool Privat = false;
  std::int64_t PrivatBeitrag = 0, PrivatBeitragPV = -1;
  TSatzPaar Zusatz;
  bool Kinderlos = false;
  int Abschlaege = 0;
};

TVorsorge VorsorgeDesMonats(const TLohnjahrMonat& m) {
  TVorsorge v;
  const TAnfrage a = MitGruppe(m.Parameter, m.Anfrage);
  if (m.Parameter.R().Beitragsgruppen) v.Gruppe = BeitragsgruppeDerAnfrage(m.Parameter, m.Anfrage).Text();
  v.Privat = a.Privat;
  v.PrivatBeitrag = a.Privat ? a.PrivatBeitrag : 0;
  v.PrivatBeitragPV = a.Privat ? a.PrivatBeitragPV.value_or(-1) : -1;
  v.Zusatz = m.Ergebnis.Saetze[svKV2];
  v.Kinderlos = m.Ergebnis.Saetze[svPV2].AN > 0;
  v.Abschlaege = a.PVAbschlaege;
  return v;
}

// The taxes of a month on its severance (contained in its taxes): the
// one-fifth rule's, or the part of the one-off's taxes that the severance
// adds to those of the other one-off paid with it.
struct TSteuern {
  std::int64_t LSt = 0, Soli = 0, KiSt = 0;
};

TSteuern SteuernDerAbfindung(const TLohnjahrMonat& m) {
  const TMonatsErgebnis& e = m.Ergebnis;
  if (e.Abfindung == 0) return {};
  if (e.AbfindungFuenftel > 0 || m.Anfrage.SonstigerBezug == 0) {
    const bool fuenftel = e.AbfindungFuenftel > 0;
    return {fuenftel ? e.LSt_fuenftel : e.LSt_sonstig, fuenftel ? e.Soli_fuenftel : e.Soli_sonstig,
            fuenftel ? e.KiSt_fuenftel : e.KiSt_sonstig};
  }
  TAnfrage ohne = m.Anfrage;
  ohne.Abfindung = 0;
  const TMonatsErgebnis o = Abrechnen(m.Parameter, ohne);
  return {e.LSt_sonstig - o.LSt_sonstig, e.Soli_sonstig - o.Soli_sonstig, e.KiSt_sonstig - o.KiSt_sonstig};
}

// Why the employer may not adjust the year (section 42b (1) EStG), as far
// as the inputs say it.
std::vector<std::string> Ausschluesse(const TLohnjahr& j) {
  std::vector<std::string> g;
  const int jahr = j.Jahr;
  if (!JahresRegeln(jahr).Bescheinigung) {
    g.push_back("der Jahresausgleich wird erst ab " +
                std::to_string(ErstesJahrMit([](const TJahresRegeln& r) { return r.Bescheinigung; })) +
                " gerechnet, nicht für " + std::to_string(jahr));
    return g;
  }
  if (j.AusgleichAbgelehnt) g.push_back("der Arbeitnehmer will keinen Jahresausgleich durch den Arbeitgeber");
  if (j.Beginn != TDatum{jahr, 1, 1} || j.Ende != TDatum{jahr, 12, 31}) {
    g.push_back("nicht das ganze Jahr beschäftigt (" + DatumText(j.Beginn) + " bis " + DatumText(j.Ende) + ")");
  }
  const auto monate = [&](auto bedingung) {
    std::string namen;
    for (const TLohnjahrMonat& m : j.Monate) {
      if (!bedingung(m)) continue;
      namen += std::string(namen.empty() ? "" : ", ") + Monatsname(m.Monat);
    }
    return namen;
  };
  const std::uint8_t klasse = j.Monate.front().Anfrage.STKL;
  if (const std::string n = monate([](const TLohnjahrMonat& m) { return m.Anfrage.STKL >= 5; }); !n.empty()) {
    g.push_back("Steuerklasse V oder VI (" + n + ")");
  } else if (!monate([&](const TLohnjahrMonat& m) { return m.Anfrage.STKL != klasse; }).empty()) {
    g.push_back("Steuerklasse II, III oder IV nur für einen Teil des Jahres");
  }
  if (const std::string n = monate([](const TLohnjahrMonat& m) {
        return m.Anfrage.Freibetrag != 0 || m.Anfrage.Hinzurechnung != 0;
      });
      !n.empty()) {
    g.push_back("Freibetrag oder Hinzurechnungsbetrag (" + n + ")");
  }
  if (const std::string n = monate([](const TLohnjahrMonat& m) { return m.Anfrage.Faktor && m.Anfrage.STKL == 4; });
      !n.empty()) {
    g.push_back("Faktorverfahren (" + n + ")");
  }
  if (const std::string n = monate([](const TLohnjahrMonat& m) { return m.Lohnersatz > 0; }); !n.empty()) {
    g.push_back("Kurzarbeitergeld, Zuschuss zum Mutterschaftsgeld oder eine andere Lohnersatzleistung (" + n + ")");
  }
  if (const std::string n = monate([](const TLohnjahrMonat& m) { return m.SteuerfreiDBA + m.SteuerfreiATE > 0; });
      !n.empty()) {
    g.push_back("steuerfreier Arbeitslohn nach einem Doppelbesteuerungsabkommen oder dem Auslandstätigkeitserlass (" +
                n + ")");
  }
  if (const std::string n = monate([](const TLohnjahrMonat& m) { return m.Unterbrechung; }); !n.empty()) {
    g.push_back("Großbuchstabe U: Unterbrechung ohne Anspruch auf Arbeitslohn (" + n + ")");
  }
  if (const std::string n = monate([](const TLohnjahrMonat& m) { return m.Ergebnis.LStPausch > 0; }); !n.empty()) {
    g.push_back("pauschal besteuerter Minijob, keine Lohnsteuer nach Lohnsteuerabzugsmerkmalen (" + n + ")");
  }
  // The provision allowance's parts the same all year (No. 5): the
  // insurance, the add-on rate, the surcharge of the childless; from 2024
  // the care discounts for children too.
  const TVorsorge erste = VorsorgeDesMonats(j.Monate.front());
  std::vector<std::string> teile;
  const auto pruefen = [&](auto teil, const char* text) {
    if (!monate([&](const TLohnjahrMonat& m) { return teil(VorsorgeDesMonats(m)) != teil(erste); }).empty()) {
      teile.emplace_back(text);
    }
  };
  pruefen([](const TVorsorge& v) { return v.Gruppe; }, "Beitragsgruppe");
  pruefen([](const TVorsorge& v) { return std::tuple(v.Privat, v.PrivatBeitrag, v.PrivatBeitragPV); },
          "private Kranken- und Pflegeversicherung");
  pruefen([](const TVorsorge& v) { return v.Zusatz; }, "Zusatzbeitragssatz der Krankenkasse");
  pruefen([](const TVorsorge& v) { return v.Kinderlos; }, "Beitragszuschlag für Kinderlose");
  if (jahr >= 2024) pruefen([](const TVorsorge& v) { return v.Abschlaege; }, "Abschläge für Kinder in der Pflegeversicherung");
  if (!teile.empty()) {
    std::string text = "Teilbeträge der Vorsorgepauschale nicht das ganze Jahr gleich (";
    for (std::size_t i = 0; i < teile.size(); ++i) text += (i > 0 ? ", " : "") + teile[i];
    g.push_back(text + ")");
  }
  return g;
}

// The annual adjustment: the December flowchart on the year's wage as a
// yearly wage with the features of December, against the taxes withheld
// on it; severance and multi-year pay stay out with their taxes (section
// 42b (2) EStG: included only on the employee's request).
TJahresausgleich Jahresausgleich(const TLohnjahr& j) {
  TJahresausgleich ja;
  ja.Gruende = Ausschluesse(j);
  if (!ja.Gruende.empty()) return ja;
  const TLohnjahrMonat& dezember = j.Monate.back();
  TAnfrage jahr = Wiederholt(dezember.Anfrage);
  jahr.LZZ = 1;
  jahr.VBEZ = 0;
  jahr.VBEZM = dezember.Anfrage.VBEZM;
  jahr.ZMVB = 0;
  for (const TLohnjahrMonat& m : j.Monate) {
    const TMonatsErgebnis& e = m.Ergebnis;
    ja.Jahresarbeitslohn += e.SteuerBrutto - e.Abfindung;
    const TSteuern abfindung = SteuernDerAbfindung(m);
    ja.LStEinbehalten += e.LSt - abfindung.LSt;
    ja.SoliEinbehalten += e.Soli - abfindung.Soli;
    ja.KiStEinbehalten += e.KiSt - abfindung.KiSt;
    if (m.Anfrage.VBEZ > 0) {
      // The pensions of the year; the first full month's is the yearly
      // allowance's base where not stated.
      jahr.VBEZ += m.Anfrage.VBEZ;
      jahr.ZMVB = static_cast<std::uint8_t>(jahr.ZMVB + 1);
      if (jahr.VBEZM == 0 && !m.Anfrage.Teilmonat) jahr.VBEZM = m.Anfrage.VBEZ;
    }
  }
  if (jahr.ZMVB == 0) jahr.ZMVB = 12;
  jahr.Brutto = ja.Jahresarbeitslohn;
  jahr.VBEZS = 0;
  jahr.STERBE = 0;
  // The year's wage is its taxable wage as a whole: its parts are in it.
  jahr.DienstwagenListenpreis = 0;
  jahr.DienstwagenKm = 0;
  jahr.DienstwagenSatz.reset();
  jahr.Sachbezug = 0;
  jahr.Steuerfrei = 0;
  jahr.Entgeltumwandlung = 0;
  jahr.VWLAG = 0;
  jahr.VWLSparbetrag = 0;
  jahr.Kindergeld.reset();
  jahr.SonstigeAbzuege = 0;
  jahr.AGZusatz = 0;
  const TMonatsErgebnis r = Abrechnen(dezember.Parameter, jahr);
  ja.LStJahr = r.LSt;
  ja.SoliJahr = r.Soli;
  ja.KiStJahr = r.KiSt;
  ja.LStJA = std::max<std::int64_t>(ja.LStEinbehalten - ja.LStJahr, 0);
  ja.SoliJA = std::max<std::int64_t>(ja.SoliEinbehalten - ja.SoliJahr, 0);
  ja.KiStJA = std::max<std::int64_t>(ja.KiStEinbehalten - ja.KiStJahr, 0);
  ja.Durchgefuehrt = true;
  return ja;
}

}  // namespace

TAnfrage AlsLohnmonat(const TAnfrage& vorher) {
  TAnfrage a = vorher;
  a.SonstigerBezug = 0;
  a.Abfindung = 0;
  a.Fuenftelregelung = false;
  a.Jahresarbeitslohn.reset();
  a.BisherigeSonstigeBezuege = 0;
  a.SVTage.reset();
  a.SVEntgeltBisherKV.reset();
  a.SVEntgeltBisherRV.reset();
  a.Teilmonat.reset();
  return a;
}

TLohnjahr LohnjahrRechnen(const TLohnjahrAnfrage& a) {
  TLohnjahr j;
  const auto fehler = [&](int monat, std::string text) {
    TLohnjahr f;
    f.Jahr = j.Jahr;
    f.Fehler = std::move(text);
    f.FehlerMonat = monat;
    return f;
  };
  if (a.Monate.empty()) return fehler(0, "Das Lohnkonto hat keinen Monat");
  j.Jahr = a.Monate.front().Parameter.Jahr;
  j.AusgleichAbgelehnt = a.AusgleichAbgelehnt;
  const int jahr = j.Jahr;
  const std::string jahrText = std::to_string(jahr);

  // ---- the rows: each month once, of one year, monthly pay --------------
  std::array<int, 13> zeile;
  zeile.fill(-1);
  for (std::size_t i = 0; i < a.Monate.size(); ++i) {
    const TLohnMonatEingabe& e = a.Monate[i];
    if (e.Monat < 1 || e.Monat > 12) return fehler(0, "Monat " + std::to_string(e.Monat) + " ist kein Monat von 1 bis 12");
    const std::string name = Monatsname(e.Monat);
    if (zeile[e.Monat] >= 0) return fehler(e.Monat, "Der Monat " + name + " ist mehr als einmal angegeben");
    if (e.Parameter.Jahr != jahr) {
      return fehler(e.Monat, "Ein Lohnkonto hat ein Jahr: " + name + " gehört zu " + std::to_string(e.Parameter.Jahr) +
                                 ", der erste Monat zu " + jahrText);
    }
    if (!e.Parameter.Lohnsteuer()) return fehler(e.Monat, "Keine Lohnsteuer für " + jahrText + " vorhanden.");
    if (!e.Parameter.R().Vorhanden) {
      return fehler(e.Monat, "Für " + jahrText + " ist die Sozialversicherung nicht hinterlegt: das Lohnkonto braucht sie");
    }
    const TAnfrage& r = e.Anfrage;
    if (r.LZZ != 2) return fehler(e.Monat, "Das Lohnkonto rechnet Monatslöhne ({Zeitraum} monat)");
    if (r.Teilmonat) {
      return fehler(e.Monat, "{Teilmonat} ergibt sich im Lohnkonto aus dem Eintritt und dem Austritt");
    }
    if (const auto f = JahresstandGegeben(r)) {
      return fehler(e.Monat, "{" + std::string(FeldKennung(*f)) + "} ergibt sich im Lohnkonto aus den früheren Monaten");
    }
    if (e.Lohnersatz < 0) return fehler(e.Monat, "Die Lohnersatzleistung darf nicht negativ sein");
    if (e.SteuerfreiDBA < 0 || e.SteuerfreiATE < 0) {
      return fehler(e.Monat, "Der steuerfreie Arbeitslohn nach DBA oder ATE darf nicht negativ sein");
    }
    zeile[e.Monat] = static_cast<int>(i);
  }

  // ---- the employment within the year -------------------------------------
  int ersterMonat = 1;
  while (zeile[ersterMonat] < 0) ++ersterMonat;
  j.Beginn = {jahr, ersterMonat, 1};
  j.Ende = {jahr, 12, 31};
  if (a.Eintritt) {
    if (a.Eintritt->Jahr > jahr) {
      return fehler(0, "Der Eintritt am " + DatumText(*a.Eintritt) + " liegt nach dem Jahr " + jahrText);
    }
    j.Beginn = a.Eintritt->Jahr == jahr ? *a.Eintritt : TDatum{jahr, 1, 1};
  }
  if (a.Austritt) {
    if (a.Austritt->Jahr < jahr) {
      return fehler(0, "Der Austritt am " + DatumText(*a.Austritt) + " liegt vor dem Jahr " + jahrText);
    }
    if (a.Austritt->Jahr == jahr) j.Ende = *a.Austritt;
  }
  if (a.Eintritt && a.Austritt && *a.Austritt < *a.Eintritt) {
    return fehler(0, "Der Austritt am " + DatumText(*a.Austritt) + " liegt vor dem Eintritt am " + DatumText(*a.Eintritt));
  }
  for (int m = 1; m <= 12; ++m) {
    if (zeile[m] >= 0 && (m < j.Beginn.Monat || m > j.Ende.Monat)) {
      return fehler(m, std::string("Der Monat ") + Monatsname(m) + " liegt außerhalb der Beschäftigung (" +
                           DatumText(j.Beginn) + " bis " + DatumText(j.Ende) + ")");
    }
  }

  // ---- the months in order ------------------------------------------------
  TJahresStand stand;
  int svTage = 0;
  const TAnfrage* vorher = nullptr;  // the request a month without a row repeats
  bool vorherTeilmonat = false;
  // The calendar days of a month within the employment.
  const auto kalendertage = [&](int m) {
    const int von = m == j.Beginn.Monat ? j.Beginn.Tag : 1;
    const int bis = m == j.Ende.Monat ? j.Ende.Tag : TageImMonat(jahr, m);
    return bis - von + 1;
  };
  j.Monate.reserve(static_cast<std::size_t>(j.Ende.Monat - j.Beginn.Monat + 1));
  for (int m = j.Beginn.Monat; m <= j.Ende.Monat; ++m) {
    const std::string name = Monatsname(m);
    const int tage = kalendertage(m);
    const bool teilmonat = tage < TageImMonat(jahr, m);
    TLohnjahrMonat& lm = j.Monate.emplace_back();
    lm.Monat = m;
    lm.Eingabe = zeile[m];
    if (zeile[m] >= 0) {
      const TLohnMonatEingabe& e = a.Monate[static_cast<std::size_t>(zeile[m])];
      lm.Parameter = e.Parameter;
      lm.Anfrage = e.Anfrage;
      lm.Unterbrechung = e.Unterbrechung;
      lm.Lohnersatz = e.Lohnersatz;
      lm.SteuerfreiDBA = e.SteuerfreiDBA;
      lm.SteuerfreiATE = e.SteuerfreiATE;
    } else {
      if (vorher == nullptr) {
        return fehler(m, "Für " + name + ", den ersten Monat der Beschäftigung, fehlt die Zeile");
      }
      if (vorherTeilmonat) {
        return fehler(m, "Für " + name + " fehlt die Zeile; der Vormonat ist ein Teilmonat, sein Lohn ist kein Monatslohn");
      }
      if (teilmonat) {
        return fehler(m, "Für " + name + " fehlt die Zeile des Teilmonats (" + std::to_string(tage) +
                             " Kalendertage): sein Lohn ist der für diese Tage gezahlte");
      }
      lm.Parameter = Parameter(jahr, m, j.Monate[j.Monate.size() - 2].Parameter.Ue);
      lm.Anfrage = Wiederholt(*vorher);
      const std::vector<TBefund> befunde = Pruefen(lm.Parameter, lm.Anfrage);
      if (const TBefund* b = ErsterFehler(befunde)) return fehler(m, name + " (wie der Vormonat): " + b->Meldung);
    }
    TAnfrage& r = lm.Anfrage;
    if (teilmonat) r.Teilmonat = tage;
    svTage = std::min(svTage + (teilmonat ? tage : 30), 360);
    lm.SVTage = svTage;
    if (MitEinmalzahlung(r)) {
      // The expected yearly wage: what was paid so far, this month's
      // current wage and the current wage to the end of the employment at
      // this month's rate (a part month's per day), no later one-off.
      const std::int64_t laufend = LaufenderSteuerlohn(lm.Parameter, r);
      int restTage = 0;
      for (int k = m + 1; k <= j.Ende.Monat; ++k) {
        restTage += kalendertage(k) < TageImMonat(jahr, k) ? kalendertage(k) : 30;
      }
      const double jeTag = static_cast<double>(laufend) / (teilmonat ? tage : 30);
      r.Jahresarbeitslohn = stand.Brutto + stand.SonstigeBezuege + laufend + Runden(jeTag * restTage);
      r.BisherigeSonstigeBezuege = stand.SonstigeBezuege;
    }
    if (r.SonstigerBezug > 0) {
      // The pro-rated ceilings of the days so far against the liable wage
      // so far; the March clause only for somebody employed last year.
      r.SVTage = svTage;
      r.SVEntgeltBisherKV = stand.SVEntgeltKV;
      r.SVEntgeltBisherRV = stand.SVEntgeltRV;
      if (m <= 3 && a.Eintritt && a.Eintritt->Jahr >= jahr - 1 && r.VorjahrSVTage == TAnfrage{}.VorjahrSVTage) {
        r.VorjahrSVTage = a.Eintritt->Jahr == jahr ? 0 : SVTageBisJahresende(*a.Eintritt);
      }
    }
    lm.Ergebnis = Abrechnen(lm.Parameter, r, stand);
    stand = lm.Ergebnis.Stand;
    // The days are the year's to count (entry and part months).
    stand.SVTage = svTage;
    lm.Unterbrechung = lm.Unterbrechung ||
                       (lm.Ergebnis.Gesamtbrutto == 0 && lm.Lohnersatz == 0 && lm.SteuerfreiDBA + lm.SteuerfreiATE == 0);
    Addieren(j.Summe, lm.Ergebnis);
    j.Lohnersatz += lm.Lohnersatz;
    j.SteuerfreiDBA += lm.SteuerfreiDBA;
    j.SteuerfreiATE += lm.SteuerfreiATE;
    j.Unterbrechungen += lm.Unterbrechung ? 1 : 0;
    // The months are reserved: the request stays where it is.
    vorher = &lm.Anfrage;
    vorherTeilmonat = teilmonat;
  }
  j.Summe.Stand = stand;
  if (a.Jahresausgleich) j.Jahresausgleich = Jahresausgleich(j);
  return j;
}

// ---- the certificate ----------------------------------------------------------

const std::vector<TBescheinigungsMuster>& BescheinigungsMuster() {
  static const std::vector<TBescheinigungsMuster> muster = {
      {"1", "Dauer des Dienstverhältnisses", false},
      {"2", "Zeiträume ohne Anspruch auf Arbeitslohn (Anzahl „U“)", false},
      {"3", "Bruttoarbeitslohn einschl. Sachbezüge ohne 9. und 10.", true},
      {"4", "Einbehaltene Lohnsteuer von 3.", true},
      {"5", "Einbehaltener Solidaritätszuschlag von 3.", true},
      {"6", "Einbehaltene Kirchensteuer des Arbeitnehmers von 3.", true},
      {"8", "In 3. enthaltene Versorgungsbezüge", true},
      {"10", "Ermäßigt besteuerte Entschädigungen und Arbeitslohn für mehrere Kalenderjahre", true},
      {"11", "Einbehaltene Lohnsteuer von 9. und 10.", true},
      {"12", "Einbehaltener Solidaritätszuschlag von 9. und 10.", true},
      {"13", "Einbehaltene Kirchensteuer des Arbeitnehmers von 9. und 10.", true},
      {"15",
       "Kurzarbeitergeld, Zuschuss zum Mutterschaftsgeld, Verdienstausfallentschädigung (Infektionsschutzgesetz), "
       "Aufstockungsbetrag und Altersteilzeitzuschlag",
       true},
      {"16a", "Steuerfreier Arbeitslohn nach Doppelbesteuerungsabkommen", true},
      {"16b", "Steuerfreier Arbeitslohn nach Auslandstätigkeitserlass", true},
      {"19",
       "Steuerpflichtige Entschädigungen und Arbeitslohn für mehrere Kalenderjahre, die nicht ermäßigt besteuert "
       "wurden – in 3. enthalten",
       true},
      {"22a", "Arbeitgeberanteil zur gesetzlichen Rentenversicherung", true},
      {"23a", "Arbeitnehmeranteil zur gesetzlichen Rentenversicherung", true},
      {"24a", "Steuerfreie Arbeitgeberzuschüsse zur gesetzlichen Krankenversicherung", true},
      {"24b", "Steuerfreie Arbeitgeberzuschüsse zur privaten Krankenversicherung", true},
      {"24c", "Steuerfreie Arbeitgeberzuschüsse zur Pflegeversicherung", true},
      {"25", "Arbeitnehmerbeiträge zur gesetzlichen Krankenversicherung", true},
      {"26", "Arbeitnehmerbeiträge zur sozialen Pflegeversicherung", true},
      {"27", "Arbeitnehmerbeiträge zur Arbeitslosenversicherung", true},
      {"28", "Beiträge zur privaten Kranken- und Pflege-Pflichtversicherung oder Mindestvorsorgepauschale", true},
  };
  return muster;
}

const TBescheinigungsZeile* TBescheinigung::Zeile(std::string_view nummer) const {
  for (const TBescheinigungsZeile& z : Zeilen) {
    if (nummer == z.Muster->Nummer) return &z;
  }
  return nullptr;
}

TBescheinigung Lohnsteuerbescheinigung(const TLohnjahr& j) {
  TBescheinigung b;
  b.Jahr = j.Jahr;
  // The months taxed by the features of the employee: a flat-taxed minijob
  // is certified by nobody.
  TMonatsErgebnis s;
  std::int64_t versorgung = 0;
  bool einmalzahlung = false;
  // A voluntary member of a statutory fund whose employer pays the fund
  // (KV 9): the employer's shares are tax-free subsidies, and the lines of
  // the employee's contributions show the whole contribution.
  std::int64_t zuschussKV = 0, zuschussPV = 0;
  for (const TLohnjahrMonat& m : j.Monate) {
    if (m.Ergebnis.LStPausch > 0) continue;
    Addieren(s, m.Ergebnis);
    if (m.Ergebnis.Beitragsgruppe && m.Ergebnis.Beitragsgruppe->KV == 9) {
      zuschussKV += m.Ergebnis.KV.AG + m.Ergebnis.KV2.AG;
      zuschussPV += m.Ergebnis.PV.AG + m.Ergebnis.PV2.AG;
    }
    versorgung += m.Anfrage.VBEZ;
    einmalzahlung = einmalzahlung || MitEinmalzahlung(m.Anfrage);
  }
  const TJahresausgleich ja = j.Jahresausgleich.value_or(TJahresausgleich{});
  const std::int64_t pkvPflege = s.PKVZuschussPV_AG + zuschussPV;
  struct TWert {
    const char* Nummer;
    std::int64_t Betrag;
    bool Immer;
  };
  const TWert werte[] = {
      {"3", s.SteuerBrutto - s.AbfindungFuenftel, true},
      {"4", s.LSt - s.LSt_fuenftel - ja.LStJA, true},
      {"5", s.Soli - s.Soli_fuenftel - ja.SoliJA, true},
      {"6", s.KiSt - s.KiSt_fuenftel - ja.KiStJA, true},
      {"8", versorgung, false},
      {"10", s.AbfindungFuenftel, false},
      {"11", s.LSt_fuenftel, false},
      {"12", s.Soli_fuenftel, false},
      {"13", s.KiSt_fuenftel, false},
      {"15", j.Lohnersatz, false},
      {"16a", j.SteuerfreiDBA, false},
      {"16b", j.SteuerfreiATE, false},
      {"19", s.Abfindung - s.AbfindungFuenftel, false},
      {"22a", s.RV.AG, true},
      {"23a", s.RV.AN, true},
      {"24a", zuschussKV, false},
      {"24b", s.PKVZuschuss_AG - s.PKVZuschussPV_AG, false},
      {"24c", pkvPflege, false},
      {"25", s.KV.AN + s.KV2.AN + zuschussKV, true},
      {"26", s.PV.AN + s.PV2.AN + zuschussPV, true},
      {"27", s.AV.AN, true},
      {"28", s.VKV, false},
  };
  const bool fuenftel = s.AbfindungFuenftel > 0;
  for (const TBescheinigungsMuster& m : BescheinigungsMuster()) {
    const std::string_view nummer = m.Nummer;
    if (nummer == "1") {
      b.Zeilen.push_back({&m, 0, DatumText(j.Beginn) + " - " + DatumText(j.Ende)});
    } else if (nummer == "2") {
      b.Zeilen.push_back({&m, j.Unterbrechungen, std::to_string(j.Unterbrechungen)});
    }
    for (const TWert& w : werte) {
      if (nummer != w.Nummer) continue;
      // The taxes on line 10 stand with it, even where they are 0.
      const bool zuZeile10 = fuenftel && (nummer == "11" || nummer == "12" || nummer == "13");
      if (w.Immer || w.Betrag != 0 || zuZeile10) b.Zeilen.push_back({&m, w.Betrag, {}});
    }
  }
  if (einmalzahlung && j.Beginn != TDatum{j.Jahr, 1, 1}) b.Grossbuchstaben = "S";
  return b;
}

}  // namespace lst
