#include "lohnsteuer/vorsorge_alt.h"

#include "geld/geld.h"

namespace lst {

void TVorsorgeAlt::Zuruecksetzen() {
  VSPO = VSPVOR = VSPMAX1 = VSPMAX2 = VSPKURZ = VSPREST = VSP = 0;
}

double TVorsorgeAlt::MVSP(double vspoBasis, double vorBasis, std::uint8_t KRV, int KZTAB,
                          const TVorsorgeAltParameter& p) {
  VSPO = vspoBasis * p.VSPOSatz;
  VSPVOR = static_cast<double>(p.VSPVOR * KZTAB);
  VSPMAX1 = static_cast<double>(p.VSPMAX1 * KZTAB);
  VSPMAX2 = static_cast<double>(p.VSPMAX2 * KZTAB);
  VSPKURZ = static_cast<double>(p.VSPKURZ * KZTAB);
  if (KRV == 1) {
    VSP = VSPKURZ < VSPO ? VSPKURZ : VSPO;
  } else {
    UMVSP(vorBasis, p.RestAufrunden);
  }
  return VSP;
}

void TVorsorgeAlt::UMVSP(double vorBasis, bool restAufrunden) {
  VSPVOR = VSPVOR - vorBasis * 0.16;
  if (VSPVOR < 0) VSPVOR = 0;
  if (VSPO > VSPVOR) {
    VSP = VSPVOR;
    VSPREST = VSPO - VSPVOR;
    if (VSPREST > VSPMAX1) {
      VSP = VSP + VSPMAX1;
      VSPREST = (VSPREST - VSPMAX1) * 0.5;
      VSPREST = restAufrunden ? AufrundenStellen(2, VSPREST) : RundenStellen(2, VSPREST);
      VSP = VSP + (VSPREST > VSPMAX2 ? VSPMAX2 : VSPREST);
    } else {
      VSP = VSP + VSPREST;
    }
  } else {
    VSP = VSPO;
  }
}

}  // namespace lst
