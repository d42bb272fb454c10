// Wage tax 2008: the first flowchart that converts the wage to the year
// before the allowances.  It differs from 2009 in the pension allowance for
// other payments (MRE4: VBEZBSO from STERBE and VKAPA, FVBZSO only capped by
// TAB3) and in the one-fifth rule of MVMT, which works through MLSTJAHR with
// the amounts without the multi-year pay (ZRE4OSO, ZTABFBOSO, ZRE4VMT).

#include "geld/geld.h"
#include "lohnsteuer/generation2008.h"
#include "lohnsteuer/versorgung_tabellen.h"

namespace lst {

namespace {

constexpr TParameter2008 Parameter2008() {
  TParameter2008 p{};
  Werte2005(p);
  Reichensteuer2007(p);
  p.Vorsorge = {63600, 0.32, 0.0995, false};
  return p;
}

constexpr TParameter2008 kParameter = Parameter2008();

class TLohnsteuer2008 : public TLStGeneration2008 {
 public:
  explicit TLohnsteuer2008(TLStZustand& k) : TLStGeneration2008(k, kParameter) {}

 protected:
  void Zuruecksetzen() override;
  void MRE4SO() override;
  void MLSTJAHR() override;
  void MVMT() override;

 private:
  double ZRE4OSO = 0, ZTABFBOSO = 0, ZRE4VMT = 0;
  std::int64_t FVBZOSO = 0;
};

void TLohnsteuer2008::Zuruecksetzen() {
  TLStGeneration2008::Zuruecksetzen();
  ZRE4OSO = ZTABFBOSO = ZRE4VMT = 0;
  FVBZOSO = 0;
}

void TLohnsteuer2008::MRE4SO() {
  using namespace versorgung;
  VBEZBSO = v_.STERBE + v_.VKAPA;
  FVBSO = AufrundenStellen(2, FVB + VBEZBSO * TAB1[J] / 100);
  if (FVBSO > TAB2[J]) FVBSO = static_cast<double>(TAB2[J]);
  HFVBZSO = (VBEZB + VBEZBSO) / 100.0 - FVBSO;
  FVBZSO = TAB3[J] > HFVBZSO ? Aufrunden(HFVBZSO) : TAB3[J];
}

void TLohnsteuer2008::MLSTJAHR() {
  UPEVP();
  if (tabellenmodus_) {
    ZVE = TabZRE4 - ZTABFB - VSP;
  } else if (KENNVMT == 1) {
    ZVE = ZRE4OSO - ZTABFBOSO + ZRE4VMT - VSP;
  } else if (KENNVMT == 2) {
    ZVE = (ZRE4 - ZTABFB) / 5 - VSP;
  } else {
    ZVE = ZRE4 - ZTABFB - VSP;
  }
  UPMLST();
}

// Remuneration for several years.
void TLohnsteuer2008::MVMT() {
  if (!MVMTLST1()) return;
  ZRE4OSO = ZRE4;
  ZTABFBOSO = ZTABFB;
  FVBZOSO = FVBZ;
  ZRE4J = (v_.JRE4 + v_.SONSTB + v_.VMT + v_.VKAPA) / 100.0;
  ZVBEZJ = (v_.JVBEZ + v_.VBS + v_.VKAPA) / 100.0;
  MRE4SONST();
  MLSTJAHR();
  LST3 = ST * 100;
  ZTABFB = ZTABFB - FVBZ + FVBZOSO;
  KENNVMT = 1;
  if (v_.JRE4 + v_.SONSTB - v_.JFREIB + v_.JHINZU < 0) {
    KENNVMT = 2;
    MLSTJAHR();
    v_.STV = ST * 100 * 5;
  } else {
    ZRE4VMT = (v_.VMT / 100.0 + v_.VKAPA / 100.0 - ZTABFB + ZTABFBOSO) / 5;
    MLSTJAHR();
    v_.STV = (ST * 100 - LST1) * 5;
  }
  MVMTSchluss();
}

}  // namespace

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2008(TLStZustand& k) {
  return std::make_unique<TLohnsteuer2008>(k);
}

}  // namespace lst
