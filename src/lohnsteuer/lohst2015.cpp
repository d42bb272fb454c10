// Wage tax 2015.
//
// Two flowcharts: the one of January to November (KVZ, the additional rate of
// the health fund, enters the provision allowance in full) and the December
// one: the allowances raised for the whole year (basic allowance 8472, child
// allowance 7152, single-parent relief 1908, class V/VI threshold 9873) are
// granted with the December pay (MLST1215).

#include "lohnsteuer/versionen2014_2020.h"

namespace lst {

const TParameter2013& Parameter2015() {
  static const TParameter2013 p = [] {
    TParameter2013 p = Parameter2014();
    p.BBGRVWest = 72600;
    p.BBGRVOst = 62400;
    p.TBSVORV = 600000;
    p.RVSATZAN = 93500;
    p.BBGKVPV = 49500;
    p.KVSATZANBasis = 70000;
    p.KVZAnteil = TKVZAnteil::Ganz;
    p.Pflege = {11750, 11750, 16750, 6750, 2500};
    p.PflegeJahr = p.Pflege;
    p.KVZDurchschnitt = 90;
    return p;
  }();
  return p;
}

const TParameter2013& Parameter2015dez() {
  static const TParameter2013 p = [] {
    TParameter2013 p = Parameter2015();
    p.Tarif = {8472, 13470, 99760, 13469, 22874, 94868, 52882, 826129, 250731, 1578319};
    p.W1STKL5 = 9873;
    p.KFB = 7152;
    p.KFB4 = 3576;
    p.EFA = 1908;
    p.Vorher = &Parameter2015();
    return p;
  }();
  return p;
}

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2015(TLStZustand& k) {
  return std::make_unique<TLStGeneration2013>(k, Parameter2015());
}

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2015Dez(TLStZustand& k) {
  return std::make_unique<TLStGeneration2013>(k, Parameter2015dez());
}

}  // namespace lst
