#include "print/gebietsschema.h"

#include <cmath>

#include "geld/zahlen.h"

namespace lst::druck {

QLocale Gebietsschema() {
  const QLocale system;
  return system.language() == QLocale::German ? system : QLocale(QLocale::German, QLocale::Germany);
}

QString GeldText(double betrag, const std::string& waehrung) {
  // -0,00 is no amount a payslip shows.
  if (std::fabs(betrag) < 0.005) betrag = 0;
  return Gebietsschema().toCurrencyString(betrag, QString::fromStdString(waehrung), 2);
}

double FeldZahl(const QString& text) {
  const auto wert = FeldBetragLesen(text.trimmed().toStdString());
  return wert && std::isfinite(*wert) ? *wert : 0.0;
}

}  // namespace lst::druck
