// Wage tax 2000: classes V and VI with a lower threshold W1STKL5.

#include "lohnsteuer/lohst1995_2004.h"

namespace lst {

namespace {

constexpr TTarifZweiZonen kTarif00 = {13500, 17496, 13446, 262.76, 2290,
                                      114696, 17442, 133.74, 2500, 957, 0.51, 20575};

}  // namespace

std::int64_t UPTAB00(double X) { return TarifZweiZonen(kTarif00, X); }

constinit const TParameter1995 kParameter2000 = ParameterDMJahre(2000, UPTAB00);

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2000(TLStZustand& k) {
  return std::make_unique<TLStDMJahre>(k, kParameter2000);
}

}  // namespace lst
