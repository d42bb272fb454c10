#pragma once
// The wage-tax flowcharts from 2010: the yearly flow with the provision
// allowance of pension, health and care contributions (2010 and 2011 without
// the deductible private contributions, 2010 without the compensations
// JRE4ENT and SONSTENT), from 2014 with its
// parameters gathered in MPARA (from 2015 the fund's additional rate KVZ),
// from 2016 the double-taxation outputs (VFRB ... WVFRBM), from 2021 the
// solidarity surcharge with its raised exemption limit and its own step for
// other payments (MSOLZSTS), from 2022 the tax-free equity participation
// (MBV, STSMIN), in December 2015 and December 2024 the recalculation of the
// whole year, from 2025 no remuneration for several years, in 2026 the
// provision allowance with the unemployment part (MVSPKVPV, MVSPHB).
//
// The flowcharts compute in exact decimals.  This generation computes in
// whole numbers: every amount that the flowchart holds with two decimals is
// held here in cents, every whole-euro amount as cents that are a multiple
// of 100, and every rate in millionths.  Each cut (ROUND_DOWN) and each
// rounding up (ROUND_UP) is an integer division, so the results are those of
// the flowchart's decimals without any representation error.  (One rate of
// the flowcharts 2019 to 2023 is finer: the employer's health rate is the
// decimal of a floating-point sum, 0.07650000000000001; see KVSATZAGPlus.)
//
// A version is a parameter set (TParameter2013); the steps that differ are
// selected by its members.  A December version names the set of January to
// November in Vorher and runs MBERECH once with each.

#include <cstdint>

#include "lohnsteuer/programm.h"

