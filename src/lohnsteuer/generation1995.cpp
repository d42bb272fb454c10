#include "lohnsteuer/generation1995.h"

#include "calc/geld.h"

namespace lst {

namespace {

// Step s of a value v: the lower end of the step of width s that holds v.
std::int64_t Stufe(double v, int s) {
  return Abschneiden(static_cast<double>(Abschneiden(v / s)) * s);
}

}  // namespace

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

TLStGeneration1995::TLStGeneration1995(TRechenKontext& k, const TParameter1995& p)
    : TLohnsteuerProgramm(k), p_(p) {}

void TLStGeneration1995::Zuruecksetzen() {
  FVB = ALTE = ZRE4LZZ = ZRE4VPLZZ = 0;
  ANTEIL1 = ANTEIL2 = 0;
  LST1 = LST2 = LST3 = 0;
  ZRE4 = ZRE4VP = TabZRE4 = ZTABFB = ZVE = X = Y = RW = 0;
  VSP = VSPO = VSPVOR = VSPMAX1 = VSPMAX2 = VSPKURZ = VSPREST = 0;
  SOLZJ = SOLZMIN = JW = ZX = ZZX = 0;
  ANP = SAP = HFB = KFB = ST = ST1 = ST2 = DIFF = MIST = 0;
  HOCH = VERGL = LSTJAHR = JBMG = SOLZFREI = 0;
  KZTAB = 1;
  VSPVORAusVMT = false;
  ZRE4VPVMT = 0;
  // Outputs that only some of these years have, so that none is left over
  // from a run of another year.
  v_.VKVLZZ = v_.VKVSONST = 0;
  v_.STS = v_.SOLZS = v_.BKS = 0;
  v_.STV = v_.SOLZV = v_.BKV = 0;
}

double TLStGeneration1995::SoliSatz() const {
  return p_.SoliAusEinstellungen ? k_.SoliGeladen : lst::SoliSatz(p_.Jahr);
}

void TLStGeneration1995::Lohnsteuer() {
  Zuruecksetzen();
  if (p_.Gruppe == TGruppe1995::Jahr2004) k_.Tabellenmodus = false;
  MRE4();
  MRE4JL();
  Lohnstufe(Abschneiden(ZRE4 * 100));
  Berechnung();
  if (p_.Gruppe >= TGruppe1995::EuroStufen) {
    MSONST();
    MVMT();
  }
}

// Pension allowance and age relief on the pay period (cents), and the
// reduced wage of the pay period.
void TLStGeneration1995::MRE4() {
  if (v_.VBEZ > 0) {
    FVB = Aufrunden(v_.VBEZ * 0.4);
    JW = p_.FVBMax * 100.0;
    UPANTEIL();
    if (FVB > ANTEIL2) FVB = ANTEIL2;
  } else {
    FVB = 0;
  }
  if (v_.ALTER1) {
    ALTE = Aufrunden((v_.RE4 - v_.VBEZ) * 0.4);
    JW = p_.ALTEMax * 100.0;
    UPANTEIL();
    if (ALTE > ANTEIL2) ALTE = ANTEIL2;
  } else {
    ALTE = 0;
  }
  ZRE4VPLZZ = v_.RE4 - FVB - ALTE;
  ZRE4LZZ = ZRE4VPLZZ - v_.WFUNDF;
  if (p_.Jahr >= 2001) ZRE4LZZ += v_.HINZUR;
}

// The pay-period amounts as yearly amounts, placed on the wage steps.
void TLStGeneration1995::MRE4JL() {
  auto jahr = [&](std::int64_t c) -> double {
    switch (v_.LZZ) {
      case 1: return c / 100.0;
      case 2: return AbschneidenStellen(2, (c + 0.67) * 0.12);
      case 3: return AbschneidenStellen(2, (c + 0.89) * 3.6 / 7);
      default: return AbschneidenStellen(2, (c + 0.56) * 3.6);
    }
  };
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

// Bounds of the wage bracket that starts at a yearly wage (cents), in cents of
// the pay period (the table rows of the years with steps are main-routine
// runs; 2004 has brackets of 36 Euro).
void TLStGeneration1995::Lohnstufe(std::int64_t jahresCent) {
  const int breite = p_.LohnStufe > 0 ? p_.LohnStufe : 36;
  JW = static_cast<double>(jahresCent);
  UPANTEIL();
  v_.TabStufeVon = ANTEIL1;
  JW = breite * 100.0;
  UPANTEIL();
  v_.TabStufeBis = v_.TabStufeVon + ANTEIL1 - 1;
}

// Yearly tax, its pay-period share, surcharge and church-tax base.
void TLStGeneration1995::Berechnung() {
  MZTABFB();
  MLSTJAHR();
  LSTJAHR = ST;
  NachLSTJAHR();
  JW = LSTJAHR * 100.0;
  UPANTEIL();
  v_.LSTLZZ = ANTEIL1;
  // From 1996 the child allowances count for the surcharge and the church-tax
  // base only; in 1995 they are part of ZTABFB and so of LSTJAHR.
  if (p_.Gruppe != TGruppe1995::Jahr1995 && v_.ZKF > 0) {
    ZTABFB = ZTABFB + KFB;
    MLSTJAHR();
    JBMG = ST;
  } else {
    JBMG = LSTJAHR;
  }
  MSOLZ();
}

// Tabular allowances.
void TLStGeneration1995::MZTABFB() {
  KZTAB = v_.STKL == 3 ? 2 : 1;
  ANP = SAP = HFB = KFB = 0;
  if (v_.STKL <= 4) {
    ANP = p_.ANP;
    SAP = v_.STKL == 3 ? p_.SAP3 : p_.SAP;
    if (v_.STKL == 2) HFB = p_.HFB;
    const double kfb = v_.ZKF * (v_.STKL == 4 ? p_.KFB4 : p_.KFB);
    KFB = p_.Jahr <= 2001 ? Runden(kfb) : Abschneiden(kfb);
  } else if (v_.STKL == 5) {
    ANP = p_.ANP;
  }
  if (v_.STKL == 6) {
    ZTABFB = static_cast<double>(p_.ZTABFB6);
  } else {
    ZTABFB = static_cast<double>(ANP + SAP + HFB);
    if (p_.Gruppe == TGruppe1995::Jahr1995) ZTABFB += KFB;
  }
}

void TLStGeneration1995::MLSTJAHR() {
  MVSP();
  if (p_.Gruppe == TGruppe1995::Jahr2004) {
    const double lohn = k_.Tabellenmodus ? TabZRE4 : ZRE4;
    ZVE = static_cast<double>(Abschneiden(lohn - ZTABFB - VSP));
  } else {
    ZVE = ZRE4 - ZTABFB - static_cast<double>(Abschneiden(VSP));
  }
  UPMLST();
}

// Provision allowance (old law), classes I to IV.
void TLStGeneration1995::MVSP() {
  if (v_.STKL >= 5) {
    VSP = 0;
    return;
  }
  // A table row takes its provision allowance from the upper end of the
  // bracket, as the wage steps of the earlier years do.
  if (k_.Tabellenmodus && p_.Gruppe == TGruppe1995::Jahr2004) ZRE4VP = TabZRE4;
  VSPO = ZRE4VP * p_.VSPOSatz;
  VSPVOR = static_cast<double>(p_.VSPVOR * KZTAB);
  VSPMAX1 = static_cast<double>(p_.VSPMAX1 * KZTAB);
  VSPMAX2 = static_cast<double>(p_.VSPMAX2 * KZTAB);
  VSPKURZ = static_cast<double>(p_.VSPKURZ * KZTAB);
  if (v_.KRV == 1) {
    VSP = VSPKURZ >= VSPO ? VSPO : VSPKURZ;
  } else {
    UMVSP();
  }
  if (p_.LohnStufe == 0) {
    VSP = static_cast<double>(Abschneiden(VSP));
  } else {
    VSP = static_cast<double>(Stufe(VSP, p_.LohnStufe));
  }
}

void TLStGeneration1995::UMVSP() {
  const double basis = VSPVORAusVMT ? ZRE4VPVMT : ZRE4VP;
  VSPVOR = VSPVOR - basis * 0.16;
  if (VSPVOR < 0) VSPVOR = 0;
  if (VSPO > VSPVOR) {
    VSP = VSPVOR;
    VSPREST = VSPO - VSPVOR;
    if (VSPMAX1 >= VSPREST) {
      VSP = VSP + VSPREST;
    } else {
      VSP = VSP + VSPMAX1;
      VSPREST = RundenStellen(2, (VSPREST - VSPMAX1) / 2);
      VSP = VSP + (VSPMAX2 >= VSPREST ? VSPREST : VSPMAX2);
    }
  } else {
    VSP = VSPO;
  }
}

// Taxable income per tariff unit, placed on the year's steps.
double TLStGeneration1995::Tarifeinheit(double zve, int kztab) const {
  if (zve < static_cast<double>(p_.ZVEMin)) return 0;
  return static_cast<double>(Stufe(zve / kztab, p_.XStufe) + p_.XZuschlag);
}

void TLStGeneration1995::UPMLST() {
  if (ZVE < static_cast<double>(p_.ZVEMin)) ZVE = 0;
  X = Tarifeinheit(ZVE, KZTAB);
  if (v_.STKL < 5) {
    ST = p_.UPTAB(X) * KZTAB;
  } else {
    MST5_6();
  }
}

// Tax classes V and VI.
void TLStGeneration1995::MST5_6() {
  ZZX = X;
  if (ZZX > p_.Klasse5.W2STKL5) {
    ZX = static_cast<double>(p_.Klasse5.W2STKL5);
    UP5_6();
    ST = Abschneiden(ST + (ZZX - p_.Klasse5.W2STKL5) * p_.Klasse5.SatzOben);
  } else {
    ZX = ZZX;
    UP5_6();
    if (p_.Klasse5.W1STKL5 > 0 && ZZX > p_.Klasse5.W1STKL5) {
      VERGL = ST;
      ZX = static_cast<double>(p_.Klasse5.W1STKL5);
      UP5_6();
      HOCH = Abschneiden(ST + (ZZX - p_.Klasse5.W1STKL5) * p_.Klasse5.SatzOben);
      ST = HOCH < VERGL ? HOCH : VERGL;
    }
  }
}

void TLStGeneration1995::UP5_6() {
  X = ZX * 1.25;
  ST1 = p_.UPTAB(X);
  X = ZX * 0.75;
  ST2 = p_.UPTAB(X);
  DIFF = (ST1 - ST2) * 2;
  MIST = Abschneiden(ZX * p_.Klasse5.MindestSatz);
  ST = MIST > DIFF ? MIST : DIFF;
}

void TLStGeneration1995::MSOLZ() {
  SOLZFREI = p_.SOLZFREI * KZTAB;
  if (JBMG > SOLZFREI) {
    SOLZJ = JBMG * SoliSatz() / 100;
    if (p_.Jahr >= 2002) SOLZJ = AbschneidenStellen(2, SOLZJ);
    SOLZMIN = (JBMG - SOLZFREI) * 20 / 100.0;
    if (SOLZMIN < SOLZJ) SOLZJ = SOLZMIN;
    JW = SOLZJ * 100;
    UPANTEIL();
    v_.SOLZLZZ = ANTEIL1;
  } else {
    v_.SOLZLZZ = 0;
  }
  Kirchensteuerbasis();
}

void TLStGeneration1995::Kirchensteuerbasis() {
  if (v_.R) {
    JW = JBMG * 100.0;
    UPANTEIL();
    v_.BK = ANTEIL1;
  } else {
    v_.BK = 0;
  }
}

// Yearly cents JW to the pay period: ANTEIL1 cut, ANTEIL2 rounded up.
void TLStGeneration1995::UPANTEIL() {
  double anteil = JW;
  switch (v_.LZZ) {
    case 1:
      ANTEIL1 = ANTEIL2 = Abschneiden(JW);
      return;
    case 2: anteil = JW / 12; break;
    case 3: anteil = JW * 7 / 360; break;
    default: anteil = JW / 360; break;
  }
  ANTEIL1 = Abschneiden(anteil);
  ANTEIL2 = Aufrunden(anteil);
}

void TLStGeneration1995::Lauf(bool mitMZTABFB) {
  MRE4();
  MRE4JL();
  if (mitMZTABFB) MZTABFB();
  MLSTJAHR();
}

// Other (one-off) payments, 2002 to 2004.
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
  v_.SOLZS = Abschneiden(v_.STS * SoliSatz() / 100);
  v_.BKS = v_.R ? v_.STS : 0;
}

// Remuneration for several years (one-fifth rule), 2002 to 2004.
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
  v_.SOLZV = Abschneiden(v_.STV * SoliSatz() / 100);
  v_.BKV = v_.R ? v_.STV : 0;
}

