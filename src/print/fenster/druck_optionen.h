#pragma once
// The print options dialog "Druckoptionen": page margins, the font of the
// printout and the printer.  Created once at program start; the calculator
// window opens it modally with "&Drucker...".
//
// It keeps its values in the section "Druck" of the program's settings file.
// At creation it gives its font to the print engine; "OK" gives it the
// margins too.  A font chosen with "Standardschriftart..." is used at once,
// even when the dialog is then cancelled.

#include <QDialog>
#include <QFont>
#include <memory>
#include <string>

#include "print/druck_einstellungen.h"
#include "print/druck_maschine.h"

class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;

namespace lst {

class TFDruckOptionen : public QDialog {
  Q_OBJECT

 public:
  // dateiName: the program's settings file (TDateiNamen::Einstellungen).
  TFDruckOptionen(druck::TDruckMaschine& maschine, std::string dateiName,
                  QWidget* parent = nullptr);
  // The settings file as the application holds it; OK writes it at once.
  TFDruckOptionen(druck::TDruckMaschine& maschine, TNewIniFile einstellungen,
                  QWidget* parent = nullptr);
  ~TFDruckOptionen() override;

  // Font size of the printout's body text, in points.
  int DruckSchriftGroesse() const { return druckGroesse_; }
  // The printer chosen with "Drucker..." (the system's default printer until
  // then).
  QPrinter& Drucker();

  // Handlers of the dialog's buttons.
  void BFontClick();
  void BPrintClick();
  void BOKClick();
  void BCancelClick();

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void FormCreate();
  void SchriftAnzeigen();

  druck::TDruckMaschine& maschine_;
  TNewIniFile datei_;
  druck::TDruckOptionen gespeichert_;
  QFont schrift_;          // the font dialog's font
  int druckGroesse_ = 10;
  std::unique_ptr<QPrinter> drucker_;

  QLineEdit* EORand = nullptr;
  QLineEdit* ELRand = nullptr;
  QLineEdit* ERRand = nullptr;
  QLabel* LSchrift = nullptr;
  QPushButton* BFont = nullptr;
  QPushButton* BPrint = nullptr;
  QPushButton* BOK = nullptr;
  QPushButton* BCancel = nullptr;
};

}  // namespace lst
