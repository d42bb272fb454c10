// Wage tax 2013.
//
// Two flowcharts were published for 2013: the first (19 November 2012) still
// taxed with the basic allowance 8004 and the 2012 tariff, the amended one
// (20 February 2013) with the basic allowance 8130 and a new tariff.  The
// basic-allowance setting of the context selects the whole parameter set.
// The first starts from 2012; the employee's health rate is the fixed 7.9 %
// (with the special contribution of 0.9 %).

#include "lohnsteuer/lohst2013.h"

#include "lohnsteuer/versionen2010_2012.h"

namespace lst {

namespace {

const TParameter2013& Parameter2013Gfb8004() {
  static const TParameter2013 p = [] {
    TParameter2013 p = Parameter2012();
    p.BBGRVWest = 69600;
    p.BBGRVOst = 58800;
    p.TBSVORV = 520000;
    p.RVSATZAN = 94500;
    p.BBGKVPV = 47250;
    p.Pflege = {10250, 10250, 15250, 5250, 2500};
    p.PflegeJahr = p.Pflege;
    return p;
  }();
  return p;
}

const TParameter2013& Parameter2013Gfb8130() {
  static const TParameter2013 p = [] {
    TParameter2013 p = Parameter2013Gfb8004();
    p.Tarif = {8130, 13470, 93370, 13469, 22874, 101400, 52882, 819600, 250731, 1571800};
    p.W1STKL5 = 9550;
    return p;
  }();
  return p;
}

}  // namespace

const TParameter2013& Parameter2013(std::int64_t gfb) {
  return gfb == 8130 ? Parameter2013Gfb8130() : Parameter2013Gfb8004();
}

TLohnsteuer2013::TLohnsteuer2013(TLStZustand& k) : TLStGeneration2013(k, Parameter2013Gfb8004()) {}

const TParameter2013& TLohnsteuer2013::Satz() const {
  return Parameter2013(k_.GFB);
}

void TLohnsteuer2013::Lohnsteuer() {
  SatzWaehlen(Satz());
  TLStGeneration2013::Lohnsteuer();
}

std::int64_t TLohnsteuer2013::Einkommensteuer(std::uint8_t stkl, std::uint8_t kztab, std::int64_t zve) {
  SatzWaehlen(Satz());
  return TLStGeneration2013::Einkommensteuer(stkl, kztab, zve);
}

void TLohnsteuer2013::Zuschlaege(std::uint8_t kztab, std::int64_t steuer) {
  SatzWaehlen(Satz());
  TLStGeneration2013::Zuschlaege(kztab, steuer);
}

std::int64_t TLohnsteuer2013::Tabelle(TTabellenArgumente& a) {
  SatzWaehlen(Satz());
  return TLStGeneration2013::Tabelle(a);
}

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2013(TLStZustand& k) {
  return std::make_unique<TLohnsteuer2013>(k);
}

}  // namespace lst
