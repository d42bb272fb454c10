// Wage tax 2010: the first flowchart with the provision allowance of the
// health and care contributions (pension part, 12 % lump sum up to 1900,
// class III 3000, or the health-and-care part, whichever is higher).  No
// deductible private contributions are reported (no UPVKV), and the
// compensations JRE4ENT and SONSTENT are not read.

#include "lohnsteuer/versionen2010_2012.h"

namespace lst {

const TParameter2013& Parameter2010() {
  static const TParameter2013 p = [] {
    TParameter2013 p{};
    p.Tarif = {8004, 13470, 91217, 13469, 22874, 103800, 52882, 817200, 250731, 1569400};
    p.W1STKL5 = 9429;
    p.W2STKL5 = 26441;
    p.W3STKL5 = 200584;
    p.SOLZFREI = 972;
    p.ANP = 920;
    p.EFA = 1308;
    p.KFB = 7008;
    p.KFB4 = 3504;
    p.BBGRVWest = 66000;
    p.BBGRVOst = 55800;
    p.TBSVORV = 400000;
    p.RVSATZAN = 99500;
    p.BBGKVPV = 45000;
    p.KVSATZANBasis = 76000;
    p.KVZAnteil = TKVZAnteil::Keiner;
    p.KVSATZAG = 67000;
    p.KVSATZAGPlus = false;
    p.Pflege = {9750, 9750, 14750, 4750, 2500};
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
    p.MitVKV = false;
    p.SoliGleitsatz = 200;
    p.SoliFreigrenzeSonstige = false;
    p.MitDBA = false;
    p.FVBHoechstensVersorgung = false;
    p.MitEntschaedigung = false;
    p.TabellePKV2Gesetzlich = true;
    p.Vorher = nullptr;
    return p;
  }();
  return p;
}

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2010(TLStZustand& k) {
  return std::make_unique<TLStGeneration2013>(k, Parameter2010());
}

}  // namespace lst
