#pragma once
// Printing from the calculator window: the menu items "&Drucken",
// "Druck&vorschau..." and "&Drucker...".
//
// The printout reads the window's controls by their object names ("CBLZZ",
// "ELohn", "LTxt1" ...) and the records of its last calculation.  Without an
// installed printer "&Drucken" asks for a file name and writes the printout
// as PDF (the same file the command line writes).

#include <QObject>
#include <QString>
#include <functional>

#include "print/rechnung_drucken.h"
#include "ui/rechner_schnittstelle.h"

class QAction;

namespace lst {

class TFDruckOptionen;

// The window's texts for the printout; a control that is missing leaves the
// description's default (or the value of the records).
druck::TDruckAngaben DruckAngabenAusFenster(QWidget* fenster, const TRechenKontext& k,
                                            const TRechnerDaten& d);

class TDruckSteuerung : public QObject {
  Q_OBJECT

 public:
  TDruckSteuerung(TRechnerSchnittstelle& rechner, druck::TDruckMaschine& maschine,
                  TFDruckOptionen& optionen, QObject* parent = nullptr);

  // Finds "Drucken1" and "Drucker1" among the window's actions, enables and
  // connects them, and adds "Druck&vorschau..." ("Druckvorschau1") after
  // "Drucken1" in the same menu.  Returns false when "Drucken1" is missing.
  bool Anbinden();

  void Drucken1Click();
  void Druckvorschau1Click();
  void Drucker1Click();

  // Writes the printout of the window's calculation as a PDF file.
  bool PdfSpeichern(const QString& datei);

  // Asks for the PDF file when there is no printer; empty: cancelled.
  // Tests replace it.
  std::function<QString()> PdfDateiFragen;
  // Whether a printer is installed.  Tests replace it.
  std::function<bool()> DruckerVorhanden;

 private:
  druck::TDruckAngaben Angaben() const;
  void Meldung(const QString& text);

  TRechnerSchnittstelle& rechner_;
  druck::TDruckMaschine& maschine_;
  TFDruckOptionen& optionen_;
};

}  // namespace lst
