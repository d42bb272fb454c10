#pragma once
// What the tool windows and the printout see of the calculator window: the
// shared context, the current calculation (the request and its last result)
// and the menu entries of the tools.  They read the request, never the
// window's controls.  The application owns one context and one calculation
// and hands them to every window; nothing here is a global.

#include <QString>
#include <cstdint>

#include "calc/kontext.h"
#include "calc/rechnung.h"
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
};


class TRechnerSchnittstelle : public TDruckQuelle {
 public:
  ~TRechnerSchnittstelle() override = default;

  TRechenKontext& Kontext() override = 0;
  TAbrechnung& Daten() override = 0;
  // The calculator window, the parent of the tools and the sender of the
  // signals Berechnet(), JahrGewechselt(int) and WaehrungGewechselt(bool).
  QWidget* Fenster() override = 0;
  virtual TWerkzeugAktionen Aktionen() = 0;
  // Gathers the controls into the request, as a recalculation does, without
  // computing.
  virtual void EingabenSammeln() = 0;
  // One whole recalculation cycle (gather, compute, show, refresh the tools).
  virtual void Neuberechnen() = 0;
};

// The item texts of the pay-period list and the tax-class list, as the
// calculator window shows them and the tools name them in their titles.
inline QString ZeitraumName(int lzz) { return druck::ZeitraumText((lzz >= 1 && lzz <= 4 ? lzz : 2) - 1); }
inline QString SteuerklasseName(int stkl) { return druck::SteuerklassenText(stkl); }

}  // namespace lst