namespace lst {

// Rates are held in millionths: 15250 is 0.01525.
inline constexpr std::int64_t kSatzEins = 1'000'000;

// Income-tax tariff of § 32a EStG of one version.  Amounts in whole euro,
// the coefficients in hundredths.
struct TTarif2013 {
  std::int64_t GFB;          // no tax up to and including GFB
  std::int64_t Zone2Ab;      // first progression zone below this
  std::int64_t A1;           // (A1 * Y + 1400) * Y, Y = (X - GFB) / 10000
  std::int64_t Zone2Basis;   // Y = (X - Zone2Basis) / 10000 in the second zone
  std::int64_t A2, C2;       // (A2 * Y + 2397) * Y + C2
  std::int64_t Zone3Ab, C3;  // 0.42 * X - C3 from Zone3Ab
  std::int64_t Zone4Ab, C4;  // 0.45 * X - C4 from Zone4Ab
};

// Care-insurance rates of the employee and the employer (general and
// Saxony) and the surcharge for the childless.
struct TPflegeSaetze {
  std::int64_t AN, AG, ANSachsen, AGSachsen, Zuschlag;
};

// Which share of the fund's additional health rate KVZ the employee's
// health rate holds: none (2014: a fixed rate), all of it (2015 to 2018),
// half (from 2019).
enum class TKVZAnteil : std::uint8_t { Keiner, Ganz, Haelfte };

// How the provision allowance is formed.
enum class TVorsorge : std::uint8_t {
  BisZu2025,   // UPEVP with MVSP: pension part, lump sum 12 % or health and care
  Ab2026,      // UPEVP with MVSPKVPV and MVSPHB (unemployment part, ALV)
};

struct TParameter2013 {
  TTarif2013 Tarif;
  std::int64_t W1STKL5, W2STKL5, W3STKL5;
  std::int64_t SOLZFREI;
  // MZTABFB: employee lump sum, single-parent relief, child allowance per
  // allowance in classes I to III (class IV: half of it), in whole euro.
  std::int64_t ANP, EFA, KFB, KFB4;
  // MPARA: pension ceiling (KRV 0; KRV 1 up to 2024: East), share of the
  // pension contribution, employee pension rate; health-and-care ceiling.
  std::int64_t BBGRVWest, BBGRVOst;
  std::int64_t TBSVORV, RVSATZAN;
  std::int64_t BBGKVPV;
  // Employee health rate without the additional rate, and the share of KVZ
  // added to it.
  std::int64_t KVSATZANBasis = 70000;
  TKVZAnteil KVZAnteil = TKVZAnteil::Haelfte;
  // Employer health rate (general rate plus average additional rate); with
  // KVSATZAGPlus 10^-17 above it (the flowchart adds the two rates in binary
  // floating point before it takes the decimal: 0.0065 + 0.07 gives
  // 0.07650000000000001).
  std::int64_t KVSATZAG;
  bool KVSATZAGPlus;
  // Care insurance; PflegeJahr for yearly pay (LZZ 1), PVAbschlag per child
  // discount PVA (from 2024).
  TPflegeSaetze Pflege, PflegeJahr;
  std::int64_t PVAbschlag;
  // 2026: ceiling and rate of the unemployment part.
  std::int64_t BBGRVALV, AVSATZAN;
  // The average additional health rate in hundredths of a percent, which the
  // table routine assumes (as the official test tables do).
  std::int64_t KVZDurchschnitt;
  // From this KRV on the employee is not in the statutory pension insurance
  // (2 up to 2024, 1 from 2025).
  std::uint8_t KRVOhneRV;
  TVorsorge Vorsorge;
  // The version has MBV (from 2022), remuneration for several years (up to
  // 2024), the rows of the pension tables up to 2058 (from 2025), HFVB
  // rounded up to whole euro for LZZ 1 (from 2025), UP5_6 with X in whole
  // euro (2026), the deductible private contributions VKVLZZ/VKVSONST (2012
  // to 2025).
  bool MitMBV, MitVMT, Tabellen2058, HFVBAufrunden, UP56GanzeEuro, MitVKV;
  // Solidarity surcharge: the phase-in rate above the exemption limit in
  // tenths of a percent (20 % up to 2020, 11.9 % from 2021); from 2021 the
  // surcharge on other payments and on multi-year pay is due only when the
  // yearly tax with them exceeds the exemption limit (MSOLZSTS).
  std::int64_t SoliGleitsatz = 119;
  bool SoliFreigrenzeSonstige = true;
  // The double-taxation outputs VFRB ... WVFRBM (from 2016; 0 before), and
  // the pension allowance at most the yearly pension (from 2016).
  bool MitDBA = true;
  bool FVBHoechstensVersorgung = true;
  // The compensations JRE4ENT and SONSTENT reduce ZRE4VP in the runs for
  // other payments and multi-year pay (from 2011).
  bool MitEntschaedigung = true;
  // Up to 2012 a table row with private insurance and employer subsidy
  // (PKV 2) takes the statutory health-and-care part; only PKV 1 gets none.
  bool TabellePKV2Gesetzlich = false;
  // December version: the set of January to November (nullptr: none).  Its
  // tariff and allowances apply in the run under the old values; the rates
  // of the social insurance (MPARA) are the version's own in both runs.
  const TParameter2013* Vorher;
};

class TLStGeneration2013 : public TLohnsteuerProgramm {
 public:
  TLStGeneration2013(TLStZustand& k, const TParameter2013& p) : TLohnsteuerProgramm(k) { SatzWaehlen(p); }

  void Lohnsteuer() override;
  bool HatEinkommensteuer() const override { return true; }
  std::int64_t Einkommensteuer(std::uint8_t stkl, std::uint8_t kztab, std::int64_t zve) override;
  void Zuschlaege(std::uint8_t kztab, std::int64_t steuer) override;
  bool HatTabelle() const override { return true; }
  std::int64_t Tabelle(TTabellenArgumente& a) override;
  // X and ZZX are kept in cents of whole euro.
  double LetzteTarifeinheit() const override { return static_cast<double>((v_.STKL < 5 ? X : ZZX) / 100); }
  int LetzterKZTAB() const override { return KZTAB; }
  double DurchschnittlicherZusatzbeitrag() const override { return static_cast<double>(fest_->KVZDurchschnitt) / 100; }
  TFlussplanSVWerte SVWerte() const override;

 protected:
  // Another parameter set for the next runs (2013 chooses its flowchart by
  // the basic allowance of the context).
  void SatzWaehlen(const TParameter2013& p) { p_ = fest_ = &p; }

