// Wage tax 2026: the provision allowance with the unemployment part (ALV)
// and the employer's subsidy to private insurance (PKPVAGZ); no deductible
// private contributions as outputs.

#include "lohnsteuer/lohst2021_2026.h"

namespace lst {

const TParameter2013& Parameter2026() {
  static const TParameter2013 p = [] {
    TParameter2013 p = Parameter2025();
    p.Tarif = {12348, 17800, 91451, 17799, 17310, 103487, 69879, 1113563, 277826, 1947038};
    p.W1STKL5 = 14071;
    p.W2STKL5 = 34939;
    p.SOLZFREI = 20350;
    p.KFB = 9756;
    p.KFB4 = 4878;
    p.Vorsorge = TVorsorge::Ab2026;
    // One pension ceiling, for the pension and the unemployment part.
    p.BBGRVWest = p.BBGRVOst = 101400;
    p.BBGRVALV = p.BBGRVWest;
    p.AVSATZAN = 13000;
    p.BBGKVPV = 69750;
    p.Pflege.AG = p.Pflege.AGSachsen = 0;
    p.PflegeJahr = p.Pflege;
    p.KVSATZAG = 0;
    p.UP56GanzeEuro = true;
    p.MitVKV = false;
    p.KVZDurchschnitt = 290;
    return p;
  }();
  return p;
}

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2026(TLStZustand& k) {
  return std::make_unique<TLStGeneration2013>(k, Parameter2026());
}

}  // namespace lst
