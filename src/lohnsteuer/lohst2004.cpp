// Wage tax 2004: no wage steps, a tariff of the shape of the later years,
// the single-parent relief EFA in class II and a table routine.  Like 2005 it
// converts the pay period with the same shifts, has the old-law amounts of
// the provision allowance (the halved rest rounded half away from zero, the
// result cut), classes V and VI with a lower threshold (45 % above, no
// W3STKL5) and the table routine of 2005; the pension allowance and the age
// relief, other payments and multi-year pay follow the years before.

#include "lohnsteuer/lohst1995_2004.h"

namespace lst {

namespace {

// No tax up to 7664; (793.1 * Y + 1600) * Y with Y = (X - 7664) / 10000 below
// 12740; (265.78 * Y + 2405) * Y + 1016 with Y = (X - 12739) / 10000 below
// 52152; above 0.45 * X - 8845 (no 42 % zone).
constexpr TTarif kTarif04 = {7664, 12740, 793.1, 1600, 12739, 265.78, 2405, 1016,
                             52152, 0, 52152, 8845};

constexpr TParameter1995 Parameter2004() {
  TParameter1995 p = ParameterEuroJahre(2004, nullptr);
  p.Gruppe = TGruppe1995::Jahr2004;
  p.Tarif = kTarif04;
  p.ANP = 920;  // MZTABFB
  p.EFA = 1308;
  // No wage steps (MRE4JL, MVSP, UPMLST).
  p.LohnStufe = 0;
  p.ZVEMin = 1;
  p.XStufe = 1;
  p.XZuschlag = 0;
  Klasse5(p, 9228, 26072, 0.45, 0.16);  // MST5_6, UP5_6
  p.SoliAusEinstellungen = false;  // MSOLZ, MSONST, MVMT: the rate of the year
  p.SonstbZeitraumBis = 0;         // MSONST: always the yearly method
  return p;
}

}  // namespace

std::int64_t UPTAB04(double X) { return TarifJeEinheit(kTarif04, X); }

constinit const TParameter1995 kParameter2004 = Parameter2004();

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer2004(TLStZustand& k) {
  return std::make_unique<TLStGeneration1995>(k, kParameter2004);
}

}  // namespace lst
