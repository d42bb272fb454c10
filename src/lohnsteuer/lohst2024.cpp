// Wage tax 2024 (amended flowchart of February 2024): the care-insurance
// discount of 0.25 % for each child from the second (PVA).

#include "lohnsteuer/lohst2021_2026.h"

namespace lst {

const TParameter2013& Parameter2024() {
  static const TParameter2013 p = [] {
    TParameter2013 p = Parameter2023juli();
    p.Tarif = {11604, 17006, 92298, 17005, 18119, 102538, 66761, 1060213, 277826, 1893688};
    p.W1STKL5 = 13279;
    p.W2STKL5 = 33380;
    p.SOLZFREI = 18130;
    p.KFB = 9312;
    p.KFB4 = 4656;
    p.BBGRVWest = 90600;
    p.BBGRVOst = 89400;
    p.BBGKVPV = 62100;
    p.KVSATZAG = 78500;
    p.PflegeJahr = p.Pflege;
    p.PVAbschlag = 2500;
    p.KVZDurchschnitt = 170;
    return p;
  }();
  return p;
}

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2024(TLStZustand& k) {
  return std::make_unique<TLStGeneration2013>(k, Parameter2024());
}

}  // namespace lst
