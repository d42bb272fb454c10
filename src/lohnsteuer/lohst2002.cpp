// Wage tax 2002: the first Euro year, 36-Euro steps, other payments and
// multi-year pay.

#include "lohnsteuer/lohst1995_2004.h"

namespace lst {

namespace {

constexpr TTarifZweiZonen kTarif02 = {7236, 9252, 7200, 768.85, 1990,
                                      55008, 9216, 278.65, 2300, 432, 0.485, 9872};

}  // namespace

std::int64_t UPTAB02(double X) { return TarifZweiZonen(kTarif02, X); }

constinit const TParameter1995 kParameter2002 = ParameterEuroJahre(2002, UPTAB02);

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2002(TLStZustand& k) {
  return std::make_unique<TLStGeneration1995>(k, kParameter2002);
}

}  // namespace lst
