#include "ui/tools/jahres_grafik.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

#include "calc/anzeige.h"
#include "ui/tools/anzeige.h"

namespace lst {

namespace {

const QColor kNettoFarbe(0x1f, 0x5f, 0xb4);
const QColor kKostenFarbe(0xc0, 0x50, 0x10);
const QColor kGitterFarbe(0xd8, 0xd8, 0xd8);
const QColor kTextFarbe(0x40, 0x40, 0x40);

// A whole amount with thousands separators ("3.500"), with decimals only
// where the step of the axis has them.
QString AchsenText(double wert, double schritt) {
  const int stellen = schritt >= 1 && std::fabs(schritt - std::round(schritt)) < 1e-9 ? 0 : 2;
  if (std::fabs(wert) < 0.005) wert = 0;
  return AnzeigeLocale().toString(wert, 'f', stellen);
}

}  // namespace

TJahresGrafik::TJahresGrafik(QWidget* eltern) : QWidget(eltern) {
  setObjectName(QStringLiteral("JahresGrafik"));
  setAutoFillBackground(false);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setToolTip(QStringLiteral("Nettolohn und Lohnkosten je Jahr"));
}

QSize TJahresGrafik::minimumSizeHint() const {
  const QFontMetrics fm(font());
  return {fm.horizontalAdvance(QStringLiteral("000.000  2000  2000  2000")), fm.height() * 9};
}

QSize TJahresGrafik::sizeHint() const {
  const QFontMetrics fm(font());
  return {fm.horizontalAdvance(QLatin1Char('0')) * 80, fm.height() * 14};
}

void TJahresGrafik::Leeren() {
  punkte_.clear();
  waehrung_.clear();
  update();
}

void TJahresGrafik::Setzen(const TJahresvergleich& v) {
  punkte_.clear();
  for (const TVergleichsJahr& j : v.Jahre) {
    TPunkt p;
    p.Jahr = j.Jahr;
    if (j.Berechnet()) {
      p.Netto = static_cast<double>(j.Anzeige.Netto) / 100;
      p.Kosten = static_cast<double>(j.Anzeige.AGGesamt) / 100;
    }
    punkte_.push_back(p);
  }
  waehrung_ = QString::fromLatin1(Waehrungszeichen(v.Euro));
  skala_ = VergleichsSkala(v);
  update();
}

void TJahresGrafik::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  const QFontMetrics fm(font());
  const int zeile = fm.height();

  bool werte = false;
  for (const TPunkt& pk : punkte_) werte = werte || pk.Netto.has_value();
  if (!werte) {
    p.setPen(kTextFarbe);
    p.drawText(rect(), Qt::AlignCenter,
               punkte_.empty() ? QStringLiteral("Keine Jahre zum Vergleichen") : QStringLiteral("Keine Beträge"));
    return;
  }
  const double unten = skala_.Unten;
  const double oben = skala_.Oben;
  const double schritt = skala_.Schritt;

  // The room of the labels: the widest amount left, the years below, the
  // legend above.
  int textBreite = fm.horizontalAdvance(waehrung_);
  for (double w = unten; w <= oben + schritt / 2; w += schritt) {
    textBreite = std::max(textBreite, fm.horizontalAdvance(AchsenText(w, schritt)));
  }
  const QRectF flaeche(textBreite + 12, zeile * 2 + 4, std::max(10, width() - textBreite - 12 - 16),
                       std::max(10, height() - zeile * 2 - 4 - zeile - 10));
  const auto y = [&](double w) { return flaeche.bottom() - (w - unten) / (oben - unten) * flaeche.height(); };
  const int erstes = punkte_.front().Jahr;
  const int letztes = punkte_.back().Jahr;
  // Years by their distance; a single year in the middle.  Half a year of
  // room at both ends keeps the points off the frame.
  const auto x = [&](int jahr) {
    if (letztes == erstes) return flaeche.center().x();
    return flaeche.left() + (jahr - erstes + 0.5) / (letztes - erstes + 1.0) * flaeche.width();
  };

