#include "ui/tools/anzeige.h"

#include <QWidget>
#include <QWindow>

#include <cmath>

#include "calc/anzeige.h"

namespace lst {

QLocale AnzeigeLocale() {
  // Asked for every label of the graph: looked up once.
  static const QLocale locale = [] {
    const QLocale system = QLocale::system();
    return system.language() == QLocale::German ? system : QLocale(QLocale::German, QLocale::Germany);
  }();
  return locale;
}

QString GeldText(int jahr, bool euro, std::int64_t cent) { return GeldText(euro, AnzeigeWert(jahr, euro, cent)); }

QString GeldText(bool euro, double betrag) {
  if (!std::isfinite(betrag)) return QStringLiteral("-");
  return ZahlText(betrag) + QChar(' ') + QString::fromLatin1(Waehrungszeichen(euro));
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

QString CsvFeld(QString text) {
  if (text.contains(QChar(';')) || text.contains(QChar('"')) || text.contains(QChar('\n'))) {
    text.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    text = QChar('"') + text + QChar('"');
  }
  return text;
}

}  // namespace lst
