#include "lohnsteuer/vorsorge2005.h"

#include "geld/geld.h"

namespace lst {

void TVorsorgepauschale2005::Zuruecksetzen() {
  VSP1 = VSP2 = VSPN = VSP = 0;
  VHB = 0;
  Alt.Zuruecksetzen();
}

double TVorsorgepauschale2005::VSPKlasse(std::uint8_t STKL, double& ZRE4VP, const double* vorBasis,
                                         std::uint8_t KRV, int KZTAB,
                                         const TVorsorgeParameter2005& p) {
  if (STKL >= 5) {
    VSP = 0;
  } else {
    UPEVP(ZRE4VP, vorBasis, KRV, KZTAB, p);
  }
  return VSP;
}

void TVorsorgepauschale2005::UPEVP(double& ZRE4VP, const double* vorBasis, std::uint8_t KRV,
                                   int KZTAB, const TVorsorgeParameter2005& p) {
  if (KRV == 1) {
    VSP1 = 0;
  } else {
    if (ZRE4VP > p.BBGRV) ZRE4VP = p.BBGRV;
    VSP1 = AbschneidenStellen(2, ZRE4VP * p.TBSVORV);
    VSP1 = AbschneidenStellen(2, VSP1 * p.RVSatzAN);
  }
  VSP2 = ZRE4VP * 0.11;
  VHB = 1500 * KZTAB;
  if (VSP2 > VHB) VSP2 = static_cast<double>(VHB);
  VSPN = static_cast<double>(Aufrunden(VSP1 + VSP2));
  const double basis = vorBasis ? *vorBasis : ZRE4VP;
  const double alt = Alt.MVSP(basis, basis, KRV, KZTAB, kVorsorgeAlt2005);
  VSP = static_cast<double>(p.EuroAufrunden ? Aufrunden(alt) : Abschneiden(alt));
  if (VSPN > VSP) VSP = VSPN;
}

}  // namespace lst