  // Grid and amounts.
  p.setPen(QPen(kGitterFarbe, 1));
  for (double w = unten; w <= oben + schritt / 2; w += schritt) p.drawLine(QPointF(flaeche.left(), y(w)), QPointF(flaeche.right(), y(w)));
  p.setPen(kTextFarbe);
  for (double w = unten; w <= oben + schritt / 2; w += schritt) {
    const QString t = AchsenText(w, schritt);
    p.drawText(QRectF(0, y(w) - zeile / 2.0, textBreite + 6, zeile), Qt::AlignRight | Qt::AlignVCenter, t);
  }
  p.drawText(QRectF(0, flaeche.top() - zeile - 6, textBreite + 6, zeile), Qt::AlignRight | Qt::AlignBottom,
             waehrung_);
  p.setPen(QPen(kTextFarbe, 1));
  p.drawLine(flaeche.bottomLeft(), flaeche.bottomRight());
  p.drawLine(flaeche.bottomLeft(), flaeche.topLeft());

  // The years below, as many as fit side by side.
  const int jahrBreite = fm.horizontalAdvance(QStringLiteral("0000")) + 8;
  const double abstand = punkte_.size() > 1 ? flaeche.width() / (letztes - erstes + 1.0) : flaeche.width();
  const int jede = std::max(1, static_cast<int>(std::ceil(jahrBreite / std::max(abstand, 1.0))));
  // Every jede-th year from the first, and the last; a label too close
  // before the last one gives way to it.
  const auto beschriftet = [&](int jahr) {
    if (jahr == letztes) return true;
    return (jahr - erstes) % jede == 0 && letztes - jahr >= jede;
  };
  for (const TPunkt& pk : punkte_) {
    const double px = x(pk.Jahr);
    p.drawLine(QPointF(px, flaeche.bottom()), QPointF(px, flaeche.bottom() + 4));
    if (!beschriftet(pk.Jahr)) continue;
    p.drawText(QRectF(px - jahrBreite / 2.0, flaeche.bottom() + 5, jahrBreite, zeile), Qt::AlignCenter,
               QString::number(pk.Jahr));
  }

  // The two lines, broken where a year has no figures, with a point per
  // year.
  const auto linie = [&](std::optional<double> TPunkt::*wert, const QColor& farbe) {
    p.setPen(QPen(farbe, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath pfad;
    bool offen = false;
    for (const TPunkt& pk : punkte_) {
      if (!(pk.*wert)) {
        offen = false;
        continue;
      }
      const QPointF q(x(pk.Jahr), y(*(pk.*wert)));
      if (offen) pfad.lineTo(q);
      else pfad.moveTo(q);
      offen = true;
    }
    p.drawPath(pfad);
    p.setBrush(farbe);
    p.setPen(QPen(Qt::white, 1));
    for (const TPunkt& pk : punkte_) {
      if (pk.*wert) p.drawEllipse(QPointF(x(pk.Jahr), y(*(pk.*wert))), 3.5, 3.5);
    }
    p.setBrush(Qt::NoBrush);
  };
  linie(&TPunkt::Kosten, kKostenFarbe);
  linie(&TPunkt::Netto, kNettoFarbe);

  // The legend above the plot.
  double lx = flaeche.left();
  const double ly = zeile / 2.0 + 4;
  for (const auto& [text, farbe] : {std::pair{QStringLiteral("Nettolohn"), kNettoFarbe},
                                    std::pair{QStringLiteral("Lohnkosten"), kKostenFarbe}}) {
    p.setPen(QPen(farbe, 2.2));
    p.drawLine(QPointF(lx, ly + zeile / 2.0), QPointF(lx + 22, ly + zeile / 2.0));
    p.setPen(kTextFarbe);
    p.drawText(QRectF(lx + 28, ly, fm.horizontalAdvance(text) + 4, zeile), Qt::AlignLeft | Qt::AlignVCenter, text);
    lx += 28 + fm.horizontalAdvance(text) + 24;
  }
}

}  // namespace lst
