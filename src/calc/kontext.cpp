#include "calc/kontext.h"

#include "calc/jahresregeln.h"
#include "lohnsteuer/programm.h"

namespace lst {

TRechenKontext::TRechenKontext() = default;
TRechenKontext::~TRechenKontext() = default;

int TRechenKontext::VersionFuer(int jahr) const {
  if (LStVersion >= 0 && LStVersion < kAnzahlLStVersionen && kLStVersionen[LStVersion].Jahr == jahr) {
    return LStVersion;
  }
  return LStVersionFuerMonat(jahr, LStMonat < 1 ? 1 : LStMonat > 12 ? 12 : LStMonat);
}

TLohnsteuerProgramm* TRechenKontext::Programm(int jahr) {
  if (jahr < kErstesJahr || jahr > kLetztesLStJahr) return nullptr;
  if (jahr <= kLetztesJahr) return ProgrammVersion(jahr - kErstesJahr + kVersionJahr1995);
  return ProgrammVersion(VersionFuer(jahr));
}


std::int64_t InCent(const TRechenKontext& k, double betrag) {
  if (k.EuroAnzeige && DMJahr(k.LStJahr)) {
    betrag *= k.DMFaktor;
  } else if (!k.EuroAnzeige && !DMJahr(k.LStJahr)) {
    betrag /= k.DMFaktor;
  }
  return Runden(betrag * 100);
}

double AusCent(TRechenKontext& k, std::int64_t cent) {
  double betrag = static_cast<double>(cent);
  if (k.EuroAnzeige && DMJahr(k.LStJahr)) {
    betrag /= k.DMFaktor;
  } else if (!k.EuroAnzeige && !DMJahr(k.LStJahr)) {
    betrag *= k.DMFaktor;
  }
  k.Waehrung = k.EuroAnzeige ? "EUR" : "DM";
  return betrag / 100;
}

}  // namespace lst
