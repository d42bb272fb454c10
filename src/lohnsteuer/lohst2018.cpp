// Wage tax 2018.

#include "lohnsteuer/generation2014.h"
#include "lohnsteuer/versionen2014_2020.h"

namespace lst {

namespace {

// Rates in millionths.
constexpr TParameter2014 Parameter2018() {
  TParameter2014 p = Grundwerte2014();
  p.Tarif = {9000, 13997, 997.8, 1400, 13996, 220.13, 2397, 948.49, 54950, 8621.75, 260533, 16437.7};
  p.W1STKL5 = 10440;
  p.W2STKL5 = 27475;
  p.W3STKL5 = 208426;
  p.KFB = 7428;
  p.KFB4 = 3714;
  p.EFA = 1908;
  p.BBGRVWest = 78000;
  p.BBGRVOst = 69600;
  p.TBSVORV = 0.72;
  p.RVSATZAN = 0.093;
  p.BBGKVPV = 53100;
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

constexpr TParameter2014 kParameter = Parameter2018();

}  // namespace

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2018(TRechenKontext& k) {
  return std::make_unique<TLStGeneration2014>(k, kParameter);
}

}  // namespace lst
