#include "lohnsteuer/ablauf.h"

#include "geld/geld.h"

namespace lst {

void TLStAblauf::Zuruecksetzen() {
  ZRE4 = ZRE4VP = ZVBEZ = FVB = ALTE = ZTABFB = VSP = ZVE = 0;
  X = SOLZJ = SOLZMIN = JW = ANTEIL2 = 0;
  ZX = ZZX = HOCH = VERGL = TabZRE4 = 0;
  ANP = EFA = SAP = KFB = FVBZ = FVBZSO = 0;
  ST = ST1 = ST2 = DIFF = MIST = LSTJAHR = JBMG = 0;
  SOLZFREI = ANTEIL1 = 0;
  KZTAB = 1;
}

void TLStAblauf::MBERECH() {
  MZTABFB();
  MLSTJAHR();
  const bool faktor = g_->MitFaktorschritt && !tabellenmodus_;
  // The cut of ST * 1 leaves a whole-Euro tax below 10^15 as it is.
  auto mitFaktor = [](std::int64_t st) {
    return st < 1'000'000'000'000'000 && st > -1'000'000'000'000'000 ? st : Abschneiden(static_cast<double>(st));
  };
  LSTJAHR = faktor ? mitFaktor(ST) : ST;
  if (g_->MitNachLSTJAHR) [[unlikely]] NachLSTJAHR();
  JW = LSTJAHR * 100.0;
  UPANTEIL();
  v_.LSTLZZ = ANTEIL1;
  if (v_.ZKF > 0 && !g_->KFBImZTABFB) {
    ZTABFB = ZTABFB + KFB;
    MLSTJAHR();
    // A table row carries no factor: neither on the tax nor on the surcharge base.
    JBMG = faktor ? mitFaktor(ST) : ST;
  } else {
    JBMG = LSTJAHR;
  }
  MSOLZ();
}

// Tabular allowances.
void TLStAblauf::MZTABFB() {
  if (g_->MitEigenemMZTABFB) [[unlikely]] {
    MZTABFBDesJahres();
    return;
  }
  if (tabellenmodus_) {
    // A table row does not depend on the wage's composition: the year's
    // employee lump sum for classes I to V, none for class VI.  The flowcharts
    // of 2005 to 2009 have no table mode; for them, too, a class V row gets
    // the lump sum, because outside table mode class V receives the lump sum
    // of its wage, and a row shall show what a single calculation of class V
    // gives for the bracket's wage.
    ANP = v_.STKL < 6 ? g_->ANP : 0;
  } else {
    MZTABFBLohn();
  }
  // The class's allowances by selection rather than a jump, which the
  // classes mixed at random would mispredict: class II the relief EFA,
  // class III splitting, class IV half the child allowance, class VI (and
  // any class out of range) neither lump sum nor child allowance.
  const int s = v_.STKL;
  const bool ohne = s < 1 || s > 5;
  const TParameterGrund& g = *g_;
  EFA = s == 2 ? g.EFA : 0;
  KZTAB = s == 3 ? 2 : 1;
  SAP = s == 3 ? g.SAP3 : s == 5 ? g.SAP5 : g.SAP;
  SAP = ohne ? 0 : SAP;
  std::int64_t kfbSatz = s == 4 ? g.KFB4 : g.KFB;
  kfbSatz = s >= 5 || ohne ? 0 : kfbSatz;
  KFB = Abschneiden(v_.ZKF * static_cast<double>(kfbSatz));
  ZTABFB = static_cast<double>(EFA + ANP + SAP);
  if (!tabellenmodus_) ZTABFB += FVBZ;
}

// ANP from the yearly pension payments and wage (2006 to 2009).  ZVBEZ and
// ZRE4 hold whole cents (differences of cent amounts); the steps run on those
// cents, so that a difference that is exactly whole Euro is not rounded up by
// the residue its doubles carry (ZVBEZ equal to FVBZ gave a pension part of
// one Euro instead of 0).
void TLStAblauf::MZTABFBLohn() {
  auto ganzeEuro = [](bool aufrunden, std::int64_t cent) {
    const std::int64_t euro = cent / 100;  // toward zero
    const std::int64_t rest = cent % 100;
    return aufrunden && rest != 0 ? euro + (cent > 0 ? 1 : -1) : euro;
  };
  auto inCent = [](double euro) { return Runden(euro * 100); };
  ANP = 0;
  const std::int64_t zvbez = inCent(ZVBEZ);
  if (zvbez >= 0 && zvbez < FVBZ * 100) FVBZ = zvbez / 100;
  if (v_.STKL < 6) {
    if (zvbez > 0) {
      if (zvbez - FVBZ * 100 < 10200) {
        ANP = (zvbez - FVBZ * 100) / 100;  // cut
      } else {
        ANP = 102;
      }
    }
  } else if (!g_->KlasseVIMitFVBZ) {
    FVBZ = 0;
    FVBZSO = 0;
  }
  const std::int64_t zre4 = inCent(ZRE4);
  if (v_.STKL < 6 && zre4 > zvbez) {
    if (zre4 - zvbez < g_->ANP * 100) {
      ANP = ganzeEuro(g_->ArbeitnehmerteilAufrunden, ANP * 100 + zre4 - zvbez);
    } else {
      ANP = ANP + g_->ANP;
    }
  }
}

void TLStAblauf::UPMLST() {
  if (ZVE < static_cast<double>(g_->ZVEMin)) ZVE = 0;
  X = Tarifeinheit(ZVE, KZTAB);
  if (v_.STKL < 5) {
    UPTAB();
  } else {
    MST5_6();
  }
}

double TLStAblauf::Tarifeinheit(double zve, int kztab) const {
  const TParameterGrund& g = *g_;
  if (zve < static_cast<double>(g.ZVEMin)) return 0;
  if (g.XStufe == 1) return static_cast<double>(Abschneiden(zve / kztab) + g.XZuschlag);
  return static_cast<double>(Stufe(zve / kztab, g.XStufe) + g.XZuschlag);
}

// Income-tax tariff.
void TLStAblauf::UPTAB() { ST = Tarif(X) * KZTAB; }


// Tax classes V and VI.
void TLStAblauf::MST5_6() {
  const TParameterGrund& g = *g_;
  ZZX = X;
  if (ZZX > g.W2STKL5) {
    ZX = static_cast<double>(g.W2STKL5);
    UP5_6();
    if (ZZX > g.W3STKL5) {
      ST = Abschneiden(ST + (g.W3STKL5 - g.W2STKL5) * 0.42);
      ST = Abschneiden(ST + (ZZX - g.W3STKL5) * 0.45);
    } else {
      ST = Abschneiden(ST + (ZZX - g.W2STKL5) * g.SatzSTKL5);
    }
  } else {
    ZX = ZZX;
    UP5_6();
    if (ZZX > g.W1STKL5) {
      VERGL = static_cast<double>(ST);
      ZX = static_cast<double>(g.W1STKL5);
      UP5_6();
      HOCH = static_cast<double>(Abschneiden(ST + (ZZX - g.W1STKL5) * g.SatzSTKL5));
      ST = HOCH < VERGL ? static_cast<std::int64_t>(HOCH) : static_cast<std::int64_t>(VERGL);
    }
  }
}

void TLStAblauf::UP5_6() {
  const int kztab = g_->UP5_6MitKZTAB ? KZTAB : 1;
  X = ZX * 1.25;
  ST1 = Tarif(X) * kztab;
  X = ZX * 0.75;
  ST2 = Tarif(X) * kztab;
  DIFF = (ST1 - ST2) * 2;
  MIST = Abschneiden(ZX * g_->MindestsatzSTKL5);
  ST = MIST > DIFF ? MIST : DIFF;
}

void TLStAblauf::MSOLZ() {
  SOLZFREI = g_->SOLZFREI * KZTAB;
  const double prozent = SoliProzent();
  if (prozent == 5.5 && g_->SOLZJAufCent && JBMG < 1'000'000'000'000) [[likely]] {
    // In whole cents: 5.5 % of JBMG cut to the cent, at most 20 % of what
    // exceeds the free amount; surcharge and church-tax base by selection.
    const bool ueber = JBMG > SOLZFREI;
    const std::int64_t solzj = JBMG * 55 / 10;
    const std::int64_t solzmin = (JBMG - SOLZFREI) * 20;
    const std::int64_t cent = solzmin < solzj ? solzmin : solzj;
    SOLZJ = static_cast<double>(cent) / 100;
    SOLZMIN = static_cast<double>(solzmin) / 100;
    JW = static_cast<double>(cent);
    UPANTEIL();
    v_.SOLZLZZ = ueber ? ANTEIL1 : 0;
    if (g_->EigeneKirchensteuerbasis) [[unlikely]] {
      Kirchensteuerbasis();
      return;
    }
    JW = JBMG * 100.0;
    UPANTEIL();
    v_.BK = v_.R ? ANTEIL1 : 0;
    return;
  }
  if (JBMG > SOLZFREI) {
    SOLZJ = prozent * JBMG / 100;
    if (g_->SOLZJAufCent) SOLZJ = AbschneidenStellen(2, SOLZJ);
    SOLZMIN = (JBMG - SOLZFREI) * 20 / 100.0;
    if (SOLZMIN < SOLZJ) SOLZJ = SOLZMIN;
    JW = SOLZJ * 100;
    UPANTEIL();
    v_.SOLZLZZ = ANTEIL1;
  } else {
    v_.SOLZLZZ = 0;
  }
  if (g_->EigeneKirchensteuerbasis) [[unlikely]] {
    Kirchensteuerbasis();
  } else if (v_.R) {
    JW = JBMG * 100.0;
    UPANTEIL();
    v_.BK = ANTEIL1;
  } else {
    v_.BK = 0;
  }
}

void TLStAblauf::UPANTEIL2() {
  switch (v_.LZZ) {
    case 1: ANTEIL2 = JW; break;
    case 2: ANTEIL2 = static_cast<double>(Aufrunden(JW / 12)); break;
    case 3: ANTEIL2 = static_cast<double>(Aufrunden(JW * 7 / 360)); break;
    default: ANTEIL2 = static_cast<double>(Aufrunden(JW / 360)); break;
  }
}



std::int64_t TLStAblauf::Einkommensteuer(std::uint8_t stkl, std::uint8_t kztab, std::int64_t zve) {
  ParameterWaehlen();
  ZVE = static_cast<double>(zve);
  v_.STKL = stkl;
  KZTAB = kztab;
  UPMLST();
  JBMG = ST;
  MSOLZ();
  return ST;
}

void TLStAblauf::Zuschlaege(std::uint8_t kztab, std::int64_t steuer) {
  ParameterWaehlen();
  KZTAB = kztab;
  JBMG = steuer;
  MSOLZ();
}

// One bracket of 36 Euro per year; the tax is that of the bracket's top.
std::int64_t TLStAblauf::Tabelle(TTabellenArgumente& a) {
  const bool vorher = tabellenmodus_;
  tabellenmodus_ = true;
  const std::int64_t naechster = Tabellenzeile(a);
  tabellenmodus_ = vorher;
  return naechster;
}

std::int64_t TLStAblauf::Tabellenzeile(TTabellenArgumente& a) {
  ParameterWaehlen();
  // KRV 1 for the special table (not insured in the statutory pension
  // insurance).
  v_.KRV = a.AllgemeineTabelle ? 0 : 1;
  v_.LZZ = a.LZZ;
  const double c = a.Lohn / 100.0;
  const double u = 36.0 * static_cast<double>(Abschneiden(c / 36 + 1.0 / 72));
  ZRE4 = u;
  v_.STKL = a.STKL;
  v_.ZKF = a.ZKF;
  TabZRE4 = u + 35.99;
  StufeFuerZeitraum(Runden(u * 100));
  MBERECH();
  a.StufeBis = v_.TabStufeBis;
  a.StufeVon = v_.TabStufeVon;
  return c != u + 36 ? Runden(100 * (u + 36)) : Runden(100 * (c + 36));
}

}  // namespace lst
