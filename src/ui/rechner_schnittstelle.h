#pragma once
// What the tool windows and the printout see of the calculator window: the
// shared context, the records of the current calculation, and the window
// itself, whose controls, menus and actions they find by their object names
// ("ELohn", "CBLZZ", "CBStKl", "cbKirchenSt", "Steuerklassenvgl1" ...).
// The application owns one context and one set of records and hands them to
// every window; nothing here is a global.

#include <cstdint>

#include "calc/datensaetze.h"
#include "calc/kontext.h"

class QWidget;

namespace lst {

// The current calculation of the calculator window.  The window refills the
// input records from its controls before every calculation; the tools may
// vary them (the wage-tax table leaves its last wage in LohnZeitraum.RE4
// until the next recalculation).
struct TRechnerDaten {
  TLohnZeitraum LohnZeitraum;
  TLStEingabe LStEingabe;
  TSVEingabe SVEingabe;
  TZusatzBetraege Zusatz;
  std::int64_t SonstigeAbzuege = 0;
  TGesamtErgebnis Ergebnis;
};

class TRechnerSchnittstelle {
 public:
  virtual ~TRechnerSchnittstelle() = default;

  virtual TRechenKontext& Kontext() = 0;
  virtual TRechnerDaten& Daten() = 0;
  // The calculator window; its controls carry their names as objectName.
  virtual QWidget* Fenster() = 0;
  // Gathers the controls into the input records, as a recalculation does,
  // without computing.
  virtual void EingabenSammeln() = 0;
  // One whole recalculation cycle (gather, compute, show, refresh the tools).
  virtual void Neuberechnen() = 0;
};

}  // namespace lst
