#pragma once
// The application: creates every window once in a fixed order and connects
// them; the tools and the printout read the calculation the calculator
// window shows.  Closing the calculator window ends the program.

#include <QTranslator>

#include <memory>

#include "common/ini_datei.h"
#include "print/druck_maschine.h"
#include "ui/rechner_schnittstelle.h"

class QApplication;

namespace lst {

class TFRechner;
class TFBMG;
class TFInfo;
class TFDruckOptionen;
class TDruckSteuerung;
class TWerkzeuge;

class TAnwendung {
 public:
  // Title, German number format (unless the system's own locale is German)
  // and Qt's German texts; call once after QApplication exists.
  static void Einrichten(QApplication& app);

  // Creates the windows; the settings files named in namen are read now,
  // into namen.Sitzung or, without one, a session of the application's own.
  // The calculator's close writes them.
  explicit TAnwendung(const TDateiNamen& namen = {});
  ~TAnwendung();
  TAnwendung(const TAnwendung&) = delete;
  TAnwendung& operator=(const TAnwendung&) = delete;

  // Shows the calculator window, which then calculates for the first time.
  void Zeigen();

  TFRechner& Rechner() { return *rechner_; }
  TFBMG& BMG() { return *bmg_; }
  TFInfo& Info() { return *info_; }
  druck::TDruckMaschine& DruckMaschine() { return druck_; }
  TFDruckOptionen& DruckOptionen() { return *druckOptionen_; }
  TDruckSteuerung& DruckSteuerung() { return *druckSteuerung_; }
  TWerkzeuge& Werkzeuge() { return *werkzeuge_; }

 private:
  TDateiNamen namen_;
  // The print engine with its font and margins; it outlives the windows.
  druck::TDruckMaschine druck_;
  // The windows; the dialogs are children of the calculator window (so they
  // are no main windows of their own and go with it).  The tool windows
  // stay above it without being its children: they have controls of the
  // calculator's names ("ELohn"), which the tools look up in the calculator.
  std::unique_ptr<TFRechner> rechner_;
  TFInfo* info_ = nullptr;
  TFBMG* bmg_ = nullptr;
  TFDruckOptionen* druckOptionen_ = nullptr;
  TDruckSteuerung* druckSteuerung_ = nullptr;
  std::unique_ptr<TWerkzeuge> werkzeuge_;
};

}  // namespace lst
