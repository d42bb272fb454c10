// Wage tax 2013.
//
// Two flowcharts were published for 2013: the first (19 November 2012) still
// taxed with the basic allowance 8004 and the 2012 tariff, the amended one
// (20 February 2013) with the basic allowance 8130 and a new tariff.  The
// basic-allowance setting of the context selects the whole parameter set.

#include "lohnsteuer/lohst2013.h"

namespace lst {

namespace {

// Parameters shared by both 2013 flowcharts.
constexpr TParameter2010 Basis2013() {
  TParameter2010 p = Grundwerte2010();
  p.ANP = 1000;
  p.BBGRVWest = 69600;
  p.BBGRVOst = 58800;
  p.TBSVORV = 0.52;
  p.RVSatzAN = 0.0945;
  p.BBGKVPV = 47250;
  p.KVSATZAN = 0.079;
  p.KVSATZAG = 0.07;
  p.PVSATZAN = 0.01025;
  p.PVSATZAG = 0.01025;
  p.PVSATZANSachsen = 0.01525;
  p.PVSATZAGSachsen = 0.00525;
  p.MitVKV = true;
  p.MitEntschaedigung = true;
  return p;
}

constexpr TParameter2010 Parameter2013Gfb8130() {
  TParameter2010 p = Basis2013();
  p.Tarif = {8130, 13470, 933.70, 1400, 13469, 228.74, 2397, 1014, 52882, 8196, 250731, 15718};
  p.W1STKL5 = 9550;
  return p;
}

constexpr TParameter2010 kGfb8004 = Basis2013();
constexpr TParameter2010 kGfb8130 = Parameter2013Gfb8130();

}  // namespace

const TParameter2010& TLohnsteuer2013::Parameter() const {
  return k_.GFB == 8130 ? kGfb8130 : kGfb8004;
}

}  // namespace lst
