#pragma once
// The wage-tax flowcharts of the years 1995 to 2004.
//
// One flow serves the ten years.  The pay-period wage is reduced by the
// pension allowance, the age relief and the allowance of the tax card in
// cents (pfennigs up to 2001) of the pay period and then converted to a
// yearly wage with the flowchart's step shifts.  Up to 2003 the yearly wage,
// the provision allowance and the taxable income are placed on the wage steps
// of the official tables (54 DM, from 2002 36 Euro); 2004 computes without
// steps.  The provision allowance is the old-law one only.
//
// The years fall into four groups, which the parameters name: 1995 (child
// allowances reduce the wage tax itself), the DM years 1996 to 2001, the Euro
// step years 2002 and 2003 (with other payments and multi-year pay) and 2004
// (no steps, a table routine).  A year brings its parameters and its tariff;
// 1995 also overrides the steps in which it differs.

#include <cstdint>

#include "lohnsteuer/programm.h"

namespace lst {

enum class TGruppe1995 {
  Jahr1995,    // 1995
  DMJahre,     // 1996 to 2001
  EuroStufen,  // 2002, 2003
  Jahr2004,    // 2004
};

struct TParameter1995 {
  int Jahr;
  TGruppe1995 Gruppe;
  // The year's income-tax tariff for one tariff unit X (whole DM or Euro).
  std::int64_t (*UPTAB)(double X);

  // MRE4: yearly maxima of the pension allowance and the age relief (both 40 %).
  std::int64_t FVBMax, ALTEMax;

  // MZTABFB
  std::int64_t ANP;             // employee lump sum, classes I to V
  std::int64_t SAP, SAP3;       // special-expenses lump sum, classes I, II, IV / III
  std::int64_t HFB;             // class II allowance (HFB, from 2004 EFA)
  std::int64_t KFB, KFB4;       // child allowance per allowance, classes I to III / IV
  std::int64_t ZTABFB6;         // tabular allowance of class VI

  // MVSP, UMVSP (amounts per tariff unit)
  double VSPOSatz;
  std::int64_t VSPVOR, VSPMAX1, VSPMAX2, VSPKURZ;

  // Wage steps: width of the step of the yearly wage and of the provision
  // allowance (0: no steps); taxable incomes below ZVEMin are taxed as 0, the
  // others are placed on steps of XStufe and raised by XZuschlag.
  int LohnStufe;
  std::int64_t ZVEMin;
  int XStufe;
  int XZuschlag;

  // MST5_6: W1STKL5 0 means the year has no lower threshold; SatzOben is
  // the rate above W2STKL5 (and above W1STKL5), MindestSatz the minimum rate
  // of UP5_6.
  struct {
    std::int64_t W1STKL5, W2STKL5;
    double SatzOben, MindestSatz;
  } Klasse5;

  // MSOLZ: free amount per tariff unit; the surcharge rate is the one loaded
  // with the year's settings (up to 2002) or the fixed rate of the year.
  std::int64_t SOLZFREI;
  bool SoliAusEinstellungen;

  // MSONST of 2002 and 2003: other payments up to this amount (cents) are
  // taxed with the wage of the pay period; 0: always the yearly method.
  std::int64_t SonstbZeitraumBis;
};

// The tariff shape of the years 1996 to 2003 (1999 has a further zone):
// no tax while X < Frei; up to Zone1Bis Y = (X - Basis1) / 10000 and the tax
// (AS3(Y * A1) + B1) * Y; up to Zone2Bis Y = (X - Basis2) / 10000 and the tax
// AS3((AS3(Y * A2) + B2) * Y) + C2; above Satz * X - Abzug.  AS3 keeps three
// decimals (cut); the tax is cut to whole units.
struct TTarifZweiZonen {
  std::int64_t Frei;
  std::int64_t Zone1Bis;
  double Basis1, A1, B1;
  std::int64_t Zone2Bis;
  double Basis2, A2, B2, C2;
  double Satz, Abzug;
};

// The zones of TTarifZweiZonen, before the cut to whole units.
double ErsteZone(double X, double basis, double a, double b);
double WeitereZone(double X, double basis, double a, double b, double c);
std::int64_t TarifZweiZonen(const TTarifZweiZonen& t, double X);

class TLStGeneration1995 : public TLohnsteuerProgramm {
 public:
  TLStGeneration1995(TRechenKontext& k, const TParameter1995& p);

  void Lohnsteuer() override;
  bool HatEinkommensteuer() const override { return p_.Gruppe >= TGruppe1995::EuroStufen; }
  std::int64_t Einkommensteuer(std::uint8_t stkl, std::uint8_t kztab, std::int64_t zve) override;
  bool HatTabelle() const override { return p_.Gruppe == TGruppe1995::Jahr2004; }
  std::int64_t Tabelle(TTabellenArgumente& a) override;

  // The tariff tax of a yearly taxable income in whole currency units, as
  // UPMLST forms it for classes I to IV: the income per tariff unit placed on
  // the year's steps, the tariff, times KZTAB.  Serves the years without an
  // income-tax routine as well.
  std::int64_t Tarifsteuer(std::uint8_t kztab, std::int64_t zve);

  const TParameter1995& Parameter() const { return p_; }

 protected:
  // Steps a year may override.
  // After the yearly tax is known (LSTJAHR set, before its conversion).
  virtual void NachLSTJAHR() {}
  // The church-tax base BK, after the surcharge.
  virtual void Kirchensteuerbasis();

  void Zuruecksetzen();
  void MRE4();
  void MRE4JL();
  void Lohnstufe(std::int64_t jahresCent);
  void Berechnung();
  void MZTABFB();
  void MLSTJAHR();
  void MVSP();
  void UMVSP();
  void UPMLST();
  double Tarifeinheit(double zve, int kztab) const;
  void MST5_6();
  void UP5_6();
  void MSOLZ();
  void UPANTEIL();
  void MSONST();
  void MVMT();
  // One run of the chain MRE4, MRE4JL, (MZTABFB,) MLSTJAHR on the inputs.
  void Lauf(bool mitMZTABFB);
  double SoliSatz() const;

  const TParameter1995& p_;

  // Cents (pfennigs) of the pay period.
  std::int64_t FVB = 0, ALTE = 0, ZRE4LZZ = 0, ZRE4VPLZZ = 0;
  std::int64_t ANTEIL1 = 0, ANTEIL2 = 0;
  std::int64_t LST1 = 0, LST2 = 0, LST3 = 0;
  // Working amounts in currency units with decimals.
  double ZRE4 = 0, ZRE4VP = 0, TabZRE4 = 0, ZTABFB = 0, ZVE = 0, X = 0, Y = 0, RW = 0;
  double VSP = 0, VSPO = 0, VSPVOR = 0, VSPMAX1 = 0, VSPMAX2 = 0, VSPKURZ = 0, VSPREST = 0;
  double SOLZJ = 0, SOLZMIN = 0, JW = 0, ZX = 0, ZZX = 0;
  // Whole currency units.
  std::int64_t ANP = 0, SAP = 0, HFB = 0, KFB = 0, ST = 0, ST1 = 0, ST2 = 0, DIFF = 0, MIST = 0;
  std::int64_t HOCH = 0, VERGL = 0, LSTJAHR = 0, JBMG = 0, SOLZFREI = 0;
  int KZTAB = 1;
  // MVMT of 2004: the runs with multi-year pay reduce VSPVOR by the ZRE4VP
  // of the run with the full multi-year pay.
  bool VSPVORAusVMT = false;
  double ZRE4VPVMT = 0;
};

}  // namespace lst
