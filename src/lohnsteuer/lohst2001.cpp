// Wage tax 2001: the addition of the tax card, a provision-allowance base of
// its own, and taxable incomes placed in the middle of their 54-DM step.

#include "lohnsteuer/lohst1995_2004.h"

namespace lst {

namespace {

constexpr TTarifZweiZonen kTarif01 = {14094, 18090, 14040, 387.89, 1990,
                                      107568, 18036, 142.49, 2300, 857, 0.485, 19299};

constexpr TParameter1995 Parameter2001() {
  TParameter1995 p = ParameterDMJahre(2001, UPTAB01);
  // UPMLST: X in the middle of its 54-DM step, from a taxable income of 54.
  p.ZVEMin = 54;
  p.XZuschlag = 27;
  Klasse5(p, 17442, 53784, 0.485, 0.199);  // MST5_6, UP5_6
  return p;
}

}  // namespace

std::int64_t UPTAB01(double X) { return TarifZweiZonen(kTarif01, X); }

constinit const TParameter1995 kParameter2001 = Parameter2001();

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2001(TLStZustand& k) {
  return std::make_unique<TLStDMJahre>(k, kParameter2001);
}

}  // namespace lst
