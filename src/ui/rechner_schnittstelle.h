#pragma once
// What the tool windows and the printout see of the calculator window: the
// calculation it shows (parameters, request, result, display currency and
// view, TAbrechnungsStand) and the menu entries of the tools.  They read the
// calculation, never the window's controls, and compute with the core's
// functions of the parameters and the request; nothing here is a global,
// and nothing keeps a calculation of its own.

#include <QString>
#include <cstdint>
#include <string>

#include "calc/abrechnung.h"
#include "calc/parameter.h"
#include "calc/pruefung.h"
#include "print/fenster/druck_menue.h"

class QAction;
class QWidget;

namespace lst {

// The window's menu entries that the tools take over.
struct TWerkzeugAktionen {
  QAction* Steuerklassenvgl1 = nullptr;
  QAction* Tabelle1 = nullptr;
  QAction* Grafik1 = nullptr;
  QAction* EinkStTabelle1 = nullptr;
  QAction* EinkommensteuerAnzeige1 = nullptr;
  QAction* LohnUmrAnz1 = nullptr;
  QAction* Jahresvergleich1 = nullptr;
  QAction* Jahresuebersicht1 = nullptr;
};


class TRechnerSchnittstelle : public TDruckQuelle {
 public:
  ~TRechnerSchnittstelle() override = default;

  // The calculation shown, up to date after every keystroke.
  const TAbrechnungsStand& Stand() const override = 0;
  // The calculator window, the parent of the tools and the sender of the
  // signals Berechnet(), JahrGewechselt(int) and WaehrungGewechselt(bool).
  QWidget* Fenster() override = 0;
  virtual TWerkzeugAktionen Aktionen() = 0;
  // One whole recalculation cycle (gather, compute, show, refresh the tools).
  virtual void Neuberechnen() = 0;
  // The parameters of a pay month of any year with the values the user
  // stored for that year (the year shown: as they stand now), for the tools
  // that compute other years.  Without a store: the law's values.
  virtual TParameter JahresParameter(int jahr, int monat) const { return StandardParameter(jahr, monat); }
  // The caption of an input as the window's messages name it.
  virtual std::string FeldName(TFeld f) const { return FeldKennung(f); }
};

// The item texts of the pay-period list and the tax-class list, as the
// calculator window shows them and the tools name them in their titles.
inline QString ZeitraumName(int lzz) { return druck::ZeitraumText((lzz >= 1 && lzz <= 4 ? lzz : 2) - 1); }
inline QString SteuerklasseName(int stkl) { return druck::SteuerklassenText(stkl); }

}  // namespace lst
