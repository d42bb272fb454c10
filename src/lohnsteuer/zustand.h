#pragma once
// What the wage-tax programs share with their caller: the flowchart's inputs
// and outputs, the tax year, the basic allowance of the 2013 tariff, the
// solidarity-surcharge rate loaded with the settings.  The calculation core's context is one of these;
// the programs know nothing else of it.

#include <cstdint>

#include "geld/geld.h"
#include "lohnsteuer/globale_lst_var.h"

namespace lst {

struct TLStZustand {
  std::int16_t LStJahr = 2013;
  // Basic allowance of the 2013 tariff: 8004 (first 2013 flowchart) or 8130.
  std::int64_t GFB = 8004;
  // Solidarity-surcharge percentage loaded with the year's settings; the
  // programs of the early years use it instead of the fixed table.
  double SoliGeladen = 5.5;
  // Inputs and outputs of the wage-tax programs.
  TLStVariablen LStVar;

  double SoliSatz() const { return lst::SoliSatz(LStJahr); }
};

}  // namespace lst
