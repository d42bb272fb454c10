#include "lohnsteuer/generation2013.h"

namespace lst {

namespace {

using i128 = __int128;

// Quotient rounded away from zero (ROUND_UP); the integer division itself
// cuts toward zero (ROUND_DOWN).
constexpr std::int64_t Auf(std::int64_t a, std::int64_t d) {
  return a >= 0 ? (a + d - 1) / d : -((-a + d - 1) / d);
}
// a * m / d cut toward zero or rounded away from zero; in 128 bits only when
// the product leaves 64 (amounts of many trillions, which only nonsense
// inputs reach).
inline std::int64_t MalDurchAb(std::int64_t a, std::int64_t m, std::int64_t d) {
  std::int64_t p;
  if (!__builtin_mul_overflow(a, m, &p)) [[likely]] return p / d;
  return static_cast<std::int64_t>(static_cast<i128>(a) * m / d);
}
inline std::int64_t MalDurchAuf(std::int64_t a, std::int64_t m, std::int64_t d) {
  std::int64_t p;
  if (!__builtin_mul_overflow(a, m, &p)) [[likely]] return Auf(p, d);
  const i128 q = static_cast<i128>(a) * m;
  const i128 r = q >= 0 ? (q + d - 1) / d : -((-q + d - 1) / d);
  return static_cast<std::int64_t>(r);
}
// An amount in cents times a rate, cut to the cent.
inline std::int64_t MalSatz(std::int64_t cent, std::int64_t satz) { return MalDurchAb(cent, satz, kSatzEins); }
// (x * satz - abzug) / d cut toward zero: the linear zones of the tariff.
inline std::int64_t LinearAb(std::int64_t x, std::int64_t satz, std::int64_t abzug, std::int64_t d) {
  std::int64_t p;
  if (!__builtin_mul_overflow(x, satz, &p)) [[likely]] return (p - abzug) / d;
  return static_cast<std::int64_t>((static_cast<i128>(x) * satz - abzug) / d);
}
// Contributions (cents) less a wage (cents) times the employer's rate
// (millionths), cut toward zero to the cent.  With plus the rate is 10^-17
// above (see KVSATZAGPlus): a positive rest that is a whole number of cents
// then lies a hair below it and is cut one cent lower.
inline std::int64_t OhneArbeitgeberanteil(std::int64_t beitrag, std::int64_t lohn, std::int64_t satz, bool plus) {
  std::int64_t b, l, rest;
  if (!__builtin_mul_overflow(beitrag, kSatzEins, &b) && !__builtin_mul_overflow(lohn, satz, &l) &&
      !__builtin_sub_overflow(b, l, &rest)) [[likely]] {
    const bool knapp = plus & (lohn > 0) & (rest > 0) & (rest % kSatzEins == 0);
    return rest / kSatzEins - (knapp ? 1 : 0);
  }
  // Exactly, with the rate in 10^-17.
  const i128 e17 = 100'000'000'000;
  const i128 s = static_cast<i128>(satz) * e17 + (plus ? 1 : 0);
  const i128 r = static_cast<i128>(beitrag) * kSatzEins * e17 - static_cast<i128>(lohn) * s;
  return static_cast<std::int64_t>(r / (kSatzEins * e17));
}

// A decimal input with few places (ZKF, f, KVZ) times 10^n as an integer.
inline std::int64_t Skaliert(double x, double faktor) {
  const double y = x * faktor;
  return static_cast<std::int64_t>(y >= 0 ? y + 0.5 : y - 0.5);
}
// Cents to whole euro (still in cents).
constexpr std::int64_t AufEuro(std::int64_t c) { return Auf(c, 100) * 100; }
constexpr std::int64_t AbEuro(std::int64_t c) { return c / 100 * 100; }

// Thousandths of the pension allowance and the age relief in row n: 400
// falling by 16 to 160 (row 16), then by 8; the tables from 2025 fall by 4
// from 144 (row 18) to 0 in row 54, the earlier ones by 8 to 0 in row 36.
constexpr std::int64_t Promille(int n, bool bis2058) {
  if (n <= 16) return 400 - 16 * (n - 1);
  if (!bis2058 || n <= 18) return 160 - 8 * (n - 16);
  return 144 - 4 * (n - 18);
}
// TAB2, TAB3, TAB5 in cents: 7.5, 2.25 and 4.75 euro per thousandth.
constexpr std::int64_t TAB2(int n, bool b) { return Promille(n, b) * 750; }
constexpr std::int64_t TAB3(int n, bool b) { return Promille(n, b) * 225; }
constexpr std::int64_t TAB5(int n, bool b) { return Promille(n, b) * 475; }

static_assert(TAB2(1, false) == 300000 && TAB3(17, false) == 34200 && TAB5(35, false) == 3800);
static_assert(TAB2(36, false) == 0 && TAB2(19, true) == 105000 && TAB3(53, true) == 900);
static_assert(TAB5(54, true) == 0 && TAB5(19, true) == 66500);

}  // namespace

int TLStGeneration2013::Zeile(std::int32_t jahr) const {
  const int letzte = fest_->Tabellen2058 ? 54 : 36;
  if (jahr < 2006) return 1;
  if (jahr < 2004 + letzte) return jahr - 2004;
  return letzte;
}

void TLStGeneration2013::Zuruecksetzen() {
  ZRE4J = ZVBEZJ = JLFREIB = JLHINZU = 0;
  VBEZB = VBEZBSO = HFVB = FVB = FVBSO = FVBZ = FVBZSO = 0;
  HFVBZ = HFVBZSO = BMG = ALTE = 0;
  ZRE4 = ZRE4VP = ZVBEZ = 0;
  ANP = EFA = SAP = KFB = ZTABFB = 0;
  VSP = VSP1 = VSP2 = VSP3 = VSPN = VKV = 0;
  ZRE4VPR = VSPR = VSPKVPV = VSPALV = VSPHB = 0;
  ZVE = X = ZX = ZZX = 0;
  JW = ANTEIL1 = SOLZJ = SOLZMIN = 0;
  LSTSO = LSTOSO = LST1 = LST2 = LST3 = 0;
  JWLSTA = JWLSTN = JWSOLZA = JWSOLZN = JWBKA = JWBKN = 0;
  ST = ST1 = ST2 = LSTJAHR = JBMG = 0;
  KZTAB = 1;
  KENNVMT = 0;
  dezemberA_ = false;
  vorsorge_.Gueltig = false;
}

void TLStGeneration2013::Lohnsteuer() {
  p_ = fest_;
  tabelle_ = false;
  Zuruecksetzen();
  v_.VKVLZZ = v_.VKVSONST = 0;
  v_.VFRB = v_.VFRBS1 = v_.VFRBS2 = v_.WVFRB = v_.WVFRBO = v_.WVFRBM = 0;
  v_.STV = v_.SOLZV = v_.BKV = 0;
  MPARA();
  MRE4JL();
  VBEZBSO = 0;
  KENNVMT = 0;
  MRE4();
  MRE4ABZ();
  MBERECHJahr();
  MSONST();
  if (p_->MitVMT) MVMT();
  if (!p_->MitDBA) v_.VFRB = v_.VFRBS1 = v_.VFRBS2 = v_.WVFRB = v_.WVFRBO = v_.WVFRBM = 0;
}

// MBERECH; in a December version first under the values of January to
// November (A), then under the new values (N), and the pay period takes N
// less 11 times the excess withheld in each earlier month.
void TLStGeneration2013::MBERECHJahr() {
  if (fest_->Vorher == nullptr) {
    MBERECH();
    return;
  }
  const std::int64_t zre4vpm = ZRE4VP;
  p_ = fest_->Vorher;
  SOLZFREI = p_->SOLZFREI;
  dezemberA_ = true;
  MBERECH();
  dezemberA_ = false;
  p_ = fest_;
  SOLZFREI = p_->SOLZFREI;
  ZRE4VP = zre4vpm;
  MBERECH();
  MLST1224();
}

// Rates of the social insurance that the provision allowance uses.
void TLStGeneration2013::MPARA() {
  const TParameter2013& p = *p_;
  BBGRV = (v_.KRV == 0 ? p.BBGRVWest : p.BBGRVOst) * 100;
  // KVZ is the additional rate in percent (hundredths of a percent are
  // 100 millionths).
  const std::int64_t kvz = Skaliert(v_.KVZ, 100);
  KVSATZAN = p.KVSATZANBasis + (p.KVZAnteil == TKVZAnteil::Keiner  ? 0
                                : p.KVZAnteil == TKVZAnteil::Ganz ? kvz * 100
                                                                  : kvz * 50);
  const TPflegeSaetze& pv = v_.LZZ == 1 ? p.PflegeJahr : p.Pflege;
  PVSATZAN = v_.PVS == 1 ? pv.ANSachsen : pv.AN;
  PVSATZAG = v_.PVS == 1 ? pv.AGSachsen : pv.AG;
  PVSATZAN += v_.PVZ == 1 ? pv.Zuschlag : -(v_.PVA * p.PVAbschlag);
  SOLZFREI = p.SOLZFREI;
}

// Yearly amounts, cut to the cent.
void TLStGeneration2013::MRE4JL() {
  auto jahr = [&](std::int64_t c) -> std::int64_t {
    switch (v_.LZZ) {
      case 1: return c;
      case 2: return c * 12;
      case 3: return c * 360 / 7;
      default: return c * 360;
    }
  };
  ZRE4J = jahr(v_.RE4);
  ZVBEZJ = jahr(v_.VBEZ);
  JLFREIB = jahr(v_.LZZFREIB);
  JLHINZU = jahr(v_.LZZHINZU);
  if (v_.af == 0) v_.f = 1.0;
  f1000_ = Skaliert(v_.f, 1000);
  zkf1000_ = Skaliert(v_.ZKF, 1000);
  // Bounds of the 36-euro bracket that starts at the yearly wage, in the pay
  // period (shown with a single calculation).
  const std::int64_t von = ZRE4J;
  switch (v_.LZZ) {
    case 1: v_.TabStufeVon = von; v_.TabStufeBis = von + 3599; break;
    case 2: v_.TabStufeVon = von / 12; v_.TabStufeBis = v_.TabStufeVon + 299; break;
    case 3: v_.TabStufeVon = von * 7 / 360; v_.TabStufeBis = v_.TabStufeVon + 69; break;
    default: v_.TabStufeVon = von / 360; v_.TabStufeBis = v_.TabStufeVon + 9; break;
  }
}

// Pension allowance and its supplement.
void TLStGeneration2013::MRE4() {
  if (ZVBEZJ == 0) {
    FVBZ = FVB = FVBZSO = FVBSO = 0;
  } else {
    const bool b = fest_->Tabellen2058;
    const int J = Zeile(v_.VJAHR);
    const std::int64_t tab1 = Promille(J, b), tab2 = TAB2(J, b), tab3 = TAB3(J, b);
    if (v_.LZZ == 1) {
      VBEZB = v_.VBEZM * v_.ZMVB + v_.VBEZS;
      HFVB = tab2 * v_.ZMVB / 12;
      if (fest_->HFVBAufrunden) HFVB = AufEuro(HFVB);
      FVBZ = AufEuro(tab3 * v_.ZMVB / 12);
    } else {
      VBEZB = v_.VBEZM * 12 + v_.VBEZS;
      HFVB = tab2;
      FVBZ = tab3;
    }
    FVB = MalDurchAuf(VBEZB, tab1, 1000);
    if (FVB > HFVB) FVB = HFVB;
    if (fest_->FVBHoechstensVersorgung && FVB > ZVBEZJ) FVB = ZVBEZJ;
    FVBSO = FVB + MalDurchAuf(VBEZBSO, tab1, 1000);
    if (FVBSO > tab2) FVBSO = tab2;
    HFVBZSO = VBEZB + VBEZBSO - FVBSO;
    FVBZSO = AufEuro(FVBZ + VBEZBSO);
    if (FVBZSO > HFVBZSO) FVBZSO = AufEuro(HFVBZSO);
    if (FVBZSO > tab3) FVBZSO = tab3;
    HFVBZ = VBEZB - FVB;
    if (FVBZ > HFVBZ) FVBZ = AufEuro(HFVBZ);
  }
  MRE4ALTE();
}

// Age relief.
void TLStGeneration2013::MRE4ALTE() {
  if (v_.ALTER1 == 0) {
    ALTE = 0;
    return;
  }
  const bool b = fest_->Tabellen2058;
  const int K = Zeile(v_.AJAHR);
  BMG = ZRE4J - ZVBEZJ;
  ALTE = MalDurchAuf(BMG, Promille(K, b), 100000) * 100;
  if (ALTE > TAB5(K, b)) ALTE = TAB5(K, b);
}

void TLStGeneration2013::MRE4ABZ() {
  ZRE4 = ZRE4J - FVB - ALTE - JLFREIB + JLHINZU;
  if (ZRE4 < 0) ZRE4 = 0;
  ZRE4VP = ZRE4J;
  if (KENNVMT == 2) ZRE4VP -= v_.ENTSCH;
  ZVBEZ = ZVBEZJ - FVB;
  if (ZVBEZ < 0) ZVBEZ = 0;
}

// The pay period's tax.
void TLStGeneration2013::MBERECH() {
  MZTABFB();
  v_.VFRB = ANP + FVB + FVBZ;
  MLSTJAHR();
  v_.WVFRB = ZVE - p_->Tarif.GFB * 100;
  if (v_.WVFRB < 0) v_.WVFRB = 0;
  LSTJAHR = tabelle_ ? ST : MalDurchAb(ST, f1000_, 1000);
  UPLSTLZZ();
  if (p_->MitVKV && !dezemberA_) UPVKVLZZ();
  if (zkf1000_ > 0) {
    ZTABFB += KFB;
    MRE4ABZ();
    MLSTJAHR();
    JBMG = tabelle_ ? ST : MalDurchAb(ST, f1000_, 1000);
  } else {
    JBMG = LSTJAHR;
  }
  MSOLZ();
}

// Tabular allowances.
void TLStGeneration2013::MZTABFB() {
  const TParameter2013& p = *p_;
  ANP = 0;
  if (ZVBEZ >= 0 && ZVBEZ < FVBZ) FVBZ = AbEuro(ZVBEZ);
  if (v_.STKL < 6) {
    if (ZVBEZ > 0) ANP = ZVBEZ - FVBZ < 10200 ? AufEuro(ZVBEZ - FVBZ) : 10200;
  } else {
    FVBZ = 0;
    FVBZSO = 0;
  }
  if (v_.STKL < 6 && ZRE4 > ZVBEZ) {
    ANP = ZRE4 - ZVBEZ < p.ANP * 100 ? AufEuro(ANP + ZRE4 - ZVBEZ) : ANP + p.ANP * 100;
  }
  if (tabelle_) ANP = v_.STKL < 6 ? p.ANP * 100 : 0;
  // The classes by selection (random cases would mispredict a jump): class
  // II the relief EFA, class III splitting, I to V the lump sum SAP, I to III
  // the child allowance, IV half of it; class VI (and any other) none.
  const std::uint8_t s = v_.STKL;
  const bool klasse1bis5 = s >= 1 && s <= 5;
  KZTAB = s == 3 ? 2 : 1;
  EFA = s == 2 ? p.EFA * 100 : 0;
  SAP = klasse1bis5 ? 3600 : 0;
  std::int64_t kfb = s == 4 ? p.KFB4 : p.KFB;
  kfb = klasse1bis5 && s != 5 ? kfb : 0;
  KFB = zkf1000_ * kfb / 1000 * 100;
  ZTABFB = EFA + ANP + SAP + FVBZ;
}

// Yearly tax.
void TLStGeneration2013::MLSTJAHR() {
  // The provision allowance depends within a run only on ZRE4VP (the wage
  // in table mode): its rates are those of MPARA, which a December run keeps
  // for both sets.  The run with the child allowances, the December run
  // under the old values and the other payments often ask again for the
  // same wage.
  const std::int64_t lohn = tabelle_ ? ZRE4 : ZRE4VP;
  if (vorsorge_.Gueltig && vorsorge_.Lohn == lohn) {
    VSP = vorsorge_.VSP;
    VSP1 = vorsorge_.VSP1;
    VSP2 = vorsorge_.VSP2;
    VSP3 = vorsorge_.VSP3;
    VSPN = vorsorge_.VSPN;
    ZRE4VP = vorsorge_.ZRE4VP;
  } else {
    if (fest_->Vorsorge == TVorsorge::Ab2026) {
      UPEVP2026();
    } else {
      UPEVP();
    }
    vorsorge_ = {true, lohn, VSP, VSP1, VSP2, VSP3, VSPN, ZRE4VP};
  }
  if (KENNVMT != 1) {
    ZVE = ZRE4 - ZTABFB - VSP;
    UPMLST();
    return;
  }
  const std::int64_t vmt = v_.VMT + v_.VKAPA;
  ZVE = ZRE4 - ZTABFB - VSP - vmt;
  if (ZVE < 0) {
    ZVE = (ZVE + vmt) / 5;
    UPMLST();
    ST = ST * 5;
  } else {
    UPMLST();
    const std::int64_t STOVMT = ST;
    ZVE = ZVE + vmt / 5;
    UPMLST();
    ST = (ST - STOVMT) * 5 + STOVMT;
  }
}

void TLStGeneration2013::UPVKVLZZ() {
  UPVKV();
  JW = VKV;
  UPANTEIL();
  v_.VKVLZZ = ANTEIL1;
}

void TLStGeneration2013::UPVKV() { VKV = v_.PKV > 0 ? (VSP2 > VSP3 ? VSP2 : VSP3) : 0; }

void TLStGeneration2013::UPLSTLZZ() {
  JW = LSTJAHR * 100;
  // The run under the old December values needs only the yearly amounts:
  // the run under the new values sets every share of the pay period.
  if (dezemberA_) {
    JWLSTA = JW;
    return;
  }
  if (fest_->Vorher != nullptr) JWLSTN = JW;
  UPANTEIL();
  v_.LSTLZZ = ANTEIL1;
}

void TLStGeneration2013::UPMLST() {
  if (ZVE < 100) {
    ZVE = 0;
    X = 0;
  } else {
    X = JeTarifeinheit(ZVE);
  }
  if (v_.STKL < 5) {
    UPTAB();
  } else {
    MST5_6();
  }
}

// Provision allowance up to 2025: pension part and lump sum, or pension and
// health-and-care part, whichever is higher.
void TLStGeneration2013::UPEVP() {
  const TParameter2013& p = *fest_;  // the rates of MPARA
  // The pension part is computed in any case and kept by selection, as are
  // the caps: cases mixed at random would mispredict the jumps.
  const std::int64_t lohn = tabelle_ ? ZRE4 : ZRE4VP;
  const bool rv = v_.KRV < p.KRVOhneRV;
  const std::int64_t rvLohn = lohn > BBGRV ? BBGRV : lohn;
  std::int64_t vsp1 = p.TBSVORV == kSatzEins ? rvLohn : MalSatz(rvLohn, p.TBSVORV);
  vsp1 = MalSatz(vsp1, p.RVSATZAN);
  VSP1 = rv ? vsp1 : 0;
  ZRE4VP = rv ? rvLohn : lohn;
  VSP2 = ZRE4VP * 12 / 100;
  const std::int64_t VHB = v_.STKL == 3 ? 300000 : 190000;
  VSP2 = VSP2 > VHB ? VHB : VSP2;
  VSPN = AufEuro(VSP1 + VSP2);
  MVSP();
  VSP = VSPN > VSP ? VSPN : VSP;
}

void TLStGeneration2013::MVSP() {
  const TParameter2013& p = *fest_;  // the rates of MPARA
  ZRE4VP = ZRE4VP > p.BBGKVPV * 100 ? p.BBGKVPV * 100 : ZRE4VP;
  if (tabelle_) {
    // A table row of a privately insured person carries no contributions of
    // its own (as the official special table: PKPV 0); the others pay the
    // statutory rates (the table routine runs without the surcharge for
    // the childless).  Up to 2012 only PKV 1 is without them.
    const bool ohne = p.TabellePKV2Gesetzlich ? v_.PKV == 1 : v_.PKV > 0;
    VSP3 = ohne ? 0 : MalSatz(ZRE4VP, KVSATZAN + PVSATZAN);
  } else if (v_.PKV > 0) {
    if (v_.STKL == 6) {
      VSP3 = 0;
    } else {
      VSP3 = v_.PKPV * 12;
      if (v_.PKV == 2) {
        VSP3 = OhneArbeitgeberanteil(VSP3, ZRE4VP, p.KVSATZAG + PVSATZAG, p.KVSATZAGPlus);
      }
    }
  } else {
    VSP3 = MalSatz(ZRE4VP, KVSATZAN + PVSATZAN);
  }
  VSP = AufEuro(VSP3 + VSP1);
}

// Provision allowance from 2026: pension part, health-and-care part and,
// within 1900 euro with it, the unemployment part.
void TLStGeneration2013::UPEVP2026() {
  const TParameter2013& p = *fest_;  // the rates of MPARA
  if (tabelle_) ZRE4VP = ZRE4;
  if (v_.KRV >= p.KRVOhneRV) {
    VSPR = 0;
  } else {
    ZRE4VPR = ZRE4VP > p.BBGRVALV * 100 ? p.BBGRVALV * 100 : ZRE4VP;
    VSPR = MalSatz(ZRE4VPR, p.RVSATZAN);
  }
  // MVSPKVPV
  ZRE4VPR = ZRE4VP > p.BBGKVPV * 100 ? p.BBGKVPV * 100 : ZRE4VP;
  if (v_.PKV > 0) {
    if (v_.STKL == 6 || tabelle_) {
      VSPKVPV = 0;
    } else {
      VSPKVPV = v_.PKPV * 12 - v_.PKPVAGZ * 12;
      if (VSPKVPV < 0) VSPKVPV = 0;
    }
  } else {
    VSPKVPV = MalSatz(ZRE4VPR, KVSATZAN + PVSATZAN);
  }
  VSP = AufEuro(VSPKVPV + VSPR);
  if (v_.ALV == 1 || v_.STKL == 6) return;
  // MVSPHB
  ZRE4VPR = ZRE4VP > p.BBGRVALV * 100 ? p.BBGRVALV * 100 : ZRE4VP;
  VSPALV = MalSatz(ZRE4VPR, p.AVSATZAN);
  VSPHB = VSPALV + VSPKVPV;
  if (VSPHB > 190000) VSPHB = 190000;
  VSPN = AufEuro(VSPR + VSPHB);
  if (VSPN > VSP) VSP = VSPN;
}

// Tariff of § 32a EStG for X (in cents; whole euro except in UP5_6).
void TLStGeneration2013::UPTAB() {
  const TTarif2013& t = p_->Tarif;
  if (X < (t.GFB + 1) * 100) {
    ST = 0;
  } else if (X < t.Zone2Ab * 100) {
    // Y in millionths; RW in 10^-8; RW * Y in 10^-14 (below 2^63 in every
    // version's zones: Y < 10^7, RW < 4 * 10^11).
    const std::int64_t Y = X - t.GFB * 100;
    const std::int64_t RW = Y * t.A1 + std::int64_t{1400} * 100'000'000;
    ST = RW * Y / 100'000'000'000'000;
  } else if (X < t.Zone3Ab * 100) {
    const std::int64_t Y = X - t.Zone2Basis * 100;
    const std::int64_t RW = Y * t.A2 + std::int64_t{2397} * 100'000'000;
    ST = (RW * Y + t.C2 * 1'000'000'000'000) / 100'000'000'000'000;
  } else if (X < t.Zone4Ab * 100) {
    ST = LinearAb(X, 42, t.C3 * 100, 10000);
  } else {
    ST = LinearAb(X, 45, t.C4 * 100, 10000);
  }
  ST = ST * KZTAB;
}

// Tax classes V and VI.
void TLStGeneration2013::MST5_6() {
  const TParameter2013& p = *p_;
  ZZX = X;
  const std::int64_t w1 = p.W1STKL5 * 100, w2 = p.W2STKL5 * 100, w3 = p.W3STKL5 * 100;
  if (ZZX > w2) {
    ZX = w2;
    UP5_6();
    if (ZZX > w3) {
      ST = ST + (w3 - w2) * 42 / 10000;
      ST = ST + MalDurchAb(ZZX - w3, 45, 10000);
    } else {
      ST = ST + MalDurchAb(ZZX - w2, 42, 10000);
    }
  } else {
    ZX = ZZX;
    UP5_6();
    if (ZZX > w1) {
      const std::int64_t VERGL = ST;
      ZX = w1;
      UP5_6();
      const std::int64_t HOCH = ST + MalDurchAb(ZZX - w1, 42, 10000);
      ST = HOCH < VERGL ? HOCH : VERGL;
    }
  }
}

void TLStGeneration2013::UP5_6() {
  // ZX in cents of whole euro: 1.25 and 0.75 times it are whole cents.
  X = ZX * 125 / 100;
  if (p_->UP56GanzeEuro) X = AbEuro(X);
  UPTAB();
  ST1 = ST;
  X = ZX * 75 / 100;
  if (p_->UP56GanzeEuro) X = AbEuro(X);
  UPTAB();
  ST2 = ST;
  const std::int64_t DIFF = (ST1 - ST2) * 2;
  const std::int64_t MIST = ZX * 14 / 10000;
  ST = MIST > DIFF ? MIST : DIFF;
}

// Solidarity surcharge and church-tax base.
void TLStGeneration2013::MSOLZ() {
  // Both parts are computed and kept by selection: whether the surcharge is
  // due and whether church tax is due vary at random between cases.
  SOLZFREI = SOLZFREI * KZTAB;
  const bool soli = JBMG > SOLZFREI;
  SOLZJ = JBMG * 55 / 10;
  SOLZMIN = (JBMG - SOLZFREI) * p_->SoliGleitsatz / 10;
  SOLZJ = SOLZMIN < SOLZJ ? SOLZMIN : SOLZJ;
  if (dezemberA_) {
    JWSOLZA = soli ? SOLZJ : 0;
    JWBKA = v_.R > 0 ? JBMG * 100 : 0;
    return;
  }
  JW = SOLZJ;
  UPANTEIL();
  v_.SOLZLZZ = soli ? ANTEIL1 : 0;
  JW = JBMG * 100;
  UPANTEIL();
  v_.BK = v_.R > 0 ? ANTEIL1 : 0;
  if (fest_->Vorher != nullptr) {
    JWSOLZN = soli ? SOLZJ : 0;
    JWBKN = v_.R > 0 ? JW : 0;
  }
}

void TLStGeneration2013::UPANTEIL() {
  switch (v_.LZZ) {
    case 1: ANTEIL1 = JW; break;
    case 2: ANTEIL1 = JW / 12; break;
    case 3: ANTEIL1 = JW * 7 / 360; break;
    default: ANTEIL1 = JW / 360; break;
  }
}

// December: the pay period's share of N - 11 * (A - N), not below 0.
void TLStGeneration2013::MLST1224() {
  if (v_.LZZ <= 1) return;
  auto anteil = [&](std::int64_t n, std::int64_t a) {
    JW = n - 11 * (a - n);
    if (JW < 0) return std::int64_t{0};
    UPANTEIL();
    return ANTEIL1;
  };
  v_.LSTLZZ = anteil(JWLSTN, JWLSTA);
  v_.SOLZLZZ = anteil(JWSOLZN, JWSOLZA);
  v_.BK = anteil(JWBKN, JWBKA);
}

// Other payments.
void TLStGeneration2013::MSONST() {
  v_.LZZ = 1;
  if (v_.ZMVB == 0) v_.ZMVB = 12;
  if (v_.SONSTB == 0 && (!p_->MitMBV || v_.MBV == 0)) {
    v_.VKVSONST = 0;
    LSTSO = 0;
    v_.STS = v_.SOLZS = v_.BKS = 0;
    return;
  }
  MOSONST();
  if (p_->MitVKV) {
    UPVKV();
    v_.VKVSONST = VKV;
  }
  ZRE4J = v_.JRE4 + v_.SONSTB;
  ZVBEZJ = v_.JVBEZ + v_.VBS;
  VBEZBSO = v_.STERBE;
  MRE4SONST();
  MLSTJAHR();
  v_.WVFRBM = ZVE - p_->Tarif.GFB * 100;
  if (v_.WVFRBM < 0) v_.WVFRBM = 0;
  if (p_->MitVKV) {
    UPVKV();
    v_.VKVSONST = VKV - v_.VKVSONST;
  }
  LSTSO = ST * 100;
  // Whole euro of the difference times the factor, kept in cents.
  v_.STS = MalDurchAb(LSTSO - LSTOSO, f1000_, 100000) * 100;
  if (p_->MitMBV) {
    STSMIN();
    return;
  }
  if (v_.STS < 0) v_.STS = 0;
  if (p_->SoliFreigrenzeSonstige) {
    MSOLZSTS();
  } else {
    v_.SOLZS = v_.STS * 55 / 1000;
  }
  v_.BKS = v_.R > 0 ? v_.STS : 0;
}

// A negative tax on the other payment with equity participation reduces the
// pay period's tax, surcharge and church-tax base.
void TLStGeneration2013::STSMIN() {
  if (v_.STS < 0) {
    if (v_.MBV != 0) {
      v_.LSTLZZ += v_.STS;
      if (v_.LSTLZZ < 0) v_.LSTLZZ = 0;
      // SOLZLZZ + 5.5 % of STS cut toward zero, not below 0.
      v_.SOLZLZZ -= Auf(-v_.STS * 55, 1000);
      if (v_.SOLZLZZ < 0) v_.SOLZLZZ = 0;
      v_.BK += v_.STS;
      if (v_.BK < 0) v_.BK = 0;
    }
    v_.STS = 0;
    v_.SOLZS = 0;
  } else {
    MSOLZSTS();
  }
  v_.BKS = v_.R > 0 ? v_.STS : 0;
}

// Surcharge on other payments: due when the tax with the payment, less the
// child allowances, exceeds the exemption limit.
void TLStGeneration2013::MSOLZSTS() {
  std::int64_t SOLZSZVE = zkf1000_ > 0 ? ZVE - KFB : ZVE;
  if (SOLZSZVE < 100) {
    SOLZSZVE = 0;
    X = 0;
  } else {
    X = JeTarifeinheit(SOLZSZVE);
  }
  if (v_.STKL < 5) {
    UPTAB();
  } else {
    MST5_6();
  }
  const std::int64_t SOLZSBMG = MalDurchAb(ST, f1000_, 1000);
  v_.SOLZS = SOLZSBMG > SOLZFREI ? v_.STS * 55 / 1000 : 0;
}

// Remuneration for several years.
void TLStGeneration2013::MVMT() {
  if (v_.VKAPA < 0) v_.VKAPA = 0;
  if (v_.VMT + v_.VKAPA <= 0) {
    v_.STV = v_.SOLZV = v_.BKV = 0;
    return;
  }
  if (LSTSO == 0) {
    MOSONST();
    LST1 = LSTOSO;
  } else {
    LST1 = LSTSO;
  }
  VBEZBSO = v_.STERBE + v_.VKAPA;
  ZRE4J = v_.JRE4 + v_.SONSTB + v_.VMT + v_.VKAPA;
  ZVBEZJ = v_.JVBEZ + v_.VBS + v_.VKAPA;
  KENNVMT = 2;
  MRE4SONST();
  MLSTJAHR();
  LST3 = ST * 100;
  MRE4ABZ();
  if (p_->MitEntschaedigung) ZRE4VP = ZRE4VP - v_.JRE4ENT - v_.SONSTENT;
  KENNVMT = 1;
  MLSTJAHR();
  LST2 = ST * 100;
  v_.STV = LST2 - LST1;
  LST3 = LST3 - LST1;
  if (LST3 < v_.STV) v_.STV = LST3;
  if (v_.STV < 0) {
    v_.STV = 0;
  } else {
    v_.STV = MalDurchAb(v_.STV, f1000_, 100000) * 100;
  }
  const std::int64_t SOLZVBMG = v_.STV / 100 + JBMG;
  v_.SOLZV = !p_->SoliFreigrenzeSonstige || SOLZVBMG > SOLZFREI ? v_.STV * 55 / 1000 : 0;
  v_.BKV = v_.R > 0 ? v_.STV : 0;
}

// The year without the other payment.
void TLStGeneration2013::MOSONST() {
  ZRE4J = v_.JRE4;
  ZVBEZJ = v_.JVBEZ;
  JLFREIB = v_.JFREIB;
  JLHINZU = v_.JHINZU;
  MRE4();
  MRE4ABZ();
  if (p_->MitEntschaedigung) ZRE4VP = ZRE4VP - v_.JRE4ENT;
  MZTABFB();
  v_.VFRBS1 = ANP + FVB + FVBZ;
  MLSTJAHR();
  v_.WVFRBO = ZVE - p_->Tarif.GFB * 100;
  if (v_.WVFRBO < 0) v_.WVFRBO = 0;
  LSTOSO = ST * 100;
}

// The year with the other payment.
void TLStGeneration2013::MRE4SONST() {
  MRE4();
  FVB = FVBSO;
  MRE4ABZ();
  ZRE4VP = ZRE4VP + (p_->MitMBV ? v_.MBV : 0);
  if (p_->MitEntschaedigung) ZRE4VP = ZRE4VP - v_.JRE4ENT - v_.SONSTENT;
  FVBZ = FVBZSO;
  MZTABFB();
  v_.VFRBS2 = ANP + FVB + FVBZ - v_.VFRBS1;
}

// Income-tax routine: the tariff tax of a taxable income in whole euro.
TFlussplanSVWerte TLStGeneration2013::SVWerte() const {
  const TParameter2013& p = *fest_;
  TFlussplanSVWerte w;
  w.BBGRVWest = p.BBGRVWest * 100;
  w.BBGRVOst = p.BBGRVOst * 100;
  w.BBGKVPV = p.BBGKVPV * 100;
  w.RVSatzAN = p.RVSATZAN;
  w.KVSatzErm = p.KVSATZANBasis;
  if (p.KVSATZAG > 0) w.KVSatzAG = p.KVSATZAG;
  w.PVSatzAN = p.Pflege.AN;
  w.PVSatzAG = p.Pflege.AG;
  w.PVSatzANSachsen = p.Pflege.ANSachsen;
  w.PVSatzAGSachsen = p.Pflege.AGSachsen;
  w.PVZuschlag = p.Pflege.Zuschlag;
  if (p.PVAbschlag > 0) w.PVAbschlag = p.PVAbschlag;
  if (p.Vorsorge == TVorsorge::Ab2026) {
    w.BBGRVALV = p.BBGRVALV * 100;
    w.AVSatzAN = p.AVSATZAN;
  }
  return w;
}

std::int64_t TLStGeneration2013::Einkommensteuer(std::uint8_t stkl, std::uint8_t kztab, std::int64_t zve) {
  p_ = fest_;
  tabelle_ = false;
  Zuruecksetzen();
  SOLZFREI = p_->SOLZFREI;
  v_.STKL = stkl;
  KZTAB = kztab;
  ZVE = zve * 100;
  UPMLST();
  JBMG = ST;
  MSOLZ();
  return ST;
}

void TLStGeneration2013::Zuschlaege(std::uint8_t kztab, std::int64_t steuer) {
  p_ = fest_;
  tabelle_ = false;
  SOLZFREI = p_->SOLZFREI;
  KZTAB = kztab;
  JBMG = steuer;
  MSOLZ();
}

// One bracket of 36 euro per year; the tax is that of the bracket's top.
std::int64_t TLStGeneration2013::Tabelle(TTabellenArgumente& a) {
  p_ = fest_;
  Zuruecksetzen();
  tabelle_ = true;
  v_.KRV = a.AllgemeineTabelle ? (fest_->KRVOhneRV == 1 ? 0 : (a.Region == 0 ? 1 : 0)) : fest_->KRVOhneRV;
  v_.PVS = a.PVS != 0 ? 1 : 0;
  v_.PKV = a.PKV;
  v_.LZZ = a.LZZ;
  v_.STKL = a.STKL;
  v_.ZKF = a.ZKF;
  v_.ALV = 0;
  v_.PVZ = 0;
  v_.PVA = 0;
  v_.KVZ = fest_->KVZDurchschnitt / 100.0;
  zkf1000_ = Skaliert(a.ZKF, 1000);
  f1000_ = 1000;
  MPARA();
  // The bracket nearest to the wage (whole euro), its top at 35.99 euro above.
  const std::int64_t u = (a.Lohn * 2 + 100) / 7200 * 36;
  ZRE4J = ZRE4 = ZRE4VP = u * 100 + 3599;
  const std::int64_t von = u * 100;
  switch (v_.LZZ) {
    case 1: v_.TabStufeVon = von; v_.TabStufeBis = von + 3599; break;
    case 2: v_.TabStufeVon = von / 12; v_.TabStufeBis = v_.TabStufeVon + 299; break;
    case 3: v_.TabStufeVon = von * 7 / 360; v_.TabStufeBis = v_.TabStufeVon + 69; break;
    default: v_.TabStufeVon = von / 360; v_.TabStufeBis = v_.TabStufeVon + 9; break;
  }
  MBERECHJahr();
  tabelle_ = false;
  a.StufeBis = v_.TabStufeBis;
  a.StufeVon = v_.TabStufeVon;
  return a.Lohn != (u + 36) * 100 ? (u + 36) * 100 : a.Lohn + 3600;
}

}  // namespace lst
