#pragma once
// Number and money texts of the tool windows.

#include <QLocale>
#include <QString>

#include <cstdint>

class QWidget;

namespace lst {

// The locale of the shown numbers: the system's when it is German, German
// otherwise.
QLocale AnzeigeLocale();

// An amount of the year's currency (cents) as money of the display
// currency ("1.234,56 EUR").
QString GeldText(int jahr, bool euro, std::int64_t cent);
// An amount already in the display currency.
QString GeldText(bool euro, double betrag);

// A cell of a CSV file the tools write (separator ";"): in quotes, with
// quotes doubled, where it holds the separator, a quote or a line break.
QString CsvFeld(QString text);

// A number with two decimals and thousands separators ("%n").
QString ZahlText(double wert);

// Makes a tool window stay above the calculator window without becoming its
// child (the calculator finds its own controls by name among its children).
void UeberFenster(QWidget* werkzeug, QWidget* rechner);

}  // namespace lst
