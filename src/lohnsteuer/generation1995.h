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
// The steps these years share with the later ones (the yearly tax MBERECH,
// the tariff call UPMLST, classes V and VI, the surcharge MSOLZ, UPANTEIL,
// the table and income-tax routines, MZTABFB from 2002) come from
// TLStAblauf with the year's parameters; this generation brings the steps of
// its own: MRE4, MRE4JL, MLSTJAHR with MVSP and UMVSP, MSONST and MVMT.
//
// The years fall into four groups, which the parameters name: 1995 (child
// allowances reduce the wage tax itself), the DM years 1996 to 2001, the Euro
// step years 2002 and 2003 (with other payments and multi-year pay) and 2004
// (no steps, a table routine).  A year brings its parameters and its tariff;
// the DM years have their own MZTABFB, and 1995 also overrides the steps in
// which it differs.

#include <cstdint>

#include "lohnsteuer/ablauf.h"
#include "lohnsteuer/vorsorge_alt.h"

namespace lst {

enum class TGruppe1995 {
  Jahr1995,    // 1995
  DMJahre,     // 1996 to 2001
  EuroStufen,  // 2002, 2003
  Jahr2004,    // 2004
};

struct TParameter1995 : TParameterGrund {
  int Jahr;
  TGruppe1995 Gruppe;

  // MRE4: yearly maxima of the pension allowance and the age relief (both 40 %).
  std::int64_t FVBMax, ALTEMax;

  // MZTABFB of the DM years: the tabular allowance of class VI.
  std::int64_t ZTABFB6;

  // MVSP, UMVSP
  TVorsorgeAltParameter Vorsorge;

  // Width of the wage steps of the yearly wage and of the provision
  // allowance (0: no steps).
  int LohnStufe;

  // MSOLZ, MSONST, MVMT: the surcharge rate loaded with the year's settings,
  // or the fixed rate of the year.
  bool SoliAusEinstellungen;

  // MSONST of 2002 and 2003: other payments up to this amount (cents) are
  // taxed with the wage of the pay period; 0: always the yearly method.
  std::int64_t SonstbZeitraumBis;
};

// Classes V and VI of a year up to 2004: the lower threshold W1STKL5
// (kOhneGrenze: none), W2STKL5, the rate above them and the minimum rate of
// UP5_6.  There is no W3STKL5.
constexpr void Klasse5(TParameterGrund& p, std::int64_t w1, std::int64_t w2, double satz,
                       double mindestsatz) {
  p.W1STKL5 = w1;
  p.W2STKL5 = w2;
  p.W3STKL5 = kOhneGrenze;
  p.SatzSTKL5 = satz;
  p.MindestsatzSTKL5 = mindestsatz;
}

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

class TLStGeneration1995 : public TLStAblauf {
 public:
  TLStGeneration1995(TLStZustand& k, const TParameter1995& p);

  void Lohnsteuer() override;
  bool HatEinkommensteuer() const override { return p_.Gruppe >= TGruppe1995::EuroStufen; }
  bool HatTabelle() const override { return p_.Gruppe == TGruppe1995::Jahr2004; }
  // 2004: the table routine sets table mode itself and starts from zeroed
  // working amounts; otherwise as from 2005.
  std::int64_t Tabelle(TTabellenArgumente& a) override;

  // The tariff tax of a yearly taxable income in whole currency units, as
  // UPMLST forms it for classes I to IV: the income per tariff unit placed on
  // the year's steps, the tariff, times KZTAB.  Serves the years without an
  // income-tax routine as well.
  std::int64_t Tarifsteuer(std::uint8_t kztab, std::int64_t zve);

  const TParameter1995& Parameter() const { return p_; }

 protected:
  void ParameterWaehlen() override { g_ = &p_; }
  void Zuruecksetzen() override;
  void MLSTJAHR() override;
  // Up to 2004 the employee lump sum does not depend on the wage: ANP for
  // classes I to V.
  void MZTABFBLohn() override;
  double SoliProzent() const override;

  void MRE4();
  void MRE4JL();
  // The provision allowance of classes I to IV on the wage step.
  void MVSP();
  void MSONST();
  void MVMT();
  // One run of the chain MRE4, MRE4JL, (MZTABFB,) MLSTJAHR on the inputs.
  void Lauf(bool mitMZTABFB);

  const TParameter1995& p_;

  // Cents (pfennigs) of the pay period; FVB and ALTE of TLStAblauf are
  // pay-period cents here as well.
  std::int64_t ZRE4LZZ = 0, ZRE4VPLZZ = 0;
  std::int64_t LST1 = 0, LST2 = 0, LST3 = 0;
  TVorsorgeAlt vorsorge_;
  // MVMT of 2004: the runs with multi-year pay reduce VSPVOR by the ZRE4VP
  // of the run with the full multi-year pay.
  bool VSPVORAusVMT = false;
  double ZRE4VPVMT = 0;
};

// The DM years 1995 to 2001 with their MZTABFB.
class TLStDMJahre : public TLStGeneration1995 {
 public:
  using TLStGeneration1995::TLStGeneration1995;

 protected:
  void MZTABFBDesJahres() override;
};

}  // namespace lst
