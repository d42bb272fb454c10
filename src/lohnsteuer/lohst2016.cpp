// Wage tax 2016: from here the outputs for double-taxation agreements (VFRB …
// WVFRBM) and the pension allowance at most the pension.

#include "lohnsteuer/versionen2014_2020.h"

namespace lst {

const TParameter2013& Parameter2016() {
  static const TParameter2013 p = [] {
    TParameter2013 p = Parameter2015();
    p.Tarif = {8652, 13670, 99362, 13669, 22540, 95248, 53666, 839414, 254447, 1602752};
    p.W1STKL5 = 10070;
    p.W2STKL5 = 26832;
    p.W3STKL5 = 203557;
    p.EFA = 1908;
    p.KFB = 7248;
    p.KFB4 = 3624;
    p.BBGRVWest = 74400;
    p.BBGRVOst = 64800;
    p.TBSVORV = 640000;
    p.BBGKVPV = 50850;
    p.KVZDurchschnitt = 110;
    p.MitDBA = true;
    p.FVBHoechstensVersorgung = true;
    return p;
  }();
  return p;
}

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2016(TLStZustand& k) {
  return std::make_unique<TLStGeneration2013>(k, Parameter2016());
}

}  // namespace lst
