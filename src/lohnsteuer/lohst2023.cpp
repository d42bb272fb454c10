// Wage tax 2023, amended flowchart (February 2023), pay periods April to
// June 2023: employee lump sum 1230, single-parent relief 4260.

#include "lohnsteuer/lohst2021_2026.h"

namespace lst {

const TParameter2013& Parameter2023() {
  static const TParameter2013 p = [] {
    TParameter2013 p = Parameter2023jan();
    p.ANP = 1230;
    p.EFA = 4260;
    return p;
  }();
  return p;
}

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2023(TLStZustand& k) {
  return std::make_unique<TLStGeneration2013>(k, Parameter2023());
}

}  // namespace lst
