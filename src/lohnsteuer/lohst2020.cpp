// Wage tax 2020: the tariff, allowances and ceilings of 2020; the employer's
// health rate with half the average additional rate 1.1 %.

#include "lohnsteuer/versionen2014_2020.h"

namespace lst {

const TParameter2013& Parameter2020() {
  static const TParameter2013 p = [] {
    TParameter2013 p = Parameter2019();
    p.Tarif = {9408, 14533, 97287, 14532, 21202, 97279, 57052, 896374, 270501, 1707874};
    p.W1STKL5 = 10898;
    p.W2STKL5 = 28526;
    p.W3STKL5 = 216400;
    p.KFB = 7812;
    p.KFB4 = 3906;
    p.BBGRVWest = 82800;
    p.BBGRVOst = 77400;
    p.TBSVORV = 800000;
    p.BBGKVPV = 56250;
    p.KVSATZAG = 75500;
    p.KVZDurchschnitt = 110;
    return p;
  }();
  return p;
}

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2020(TLStZustand& k) {
  return std::make_unique<TLStGeneration2013>(k, Parameter2020());
}

}  // namespace lst
