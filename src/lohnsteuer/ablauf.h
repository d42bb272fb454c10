#pragma once
// What the wage-tax flowcharts of 2005 to 2013 have in common: the tariff
// (UPTAB), tax classes V and VI (MST5_6, UP5_6), the tabular allowances
// (MZTABFB), the conversion of the yearly tax (MBERECH, UPANTEIL), the
// solidarity surcharge and the church-tax base (MSOLZ), the income-tax
// routine and the table routine.  The generations derive from it and bring
// the steps in which they differ.

#include <cstdint>
#include <limits>

#include "lohnsteuer/programm.h"

namespace lst {

// Income-tax tariff of one year (whole Euro per tariff unit).
struct TTarif {
  std::int64_t GFB;          // no tax up to and including GFB
  std::int64_t Zone2Ab;      // first progression zone below this
  double A1, B1;             // (A1 * Y + B1) * Y, Y = (X - GFB) / 10000
  std::int64_t Zone2Basis;   // Y = (X - Zone2Basis) / 10000 in the second zone
  double A2, B2, C2;         // (A2 * Y + B2) * Y + C2
  std::int64_t Zone3Ab;      // 42 % zone from here
  double C3;                 // 0.42 * X - C3
  std::int64_t Zone4Ab;      // 45 % zone from here (kOhneGrenze: none)
  double C4;                 // 0.45 * X - C4
};

// A tariff or class-V/VI threshold that a year does not have.
inline constexpr std::int64_t kOhneGrenze = std::numeric_limits<std::int64_t>::max();

// Parameters that every year from 2005 brings.
struct TParameterGrund {
  TTarif Tarif;
  // Tax classes V and VI: thresholds and the minimum rate of UP5_6.
  std::int64_t W1STKL5, W2STKL5;
  std::int64_t W3STKL5;           // kOhneGrenze: no 45 % step (2005, 2006)
  double MindestsatzSTKL5;
  // MZTABFB.
  std::int64_t ANP;               // employee lump sum (the pension part is 102)
  std::int64_t SAP, SAP3, SAP5;   // special-expenses lump sum, classes I, II, IV / III / V
  std::int64_t KFB, KFB4;         // child allowance per allowance, classes I to III / IV
  // The pension part of ANP below 102 and the employee part below ANP are
  // rounded up to whole Euro (otherwise cut).
  bool VersorgungsteilAufrunden;
  bool ArbeitnehmerteilAufrunden;
  // 2006 and 2007: class VI keeps its FVBZ (from 2008 class VI loses FVBZ
  // and FVBZSO).
  bool KlasseVIMitFVBZ;
};

// The constants of 2005 (tariff without a 45 % zone, classes V and VI, the
// lump sums and child allowances); the years up to 2009 start from them.
constexpr void Werte2005(TParameterGrund& p) {
  p.Tarif = {7664, 12740, 883.74, 1500, 12739, 228.74, 2397, 989, 52152, 7914, kOhneGrenze, 0};
  p.W1STKL5 = 9144;
  p.W2STKL5 = 25812;
  p.W3STKL5 = kOhneGrenze;
  p.MindestsatzSTKL5 = 0.15;
  p.ANP = 920;
  p.SAP = 36;
  p.SAP3 = 72;
  p.SAP5 = 0;
  p.KFB = 5808;
  p.KFB4 = 2904;
  p.VersorgungsteilAufrunden = false;
  p.ArbeitnehmerteilAufrunden = false;
  p.KlasseVIMitFVBZ = false;
}

// From 2007: the 45 % zone above 250000 and classes V and VI above 200000.
constexpr void Reichensteuer2007(TParameterGrund& p) {
  p.Tarif.Zone4Ab = 250001;
  p.Tarif.C4 = 15414;
  p.W3STKL5 = 200000;
}

class TLStAblauf : public TLohnsteuerProgramm {
 public:
  using TLohnsteuerProgramm::TLohnsteuerProgramm;

  bool HatEinkommensteuer() const override { return true; }
  std::int64_t Einkommensteuer(std::uint8_t stkl, std::uint8_t kztab, std::int64_t zve) override;
  bool HatTabelle() const override { return true; }
  std::int64_t Tabelle(TTabellenArgumente& a) override;

 protected:
  // Points the parameter pointers at the set in force for the next run.
  virtual void ParameterWaehlen() = 0;
  // Sets the working amounts to 0 (each generation adds its own).
  virtual void Zuruecksetzen();
  // The table routine's arguments that the year reads besides LZZ, STKL, ZKF
  // and the wage (KRV, and from 2010 PKV and PVS).
  virtual void TabellenArgumente(const TTabellenArgumente& a) = 0;

  virtual void MLSTJAHR() = 0;
  // ANP and FVBZ outside table mode (the wage-dependent part of MZTABFB).
  virtual void MZTABFBLohn();
  // Before the run with child allowances (from 2010: MRE4ABZ).
  virtual void VorKinderlauf() {}
  // From 2012: the deductible private contributions of the pay period.
  virtual void UPVKVLZZ() {}
  // Factor of the factor method (from 2010); 1 for the years without it.
  virtual double Faktor() const { return 1.0; }
  // Solidarity-surcharge percentage used by MSOLZ, MSONST and MVMT.
  virtual double SoliProzent() const { return k_.SoliSatz(); }

  void MBERECH();
  void MZTABFB();
  void UPMLST();
  void UPTAB();
  void MST5_6();
  void UP5_6();
  void MSOLZ();
  void UPANTEIL();
  void StufeFuerZeitraum(std::int64_t jahresCent);

  const TParameterGrund* g_ = nullptr;

  // Working amounts in Euro with decimals.
  double ZRE4 = 0, ZRE4VP = 0, ZVBEZ = 0, FVB = 0, ALTE = 0, ZTABFB = 0, VSP = 0, ZVE = 0;
  double X = 0, Y = 0, RW = 0, SOLZJ = 0, SOLZMIN = 0, JW = 0;
  double ZX = 0, ZZX = 0, HOCH = 0, VERGL = 0, TabZRE4 = 0;
  // Working amounts in whole Euro (ANTEIL1 in cents).
  std::int64_t ANP = 0, EFA = 0, SAP = 0, KFB = 0, FVBZ = 0, FVBZSO = 0;
  std::int64_t ST = 0, ST1 = 0, ST2 = 0, DIFF = 0, MIST = 0, LSTJAHR = 0, JBMG = 0;
  std::int64_t SOLZFREI = 0, ANTEIL1 = 0;
  int KZTAB = 1;
};

}  // namespace lst
