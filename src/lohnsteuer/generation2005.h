#pragma once
// The wage-tax flowcharts of 2005, 2006 and 2007: the pension allowance, the
// age relief and the pay-period allowance WFUNDF / addition HINZUR are
// applied to the cents of the pay period, and the result is converted to the
// year with the flowchart's shifts (+0.67 a month, +0.89 a week, +0.56 a
// day).  Other payments (MSONST) and remuneration for several years (MVMT)
// rerun these steps on the yearly inputs.  The provision allowance is that of
// 2005 to 2009.

#include <cstdint>

#include "lohnsteuer/ablauf.h"
#include "lohnsteuer/vorsorge2005.h"

namespace lst {

struct TParameter2005 : TParameterGrund {
  TVorsorgeParameter2005 Vorsorge;
  // From 2006: the pension allowance and the age relief by the rows of
  // VJAHR and AJAHR, pension capital payments VKAPA and death benefits
  // STERBE; 2005 takes the fixed values of row 1 (40 %, at most 3000 plus
  // 900 a year, age relief at most 1900) and reads neither VKAPA nor STERBE.
  bool MitVersorgungstabellen;
  // From 2006 every run of MSONST and MVMT repeats MZTABFB (2005: only the
  // first run of each) and MVMT has the branch for a negative ordinary wage.
  bool JederLaufMitMZTABFB;
  // 2007: ZVBEZ is 0 without pension payments (see MRE4JL).
  bool ZVBEZOhneVersorgungNull;
  // From 2007 a negative STS becomes 0.
  bool STSNichtNegativ;
  // 2007: MVMT sets a negative VKAPA to 0 and takes it back from VBEZS too.
  bool VKAPABereinigt;
  // 2005, 2006: the surcharge percentage loaded with the year's settings.
  bool SoliAusEinstellungen;
};

class TLStGeneration2005 : public TLStAblauf {
 public:
  TLStGeneration2005(TLStZustand& k, const TParameter2005& p) : TLStAblauf(k), p_(p) {}

  void Lohnsteuer() override;

 protected:
  void ParameterWaehlen() override { g_ = &p_; }
  void Zuruecksetzen() override;
  void MLSTJAHR() override;
  double SoliProzent() const override;

  void MRE4();
  void BetraegeLZZ(std::int64_t freibetrag, std::int64_t hinzurechnung);
  void MRE4JL();
  void MSONST();
  void MVMT();
  // One run on the yearly inputs of MSONST and MVMT: MRE4 (when asked), the
  // pay-period amounts with JFREIB and JHINZU, MRE4JL, MZTABFB (when asked)
  // and MLSTJAHR; returns ST in cents.
  std::int64_t Lauf(bool mitMRE4, bool mitMZTABFB);
  // The same up to MLSTJAHR.
  void LaufVorbereiten(bool mitMRE4, bool mitMZTABFB);

  const TParameter2005& p_;
  TVorsorgepauschale2005 vorsorge_;

  // Cents of the pay period (RE4LZZ and RE4LZZV with hundredths).
  std::int64_t VBEZB = 0, HFVB = 0, BMG = 0, LST1 = 0, LST2 = 0, LST3 = 0;
  double RE4LZZ = 0, RE4LZZV = 0;
  // MVMT: the ZRE4VP of the run with the full multi-year pay, from which
  // the one-fifth run takes the reduction of VSPVOR (KENNZ = 1).
  double ZRE4VP1 = 0;
  int KENNZ = 0, J = 1, K = 1;
};

}  // namespace lst
