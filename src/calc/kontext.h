#pragma once
// The state that a calculation shares across the core: the selected tax year,
// the display currency, the basic allowance of 2013, the table-mode flag, the
// contribution ceilings and rates of the year, the inputs and outputs of the
// wage-tax programs and the programs themselves.
// The application owns one instance and passes it to every window; tests and
// the command line make their own.

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "calc/geld.h"
#include "calc/sozialversicherung.h"
#include "lohnsteuer/versionen.h"
#include "lohnsteuer/werk.h"

namespace lst {

class TLohnsteuerProgramm;

// The last year with social insurance and the whole calculation; the wage
// tax reaches to kLetztesLStJahr (lohnsteuer/versionen.h).
constexpr int kLetztesJahr = 2013;

struct TRechenKontext : TFlussplanWerk {
  TRechenKontext();
  ~TRechenKontext();
  TRechenKontext(const TRechenKontext&) = delete;
  TRechenKontext& operator=(const TRechenKontext&) = delete;

  bool EuroAnzeige = true;
  double DMFaktor = 1.95583;
  bool ArbeitnehmerSicht = true;
  // Employer's flat-rate wage tax loaded with the year's rates, as a fraction.
  double PauschSatz = PauschStProzentStandard(2013) / 100;
  // Contribution ceilings and rates of the selected year.  SVBerechnen
  // measures against BBGTabelle; the window copies the row of the employment
  // type in force from SVSatzTabelle into TSVEingabe::Saetze.
  TBBGTabelle BBGTabelle = BBGStandard(2013);
  TSVSatzTabelle SVSatzTabelle = SVSaetzeStandard(2013);
  // Currency symbol of the last AusCent: "EUR" or "DM".
  std::string Waehrung = "EUR";

  // Which flowchart of LStJahr runs (from 2014 a year can have several):
  // the one in force in the pay month LStMonat (1 to 12), or LStVersion
  // (a number of kLStVersionen) when that belongs to LStJahr.
  std::uint8_t LStMonat = 12;
  int LStVersion = -1;

  // The version that runs for a year under LStMonat and LStVersion, or -1.
  int VersionFuer(int jahr) const;

  // The wage-tax program of a year (of its version in force, see above),
  // created on first use; nullptr for a year without a program.
  TLohnsteuerProgramm* Programm(int jahr);
};

// Displayed amount to stored cents of LStJahr's currency.
std::int64_t InCent(const TRechenKontext& k, double betrag);
// Stored cents to the displayed amount; sets k.Waehrung.
double AusCent(TRechenKontext& k, std::int64_t cent);

}  // namespace lst
