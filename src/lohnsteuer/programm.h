#pragma once
// The common face of the wage-tax programs of all years.

#include <cstdint>
#include <memory>

#include "lohnsteuer/zustand.h"
#include "lohnsteuer/globale_lst_var.h"

namespace lst {

// Arguments of a table routine (one bracket of a wage-tax table).  The
// programs up to 2009 read only the table type, LZZ, STKL, ZKF and the wage.
struct TTabellenArgumente {
  bool AllgemeineTabelle = true;  // general table (false: special table)
  std::uint8_t Region = 1;        // 0 "Ost", 1 "West"
  std::uint8_t LZZ = 1;
  std::uint8_t PKV = 0;
  std::uint8_t PVS = 0;
  double ZKF = 0.0;
  std::uint8_t STKL = 1;
  std::int64_t Lohn = 0;          // yearly wage in cents
  // out: bounds of the bracket in cents of the pay period
  std::int64_t StufeBis = 0;
  std::int64_t StufeVon = 0;
};

// The figures of the social insurance a flowchart carries in its own tables
// (its MPARA step): yearly ceilings in cents, rates in millionths (7,3 % is
// 73000); -1 where the flowchart has none.  They are the social insurance's
// facts typed a second time, held to its table by a test.
struct TFlussplanSVWerte {
  std::int64_t BBGRVWest = -1, BBGRVOst = -1, BBGKVPV = -1, BBGRVALV = -1;
  std::int64_t RVSatzAN = -1, AVSatzAN = -1, KVSatzErm = -1, KVSatzAG = -1;
  std::int64_t PVSatzAN = -1, PVSatzAG = -1, PVSatzANSachsen = -1, PVSatzAGSachsen = -1, PVZuschlag = -1;
  std::int64_t PVAbschlag = -1;
};

class TLohnsteuerProgramm {
 public:
  explicit TLohnsteuerProgramm(TLStZustand& k) : k_(k), v_(k.LStVar) {}
  virtual ~TLohnsteuerProgramm() = default;

  // The main routine: reads the inputs of k.LStVar, writes its outputs.
  virtual void Lohnsteuer() = 0;

  // Income-tax routine (from 2002): tariff tax in whole currency units for a
  // taxable income; leaves SOLZLZZ and BK for the pay period LZZ.
  virtual bool HatEinkommensteuer() const { return false; }
  virtual std::int64_t Einkommensteuer(std::uint8_t stkl, std::uint8_t kztab, std::int64_t zve) {
    (void)stkl; (void)kztab; (void)zve;
    return 0;
  }
  // The surcharge and the church-tax base the income-tax routine leaves for
  // a yearly tax in whole currency units computed otherwise (one-fifth rule
  // of section 34 EStG): SOLZLZZ and BK as after Einkommensteuer.
  virtual void Zuschlaege(std::uint8_t kztab, std::int64_t steuer) {
    (void)kztab; (void)steuer;
  }

  // Whether the program can compute the tariff through its own tariff step
  // (UPMLST, MSOLZ) without an income-tax routine: the years 1995 to 2001
  // use it for their income-tax display.
  virtual bool HatTarifschritt() const { return HatEinkommensteuer(); }

  // Table routine (from 2004): tax of one bracket in k.LStVar, computed in
  // the table mode of the flowchart; returns the yearly wage in cents at
  // which the next bracket starts.
  virtual bool HatTabelle() const { return false; }
  virtual std::int64_t Tabelle(TTabellenArgumente& a) { (void)a; return 0; }

  // The taxable income per tariff unit of the last tariff run, in whole
  // currency units, and its tariff (1 basic, 2 splitting); the income-tax
  // display takes them over after a calculation.
  virtual double LetzteTarifeinheit() const { return 0; }
  virtual int LetzterKZTAB() const { return 1; }

  // The average additional health contribution rate in percent that the
  // flowchart's tables compute with, as announced for its year (from 2015;
  // 0 before).
  virtual double DurchschnittlicherZusatzbeitrag() const { return 0; }

  // The social insurance's figures in the flowchart's tables (from 2013).
  virtual TFlussplanSVWerte SVWerte() const { return {}; }

 protected:
  TLStZustand& k_;
  TLStVariablen& v_;
};

// The last year whose flowchart reads the pay-period allowance and addition
// as WFUNDF and HINZUR (from 2008: LZZFREIB and LZZHINZU).
constexpr int kLetztesJahrMitWFUNDF = 2007;

// The largest KRV of a year's flowchart: up to 2009 0 (insured in the
// statutory pension insurance) and 1 (not insured); from 2010 also 2
// (1 = insured, East ceiling; 2 = not insured); from 2025 again 0 and 1
// (one ceiling; 1 = not insured).
constexpr int HoechsterKRV(int jahr) { return jahr < 2010 ? 1 : jahr < 2025 ? 2 : 1; }

// The factory of each version, named in its row of versionen.inc and
// defined in the version's module.
#define LST_VERSION(fabrik, ...) std::unique_ptr<TLohnsteuerProgramm> fabrik(TLStZustand& k);
#include "lohnsteuer/versionen.inc"
#undef LST_VERSION

// The program of a version (a number of kLStVersionen), or nullptr.
std::unique_ptr<TLohnsteuerProgramm> ErzeugeLohnsteuerVersion(int version, TLStZustand& k);

// The average additional health contribution rate of the flowchart in force
// in a pay month of a year (TLohnsteuerProgramm::DurchschnittlicherZusatzbeitrag);
// 0 for a year without a flowchart.
double DurchschnittlicherZusatzbeitrag(int jahr, int monat = 12);

}  // namespace lst
