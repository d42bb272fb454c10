#pragma once
// The wage-tax flowcharts of 2008 and 2009: the yearly flow that 2010 keeps,
// with the provision allowance of 2005 to 2009, no private health insurance
// and no factor method.

#include "lohnsteuer/jahresablauf.h"
#include "lohnsteuer/vorsorge2005.h"

namespace lst {

struct TParameter2008 : TParameterGrund {
  TVorsorgeParameter2005 Vorsorge;
};

class TLStGeneration2008 : public TLStJahresablauf {
 public:
  TLStGeneration2008(TLStZustand& k, const TParameter2008& p) : TLStJahresablauf(k), p_(p) {}

 protected:
  void ParameterWaehlen() override;
  void Zuruecksetzen() override;
  // Classes I to IV; classes V and VI have no provision allowance.
  void UPEVP() override;

  const TParameter2008& p_;
  TVorsorgepauschale2005 vorsorge_;
};

}  // namespace lst
