#include "calc/kontext.h"

#include "lohnsteuer/programm.h"

namespace lst {

TRechenKontext::TRechenKontext() = default;
TRechenKontext::~TRechenKontext() = default;

TLohnsteuerProgramm* TRechenKontext::Programm(int jahr) {
  if (jahr < kErstesJahr || jahr > kLetztesJahr) return nullptr;
  auto& p = programme_[jahr - kErstesJahr];
  if (!p) p = ErzeugeLohnsteuerProgramm(jahr, *this);
  return p.get();
}

std::int64_t InCent(const TRechenKontext& k, double betrag) {
  if (k.EuroAnzeige && k.LStJahr < 2002) {
    betrag *= k.DMFaktor;
  } else if (!k.EuroAnzeige && k.LStJahr > 2001) {
    betrag /= k.DMFaktor;
  }
  return Runden(betrag * 100);
}

double AusCent(TRechenKontext& k, std::int64_t cent) {
  double betrag = static_cast<double>(cent);
  if (k.EuroAnzeige && k.LStJahr < 2002) {
    betrag /= k.DMFaktor;
  } else if (!k.EuroAnzeige && k.LStJahr > 2001) {
    betrag *= k.DMFaktor;
  }
  k.Waehrung = k.EuroAnzeige ? "EUR" : "DM";
  return betrag / 100;
}

}  // namespace lst
