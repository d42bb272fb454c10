#include "lohnsteuer/generation2010.h"

#include "calc/geld.h"
#include "lohnsteuer/versorgung_tabellen.h"

namespace lst {

using versorgung::TAB1;
using versorgung::TAB2;
using versorgung::TAB3;
using versorgung::TAB4;
using versorgung::TAB5;

void TLStGeneration2010::Zuruecksetzen() {
  ZRE4J = ZVBEZJ = JLFREIB = JLHINZU = ZRE4 = ZRE4VP = ZVBEZ = 0;
  BMG = ALTE = FVB = FVBSO = HFVBZ = HFVBZSO = 0;
  VSP1 = VSP2 = VSP3 = VSP = VSPN = ZTABFB = ZVE = 0;
  X = Y = RW = SOLZJ = SOLZMIN = JW = 0;
  KVSATZAN = KVSATZAG = PVSATZAN = PVSATZAG = 0;
  ZX = ZZX = HOCH = VERGL = STOVMT = TabZRE4 = 0;
  ANP = EFA = SAP = KFB = FVBZ = FVBZSO = HFVB = 0;
  ST = ST1 = ST2 = DIFF = MIST = LSTJAHR = JBMG = 0;
  SOLZFREI = ANTEIL1 = VHB = VKV = 0;
  VBEZB = VBEZBSO = LSTOSO = LSTSO = LST1 = LST2 = LST3 = 0;
  KZTAB = 1;
  KENNVMT = 0;
  J = K = 1;
}

void TLStGeneration2010::Lohnsteuer() {
  p_ = &Parameter();
  Zuruecksetzen();
  k_.Tabellenmodus = false;
  MRE4JL();
  VBEZBSO = 0;
  KENNVMT = 0;
  MRE4();
  MRE4ABZ();
  MBERECH();
  MSONST();
  MVMT();
}

// Yearly amounts, each cut to the cent.
void TLStGeneration2010::MRE4JL() {
  auto jahr = [&](std::int64_t c) -> double {
    if (c == 0) return 0.0;
    switch (v_.LZZ) {
      case 1: return AbschneidenStellen(2, c / 100.0);
      case 2: return AbschneidenStellen(2, (c * 12) / 100.0);
      case 3: return AbschneidenStellen(2, (c * 360) / 7.0 / 100.0);
      default: return AbschneidenStellen(2, (c * 360) / 100.0);
    }
  };
  ZRE4J = jahr(v_.RE4);
  ZVBEZJ = jahr(v_.VBEZ);
  JLFREIB = jahr(v_.LZZFREIB);
  JLHINZU = jahr(v_.LZZHINZU);
  if (v_.af == 0) v_.f = 1.0;
  StufeFuerZeitraum(Abschneiden(ZRE4J * 100));
}

// Bounds of the wage bracket, from yearly cents to the pay period.
void TLStGeneration2010::StufeFuerZeitraum(std::int64_t jahresCent) {
  switch (v_.LZZ) {
    case 1:
      v_.TabStufeVon = jahresCent;
      v_.TabStufeBis = jahresCent + 3599;
      break;
    case 2:
      v_.TabStufeVon = Abschneiden(jahresCent / 12.0);
      v_.TabStufeBis = v_.TabStufeVon + 299;
      break;
    case 3:
      v_.TabStufeVon = Abschneiden(jahresCent * 7 / 360.0);
      v_.TabStufeBis = v_.TabStufeVon + 69;
      break;
    default:
      v_.TabStufeVon = Abschneiden(jahresCent / 360.0);
      v_.TabStufeBis = v_.TabStufeVon + 9;
      break;
  }
}

// Pension allowance.
void TLStGeneration2010::MRE4() {
  if (ZVBEZJ == 0) {
    FVBZ = 0;
    FVB = 0;
    FVBZSO = 0;
    FVBSO = 0;
  } else {
    J = versorgung::Zeile(v_.VJAHR);
    if (v_.LZZ == 1) {
      VBEZB = v_.VBEZM * v_.ZMVB + v_.VBEZS;
      HFVB = Abschneiden(TAB2[J] / 12.0 * v_.ZMVB);
      FVBZ = Aufrunden(TAB3[J] / 12.0 * v_.ZMVB);
    } else {
      VBEZB = v_.VBEZM * 12 + v_.VBEZS;
      HFVB = TAB2[J];
      FVBZ = TAB3[J];
    }
    FVB = AufrundenStellen(2, VBEZB * TAB1[J] / 100);
    if (FVB > HFVB) FVB = static_cast<double>(HFVB);
    FVBSO = AufrundenStellen(2, FVB + VBEZBSO * TAB1[J] / 100);
    if (FVBSO > TAB2[J]) FVBSO = static_cast<double>(TAB2[J]);
    HFVBZSO = (VBEZB + VBEZBSO) / 100.0 - FVBSO;
    FVBZSO = Aufrunden(FVBZ + VBEZBSO / 100.0);
    if (FVBZSO > HFVBZSO) FVBZSO = Aufrunden(HFVBZSO);
    if (FVBZSO > TAB3[J]) FVBZSO = TAB3[J];
    HFVBZ = VBEZB / 100.0 - FVB;
    if (FVBZ > HFVBZ) FVBZ = Aufrunden(HFVBZ);
  }
  MRE4ALTE();
}

// Age relief.
void TLStGeneration2010::MRE4ALTE() {
  if (v_.ALTER1 == 0) {
    ALTE = 0;
    return;
  }
  K = versorgung::Zeile(v_.AJAHR);
  BMG = ZRE4J - ZVBEZJ;
  ALTE = static_cast<double>(Aufrunden(BMG * TAB4[K]));
  if (ALTE > TAB5[K]) ALTE = static_cast<double>(TAB5[K]);
}

void TLStGeneration2010::MRE4ABZ() {
  ZRE4 = ZRE4J - FVB - ALTE - JLFREIB + JLHINZU;
  if (ZRE4 < 0) ZRE4 = 0;
  ZRE4VP = ZRE4J;
  if (KENNVMT == 2) ZRE4VP = ZRE4VP - v_.ENTSCH / 100.0;
  ZVBEZ = ZVBEZJ - FVB;
  if (ZVBEZ < 0) ZVBEZ = 0;
}

void TLStGeneration2010::MBERECH() {
  MZTABFB();
  MLSTJAHR();
  LSTJAHR = k_.Tabellenmodus ? ST : Abschneiden(ST * v_.f);
  JW = LSTJAHR * 100.0;
  UPANTEIL();
  v_.LSTLZZ = ANTEIL1;
  if (p_->MitVKV) {
    UPVKV();
    JW = static_cast<double>(VKV);
    UPANTEIL();
    v_.VKVLZZ = ANTEIL1;
  }
  if (v_.ZKF > 0) {
    ZTABFB = ZTABFB + KFB;
    MRE4ABZ();
    MLSTJAHR();
    JBMG = Abschneiden(ST * v_.f);
  } else {
    JBMG = LSTJAHR;
  }
  MSOLZ();
}

// Tabular allowances.
void TLStGeneration2010::MZTABFB() {
  if (k_.Tabellenmodus) {
    EFA = 0;
    if (v_.STKL < 6) {
      ANP = p_->ANP;
      SAP = 36;
    } else {
      ANP = 0;
      SAP = 0;
    }
  } else {
    ANP = 0;
    if (ZVBEZ >= 0 && ZVBEZ < FVBZ) FVBZ = Abschneiden(ZVBEZ);
    if (v_.STKL < 6) {
      if (ZVBEZ > 0) {
        if (ZVBEZ - FVBZ < 102) {
          ANP = Aufrunden(ZVBEZ - FVBZ);
        } else {
          ANP = 102;
        }
      }
    } else {
      FVBZ = 0;
      FVBZSO = 0;
    }
    if (v_.STKL < 6 && ZRE4 > ZVBEZ) {
      if (ZRE4 - ZVBEZ < p_->ANP) {
        ANP = Aufrunden(ANP + ZRE4 - ZVBEZ);
      } else {
        ANP = ANP + p_->ANP;
      }
    }
    EFA = 0;
    SAP = v_.STKL < 6 ? 36 : 0;
  }
  KZTAB = 1;
  switch (v_.STKL) {
    case 1: KFB = Abschneiden(v_.ZKF * p_->KFB); break;
    case 2:
      EFA = 1308;
      KFB = Abschneiden(v_.ZKF * p_->KFB);
      break;
    case 3:
      KZTAB = 2;
      KFB = Abschneiden(v_.ZKF * p_->KFB);
      break;
    case 4: KFB = Abschneiden(v_.ZKF * p_->KFB4); break;
    default: KFB = 0; break;
  }
  ZTABFB = static_cast<double>(EFA + ANP + SAP);
  if (!k_.Tabellenmodus) ZTABFB += FVBZ;
}

void TLStGeneration2010::MLSTJAHR() {
  UPEVP();
  if (k_.Tabellenmodus) {
    ZVE = TabZRE4 - ZTABFB - VSP;
    UPMLST();
  } else if (KENNVMT != 1) {
    ZVE = ZRE4 - ZTABFB - VSP;
    UPMLST();
  } else {
    ZVE = ZRE4 - ZTABFB - VSP - v_.VMT / 100.0 - v_.VKAPA / 100.0;
    if (ZVE < 0) {
      ZVE = (ZVE + v_.VMT / 100.0 + v_.VKAPA / 100.0) / 5;
      UPMLST();
      ST = ST * 5;
    } else {
      UPMLST();
      STOVMT = static_cast<double>(ST);
      ZVE = ZVE + (v_.VMT + v_.VKAPA) / 500.0;
      UPMLST();
      ST = Abschneiden((ST - STOVMT) * 5 + STOVMT);
    }
  }
}

// Pension part and lump-sum part of the provision allowance.
void TLStGeneration2010::UPEVP() {
  if (k_.Tabellenmodus) ZRE4VP = TabZRE4;
  if (v_.KRV > 1) {
    VSP1 = 0;
  } else {
    const double bbg = v_.KRV == 1 ? p_->BBGRVOst : p_->BBGRVWest;
    if (ZRE4VP > bbg) ZRE4VP = bbg;
    VSP1 = AbschneidenStellen(2, ZRE4VP * p_->TBSVORV);
    VSP1 = AbschneidenStellen(2, VSP1 * p_->RVSatzAN);
  }
  VSP2 = AbschneidenStellen(2, ZRE4VP * 0.12);
  VHB = v_.STKL == 3 ? 3000 : 1900;
  if (VSP2 > VHB) VSP2 = static_cast<double>(VHB);
  VSPN = static_cast<double>(Aufrunden(VSP1 + VSP2));
  MVSP();
  if (VSPN > VSP) VSP = VSPN;
}

// Health and care part of the provision allowance.
void TLStGeneration2010::MVSP() {
  if (ZRE4VP > p_->BBGKVPV) ZRE4VP = p_->BBGKVPV;
  auto gesetzlicheSaetze = [&](bool mitZuschlag) {
    KVSATZAN = p_->KVSATZAN;
    PVSATZAN = v_.PVS == 1 ? p_->PVSATZANSachsen : p_->PVSATZAN;
    if (mitZuschlag && v_.PVZ == 1) PVSATZAN = PVSATZAN + 0.0025;
  };
  if (k_.Tabellenmodus) {
    gesetzlicheSaetze(false);
    // A table row of a privately insured person without employer subsidy
    // gets no health-and-care part: its contributions are individual, so the
    // row carries the minimum provision allowance (VSPN) only.
    if (v_.PKV == 1) {
      VSP3 = 0;
    } else {
      VSP3 = AbschneidenStellen(2, (KVSATZAN + PVSATZAN) * ZRE4VP);
    }
  } else if (v_.PKV == 0) {
    gesetzlicheSaetze(true);
    VSP3 = AbschneidenStellen(2, (KVSATZAN + PVSATZAN) * ZRE4VP);
  } else if (v_.STKL == 6) {
    VSP3 = 0;
  } else {
    VSP3 = v_.PKPV * 12 / 100.0;
    if (v_.PKV == 2) {
      KVSATZAG = p_->KVSATZAG;
      PVSATZAG = v_.PVS == 1 ? p_->PVSATZAGSachsen : p_->PVSATZAG;
      VSP3 = AbschneidenStellen(2, VSP3 - (KVSATZAG + PVSATZAG) * ZRE4VP);
    }
  }
  VSP = static_cast<double>(Aufrunden(VSP3 + VSP1));
}

void TLStGeneration2010::UPMLST() {
  if (ZVE < 1) {
    ZVE = 0;
    X = 0;
  } else {
    X = static_cast<double>(Abschneiden(ZVE / KZTAB));
  }
  if (v_.STKL < 5) {
    UPTAB();
  } else {
    MST5_6();
  }
}

// Income-tax tariff.
void TLStGeneration2010::UPTAB() {
  const TTarif& t = p_->Tarif;
  if (X < t.GFB + 1) {
    ST = 0;
  } else if (X < t.Zone2Ab) {
    Y = (X - t.GFB) / 10000;
    RW = Y * t.A1;
    RW = RW + t.B1;
    ST = Abschneiden(RW * Y);
  } else if (X < t.Zone3Ab) {
    Y = (X - t.Zone2Basis) / 10000;
    RW = Y * t.A2;
    RW = RW + t.B2;
    RW = RW * Y;
    ST = Abschneiden(RW + t.C2);
  } else if (X < t.Zone4Ab) {
    ST = Abschneiden(X * 0.42 - t.C3);
  } else {
    ST = Abschneiden(X * 0.45 - t.C4);
  }
  ST = ST * KZTAB;
}

// Tax classes V and VI.
void TLStGeneration2010::MST5_6() {
  ZZX = X;
  if (ZZX > p_->W2STKL5) {
    ZX = static_cast<double>(p_->W2STKL5);
    UP5_6();
    if (ZZX > p_->W3STKL5) {
      ST = Abschneiden(ST + (p_->W3STKL5 - p_->W2STKL5) * 0.42);
      ST = Abschneiden(ST + (ZZX - p_->W3STKL5) * 0.45);
    } else {
      ST = Abschneiden(ST + (ZZX - p_->W2STKL5) * 0.42);
    }
  } else {
    ZX = ZZX;
    UP5_6();
    if (ZZX > p_->W1STKL5) {
      VERGL = static_cast<double>(ST);
      ZX = static_cast<double>(p_->W1STKL5);
      UP5_6();
      HOCH = static_cast<double>(Abschneiden(ST + (ZZX - p_->W1STKL5) * 0.42));
      ST = HOCH < VERGL ? static_cast<std::int64_t>(HOCH) : static_cast<std::int64_t>(VERGL);
    }
  }
}

void TLStGeneration2010::UP5_6() {
  X = ZX * 1.25;
  UPTAB();
  ST1 = ST;
  X = ZX * 0.75;
  UPTAB();
  ST2 = ST;
  DIFF = (ST1 - ST2) * 2;
  MIST = Abschneiden(ZX * 0.14);
  ST = MIST > DIFF ? MIST : DIFF;
}

void TLStGeneration2010::MSOLZ() {
  SOLZFREI = 972 * KZTAB;
  if (JBMG > SOLZFREI) {
    SOLZJ = AbschneidenStellen(2, k_.SoliSatz() * JBMG / 100);
    SOLZMIN = (JBMG - SOLZFREI) * 20 / 100.0;
    if (SOLZMIN < SOLZJ) SOLZJ = SOLZMIN;
    JW = SOLZJ * 100;
    UPANTEIL();
    v_.SOLZLZZ = ANTEIL1;
  } else {
    v_.SOLZLZZ = 0;
  }
  if (v_.R) {
    JW = JBMG * 100.0;
    UPANTEIL();
    v_.BK = ANTEIL1;
  } else {
    v_.BK = 0;
  }
}

// Yearly cents JW to the pay period.
void TLStGeneration2010::UPANTEIL() {
  switch (v_.LZZ) {
    case 1: ANTEIL1 = Abschneiden(JW); break;
    case 2: ANTEIL1 = Abschneiden(JW / 12); break;
    case 3: ANTEIL1 = Abschneiden(JW * 7 / 360); break;
    default: ANTEIL1 = Abschneiden(JW / 360); break;
  }
}

void TLStGeneration2010::UPVKV() {
  if (v_.PKV > 0) {
    VKV = Abschneiden((VSP2 > VSP3 ? VSP2 : VSP3) * 100);
  } else {
    VKV = 0;
  }
}

// Other (one-off) payments.
void TLStGeneration2010::MSONST() {
  v_.LZZ = 1;
  if (v_.ZMVB == 0) v_.ZMVB = 12;
  if (v_.SONSTB == 0) {
    v_.VKVSONST = 0;
    LSTSO = 0;
    v_.STS = 0;
    v_.SOLZS = 0;
    v_.BKS = 0;
    return;
  }
  MOSONST();
  if (p_->MitVKV) {
    UPVKV();
    v_.VKVSONST = VKV;
  }
  ZRE4J = (v_.JRE4 + v_.SONSTB) / 100.0;
  ZVBEZJ = (v_.JVBEZ + v_.VBS) / 100.0;
  VBEZBSO = v_.STERBE;
  MRE4SONST();
  MLSTJAHR();
  if (p_->MitVKV) {
    UPVKV();
    v_.VKVSONST = VKV - v_.VKVSONST;
  }
  LSTSO = ST * 100;
  // The factor applies to the tax on other payments in whole Euro.
  v_.STS = Abschneiden((LSTSO - LSTOSO) * v_.f / 100) * 100;
  if (v_.STS < 0) v_.STS = 0;
  v_.SOLZS = Abschneiden(k_.SoliSatz() * v_.STS / 100);
  v_.BKS = v_.R ? v_.STS : 0;
}

void TLStGeneration2010::MOSONST() {
  ZRE4J = v_.JRE4 / 100.0;
  ZVBEZJ = v_.JVBEZ / 100.0;
  JLFREIB = v_.JFREIB / 100.0;
  JLHINZU = v_.JHINZU / 100.0;
  MRE4();
  MRE4ABZ();
  if (p_->MitEntschaedigung) ZRE4VP = ZRE4VP - v_.JRE4ENT / 100.0;
  MZTABFB();
  MLSTJAHR();
  LSTOSO = ST * 100;
}

void TLStGeneration2010::MRE4SONST() {
  MRE4();
  FVB = FVBSO;
  MRE4ABZ();
  if (p_->MitEntschaedigung) ZRE4VP = ZRE4VP - v_.JRE4ENT / 100.0 - v_.SONSTENT / 100.0;
  FVBZ = FVBZSO;
  MZTABFB();
}

// Remuneration for several years.
void TLStGeneration2010::MVMT() {
  if (v_.VKAPA < 0) v_.VKAPA = 0;
  if (v_.VMT + v_.VKAPA <= 0) {
    v_.STV = 0;
    v_.SOLZV = 0;
    v_.BKV = 0;
    return;
  }
  if (LSTSO == 0) {
    MOSONST();
    LST1 = LSTOSO;
  } else {
    LST1 = LSTSO;
  }
  VBEZBSO = v_.STERBE + v_.VKAPA;
  ZRE4J = (v_.JRE4 + v_.SONSTB + v_.VMT + v_.VKAPA) / 100.0;
  ZVBEZJ = (v_.JVBEZ + v_.VBS + v_.VKAPA) / 100.0;
  KENNVMT = 2;
  MRE4SONST();
  MLSTJAHR();
  LST3 = ST * 100;
  MRE4ABZ();
  if (p_->MitEntschaedigung) ZRE4VP = ZRE4VP - v_.JRE4ENT / 100.0 - v_.SONSTENT / 100.0;
  KENNVMT = 1;
  MLSTJAHR();
  LST2 = ST * 100;
  v_.STV = LST2 - LST1;
  LST3 = LST3 - LST1;
  if (LST3 < v_.STV) v_.STV = LST3;
  if (v_.STV < 0) v_.STV = 0;
  v_.STV = Abschneiden(v_.STV * v_.f / 100) * 100;
  v_.SOLZV = Abschneiden(k_.SoliSatz() * v_.STV / 100);
  v_.BKV = v_.R ? v_.STV : 0;
}

std::int64_t TLStGeneration2010::Einkommensteuer(std::uint8_t stkl, std::uint8_t kztab,
                                                 std::int64_t zve) {
  p_ = &Parameter();
  ZVE = static_cast<double>(zve);
  v_.STKL = stkl;
  KZTAB = kztab;
  UPMLST();
  JBMG = ST;
  MSOLZ();
  return ST;
}

std::int64_t TLStGeneration2010::Tabelle(TTabellenArgumente& a) {
  p_ = &Parameter();
  v_.KRV = !a.AllgemeineTabelle ? 2 : (a.Region == 0 ? 1 : 0);
  v_.LZZ = a.LZZ;
  v_.PVS = a.PVS != 0 ? 1 : 0;
  v_.PKV = a.PKV;
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
