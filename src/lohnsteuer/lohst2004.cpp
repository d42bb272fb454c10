// Wage tax 2004: no wage steps, a tariff without cuts inside the zones, the
// single-parent relief EFA in class II and a table routine.

#include "calc/geld.h"
#include "lohnsteuer/lohst1995_2004.h"

namespace lst {

std::int64_t UPTAB04(double X) {
  if (X < 7665) return 0;
  if (X < 12740) {
    const double Y = (X - 7664) / 10000;
    return Abschneiden((793.1 * Y + 1600) * Y);
  }
  if (X < 52152) {
    const double Y = (X - 12739) / 10000;
    return Abschneiden((265.78 * Y + 2405) * Y + 1016);
  }
  return Abschneiden(X * 0.45 - 8845);
}

namespace {

constexpr TParameter1995 Parameter2004() {
  TParameter1995 p = ParameterEuroJahre(2004, UPTAB04);
  p.Gruppe = TGruppe1995::Jahr2004;
  p.ANP = 920;
  p.HFB = 1308;
  p.LohnStufe = 0;
  p.ZVEMin = 1;
  p.XStufe = 1;
  p.XZuschlag = 0;
  p.Klasse5 = {9228, 26072, 0.45, 0.16};
  p.SoliAusEinstellungen = false;
  p.SonstbZeitraumBis = 0;
  return p;
}

}  // namespace

constinit const TParameter1995 kParameter2004 = Parameter2004();

}  // namespace lst
