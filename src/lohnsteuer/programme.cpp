// The wage-tax program of each tax year.

#include "lohnsteuer/jahresprogramme.h"
#include "lohnsteuer/lohst2013.h"
#include "lohnsteuer/programm.h"

namespace lst {

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuerProgramm(int jahr, TRechenKontext& k) {
  switch (jahr) {
    case 2005: return ErzeugeLohnsteuer2005(k);
    case 2006: return ErzeugeLohnsteuer2006(k);
    case 2007: return ErzeugeLohnsteuer2007(k);
    case 2008: return ErzeugeLohnsteuer2008(k);
    case 2009: return ErzeugeLohnsteuer2009(k);
    case 2010: return ErzeugeLohnsteuer2010(k);
    case 2011: return ErzeugeLohnsteuer2011(k);
    case 2012: return ErzeugeLohnsteuer2012(k);
    case 2013: return std::make_unique<TLohnsteuer2013>(k);
    default: return nullptr;
  }
}

}  // namespace lst
