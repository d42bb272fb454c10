#pragma once
// What the wage-tax flowcharts of 1995 to 2009 have in common: the tariff
// (UPTAB), tax classes V and VI (MST5_6, UP5_6), the taxable income per
// tariff unit (UPMLST), the tabular allowances (MZTABFB), the yearly tax and
// its conversion (MBERECH, UPANTEIL, UPANTEIL2), the solidarity surcharge and
// the church-tax base (MSOLZ), the bounds of the wage bracket, the income-tax
// routine and the table routine.  The generations derive from it and bring
// the steps in which they differ; the parameters say in which details a year
// departs from the steps of 2005 to 2009.

#include <cstdint>
#include <limits>

#include "geld/geld.h"
#include "lohnsteuer/programm.h"

namespace lst {

// Income-tax tariff of one year from 2004 (whole Euro per tariff unit).
struct TTarif {
  std::int64_t GFB;          // no tax up to and including GFB
  std::int64_t Zone2Ab;      // first progression zone below this
  double A1, B1;             // (A1 * Y + B1) * Y, Y = (X - GFB) / 10000
  std::int64_t Zone2Basis;   // Y = (X - Zone2Basis) / 10000 in the second zone
  double A2, B2, C2;         // (A2 * Y + B2) * Y + C2
  std::int64_t Zone3Ab;      // 42 % zone from here (2004: none, Zone4Ab)
  double C3;                 // 0.42 * X - C3
  std::int64_t Zone4Ab;      // 45 % zone from here (kOhneGrenze: none)
  double C4;                 // 0.45 * X - C4
};

// A tariff or class-V/VI threshold that a year does not have.
inline constexpr std::int64_t kOhneGrenze = std::numeric_limits<std::int64_t>::max();

// Step s of a value v: the lower end of the step of width s that holds v
// (the wage steps of the tables up to 2003).
inline std::int64_t Stufe(double v, int s) {
  return Abschneiden(static_cast<double>(Abschneiden(v / s)) * s);
}

// The tax of the tariff t for one tariff unit X, cut to whole units.
inline std::int64_t TarifJeEinheit(const TTarif& t, double X) {
  // Every zone's formula, then the zone by selection: the incomes mixed at
  // random would mispredict the jumps.  Each formula takes the same steps as
  // when it is computed alone.
  const double Y1 = (X - t.GFB) / 10000;
  const double R1 = (Y1 * t.A1 + t.B1) * Y1;
  const double Y2 = (X - t.Zone2Basis) / 10000;
  const double R2 = (Y2 * t.A2 + t.B2) * Y2 + t.C2;
  const double R3 = X * 0.42 - t.C3;
  const double R4 = X * 0.45 - t.C4;
  double R = X < t.Zone4Ab ? R3 : R4;
  R = X < t.Zone3Ab ? R2 : R;
  R = X < t.Zone2Ab ? R1 : R;
  R = X < t.GFB + 1 ? 0.0 : R;
  return Abschneiden(R);
}

// Parameters that every year brings.  The members with a value here hold
// what the years from 2005 have in common; the years up to 2004 set them.
struct TParameterGrund {
  TTarif Tarif;
  // The tariffs up to 2003 have a shape of their own (decimals cut inside
  // the zones): the tax of one tariff unit X; nullptr: Tarif.
  std::int64_t (*Tarifformel)(double X) = nullptr;
  // UPMLST: a taxable income below ZVEMin is taxed as 0; above, the income
  // per tariff unit is placed on steps of XStufe (the wage steps of the
  // tables up to 2003) and raised by XZuschlag.
  std::int64_t ZVEMin = 1;
  int XStufe = 1;
  int XZuschlag = 0;
  // Tax classes V and VI: thresholds and the minimum rate of UP5_6.
  std::int64_t W1STKL5, W2STKL5;
  std::int64_t W3STKL5;           // kOhneGrenze: no 45 % step (2005, 2006)
  double MindestsatzSTKL5;
  // The rate above W2STKL5 (and above W1STKL5); above W3STKL5 it is 45 %.
  double SatzSTKL5 = 0.42;
  // UP5_6 from 2005 runs UPTAB, which multiplies by KZTAB; up to 2004 it
  // takes the tariff of one tariff unit.  (KZTAB is 1 in classes V and VI;
  // only the income-tax routine can pair them with 2.)
  bool UP5_6MitKZTAB = true;
  // MZTABFB.
  std::int64_t ANP;               // employee lump sum (the pension part is 102)
  std::int64_t SAP, SAP3, SAP5;   // special-expenses lump sum, classes I, II, IV / III / V
  std::int64_t KFB, KFB4;         // child allowance per allowance, classes I to III / IV
  std::int64_t EFA = 1308;        // allowance of class II (up to 2003 HFB)
  // The DM years have an MZTABFB of their own (MZTABFBDesJahres).
  bool MitEigenemMZTABFB = false;
  // 1995: the child allowances are part of ZTABFB and so reduce the wage tax
  // itself; MBERECH has no second run with them.
  bool KFBImZTABFB = false;
  // 1995: MBERECH has a step after the yearly tax LSTJAHR is known, before
  // its conversion (NachLSTJAHR); MSOLZ takes the church-tax base BK of its
  // own (Kirchensteuerbasis) instead of JBMG.
  bool MitNachLSTJAHR = false;
  bool EigeneKirchensteuerbasis = false;
  // MBERECH: LSTJAHR and JBMG are Abschneiden(ST * 1) from 2005 (these
  // years have no factor method), ST itself up to 2004.  The two part only
  // for a tax of 10^15 and more, which the cut keeps to 15 digits.
  bool MitFaktorschritt = true;
  // The employee part of ANP below ANP is rounded up to whole Euro (2009;
  // otherwise cut, as is the pension part below 102).
  bool ArbeitnehmerteilAufrunden;
  // 2006 and 2007: class VI keeps its FVBZ (from 2008 class VI loses FVBZ
  // and FVBZSO).
  bool KlasseVIMitFVBZ;
  // MSOLZ: the free amount per tariff unit, and SOLZJ cut to the cent (from
  // 2002; the DM years keep its decimals).
  std::int64_t SOLZFREI = 972;
  bool SOLZJAufCent = true;
};

// The constants of 2005 (tariff without a 45 % zone, classes V and VI, the
// lump sums and child allowances); the years up to 2009 start from them.
constexpr void Werte2005(TParameterGrund& p) {
  p.Tarif = {7664, 12740, 883.74, 1500, 12739, 228.74, 2397, 989, 52152, 7914, kOhneGrenze, 0};
  p.W1STKL5 = 9144;
  p.W2STKL5 = 25812;
  p.W3STKL5 = kOhneGrenze;
  p.MindestsatzSTKL5 = 0.15;
  p.ANP = 920;
  p.SAP = 36;
  p.SAP3 = 72;
  p.SAP5 = 0;
  p.KFB = 5808;
  p.KFB4 = 2904;
  p.ArbeitnehmerteilAufrunden = false;
  p.KlasseVIMitFVBZ = false;
}

// From 2007: the 45 % zone above 250000 and classes V and VI above 200000.
constexpr void Reichensteuer2007(TParameterGrund& p) {
  p.Tarif.Zone4Ab = 250001;
  p.Tarif.C4 = 15414;
  p.W3STKL5 = 200000;
}

class TLStAblauf : public TLohnsteuerProgramm {
 public:
  using TLohnsteuerProgramm::TLohnsteuerProgramm;

