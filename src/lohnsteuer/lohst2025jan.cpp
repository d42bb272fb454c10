// Wage tax 2025, first flowchart (November 2024), still with the December
// 2024 allowances: one pension ceiling (KRV 1: not insured), no remuneration
// for several years, pension tables to 2058.

#include "lohnsteuer/lohst2021_2026.h"

namespace lst {

const TParameter2013& Parameter2025jan() {
  static const TParameter2013 p = [] {
    TParameter2013 p = Parameter2024dez();
    p.BBGRVWest = 96600;
    p.BBGRVOst = 96600;
    p.KRVOhneRV = 1;
    p.BBGKVPV = 66150;
    p.KVSATZAG = 82500;
    p.Pflege = {18000, 18000, 23000, 13000, 6000};
    p.PflegeJahr = p.Pflege;
    p.MitVMT = false;
    p.Tabellen2058 = true;
    p.HFVBAufrunden = true;
    p.Vorher = nullptr;
    p.KVZDurchschnitt = 250;
    return p;
  }();
  return p;
}

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2025Jan(TLStZustand& k) {
  return std::make_unique<TLStGeneration2013>(k, Parameter2025jan());
}

}  // namespace lst
