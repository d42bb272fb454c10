#pragma once
// TFBMG: the dialog "Beitragsbemessungsgrenzen" in which the user sees and
// overwrites the monthly contribution ceilings of the tax year for East and
// West.  It shows the ceilings in force in the calculator window's pay month
// and display currency; OK stores them at once as the year's row in the
// settings file and hands the row to the window, whose stored values of the
// year take it.

#include <QDialog>

#include <functional>

#include "calc/sozialversicherung.h"
#include "common/ini_datei.h"

class QLabel;
class QPushButton;
class QTabWidget;

namespace lst {

class TEditCS;

// What the dialog shows: the tax year, the pay month of the rule period
// (from 2014, else 0), the display currency and the monthly ceilings in
// force.
struct TBBGStand {
  int Jahr = 0;
  int Monat = 0;
  bool Euro = true;
  TBBGTabelle Grenzen{};
};

class TFBMG : public QDialog {
  Q_OBJECT

 public:
  explicit TFBMG(const TDateiNamen& namen, QWidget* eltern = nullptr);

  // Where the dialog takes what it shows, and who takes the row it stored.
  std::function<TBBGStand()> Quelle;
  std::function<void(const TBBGTabelle& zeile)> Gespeichert;

  // Fills the edits from the source and sets the caption.
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

  TDateiNamen namen_;
  TBBGStand stand_;
};

}  // namespace lst
