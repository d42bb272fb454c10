#pragma once
// The wage-tax programs of the flowcharts 2021 to 2026, one module a version
// (lohst2021.cpp ... lohst2026.cpp, all of the generation in generation2013.h).

#include <memory>

#include "lohnsteuer/programm.h"

namespace lst {

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2021(TRechenKontext& k);
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2022Jan(TRechenKontext& k);
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2022(TRechenKontext& k);
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2023Jan(TRechenKontext& k);
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2023(TRechenKontext& k);
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2023Juli(TRechenKontext& k);
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2024(TRechenKontext& k);
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2024Dez(TRechenKontext& k);
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2025Jan(TRechenKontext& k);
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2025(TRechenKontext& k);
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2026(TRechenKontext& k);

}  // namespace lst
