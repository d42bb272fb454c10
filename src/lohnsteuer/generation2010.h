#pragma once
// The wage-tax flowchart of the years 2010 to 2013: the provision allowance
// of the pension, health and care contributions, with private health
// insurance and the factor method.  The flow is one; a year brings its
// parameters and says which of the later steps it has.

#include <cstdint>

#include "lohnsteuer/jahresablauf.h"

namespace lst {

struct TParameter2010 : TParameterJahresablauf {
  double BBGRVWest, BBGRVOst;     // pension ceilings for KRV 0 and 1
  double TBSVORV;                 // share of the pension contribution
  double RVSatzAN;                // employee pension rate
  double BBGKVPV;
  double KVSATZAN, KVSATZAG;
  double PVSATZAN, PVSATZAG;      // general
  double PVSATZANSachsen, PVSATZAGSachsen;
};

// What 2010 to 2013 share (with the tariff of 2010 to 2012 and of the first
// 2013 flowchart); a year's set starts from it.
constexpr TParameter2010 Grundwerte2010() {
  TParameter2010 p{};
  p.Tarif = {8004, 13470, 912.17, 1400, 13469, 228.74, 2397, 1038, 52882, 8172, 250731, 15694};
  p.W1STKL5 = 9429;
  p.W2STKL5 = 26441;
  p.W3STKL5 = 200584;
  p.MindestsatzSTKL5 = 0.14;
  p.SAP = p.SAP3 = p.SAP5 = 36;
  p.KFB = 7008;
  p.KFB4 = 3504;
  p.VersorgungsteilAufrunden = true;
  p.ArbeitnehmerteilAufrunden = true;
  p.KlasseVIMitFVBZ = false;
  p.AlteRegelnBis2009 = false;
  p.PVSATZAN = 0.00975;
  p.PVSATZAG = 0.00975;
  p.PVSATZANSachsen = 0.01475;
  p.PVSATZAGSachsen = 0.00475;
  return p;
}

class TLStGeneration2010 : public TLStJahresablauf {
 public:
  using TLStJahresablauf::TLStJahresablauf;

 protected:
  // The parameters in force for the next run (2013 chooses by the basic allowance).
  virtual const TParameter2010& Parameter() const = 0;

  void ParameterWaehlen() override;
  void Zuruecksetzen() override;
  void TabellenArgumente(const TTabellenArgumente& a) override;
  void VorKinderlauf() override { MRE4ABZ(); }
  void UPVKVLZZ() override;
  double Faktor() const override { return v_.f; }
  void UPEVP() override;
  void UPVKV() override;

 private:
  void MVSP();

  const TParameter2010* p_ = nullptr;

  double VSP1 = 0, VSP2 = 0, VSP3 = 0, VSPN = 0;
  double KVSATZAN = 0, KVSATZAG = 0, PVSATZAN = 0, PVSATZAG = 0;
  std::int64_t VHB = 0;
};

// A year of the generation with one parameter set.
class TLStJahr2010 : public TLStGeneration2010 {
 public:
  TLStJahr2010(TRechenKontext& k, const TParameter2010& p) : TLStGeneration2010(k), fest_(p) {}

 protected:
  const TParameter2010& Parameter() const override { return fest_; }

 private:
  const TParameter2010& fest_;
};

}  // namespace lst
