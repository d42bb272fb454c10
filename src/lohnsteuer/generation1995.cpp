#include "lohnsteuer/generation1995.h"

#include "geld/geld.h"

namespace lst {

double ErsteZone(double X, double basis, double a, double b) {
  const double Y = (X - basis) / 10000;
  return (AbschneidenStellen(3, Y * a) + b) * Y;
}

double WeitereZone(double X, double basis, double a, double b, double c) {
  const double Y = (X - basis) / 10000;
  return AbschneidenStellen(3, (AbschneidenStellen(3, Y * a) + b) * Y) + c;
}

std::int64_t TarifZweiZonen(const TTarifZweiZonen& t, double X) {
  if (X < t.Frei) return 0;
  if (X < t.Zone1Bis) return Abschneiden(ErsteZone(X, t.Basis1, t.A1, t.B1));
  if (X < t.Zone2Bis) return Abschneiden(WeitereZone(X, t.Basis2, t.A2, t.B2, t.C2));
  return Abschneiden(X * t.Satz - t.Abzug);
}

TLStGeneration1995::TLStGeneration1995(TLStZustand& k, const TParameter1995& p)
    : TLStAblauf(k), p_(p) {
  ParameterWaehlen();
}

void TLStGeneration1995::Zuruecksetzen() {
  TLStAblauf::Zuruecksetzen();
  ZRE4LZZ = ZRE4VPLZZ = 0;
  LST1 = LST2 = LST3 = 0;
  vorsorge_.Zuruecksetzen();
  VSPVORAusVMT = false;
  ZRE4VPVMT = 0;
  // Outputs that only some of these years have, so that none is left over
  // from a run of another year.
  v_.VKVLZZ = v_.VKVSONST = 0;
  v_.STS = v_.SOLZS = v_.BKS = 0;
  v_.STV = v_.SOLZV = v_.BKV = 0;
}

double TLStGeneration1995::SoliProzent() const {
  return p_.SoliAusEinstellungen ? k_.SoliGeladen : SoliSatz(p_.Jahr);
}

void TLStGeneration1995::Lohnsteuer() {
  ParameterWaehlen();
  Zuruecksetzen();
  if (p_.Gruppe == TGruppe1995::Jahr2004) tabellenmodus_ = false;
  MRE4();
  MRE4JL();
  // The bracket of the (stepped) yearly wage; 2004 has brackets of 36 Euro.
  StufeFuerZeitraum(Abschneiden(ZRE4 * 100), p_.LohnStufe > 0 ? p_.LohnStufe : 36);
  MBERECH();
  if (p_.Gruppe >= TGruppe1995::EuroStufen) {
    MSONST();
    MVMT();
  }
}

// Pension allowance and age relief on the pay period (cents), and the
// reduced wage of the pay period.  From 2005 both start from yearly rows and
// are rounded up to the hundredth of a cent; here 40 % of the pay period's
// amounts, rounded up to whole cents.
void TLStGeneration1995::MRE4() {
  if (v_.VBEZ > 0) {
    FVB = static_cast<double>(Aufrunden(v_.VBEZ * 0.4));
    JW = p_.FVBMax * 100.0;
    UPANTEIL2();
    if (FVB > ANTEIL2) FVB = ANTEIL2;
  } else {
    FVB = 0;
  }
  if (v_.ALTER1) {
    ALTE = static_cast<double>(Aufrunden((v_.RE4 - v_.VBEZ) * 0.4));
    JW = p_.ALTEMax * 100.0;
    UPANTEIL2();
    if (ALTE > ANTEIL2) ALTE = ANTEIL2;
  } else {
    ALTE = 0;
  }
  ZRE4VPLZZ = v_.RE4 - static_cast<std::int64_t>(FVB) - static_cast<std::int64_t>(ALTE);
  ZRE4LZZ = ZRE4VPLZZ - v_.WFUNDF;
  if (p_.Jahr >= 2001) ZRE4LZZ += v_.HINZUR;
}

// The pay-period amounts as yearly amounts, placed on the wage steps.  The
// conversion is that of 2005 to 2007; the yearly amount of whole cents is
// not cut.  From 2005 ZRE4VP does not fall below 0 and the bracket is that
// of RE4, not of the reduced wage.
void TLStGeneration1995::MRE4JL() {
  auto jahr = [&](std::int64_t c) { return Jahresbetrag(static_cast<double>(c), false); };
  const double zre4 = jahr(ZRE4LZZ);
  const int s = p_.LohnStufe;
  if (s == 0) {
    // No steps.
    ZRE4 = zre4 < 0 ? 0 : zre4;
    ZRE4VP = jahr(ZRE4VPLZZ);
  } else if (p_.Jahr <= 2000) {
    // The steps begin at 2 DM; the provision allowance is taken from the
    // upper end of the step.
    double t = zre4 - 2;
    t = t >= 0 ? static_cast<double>(Stufe(t, s)) : 0;
    ZRE4 = static_cast<double>(Abschneiden(t + 2));
    ZRE4VP = ZRE4 + (s - 1);
  } else {
    // From 2001 the steps begin at 0 and the provision allowance has its own
    // base, the wage before the allowance and the addition of the tax card.
    ZRE4 = static_cast<double>(Stufe(p_.Jahr >= 2002 && zre4 < 0 ? 0 : zre4, s));
    ZRE4VP = static_cast<double>(Stufe(jahr(ZRE4VPLZZ), s) + (s - 1));
  }
}

// Tabular allowances of the DM years.  They differ from the shared step in
// the rounding of KFB (Runden, from 2002 cut), the tabular allowance of class
// VI (ZTABFB6 instead of 0) and, in 1995, KFB within ZTABFB.
void TLStDMJahre::MZTABFBDesJahres() {
  KZTAB = v_.STKL == 3 ? 2 : 1;
  ANP = SAP = EFA = KFB = 0;
  if (v_.STKL <= 4) {
    ANP = p_.ANP;
    SAP = v_.STKL == 3 ? p_.SAP3 : p_.SAP;
    if (v_.STKL == 2) EFA = p_.EFA;
    KFB = Runden(v_.ZKF * (v_.STKL == 4 ? p_.KFB4 : p_.KFB));
  } else if (v_.STKL == 5) {
    ANP = p_.ANP;
  }
  if (v_.STKL == 6) {
    ZTABFB = static_cast<double>(p_.ZTABFB6);
  } else {
    ZTABFB = static_cast<double>(ANP + SAP + EFA);
    if (p_.KFBImZTABFB) ZTABFB += KFB;
  }
}

void TLStGeneration1995::MZTABFBLohn() { ANP = v_.STKL < 6 ? p_.ANP : 0; }

void TLStGeneration1995::MLSTJAHR() {
  MVSP();
  if (p_.Gruppe == TGruppe1995::Jahr2004) {
    const double lohn = tabellenmodus_ ? TabZRE4 : ZRE4;
    ZVE = static_cast<double>(Abschneiden(lohn - ZTABFB - VSP));
  } else {
    ZVE = ZRE4 - ZTABFB - static_cast<double>(Abschneiden(VSP));
  }
  UPMLST();
}

// Provision allowance (old law only), classes I to IV, placed on the wage
// step (2004: cut to whole Euro).
void TLStGeneration1995::MVSP() {
  if (v_.STKL >= 5) {
    VSP = 0;
    return;
  }
  // A table row takes its provision allowance from the upper end of the
  // bracket, as the wage steps of the earlier years do.
  if (tabellenmodus_ && p_.Gruppe == TGruppe1995::Jahr2004) ZRE4VP = TabZRE4;
  // In the runs of MVMT of 2004 with multi-year pay VSPVOR is reduced by the
  // wage of the run with the full payment; VSPO keeps the run's own wage
  // (2005 takes that wage for both).
  const double vorBasis = VSPVORAusVMT ? ZRE4VPVMT : ZRE4VP;
  VSP = vorsorge_.MVSP(ZRE4VP, vorBasis, v_.KRV, KZTAB, p_.Vorsorge);
  if (p_.LohnStufe == 0) {
    VSP = static_cast<double>(Abschneiden(VSP));
  } else {
    VSP = static_cast<double>(Stufe(VSP, p_.LohnStufe));
  }
}

void TLStGeneration1995::Lauf(bool mitMZTABFB) {
  MRE4();
  MRE4JL();
  if (mitMZTABFB) MZTABFB();
  MLSTJAHR();
}

// Other (one-off) payments, 2002 to 2004.  Unlike 2005 a payment of 0 or
// less changes nothing, small payments of 2002 and 2003 go with the pay
// period, the runs overwrite the inputs WFUNDF and HINZUR, and both runs
// repeat MZTABFB.
void TLStGeneration1995::MSONST() {
  if (v_.SONSTB <= 0) return;
  if (v_.SONSTB <= p_.SonstbZeitraumBis) {
    // Small payments are added to the wage of the pay period.
    v_.RE4 = v_.RE4 + v_.SONSTB;
    v_.VBEZ = v_.VBEZ + v_.VBS;
    Lauf(true);
    JW = ST * 100.0;
    UPANTEIL();
    v_.STS = ANTEIL1 - v_.LSTLZZ;
  } else {
    // Otherwise the yearly tax with and without the payment.
    v_.LZZ = 1;
    v_.RE4 = v_.JRE4;
    v_.VBEZ = v_.JVBEZ;
    v_.WFUNDF = v_.JFREIB;
    v_.HINZUR = v_.JHINZU;
    Lauf(true);
    LST1 = ST * 100;
    v_.RE4 = v_.JRE4 + v_.SONSTB;
    v_.VBEZ = v_.JVBEZ + v_.VBS;
    Lauf(true);
    LST2 = ST * 100;
    v_.STS = LST2 - LST1;
  }
  v_.SOLZS = Abschneiden(v_.STS * SoliProzent() / 100);
  v_.BKS = v_.R ? v_.STS : 0;
}

// Remuneration for several years (one-fifth rule), 2002 to 2004.  Unlike
// the years from 2005 the one-fifth run repeats MRE4 on the one-fifth wage
// (2005 forms the allowances from the ordinary wage), and the inputs WFUNDF
// and HINZUR are overwritten.
void TLStGeneration1995::MVMT() {
  if (v_.VMT <= 0) return;
  // 2004 takes the tabular allowances of the first run for the later ones.
  const bool mitMZTABFB = p_.Gruppe != TGruppe1995::Jahr2004;
  v_.LZZ = 1;
  v_.VBEZ = v_.JVBEZ + v_.VBS;
  v_.WFUNDF = v_.JFREIB;
  v_.HINZUR = v_.JHINZU;
  v_.RE4 = v_.JRE4 + v_.SONSTB;
  Lauf(true);
  LST1 = ST * 100;
  v_.RE4 = v_.JRE4 + v_.SONSTB + v_.VMT;
  Lauf(mitMZTABFB);
  LST3 = ST * 100;
  if (p_.Gruppe == TGruppe1995::Jahr2004) {
    // The one-fifth run reduces VSPVOR by the wage with the full payment.
    ZRE4VPVMT = ZRE4VP;
    VSPVORAusVMT = true;
  }
  v_.RE4 = Abschneiden(v_.JRE4 + v_.SONSTB + v_.VMT / 5.0);
  Lauf(mitMZTABFB);
  LST2 = ST * 100;
  VSPVORAusVMT = false;
  v_.STV = (LST2 - LST1) * 5;
  if (LST3 - LST1 < v_.STV) v_.STV = LST3 - LST1;
  v_.SOLZV = Abschneiden(v_.STV * SoliProzent() / 100);
  v_.BKV = v_.R ? v_.STV : 0;
}

std::int64_t TLStGeneration1995::Tarifsteuer(std::uint8_t kztab, std::int64_t zve) {
  ParameterWaehlen();
  X = Tarifeinheit(static_cast<double>(zve), kztab);
  return Tarif(X) * kztab;
}

std::int64_t TLStGeneration1995::Tabelle(TTabellenArgumente& a) {
  const bool vorher = tabellenmodus_;
  tabellenmodus_ = true;
  Zuruecksetzen();
  const std::int64_t naechster = TLStAblauf::Tabelle(a);
  tabellenmodus_ = vorher;
  return naechster;
}

}  // namespace lst
