#pragma once
// The statutory tables of the pension allowance (TAB1 to TAB3) and the age
// relief (TAB4, TAB5), rows 1 (2005 and earlier) to 36 (2040 and later).
// Percentages are held as thousandths and divided once, so that each fraction
// is the double nearest to its decimal value.

#include <array>
#include <cstdint>

namespace lst::versorgung {

constexpr int kZeilen = 36;

// Thousandths of row n (1-based): 400 falling by 16 to 160 (row 16), then by 8 to 0.
constexpr int Promille(int n) { return n <= 16 ? 400 - 16 * (n - 1) : 160 - 8 * (n - 16); }

constexpr std::array<double, kZeilen + 1> MacheTAB1() {
  std::array<double, kZeilen + 1> t{};
  for (int n = 1; n <= kZeilen; ++n) t[n] = Promille(n) / 1000.0;
  return t;
}
constexpr std::array<std::int64_t, kZeilen + 1> MacheBetrag(int faktorHundertstel) {
  std::array<std::int64_t, kZeilen + 1> t{};
  for (int n = 1; n <= kZeilen; ++n) t[n] = Promille(n) * faktorHundertstel / 100;
  return t;
}

// Percentage of the pension allowance and of the age relief.
inline constexpr auto TAB1 = MacheTAB1();
inline constexpr auto TAB4 = MacheTAB1();
// Maximum pension allowance (3000 down to 0), supplement (900 down to 0),
// maximum age relief (1900 down to 0), in whole Euro.
inline constexpr auto TAB2 = MacheBetrag(750);
inline constexpr auto TAB3 = MacheBetrag(225);
inline constexpr auto TAB5 = MacheBetrag(475);

// Row of a calendar year (VJAHR, AJAHR).
constexpr int Zeile(std::int32_t jahr) {
  if (jahr <= 2005) return 1;
  if (jahr >= 2040) return kZeilen;
  return jahr - 2004;
}

static_assert(TAB2[1] == 3000 && TAB3[1] == 900 && TAB5[1] == 1900);
static_assert(TAB2[9] == 2040 && TAB3[9] == 612 && TAB5[9] == 1292);
static_assert(TAB2[16] == 1200 && TAB3[16] == 360 && TAB5[16] == 760);
static_assert(TAB2[36] == 0 && TAB3[36] == 0 && TAB5[36] == 0);

}  // namespace lst::versorgung
