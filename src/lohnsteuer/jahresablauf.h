#pragma once
// The flow of the flowcharts from 2008: the pay-period amounts are first
// converted to the year (MRE4JL), the pension allowance (MRE4), the age relief
// (MRE4ALTE) and the allowances (MRE4ABZ) are formed on yearly amounts, and
// other payments (MSONST, MOSONST, MRE4SONST) and remuneration for several
// years (MVMT) rerun the yearly steps.  The 2008 generation (2008, 2009)
// derives from it with its provision allowance; from 2010 the whole-number
// generation (generation2013.h) takes the same steps.

#include <cstdint>

#include "lohnsteuer/ablauf.h"

namespace lst {

class TLStJahresablauf : public TLStAblauf {
 public:
  using TLStAblauf::TLStAblauf;

  void Lohnsteuer() override;

 protected:
  void Zuruecksetzen() override;
  void MLSTJAHR() override;

  // Provision allowance: sets VSP.
  virtual void UPEVP() = 0;

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

  // Working amounts in Euro with decimals.
  double ZRE4J = 0, ZVBEZJ = 0, JLFREIB = 0, JLHINZU = 0, BMG = 0, FVBSO = 0;
  double HFVBZ = 0, HFVBZSO = 0, STOVMT = 0;
  // Whole Euro.
  std::int64_t HFVB = 0;
  // Cents.
  std::int64_t VBEZB = 0, VBEZBSO = 0, LSTOSO = 0, LSTSO = 0, LST1 = 0, LST2 = 0, LST3 = 0;
  int KENNVMT = 0, J = 1, K = 1;
};

}  // namespace lst
