#pragma once
// TFLohnUmr "Lohnumrechnungen": the gross wage of the last calculation (in
// the employer view the total wage cost) per year, month and hour.

#include <QDialog>

#include <string>

#include "common/ini_datei.h"

class QLabel;

namespace lst {

class TEditCS;
class TRechnerSchnittstelle;

class TFLohnUmr : public QDialog {
  Q_OBJECT

 public:
  // Restores the placement from the section "FLohnUmr" of the settings file.
  TFLohnUmr(TRechnerSchnittstelle& rechner, TNewIniFile einstellungen, QWidget* eltern = nullptr);
  // Saves the placement.
  ~TFLohnUmr() override;

 public slots:
  void Umrechnen();
  void EWochenStdChange();

 signals:
  void Geschlossen();

 protected:
  void hideEvent(QHideEvent* ereignis) override;

 private:
  TRechnerSchnittstelle& rechner_;
  TNewIniFile datei_;
  TEditCS* stunden_;
  QLabel* was_;
  QLabel* jahr_;
  QLabel* monat_;
  QLabel* stunde_;
  QLabel* woStd_;
};

}  // namespace lst
