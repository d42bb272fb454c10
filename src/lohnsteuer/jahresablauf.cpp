#include "lohnsteuer/jahresablauf.h"

#include "geld/geld.h"
#include "lohnsteuer/versorgung_tabellen.h"

namespace lst {

using namespace versorgung;

void TLStJahresablauf::Zuruecksetzen() {
  TLStAblauf::Zuruecksetzen();
  ZRE4J = ZVBEZJ = JLFREIB = JLHINZU = BMG = FVBSO = 0;
  HFVBZ = HFVBZSO = STOVMT = 0;
  HFVB = 0;
  VBEZB = VBEZBSO = LSTOSO = LSTSO = LST1 = LST2 = LST3 = 0;
  KENNVMT = 0;
  J = K = 1;
}

void TLStJahresablauf::Lohnsteuer() {
  ParameterWaehlen();
  Zuruecksetzen();
  tabellenmodus_ = false;
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
void TLStJahresablauf::MRE4JL() {
  auto klein = [](std::int64_t c) { return c > -kGanzeCent && c < kGanzeCent; };
  if (klein(v_.RE4) & klein(v_.VBEZ) & klein(v_.LZZFREIB) & klein(v_.LZZHINZU)) [[likely]] {
    // Whole cents of the year, cut as the flowchart's division cuts; the
    // pay period's factor by selection (a week is 360 / 7 days).
    const int l = v_.LZZ;
    const std::int64_t m = l == 1 ? 1 : l == 2 ? 12 : 360;
    const bool woche = l == 3;
    auto cent = [&](std::int64_t c) {
      const std::int64_t x = c * m;
      return woche ? x / 7 : x;
    };
    const std::int64_t re4 = cent(v_.RE4);
    ZRE4J = static_cast<double>(re4) / 100;
    ZVBEZJ = static_cast<double>(cent(v_.VBEZ)) / 100;
    JLFREIB = static_cast<double>(cent(v_.LZZFREIB)) / 100;
    JLHINZU = static_cast<double>(cent(v_.LZZHINZU)) / 100;
    if (v_.af == 0) v_.f = 1.0;
    StufeFuerZeitraum(re4);
    return;
  }
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

// Pension allowance.
void TLStJahresablauf::MRE4() {
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
    MRE4SO();
    HFVBZ = VBEZB / 100.0 - FVB;
    if (FVBZ > HFVBZ) FVBZ = Aufrunden(HFVBZ);
  }
  MRE4ALTE();
}

void TLStJahresablauf::MRE4SO() {
  FVBSO = AufrundenStellen(2, FVB + VBEZBSO * TAB1[J] / 100);
  if (FVBSO > TAB2[J]) FVBSO = static_cast<double>(TAB2[J]);
  HFVBZSO = (VBEZB + VBEZBSO) / 100.0 - FVBSO;
  FVBZSO = Aufrunden(FVBZ + VBEZBSO / 100.0);
  if (FVBZSO > HFVBZSO) FVBZSO = Aufrunden(HFVBZSO);
  if (FVBZSO > TAB3[J]) FVBZSO = TAB3[J];
}

// Age relief, rounded up to the cent.
void TLStJahresablauf::MRE4ALTE() {
  if (v_.ALTER1 == 0) {
    ALTE = 0;
    return;
  }
  K = versorgung::Zeile(v_.AJAHR);
  BMG = ZRE4J - ZVBEZJ;
  ALTE = AufrundenStellen(2, BMG * TAB4[K]);
  if (ALTE > TAB5[K]) ALTE = static_cast<double>(TAB5[K]);
}

void TLStJahresablauf::MRE4ABZ() {
  ZRE4 = ZRE4J - FVB - ALTE - JLFREIB + JLHINZU;
  if (ZRE4 < 0) ZRE4 = 0;
  ZRE4VP = ZRE4J - FVB - ALTE;
  if (ZRE4VP < 0) ZRE4VP = 0;
  ZVBEZ = ZVBEZJ - FVB;
  if (ZVBEZ < 0) ZVBEZ = 0;
}

void TLStJahresablauf::MLSTJAHR() {
  UPEVP();
  if (tabellenmodus_) {
    ZVE = TabZRE4 - ZTABFB - VSP;
    UPMLST();
  } else if (KENNVMT != 1) {
    ZVE = ZRE4 - ZTABFB - VSP;
    UPMLST();
  } else {
    // The one-fifth rule on whole cents: ZRE4, ZTABFB and VSP hold cents,
    // and a difference that is exactly whole Euro must not lose its Euro to
    // the residue of the doubles (515.93 - 28 - 479.93 is 7.999999999999943).
    const std::int64_t basis = Runden((ZRE4 - ZTABFB - VSP) * 100);
    const std::int64_t vmt = v_.VMT + v_.VKAPA;
    const std::int64_t zve = basis - vmt;
    if (zve < 0) {
      ZVE = static_cast<double>(basis) / 500;
      UPMLST();
      ST = ST * 5;
    } else {
      ZVE = static_cast<double>(zve) / 100;
      UPMLST();
      STOVMT = static_cast<double>(ST);
      // UPMLST has set a ZVE below 1 Euro to 0.
      const std::int64_t rest = ZVE == 0 ? 0 : zve;
      ZVE = static_cast<double>(rest * 5 + vmt) / 500;
      UPMLST();
      ST = Abschneiden((ST - STOVMT) * 5 + STOVMT);
    }
  }
}

// Other (one-off) payments.
void TLStJahresablauf::MSONST() {
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
  ZRE4J = (v_.JRE4 + v_.SONSTB) / 100.0;
  ZVBEZJ = (v_.JVBEZ + v_.VBS) / 100.0;
  VBEZBSO = v_.STERBE;
  MRE4SONST();
  MLSTJAHR();
  LSTSO = ST * 100;
  v_.STS = LSTSO - LSTOSO;
  if (v_.STS < 0) v_.STS = 0;
  v_.SOLZS = Abschneiden(SoliProzent() * v_.STS / 100);
  v_.BKS = v_.R ? v_.STS : 0;
}

void TLStJahresablauf::MOSONST() {
  ZRE4J = v_.JRE4 / 100.0;
  ZVBEZJ = v_.JVBEZ / 100.0;
  JLFREIB = v_.JFREIB / 100.0;
  JLHINZU = v_.JHINZU / 100.0;
  MRE4();
  MRE4ABZ();
  MZTABFB();
  MLSTJAHR();
  LSTOSO = ST * 100;
}

void TLStJahresablauf::MRE4SONST() {
  MRE4();
  FVB = FVBSO;
  MRE4ABZ();
  FVBZ = FVBZSO;
  MZTABFB();
}

// Remuneration for several years.
void TLStJahresablauf::MVMT() {
  if (!MVMTLST1()) return;
  VBEZBSO = v_.STERBE + v_.VKAPA;
  ZRE4J = (v_.JRE4 + v_.SONSTB + v_.VMT + v_.VKAPA) / 100.0;
  ZVBEZJ = (v_.JVBEZ + v_.VBS + v_.VKAPA) / 100.0;
  KENNVMT = 2;
  MRE4SONST();
  MLSTJAHR();
  LST3 = ST * 100;
  MRE4ABZ();
  KENNVMT = 1;
  MLSTJAHR();
  LST2 = ST * 100;
  v_.STV = LST2 - LST1;
  MVMTSchluss();
}

bool TLStJahresablauf::MVMTLST1() {
  if (v_.VKAPA < 0) v_.VKAPA = 0;
  if (v_.VMT + v_.VKAPA <= 0) {
    v_.STV = 0;
    v_.SOLZV = 0;
    v_.BKV = 0;
    return false;
  }
  if (LSTSO == 0) {
    MOSONST();
    LST1 = LSTOSO;
  } else {
    LST1 = LSTSO;
  }
  return true;
}

void TLStJahresablauf::MVMTSchluss() {
  LST3 = LST3 - LST1;
  if (LST3 < v_.STV) v_.STV = LST3;
  if (v_.STV < 0) v_.STV = 0;
  v_.SOLZV = Abschneiden(SoliProzent() * v_.STV / 100);
  v_.BKV = v_.R ? v_.STV : 0;
}

}  // namespace lst
