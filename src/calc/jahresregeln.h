#pragma once
// What a tax year offers: its currency, the wage-tax flowcharts that exist
// for it, and which special cases of social insurance it knows (sliding
// zone, the employee's surcharges, the pension top-up of marginal
// employment, the care split of Saxony).  The calculator window enables its
// boxes from here; the command line lists it ("lohnsteuer-cli jahre") and
// applies the same rules.

#include <cstdint>
#include <string>

#include "calc/datensaetze.h"
#include "lohnsteuer/globale_lst_var.h"
#include "lohnsteuer/versionen.h"

namespace lst {

struct TJahresRegeln {
  int Jahr = 0;
  // Whether the year has a wage-tax program (1995 to kLetztesLStJahr).
  bool Lohnsteuer = false;
  // Whether the year has its social insurance (SVVorhanden: 1995 to 2026),
  // so that every calculation is offered.
  bool Vorhanden = false;
  // The pay month chooses the rule period of the social insurance and the
  // flowchart (from 2014; before, every year has one set of rules), and the
  // rule periods carry the employer's levies U1, U2 and the insolvency levy.
  bool PeriodenNachMonat = false;
  // The contribution group decides the contributions and what the
  // flowchart is told of the insurance (calc/beitragsgruppe.h; from 2014).
  bool Beitragsgruppen = false;
  // The payroll year's annual adjustment by the employer (section 42b EStG)
  // and the lines of the annual wage-tax certificate, by the rules and the
  // pattern kept here (from 2014).
  bool Bescheinigung = false;
  // Amounts of the year are pfennigs of the Deutsche Mark (1995 to 2001).
  bool DM = false;
  const char* Waehrung = "EUR";

  // The flowcharts of the year: versions ErsteVersion .. LetzteVersion of
  // kLStVersionen, each in force from its AbMonat (-1 for a year without).
  int ErsteVersion = -1;
  int LetzteVersion = -1;
  // The flowchart reads the pay-period allowance and addition as WFUNDF and
  // HINZUR (up to 2007; later LZZFREIB and LZZHINZU).
  bool FreibetragAlsWFUNDF = false;
  // Inputs of the later flowcharts: the additional health rate KVZ (from
  // 2015), the care discounts PVA (from 2024), the employer's subsidy to
  // private insurance as an amount PKPVAGZ (from 2026), and whether the
  // pension insurance still has an East ceiling of its own (up to 2024).
  bool KVZusatz = false;
  bool PVAbschlaege = false;
  bool AGZuschussBetrag = false;
  bool RentenOstGrenze = true;
  // The flowcharts from 2014 take the additional health rate, the care
  // surcharge and discounts and the insurance flags from the
  // social-insurance record.
  bool EingabenAusSV = false;
  // The printout has a line for the best-of test of the special table
  // (section 10c (2) EStG; 2008 and 2009, while the provision allowance
  // stood there).
  bool Guenstigerpruefung = false;
  // Captions that name the law of the year: the printout's rows of the
  // special table and of its best-of test (empty: no such row), and what
  // the window says of the special table.  Up to 2009 the provision
  // allowance stood in section 10c EStG, from 2010 in section 39b (2)
  // sentence 5 no. 3 EStG; up to 2013 the special table stood for private
  // health insurance as well, from 2014 for a contribution group without
  // pension insurance.
  std::string TextBesondereTabelle;
  std::string TextGuenstigerpruefung;
  std::string HinweisBesondereTabelle;
  // The tax-free wage of employees past the regular retirement age
  // (section 3 no. 21 EStG, from 2026) for a month, in cents; 0 where the
  // year has none.
  std::int64_t AktivrenteMonat = 0;
  // A table row computes without the factor method (from 2010; the older
  // table routines never read it).
  bool TabelleOhneFaktor = false;
  // The step of the tariff's yearly wage brackets in cents (pfennigs): 54 DM
  // up to 2001, 36 Euro up to 2004; from 2005 the taxable income goes in
  // whole Euro (100).
  std::int64_t Lohnstufe = 100;

  // Wage-tax flowcharts: the year's main routine always; the income-tax
  // routine (from 2002) and the table routine (from 2004) where the program
  // has them; 2013 has two flowcharts chosen by the basic allowance.
  bool Einkommensteuer = false;
  // Whether the income-tax display and table compute the year (from 2002
  // with the routine, before through the flowchart's tariff step).
  bool EinkommensteuerTarif = false;
  bool Tabelle = false;
  bool GrundfreibetragWahl = false;
  // The largest KRV of the flowchart (1 up to 2009, 2 from 2010).
  int HoechsterKRV = 1;
  // The flowchart taxes one-off payments (SONSTB, from 2002, the first
  // flowchart with multi-year pay), and multi-year pay and severance by the
  // one-fifth rule (VMT, 2002 to 2024).
  bool SonstigeBezuege = false;
  bool Fuenftelregelung = false;
  // Which flowchart(s) the program implements, in words.
  std::string Ablaufplaene;

