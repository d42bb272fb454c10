#pragma once
// A slip from command-line options inside the test process: the options
// set one by one as the command line sets them, prepared as berechnen
// prepares them.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "calc/abrechnung.h"
#include "calc/parameter.h"
#include "cli/eingabe.h"

namespace lst::test {

using TOptionen = std::vector<std::pair<std::string, std::string>>;

// The request and its parameters, or the message of a refusal.
struct TVorbereitet {
  TParameter P;
  TAnfrage A;
  std::string Fehler;
};

// A flag is given without a value.
inline TVorbereitet Vorbereiten(const TOptionen& optionen) {
  cli::TEingabe e;
  TVorbereitet v;
  for (const auto& [name, wert] : optionen) {
    v.Fehler = cli::OptionSetzen(e, name, wert.empty() ? "1" : wert);
    if (!v.Fehler.empty()) return v;
  }
  v.Fehler = cli::Vorbereiten(e, v.P, v.A);
  return v;
}

inline TMonatsErgebnis Rechnen(const TOptionen& optionen) {
  const TVorbereitet v = Vorbereiten(optionen);
  EXPECT_EQ(v.Fehler, "");
  return Abrechnen(v.P, v.A);
}

// Cents as an option's amount: "1234,05".
inline std::string Euro(std::int64_t cent) {
  const std::string rest = std::to_string(cent % 100);
  return std::to_string(cent / 100) + "," + (rest.size() < 2 ? "0" : "") + rest;
}

}  // namespace lst::test
