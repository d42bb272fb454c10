#include "ui/tools/plott_zeichnung.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>

#include <algorithm>
#include <cmath>

#include "calc/werkzeuge.h"
#include "ui/tools/anzeige.h"

namespace lst {

void PlottZeichnen(QPainter& p, const QSize& flaeche, const TPlottAnsicht& a,
                   const std::vector<double>& werte, int schritt) {
  p.save();
  p.fillRect(QRect(QPoint(0, 0), flaeche), Qt::white);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setRenderHint(QPainter::TextAntialiasing, true);

  const int links = TPlottAnsicht::kLinks;
  const int oben = TPlottAnsicht::kOben;
  const QColor grau(0x80, 0x80, 0x80);
  QPen gitter(grau, 1, Qt::DotLine);
  gitter.setCosmetic(true);
  const QFontMetrics fm = p.fontMetrics();

  // Labels that would overlap are thinned out: every second or fifth.
  QString breitestes;
  for (int i = 0; i <= 10; ++i) {
    const QString t = ZahlText(a.XMin + i * (a.XMax - a.XMin) / 10);
    if (t.size() > breitestes.size()) breitestes = t;
  }
  const double spaltenAbstand = a.Breite / 10.0;
  const double zeilenAbstand = a.Hoehe / 10.0;
  const int xJede = fm.horizontalAdvance(breitestes) + 6 <= spaltenAbstand       ? 1
                    : fm.horizontalAdvance(breitestes) + 6 <= 2 * spaltenAbstand ? 2
                                                                                 : 5;
  const int yJede = fm.height() <= zeilenAbstand ? 1 : fm.height() <= 2 * zeilenAbstand ? 2 : 5;

  // Grid lines first, labels on top.
  p.setPen(gitter);
  for (int i = 0; i <= 10; ++i) {
    const double x = links + i * spaltenAbstand + 0.5;
    p.drawLine(QPointF(x, oben), QPointF(x, a.Hoehe + oben));
    const double y = oben + i * zeilenAbstand + 0.5;
    p.drawLine(QPointF(links, y), QPointF(a.Breite + links, y));
  }

  // Curve, clipped to the plot.
  p.save();
  p.setClipRect(QRectF(links - 1, oben - 1, a.Breite + 2, a.Hoehe + 2));
  QPen kurve(Qt::black, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.setPen(kurve);
  std::vector<QPointF> punkte;
  punkte.reserve(werte.size());
  const auto zeile = [&](double y) {
    // Far outside values stay finite and near the plot for the clip.
    const double z = oben + (a.YMax - y) / a.YProPixel;
    return std::clamp(z, -1e5, 1e5);
  };
  for (std::size_t i = 0; i < werte.size(); ++i) {
    punkte.emplace_back(links + static_cast<double>(i) * schritt, zeile(werte[i]));
  }
  if (punkte.size() > 1) p.drawPolyline(punkte.data(), static_cast<int>(punkte.size()));
  p.restore();

  // Labels: x centred below its line, y at the left edge on a white ground.
  p.setPen(grau);
  for (int i = 0; i <= 10; i += xJede) {
    const QString t = ZahlText(a.XMin + i * (a.XMax - a.XMin) / 10);
    const int b = fm.horizontalAdvance(t);
    const double x = links + i * spaltenAbstand - b / 2.0;
    p.drawText(QPointF(std::max(0.0, x), a.Hoehe + oben + 3 + fm.ascent()), t);
  }
  for (int i = 0; i <= 10; i += yJede) {
    const QString t = ZahlText(a.YMax - i * (a.YMax - a.YMin) / 10);
    const double y = oben + i * zeilenAbstand;
    const QRectF feld(0, y - fm.height() / 2.0, fm.horizontalAdvance(t) + 4, fm.height());
    p.fillRect(feld, QColor(255, 255, 255, 220));
    p.drawText(feld.adjusted(1, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, t);
  }
  p.restore();
}

}  // namespace lst
