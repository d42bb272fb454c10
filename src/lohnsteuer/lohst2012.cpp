// Wage tax 2012: the 2013 flow with the employee lump sum of 1000, the
// deductible private contributions (UPVKV, VKVLZZ, VKVSONST) and the
// constants of 2012.

#include "lohnsteuer/generation2010.h"
#include "lohnsteuer/jahresprogramme.h"

namespace lst {

namespace {

constexpr TParameter2010 Parameter2012() {
  TParameter2010 p = Grundwerte2010();
  p.ANP = 1000;
  p.BBGRVWest = 67200;
  p.BBGRVOst = 57600;
  p.TBSVORV = 0.48;
  p.RVSatzAN = 0.098;
  p.BBGKVPV = 45900;
  p.KVSATZAN = 0.079;
  p.KVSATZAG = 0.07;
  p.MitVKV = true;
  p.MitEntschaedigung = true;
  return p;
}

constexpr TParameter2010 kParameter = Parameter2012();

}  // namespace

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2012(TRechenKontext& k) {
  return std::make_unique<TLStJahr2010>(k, kParameter);
}

}  // namespace lst
