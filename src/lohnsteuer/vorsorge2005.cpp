#include "lohnsteuer/vorsorge2005.h"

#include "calc/geld.h"

namespace lst {

void TVorsorgepauschale2005::Zuruecksetzen() {
  VSP1 = VSP2 = VSPN = VSPO = VSPVOR = VSPMAX1 = VSPMAX2 = 0;
  VSPKURZ = VSPREST = VSP = 0;
  VHB = 0;
}

double TVorsorgepauschale2005::Euro(double betrag) const {
  return static_cast<double>(aufrunden_ ? Aufrunden(betrag) : Abschneiden(betrag));
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
  aufrunden_ = p.EuroAufrunden;
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
  MVSP(vorBasis ? *vorBasis : ZRE4VP, KRV, KZTAB);
  if (VSPN > VSP) VSP = VSPN;
}

// Old-law amount.
void TVorsorgepauschale2005::MVSP(double basis, std::uint8_t KRV, int KZTAB) {
  VSPO = basis * 0.2;
  VSPVOR = 3068.0 * KZTAB;
  VSPMAX1 = 1334.0 * KZTAB;
  VSPMAX2 = 667.0 * KZTAB;
  VSPKURZ = 1134.0 * KZTAB;
  if (KRV == 1) {
    VSP = VSPKURZ < VSPO ? VSPKURZ : Euro(VSPO);
  } else {
    UMVSP(basis);
  }
}

void TVorsorgepauschale2005::UMVSP(double basis) {
  VSPVOR = VSPVOR - basis * 0.16;
  if (VSPVOR < 0) VSPVOR = 0;
  if (VSPO > VSPVOR) {
    VSP = VSPVOR;
    VSPREST = VSPO - VSPVOR;
    if (VSPREST > VSPMAX1) {
      VSP = VSP + VSPMAX1;
      VSPREST = AufrundenStellen(2, (VSPREST - VSPMAX1) * 0.5);
      if (VSPREST > VSPMAX2) {
        VSP = Euro(VSP + VSPMAX2);
      } else {
        VSP = Euro(VSP + VSPREST);
      }
    } else {
      VSP = Euro(VSP + VSPREST);
    }
  } else {
    VSP = Euro(VSPO);
  }
}

}  // namespace lst
