// Placeholders: the versions 2021 to 2026 without a program yet.

#include "lohnsteuer/versionen2021_2026.h"

namespace lst {

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2021(TRechenKontext&) { return nullptr; }
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2022Jan(TRechenKontext&) { return nullptr; }
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2022(TRechenKontext&) { return nullptr; }
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2023Jan(TRechenKontext&) { return nullptr; }
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2023(TRechenKontext&) { return nullptr; }
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2023Juli(TRechenKontext&) { return nullptr; }
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2024(TRechenKontext&) { return nullptr; }
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2024Dez(TRechenKontext&) { return nullptr; }
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2025Jan(TRechenKontext&) { return nullptr; }
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2025(TRechenKontext&) { return nullptr; }
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2026(TRechenKontext&) { return nullptr; }

}  // namespace lst
