#pragma once
// TFBMG: the dialog "Beitragsbemessungsgrenzen" in which the user sees and
// overwrites the monthly contribution ceilings of the tax year for East and
// West.  It works on the settings file: it shows what is stored there, writes
// what the user confirms and then reloads the calculation's ceiling table.

#include <QDialog>

#include "calc/kontext.h"
#include "common/ini_datei.h"

class QLabel;
class QPushButton;
class QTabWidget;

namespace lst {

class TEditCS;

class TFBMG : public QDialog {
  Q_OBJECT

 public:
  TFBMG(TRechenKontext& kontext, const TDateiNamen& namen, QWidget* eltern = nullptr);

  // Fills the edits from the settings file and sets the caption.
  void Fuellen();
  // Sets the unit labels to the currency symbol and " pro Monat".
  void EinheitenSetzen(const QString& symbol);

  // Largest ceiling the file can hold (32-bit cents), in cents.
  static constexpr std::int64_t kHoechsteGrenze = 999999999;

  TEditCS* EKVOst = nullptr;
  TEditCS* ERVOst = nullptr;
  TEditCS* EAVOst = nullptr;
  TEditCS* EGFOst = nullptr;
  TEditCS* EKVWest = nullptr;
  TEditCS* ERVWest = nullptr;
  TEditCS* EAVWest = nullptr;
  TEditCS* EGFWest = nullptr;
  QTabWidget* PageControl1 = nullptr;
  QPushButton* BOK = nullptr;
  QPushButton* BCancel = nullptr;

 protected:
  void showEvent(QShowEvent* ereignis) override;

 private:
  QWidget* Seite(bool ost, const char* name, const char* panel, TEditCS** felder, int ersteLDM);
  void BOKClick();
  void BCancelClick();
  void Melden(const QString& text);
  // The pay month of the rule period shown (from 2014), else 0.
  int Monat() const;

  TRechenKontext& k_;
  TDateiNamen namen_;
};

}  // namespace lst
