// Wage tax 2020 (average additional rate 1.1 %).

#include "lohnsteuer/generation2014.h"
#include "lohnsteuer/versionen2014_2020.h"

namespace lst {

namespace {

// Rates in millionths.
constexpr TParameter2014 Parameter2020() {
  TParameter2014 p = Grundwerte2014();
  p.Tarif = {9408, 14533, 972.87, 1400, 14532, 212.02, 2397, 972.79, 57052, 8963.74, 270501, 17078.74};
  p.W1STKL5 = 10898;
  p.W2STKL5 = 28526;
  p.W3STKL5 = 216400;
  p.KFB = 7812;
  p.KFB4 = 3906;
  p.EFA = 1908;
  p.BBGRVWest = 82800;
  p.BBGRVOst = 77400;
  p.TBSVORV = 0.8;
  p.RVSATZAN = 0.093;
  p.BBGKVPV = 56250;
  p.KVSATZAN = 70000;
  p.KVSATZAG = 75500;
  p.PVSATZAN = 15250;
  p.PVSATZAG = 15250;
  p.PVSATZANSachsen = 20250;
  p.PVSATZAGSachsen = 10250;
  p.KVZTeiler = 2;
  p.KVSATZAGKnappDarueber = true;
  p.MitDBA = true;
  p.FVBHoechstensVersorgung = true;
  return p;
}

constexpr TParameter2014 kParameter = Parameter2020();

}  // namespace

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2020(TRechenKontext& k) {
  return std::make_unique<TLStGeneration2014>(k, kParameter);
}

}  // namespace lst
