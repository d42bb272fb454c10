#pragma once
// Printing from the calculator window: the menu items "&Drucken",
// "Druck&vorschau..." and "&Drucker...".
//
// The printout is made from the calculation the window shows, by the same
// function as the command line's.  Without an
// installed printer "&Drucken" asks for a file name and writes the printout
// as PDF (the same file the command line writes).

#include <QObject>
#include <QString>
#include <functional>

class QWidget;

#include "print/rechnung_drucken.h"

class QAction;

namespace lst {

class TFDruckOptionen;

// What printing needs of the calculator window: the calculation it shows
// (parameters, request, result, display currency, view), the window as the
// parent of dialogs, and its menu entries "&Drucken" and "&Drucker...".
class TDruckQuelle {
 public:
  virtual ~TDruckQuelle() = default;
  virtual const TAbrechnungsStand& Stand() const = 0;
  virtual QWidget* Fenster() = 0;
  virtual QAction* DruckenAktion() = 0;
  virtual QAction* DruckerAktion() = 0;
};

class TDruckSteuerung : public QObject {
  Q_OBJECT

 public:
  TDruckSteuerung(TDruckQuelle& rechner, druck::TDruckMaschine& maschine,
                  TFDruckOptionen& optionen, QObject* parent = nullptr);

  // Enables and connects the window's "&Drucken" and "&Drucker..." and adds
  // "Druck&vorschau..." ("Druckvorschau1") after "&Drucken" in the same
  // menu.  Returns false when the window has no "&Drucken".
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

  TDruckQuelle& rechner_;
  QAction* vorschau_ = nullptr;
  druck::TDruckMaschine& maschine_;
  TFDruckOptionen& optionen_;
};

}  // namespace lst