  // Sliding zone: from which month of the year it applies (0: none; 4 for
  // 2003, whose zone began on 1 April) and its monthly bounds in cents.
  int GleitzoneAbMonat = 0;
  std::int64_t GleitzoneUnter = 0;
  std::int64_t GleitzoneOber = 0;
  // The employee's health surcharge (from July 2005) and the care surcharge
  // for the childless (from 2005): from which month; 0 = not in this year.
  int KVZuschlagAbMonat = 0;
  int PVZuschlagAbMonat = 0;
  // The employee's pension top-up of marginal employment (GF) and of
  // marginal employment in a private household (HH).
  bool AufstockungGF = false;
  bool AufstockungHH = false;
  // Child benefit of the window's child-benefit field (none in 1995: that
  // year's benefit depended on the parents' income).
  bool Kindergeld = false;

  // The flowchart's KRV for a person in or outside the statutory pension
  // insurance in a region: up to 2009 0 insured, 1 not; 2010 to 2024 0
  // insured West, 1 insured East, 2 not; from 2025 0 insured, 1 not.
  std::uint8_t KRV(bool versicherungsfrei, std::uint8_t region) const {
    if (HoechsterKRV < 2 || !RentenOstGrenze) return versicherungsfrei ? 1 : 0;
    return versicherungsfrei ? 2 : region == 0 ? 1 : 0;
  }

  bool Gleitzone() const { return GleitzoneAbMonat > 0; }
  bool KVZuschlag() const { return KVZuschlagAbMonat > 0; }
  bool PVZuschlag() const { return PVZuschlagAbMonat > 0; }
  // Whether the year levies contribution kind art at all (KV2 and PV2 only
  // from 2005; the top-up as above; the rest always).
  bool ArtVorhanden(int beschaeftigung, TSVArt art) const {
    if (!Vorhanden) return false;
    switch (art) {
      case svKV2: return KVZuschlag() && beschaeftigung == beNV;
      case svPV2: return PVZuschlag() && beschaeftigung == beNV;
      case svRVAuf:
        if (beschaeftigung == beGF) return AufstockungGF;
        if (beschaeftigung == beHH) return AufstockungHH;
        return false;
      default: return true;
    }
  }
};

// The rules of a year.  For a year with the wage tax alone Vorhanden is
// false and no social insurance is offered; for a year outside 1995 to
// kLetztesLStJahr nothing is.
const TJahresRegeln& JahresRegeln(int jahr);

// The first and the last year whose rules have a property (0 for none).
template <class Bedingung>
int ErstesJahrMit(Bedingung b);
template <class Bedingung>
int LetztesJahrMit(Bedingung b);

// Writes the pay-period allowance and addition into the flowchart's inputs
// under the names the year's flowchart reads.
void FreibetragSetzen(TLStVariablen& v, const TJahresRegeln& r, std::int64_t freibetrag,
                      std::int64_t hinzurechnung);

// The care rates in Saxony, where the employee bears half a point more and
// the employer as much less (the day of prayer and repentance stayed a
// holiday there, 1995 to 2013).  Applies only where a care contribution is
// levied from the employee (a rate above 0: not in marginal employment);
// returns false and leaves pv unchanged otherwise.
bool SachsenPVSaetze(int jahr, TSatzPaar& pv);
// The same under the rule period of a pay month (from 2014 the period's
// shift of the employer's share to the employee; before as above).
bool SachsenPVSaetze(int jahr, int monat, TSatzPaar& pv);

// The name of the reduced-base zone of low wages in a pay month:
// "Übergangsbereich" from July 2019, "Gleitzone" before.
const char* ZonenName(int jahr, int monat);

// The German name of a month 1 to 12 ("Januar" ... "Dezember"); "" outside.
const char* Monatsname(int monat);

// The display name of a wage-tax flowchart, a number of kLStVersionen:
// "Ablaufplan 2026" for the only flowchart of its year, otherwise with the
// pay months it is in force for, "Ablaufplan 2024 Dezember", "Ablaufplan
// 2023 ab Juli", "Ablaufplan 2023 Januar bis März".  Empty for a number
// outside the table.
std::string AblaufplanName(int version);
// The name of the flowchart in force in a pay month (1 to 12) of a year;
// empty for a year without a flowchart.
std::string AblaufplanName(int jahr, int monat);

// Whether a year's amounts are pfennigs of the Deutsche Mark.
constexpr bool DMJahr(int jahr) { return jahr < 2002; }

// Currency symbol of a year's amounts: "DM" up to 2001, "EUR" from 2002.
const char* JahresWaehrung(int jahr);

template <class Bedingung>
int ErstesJahrMit(Bedingung b) {
  for (int j = kErstesJahr; j <= kLetztesLStJahr; ++j)
    if (b(JahresRegeln(j))) return j;
  return 0;
}

template <class Bedingung>
int LetztesJahrMit(Bedingung b) {
  for (int j = kLetztesLStJahr; j >= kErstesJahr; --j)
    if (b(JahresRegeln(j))) return j;
  return 0;
}

}  // namespace lst
