// Wage tax 2017.

#include "lohnsteuer/generation2014.h"
#include "lohnsteuer/versionen2014_2020.h"

namespace lst {

namespace {

// Rates in millionths.
constexpr TParameter2014 Parameter2017() {
  TParameter2014 p = Grundwerte2014();
  p.Tarif = {8820, 13770, 1007.27, 1400, 13769, 223.76, 2397, 939.57, 54058, 8475.44, 256304, 16164.53};
  p.W1STKL5 = 10240;
  p.W2STKL5 = 27029;
  p.W3STKL5 = 205043;
  p.KFB = 7356;
  p.KFB4 = 3678;
  p.EFA = 1908;
  p.BBGRVWest = 76200;
  p.BBGRVOst = 68400;
  p.TBSVORV = 0.68;
  p.RVSATZAN = 0.0935;
  p.BBGKVPV = 52200;
  p.KVSATZAN = 70000;
  p.KVSATZAG = 70000;
  p.PVSATZAN = 12750;
  p.PVSATZAG = 12750;
  p.PVSATZANSachsen = 17750;
  p.PVSATZAGSachsen = 7750;
  p.KVZTeiler = 1;
  p.MitDBA = true;
  p.FVBHoechstensVersorgung = true;
  return p;
}

constexpr TParameter2014 kParameter = Parameter2017();

}  // namespace

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2017(TRechenKontext& k) {
  return std::make_unique<TLStGeneration2014>(k, kParameter);
}

}  // namespace lst
