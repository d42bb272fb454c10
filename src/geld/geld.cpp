#include "geld/geld.h"

#include <charconv>
#include <cmath>

namespace lst {

namespace {

// The exact path: write 15 significant digits and read them back.
double RundeUeberText(double x) {
  char puffer[40];
  auto ende = std::to_chars(puffer, puffer + sizeof puffer, x, std::chars_format::general, 15);
  double y = x;
  std::from_chars(puffer, ende.ptr, y);
  return y;
}

std::int64_t AlsGanzzahl(double v) {
  if (std::isnan(v)) return 0;
  if (v >= 9.2e18) return INT64_MAX;
  if (v <= -9.2e18) return INT64_MIN;
  return static_cast<std::int64_t>(v);
}

}  // namespace

namespace detail {

std::int64_t AbschneidenGenau(double x) { return AlsGanzzahl(std::trunc(RundeUeberText(x))); }

std::int64_t AufrundenGenau(double x) {
  const double y = RundeUeberText(x);
  const double t = std::trunc(y);
  if (y == t) return AlsGanzzahl(t);
  return AlsGanzzahl(y > 0 ? t + 1 : t - 1);
}

double ZehnHochLangsam(int n) { return std::pow(10.0, n); }

}  // namespace detail

double Dezimal15(double x) {
  if (x == 0.0 || !std::isfinite(x)) return x;
  if (std::fabs(x) < 1e15) {
    const double n = detail::NaechsteGanzzahl(x);
    if (detail::WirdGanzzahl(std::fabs(x - n), std::fabs(x))) return n;
  }
  return RundeUeberText(x);
}

double SoliSatz(int jahr) { return jahr <= 1997 ? 7.5 : 5.5; }

}  // namespace lst
