// Wage tax 2010: the first flowchart with the provision allowance of the
// health and care contributions.  No deductible private contributions are
// reported (no UPVKV), and compensations JRE4ENT and SONSTENT are not read.

#include "lohnsteuer/generation2010.h"
#include "lohnsteuer/jahresprogramme.h"

namespace lst {

namespace {

constexpr TParameter2010 Parameter2010() {
  TParameter2010 p = Grundwerte2010();
  p.ANP = 920;
  p.BBGRVWest = 66000;
  p.BBGRVOst = 55800;
  p.TBSVORV = 0.40;
  p.RVSatzAN = 0.0995;
  p.BBGKVPV = 45000;
  p.KVSATZAN = 0.076;
  p.KVSATZAG = 0.067;
  p.MitVKV = false;
  p.MitEntschaedigung = false;
  return p;
}

constexpr TParameter2010 kParameter = Parameter2010();

}  // namespace

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2010(TRechenKontext& k) {
  return std::make_unique<TLStJahr2010>(k, kParameter);
}

}  // namespace lst
