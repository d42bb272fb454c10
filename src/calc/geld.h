#pragma once
// Money and rounding.
//
// Every amount of money is an int64 of the smallest unit of the tax year's
// currency (pfennigs up to 2001, cents of Euro from 2002).  Inside the wage-tax
// programs intermediate values are doubles in whole currency units; they are
// rounded only through the helpers below.  Each helper first removes the
// representation error of a floating-point product by a decimal round trip of
// at most 15 significant digits, so that 0.29 * 100 gives 29 and not 28.

#include <cstdint>

namespace lst {

// x rounded to at most 15 significant decimal digits (the value of the
// shortest decimal text of x with at most 15 significant digits).
double Dezimal15(double x);

// Truncation toward zero after the decimal round trip.
std::int64_t Abschneiden(double x);
// Half away from zero: Abschneiden(x + 0.5) for x >= 0, Abschneiden(x - 0.5) below.
std::int64_t Runden(double x);
// Away from zero: the next integer when the decimal text has a fraction.
std::int64_t Aufrunden(double x);

// The helpers above applied to x * 10^n, divided by 10^n (n decimals kept).
double AbschneidenStellen(int n, double x);
double AufrundenStellen(int n, double x);
double RundenStellen(int n, double x);

// Solidarity-surcharge rate in percent of a tax year (7.5 for 1995 to 1997,
// 5.5 from 1998).
double SoliSatz(int jahr);

}  // namespace lst
