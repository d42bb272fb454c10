// Wage tax 2016: from here the outputs for double-taxation agreements (VFRB …
// WVFRBM) and the pension allowance at most the pension.

#include "lohnsteuer/generation2014.h"
#include "lohnsteuer/versionen2014_2020.h"

namespace lst {

namespace {

// Rates in millionths.
constexpr TParameter2014 Parameter2016() {
  TParameter2014 p = Grundwerte2014();
  p.Tarif = {8652, 13670, 993.62, 1400, 13669, 225.40, 2397, 952.48, 53666, 8394.14, 254447, 16027.52};
  p.W1STKL5 = 10070;
  p.W2STKL5 = 26832;
  p.W3STKL5 = 203557;
  p.KFB = 7248;
  p.KFB4 = 3624;
  p.EFA = 1908;
  p.BBGRVWest = 74400;
  p.BBGRVOst = 64800;
  p.TBSVORV = 0.64;
  p.RVSATZAN = 0.0935;
  p.BBGKVPV = 50850;
  p.KVSATZAN = 70000;
  p.KVSATZAG = 70000;
  p.PVSATZAN = 11750;
  p.PVSATZAG = 11750;
  p.PVSATZANSachsen = 16750;
  p.PVSATZAGSachsen = 6750;
  p.KVZTeiler = 1;
  p.MitDBA = true;
  p.FVBHoechstensVersorgung = true;
  return p;
}

constexpr TParameter2014 kParameter = Parameter2016();

}  // namespace

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2016(TRechenKontext& k) {
  return std::make_unique<TLStGeneration2014>(k, kParameter);
}

}  // namespace lst
