#pragma once
// Numbers as a German user types and reads them.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lst {

// Reads an amount as typed: "3000", "3000,50", "3.000,50", "3000.50",
// "-12,5".  A point followed by groups of exactly three digits is a
// thousands separator ("3.000"), any other point a decimal point.  Returns
// nothing for text that is no amount: text after the number (a currency such
// as "3000DM" is no part of the amount), more than two decimals ("3,505"),
// and a zero leading a thousands group ("0003.000", "0.500"), which cannot
// be told from a decimal point.
std::optional<double> BetragLesen(std::string_view text);

// The amount of a number field of the calculator window as its text stands:
// like BetragLesen, but with any number of decimals, an optional "€", "EUR"
// or "DM" after it and no test of leading zeros (what such a field holds
// while the user types; the window computes with the same text).
std::optional<double> FeldBetragLesen(std::string_view text);

// Reads a plain decimal number with comma or point ("0,5", "1.5").
std::optional<double> ZahlLesen(std::string_view text);

// The decimals of a number as typed: the digits after its last comma or
// point, trailing zeros not counted ("1,705" 3, "1,70" 1, "2" 0).
int Nachkommastellen(std::string_view text);

// Reads a whole number.
std::optional<std::int64_t> GanzzahlLesen(std::string_view text);

// "1.234,56" (two decimals, thousands separators) for cents.
std::string CentAlsText(std::int64_t cent);

// A displayed amount (already converted to the display currency) with two
// decimals and thousands separators, rounded half away from zero.
std::string BetragAlsText(double betrag);

}  // namespace lst
