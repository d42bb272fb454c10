// Wage tax 2014: the 2013 flow with the tariff of 2014 (basic allowance 8354)
// and the contribution ceilings and rates of 2014.  The employee's health
// rate is the fixed 7.9 % (with the special contribution of 0.9 %); there is
// no additional rate KVZ yet.

#include "lohnsteuer/lohst2013.h"
#include "lohnsteuer/versionen2014_2020.h"

namespace lst {

const TParameter2013& Parameter2014() {
  static const TParameter2013 p = [] {
    TParameter2013 p = Parameter2013(8130);
    p.Tarif = {8354, 13470, 97458, 13469, 22874, 97100, 52882, 823900, 250731, 1576100};
    p.W1STKL5 = 9763;
    p.BBGRVWest = 71400;
    p.BBGRVOst = 60000;
    p.TBSVORV = 560000;
    p.BBGKVPV = 48600;
    // A table row with PKV 2 carries no contributions of its own.
    p.TabellePKV2Gesetzlich = false;
    return p;
  }();
  return p;
}

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2014(TLStZustand& k) {
  return std::make_unique<TLStGeneration2013>(k, Parameter2014());
}

}  // namespace lst
