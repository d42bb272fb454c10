// Wage tax 2011 (the flowchart for the pay periods January to November, with
// the employee lump sum of 920): the compensations JRE4ENT and SONSTENT
// reduce ZRE4VP; still no deductible private contributions (no UPVKV).

#include "lohnsteuer/versionen2010_2012.h"

namespace lst {

const TParameter2013& Parameter2011() {
  static const TParameter2013 p = [] {
    TParameter2013 p = Parameter2010();
    p.BBGRVOst = 57600;
    p.TBSVORV = 440000;
    p.BBGKVPV = 44550;
    p.KVSATZANBasis = 79000;
    p.KVSATZAG = 70000;
    p.MitEntschaedigung = true;
    return p;
  }();
  return p;
}

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2011(TLStZustand& k) {
  return std::make_unique<TLStGeneration2013>(k, Parameter2011());
}

}  // namespace lst
