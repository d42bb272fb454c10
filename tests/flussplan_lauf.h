#pragma once
// The wage-tax flowcharts run on raw records in a working space of the
// test's own, with the core's steps (calc/berechnung.h): for the tests of
// the flowcharts, of the tax, table and income-tax steps and of what a
// request tells the flowchart.  The space's year (LStJahr), basic allowance
// of 2013 (GFB) and loaded surcharge rate (SoliGeladen) are set by the test.

#include <cstdint>

#include "calc/abrechnung.h"
#include "calc/berechnung.h"
#include "calc/fehler.h"
#include "calc/sozialversicherung.h"
#include "lohnsteuer/programm.h"
#include "lohnsteuer/werk.h"

namespace lst {

// The flowchart of w.LStJahr in force in the pay month (up to 2013 the
// year's one), or nullptr.
inline TLohnsteuerProgramm* WerkProgramm(TFlussplanWerk& w, int monat = 12) {
  return w.ProgrammFuerMonat(w.LStJahr, monat);
}

// Runs that flowchart on the inputs in w.LStVar; throws TLStFehler for a
// year without one.
inline void WerkLohnsteuer(TFlussplanWerk& w, int monat = 12) {
  TLohnsteuerProgramm* p = WerkProgramm(w, monat);
  if (p == nullptr) KeineLohnsteuer(w.LStJahr);
  p->Lohnsteuer();
}

// The ceilings of a pay month (those of 2013 for a year without).
inline TBBGTabelle WerkGrenzen(int jahr, int monat = 12) {
  return SVVorhanden(jahr) ? BBGStandard(jahr, monat) : BBGStandard(2013);
}

// The tax step of raw records in a year with its flowchart of the pay
// month, against the ceilings of that month.  w.LStJahr becomes jahr;
// w.LStVar keeps the flowchart's inputs.
inline TLStErgebnis WerkSteuer(TFlussplanWerk& w, int jahr, const TLohnZeitraum& lz, const TLStEingabe& e,
                               const TSVEingabe& sv, int monat = 12) {
  w.LStJahr = static_cast<std::int16_t>(jahr);
  TLStErgebnis erg;
  SteuerRechnen(w, WerkProgramm(w, monat), WerkGrenzen(jahr, monat), lz, e, erg, sv);
  return erg;
}

// One row of the wage-tax table of w.LStJahr, shown in Euro (euro) or DM.
inline std::int64_t WerkTabelle(TFlussplanWerk& w, const TLohnZeitraum& lz, const TLStEingabe& e,
                                const TSVEingabe& sv, TLStErgebnis& erg, std::int64_t& stufeBis,
                                std::int64_t& stufeVon, bool euro = true) {
  return TabelleRechnen(w, WerkProgramm(w), WerkGrenzen(w.LStJahr), euro, lz, e, sv, erg, stufeBis, stufeVon);
}

// The income tax of w.LStJahr for a taxable income in whole currency units.
inline std::int64_t WerkEinkommensteuer(TFlussplanWerk& w, std::uint8_t stkl, std::uint8_t kztab,
                                        TLStErgebnis& erg, std::int64_t einkommen, double kiStSatz) {
  return EinkommensteuerRechnen(w, WerkProgramm(w), stkl, kztab, erg, einkommen, kiStSatz);
}

// What a request tells the flowchart: its records through the tax step of
// its parameters, the flowchart's inputs afterwards.
inline TLStVariablen FlussplanEingaben(const TParameter& p, const TAnfrage& a) {
  const TDatensaetze d = Aufbereiten(p, a);
  TFlussplanWerk w;
  w.LStJahr = static_cast<std::int16_t>(p.Jahr);
  w.GFB = p.Grundfreibetrag;
  w.SoliGeladen = p.SoliProzent;
  TLStErgebnis erg;
  SteuerRechnen(w, w.ProgrammVersion(p.Version), p.BBG, d.LZ, d.LSt, erg, d.SV);
  return w.LStVar;
}

}  // namespace lst
