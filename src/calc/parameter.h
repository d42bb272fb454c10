#pragma once
// What the law fixes for one pay month of a year: the rule period of the
// social insurance with its ceilings and rates, the wage-tax flowchart in
// force, child benefit and levies — with the values the user stored for the
// year applied (TUeberschreibungen, from the settings file).  Built by one
// function, immutable; a calculation reads everything it needs of the law
// from here.  Up to 2013 a year has one set of rules: every month of it
// gives the same parameters.

#include <cstdint>
#include <optional>
#include <string>

#include "calc/jahresregeln.h"
#include "calc/sozialversicherung.h"

namespace lst {

// The values a user stored for a year.  The ceilings and rates are the
// year's row (from 2014 its first rule period): a stored value that equals
// the row's default follows the pay month's period, one of the user's own
// applies in every month.  Nothing stored: the law's values.
struct TUeberschreibungen {
  std::optional<TBBGTabelle> BBG;
  std::optional<TSVSatzTabelle> Saetze;
  std::optional<double> PauschSatz;        // employer's flat-rate tax, a fraction
  std::optional<double> SoliProzent;       // the surcharge rate of 1995 to 2002 in percent
  std::optional<double> KVZusatzProzent;   // the health fund's add-on rate (from 2015)
  std::optional<double> U1Prozent;         // the employer's levies of normal employment
  std::optional<double> U2Prozent;
  std::optional<int> Grundfreibetrag;      // 2013: 8004 or 8130
  friend bool operator==(const TUeberschreibungen&, const TUeberschreibungen&) = default;
};

struct TParameter {
  int Jahr = 0;
  // The pay month; up to 2013 always 12 (one set of rules a year).
  int Monat = 12;
  // The wage-tax flowchart that runs (a number of kLStVersionen), -1 for a
  // year without one.
  int Version = -1;
  // The year's descriptor (never null).
  const TJahresRegeln* Regeln = nullptr;
  // The rule period of the social insurance (up to 2013 December's, whose
  // zone, surcharges and top-up the year's calculation has always used).
  TSVPeriode Periode;
  // Ceilings and rates in force, with the stored values applied.
  TBBGTabelle BBG{};
  TSVSatzTabelle Saetze{};
  double PauschSatz = 0.02;
  double SoliProzent = 5.5;
  int Grundfreibetrag = 8130;  // of the 2013 tariff
  // The fund's add-on rate stored as the user's own choice (not the year's
  // average); -1 without.  The levies of normal employment as stored; -1
  // without (a stored 0 as well: the levy normal employment pays without).
  double KVZusatzEigen = -1;
  double U1NV = -1;
  double U2NV = -1;
  // The stored values these parameters were built with: another pay month
  // of the same settings is Parameter(Jahr, monat, Ue).
  TUeberschreibungen Ue;

  const TJahresRegeln& R() const { return *Regeln; }
  // Whether the year has a wage-tax flowchart and its social insurance.
  bool Lohnsteuer() const { return Version >= 0; }
};

// The parameters of a pay month (1 to 12; clamped) of a year with the
// stored values given.  version names a flowchart of the year outright
// (the one first published for a month that was corrected later); -1, or
// one of another year, takes the one in force by default.  The parameters
// without stored values and with the default flowchart are built once and
// kept.
TParameter Parameter(int jahr, int monat, const TUeberschreibungen& ueberschreibungen = {},
                     int version = -1);
// The same without stored values: a reference into the kept table (an empty
// parameter set for a year outside the tables).
const TParameter& StandardParameter(int jahr, int monat);

// The year whose parameters are the newest ones carried.
int NeuestesJahr();

// The key of the flowchart of the parameters ("2024dez"; the year where the
// year has one flowchart of its own, or none).
std::string AblaufplanSchluessel(const TParameter& p);

}  // namespace lst
