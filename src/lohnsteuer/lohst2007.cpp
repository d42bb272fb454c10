// Wage tax 2007: the 45 % zone from 250001 (classes V and VI above
// W3STKL5 = 200000), the old-law provision amount cut to whole Euro, no
// negative tax on other payments, and MVMT without negative capital payments.

#include "lohnsteuer/generation2005.h"

namespace lst {

namespace {

constexpr TParameter2005 Parameter2007() {
  TParameter2005 p{};
  Werte2005(p);
  Reichensteuer2007(p);
  p.KlasseVIMitFVBZ = true;
  p.Vorsorge = {63000, 0.28, 0.0995, false};
  p.MitVersorgungstabellen = true;
  p.JederLaufMitMZTABFB = true;
  p.ZVBEZOhneVersorgungNull = true;
  p.STSNichtNegativ = true;
  p.VKAPABereinigt = true;
  return p;
}

constexpr TParameter2005 kParameter = Parameter2007();

}  // namespace

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2007(TLStZustand& k) {
  return std::make_unique<TLStGeneration2005>(k, kParameter);
}

}  // namespace lst
