#pragma once
// Inside the calculation: the records a request becomes by the rules of its
// year, and the working space of the wage-tax flowcharts.  For the
// calculation's own units (the single slip and the tools that vary one
// input of it); the fronts use calc/abrechnung.h.

#include <cstdint>

#include "calc/abrechnung.h"
#include "calc/datensaetze.h"
#include "lohnsteuer/zustand.h"

namespace lst {

class TLohnsteuerProgramm;

// The flowchart of the parameters in the thread's working space, its state
// set to the year, the basic allowance and the surcharge rate: every run
// sets its inputs first, so nothing of one run reaches the next.
struct TFlussplan {
  TLStZustand& Zustand;
  TLohnsteuerProgramm* Programm;  // null for a year without a flowchart
};
TFlussplan Flussplan(const TParameter& p);

}  // namespace lst
