#include "lohnsteuer/werk.h"

namespace lst {

TFlussplanWerk::TFlussplanWerk() = default;
TFlussplanWerk::~TFlussplanWerk() = default;

TLohnsteuerProgramm* TFlussplanWerk::ProgrammVersion(int version) {
  if (version < 0 || version >= kAnzahlLStVersionen) return nullptr;
  auto& p = programme_[version];
  if (!p && !versucht_[version]) {
    p = ErzeugeLohnsteuerVersion(version, *this);
    versucht_[version] = true;
  }
  return p.get();
}

TLohnsteuerProgramm* TFlussplanWerk::ProgrammFuerMonat(int jahr, int monat) {
  return ProgrammVersion(LStVersionFuerMonat(jahr, monat < 1 ? 1 : monat > 12 ? 12 : monat));
}

}  // namespace lst
