#pragma once
// The wage-tax programs of the flowchart versions from 2021.

#include <memory>

#include "lohnsteuer/programm.h"

namespace lst {

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2021(TRechenKontext& k);
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2022jan(TRechenKontext& k);
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2022(TRechenKontext& k);
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2023jan(TRechenKontext& k);
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2023(TRechenKontext& k);
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2023juli(TRechenKontext& k);
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2024(TRechenKontext& k);
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2024dez(TRechenKontext& k);
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2025jan(TRechenKontext& k);
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2025(TRechenKontext& k);
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2026(TRechenKontext& k);

}  // namespace lst
