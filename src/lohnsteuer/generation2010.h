#pragma once
// The wage-tax flowchart of the years 2010 to 2013.  The flow is one; a year
// brings its parameters and says which of the later steps it has.

#include <cstdint>

#include "lohnsteuer/programm.h"

namespace lst {

// Income-tax tariff of one year (whole Euro per tariff unit).
struct TTarif {
  std::int64_t GFB;          // no tax up to and including GFB
  std::int64_t Zone2Ab;      // first progression zone below this
  double A1, B1;             // (A1 * Y + B1) * Y, Y = (X - GFB) / 10000
  std::int64_t Zone2Basis;   // Y = (X - Zone2Basis) / 10000 in the second zone
  double A2, B2, C2;         // (A2 * Y + B2) * Y + C2
  std::int64_t Zone3Ab;      // 42 % zone from here
  double C3;                 // 0.42 * X - C3
  std::int64_t Zone4Ab;      // 45 % zone from here
  double C4;                 // 0.45 * X - C4
};

struct TParameter2010 {
  TTarif Tarif;
  std::int64_t ANP;               // employee lump sum (the pension part is 102)
  std::int64_t KFB;               // child allowance per allowance, classes I to III
  std::int64_t KFB4;              // class IV
  std::int64_t W1STKL5, W2STKL5, W3STKL5;
  double BBGRVWest, BBGRVOst;     // pension ceilings for KRV 0 and 1
  double TBSVORV;                 // share of the pension contribution
  double RVSatzAN;                // employee pension rate
  double BBGKVPV;
  double KVSATZAN, KVSATZAG;
  double PVSATZAN, PVSATZAG;      // general
  double PVSATZANSachsen, PVSATZAGSachsen;
  // The year reports the deductible private contributions (UPVKV, VKVLZZ,
  // VKVSONST) and converts the yearly tax through UPLSTLZZ.
  bool MitVKV;
  // The year subtracts compensations JRE4ENT and SONSTENT from ZRE4VP.
  bool MitEntschaedigung;
};

class TLStGeneration2010 : public TLohnsteuerProgramm {
 public:
  using TLohnsteuerProgramm::TLohnsteuerProgramm;

  void Lohnsteuer() override;
  bool HatEinkommensteuer() const override { return true; }
  std::int64_t Einkommensteuer(std::uint8_t stkl, std::uint8_t kztab, std::int64_t zve) override;
  bool HatTabelle() const override { return true; }
  std::int64_t Tabelle(TTabellenArgumente& a) override;

 protected:
  // The parameters in force for the next run (2013 chooses by the basic allowance).
  virtual const TParameter2010& Parameter() const = 0;

 private:
  void Zuruecksetzen();
  void MRE4JL();
  void MRE4();
  void MRE4ALTE();
  void MRE4ABZ();
  void MBERECH();
  void MZTABFB();
  void MLSTJAHR();
  void UPEVP();
  void MVSP();
  void UPMLST();
  void UPTAB();
  void MST5_6();
  void UP5_6();
  void MSOLZ();
  void UPANTEIL();
  void UPVKV();
  void MSONST();
  void MOSONST();
  void MRE4SONST();
  void MVMT();
  void StufeFuerZeitraum(std::int64_t jahresCent);

  const TParameter2010* p_ = nullptr;

  // Working amounts in Euro with decimals.
  double ZRE4J = 0, ZVBEZJ = 0, JLFREIB = 0, JLHINZU = 0, ZRE4 = 0, ZRE4VP = 0, ZVBEZ = 0;
  double BMG = 0, ALTE = 0, FVB = 0, FVBSO = 0, HFVBZ = 0, HFVBZSO = 0;
  double VSP1 = 0, VSP2 = 0, VSP3 = 0, VSP = 0, VSPN = 0, ZTABFB = 0, ZVE = 0;
  double X = 0, Y = 0, RW = 0, SOLZJ = 0, SOLZMIN = 0, JW = 0;
  double KVSATZAN = 0, KVSATZAG = 0, PVSATZAN = 0, PVSATZAG = 0;
  double ZX = 0, ZZX = 0, HOCH = 0, VERGL = 0, STOVMT = 0, TabZRE4 = 0;
  // Working amounts in whole Euro (ANTEIL1 and VKV in cents).
  std::int64_t ANP = 0, EFA = 0, SAP = 0, KFB = 0, FVBZ = 0, FVBZSO = 0, HFVB = 0;
  std::int64_t ST = 0, ST1 = 0, ST2 = 0, DIFF = 0, MIST = 0, LSTJAHR = 0, JBMG = 0;
  std::int64_t SOLZFREI = 0, ANTEIL1 = 0, VHB = 0, VKV = 0;
  // Cents.
  std::int64_t VBEZB = 0, VBEZBSO = 0, LSTOSO = 0, LSTSO = 0, LST1 = 0, LST2 = 0, LST3 = 0;
  int KZTAB = 1, KENNVMT = 0, J = 1, K = 1;
};

}  // namespace lst
