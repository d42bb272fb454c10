// Wage tax 2009: the yearly flow of 2010 (pension allowance, other payments
// and the one-fifth rule of MVMT as from 2010) with the provision allowance
// of 2005 to 2009 and the employee part of ANP rounded up.

#include "lohnsteuer/generation2008.h"

namespace lst {

namespace {

constexpr TParameter2008 Parameter2009() {
  TParameter2008 p{};
  Werte2005(p);
  p.Tarif = {7834, 13140, 939.68, 1400, 13139, 228.74, 2397, 1007, 52552, 8064, 250401, 15576};
  p.W1STKL5 = 9225;
  p.W2STKL5 = 26276;
  p.W3STKL5 = 200320;
  p.MindestsatzSTKL5 = 0.14;
  p.KFB = 6024;
  p.KFB4 = 3012;
  p.ArbeitnehmerteilAufrunden = true;
  p.Vorsorge = {64800, 0.36, 0.0995, false};
  return p;
}

constexpr TParameter2008 kParameter = Parameter2009();

}  // namespace

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2009(TLStZustand& k) {
  return std::make_unique<TLStGeneration2008>(k, kParameter);
}

}  // namespace lst
