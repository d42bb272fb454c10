#pragma once

#include "lohnsteuer/generation2010.h"

namespace lst {

// Main routine Lohnsteuer2013, table routine Tabelle2013, income-tax routine
// Einkommensteuer2013.
class TLohnsteuer2013 : public TLStGeneration2010 {
 public:
  using TLStGeneration2010::TLStGeneration2010;

 protected:
  const TParameter2010& Parameter() const override;
};

}  // namespace lst