  bool HatEinkommensteuer() const override { return true; }
  bool HatTarifschritt() const override { return true; }
  std::int64_t Einkommensteuer(std::uint8_t stkl, std::uint8_t kztab, std::int64_t zve) override;
  void Zuschlaege(std::uint8_t kztab, std::int64_t steuer) override;
  bool HatTabelle() const override { return true; }
  std::int64_t Tabelle(TTabellenArgumente& a) override;
 private:
  std::int64_t Tabellenzeile(TTabellenArgumente& a);

 public:
  // Classes V and VI leave in X the scaled amounts of UP5_6; the taxable
  // income per tariff unit is then ZZX.
  double LetzteTarifeinheit() const override { return v_.STKL < 5 ? X : ZZX; }
  int LetzterKZTAB() const override { return KZTAB; }

 protected:
  // The run computes a row of a wage-tax table: set by Tabelle for its run
  // (the table mode is the call, not a state the caller sets).
  bool tabellenmodus_ = false;

  // Points the parameter pointers at the set in force for the next run.
  virtual void ParameterWaehlen() = 0;
  // Sets the working amounts to 0 (each generation adds its own).
  virtual void Zuruecksetzen();

  virtual void MLSTJAHR() = 0;
  // Tabular allowances.
  void MZTABFB();
  // MZTABFB of a year with MitEigenemMZTABFB.
  virtual void MZTABFBDesJahres() {}
  // ANP and FVBZ outside table mode (the wage-dependent part of MZTABFB).
  virtual void MZTABFBLohn();
  // The step of a year with MitNachLSTJAHR.
  virtual void NachLSTJAHR() {}
  // The church-tax base BK of a year with EigeneKirchensteuerbasis.
  virtual void Kirchensteuerbasis() {}
  // Solidarity-surcharge percentage used by MSOLZ, MSONST and MVMT.
  virtual double SoliProzent() const { return k_.SoliSatz(); }

