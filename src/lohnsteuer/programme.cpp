// The wage-tax program of each tax year.

#include "lohnsteuer/lohst1995_2004.h"
#include "lohnsteuer/jahresprogramme.h"
#include "lohnsteuer/lohst2013.h"
#include "lohnsteuer/programm.h"

namespace lst {

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuerProgramm(int jahr, TRechenKontext& k) {
  auto dm = [&](const TParameter1995& p) { return std::make_unique<TLStDMJahre>(k, p); };
  auto alt = [&](const TParameter1995& p) { return std::make_unique<TLStGeneration1995>(k, p); };
  switch (jahr) {
    case 1995: return std::make_unique<TLohnsteuer1995>(k);
    case 1996: return dm(kParameter1996);
    case 1997: return dm(kParameter1997);
    case 1998: return dm(kParameter1998);
    case 1999: return dm(kParameter1999);
    case 2000: return dm(kParameter2000);
    case 2001: return dm(kParameter2001);
    case 2002: return alt(kParameter2002);
    case 2003: return alt(kParameter2003);
    case 2004: return alt(kParameter2004);
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
