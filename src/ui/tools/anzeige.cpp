#include "ui/tools/anzeige.h"

#include <QWidget>
#include <QWindow>

#include <cmath>

namespace lst {

QLocale AnzeigeLocale() {
  // Asked for every label of the graph: looked up once.
  static const QLocale locale = [] {
    const QLocale system = QLocale::system();
    return system.language() == QLocale::German ? system : QLocale(QLocale::German, QLocale::Germany);
  }();
  return locale;
}

namespace {

// The symbol of the display currency as the calculator shows it ("EUR", "DM").
QString Symbol(const TRechenKontext& k) { return QString::fromStdString(k.Waehrung); }

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
  static const QLocale l = [] {
    QLocale z = AnzeigeLocale();
    z.setNumberOptions(QLocale::DefaultNumberOptions);
    return z;
  }();
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
