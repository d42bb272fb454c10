#pragma once
// Money and rounding.
//
// Every amount of money is an int64 of the smallest unit of the tax year's
// currency (pfennigs up to 2001, cents of Euro from 2002).  Inside the wage-tax
// programs intermediate values are doubles in whole currency units; they are
// rounded only through the helpers below.  Each helper first removes the
// representation error of a floating-point product by a decimal round trip of
// at most 15 significant digits, so that 0.29 * 100 gives 29 and not 28.

#include <cmath>
#include <cstdint>

namespace lst {

// x rounded to at most 15 significant decimal digits (the value of the
// shortest decimal text of x with at most 15 significant digits).
double Dezimal15(double x);

namespace detail {

// The 15-digit grid around x (|x| < 1e15) has half a step between
// 5e-16 * |x| and 5e-15 * |x|.  A distance d to the nearest integer n above
// the upper bound keeps the fraction; one at or below the lower bound makes
// x become n; only the band between needs the exact decimal text.
inline bool BleibtBruch(double d, double ax) { return d > ax * 1e-14; }
inline bool WirdGanzzahl(double d, double ax) { return d <= ax * 5e-16; }

// Nearest integer of |x| < 1e15 (ties either way), without a library call.
inline double NaechsteGanzzahl(double x) {
  return static_cast<double>(static_cast<std::int64_t>(x + std::copysign(0.5, x)));
}

std::int64_t AbschneidenGenau(double x);
std::int64_t AufrundenGenau(double x);

}  // namespace detail

// Truncation toward zero after the decimal round trip.  The fast path
// decides by one branch whether the grid tests settle the value and then
// selects without branching, so that integral and fractional values mixed
// at random cost no mispredictions.
inline std::int64_t Abschneiden(double x) {
  const double ax = std::fabs(x);
  if (ax < 1e15) [[likely]] {
    const double n = detail::NaechsteGanzzahl(x);
    const double d = std::fabs(x - n);
    const bool ganz = detail::WirdGanzzahl(d, ax);
    const bool bruch = detail::BleibtBruch(d, ax);
    // Selection by mask: a compiler turns a plain select into jumps here.
    const std::int64_t maske = -static_cast<std::int64_t>(ganz);
    const auto wert = (static_cast<std::int64_t>(n) & maske) | (static_cast<std::int64_t>(x) & ~maske);
    if (static_cast<int>(ganz) + static_cast<int>(bruch) != 0) [[likely]] return wert;
  }
  return detail::AbschneidenGenau(x);
}

// Half away from zero: Abschneiden(x + 0.5) for x >= 0, Abschneiden(x - 0.5) below.
inline std::int64_t Runden(double x) { return Abschneiden(x + std::copysign(0.5, x)); }

// Away from zero: the next integer when the decimal text has a fraction.
inline std::int64_t Aufrunden(double x) {
  const double ax = std::fabs(x);
  if (ax < 1e15) [[likely]] {
    const double n = detail::NaechsteGanzzahl(x);
    const double d = std::fabs(x - n);
    const bool ganz = detail::WirdGanzzahl(d, ax);
    const bool bruch = detail::BleibtBruch(d, ax);
    const std::int64_t maske = -static_cast<std::int64_t>(ganz);
    const auto t = static_cast<std::int64_t>(x);
    const auto weg = t + 2 * static_cast<std::int64_t>(x > 0) - 1;
    const auto wert = (static_cast<std::int64_t>(n) & maske) | (weg & ~maske);
    if (static_cast<int>(ganz) + static_cast<int>(bruch) != 0) [[likely]] return wert;
  }
  return detail::AufrundenGenau(x);
}

namespace detail {
double ZehnHochLangsam(int n);
inline constexpr double kZehnerPotenz[] = {1.0, 10.0, 100.0, 1000.0, 10000.0, 100000.0, 1000000.0};
inline double ZehnHoch(int n) { return n >= 0 && n <= 6 ? kZehnerPotenz[n] : ZehnHochLangsam(n); }
}  // namespace detail

// The helpers above applied to x * 10^n, divided by 10^n (n decimals kept).
inline double AbschneidenStellen(int n, double x) {
  const double p = detail::ZehnHoch(n);
  return static_cast<double>(Abschneiden(x * p)) / p;
}
inline double AufrundenStellen(int n, double x) {
  const double p = detail::ZehnHoch(n);
  return static_cast<double>(Aufrunden(x * p)) / p;
}
inline double RundenStellen(int n, double x) {
  const double p = detail::ZehnHoch(n);
  return static_cast<double>(Runden(x * p)) / p;
}

// Deutsche Mark per Euro, the fixed rate of conversion.
inline constexpr double kDMFaktor = 1.95583;

// Solidarity-surcharge rate in percent of a tax year (7.5 for 1995 to 1997,
// 5.5 from 1998).
double SoliSatz(int jahr);

}  // namespace lst
