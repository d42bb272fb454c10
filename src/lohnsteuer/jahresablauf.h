#pragma once
// The flow of the flowcharts from 2008: the pay-period amounts are first
// converted to the year (MRE4JL), the pension allowance (MRE4), the age relief
// (MRE4ALTE) and the allowances (MRE4ABZ) are formed on yearly amounts, and
// other payments (MSONST, MOSONST, MRE4SONST) and remuneration for several
// years (MVMT) rerun the yearly steps.  The 2008 generation (2008, 2009) and
// the 2010 generation (2010 to 2013) derive from it with their provision
// allowance.

#include <cstdint>

#include "lohnsteuer/ablauf.h"

namespace lst {

struct TParameterJahresablauf : TParameterGrund {
  // 2008, 2009: ALTE rounded up to the cent and ZRE4VP = ZRE4J - FVB - ALTE;
  // from 2010 ALTE rounded up to whole Euro, ZRE4VP = ZRE4J (less ENTSCH in
  // the multi-year run).
  bool AlteRegelnBis2009;
  // The year reports the deductible private contributions (UPVKV, VKVLZZ,
  // VKVSONST) and converts the yearly tax through UPLSTLZZ.
  bool MitVKV;
  // The year subtracts compensations JRE4ENT and SONSTENT from ZRE4VP.
  bool MitEntschaedigung;
  // From 2016 the pension allowance FVB is at most the yearly pension ZVBEZJ.
  bool FVBHoechstensVersorgung = false;
};

class TLStJahresablauf : public TLStAblauf {
 public:
  using TLStAblauf::TLStAblauf;

  void Lohnsteuer() override;

 protected:
  void Zuruecksetzen() override;
  void MLSTJAHR() override;

  // Provision allowance: sets VSP.
  virtual void UPEVP() = 0;
  // Deductible private contributions (from 2012); VKV = 0 otherwise.
  virtual void UPVKV() { VKV = 0; }

  void MRE4JL();
  virtual void MRE4();
  // The part of MRE4 for other payments: FVBSO and FVBZSO.
  virtual void MRE4SO();
  void MRE4ALTE();
  void MRE4ABZ();
  void MSONST();
  void MOSONST();
  void MRE4SONST();
  virtual void MVMT();
  // The start of MVMT: false (with the outputs 0) when there is no
  // multi-year pay; otherwise LST1, the tax without it.
  bool MVMTLST1();
  // The end of MVMT from STV = LST2 - LST1: at most LST3 - LST1, not
  // negative, the factor, surcharge and church-tax base.
  void MVMTSchluss();

  const TParameterJahresablauf* j_ = nullptr;

  // Working amounts in Euro with decimals.
  double ZRE4J = 0, ZVBEZJ = 0, JLFREIB = 0, JLHINZU = 0, BMG = 0, FVBSO = 0;
  double HFVBZ = 0, HFVBZSO = 0, STOVMT = 0;
  // Whole Euro; VKV in cents.
  std::int64_t HFVB = 0, VKV = 0;
  // Cents.
  std::int64_t VBEZB = 0, VBEZBSO = 0, LSTOSO = 0, LSTSO = 0, LST1 = 0, LST2 = 0, LST3 = 0;
  int KENNVMT = 0, J = 1, K = 1;
};

}  // namespace lst
