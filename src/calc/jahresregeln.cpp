#include "calc/jahresregeln.h"

#include <array>

#include "calc/berechnung.h"
#include "lohnsteuer/werk.h"
#include "calc/sozialversicherung.h"
#include "lohnsteuer/programm.h"

namespace lst {

namespace {

TJahresRegeln Ermitteln(int jahr) {
  TJahresRegeln r;
  r.Jahr = jahr;
  r.Lohnsteuer = true;
  r.Vorhanden = SVVorhanden(jahr);
  r.PeriodenNachMonat = jahr > 2013;
  r.Beitragsgruppen = r.PeriodenNachMonat && r.Vorhanden;
  r.Bescheinigung = r.Beitragsgruppen;
  r.DM = DMJahr(jahr);
  r.Waehrung = r.DM ? "DM" : "EUR";
  for (int v = 0; v < kAnzahlLStVersionen; ++v) {
    if (kLStVersionen[v].Jahr != jahr) continue;
    if (r.ErsteVersion < 0) r.ErsteVersion = v;
    r.LetzteVersion = v;
  }
  r.FreibetragAlsWFUNDF = jahr <= kLetztesJahrMitWFUNDF;
  for (int v = 0; v < kAnzahlLStVersionen; ++v) {
    if (kLStVersionen[v].MitVMT && kLStVersionen[v].Jahr <= jahr) r.SonstigeBezuege = true;
    if (kLStVersionen[v].MitVMT && kLStVersionen[v].Jahr == jahr) r.Fuenftelregelung = true;
  }
  r.KVZusatz = jahr >= 2015;
  r.PVAbschlaege = jahr >= 2024;
  r.AGZuschussBetrag = jahr >= 2026;
  r.RentenOstGrenze = jahr <= 2024;
  r.EingabenAusSV = jahr > 2013;
  r.Guenstigerpruefung = jahr >= 2008 && jahr <= 2009;
  if (jahr <= 2009) {
    r.TextBesondereTabelle = "versicherungsfrei (§10c Abs.3 EStG)";
    r.HinweisBesondereTabelle =
        "Besondere Lohnsteuertabelle: nicht rentenversichert (Beamte u. a.), gekürzte Vorsorgepauschale nach "
        "§10c Abs.3 EStG";
  } else {
    r.TextBesondereTabelle = "nicht rentenversichert (§39b Abs.2 Satz 5 Nr.3 EStG)";
    r.HinweisBesondereTabelle =
        jahr <= 2013 ? "Besondere Lohnsteuertabelle: nicht rentenversichert und privat kranken- und pflegeversichert "
                       "(Beamte u. a.), Vorsorgepauschale ohne Teilbetrag der Rentenversicherung nach §39b Abs.2 "
                       "Satz 5 Nr.3 EStG, mindestens die Mindestvorsorgepauschale"
        : jahr <= 2025 ? "Besondere Lohnsteuertabelle: Beitragsgruppe ohne Rentenversicherung (RV 0), Vorsorgepauschale "
                         "ohne Teilbetrag der Rentenversicherung nach §39b Abs.2 Satz 5 Nr.3 EStG, mindestens die "
                         "Mindestvorsorgepauschale"
                       : "Besondere Lohnsteuertabelle: Beitragsgruppe ohne Rentenversicherung (RV 0), Vorsorgepauschale "
                         "ohne Teilbetrag der Rentenversicherung nach §39b Abs.2 Satz 5 Nr.3 EStG (seit 2026 ohne "
                         "Mindestvorsorgepauschale)";
  }
  if (r.Guenstigerpruefung) r.TextGuenstigerpruefung = "vers.frei, Günstprfg. nach §10c Abs.2 EStG";
  if (jahr >= 2026) r.AktivrenteMonat = 200000;
  r.TabelleOhneFaktor = jahr >= 2010;
  r.Lohnstufe = r.DM ? 5400 : jahr <= 2004 ? 3600 : 100;

  // The program answers for its routines; a context of its own keeps the
  // caller's untouched.
  TFlussplanWerk werk;
  TLohnsteuerProgramm* programm = werk.ProgrammFuerMonat(jahr);
  if (programm != nullptr) {
    r.Einkommensteuer = programm->HatEinkommensteuer();
    r.Tabelle = programm->HatTabelle();
  }
  r.EinkommensteuerTarif = EinkommensteuerProgramm(programm) != nullptr;
  r.GrundfreibetragWahl = jahr == 2013;
  r.HoechsterKRV = HoechsterKRV(jahr);
  if (jahr == 2013)
    r.Ablaufplaene =
        "zwei Ablaufpläne: Grundfreibetrag 8004 (vom 19.11.2012) und 8130 (vom 20.02.2013)";
  else if (jahr == 2011)
    r.Ablaufplaene = "Ablaufplan für Januar bis November (Arbeitnehmer-Pauschbetrag 920)";
  else if (r.LetzteVersion > r.ErsteVersion)
    r.Ablaufplaene = "mehrere Ablaufpläne, nach dem Lohnzahlungsmonat";
  else
    r.Ablaufplaene = "Ablaufplan des Jahres";
  if (!r.Vorhanden) return r;

  if (GleitzoneFaktor(jahr) >= 0) {
    r.GleitzoneAbMonat = jahr == 2003 ? 4 : 1;
    r.GleitzoneUnter = GleitzoneUntergrenze(jahr);
    r.GleitzoneOber = GleitzoneObergrenze(jahr);
  }
  const TSVSatzTabelle s = SVSaetzeStandard(jahr);
  if (s[beNV][svKV2].AN >= 0) r.KVZuschlagAbMonat = jahr == 2005 ? 7 : 1;
  if (s[beNV][svPV2].AN >= 0) r.PVZuschlagAbMonat = 1;
  r.AufstockungGF = s[beGF][svRVAuf].AN >= 0 && AufstockungMindestBasis(jahr) >= 0;
  r.AufstockungHH = s[beHH][svRVAuf].AN >= 0 && AufstockungMindestBasis(jahr) >= 0;
  r.Kindergeld = SVPeriode(jahr, 12).Kindergeld.T1 > 0;
  return r;
}

}  // namespace

const TJahresRegeln& JahresRegeln(int jahr) {
  // The rules never change while the program runs: found once per year.
  static const std::array<TJahresRegeln, kLetztesLStJahr - kErstesJahr + 1> tabelle = [] {
    std::array<TJahresRegeln, kLetztesLStJahr - kErstesJahr + 1> t;
    for (int j = kErstesJahr; j <= kLetztesLStJahr; ++j) t[j - kErstesJahr] = Ermitteln(j);
    return t;
  }();
  if (jahr < kErstesJahr || jahr > kLetztesLStJahr) {
    // A year without anything: the same empty rules for all of them.
    static const TJahresRegeln keine{};
    return keine;
  }
  return tabelle[jahr - kErstesJahr];
}

void FreibetragSetzen(TLStVariablen& v, const TJahresRegeln& r, std::int64_t freibetrag,
                      std::int64_t hinzurechnung) {
  if (r.FreibetragAlsWFUNDF) {
    v.WFUNDF = freibetrag;
    v.HINZUR = hinzurechnung;
  } else {
    v.LZZFREIB = freibetrag;
    v.LZZHINZU = hinzurechnung;
  }
}

const char* ZonenName(int jahr, int monat) {
  return jahr > 2019 || (jahr == 2019 && monat >= 7) ? "Übergangsbereich" : "Gleitzone";
}

bool SachsenPVSaetze(int jahr, TSatzPaar& pv) {
  // The years of one rate a year; later ones shift by the month's rates.
  const TJahresRegeln& r = JahresRegeln(jahr);
  if (!r.Lohnsteuer || r.PeriodenNachMonat) return false;
  if (!(pv.AN > 0)) return false;
  const double an = pv.AN;
  pv = {an + 0.005, an - 0.005};
  return true;
}

bool SachsenPVSaetze(int jahr, int monat, TSatzPaar& pv) {
  if (!(JahresRegeln(jahr).PeriodenNachMonat && SVVorhanden(jahr))) return SachsenPVSaetze(jahr, pv);
  if (!(pv.AN > 0)) return false;
  const TSatzPaar s = PVSaetzeSachsen(jahr, monat);
  const double verschiebung = s.AN - PVSaetzeAllgemein(jahr, monat).AN;
  pv = {pv.AN + verschiebung, pv.AG - verschiebung};
  return true;
}

const char* Monatsname(int monat) {
  static const char* const kNamen[] = {"Januar", "Februar", "März",      "April",   "Mai",      "Juni",
                                       "Juli",   "August",  "September", "Oktober", "November", "Dezember"};
  return monat >= 1 && monat <= 12 ? kNamen[monat - 1] : "";
}

std::string AblaufplanName(int version) {
  if (version < 0 || version >= kAnzahlLStVersionen) return {};
  const TLStVersion& v = kLStVersionen[version];
  std::string name = "Ablaufplan " + std::to_string(v.Jahr);
  const TLStMonate m = LStVersionMonate(version);
  std::string monate;
  if (m.Von == m.Bis) {
    monate = std::string(" ") + Monatsname(m.Von);
  } else if (m.Von > 1 && m.Bis == 12) {
    monate = std::string(" ab ") + Monatsname(m.Von);
  } else if (m.Von > 1 || m.Bis < 12) {
    monate = std::string(" ") + Monatsname(m.Von) + " bis " + Monatsname(m.Bis);
  }
  return name + monate + (v.Berichtigt ? " (ursprünglich)" : "");
}

std::string AblaufplanName(int jahr, int monat) { return AblaufplanName(LStVersionFuerMonat(jahr, monat)); }

const char* JahresWaehrung(int jahr) { return JahresRegeln(jahr).Waehrung; }

}  // namespace lst
