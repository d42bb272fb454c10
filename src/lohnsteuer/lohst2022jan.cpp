// Wage tax 2022, first flowchart (November 2021), pay periods January to
// May 2022: basic allowance 9984, the tax-free equity participation (MBV).

#include "lohnsteuer/lohst2021_2026.h"

namespace lst {

const TParameter2013& Parameter2022jan() {
  static const TParameter2013 p = [] {
    TParameter2013 p = Parameter2021();
    p.Tarif = {9984, 14927, 100870, 14926, 20643, 93824, 58597, 926753, 277826, 1760228};
    p.W1STKL5 = 11480;
    p.W2STKL5 = 29298;
    p.W3STKL5 = 222260;
    p.EFA = 4008;
    p.BBGRVWest = 84600;
    p.BBGRVOst = 81000;
    p.TBSVORV = 880000;
    p.Pflege.Zuschlag = 3500;
    p.PflegeJahr = p.Pflege;
    p.MitMBV = true;
    return p;
  }();
  return p;
}

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2022Jan(TLStZustand& k) {
  return std::make_unique<TLStGeneration2013>(k, Parameter2022jan());
}

}  // namespace lst
