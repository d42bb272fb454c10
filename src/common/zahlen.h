#pragma once
// Numbers as a German user types and reads them.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lst {

// Reads an amount as typed: "3000", "3000,50", "3.000,50", "3000.50",
// "-12,5", optionally followed by "€", "EUR" or "DM".  A point followed by
// groups of exactly three digits is a thousands separator ("3.000"), any
// other point a decimal point.  Returns nothing for text that is no number.
std::optional<double> BetragLesen(std::string_view text);

// Reads a plain decimal number with comma or point ("0,5", "1.5").
std::optional<double> ZahlLesen(std::string_view text);

// Reads a whole number.
std::optional<std::int64_t> GanzzahlLesen(std::string_view text);

// "1.234,56" (two decimals, thousands separators) for cents.
std::string CentAlsText(std::int64_t cent);

// A displayed amount (already converted to the display currency) with two
// decimals and thousands separators, rounded half away from zero.
std::string BetragAlsText(double betrag);

}  // namespace lst
