#include "lohnsteuer/generation2008.h"

namespace lst {

void TLStGeneration2008::ParameterWaehlen() {
  g_ = &p_;
}

void TLStGeneration2008::Zuruecksetzen() {
  TLStJahresablauf::Zuruecksetzen();
  vorsorge_.Zuruecksetzen();
}

void TLStGeneration2008::UPEVP() {
  if (tabellenmodus_) ZRE4VP = TabZRE4;
  VSP = vorsorge_.VSPKlasse(v_.STKL, ZRE4VP, nullptr, v_.KRV, KZTAB, p_.Vorsorge);
}

}  // namespace lst
