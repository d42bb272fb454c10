#pragma once

#include "lohnsteuer/generation2013.h"

namespace lst {

// The parameter set of a 2013 flowchart: basic allowance 8130 (the amended
// flowchart) or any other value (the first one, 8004).
const TParameter2013& Parameter2013(std::int64_t gfb);

// Main routine Lohnsteuer2013, table routine Tabelle2013, income-tax routine
// Einkommensteuer2013.  The flow is that of 2014 with the values of 2013; the
// basic-allowance setting of the context (8004 or 8130) selects the
// flowchart before every run.
class TLohnsteuer2013 : public TLStGeneration2013 {
 public:
  explicit TLohnsteuer2013(TLStZustand& k);

  void Lohnsteuer() override;
  std::int64_t Einkommensteuer(std::uint8_t stkl, std::uint8_t kztab, std::int64_t zve) override;
  void Zuschlaege(std::uint8_t kztab, std::int64_t steuer) override;
  std::int64_t Tabelle(TTabellenArgumente& a) override;

 private:
  const TParameter2013& Satz() const;
};

}  // namespace lst
