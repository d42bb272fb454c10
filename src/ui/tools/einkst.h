#pragma once
// TFEinkSt "Tarifliche Einkommensteuer": the yearly income tax of one taxable
// income in the basic or splitting tariff; follows every calculation.

#include <QDialog>

#include <cstdint>

class QButtonGroup;
class QLabel;
class QRadioButton;

namespace lst {

class TEditCS;
class TRechnerSchnittstelle;

class TFEinkSt : public QDialog {
  Q_OBJECT

 public:
  explicit TFEinkSt(TRechnerSchnittstelle& rechner, QWidget* eltern = nullptr);

  // After each calculation of the calculator with its tax class (1 to 6):
  // takes over the taxable income and the tariff and computes.
  void SetzeAusRechner(std::uint8_t stkl);
  // The unit of the income field: the display currency of the calculator.
  void EinheitSetzen();

 public slots:
  void CalcEinkSt();

 signals:
  // The window was closed (by the user or the menu entry).
  void Geschlossen();

 protected:
  void hideEvent(QHideEvent* ereignis) override;

 private:
  TRechnerSchnittstelle& rechner_;
  std::uint8_t stkl_ = 1;
  TEditCS* lohn_;
  QButtonGroup* splitting_;
  QLabel* ergSteuern_;
  QLabel* ergSoli_;
  QLabel* ergKiSt_;
  QLabel* ergGesamt_;
  QLabel* ergNachSt_;
};

}  // namespace lst
