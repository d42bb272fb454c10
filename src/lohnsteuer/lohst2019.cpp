// Wage tax 2019: the employee bears half the additional rate; the employer's
// health rate includes the other half of the average additional rate 0.9 %.

#include "lohnsteuer/versionen2014_2020.h"

namespace lst {

const TParameter2013& Parameter2019() {
  static const TParameter2013 p = [] {
    TParameter2013 p = Parameter2018();
    p.Tarif = {9168, 14255, 98014, 14254, 21616, 96558, 55961, 878090, 265327, 1674068};
    p.W1STKL5 = 10635;
    p.W2STKL5 = 27980;
    p.W3STKL5 = 212261;
    p.KFB = 7620;
    p.KFB4 = 3810;
    p.BBGRVWest = 80400;
    p.BBGRVOst = 73800;
    p.TBSVORV = 760000;
    p.BBGKVPV = 54450;
    p.KVZAnteil = TKVZAnteil::Haelfte;
    // 0.0045 + 0.07 summed in binary floating point by the flowchart.
    p.KVSATZAG = 74500;
    p.KVSATZAGPlus = true;
    p.Pflege = {15250, 15250, 20250, 10250, 2500};
    p.PflegeJahr = p.Pflege;
    p.KVZDurchschnitt = 90;
    return p;
  }();
  return p;
}

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2019(TLStZustand& k) {
  return std::make_unique<TLStGeneration2013>(k, Parameter2019());
}

}  // namespace lst
