#pragma once
// TJahresGrafik: net wage and employer cost of a year comparison over the
// years, two lines with a point per year, drawn with QPainter.  A year
// without figures leaves a gap in both lines.

#include <QString>
#include <QWidget>

#include <optional>
#include <vector>

#include "calc/jahresvergleich.h"

namespace lst {

class TJahresGrafik : public QWidget {
  Q_OBJECT

 public:
  explicit TJahresGrafik(QWidget* eltern = nullptr);

  // One point of a line: the year and the amount in units of the display
  // currency (none for a year without figures).
  struct TPunkt {
    int Jahr = 0;
    std::optional<double> Netto;
    std::optional<double> Kosten;
  };

  void Setzen(const TJahresvergleich& v);
  void Leeren();
  const std::vector<TPunkt>& Punkte() const { return punkte_; }
  const TVergleichsSkala& Skala() const { return skala_; }

  QSize minimumSizeHint() const override;
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* ereignis) override;

 private:
  std::vector<TPunkt> punkte_;
  TVergleichsSkala skala_;
  QString waehrung_;
};

}  // namespace lst
