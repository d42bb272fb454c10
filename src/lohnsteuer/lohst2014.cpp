// Wage tax 2014: the 2013 flow with the tariff of 2014 (basic allowance 8354)
// and the contribution ceilings and rates of 2014.  The employee's health
// rate is the fixed 7.9 % (with the special contribution of 0.9 %); there is
// no additional rate KVZ yet.

#include "lohnsteuer/versionen2014_2020.h"

namespace lst {

const TParameter2021& Parameter2014() {
  static const TParameter2021 p = [] {
    TParameter2021 p{};
    p.Tarif = {8354, 13470, 97458, 13469, 22874, 97100, 52882, 823900, 250731, 1576100};
    p.W1STKL5 = 9763;
    p.W2STKL5 = 26441;
    p.W3STKL5 = 200584;
    p.SOLZFREI = 972;
    p.ANP = 1000;
    p.EFA = 1308;
    p.KFB = 7008;
    p.KFB4 = 3504;
    p.BBGRVWest = 71400;
    p.BBGRVOst = 60000;
    p.TBSVORV = 560000;
    p.RVSATZAN = 94500;
    p.BBGKVPV = 48600;
    p.KVSATZANBasis = 79000;
    p.KVZAnteil = TKVZAnteil::Keiner;
    p.KVSATZAG = 70000;
    p.KVSATZAGPlus = false;
    p.Pflege = {10250, 10250, 15250, 5250, 2500};
    p.PflegeJahr = p.Pflege;
    p.PVAbschlag = 0;
    p.BBGRVALV = 0;
    p.AVSATZAN = 0;
    p.KVZDurchschnitt = 0;
    p.KRVOhneRV = 2;
    p.Vorsorge = TVorsorge::BisZu2025;
    p.MitMBV = false;
    p.MitVMT = true;
    p.Tabellen2058 = false;
    p.HFVBAufrunden = false;
    p.UP56GanzeEuro = false;
    p.MitVKV = true;
    p.SoliGleitsatz = 200;
    p.SoliFreigrenzeSonstige = false;
    p.MitDBA = false;
    p.FVBHoechstensVersorgung = false;
    p.Vorher = nullptr;
    return p;
  }();
  return p;
}

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2014(TRechenKontext& k) {
  return std::make_unique<TLStGeneration2021>(k, Parameter2014());
}

}  // namespace lst
