// Wage tax 2021: the solidarity surcharge only above a yearly tax of 16956
// euro (33912 in class III), with its own step for other payments and
// remuneration for several years.

#include "lohnsteuer/lohst2021_2026.h"
#include "lohnsteuer/versionen2014_2020.h"

namespace lst {

const TParameter2013& Parameter2021() {
  static const TParameter2013 p = [] {
    TParameter2013 p = Parameter2020();
    p.Tarif = {9744, 14754, 99521, 14753, 20885, 95096, 57919, 913663, 274613, 1737499};
    p.W1STKL5 = 11237;
    p.W2STKL5 = 28959;
    p.W3STKL5 = 219690;
    p.SOLZFREI = 16956;
    p.SoliGleitsatz = 119;
    p.SoliFreigrenzeSonstige = true;
    p.KFB = 8388;
    p.KFB4 = 4194;
    p.BBGRVWest = 85200;
    p.BBGRVOst = 80400;
    p.TBSVORV = 840000;
    p.BBGKVPV = 58050;
    // 0.0065 + 0.07 summed in binary floating point by the flowchart.
    p.KVSATZAG = 76500;
    p.KVSATZAGPlus = true;
    p.KVZDurchschnitt = 130;
    return p;
  }();
  return p;
}

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2021(TLStZustand& k) {
  return std::make_unique<TLStGeneration2013>(k, Parameter2021());
}

}  // namespace lst
