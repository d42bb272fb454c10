#pragma once
// TFPlott "Brutto - Netto Diagramm": net wage (employer view: total wage
// cost) over the gross wage for the calculator's current inputs, with zoom
// by click and rubber band and two scroll bars.

#include <QDialog>
#include <QImage>
#include <QPoint>

#include <vector>

#include "calc/werkzeuge.h"

class QLabel;
class QScrollBar;

namespace lst {

class TRechnerSchnittstelle;
class TFPlott;

// The drawing area (PaintBox1).  Keeps the picture of the current view and
// redraws the curve only when the view or its size changes.
class TPlottFlaeche : public QWidget {
  Q_OBJECT

 public:
  explicit TPlottFlaeche(TFPlott& plott);
  // The current view must be drawn anew (ranges, data or size changed).
  void Veraltet();
  bool Zieht() const { return zieht_; }
  const QImage& Bild() const { return bild_; }

 protected:
  void paintEvent(QPaintEvent* ereignis) override;
  void resizeEvent(QResizeEvent* ereignis) override;
  void mousePressEvent(QMouseEvent* ereignis) override;
  void mouseMoveEvent(QMouseEvent* ereignis) override;
  void mouseReleaseEvent(QMouseEvent* ereignis) override;
  void contextMenuEvent(QContextMenuEvent* ereignis) override;

 private:
  TFPlott& plott_;
  QImage bild_;
  bool aktuell_ = false;
  bool zieht_ = false;
  QPoint start_;
  QPoint ende_;
};

class TFPlott : public QDialog {
  Q_OBJECT

 public:
  explicit TFPlott(TRechnerSchnittstelle& rechner, QWidget* eltern = nullptr);

  TPlottAnsicht& Ansicht() { return ansicht_; }
  TPlottFlaeche* Flaeche() const { return flaeche_; }
  QLabel* Statuszeile() const { return status_; }
  // How many curves were computed since the window was created.
  int Kurvenlaeufe() const { return laeufe_; }

  // The picture of the current view: grid, labels and curve.
  QImage Zeichne(const QSize& groesse);

 public slots:
  void ZoomIn();
  void ZoomClick();
  void ScrollBar1Change(int position);
  void ScrollBar2Change(int position);
  // Asks for a file name and saves the current view as PNG.
  void AlsBildSpeichern();

 public:
  void Status(const QPoint& stelle);
  // False (nothing changed) for a band of at most 9 pixels either way.
  bool ZoomRechteck(const QPoint& a, const QPoint& b);

 protected:
  void showEvent(QShowEvent* ereignis) override;

 private:
  void Neu();

  TRechnerSchnittstelle& rechner_;
  TPlottAnsicht ansicht_;
  TPlottFlaeche* flaeche_;
  QScrollBar* scroll1_;
  QScrollBar* scroll2_;
  QLabel* status_;
  QString wertText_ = QStringLiteral("Nettolohn=");
  std::vector<double> werte_;
  bool zeichnet_ = false;
  int laeufe_ = 0;
};

}  // namespace lst
