#pragma once
// The calculation entry points: the one door between the windows and the
// wage-tax programs of the nineteen tax years.

#include <cstdint>

#include "calc/datensaetze.h"
#include "calc/fehler.h"
#include "calc/sozialversicherung.h"
#include "lohnsteuer/zustand.h"

namespace lst {

class TLohnsteuerProgramm;

// The records of a calculation as the inputs of the wage-tax flowchart in
// z.LStVar (z.LStJahr the tax year; the ceilings bbg for the subsidy to a
// private insurance that the flowchart of 2026 takes).
void EingabenUebernehmen(TLStZustand& z, const TBBGTabelle& bbg, const TLohnZeitraum& lz, const TLStEingabe& e,
                         const TSVEingabe& sv);
// The taxes of one pay period with the flowchart program (bound to z; may
// be null where the flowchart-free flat rate applies): the employee's wage
// tax, surcharge and church tax, or a flat rate in its place, and the
// employer's flat-rate tax.  Throws TLStFehler where the flowchart is
// needed and missing.
void SteuerRechnen(TLStZustand& z, TLohnsteuerProgramm* programm, const TBBGTabelle& bbg, const TLohnZeitraum& lz,
                   const TLStEingabe& e, TLStErgebnis& erg, const TSVEingabe& sv);

// A yearly wage in cents as the wage of the pay period lzz of the tables,
// and back; the week rounds half up both ways, so that a weekly wage
// survives the round trip (halves away from zero for wages >= 0).
std::int64_t ZeitraumAusJahr(std::int64_t jahr, std::uint8_t lzz);
std::int64_t JahrAusZeitraum(std::int64_t lohn, std::uint8_t lzz);

// One row of the wage-tax table for the yearly wage lz.RE4 in cents, with
// the flowchart program bound to z: the bounds of its bracket in cents of
// the pay period lz.LZZ, and in erg the taxes of a single calculation with
// the bracket's top and the other inputs as given (without the factor
// method); euro is the display currency.  Returns the yearly wage at which
// the next row starts (0 for a year without a program).
std::int64_t TabelleRechnen(TLStZustand& z, TLohnsteuerProgramm* programm, const TBBGTabelle& bbg, bool euro,
                           const TLohnZeitraum& lz, const TLStEingabe& e, const TSVEingabe& sv, TLStErgebnis& erg,
                           std::int64_t& stufeBis, std::int64_t& stufeVon);
// The income tax of z.LStJahr for a taxable income in whole currency units,
// with the program bound to z; surcharge and church-tax base for the pay
// period z.LStVar.LZZ at the church-tax rate kiStSatz.  Returns the tax in
// whole currency units.
std::int64_t EinkommensteuerRechnen(TLStZustand& z, TLohnsteuerProgramm* programm, std::uint8_t stkl,
                                    std::uint8_t kztab, TLStErgebnis& erg, std::int64_t einkommen, double kiStSatz);
// The same for an income that contains extraordinary income (a severance)
// taxed by the one-fifth rule of section 34 (1) EStG: five times the tax
// on a fifth of it above the rest of the income; where the rest is
// negative, five times the tax on a fifth of the income.  The surcharge
// and the church tax of the whole tax.  ohne: the tax on the rest alone
// (whole currency units), so that the part on the extraordinary income is
// the difference.  Years whose program has no income-tax routine of its
// own compute without the rule.
std::int64_t EinkommensteuerFuenftelRechnen(TLStZustand& z, TLohnsteuerProgramm* programm, std::uint8_t stkl,
                                            std::uint8_t kztab, TLStErgebnis& erg, std::int64_t einkommen,
                                            std::int64_t ausserordentlich, double kiStSatz, std::int64_t& ohne);
// The program itself where it computes the income tax (its routine or the
// tariff step), else nullptr.
TLohnsteuerProgramm* EinkommensteuerProgramm(TLohnsteuerProgramm* programm);

// Net-to-gross search: the gross wage of a request whose Netto (employee
// view) or AGGesamt (employer view), as shown in the display currency
// (calc/anzeige.h), equals the wish, given in cents of the display
// currency.  The search steps
// through the grosses the user can type and starts between 0.75 and 3 times
// the wish, widening that window (down to 0, upwards by doubling up to
// kGroessterWunschBrutto) until it holds the wish.  Where the amount jumps
// over the wish, the grosses up to WunschUmgebung steps on either side are
// tried too; where none of them meets the wish to the cent, the gross whose
// amount lies nearest to it is taken.  A wish of 0 or less, or one that no
// gross from 0 to kGroessterWunschBrutto reaches, throws TLStFehler with a
// German message naming the wish.
constexpr std::int64_t kGroessterWunschBrutto = 100'000'000'000;  // a billion
constexpr std::int64_t kWunschUmgebung = 200;  // at least

// The steps tried on either side of a jump over the wish: three wage steps of
// the year's tariff for the pay period lzz, at least kWunschUmgebung.
std::int64_t WunschUmgebung(int jahr, std::uint8_t lzz, bool euro);

struct TWunschErgebnis {
  std::int64_t Brutto = 0;           // cents of the year's currency (lz.RE4)
  std::int64_t BruttoAngezeigt = 0;  // the same gross in cents of the display currency
  bool Genau = false;                // the shown amount equals the wish to the cent
  std::int64_t Wert = 0;             // shown Netto or AGGesamt of the gross found
  // Without Genau: no shown gross from UmgebungVon to UmgebungBis meets the wish.
  std::int64_t UmgebungVon = 0, UmgebungBis = 0;
};

// The same search for a request, whose gross wage varies; euro is the
// display currency.  ergebnis, where given, receives the slip of the gross
// found.
struct TAnfrage;
struct TParameter;
struct TMonatsErgebnis;
TWunschErgebnis WunschBruttoSuchen(const TParameter& p, const TAnfrage& a, bool euro, std::int64_t wunsch,
                                   bool arbeitnehmerSicht, TMonatsErgebnis* ergebnis = nullptr);

}  // namespace lst
