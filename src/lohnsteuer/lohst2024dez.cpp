// Wage tax of December 2024: basic allowance 11784, child allowance 9540
// and class V/VI threshold 13432 for the whole year.  December computes the
// year under the old and the new values and returns what January to November
// withheld too much.

#include "lohnsteuer/lohst2021_2026.h"

namespace lst {

const TParameter2013& Parameter2024dez() {
  static const TParameter2013 p = [] {
    TParameter2013 p = Parameter2024();
    p.Tarif.GFB = 11784;
    p.Tarif.A1 = 95480;
    p.Tarif.C2 = 99121;
    p.Tarif.C3 = 1063631;
    p.Tarif.C4 = 1897106;
    p.W1STKL5 = 13432;
    p.KFB = 9540;
    p.KFB4 = 4770;
    p.Vorher = &Parameter2024();
    return p;
  }();
  return p;
}

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2024Dez(TLStZustand& k) {
  return std::make_unique<TLStGeneration2013>(k, Parameter2024dez());
}

}  // namespace lst
