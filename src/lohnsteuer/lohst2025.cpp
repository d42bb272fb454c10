// Wage tax 2025, amended flowchart (January 2025): basic allowance 12096,
// child allowance 9600, the new tariff.

#include "lohnsteuer/lohst2021_2026.h"

namespace lst {

const TParameter2013& Parameter2025() {
  static const TParameter2013 p = [] {
    TParameter2013 p = Parameter2025jan();
    p.Tarif = {12096, 17444, 93230, 17443, 17664, 101513, 68481, 1091192, 277826, 1924667};
    p.W1STKL5 = 13785;
    p.W2STKL5 = 34240;
    p.SOLZFREI = 19950;
    p.KFB = 9600;
    p.KFB4 = 4800;
    return p;
  }();
  return p;
}

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2025(TLStZustand& k) {
  return std::make_unique<TLStGeneration2013>(k, Parameter2025());
}

}  // namespace lst
