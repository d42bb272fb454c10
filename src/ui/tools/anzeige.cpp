#include "ui/tools/anzeige.h"

#include <QWidget>
#include <QWindow>

#include <cmath>

namespace lst {

QLocale AnzeigeLocale() {
  const QLocale system = QLocale::system();
  if (system.language() == QLocale::German) return system;
  return QLocale(QLocale::German, QLocale::Germany);
}

namespace {

QString Symbol(const TRechenKontext& k) {
  return k.Waehrung == "EUR" ? QStringLiteral("€") : QString::fromStdString(k.Waehrung);
}

}  // namespace

QString GeldText(TRechenKontext& k, std::int64_t cent) {
  const double betrag = AusCent(k, cent);
  return GeldText(static_cast<const TRechenKontext&>(k), betrag);
}

QString GeldText(const TRechenKontext& k, double betrag) {
  if (!std::isfinite(betrag)) return QStringLiteral("-");
  return ZahlText(betrag) + QChar(' ') + Symbol(k);
}

QString ZahlText(double wert) {
  if (!std::isfinite(wert)) return QStringLiteral("-");
  // No "-0,00" for tiny negative values.
  if (std::fabs(wert) < 0.005) wert = 0;
  QLocale l = AnzeigeLocale();
  l.setNumberOptions(QLocale::DefaultNumberOptions);
  return l.toString(wert, 'f', 2);
}

void UeberFenster(QWidget* werkzeug, QWidget* rechner) {
  if (werkzeug == nullptr || rechner == nullptr) return;
  werkzeug->winId();
  rechner->winId();
  if (werkzeug->windowHandle() != nullptr && rechner->windowHandle() != nullptr) {
    werkzeug->windowHandle()->setTransientParent(rechner->windowHandle());
  }
}

}  // namespace lst
