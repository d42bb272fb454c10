// Wage tax 2012: the 2013 flow with the employee lump sum of 1000, the
// deductible private contributions (UPVKV, VKVLZZ, VKVSONST) and the
// constants of 2012.

#include "lohnsteuer/versionen2010_2012.h"

namespace lst {

const TParameter2013& Parameter2012() {
  static const TParameter2013 p = [] {
    TParameter2013 p = Parameter2011();
    p.ANP = 1000;
    p.BBGRVWest = 67200;
    p.TBSVORV = 480000;
    p.RVSATZAN = 98000;
    p.BBGKVPV = 45900;
    p.MitVKV = true;
    return p;
  }();
  return p;
}

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2012(TLStZustand& k) {
  return std::make_unique<TLStGeneration2013>(k, Parameter2012());
}

}  // namespace lst