  void MBERECH();
  void UPMLST();
  // X of a taxable income: per tariff unit, placed on the year's steps.
  double Tarifeinheit(double zve, int kztab) const;
  void UPTAB();
  // The year's tariff for one tariff unit X.
  std::int64_t Tarif(double x) const {
    if (g_->Tarifformel) [[unlikely]] return g_->Tarifformel(x);
    return TarifJeEinheit(g_->Tarif, x);
  }
  void MST5_6();
  void UP5_6();
  void MSOLZ();
  // JW (yearly cents) to the pay period: ANTEIL1 cut; ANTEIL2 rounded up to
  // whole cents (the year: JW itself).
  void UPANTEIL() {
    // From 2002 JW holds whole cents: the quotient is cut in integers, as
    // the flowchart's decimal division does.  The DM years carry decimals.
    if (JW > -kGanzeCent && JW < kGanzeCent) [[likely]] {
      const auto jw = static_cast<std::int64_t>(JW);
      if (static_cast<double>(jw) == JW) [[likely]] {
        // All four shares, then the pay period's by selection: the pay
        // periods mixed at random would mispredict a jump.
        const std::int64_t anteil[4] = {jw / 360, jw, jw / 12, jw * 7 / 360};
        ANTEIL1 = anteil[v_.LZZ < 4 ? v_.LZZ : 0];
        return;
      }
    }
    switch (v_.LZZ) {
      case 1: ANTEIL1 = Abschneiden(JW); break;
      case 2: ANTEIL1 = Abschneiden(JW / 12); break;
      case 3: ANTEIL1 = Abschneiden(JW * 7 / 360); break;
      default: ANTEIL1 = Abschneiden(JW / 360); break;
    }
  }
  // Whole cents up to this size are exact in a double and in integer
  // arithmetic with the pay-period factors (at most 360).
  static constexpr double kGanzeCent = 1e13;
  void UPANTEIL2();
  // Bounds of the wage bracket of breite (whole units a year, 36 Euro or
  // 54 DM: whole cents in every pay period) that starts at a yearly wage in
  // cents, in cents of the pay period.
  void StufeFuerZeitraum(std::int64_t jahresCent, int breite = 36) {
    const std::int64_t b = breite * std::int64_t{100};
    if (jahresCent > -kGanzeCent && jahresCent < kGanzeCent) [[likely]] {
      // In whole cents (the cut of the quotient is the integer division's);
      // the pay period by selection.
      const std::int64_t von[4] = {jahresCent / 360, jahresCent, jahresCent / 12, jahresCent * 7 / 360};
      const std::int64_t breiteLZZ[4] = {b / 360, b, b / 12, b * 7 / 360};
      const int l = v_.LZZ < 4 ? v_.LZZ : 0;
      v_.TabStufeVon = von[l];
      v_.TabStufeBis = von[l] + breiteLZZ[l] - 1;
      return;
    }
    switch (v_.LZZ) {
      case 1:
        v_.TabStufeVon = jahresCent;
        v_.TabStufeBis = jahresCent + b - 1;
        break;
      case 2:
        v_.TabStufeVon = Abschneiden(jahresCent / 12.0);
        v_.TabStufeBis = v_.TabStufeVon + b / 12 - 1;
        break;
      case 3:
        v_.TabStufeVon = Abschneiden(jahresCent * 7 / 360.0);
        v_.TabStufeBis = v_.TabStufeVon + b * 7 / 360 - 1;
        break;
      default:
        v_.TabStufeVon = Abschneiden(jahresCent / 360.0);
        v_.TabStufeBis = v_.TabStufeVon + b / 360 - 1;
        break;
    }
  }
  // MRE4JL of the flowcharts up to 2007: a pay-period amount c in cents as a
  // yearly amount in whole units, with the shifts of the pay periods: month
  // (c + 0.67) * 0.12, week (c + 0.89) * 3.6 / 7, day (c + 0.56) * 3.6, each
  // cut to the cent.  The year is c / 100, from 2005 cut to the cent as
  // well (c there carries hundredths of a cent).
  double Jahresbetrag(double c, bool jahrAbschneiden) const {
    switch (v_.LZZ) {
      case 1: return jahrAbschneiden ? AbschneidenStellen(2, c / 100) : c / 100;
      case 2: return AbschneidenStellen(2, (c + 0.67) * 0.12);
      case 3: return AbschneidenStellen(2, (c + 0.89) * 3.6 / 7);
      default: return AbschneidenStellen(2, (c + 0.56) * 3.6);
    }
  }

  const TParameterGrund* g_ = nullptr;

  // Working amounts in Euro with decimals.
  double ZRE4 = 0, ZRE4VP = 0, ZVBEZ = 0, FVB = 0, ALTE = 0, ZTABFB = 0, VSP = 0, ZVE = 0;
  double X = 0, SOLZJ = 0, SOLZMIN = 0, JW = 0, ANTEIL2 = 0;
  double ZX = 0, ZZX = 0, HOCH = 0, VERGL = 0, TabZRE4 = 0;
  // Working amounts in whole Euro (ANTEIL1 in cents).
  std::int64_t ANP = 0, EFA = 0, SAP = 0, KFB = 0, FVBZ = 0, FVBZSO = 0;
  std::int64_t ST = 0, ST1 = 0, ST2 = 0, DIFF = 0, MIST = 0, LSTJAHR = 0, JBMG = 0;
  std::int64_t SOLZFREI = 0, ANTEIL1 = 0;
  int KZTAB = 1;
};

}  // namespace lst
