// The wage-tax program of each tax year.

#include "lohnsteuer/lohst1995_2004.h"
#include "lohnsteuer/jahresprogramme.h"
#include "lohnsteuer/lohst2013.h"
#include "lohnsteuer/programm.h"
#include "lohnsteuer/versionen.h"
#include "lohnsteuer/versionen2014_2020.h"
#include "lohnsteuer/versionen2021_2026.h"

namespace lst {

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuerProgramm(int jahr, TLStZustand& k) {
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

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuerVersion(int version, TLStZustand& k) {
  if (version < 0 || version >= kAnzahlLStVersionen) return nullptr;
  const TLStVersion& v = kLStVersionen[version];
  if (v.Jahr <= 2013) return ErzeugeLohnsteuerProgramm(v.Jahr, k);
  using TFabrik = std::unique_ptr<TLohnsteuerProgramm> (*)(TLStZustand&);
  struct TEintrag {
    const char* Schluessel;
    TFabrik Fabrik;
  };
  static constexpr TEintrag kFabriken[] = {
      {"2014", ErzeugeLohnsteuer2014},         {"2015", ErzeugeLohnsteuer2015},
      {"2015dez", ErzeugeLohnsteuer2015Dez},   {"2016", ErzeugeLohnsteuer2016},
      {"2017", ErzeugeLohnsteuer2017},         {"2018", ErzeugeLohnsteuer2018},
      {"2019", ErzeugeLohnsteuer2019},         {"2020", ErzeugeLohnsteuer2020},
      {"2021", ErzeugeLohnsteuer2021},         {"2022jan", ErzeugeLohnsteuer2022Jan},
      {"2022", ErzeugeLohnsteuer2022},         {"2023jan", ErzeugeLohnsteuer2023Jan},
      {"2023", ErzeugeLohnsteuer2023},         {"2023juli", ErzeugeLohnsteuer2023Juli},
      {"2024", ErzeugeLohnsteuer2024},         {"2024dez", ErzeugeLohnsteuer2024Dez},
      {"2025jan", ErzeugeLohnsteuer2025Jan},   {"2025", ErzeugeLohnsteuer2025},
      {"2026", ErzeugeLohnsteuer2026},
  };
  for (const TEintrag& e : kFabriken) {
    if (std::string_view(e.Schluessel) == v.Schluessel) return e.Fabrik(k);
  }
  return nullptr;
}

}  // namespace lst
