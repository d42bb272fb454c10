// Wage tax 1997: the tariff of 1996, higher child allowances.

#include "lohnsteuer/lohst1995_2004.h"

namespace lst {

namespace {

constexpr TParameter1995 Parameter1997() {
  TParameter1995 p = ParameterDMJahre(1997, UPTAB96);
  Klasse5(p, kOhneGrenze, 62856, 0.53, 0.259);  // MST5_6, UP5_6
  p.SOLZFREI = 1332;  // MSOLZ
  return p;
}

}  // namespace

constinit const TParameter1995 kParameter1997 = Parameter1997();

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer1997(TLStZustand& k) {
  return std::make_unique<TLStDMJahre>(k, kParameter1997);
}

}  // namespace lst
