// Wage tax 1998.

#include "lohnsteuer/lohst1995_2004.h"

namespace lst {

namespace {

constexpr TTarifZweiZonen kTarif98 = {12336, 58644, 12312, 91.19, 2590,
                                      120042, 58590, 151.96, 3434, 13938, 0.53, 22843};

constexpr TParameter1995 Parameter1998() {
  TParameter1995 p = ParameterDMJahre(1998, UPTAB98);
  Klasse5(p, kOhneGrenze, 63342, 0.53, 0.259);  // MST5_6, UP5_6
  return p;
}

}  // namespace

std::int64_t UPTAB98(double X) { return TarifZweiZonen(kTarif98, X); }

constinit const TParameter1995 kParameter1998 = Parameter1998();

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer1998(TLStZustand& k) {
  return std::make_unique<TLStDMJahre>(k, kParameter1998);
}

}  // namespace lst
