#include "calc/geld.h"

#include <charconv>
#include <cmath>
#include <iterator>

namespace lst {

namespace {

// The slow but exact path: write 15 significant digits and read them back.
double RundeUeberText(double x) {
  char puffer[40];
  auto ende = std::to_chars(puffer, puffer + sizeof puffer, x, std::chars_format::general, 15);
  double y = x;
  std::from_chars(puffer, ende.ptr, y);
  return y;
}

// Where x lies with respect to its nearest integer n after rounding to 15
// significant digits.  Decided by comparing numbers: a value whose distance to
// n is clearly above the 15-digit half step keeps its fraction, one clearly
// below it becomes n; only the narrow band between needs the text round trip.
enum class Lage { Ganz, Bruch, Unklar };

inline Lage LageZurGanzzahl(double x, double n) {
  const double ax = std::fabs(x);
  if (!(ax < 1e15)) return Lage::Unklar;  // also NaN and infinity
  const double d = std::fabs(x - n);
  if (d == 0.0) return Lage::Ganz;
  if (d > ax * 1e-14) return Lage::Bruch;
  if (d < ax * 4e-16) return Lage::Ganz;
  return Lage::Unklar;
}

inline std::int64_t AlsGanzzahl(double v) {
  if (std::isnan(v)) return 0;
  if (v >= 9.2e18) return INT64_MAX;
  if (v <= -9.2e18) return INT64_MIN;
  return static_cast<std::int64_t>(v);
}

constexpr double kZehnerPotenz[] = {1.0, 10.0, 100.0, 1000.0, 10000.0, 100000.0, 1000000.0};

inline double ZehnHoch(int n) {
  if (n >= 0 && n < static_cast<int>(std::size(kZehnerPotenz))) return kZehnerPotenz[n];
  return std::pow(10.0, n);
}

}  // namespace

double Dezimal15(double x) {
  if (x == 0.0 || !std::isfinite(x)) return x;
  const double n = std::nearbyint(x);
  switch (LageZurGanzzahl(x, n)) {
    case Lage::Ganz: return n;
    case Lage::Bruch:
    case Lage::Unklar: break;
  }
  return RundeUeberText(x);
}

std::int64_t Abschneiden(double x) {
  const double n = std::nearbyint(x);
  switch (LageZurGanzzahl(x, n)) {
    case Lage::Ganz: return AlsGanzzahl(n);
    case Lage::Bruch: return AlsGanzzahl(std::trunc(x));
    case Lage::Unklar: break;
  }
  return AlsGanzzahl(std::trunc(RundeUeberText(x)));
}

std::int64_t Runden(double x) {
  return x >= 0 ? Abschneiden(x + 0.5) : Abschneiden(x - 0.5);
}

std::int64_t Aufrunden(double x) {
  const double n = std::nearbyint(x);
  switch (LageZurGanzzahl(x, n)) {
    case Lage::Ganz: return AlsGanzzahl(n);
    case Lage::Bruch: return AlsGanzzahl(x > 0 ? std::ceil(x) : std::floor(x));
    case Lage::Unklar: break;
  }
  const double y = RundeUeberText(x);
  const double t = std::trunc(y);
  if (y == t) return AlsGanzzahl(t);
  return AlsGanzzahl(y > 0 ? t + 1 : t - 1);
}

double AbschneidenStellen(int n, double x) {
  const double p = ZehnHoch(n);
  return static_cast<double>(Abschneiden(x * p)) / p;
}

double AufrundenStellen(int n, double x) {
  const double p = ZehnHoch(n);
  return static_cast<double>(Aufrunden(x * p)) / p;
}

double RundenStellen(int n, double x) {
  const double p = ZehnHoch(n);
  return static_cast<double>(Runden(x * p)) / p;
}

double SoliSatz(int jahr) { return jahr <= 1997 ? 7.5 : 5.5; }

}  // namespace lst
