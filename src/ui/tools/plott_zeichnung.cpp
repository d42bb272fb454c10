#include "ui/tools/plott_zeichnung.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPointF>

#include <algorithm>
#include <cmath>

#include "calc/werkzeuge.h"
#include "ui/tools/anzeige.h"

namespace lst {

namespace {

constexpr uchar kGrau = 0x80;

// Dotted grid lines straight into the pixels: a painter would walk the dash
// pattern of every line, which costs more than the whole curve.
void Gitter(QImage& bild, const TPlottAnsicht& a, double dpr) {
  const int breite = bild.width();
  const int hoehe = bild.height();
  const auto geraet = [dpr](double logisch) { return static_cast<int>(std::lround(logisch * dpr)); };
  const int oben = geraet(TPlottAnsicht::kOben);
  const int unten = std::min(geraet(TPlottAnsicht::kOben + a.Hoehe), hoehe - 1);
  const int links = geraet(TPlottAnsicht::kLinks);
  const int rechts = std::min(geraet(TPlottAnsicht::kLinks + a.Breite), breite - 1);
  for (int i = 0; i <= 10; ++i) {
    const int x = geraet(TPlottAnsicht::kLinks + i * a.Breite / 10);
    if (x >= 0 && x < breite) {
      for (int y = oben; y <= unten; y += 2) bild.scanLine(y)[x] = kGrau;
    }
    const int y = geraet(TPlottAnsicht::kOben + i * a.Hoehe / 10);
    if (y >= 0 && y < hoehe) {
      uchar* zeile = bild.scanLine(y);
      for (int x2 = links; x2 <= rechts; x2 += 2) zeile[x2] = kGrau;
    }
  }
}

}  // namespace

QImage PlottBild(int breite, int hoehe, double pixelVerhaeltnis) {
  const int b = std::max(1, static_cast<int>(std::lround(breite * pixelVerhaeltnis)));
  const int h = std::max(1, static_cast<int>(std::lround(hoehe * pixelVerhaeltnis)));
  QImage bild(b, h, QImage::Format_Grayscale8);
  bild.setDevicePixelRatio(pixelVerhaeltnis);
  return bild;
}

void PlottZeichnen(QImage& bild, const TPlottAnsicht& a, const std::vector<double>& werte,
                   const QFont& schrift, int schritt) {
  bild.fill(Qt::white);
  const double dpr = bild.devicePixelRatio();
  Gitter(bild, a, dpr);

  QPainter p(&bild);
  p.setFont(schrift);
  const int links = TPlottAnsicht::kLinks;
  const int oben = TPlottAnsicht::kOben;
  const double flaecheBreite = bild.width() / dpr;

  // Curve, smoothed, clipped to the plot.
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setClipRect(QRectF(links - 1, oben - 1, a.Breite + 2, a.Hoehe + 2));
  QPen kurve(Qt::black, 1);
  kurve.setCosmetic(true);
  p.setPen(kurve);
  std::vector<QPointF> punkte;
  punkte.reserve(werte.size());
  for (std::size_t i = 0; i < werte.size(); ++i) {
    // Values far outside stay finite for the clip.
    const double z = std::clamp(oben + (a.YMax - werte[i]) / a.YProPixel, -1e5, 1e5);
    punkte.emplace_back(links + static_cast<double>(i) * schritt, z);
  }
  if (punkte.size() > 1) p.drawPolyline(punkte.data(), static_cast<int>(punkte.size()));
  p.restore();

  // Labels that would overlap are thinned out: every second or fifth.
  const QFontMetrics fm(schrift, &bild);
  int breitestes = 0;
  for (int i = 0; i <= 10; ++i) {
    breitestes = std::max(breitestes, fm.horizontalAdvance(ZahlText(a.XMin + i * (a.XMax - a.XMin) / 10)));
  }
  const double spaltenAbstand = a.Breite / 10.0;
  const double zeilenAbstand = a.Hoehe / 10.0;
  const int xJede = breitestes + 6 <= spaltenAbstand ? 1 : breitestes + 6 <= 2 * spaltenAbstand ? 2 : 5;
  const int yJede = fm.height() <= zeilenAbstand ? 1 : fm.height() <= 2 * zeilenAbstand ? 2 : 5;

  p.setRenderHint(QPainter::TextAntialiasing, true);
  p.setPen(QColor(kGrau, kGrau, kGrau));
  // The gross wage centred below its line, inside the area at both ends.
  for (int i = 0; i <= 10; i += xJede) {
    const QString t = ZahlText(a.XMin + i * (a.XMax - a.XMin) / 10);
    const int b = fm.horizontalAdvance(t);
    const double x = std::clamp(links + i * spaltenAbstand - b / 2.0, 0.0, std::max(0.0, flaecheBreite - b - 1));
    p.drawText(QPointF(x, a.Hoehe + oben + 3 + fm.ascent()), t);
  }
  // The value at the left edge on a white ground, inside the area at the
  // top and above the gross-wage labels at the bottom.
  for (int i = 0; i <= 10; i += yJede) {
    const QString t = ZahlText(a.YMax - i * (a.YMax - a.YMin) / 10);
    const double y = std::clamp(oben + i * zeilenAbstand - fm.height() / 2.0, 0.0,
                                std::max(0.0, static_cast<double>(oben + a.Hoehe - fm.height())));
    const QRectF feld(0, y, fm.horizontalAdvance(t) + 4, fm.height());
    p.fillRect(feld, QColor(255, 255, 255, 220));
    p.drawText(feld.adjusted(1, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, t);
  }
}

}  // namespace lst
