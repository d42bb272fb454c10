// Wage tax 2019: the employee bears half the additional rate; the employer's
// health rate includes the other half of the average additional rate 0.9 %.

#include "lohnsteuer/generation2014.h"
#include "lohnsteuer/versionen2014_2020.h"

namespace lst {

namespace {

// Rates in millionths.
constexpr TParameter2014 Parameter2019() {
  TParameter2014 p = Grundwerte2014();
  p.Tarif = {9168, 14255, 980.14, 1400, 14254, 216.16, 2397, 965.58, 55961, 8780.9, 265327, 16740.68};
  p.W1STKL5 = 10635;
  p.W2STKL5 = 27980;
  p.W3STKL5 = 212261;
  p.KFB = 7620;
  p.KFB4 = 3810;
  p.EFA = 1908;
  p.BBGRVWest = 80400;
  p.BBGRVOst = 73800;
  p.TBSVORV = 0.76;
  p.RVSATZAN = 0.093;
  p.BBGKVPV = 54450;
  p.KVSATZAN = 70000;
  p.KVSATZAG = 74500;
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

constexpr TParameter2014 kParameter = Parameter2019();

}  // namespace

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2019(TRechenKontext& k) {
  return std::make_unique<TLStGeneration2014>(k, kParameter);
}

}  // namespace lst
