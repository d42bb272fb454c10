#pragma once
// The wage-tax programs of the flowcharts 2021 to 2026, one module a version
// (lohst2021.cpp ... lohst2026.cpp, all of the generation in generation2013.h).

#include <memory>

#include "lohnsteuer/programm.h"

namespace lst {

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2021(TLStZustand& k);
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2022Jan(TLStZustand& k);
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2022(TLStZustand& k);
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2023Jan(TLStZustand& k);
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2023(TLStZustand& k);
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2023Juli(TLStZustand& k);
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2024(TLStZustand& k);
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2024Dez(TLStZustand& k);
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2025Jan(TLStZustand& k);
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2025(TLStZustand& k);
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2026(TLStZustand& k);

}  // namespace lst
