// Wage tax 2005: the first flowchart of the pension reform.  The pension
// allowance is 40 % of the pension payments, at most 3000 a year, with a
// supplement of 900 (75 a month); the age relief 40 %, at most 1900.  The
// employee lump sum follows from the pay period's wage and pension payments
// (MZTABFB), not from the yearly amounts.

#include "lohnsteuer/generation2005.h"

namespace lst {

namespace {

constexpr TParameter2005 Parameter2005() {
  TParameter2005 p{};
  Werte2005(p);
  p.Vorsorge = {62400, 0.20, 0.0975, true};
  p.SoliAusEinstellungen = true;
  return p;
}

constexpr TParameter2005 kParameter = Parameter2005();

class TLohnsteuer2005 : public TLStGeneration2005 {
 public:
  explicit TLohnsteuer2005(TLStZustand& k) : TLStGeneration2005(k, kParameter) {}

 protected:
  void MZTABFBLohn() override;
};

// ANP: 102 for pension payments, 920 for other wage, neither capped by the
// amounts; FVBZ stays as MRE4 formed it.
void TLohnsteuer2005::MZTABFBLohn() {
  ANP = 0;
  if (v_.STKL < 6) {
    if (v_.VBEZ > 0) ANP = 102;
    if (v_.RE4 > v_.VBEZ) ANP = ANP + g_->ANP;
  }
}

}  // namespace

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2005(TLStZustand& k) {
  return std::make_unique<TLohnsteuer2005>(k);
}

}  // namespace lst
