#pragma once
// Social-insurance contributions: health (KV), care (PV), pension (RV) and
// unemployment insurance (AV) of employee and employer for one pay period,
// with the sliding zone of low wages, marginal employment and its pension
// top-up, private health insurance and the employee-only surcharges KV2 and
// PV2.  Also the per-year parameters: contribution ceilings, default rates,
// minimum base of the top-up, sliding-zone factor and bounds.
//
// Years outside 1995 to 2013 have no parameters: their ceilings are 0, every
// default rate is -1 % (not levied), there is neither sliding zone nor top-up.

#include <array>
#include <cstdint>

#include "calc/datensaetze.h"
#include "common/ini_datei.h"

namespace lst {

struct TRechenKontext;

// The five contribution ceilings, in this order.  GF is the limit of marginal
// employment; the pension top-up uses it as its ceiling.
enum TBBGArt { bbgKV = 0, bbgPV, bbgRV, bbgAV, bbgGF, bbgAnzahl };

// Regions of TSVEingabe::Region.
enum TRegion { rgOst = 0, rgWest = 1 };

// Employment types, the rows of the rate table: normal employment,
// marginal employment ("GF / MiniJob"), marginal employment in a private
// household ("Minijob / priv. HH.").
enum TBeschaeftigung { beNV = 0, beGF, beHH, beAnzahl };

// Ceilings in cents per month: [ceiling kind][region].
using TBBGTabelle = std::array<std::array<std::int64_t, 2>, bbgAnzahl>;

// Contribution rates as fractions: [employment type][contribution kind],
// each a pair (employee, employer) in the layout of TSVEingabe::Saetze.
// A negative rate means that the contribution is not levied; the default
// tables write it as -1 percent, -0.01 here.
using TSVSatzTabelle = std::array<std::array<TSatzPaar, svAnzahl>, beAnzahl>;

// The five ceilings of one region converted to a pay period.
using TBBGZeitraum = std::array<std::int64_t, bbgAnzahl>;

// ---- per-year defaults ------------------------------------------------------

// Default ceilings of a year.
TBBGTabelle BBGStandard(int jahr);
// Default rates of a year (fractions; -0.01 where not levied).
TSVSatzTabelle SVSaetzeStandard(int jahr);
// Minimum base of the pension top-up in cents per month; -1 for a year
// without top-up.  Converted to the pay period like the ceilings.
std::int64_t AufstockungMindestBasis(int jahr);
// Sliding-zone factor F; -1 for a year without sliding zone.
double GleitzoneFaktor(int jahr);
// Lower and upper bound of the sliding zone in cents per month.
std::int64_t GleitzoneUntergrenze(int jahr);
std::int64_t GleitzoneObergrenze(int jahr);
// Default of the employer's flat-rate wage tax in percent.
double PauschStProzentStandard(int jahr);

// The ceiling a contribution kind is measured against.
constexpr TBBGArt BBGFuerArt(TSVArt art) {
  constexpr TBBGArt zuordnung[svAnzahl] = {bbgKV, bbgPV, bbgRV, bbgAV, bbgGF, bbgKV, bbgPV};
  return zuordnung[art];
}

// ---- calculation ------------------------------------------------------------

// The ceilings of a region (0 "Ost", anything else "West") converted from a
// month to the pay period LZZ: year m * 12, month m, week Runden(m / 30) * 7,
// day Runden(m / 30), each rounded to cents.  An unknown LZZ counts as month.
TBBGZeitraum BBGFuerZeitraum(const TBBGTabelle& tabelle, std::uint8_t lzz, std::uint8_t region);

// Bounds of the sliding zone of a year converted to the pay period LZZ as the
// ceilings are (BBGFuerZeitraum).  A wage w lies in the zone when
// Untergrenze < w <= Obergrenze.  Vorhanden is false for a year without
// sliding zone (both bounds then 0).
struct TGleitzoneGrenzen {
  bool Vorhanden = false;
  std::int64_t Untergrenze = 0;
  std::int64_t Obergrenze = 0;
};
TGleitzoneGrenzen GleitzoneGrenzenFuerZeitraum(int jahr, std::uint8_t lzz);

// Class and reduced base of a wage in the sliding zone of a year.
struct TGleitzoneBemessung {
  int Klasse = 1;               // -1 at or below the lower bound, 0 inside, 1 above
  std::int64_t Bemessung = 0;   // reduced base in cents
};
// The wage is one of the pay period LZZ and is measured against the bounds of
// that period (GleitzoneGrenzenFuerZeitraum); the reduced base is one of the
// same period.  A year without sliding zone (factor -1) puts every wage into
// class 1 with the unreduced base: its formula would give a negative base.
TGleitzoneBemessung GleitzoneBemessung(int jahr, std::uint8_t lzz, std::int64_t entgelt);
// The same for a monthly wage.
TGleitzoneBemessung GleitzoneBemessung(int jahr, std::int64_t entgelt);

// The employee's share of one contribution kind in the sliding zone, from the
// kind's rates and its (capped) base of the pay period LZZ.  Returns true when
// the reduced share applies, false when the base lies above the zone or the
// reduced share would be negative (it is then 0).
bool GleitzoneAnteil(int jahr, std::uint8_t lzz, std::int64_t& beitrag, double satzAG,
                     double satzAN, std::int64_t basis);
// The same for a monthly base.
bool GleitzoneAnteil(int jahr, std::int64_t& beitrag, double satzAG, double satzAN,
                     std::int64_t basis);

// All contributions of one pay period.  Sets k.LStJahr to jahr and measures
// against the ceilings k.BBGTabelle; the rates come from sv.Saetze.
// The employee-only surcharges KV2 and PV2 are rounded together with the
// employee's KV or PV share; their entries are the combined share less the
// share without surcharge.  The top-up entries (RVAuf) are 0 without
// Aufstockung; with it the RVAuf employee entry repeats the employee's
// pension share, which is then the whole top-up.  No entry leaves +-10^15.
void SVBerechnen(TRechenKontext& k, int jahr, const TLohnZeitraum& zeitraum,
                 const TSVEingabe& sv, TSVErgebnis& ergebnis);

// ---- settings ------------------------------------------------------------------
//
// Ceilings live in the section "BMG" + four-digit year (e.g. "BMG2013") under
// the keys ceiling + region ("KVOst", "KVWest", ... "GFWest"), in cents per
// month.  Rates live in the section "SV" + year under the keys type + kind +
// share ("NVKVAN", "GFRVAG", "HHRVAufAN", ...), in percent.  The section
// "LSt" + year holds the solidarity-surcharge percentage "Soli" and the
// employer's flat-rate percentage "PauschSt".  Missing keys give the year's
// defaults; so do damaged values: text that is no number, and numbers out of
// range (ceilings 100 to 999999999 cents; rates 0 to 100 percent, or -1 where
// the year's default is -1 as well; "Soli" 0 to 10; "PauschSt" 0 to 100).
// The loaders that take a report add one entry per damaged value to it.
// The loaders that take a TNewIniFile read and parse the file once; to read
// several things of one consistent version, take one TIniAbbild and pass it.

TBBGTabelle BBGLaden(const TIniAbbild& ini, int jahr, TEinstellungsBericht* bericht = nullptr);
TBBGTabelle BBGLaden(const TNewIniFile& ini, int jahr);
// Writes the ten ceilings of a year in one go.  False when the file could
// not be written or a ceiling is out of range; the file is then unchanged.
bool BBGSpeichern(TNewIniFile& ini, int jahr, const TBBGTabelle& tabelle);

// The rates of a year (fractions), the flat-rate tax (fraction) and the
// solidarity-surcharge percentage (as stored).
void SVSaetzeLaden(const TIniAbbild& ini, int jahr, TSVSatzTabelle& saetze, double& pauschSatz,
                   double& soliProzent, TEinstellungsBericht* bericht = nullptr);
void SVSaetzeLaden(const TNewIniFile& ini, int jahr, TSVSatzTabelle& saetze, double& pauschSatz,
                   double& soliProzent);
// Writes the 42 rates of a year in percent in one go, then "PauschSt" when
// pauschSatz is >= 0.  "Soli" is never written.  False when a rate would not
// read back (not a finite number or out of range; nothing is written), when
// pauschSatz is above 100 % (it is not written) or a write failed (when only
// the second failed, the rates are stored and "PauschSt" keeps its old value).
bool SVSaetzeSpeichern(TNewIniFile& ini, int jahr, const TSVSatzTabelle& saetze,
                       double pauschSatz);

// Loads rates, flat-rate tax, surcharge percentage and ceilings of k.LStJahr
// into the context.
void SVEinstellungenLaden(TRechenKontext& k, const TIniAbbild& ini,
                          TEinstellungsBericht* bericht = nullptr);
void SVEinstellungenLaden(TRechenKontext& k, const TNewIniFile& ini);

}  // namespace lst
