// Wage tax 1996.

#include "lohnsteuer/lohst1995_2004.h"

namespace lst {

namespace {

constexpr TTarifZweiZonen kTarif96 = {12096, 55674, 12042, 86.63, 2590,
                                      120042, 55674, 151.91, 3346, 12949, 0.53, 22842};

constexpr TParameter1995 Parameter1996() {
  TParameter1995 p = ParameterDMJahre(1996, UPTAB96);
  p.KFB = 6264;  // MZTABFB
  p.KFB4 = 3132;
  Klasse5(p, kOhneGrenze, 62856, 0.53, 0.259);  // MST5_6, UP5_6
  p.SOLZFREI = 1332;  // MSOLZ
  return p;
}

}  // namespace

std::int64_t UPTAB96(double X) { return TarifZweiZonen(kTarif96, X); }

constinit const TParameter1995 kParameter1996 = Parameter1996();

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer1996(TLStZustand& k) {
  return std::make_unique<TLStDMJahre>(k, kParameter1996);
}

}  // namespace lst
