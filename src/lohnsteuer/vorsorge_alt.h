#pragma once
// The old-law provision allowance (MVSP, UMVSP) of the flowcharts 1995 to
// 2009: a share VSPO of the wage ZRE4VP, of which the prior deduction VSPVOR
// (less 16 % of the wage) counts in full, then VSPMAX1, then half of the
// rest up to VSPMAX2; without statutory pension insurance (KRV 1) VSPO up to
// VSPKURZ.  Up to 2004 it is the whole provision allowance, from 2005 the
// old-law amount that the new-law one is compared with.  The rounding of the
// result to whole units is the year's.

#include <cstdint>

namespace lst {

struct TVorsorgeAltParameter {
  double VSPOSatz;                                 // share of ZRE4VP
  std::int64_t VSPVOR, VSPMAX1, VSPMAX2, VSPKURZ;  // per tariff unit
  // The halved rest above VSPMAX1 is rounded to the cent: half away from
  // zero up to 2004, up from 2005.
  bool RestAufrunden;
};

// 2005 to 2009.
inline constexpr TVorsorgeAltParameter kVorsorgeAlt2005 = {0.20, 3068, 1334, 667, 1134, true};

class TVorsorgeAlt {
 public:
  void Zuruecksetzen();

  // VSP of classes I to IV before its rounding to whole units: VSPO from
  // vspoBasis, the reduction of VSPVOR from vorBasis.
  double MVSP(double vspoBasis, double vorBasis, std::uint8_t KRV, int KZTAB,
              const TVorsorgeAltParameter& p);

  double VSPO = 0, VSPVOR = 0, VSPMAX1 = 0, VSPMAX2 = 0, VSPKURZ = 0, VSPREST = 0, VSP = 0;

 private:
  void UMVSP(double vorBasis, bool restAufrunden);
};

}  // namespace lst
