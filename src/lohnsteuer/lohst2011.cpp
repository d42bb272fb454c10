// Wage tax 2011 (flowchart for the pay periods January to November, with the
// employee lump sum of 920): compensations JRE4ENT and SONSTENT reduce ZRE4VP;
// still no deductible private contributions (no UPVKV).

#include "lohnsteuer/generation2010.h"
#include "lohnsteuer/jahresprogramme.h"

namespace lst {

namespace {

constexpr TParameter2010 Parameter2011() {
  TParameter2010 p = Grundwerte2010();
  p.ANP = 920;
  p.BBGRVWest = 66000;
  p.BBGRVOst = 57600;
  p.TBSVORV = 0.44;
  p.RVSatzAN = 0.0995;
  p.BBGKVPV = 44550;
  p.KVSATZAN = 0.079;
  p.KVSATZAG = 0.07;
  p.MitVKV = false;
  p.MitEntschaedigung = true;
  return p;
}

constexpr TParameter2010 kParameter = Parameter2011();

}  // namespace

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2011(TRechenKontext& k) {
  return std::make_unique<TLStJahr2010>(k, kParameter);
}

}  // namespace lst
