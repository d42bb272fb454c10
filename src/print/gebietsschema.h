#pragma once
// Numbers and money as German users read them on paper.

#include <QLocale>
#include <QString>
#include <string>

namespace lst::druck {

// The system locale when it is German, otherwise German (Germany).
QLocale Gebietsschema();

// An amount in the display currency in the locale's money format: two
// decimals, thousands separators and the currency symbol AusCent leaves
// ("1.234,56 EUR"; "DM" for the years before 2002), as the calculator
// window shows its results.
QString GeldText(double betrag, const std::string& waehrung);

// A number as typed into an amount field, read as an amount: "3000",
// "3.000,50", "3000.5" (text that is not a number, and empty text, give 0).
double FeldZahl(const QString& text);

}  // namespace lst::druck
