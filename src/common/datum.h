#pragma once
// Calendar dates as a German user types and reads them.

#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace lst {

struct TDatum {
  int Jahr = 0;
  int Monat = 0;
  int Tag = 0;
  friend auto operator<=>(const TDatum&, const TDatum&) = default;
};

// The days of a month of a year (February 29 in leap years).
int TageImMonat(int jahr, int monat);

// Reads "15.03.2025", "1.3.2025" or "2025-03-15"; nothing for text that is
// no date of the calendar (31.04.2025) or whose year lies outside 1900 to
// 2100.
std::optional<TDatum> DatumLesen(std::string_view text);

// "15.03.2025".
std::string DatumText(const TDatum& d);

}  // namespace lst
