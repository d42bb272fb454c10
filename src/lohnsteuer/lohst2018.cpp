// Wage tax 2018: the tariff, allowances, ceilings and pension rate of 2018.

#include "lohnsteuer/versionen2014_2020.h"

namespace lst {

const TParameter2013& Parameter2018() {
  static const TParameter2013 p = [] {
    TParameter2013 p = Parameter2017();
    p.Tarif = {9000, 13997, 99780, 13996, 22013, 94849, 54950, 862175, 260533, 1643770};
    p.W1STKL5 = 10440;
    p.W2STKL5 = 27475;
    p.W3STKL5 = 208426;
    p.KFB = 7428;
    p.KFB4 = 3714;
    p.BBGRVWest = 78000;
    p.BBGRVOst = 69600;
    p.TBSVORV = 720000;
    p.RVSATZAN = 93000;
    p.BBGKVPV = 53100;
    p.KVZDurchschnitt = 100;
    return p;
  }();
  return p;
}

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2018(TLStZustand& k) {
  return std::make_unique<TLStGeneration2013>(k, Parameter2018());
}

}  // namespace lst
