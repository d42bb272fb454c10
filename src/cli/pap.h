#pragma once
// Conformance mode: runs a year's wage-tax program directly on the flowchart's
// own inputs, one CSV row per case.

#include <array>
#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "lohnsteuer/globale_lst_var.h"
#include "lohnsteuer/werk.h"

namespace lst::pap {

// Names of the input columns, in the order of the header.
extern const std::array<const char*, 34> kEingaben;
// Names of the output columns.
extern const std::array<const char*, 9> kAusgaben;
// Inputs of the flowcharts from 2015 (0 where a file or version lacks them).
extern const std::array<const char*, 5> kNeueEingaben;
// Outputs of the flowcharts from 2012 after the nine above; written only for
// a file that has the new inputs, empty where the version lacks them.
extern const std::array<const char*, 8> kNeueAusgaben;
constexpr std::size_t kAlleAusgaben = 9 + 8;

struct TPapFall {
  int Jahr = 2013;
  // The flowchart named in the column year ("2015dez"; a number of
  // kLStVersionen), or -1 for a year without versions.
  int Version = -1;
  std::int64_t GFB = 8130;
  TLStVariablen Var;  // inputs set, outputs 0
};

// Splits a CSV line at commas (no quoting in this format).
std::vector<std::string_view> Felder(std::string_view zeile);
// The same into a vector kept across rows.
void Felder(std::string_view zeile, std::vector<std::string_view>& felder);

// Maps the columns of a header to the inputs.  Extra columns are allowed and
// ignored by Lesen; a row with more or fewer fields than the header is
// refused, and so is a negative amount.
class TPapLeser {
 public:
  // false with a German message when an input column is missing.
  bool Kopf(std::string_view zeile, std::string& fehler);
  // false with a German message when the row cannot be read.
  bool Lesen(std::string_view zeile, TPapFall& fall, std::string& fehler) const;
  // Index of a named column, or -1.
  int Spalte(std::string_view name) const;

 private:
  std::vector<std::string> namen_;
  std::array<int, 34> index_{};
  std::array<int, 5> neuIndex_{};
  mutable std::vector<std::string_view> felder_;
  int gfb_ = -1;
};

// Runs the program of the case's year; returns the nine outputs.
// Throws TLStFehler for a year without a program.
std::array<std::int64_t, 9> Berechnen(TFlussplanWerk& k, const TPapFall& fall);

// All outputs of kAusgaben and kNeueAusgaben; vorhanden says which of them
// the case's flowchart has.
std::array<std::int64_t, kAlleAusgaben> BerechnenAlle(TFlussplanWerk& k, const TPapFall& fall,
                                                      std::array<bool, kAlleAusgaben>& vorhanden);

// The whole mode: CSV in, CSV out, messages to fehler; returns the exit status:
// 0, 1 when a row failed, 2 when the header cannot be used.
int Strom(std::istream& ein, std::ostream& aus, std::ostream& fehler);

}  // namespace lst::pap
