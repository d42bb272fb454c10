// Wage tax 1995.

#include "geld/geld.h"
#include "lohnsteuer/lohst1995_2004.h"

namespace lst {

std::int64_t UPTAB95(double X) {
  if (X < 5617) return 0;
  // The law taxes this zone rounded down like all the others; the official
  // 1995 table agrees.
  if (X < 8154) return Abschneiden(X * 0.19 - 1067);
  if (X < 120042) {
    const double Y = (X - 8100) / 10000;
    double RW = AbschneidenStellen(3, Y * 151.94) + 1900;
    RW = AbschneidenStellen(3, RW * Y);
    return Abschneiden(RW + 472);
  }
  return Abschneiden(X * 0.53 - 22842);
}

namespace {

constexpr TParameter1995 Parameter1995() {
  TParameter1995 p = ParameterDMJahre(1995, UPTAB95);
  p.Gruppe = TGruppe1995::Jahr1995;
  // MZTABFB and MBERECH: KFB within ZTABFB, no run with child allowances.
  p.KFBImZTABFB = true;
  // MBERECH: the relief after LSTJAHR; MSOLZ: the church-tax base below.
  p.MitNachLSTJAHR = true;
  p.EigeneKirchensteuerbasis = true;
  p.KFB = 4104;  // MZTABFB
  p.KFB4 = 2052;
  p.Vorsorge.VSPOSatz = 0.18;  // MVSP
  p.Vorsorge.VSPKURZ = 2000;
  Klasse5(p, kOhneGrenze, 60048, 0.53, 0.19);  // MST5_6, UP5_6
  p.SOLZFREI = 1332;  // MSOLZ
  return p;
}

constexpr TParameter1995 kParameter1995 = Parameter1995();

}  // namespace

TLohnsteuer1995::TLohnsteuer1995(TLStZustand& k) : TLStDMJahre(k, kParameter1995) {}

std::int64_t TLohnsteuer1995::Entlastungsbetrag(std::int64_t st, int kztab) {
  const std::int64_t jeEinheit = Runden(static_cast<double>(st) / kztab);
  std::int64_t entlastet = Runden((jeEinheit - 1135) * 2.5) * kztab;
  if (entlastet < 0) entlastet = 0;
  return entlastet < st ? entlastet : st;
}

// Relief for low earned incomes (law of 1995, classes I to IV).  The law
// capped the tax of a low earned income; the flowchart computes the cap from
// the tax on the wage less only the allowance of the tax card (no pension
// allowance, no age relief) and keeps it where it is below the tax computed
// so far.  The step can only lower the tax: for higher wages the cap exceeds
// the tariff tax and nothing changes.
void TLohnsteuer1995::NachLSTJAHR() {
  if (v_.STKL > 4) return;
  ZRE4LZZ = v_.RE4 - v_.WFUNDF;
  MRE4JL();
  MZTABFB();
  MLSTJAHR();
  const std::int64_t entlastet = Entlastungsbetrag(ST, KZTAB);
  if (entlastet < LSTJAHR) LSTJAHR = entlastet;
}

// Church-tax base: the wage tax less 300 DM a year per child allowance
// (150 DM in class IV), not below 0.
void TLohnsteuer1995::Kirchensteuerbasis() {
  if (!v_.R) {
    v_.BK = 0;
    return;
  }
  JW = v_.ZKF * (v_.STKL == 4 ? 15000 : 30000);
  UPANTEIL();
  v_.BK = v_.LSTLZZ - ANTEIL1;
  if (v_.BK < 0) v_.BK = 0;
}

std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuer1995(TLStZustand& k) {
  return std::make_unique<TLohnsteuer1995>(k);
}

}  // namespace lst
