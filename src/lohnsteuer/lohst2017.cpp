// Wage tax 2017: the tariff, allowances, ceilings and care rates of 2017.

#include "lohnsteuer/versionen2014_2020.h"

namespace lst {

const TParameter2013& Parameter2017() {
  static const TParameter2013 p = [] {
    TParameter2013 p = Parameter2016();
    p.Tarif = {8820, 13770, 100727, 13769, 22376, 93957, 54058, 847544, 256304, 1616453};
    p.W1STKL5 = 10240;
    p.W2STKL5 = 27029;
    p.W3STKL5 = 205043;
    p.KFB = 7356;
    p.KFB4 = 3678;
    p.BBGRVWest = 76200;
    p.BBGRVOst = 68400;
    p.TBSVORV = 680000;
    p.BBGKVPV = 52200;
    p.Pflege = {12750, 12750, 17750, 7750, 2500};
    p.PflegeJahr = p.Pflege;
    return p;
  }();
  return p;
}

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2017(TLStZustand& k) {
  return std::make_unique<TLStGeneration2013>(k, Parameter2017());
}

}  // namespace lst
