// Wage tax 1999: a tariff with three progression zones.

#include "geld/geld.h"
#include "lohnsteuer/lohst1995_2004.h"

namespace lst {

std::int64_t UPTAB99(double X) {
  if (X < 13068) return 0;
  if (X < 17064) return Abschneiden(ErsteZone(X, 13014, 350.35, 2390));
  if (X < 66366) return Abschneiden(WeitereZone(X, 17010, 101.31, 2670, 1011));
  if (X < 120042) {
    const double Y = (X - 66312) / 10000;
    double RW = AbschneidenStellen(3, AbschneidenStellen(3, Y * 151.93) + 3669);
    RW = AbschneidenStellen(3, RW * Y);
    return Abschneiden(RW + 16637);
  }
  return Abschneiden(X * 0.53 - 22886);
}

namespace {

constexpr TParameter1995 Parameter1999() {
  TParameter1995 p = ParameterDMJahre(1999, UPTAB99);
  Klasse5(p, kOhneGrenze, 64476, 0.53, 0.239);  // MST5_6, UP5_6
  return p;
}

}  // namespace

constinit const TParameter1995 kParameter1999 = Parameter1999();

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer1999(TLStZustand& k) {
  return std::make_unique<TLStDMJahre>(k, kParameter1999);
}

}  // namespace lst
