// The wage-tax program of each flowchart version.

#include <array>

#include "lohnsteuer/programm.h"
#include "lohnsteuer/versionen.h"

namespace lst {

namespace {

using TFabrik = std::unique_ptr<TLohnsteuerProgramm> (*)(TLStZustand&);

// The factories in the order of the rows, so at the version's number.
constexpr TFabrik kFabriken[] = {
#define LST_VERSION(fabrik, ...) &fabrik,
#include "lohnsteuer/versionen.inc"
#undef LST_VERSION
};
static_assert(std::size(kFabriken) == kLStVersionen.size());

}  // namespace

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuerVersion(int version, TLStZustand& k) {
  if (version < 0 || version >= kAnzahlLStVersionen) return nullptr;
  return kFabriken[version](k);
}

double DurchschnittlicherZusatzbeitrag(int jahr, int monat) {
  // The programs' sets never change while the program runs: asked once.
  static const auto kSaetze = [] {
    std::array<double, kAnzahlLStVersionen> t{};
    TLStZustand z;
    for (int v = 0; v < kAnzahlLStVersionen; ++v) {
      if (const auto p = ErzeugeLohnsteuerVersion(v, z)) t[v] = p->DurchschnittlicherZusatzbeitrag();
    }
    return t;
  }();
  const int version = LStVersionFuerMonat(jahr, monat < 1 ? 1 : monat > 12 ? 12 : monat);
  return version < 0 ? 0 : kSaetze[version];
}

}  // namespace lst
