// Wage tax 2006: the pension allowance and the age relief by the rows of
// VJAHR and AJAHR, pension capital payments (VKAPA) in MVMT.

#include "lohnsteuer/generation2005.h"

namespace lst {

namespace {

constexpr TParameter2005 Parameter2006() {
  TParameter2005 p{};
  Werte2005(p);
  p.KlasseVIMitFVBZ = true;
  p.Vorsorge = {63000, 0.24, 0.0975, true};
  p.MitVersorgungstabellen = true;
  p.JederLaufMitMZTABFB = true;
  p.SoliAusEinstellungen = true;
  return p;
}

constexpr TParameter2005 kParameter = Parameter2006();

}  // namespace

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2006(TLStZustand& k) {
  return std::make_unique<TLStGeneration2005>(k, kParameter);
}

}  // namespace lst
