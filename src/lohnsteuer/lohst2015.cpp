// Wage tax 2015.
//
// Two flowcharts: the one of January to November (KVZ, the additional rate of
// the health fund, enters the provision allowance) and the December one: the
// allowances raised for the whole year (basic allowance 8472, child allowance
// 7152, single-parent relief 1908, class V/VI threshold 9873) are granted with
// the December pay (MLST1215).

#include "lohnsteuer/generation2014.h"
#include "lohnsteuer/versionen2014_2020.h"

namespace lst {

namespace {

// Rates in millionths.
constexpr TParameter2014 Parameter2015() {
  TParameter2014 p = Grundwerte2014();
  p.Tarif = {8354, 13470, 974.58, 1400, 13469, 228.74, 2397, 971, 52882, 8239, 250731, 15761};
  p.W1STKL5 = 9763;
  p.W2STKL5 = 26441;
  p.W3STKL5 = 200584;
  p.KFB = 7008;
  p.KFB4 = 3504;
  p.EFA = 1308;
  p.BBGRVWest = 72600;
  p.BBGRVOst = 62400;
  p.TBSVORV = 0.60;
  p.RVSATZAN = 0.0935;
  p.BBGKVPV = 49500;
  p.KVSATZAN = 70000;
  p.KVSATZAG = 70000;
  p.PVSATZAN = 11750;
  p.PVSATZAG = 11750;
  p.PVSATZANSachsen = 16750;
  p.PVSATZAGSachsen = 6750;
  p.KVZTeiler = 1;
  return p;
}

constexpr TParameter2014 kParameter2015 = Parameter2015();

constexpr TParameter2014 Parameter2015Dezember() {
  TParameter2014 p = Parameter2015();
  p.Tarif = {8472, 13470, 997.60, 1400, 13469, 228.74, 2397, 948.68, 52882, 8261.29, 250731, 15783.19};
  p.W1STKL5 = 9873;
  p.KFB = 7152;
  p.KFB4 = 3576;
  p.EFA = 1908;
  p.WerteBisNovember = &kParameter2015;
  return p;
}

constexpr TParameter2014 kParameter2015Dezember = Parameter2015Dezember();

}  // namespace

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2015(TRechenKontext& k) {
  return std::make_unique<TLStGeneration2014>(k, kParameter2015);
}

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2015Dez(TRechenKontext& k) {
  return std::make_unique<TLStGeneration2014>(k, kParameter2015Dezember);
}

}  // namespace lst