 private:
  void Zuruecksetzen();
  void MPARA();
  void MRE4JL();
  void MRE4();
  void MRE4ALTE();
  void MRE4ABZ();
  void MBERECHJahr();
  void MBERECH();
  void MZTABFB();
  void MLSTJAHR();
  void UPVKVLZZ();
  void UPVKV();
  void UPLSTLZZ();
  void UPMLST();
  void UPEVP();
  void MVSP();
  void UPEVP2026();
  void UPTAB();
  void MST5_6();
  void UP5_6();
  void MSOLZ();
  void UPANTEIL();
  void MSONST();
  void STSMIN();
  void MSOLZSTS();
  void MVMT();
  void MOSONST();
  void MRE4SONST();
  void MLST1224();

  // An income in cents per tariff unit, cut to whole euro.  KZTAB is 1 or
  // 2: a division by a constant is much cheaper than one by a variable.
  std::int64_t JeTarifeinheit(std::int64_t zve) const {
    if (KZTAB == 1) return zve / 100 * 100;
    if (KZTAB == 2) return zve / 200 * 100;
    return zve / (100 * KZTAB) * 100;
  }

  // Pension tables: row of a year and its values.
  int Zeile(std::int32_t jahr) const;

  const TParameter2013* p_ = nullptr;     // the set of the current run
  const TParameter2013* fest_ = nullptr;  // the version's own set

  bool tabelle_ = false;        // table routine: no pensions, the year's lump sum
  bool dezemberA_ = false;      // first run of a December version (JW... A)

  // The last provision allowance of the current run: its wage and what
  // UPEVP left.
  struct TVorsorgeStand {
    bool Gueltig = false;
    std::int64_t Lohn = 0;
    std::int64_t VSP = 0, VSP1 = 0, VSP2 = 0, VSP3 = 0, VSPN = 0, ZRE4VP = 0;
  } vorsorge_;

  // Inputs that the flowchart keeps as decimals, scaled to integers.
  std::int64_t f1000_ = 1000;   // factor f in thousandths
  std::int64_t zkf1000_ = 0;    // ZKF in thousandths

  // Rates of MPARA (millionths).
  std::int64_t KVSATZAN = 0, PVSATZAN = 0, PVSATZAG = 0;
  std::int64_t BBGRV = 0, SOLZFREI = 0;

  // Amounts in cents.
  std::int64_t ZRE4J = 0, ZVBEZJ = 0, JLFREIB = 0, JLHINZU = 0;
  std::int64_t VBEZB = 0, VBEZBSO = 0, HFVB = 0, FVB = 0, FVBSO = 0, FVBZ = 0, FVBZSO = 0;
  std::int64_t HFVBZ = 0, HFVBZSO = 0, BMG = 0, ALTE = 0;
  std::int64_t ZRE4 = 0, ZRE4VP = 0, ZVBEZ = 0;
  std::int64_t ANP = 0, EFA = 0, SAP = 0, KFB = 0, ZTABFB = 0;
  std::int64_t VSP = 0, VSP1 = 0, VSP2 = 0, VSP3 = 0, VSPN = 0, VKV = 0;
  std::int64_t ZRE4VPR = 0, VSPR = 0, VSPKVPV = 0, VSPALV = 0, VSPHB = 0;
  std::int64_t ZVE = 0, X = 0, ZX = 0, ZZX = 0;
  std::int64_t JW = 0, ANTEIL1 = 0, SOLZJ = 0, SOLZMIN = 0;
  std::int64_t LSTSO = 0, LSTOSO = 0, LST1 = 0, LST2 = 0, LST3 = 0;
  std::int64_t JWLSTA = 0, JWLSTN = 0, JWSOLZA = 0, JWSOLZN = 0, JWBKA = 0, JWBKN = 0;
  // Whole euro (taxes of the tariff).
  std::int64_t ST = 0, ST1 = 0, ST2 = 0, LSTJAHR = 0, JBMG = 0;
  int KZTAB = 1, KENNVMT = 0;
};

}  // namespace lst
