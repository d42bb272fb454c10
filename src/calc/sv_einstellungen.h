#pragma once
// The contribution ceilings and rates of a year in the settings file: the
// ceilings dialog, the rates of the calculator window and the command line
// read and write them here.

#include "calc/sozialversicherung.h"
#include "common/ini_datei.h"

namespace lst {

// Ceilings live in the section "BMG" + four-digit year (e.g. "BMG2013") under
// the keys ceiling + region ("KVOst", "KVWest", ... "GFWest"), in cents per
// month.  Rates live in the section "SV" + year under the keys type + kind +
// share ("NVKVAN", "GFRVAG", "HHRVAufAN", ...), in percent.  The section
// "LSt" + year holds the solidarity-surcharge percentage "Soli" and the
// employer's flat-rate percentage "PauschSt".  Missing keys give the year's
// defaults; so do damaged values: text that is no number, and numbers out of
// range (ceilings 100 to 999999999 cents; rates 0 to 100 percent with three
// decimals, or -1 where the year's default is -1 as well; "Soli" 0 to 10;
// "PauschSt" 0 to 100 with two decimals, as the window and the command line
// take a flat-rate tax).
// The loaders that take a report add one entry per damaged value to it.
// The loaders that take a TNewIniFile read and parse the file once; to read
// several things of one consistent version, take one TIniAbbild and pass it.

// From 2014 on the same sections and keys hold the values of the year's
// first rule period (for a period within the year, SVSaetzeStandard and
// BBGStandard with the month give the defaults).  The section "SV" + year
// also holds the values without a place in the rate table: "KVZusatz", the
// health fund's add-on rate in percent (missing: the year's average), "U1"
// and "U2", the employer's levies of normal employment in percent (missing:
// not given, the calculation's default applies); each in the range and with
// the decimals the command line takes (calc/satzeingabe.h).

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
// pauschSatz is not a flat-rate tax rate (0 to 100 % with two decimals; it
// is not written) or a write failed (when only the second failed, the rates
// are stored and "PauschSt" keeps its old value).
// The values named in bewahren (by section and key: damaged values a loader
// reported, which the user has not replaced) are left in the file as they
// stand.
bool SVSaetzeSpeichern(TNewIniFile& ini, int jahr, const TSVSatzTabelle& saetze,
                       double pauschSatz, const TEinstellungsBericht* bewahren = nullptr);

// The key of a rate in the section "SV" + year: type + kind + share
// ("NVKVAN", "GFRVAG", "HHRVAufAN").
std::string SVSatzSchluessel(int typ, int art, bool an);

// The values of "SV" + year beyond the rate table.  A missing or damaged
// value gives the default (reported like the rates).
struct TSVZusatzWerte {
  double KVZusatzProzent = -1;  // the fund's add-on rate; -1 before 2015
  double U1Prozent = -1;        // -1: not stored
  double U2Prozent = -1;
  // The fund's add-on rate as the user's own choice: the stored rate unless
  // it is the year's average (a default, which follows the pay month's
  // average); -1 without a choice.
  double EigenerZusatzbeitrag(int jahr) const;
};
// Everything the settings hold for a year as the parameters take it
// (calc/parameter.h): ceilings and rates of the row, flat-rate tax,
// surcharge rate, from 2014 the add-on rate and the levies, the basic
// allowance of 2013 (section "LoSt2013", key "GrdFreiB8130").
struct TUeberschreibungen;
TUeberschreibungen UeberschreibungenLaden(const TIniAbbild& ini, int jahr, TEinstellungsBericht* bericht = nullptr);

TSVZusatzWerte SVZusatzLaden(const TIniAbbild& ini, int jahr, TEinstellungsBericht* bericht = nullptr);
// Writes the three values (those below 0 are not written, nor those named
// in bewahren, as above).  False when a value is out of range (nothing is
// written) or the file could not be written.
bool SVZusatzSpeichern(TNewIniFile& ini, int jahr, const TSVZusatzWerte& werte,
                       const TEinstellungsBericht* bewahren = nullptr);

}  // namespace lst
