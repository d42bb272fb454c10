#pragma once
// The wage-tax programs of the flowcharts 2014 to 2020, one module a version.

#include <memory>

#include "lohnsteuer/programm.h"

namespace lst {

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2014(TRechenKontext& k);
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2015(TRechenKontext& k);
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2015Dez(TRechenKontext& k);
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2016(TRechenKontext& k);
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2017(TRechenKontext& k);
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2018(TRechenKontext& k);
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2019(TRechenKontext& k);
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2020(TRechenKontext& k);

}  // namespace lst
