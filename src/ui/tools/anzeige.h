#pragma once
// Number and money texts of the tool windows.

#include <QLocale>
#include <QString>

#include <cstdint>

#include "calc/kontext.h"

class QWidget;

namespace lst {

// The locale of the shown numbers: the system's when it is German, German
// otherwise.
QLocale AnzeigeLocale();

// A stored amount as money of the display currency ("1.234,56 EUR").
QString GeldText(TRechenKontext& k, std::int64_t cent);
// An amount already in the display currency.
QString GeldText(const TRechenKontext& k, double betrag);

// A number with two decimals and thousands separators ("%n").
QString ZahlText(double wert);

// Makes a tool window stay above the calculator window without becoming its
// child (the calculator finds its own controls by name among its children).
void UeberFenster(QWidget* werkzeug, QWidget* rechner);

}  // namespace lst
