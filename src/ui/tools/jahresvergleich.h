#pragma once
// TFJahresvergleich "Jahresvergleich": the calculation of the calculator
// window in a range of tax years side by side, for a pay month of its own
// (December unless chosen): a table of the figures with the change from
// year to year, and a chart of the net wage and the employer's cost over
// the years.  Follows every calculation of the calculator while it is
// shown.

#include <QAbstractTableModel>
#include <QDialog>
#include <QString>

#include <cstddef>
#include <vector>

#include "calc/jahresvergleich.h"

class QAction;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableView;

namespace lst {

class TJahresGrafik;
class TRechnerSchnittstelle;

// The table: a row per figure shown (after the flowchart and the
// contribution group), the caption in the first column, then per year its
// column and, after every year but the first, a column of the change from
// the year before.
class TJahresvergleichModell : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit TJahresvergleichModell(QObject* eltern = nullptr);

  void Setzen(const TJahresvergleich& v);
  void Leeren();
  const TJahresvergleich& Vergleich() const { return v_; }

  // The column of year i (of the comparison's years) and of its change
  // from year i - 1; -1 for none.
  int JahresSpalte(std::size_t i) const;
  int DifferenzSpalte(std::size_t i) const;
  // The row of figure g (VergleichsGroessen); -1 where it is not shown.
  int GroessenZeile(std::size_t g) const;
  // The text of a cell and of a column's head, as shown and copied.
  QString Zelle(int zeile, int spalte) const;
  QString Kopf(int spalte) const;

  int rowCount(const QModelIndex& eltern = {}) const override;
  int columnCount(const QModelIndex& eltern = {}) const override;
  QVariant data(const QModelIndex& index, int rolle) const override;
  QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;

 private:
  // What a row shows: a text of the years (flowchart, group) or a figure.
  struct TZeile {
    int Text = -1;          // 0 flowchart, 1 contribution group
    std::size_t Groesse = 0;
  };
  // Year and change of a column: the year's index, and whether it is the
  // change from the year before.
  bool Spalte(int spalte, std::size_t& jahr, bool& differenz) const;

  TJahresvergleich v_;
  std::vector<TZeile> zeilen_;
};

class TFJahresvergleich : public QDialog {
  Q_OBJECT

 public:
  explicit TFJahresvergleich(TRechnerSchnittstelle& rechner, QWidget* eltern = nullptr);

  // Recomputes with the calculation the calculator shows.  The range of
  // years follows the calculator's year (the year before and the year
  // itself) until the user chooses one.
  void Berechnen();

  TJahresvergleichModell* Modell() const { return modell_; }
  QTableView* Tabelle() const { return tabelle_; }
  TJahresGrafik* Grafik() const { return grafik_; }
  QSpinBox* Von() const { return von_; }
  QSpinBox* Bis() const { return bis_; }
  QComboBox* Monat() const { return monat_; }
  // The messages of the years without figures (or of an unusable range).
  QLabel* Meldung() const { return meldung_; }

  // The head row and the selected rows (every row where none is selected),
  // cells separated by tabs, rows by CR LF: what "Kopieren" puts on the
  // clipboard.
  QString KopierText() const;

 public slots:
  void Kopieren();

 protected:
  // Ctrl+C in the table copies the rows, not the table's current cell.
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;

 private:
  void BereichGewaehlt();
  void Kontextmenue(const QPoint& stelle);

  TRechnerSchnittstelle& rechner_;
  TJahresvergleichModell* modell_;
  QTableView* tabelle_;
  TJahresGrafik* grafik_;
  QSpinBox* von_;
  QSpinBox* bis_;
  QComboBox* monat_;
  QLabel* einheit_;
  QLabel* meldung_;
  QPushButton* kopierenKnopf_;
  QAction* kopieren_;
  // The calculator's year the range was set for; whether the user chose
  // the range himself.
  int rechnerJahr_ = 0;
  bool bereichEigen_ = false;
  bool setzt_ = false;
};

}  // namespace lst
