// Placeholders: the versions 2014 to 2020 without a program yet.

#include "lohnsteuer/versionen2014_2020.h"

namespace lst {

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2014(TRechenKontext&) { return nullptr; }
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2015(TRechenKontext&) { return nullptr; }
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2015Dez(TRechenKontext&) { return nullptr; }
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2016(TRechenKontext&) { return nullptr; }
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2017(TRechenKontext&) { return nullptr; }
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2018(TRechenKontext&) { return nullptr; }
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2019(TRechenKontext&) { return nullptr; }
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2020(TRechenKontext&) { return nullptr; }

}  // namespace lst
