// Wage tax 2014: the 2013 flow with the tariff of 2014 (basic allowance 8354)
// and the contribution ceilings and rates of 2014.

#include "lohnsteuer/generation2014.h"
#include "lohnsteuer/versionen2014_2020.h"

namespace lst {

namespace {

// Rates in millionths.
constexpr TParameter2014 Parameter2014() {
  TParameter2014 p = Grundwerte2014();
  p.Tarif = {8354, 13470, 974.58, 1400, 13469, 228.74, 2397, 971, 52882, 8239, 250731, 15761};
  p.W1STKL5 = 9763;
  p.W2STKL5 = 26441;
  p.W3STKL5 = 200584;
  p.KFB = 7008;
  p.KFB4 = 3504;
  p.EFA = 1308;
  p.BBGRVWest = 71400;
  p.BBGRVOst = 60000;
  p.TBSVORV = 0.56;
  p.RVSATZAN = 0.0945;
  p.BBGKVPV = 48600;
  p.KVSATZAN = 79000;
  p.KVSATZAG = 70000;
  p.PVSATZAN = 10250;
  p.PVSATZAG = 10250;
  p.PVSATZANSachsen = 15250;
  p.PVSATZAGSachsen = 5250;
  return p;
}

constexpr TParameter2014 kParameter = Parameter2014();

}  // namespace

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2014(TRechenKontext& k) {
  return std::make_unique<TLStGeneration2014>(k, kParameter);
}

}  // namespace lst
