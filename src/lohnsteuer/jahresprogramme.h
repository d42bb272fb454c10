#pragma once
// The wage-tax programs of 2005 to 2012, one module a year (2010 to 2012 on
// the whole-number generation: versionen2010_2012.h).

#include <memory>

#include "lohnsteuer/programm.h"

namespace lst {

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2005(TLStZustand& k);
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2006(TLStZustand& k);
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2007(TLStZustand& k);
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2008(TLStZustand& k);
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2009(TLStZustand& k);
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2010(TLStZustand& k);
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2011(TLStZustand& k);
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2012(TLStZustand& k);

}  // namespace lst
