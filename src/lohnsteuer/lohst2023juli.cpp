// Wage tax from July 2023: care-insurance rate 1.70 % (Saxony 2.20 %) and a
// surcharge of 0.60 % for the childless; yearly pay (LZZ 1) takes the year's
// averages 1.6125 % (2.1125 %) and 0.475 %.

#include "lohnsteuer/lohst2021_2026.h"

namespace lst {

const TParameter2013& Parameter2023juli() {
  static const TParameter2013 p = [] {
    TParameter2013 p = Parameter2023();
    p.KVSATZAG = 78000;
    p.KVSATZAGPlus = false;
    p.Pflege = {17000, 17000, 22000, 12000, 6000};
    p.PflegeJahr = {16125, 16125, 21125, 11125, 4750};
    return p;
  }();
  return p;
}

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2023Juli(TLStZustand& k) {
  return std::make_unique<TLStGeneration2013>(k, Parameter2023juli());
}

}  // namespace lst
