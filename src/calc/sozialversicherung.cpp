#include "calc/sozialversicherung.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "calc/geld.h"
#include "calc/jahresregeln.h"
#include "calc/kontext.h"
#include "common/ini_datei.h"

namespace lst {

namespace {

// Parameters of one year.  Amounts in cents (pfennigs up to 2001) per month,
// rates in percent; -1 marks a contribution that is not levied.
//
// Sources of the figures that are easy to get wrong:
// - 2002 pension and unemployment ceiling East 3.750 EUR a month (West
//   4.500 EUR): Sozialversicherungs-Rechengroessenverordnung 2002.
// - Limit of marginal employment (GF): 325 EUR in 2002 and up to March 2003,
//   400 EUR from April 2003 (so also in 2012), 450 EUR from 1 January 2013:
//   section 8 SGB IV in the version of the year.
// - Employee top-up rate of marginal employment 2000: the full pension rate
//   19,3 % less the employer's flat 12 % = 7,3 %.
struct TSVJahr {
  int Jahr;
  // Ceilings; KV and PV are equal, as are RV and AV.
  std::int64_t KVOst, KVWest, RVOst, RVWest, GFOst, GFWest;
  // Normal employment: employee and employer pay the same rate.
  double KV, PV, RV, AV;
  // Employee-only surcharges of normal employment.
  double KV2AN, PV2AN;
  // Marginal employment: flat employer rates and the employee's top-up rate.
  double GFKVAG, GFRVAG, GFRVAufAN;
  // Marginal employment in a private household.
  double HHKVAG, HHRVAG, HHRVAufAN;
};

constexpr TSVJahr kJahre[] = {
    {1995, 480000, 585000, 640000, 780000, 47000, 58000, 6.25, 0.5, 9.3, 3.25, -1, -1, 0, 0, -1, 0, 0, -1},
    {1996, 510000, 600000, 680000, 800000, 50000, 59000, 6.6, 0.5, 9.6, 3.25, -1, -1, 0, 0, -1, 0, 0, -1},
    {1997, 532500, 615000, 710000, 820000, 52000, 61000, 6.85, 0.85, 10.15, 3.25, -1, -1, 0, 0, -1, 0, 0, -1},
    {1998, 525000, 630000, 700000, 840000, 52000, 62000, 6.85, 0.85, 10.15, 3.25, -1, -1, 0, 0, -1, 0, 0, -1},
    {1999, 540000, 637500, 720000, 850000, 53000, 63000, 6.85, 0.85, 10.15, 3.25, -1, -1, 0, 0, -1, 0, 0, -1},
    {2000, 532500, 645000, 710000, 860000, 63000, 63000, 6.85, 0.85, 9.65, 3.25, -1, -1, 10, 12, 7.3, 0, 0, -1},
    {2001, 652500, 652500, 730000, 870000, 63000, 63000, 6.6, 0.85, 9.55, 3.25, -1, -1, 10, 12, 7.1, 0, 0, -1},
    {2002, 337500, 337500, 375000, 450000, 32500, 32500, 6.6, 0.85, 9.55, 3.25, -1, -1, 10, 12, 7.1, 0, 0, -1},
    {2003, 345000, 345000, 425000, 510000, 32500, 32500, 6.85, 0.85, 9.75, 3.25, -1, -1, 10, 12, 7.5, 0, 0, -1},
    {2004, 348750, 348750, 435000, 515000, 40000, 40000, 7.45, 0.85, 9.75, 3.25, -1, -1, 11, 12, 7.5, 5, 5, 14.5},
    {2005, 352500, 352500, 440000, 520000, 40000, 40000, 7.45, 0.85, 9.75, 3.25, 0.9, 0.25, 11, 12, 7.5, 5, 5, 14.5},
    {2006, 356250, 356250, 440000, 525000, 40000, 40000, 6.8, 0.85, 9.75, 3.25, 0.9, 0.25, 11, 12, 7.5, 5, 5, 14.5},
    {2007, 356250, 356250, 455000, 525000, 40000, 40000, 6.8, 0.85, 9.95, 2.1, 0.9, 0.25, 13, 15, 4.9, 5, 5, 14.9},
    {2008, 360000, 360000, 450000, 530000, 40000, 40000, 7.25, 0.85, 9.95, 1.65, 0.9, 0.25, 13, 15, 4.9, 5, 5, 14.9},
    {2009, 367500, 367500, 455000, 540000, 40000, 40000, 7.3, 0.975, 9.95, 1.4, 0.9, 0.25, 13, 15, 4.9, 5, 5, 14.9},
    {2010, 375000, 375000, 465000, 550000, 40000, 40000, 7.0, 0.975, 9.95, 1.4, 0.9, 0.25, 14, 15, 4.9, 5, 5, 14.9},
    {2011, 371250, 371250, 480000, 550000, 40000, 40000, 7.3, 0.975, 9.95, 1.5, 0.9, 0.25, 13, 15, 4.9, 5, 5, 14.9},
    {2012, 382500, 382500, 480000, 560000, 40000, 40000, 7.3, 0.975, 9.8, 1.5, 0.9, 0.25, 13, 15, 4.6, 5, 5, 14.6},
    {2013, 393750, 393750, 490000, 580000, 45000, 45000, 7.3, 1.025, 9.45, 1.5, 0.9, 0.25, 13, 15, 3.9, 5, 5, 13.9},
};

constexpr int kTabellenAnfang = 1995;
constexpr int kTabellenEnde = kTabellenAnfang + static_cast<int>(std::size(kJahre)) - 1;
static_assert(kTabellenEnde == 2013);

const TSVJahr* JahrDaten(int jahr) {
  if (jahr < kTabellenAnfang || jahr > kTabellenEnde) return nullptr;
  return &kJahre[jahr - kTabellenAnfang];
}

// A percentage of the tables as a fraction; -1 % (not levied) becomes -0.01.
// The division is the one the rate edits and the settings use, so a default
// rate and the same rate read back from the settings are the same double.
double Anteil(double prozent) { return prozent / 100; }

TSatzPaar Paar(double an, double ag) { return {Anteil(an), Anteil(ag)}; }

}  // namespace

// ---- per-year defaults ------------------------------------------------------

TBBGTabelle BBGStandard(int jahr) {
  TBBGTabelle t{};
  const TSVJahr* d = JahrDaten(jahr);
  if (!d) return t;
  t[bbgKV] = {d->KVOst, d->KVWest};
  t[bbgPV] = {d->KVOst, d->KVWest};
  t[bbgRV] = {d->RVOst, d->RVWest};
  t[bbgAV] = {d->RVOst, d->RVWest};
  t[bbgGF] = {d->GFOst, d->GFWest};
  return t;
}

TSVSatzTabelle SVSaetzeStandard(int jahr) {
  TSVSatzTabelle t;
  for (auto& zeile : t) zeile.fill(Paar(-1, -1));
  const TSVJahr* d = JahrDaten(jahr);
  if (!d) return t;

  auto& nv = t[beNV];
  nv[svKV] = Paar(d->KV, d->KV);
  nv[svPV] = Paar(d->PV, d->PV);
  nv[svRV] = Paar(d->RV, d->RV);
  nv[svAV] = Paar(d->AV, d->AV);
  nv[svRVAuf] = Paar(-1, -1);
  nv[svKV2] = Paar(d->KV2AN, -1);
  nv[svPV2] = Paar(d->PV2AN, -1);

  // Marginal employment: the employer pays flat KV and RV rates, the employee
  // nothing but the optional pension top-up, whose employer share is 0.
  auto geringfuegig = [](double kvAG, double rvAG, double aufAN) {
    std::array<TSatzPaar, svAnzahl> z;
    z.fill(Paar(0, 0));
    z[svKV].AG = Anteil(kvAG);
    z[svRV].AG = Anteil(rvAG);
    z[svRVAuf] = aufAN < 0 ? Paar(-1, -1) : Paar(aufAN, 0);
    z[svKV2] = Paar(-1, -1);
    z[svPV2] = Paar(-1, -1);
    return z;
  };
  t[beGF] = geringfuegig(d->GFKVAG, d->GFRVAG, d->GFRVAufAN);
  t[beHH] = geringfuegig(d->HHKVAG, d->HHRVAG, d->HHRVAufAN);
  return t;
}

// Section 163 (8) SGB VI: the top-up is paid on at least 155 EUR a month
// (300 DM in 2000 and 2001), from 1 January 2013 on at least 175 EUR.
std::int64_t AufstockungMindestBasis(int jahr) {
  if (jahr == 2013) return 17500;
  if (jahr >= 2002 && jahr <= 2012) return 15500;
  if (jahr >= 2000 && jahr <= 2001) return 30000;
  return -1;
}

// Section 163 (10) SGB VI: F is the flat rate of 25 % divided by the average
// total contribution rate of the year, as published for each year: 2003
// 0,5995 (41,7 %), 2004 and 2005 0,5952 (42,0 %), 2006 0,5967 (January to
// June; the factor of July to December, 0,7160, does not fit a yearly table).
double GleitzoneFaktor(int jahr) {
  switch (jahr) {
    case 2003: return 0.5995;
    case 2004:
    case 2005: return 0.5952;
    case 2006: return 0.5967;
    case 2007: return 0.7673;
    case 2008: return 0.7732;
    case 2009: return 0.7472;
    case 2010: return 0.7585;
    case 2011: return 0.7435;
    case 2012: return 0.7491;
    case 2013: return 0.7605;
    default: return -1.0;
  }
}

std::int64_t GleitzoneUntergrenze(int jahr) { return jahr >= 2013 ? 45000 : 40000; }
std::int64_t GleitzoneObergrenze(int jahr) { return jahr >= 2013 ? 85000 : 80000; }

double PauschStProzentStandard(int /*jahr*/) { return 2.0; }

// ---- calculation ------------------------------------------------------------

namespace {

// No contribution leaves this bound, whatever rates and bases come in, so
// that the sums and the net wage cannot overflow.
constexpr std::int64_t kBeitragGrenze = 1'000'000'000'000'000;  // 10^15 cents

std::int64_t Begrenzt(std::int64_t x) { return std::clamp(x, -kBeitragGrenze, kBeitragGrenze); }

// Runden(basis * satz), bounded.
std::int64_t Beitrag(std::int64_t basis, double satz) {
  return Begrenzt(Runden(static_cast<double>(basis) * satz));
}

// A monthly amount converted to the pay period LZZ.
std::int64_t MonatFuerZeitraum(std::int64_t m, std::uint8_t lzz) {
  const double md = static_cast<double>(m);
  switch (lzz) {
    case 1: return Runden(md * 12);
    case 3: return Runden(static_cast<double>(Runden(md / 30)) * 7);
    case 4: return Runden(md / 30);
    default: return m;
  }
}

// The employee's share in the sliding zone: twice the share of the rate
// `halb` on the reduced base g.Bemessung less the employer's share of the
// actual (capped) base; when the employer pays nothing, the rate `voll` on
// the reduced base.  For a kind whose employee and employer rates are equal,
// halb = voll = the employee's rate, and the result is the whole contribution
// on the reduced base less the employer's share.  May be negative.
std::int64_t ZonenAnteil(const TGleitzoneBemessung& g, double satzAG, double halb, double voll,
                         std::int64_t basis) {
  const std::int64_t ag = satzAG >= 0 ? Beitrag(basis, satzAG) : 0;
  if (ag <= 0) return Beitrag(g.Bemessung, voll);
  return Begrenzt(2 * Beitrag(g.Bemessung, halb) - ag);
}

}  // namespace

TGleitzoneGrenzen GleitzoneGrenzenFuerZeitraum(int jahr, std::uint8_t lzz) {
  if (GleitzoneFaktor(jahr) < 0) return {};
  return {true, MonatFuerZeitraum(GleitzoneUntergrenze(jahr), lzz),
          MonatFuerZeitraum(GleitzoneObergrenze(jahr), lzz)};
}

TBBGZeitraum BBGFuerZeitraum(const TBBGTabelle& tabelle, std::uint8_t lzz, std::uint8_t region) {
  const int r = region == rgOst ? rgOst : rgWest;
  TBBGZeitraum z{};
  for (int i = 0; i < bbgAnzahl; ++i) z[i] = MonatFuerZeitraum(tabelle[i][r], lzz);
  return z;
}

TGleitzoneBemessung GleitzoneBemessung(int jahr, std::uint8_t lzz, std::int64_t entgelt) {
  // Without a factor the year has no sliding zone: the reduction formula
  // would turn every low wage into a negative base and so the employee's
  // share into 0.  Such a wage is measured as any wage above the zone.
  const TGleitzoneGrenzen grenzen = GleitzoneGrenzenFuerZeitraum(jahr, lzz);
  if (!grenzen.Vorhanden || entgelt > grenzen.Obergrenze) return {1, entgelt};

  // The formula is linear in the bounds and the wage, so the bounds of the
  // pay period give the reduced base of that period directly.
  const double f = GleitzoneFaktor(jahr);
  const double ae = static_cast<double>(entgelt);
  if (entgelt <= grenzen.Untergrenze) return {-1, Runden(ae * f)};
  const double td = static_cast<double>(grenzen.Untergrenze);
  const double ud = static_cast<double>(grenzen.Obergrenze);
  if (jahr < 2013) return {0, Runden(f * td + (2 - f) * (ae - td))};
  return {0, Runden(f * td + (ud / (ud - td) - td / (ud - td) * f) * (ae - td))};
}

TGleitzoneBemessung GleitzoneBemessung(int jahr, std::int64_t entgelt) {
  return GleitzoneBemessung(jahr, 2, entgelt);
}

bool GleitzoneAnteil(int jahr, std::uint8_t lzz, std::int64_t& beitrag, double satzAG,
                     double satzAN, std::int64_t basis) {
  const TGleitzoneBemessung g = GleitzoneBemessung(jahr, lzz, basis);
  if (g.Klasse == 1) {
    beitrag = satzAN >= 0 ? Beitrag(basis, satzAN) : 0;
    return false;
  }
  beitrag = 0;
  if (satzAN < 0) return true;
  const std::int64_t an = ZonenAnteil(g, satzAG, satzAN, satzAN, basis);
  if (an < 0) return false;
  beitrag = an;
  return true;
}

bool GleitzoneAnteil(int jahr, std::int64_t& beitrag, double satzAG, double satzAN,
                     std::int64_t basis) {
  return GleitzoneAnteil(jahr, 2, beitrag, satzAG, satzAN, basis);
}

void SVBerechnen(TRechenKontext& k, int jahr, const TLohnZeitraum& zeitraum,
                 const TSVEingabe& sv, TSVErgebnis& ergebnis) {
  ergebnis = TSVErgebnis{};
  k.LStJahr = static_cast<std::int16_t>(jahr);
  const std::uint8_t lzz = zeitraum.LZZ;

  const TBBGZeitraum grenze = BBGFuerZeitraum(k.BBGTabelle, lzz, sv.Region);
  TBBGZeitraum basis{};
  for (int i = 0; i < bbgAnzahl; ++i) basis[i] = std::min(grenze[i], zeitraum.RE4);

  for (int art = 0; art < svAnzahl; ++art) {
    const TSatzPaar& satz = sv.Saetze[art];
    const std::int64_t b = basis[BBGFuerArt(static_cast<TSVArt>(art))];

    if (satz.AN >= 0) {
      if (sv.Gleitzone && !(art == svRV && sv.RVVerzicht)) {
        GleitzoneAnteil(jahr, lzz, ergebnis.AN(art), satz.AG, satz.AN, b);
      } else {
        ergebnis.AN(art) = Beitrag(b, satz.AN);
      }
    }
    if (satz.AG >= 0) ergebnis.AG(art) = Beitrag(b, satz.AG);
  }

  // The employee-only surcharges of health and care insurance are paid
  // together with the employee's share and rounded once with it: the
  // surcharge entry is the combined share less the share without the
  // surcharge, so that the share line keeps its meaning and the sum is the
  // amount of the pay slip.
  for (const auto& [zuschlag, grund] : {std::pair{svKV2, svKV}, std::pair{svPV2, svPV}}) {
    const double s = sv.Saetze[zuschlag].AN;
    if (!(s > 0)) continue;
    const TSatzPaar& satz = sv.Saetze[grund];
    const double an = std::max(satz.AN, 0.0);
    const std::int64_t b = basis[BBGFuerArt(grund)];
    std::int64_t gesamt = Beitrag(b, an + s);
    if (sv.Gleitzone) {
      // In the zone: 2 x Runden(reduced base x (AG + AN + surcharge) / 2)
      // less the employer's share, with the employee's rate standing for
      // the employer's as in the share line.
      const TGleitzoneBemessung g = GleitzoneBemessung(jahr, lzz, b);
      if (g.Klasse != 1) gesamt = std::max<std::int64_t>(ZonenAnteil(g, satz.AG, (an + an + s) / 2, an + s, b), 0);
    }
    ergebnis.AN(zuschlag) = std::max<std::int64_t>(gesamt - ergebnis.AN(grund), 0);
  }

  // Pension top-up of marginal employment: the employee makes up the
  // employer's flat rate to the full pension rate, on at least the minimum
  // base of the pay period.  An employer rate that is not levied counts as 0
  // here, so that the employee's share cannot turn negative.  The top-up
  // entry shows what the employee pays for it, and nothing without top-up.
  const std::int64_t mindestBasis = AufstockungMindestBasis(jahr);
  const double rvAG = sv.Saetze[svRV].AG;
  const double aufAN = sv.Saetze[svRVAuf].AN;
  ergebnis.AN(svRVAuf) = 0;
  ergebnis.AG(svRVAuf) = 0;
  if (sv.Aufstockung && mindestBasis >= 0 && aufAN >= 0) {
    const std::int64_t b = std::max(basis[bbgRV], MonatFuerZeitraum(mindestBasis, lzz));
    ergebnis.AN(svRV) = Begrenzt(Beitrag(b, std::max(rvAG, 0.0) + aufAN) - ergebnis.AG(svRV));
    ergebnis.AN(svRVAuf) = ergebnis.AN(svRV);
  }

  // Private health insurance: no statutory health or care contributions; the
  // private contribution only enters the wage tax.
  if (sv.PKV != 0) {
    for (int art : {svKV, svPV, svKV2, svPV2}) {
      ergebnis.AN(art) = 0;
      ergebnis.AG(art) = 0;
    }
  }

  // The top-up entries are shown but are no part of the sums.
  for (int art : {svKV, svPV, svRV, svAV, svKV2, svPV2}) {
    ergebnis.SVSummeAN() += ergebnis.AN(art);
    ergebnis.SVSummeAG() += ergebnis.AG(art);
  }
}

// ---- settings ------------------------------------------------------------------

namespace {

constexpr const char* kBBGName[bbgAnzahl] = {"KV", "PV", "RV", "AV", "GF"};
constexpr const char* kRegionName[2] = {"Ost", "West"};
constexpr const char* kTypName[beAnzahl] = {"NV", "GF", "HH"};
constexpr const char* kArtName[svAnzahl] = {"KV", "PV", "RV", "AV", "RVAuf", "KV2", "PV2"};

std::string Abschnitt(const char* name, int jahr) {
  char puffer[32];
  std::snprintf(puffer, sizeof puffer, "%s%04d", name, jahr);
  return puffer;
}

std::string BBGSchluessel(int art, int region) {
  return std::string(kBBGName[art]) + kRegionName[region];
}

std::string SatzSchluessel(int typ, int art, bool an) {
  return std::string(kTypName[typ]) + kArtName[art] + (an ? "AN" : "AG");
}

// A fraction as the percentage stored in the file, free of the representation
// error of the multiplication: 0.073 is stored as 7.3, not 7.300000000000001.
std::string ProzentText(double anteil) { return TNewIniFile::FloatAlsText(Dezimal15(anteil * 100)); }

}  // namespace

namespace {

// Ranges of stored values; anything outside counts as damaged.
constexpr std::int64_t kGrenzeMin = 100;        // 1,00 a month
constexpr std::int64_t kGrenzeMax = 999999999;  // 9.999.999,99 a month
constexpr double kSatzMax = 100;                // percent
constexpr double kSoliMax = 10;                 // percent
constexpr double kPauschMax = 100;              // percent

bool GrenzeGueltig(std::int64_t cent) { return cent >= kGrenzeMin && cent <= kGrenzeMax; }

// A contribution rate in percent: 0 to 100, or -1 (not levied) where the
// year's default is not levied either.
bool SatzGueltig(double prozent, double vorgabeAnteil) {
  if (prozent >= 0 && prozent <= kSatzMax) return true;
  return prozent == -1 && vorgabeAnteil < 0;
}

std::string ProzentVorgabe(double prozent) { return TNewIniFile::FloatAlsText(Dezimal15(prozent)); }

// Reads a percentage; a missing key gives nothing, a damaged value is
// reported and gives nothing too.
std::optional<double> ProzentLesen(const TIniAbbild& ini, const std::string& abschnitt,
                                   const std::string& schluessel, bool (*gueltig)(double, double),
                                   double vorgabeAnteil, const char* grund,
                                   TEinstellungsBericht* bericht) {
  const auto text = ini.Wert(abschnitt, schluessel);
  if (!text) return std::nullopt;
  double prozent = 0;
  if (TNewIniFile::TextAlsFloat(*text, prozent) && gueltig(prozent, vorgabeAnteil)) return prozent;
  IgnoriertMelden(bericht, ini, abschnitt, schluessel, *text, grund,
                  ProzentVorgabe(vorgabeAnteil * 100) + " %");
  return std::nullopt;
}

}  // namespace

TBBGTabelle BBGLaden(const TIniAbbild& ini, int jahr, TEinstellungsBericht* bericht) {
  const std::string abschnitt = Abschnitt("BMG", jahr);
  TBBGTabelle t = BBGStandard(jahr);
  for (int art = 0; art < bbgAnzahl; ++art) {
    for (int r : {rgOst, rgWest}) {
      const std::string schluessel = BBGSchluessel(art, r);
      const auto text = ini.Wert(abschnitt, schluessel);
      if (!text) continue;
      std::int64_t wert = 0;
      if (TNewIniFile::TextAlsInteger(*text, wert) && GrenzeGueltig(wert)) {
        t[art][r] = wert;
      } else {
        const char* einheit = DMJahr(jahr) ? " Pfennig" : " Cent";
        IgnoriertMelden(bericht, ini, abschnitt, schluessel, *text,
                        std::string("keine Bemessungsgrenze von 100 bis 999999999") + einheit +
                            " im Monat",
                        std::to_string(t[art][r]) + einheit);
      }
    }
  }
  return t;
}

TBBGTabelle BBGLaden(const TNewIniFile& ini, int jahr) { return BBGLaden(ini.Abbild(), jahr); }

bool BBGSpeichern(TNewIniFile& ini, int jahr, const TBBGTabelle& tabelle) {
  std::vector<std::pair<std::string, std::string>> werte;
  for (int art = 0; art < bbgAnzahl; ++art) {
    for (int r : {rgOst, rgWest}) {
      if (!GrenzeGueltig(tabelle[art][r])) return false;
      werte.emplace_back(BBGSchluessel(art, r), std::to_string(tabelle[art][r]));
    }
  }
  return ini.WriteStrings(Abschnitt("BMG", jahr), werte);
}

void SVSaetzeLaden(const TIniAbbild& ini, int jahr, TSVSatzTabelle& saetze, double& pauschSatz,
                   double& soliProzent, TEinstellungsBericht* bericht) {
  const std::string abschnitt = Abschnitt("SV", jahr);
  const TSVSatzTabelle standard = SVSaetzeStandard(jahr);
  for (int typ = 0; typ < beAnzahl; ++typ) {
    for (int art = 0; art < svAnzahl; ++art) {
      // A missing key keeps the default fraction as it is; a stored value
      // goes through the same division as the defaults.
      auto lesen = [&](bool an, double vorgabe) {
        const auto prozent = ProzentLesen(
            ini, abschnitt, SatzSchluessel(typ, art, an), SatzGueltig, vorgabe,
            vorgabe < 0 ? "kein Beitragssatz von 0 bis 100 Prozent oder -1 für nicht erhoben"
                        : "kein Beitragssatz von 0 bis 100 Prozent",
            bericht);
        return prozent ? *prozent / 100 : vorgabe;
      };
      saetze[typ][art].AN = lesen(true, standard[typ][art].AN);
      saetze[typ][art].AG = lesen(false, standard[typ][art].AG);
    }
  }
  const std::string lst = Abschnitt("LSt", jahr);
  const double soliVorgabe = SoliSatz(jahr);
  const auto soli = ProzentLesen(
      ini, lst, "Soli", [](double p, double) { return p >= 0 && p <= kSoliMax; },
      soliVorgabe / 100, "kein Zuschlagssatz von 0 bis 10 Prozent", bericht);
  soliProzent = soli.value_or(soliVorgabe);
  const double pauschVorgabe = PauschStProzentStandard(jahr);
  const auto pausch = ProzentLesen(
      ini, lst, "PauschSt", [](double p, double) { return p >= 0 && p <= kPauschMax; },
      pauschVorgabe / 100, "kein Pauschsteuersatz von 0 bis 100 Prozent", bericht);
  pauschSatz = pausch.value_or(pauschVorgabe) / 100;
}

void SVSaetzeLaden(const TNewIniFile& ini, int jahr, TSVSatzTabelle& saetze, double& pauschSatz,
                   double& soliProzent) {
  SVSaetzeLaden(ini.Abbild(), jahr, saetze, pauschSatz, soliProzent);
}

bool SVSaetzeSpeichern(TNewIniFile& ini, int jahr, const TSVSatzTabelle& saetze,
                       double pauschSatz) {
  const TSVSatzTabelle standard = SVSaetzeStandard(jahr);
  std::vector<std::pair<std::string, std::string>> werte;
  for (int typ = 0; typ < beAnzahl; ++typ) {
    for (int art = 0; art < svAnzahl; ++art) {
      const TSatzPaar& p = saetze[typ][art];
      // What would not read back as written is refused.
      if (!SatzGueltig(Dezimal15(p.AN * 100), standard[typ][art].AN) ||
          !SatzGueltig(Dezimal15(p.AG * 100), standard[typ][art].AG))
        return false;
      werte.emplace_back(SatzSchluessel(typ, art, true), ProzentText(p.AN));
      werte.emplace_back(SatzSchluessel(typ, art, false), ProzentText(p.AG));
    }
  }
  if (!ini.WriteStrings(Abschnitt("SV", jahr), werte)) return false;
  if (!(pauschSatz >= 0)) return true;
  if (Dezimal15(pauschSatz * 100) > kPauschMax) return false;
  return ini.WriteString(Abschnitt("LSt", jahr), "PauschSt", ProzentText(pauschSatz));
}

void SVEinstellungenLaden(TRechenKontext& k, const TIniAbbild& ini, TEinstellungsBericht* bericht) {
  SVSaetzeLaden(ini, k.LStJahr, k.SVSatzTabelle, k.PauschSatz, k.SoliGeladen, bericht);
  k.BBGTabelle = BBGLaden(ini, k.LStJahr, bericht);
}

void SVEinstellungenLaden(TRechenKontext& k, const TNewIniFile& ini) {
  SVEinstellungenLaden(k, ini.Abbild());
}

}  // namespace lst
