#pragma once
// TFStVgl "Vergleich Steuerklassen": the wage tax of a married couple in
// the tax-class combinations 3/5, 4/4 and 5/3, recomputed on every change.

#include <QDialog>

#include "calc/werkzeuge.h"

class QCheckBox;
class QComboBox;
class QLabel;

namespace lst {

class TEditCS;
class TRechnerSchnittstelle;

class TFStVgl : public QDialog {
  Q_OBJECT

 public:
  explicit TFStVgl(TRechnerSchnittstelle& rechner, QWidget* eltern = nullptr);

  // The display currency changed: the typed amounts are multiplied by
  // faktor so that the same money stays entered (no recomputation).
  void BetraegeUmrechnen(double faktor);

  // The amounts of the last recomputation.
  const TVergleichErgebnis& Ergebnis() const { return ergebnis_; }

 public slots:
  void FieldChng();
  void CalcVgl();

 private:
  struct TSpalte {
    TEditCS* Brutto;
    TEditCS* Frei;
    TEditCS* VersBez;
    TEditCS* Kinder;
    QCheckBox* VersFrei;
  };
  TVergleichPerson Person(const TSpalte& s) const;

  TRechnerSchnittstelle& rechner_;
  TSpalte an_{};
  TSpalte eg_{};
  QComboBox* lzz_;
  QLabel* l35AN_;
  QLabel* l44AN_;
  QLabel* l53AN_;
  QLabel* l35EG_;
  QLabel* l44EG_;
  QLabel* l53EG_;
  QLabel* l35Sum_;
  QLabel* l44Sum_;
  QLabel* l53Sum_;
  QLabel* ergText_;
  TVergleichErgebnis ergebnis_;
};

}  // namespace lst