std::int64_t TLStGeneration1995::Einkommensteuer(std::uint8_t stkl, std::uint8_t kztab,
                                                 std::int64_t zve) {
  v_.STKL = stkl;
  KZTAB = kztab;
  ZVE = static_cast<double>(zve);
  UPMLST();
  JBMG = ST;
  MSOLZ();
  return ST;
}

std::int64_t TLStGeneration1995::Tarifsteuer(std::uint8_t kztab, std::int64_t zve) {
  X = Tarifeinheit(static_cast<double>(zve), kztab);
  return p_.UPTAB(X) * kztab;
}

// One bracket of the wage-tax table (2004): brackets of 36 Euro a year, taxed
// at their upper end.
std::int64_t TLStGeneration1995::Tabelle(TTabellenArgumente& a) {
  const bool vorher = k_.Tabellenmodus;
  k_.Tabellenmodus = true;
  Zuruecksetzen();
  v_.KRV = a.AllgemeineTabelle ? 0 : 1;
  v_.LZZ = a.LZZ;
  v_.STKL = a.STKL;
  v_.ZKF = a.ZKF;
  const double c = a.Lohn / 100.0;
  const double u = 36.0 * static_cast<double>(Abschneiden(c / 36 + 1.0 / 72));
  ZRE4 = u;
  TabZRE4 = u + 35.99;
  Lohnstufe(Runden(u * 100));
  Berechnung();
  k_.Tabellenmodus = vorher;
  a.StufeBis = v_.TabStufeBis;
  a.StufeVon = v_.TabStufeVon;
  return c != u + 36 ? Runden(100 * (u + 36)) : Runden(100 * (c + 36));
}

}  // namespace lst
