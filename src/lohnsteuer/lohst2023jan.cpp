// Wage tax 2023, first flowchart (November 2022), pay periods January to
// March 2023.

#include "lohnsteuer/lohst2021_2026.h"

namespace lst {

const TParameter2013& Parameter2023jan() {
  static const TParameter2013 p = [] {
    TParameter2013 p = Parameter2022();
    p.Tarif = {10908, 16000, 97918, 15999, 19259, 96653, 62810, 997298, 277826, 1830773};
    p.W1STKL5 = 12485;
    p.W2STKL5 = 31404;
    p.SOLZFREI = 17543;
    p.KFB = 8952;
    p.KFB4 = 4476;
    p.BBGRVWest = 87600;
    p.BBGRVOst = 85200;
    p.TBSVORV = kSatzEins;
    p.BBGKVPV = 59850;
    p.KVSATZAG = 78000;  // and KVSATZAGPlus: 0.07800000000000001
    p.KVZDurchschnitt = 160;
    return p;
  }();
  return p;
}

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2023Jan(TLStZustand& k) {
  return std::make_unique<TLStGeneration2013>(k, Parameter2023jan());
}

}  // namespace lst
