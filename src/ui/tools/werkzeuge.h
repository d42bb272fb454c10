#pragma once
// The tool windows of the calculator and their menu entries: the tax-class
// comparison, the wage-tax and income-tax tables, the gross/net graph, the
// income-tax display, the wage conversion and the payroll year.  Created once at program start
// after the calculator window; each is hidden, not destroyed, when closed.

#include <QObject>

#include <memory>
#include <string>

#include "common/ini_datei.h"
#include "ui/rechner_schnittstelle.h"

class QAction;

namespace lst::druck {
class TDruckMaschine;
}

namespace lst {

class TFDruckOptionen;
class TFEinkSt;
class TFJahresvergleich;
class TFJahresuebersicht;
class TFLohnUmr;
class TFPlott;
class TFStVgl;
class TFTabelle;


class TWerkzeuge : public QObject {
  Q_OBJECT

 public:
  // The calculator window must exist; einstellungsDatei names the settings
  // file of the window placements.
  TWerkzeuge(TRechnerSchnittstelle& rechner, std::string einstellungsDatei, QObject* eltern = nullptr);
  // The settings file as the application holds it.
  TWerkzeuge(TRechnerSchnittstelle& rechner, TNewIniFile einstellungen, QObject* eltern = nullptr);
  ~TWerkzeuge() override;

  // Each window is created on its own so that the application keeps the
  // order of creation: graph, (ceilings dialog,) table, income tax,
  // comparison, wage conversion, year comparison.
  void PlottErzeugen();
  void TabelleErzeugen();
  void EinkStErzeugen();
  void StVglErzeugen();
  void LohnUmrErzeugen();
  void JahresvergleichErzeugen();
  // The payroll year, created when first opened.
  void JahresuebersichtErzeugen();
  // The application's print engine and options, for the payroll year's
  // printout.
  void DruckAnbinden(druck::TDruckMaschine& maschine, TFDruckOptionen& optionen);
  // All of them in that order.
  void AlleErzeugen();
  // Enables and connects the menu entries of the calculator and follows its
  // calculations (signal Berechnet()).
  void Verbinden();

  TFPlott* Plott() const { return plott_.get(); }
  TFTabelle* Tabelle() const { return tabelle_.get(); }
  TFTabelle* EinkStTabelle() const { return einkStTabelle_.get(); }
  TFEinkSt* EinkSt() const { return einkSt_.get(); }
  TFStVgl* StVgl() const { return stVgl_.get(); }
  TFLohnUmr* LohnUmr() const { return lohnUmr_.get(); }
  TFJahresvergleich* Jahresvergleich() const { return jahresvergleich_.get(); }
  TFJahresuebersicht* Jahresuebersicht() const { return jahresuebersicht_.get(); }

 public slots:
  void Steuerklassenvgl1Click();
  // Builds the wage-tax table and shows it modally.
  void Tabelle1Click();
  void TabelleAufbauen();
  // Shows the graph of the calculation shown, modally.
  void Grafik1Click();
  void EinkStTabelle1Click();
  void EinkStTabelleAufbauen();
  void EinkommensteuerAnzeige1Click();
  void LohnUmrAnz();
  // Shows the year comparison of the calculation shown.
  void Jahresvergleich1Click();
  // Shows the payroll year of the calculation shown (modeless).
  void Jahresuebersicht1Click();
  // After every calculation of the calculator.
  void NachBerechnung();
  // The calculator switched the tax year or the display currency; the
  // comparison recomputes after the calculation that follows.
  void NachJahrWechsel();
  void NachWaehrungsWechsel(bool euro);

 protected:
  // Closing the calculator window closes the tool windows with it, so that
  // the program ends.
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;

 private:

  TRechnerSchnittstelle& rechner_;
  TWerkzeugAktionen aktionen_;
  TNewIniFile datei_;
  std::unique_ptr<TFPlott> plott_;
  std::unique_ptr<TFTabelle> tabelle_;
  std::unique_ptr<TFTabelle> einkStTabelle_;
  std::unique_ptr<TFEinkSt> einkSt_;
  std::unique_ptr<TFStVgl> stVgl_;
  std::unique_ptr<TFLohnUmr> lohnUmr_;
  std::unique_ptr<TFJahresvergleich> jahresvergleich_;
  std::unique_ptr<TFJahresuebersicht> jahresuebersicht_;
  druck::TDruckMaschine* druckMaschine_ = nullptr;
  TFDruckOptionen* druckOptionen_ = nullptr;
  bool vergleichNeu_ = false;
};

}  // namespace lst
