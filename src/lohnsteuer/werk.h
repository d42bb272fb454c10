#pragma once
// A working space of the wage-tax flowcharts: their inputs, outputs and
// state (TLStZustand) and one program a version bound to it, made on first
// use.  Whoever runs a flowchart sets its inputs first; the space keeps no
// meaning between runs.

#include <array>
#include <memory>

#include "lohnsteuer/programm.h"
#include "lohnsteuer/versionen.h"
#include "lohnsteuer/zustand.h"

namespace lst {

class TFlussplanWerk : public TLStZustand {
 public:
  TFlussplanWerk();
  ~TFlussplanWerk();
  TFlussplanWerk(const TFlussplanWerk&) = delete;
  TFlussplanWerk& operator=(const TFlussplanWerk&) = delete;

  // The program of a version (a number of kLStVersionen); nullptr for one
  // without a program.
  TLohnsteuerProgramm* ProgrammVersion(int version);
  // The program in force by default in a pay month of a year; nullptr for a
  // year without one.
  TLohnsteuerProgramm* ProgrammFuerMonat(int jahr, int monat = 12);

 private:
  std::array<std::unique_ptr<TLohnsteuerProgramm>, kAnzahlLStVersionen> programme_;
  // A version without a program is asked for once.
  std::array<bool, kAnzahlLStVersionen> versucht_{};
};

}  // namespace lst
