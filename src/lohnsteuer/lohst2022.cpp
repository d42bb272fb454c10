// Wage tax 2022, amended flowchart (May 2022), pay periods from June 2022:
// basic allowance 10347, employee lump sum 1200, the new tariff.

#include "lohnsteuer/lohst2021_2026.h"

namespace lst {

const TParameter2013& Parameter2022() {
  static const TParameter2013 p = [] {
    TParameter2013 p = Parameter2022jan();
    p.Tarif.GFB = 10347;
    p.Tarif.A1 = 108867;
    p.Tarif.C2 = 86932;
    p.Tarif.C3 = 933645;
    p.Tarif.C4 = 1767120;
    p.W1STKL5 = 11793;
    p.ANP = 1200;
    return p;
  }();
  return p;
}

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2022(TLStZustand& k) {
  return std::make_unique<TLStGeneration2013>(k, Parameter2022());
}

}  // namespace lst
