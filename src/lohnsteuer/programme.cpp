// The wage-tax program of each tax year.

#include "lohnsteuer/lohst2013.h"
#include "lohnsteuer/programm.h"

namespace lst {

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuerProgramm(int jahr, TRechenKontext& k) {
  switch (jahr) {
    case 2013: return std::make_unique<TLohnsteuer2013>(k);
    default: return nullptr;
  }
}

}  // namespace lst
