#pragma once
// The provision allowance of 2005 to 2009 (UPEVP): the larger of the new-law
// amount (VSPN: a share of the pension contribution and 11 % of the wage for
// the other insurances) and the old-law amount of MVSP and UMVSP in whole
// Euro.  Shared by the 2005 and the 2008 generation.

#include <cstdint>

#include "lohnsteuer/vorsorge_alt.h"

namespace lst {

struct TVorsorgeParameter2005 {
  double BBGRV;       // pension ceiling (KRV 0)
  double TBSVORV;     // share of the pension contribution
  double RVSatzAN;    // employee pension rate
  // The old-law amount in whole Euro: rounded up (2005, 2006) or cut (from 2007).
  bool EuroAufrunden;
};

class TVorsorgepauschale2005 {
 public:
  void Zuruecksetzen();

  // VSP of the tax class: UPEVP for classes I to IV, 0 for V and VI.
  // UPEVP caps ZRE4VP in place at the pension ceiling when KRV = 0.  The
  // old-law amount (VSPO and the reduction of VSPVOR) is taken from vorBasis
  // when given, else from ZRE4VP.
  double VSPKlasse(std::uint8_t STKL, double& ZRE4VP, const double* vorBasis, std::uint8_t KRV,
                   int KZTAB, const TVorsorgeParameter2005& p);

  double VSP1 = 0, VSP2 = 0, VSPN = 0, VSP = 0;
  std::int64_t VHB = 0;
  TVorsorgeAlt Alt;

 private:
  void UPEVP(double& ZRE4VP, const double* vorBasis, std::uint8_t KRV, int KZTAB,
             const TVorsorgeParameter2005& p);
};

}  // namespace lst
