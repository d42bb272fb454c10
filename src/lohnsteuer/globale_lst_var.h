#pragma once
// Inputs and outputs of the wage-tax programs, shared by the programs of all
// years.  The names are those of the published machine wage-tax flowcharts.
// Amounts are cents (pfennigs before 2002) of the year's currency.

#include <cstdint>

namespace lst {

struct TLStVariablen {
  // --- inputs ---  (the amounts first, the small fields together after
  // them: no padding between, which keeps a case small to copy)
  std::int64_t RE4 = 0;
  std::int64_t VBEZ = 0;
  std::int64_t VBEZM = 0;
  std::int64_t VBEZS = 0;
  std::int64_t LZZFREIB = 0;
  std::int64_t LZZHINZU = 0;
  std::int64_t WFUNDF = 0;   // pay-period allowance of the programs up to 2007
  std::int64_t HINZUR = 0;   // pay-period addition of the programs up to 2007
  std::int64_t PKPV = 0;
  std::int64_t SONSTB = 0;
  std::int64_t VBS = 0;
  std::int64_t VMT = 0;
  std::int64_t VKAPA = 0;
  std::int64_t STERBE = 0;
  std::int64_t JRE4 = 0;
  std::int64_t JVBEZ = 0;
  std::int64_t JFREIB = 0;
  std::int64_t JHINZU = 0;
  std::int64_t ENTSCH = 0;
  std::int64_t JRE4ENT = 0;
  std::int64_t SONSTENT = 0;
  double ZKF = 0.0;
  double f = 1.0;
  // inputs of the flowcharts from 2015 on (0 where a version lacks them)
  double KVZ = 0.0;               // additional health contribution rate in percent
  std::int64_t MBV = 0;           // tax-free equity participation (from 2022)
  std::int64_t PKPVAGZ = 0;       // employer subsidy to private insurance (2026)
  std::int32_t AJAHR = 0;
  std::int32_t VJAHR = 0;
  std::uint8_t LZZ = 2;
  std::uint8_t STKL = 1;
  std::uint8_t R = 0;
  std::uint8_t KRV = 0;
  std::uint8_t ALTER1 = 0;
  std::uint8_t ZMVB = 0;
  std::uint8_t PKV = 0;
  std::uint8_t PVS = 0;
  std::uint8_t PVZ = 0;
  std::uint8_t af = 0;
  std::uint8_t PVA = 0;           // care-insurance child discounts (from 2024)
  std::uint8_t ALV = 0;           // 1 = not in the unemployment insurance (2026)

  // --- outputs ---
  std::int64_t LSTLZZ = 0;
  std::int64_t SOLZLZZ = 0;
  std::int64_t BK = 0;
  std::int64_t VKVLZZ = 0;
  std::int64_t STS = 0;
  std::int64_t SOLZS = 0;
  std::int64_t BKS = 0;
  std::int64_t STV = 0;
  std::int64_t SOLZV = 0;
  std::int64_t BKV = 0;
  std::int64_t VKVSONST = 0;
  // allowances used and taxable income above the basic allowance, for limiting
  // the tax on pensions under double-taxation agreements (from 2016)
  std::int64_t VFRB = 0;
  std::int64_t VFRBS1 = 0;
  std::int64_t VFRBS2 = 0;
  std::int64_t WVFRB = 0;
  std::int64_t WVFRBO = 0;
  std::int64_t WVFRBM = 0;

  // Bounds of the wage bracket of the current wage, in cents of the pay period.
  std::int64_t TabStufeVon = 0;
  std::int64_t TabStufeBis = 0;
};

}  // namespace lst
