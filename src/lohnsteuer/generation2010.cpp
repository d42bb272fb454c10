#include "lohnsteuer/generation2010.h"

#include "calc/geld.h"

namespace lst {

void TLStGeneration2010::ParameterWaehlen() {
  p_ = &Parameter();
  j_ = p_;
  g_ = p_;
}

void TLStGeneration2010::Zuruecksetzen() {
  TLStJahresablauf::Zuruecksetzen();
  VSP1 = VSP2 = VSP3 = VSPN = 0;
  KVSATZAN = KVSATZAG = PVSATZAN = PVSATZAG = 0;
  VHB = 0;
}

void TLStGeneration2010::TabellenArgumente(const TTabellenArgumente& a) {
  v_.KRV = !a.AllgemeineTabelle ? 2 : (a.Region == 0 ? 1 : 0);
  v_.PVS = a.PVS != 0 ? 1 : 0;
  v_.PKV = a.PKV;
}

void TLStGeneration2010::UPVKVLZZ() {
  if (!p_->MitVKV) return;
  UPVKV();
  JW = static_cast<double>(VKV);
  UPANTEIL();
  v_.VKVLZZ = ANTEIL1;
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

void TLStGeneration2010::UPVKV() {
  if (v_.PKV > 0) {
    VKV = Abschneiden((VSP2 > VSP3 ? VSP2 : VSP3) * 100);
  } else {
    VKV = 0;
  }
}

}  // namespace lst
