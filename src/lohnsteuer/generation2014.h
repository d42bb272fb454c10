#pragma once
// The wage-tax flowcharts from 2014: the yearly flow of 2010 to 2013 with its
// parameters gathered in MPARA (pension and health ceilings, contribution
// rates with the fund's additional rate KVZ from 2015), the double-taxation
// outputs from 2016 and, for a December flowchart (2015dez), the run under
// the old and the new allowances with the December share MLST1215.
//
// The health and care part of the provision allowance is computed in whole
// millionths of the rates and cents of the wage, as the flowchart's decimal
// arithmetic does.

#include <cstdint>

#include "lohnsteuer/jahresablauf.h"

namespace lst {

struct TParameter2014 : TParameterJahresablauf {
  // MPARA: pension ceilings (KRV 0 and 1), share of the pension contribution
  // (TBSVORV) and employee pension rate.
  double BBGRVWest, BBGRVOst;
  double TBSVORV, RVSATZAN;
  double BBGKVPV;
  // Rates in millionths: health (employee and employer, without the
  // additional rate), care (employee and employer; Saxony) and the surcharge
  // of the childless.
  std::int64_t KVSATZAN, KVSATZAG;
  std::int64_t PVSATZAN, PVSATZAG, PVSATZANSachsen, PVSATZAGSachsen;
  std::int64_t PVZuschlag = 2500;
  // The share of the additional rate KVZ the employee bears in KVSATZAN:
  // 0 (2014: no KVZ), 1 (2015 to 2018: all of it), 2 (from 2019: half).
  int KVZTeiler = 0;
  // 2019, 2020: the flowchart forms the employer's health rate as a sum of
  // two binary fractions (0.07 plus the average half additional rate); its
  // decimal value lies a hair above the rate, so that a subsidy reduction
  // ending on a whole cent is cut one cent lower.
  bool KVSATZAGKnappDarueber = false;
  // A December flowchart (2015dez): the values of January to November.  The
  // yearly tax is computed under both, and a pay period other than the year
  // takes the new tax less eleven times the difference (MLST1215).
  const TParameter2014* WerteBisNovember = nullptr;
};

// What 2014 to 2020 share; a version's set starts from it.
constexpr TParameter2014 Grundwerte2014() {
  TParameter2014 p{};
  p.MindestsatzSTKL5 = 0.14;
  p.ANP = 1000;
  p.SAP = p.SAP3 = p.SAP5 = 36;
  p.VersorgungsteilAufrunden = true;
  p.ArbeitnehmerteilAufrunden = true;
  p.KlasseVIMitFVBZ = false;
  p.AlteRegelnBis2009 = false;
  p.MitVKV = true;
  p.MitEntschaedigung = true;
  p.KVSATZAN = 70000;
  p.KVSATZAG = 70000;
  return p;
}

class TLStGeneration2014 : public TLStJahresablauf {
 public:
  TLStGeneration2014(TRechenKontext& k, const TParameter2014& p);

  void Lohnsteuer() override;

 protected:
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
  // UPEVP and MVSP in whole cents and millionths of the rates, for wages
  // and contributions below 10^11 Euro (the others take the steps above).
  void UPEVPInCent();
  // Returns VSP in whole Euro; lohn: ZRE4VP in cents after the pension cap.
  std::int64_t MVSPInCent(std::int64_t vsp1Cent, std::int64_t lohn);
  // The December flowchart: MBERECH under the old and the new values, then
  // MLST1215.
  void MBERECHDezember();

  const TParameter2014& fest_;
  const TParameter2014* p_ = nullptr;

  double VSP1 = 0, VSP2 = 0, VSP3 = 0, VSPN = 0;
  std::int64_t VHB = 0;

  // MPARA's pension values as integers (ceilings in cents, TBSVORV in
  // percent, RVSATZAN in ten-thousandths), when they are such decimals.
  bool inCent_ = false;
  std::int64_t bbgWestCent_ = 0, bbgOstCent_ = 0, bbgKVPVCent_ = 0, tbsvorvProzent_ = 0, rvsatzan_ = 0;
};

}  // namespace lst
