// Wage tax 2003: the program of 2002 with the fixed surcharge rate of the year.

#include "lohnsteuer/lohst1995_2004.h"

namespace lst {

namespace {

constexpr TParameter1995 Parameter2003() {
  TParameter1995 p = ParameterEuroJahre(2003, UPTAB02);
  p.SoliAusEinstellungen = false;  // MSOLZ, MSONST, MVMT: the rate of the year
  return p;
}

}  // namespace

constinit const TParameter1995 kParameter2003 = Parameter2003();

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2003(TLStZustand& k) {
  return std::make_unique<TLStGeneration1995>(k, kParameter2003);
}

}  // namespace lst
