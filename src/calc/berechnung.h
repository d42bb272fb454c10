#pragma once
// The calculation entry points.

#include "calc/datensaetze.h"
#include "calc/fehler.h"
#include "calc/kontext.h"

namespace lst {

// Runs the wage-tax program of k.LStJahr on the inputs in k.LStVar.
// Throws TLStFehler for a year without a program.
void LohnsteuerBerechnen(TRechenKontext& k);

}  // namespace lst
