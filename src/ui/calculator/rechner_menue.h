#pragma once
// The main menu of the calculator window: "Dienste" (the tools, printing,
// the end), "Einstellungen" (the view, the displays that follow the
// calculation, tax year, DM, basic allowance of 2013, ceilings, printer)
// and "Hilfe".  It shows the window's state and reports the user's choices
// as signals; the tools and the printout take over their own entries.

#include <QList>
#include <QObject>

#include "ui/rechner_schnittstelle.h"

class QAction;
class QMainWindow;
class QMenu;

namespace lst {

class TRechnerMenue : public QObject {
  Q_OBJECT

 public:
  explicit TRechnerMenue(QMainWindow* fenster);

  // The entries the tools take over; "&Drucken" and "&Drucker...".
  TWerkzeugAktionen Werkzeuge() const;
  QAction* Drucken() const { return drucken_; }
  QAction* Drucker() const { return drucker_; }

  // The state shown: the view, the tax year, DM (where the year has it),
  // the basic allowance (where the year has the choice).
  void SichtZeigen(bool arbeitnehmer);
  void JahrZeigen(int jahr);
  void DMZeigen(bool moeglich, bool dm);
  void GrundfreibetragZeigen(bool moeglich);
  void GrundfreibetragSetzen(int grundfreibetrag);
  int Grundfreibetrag() const;

 signals:
  void SichtGewaehlt(bool arbeitnehmer);
  void JahrGewaehlt(int jahr);
  void DMGewaehlt(bool dm);
  void GrundfreibetragGewaehlt();
  void BemessungsgrenzenGewaehlt();
  void InfoGewaehlt();

 private:
  QAction* steuerklassenvgl_ = nullptr;
  QAction* tabelle_ = nullptr;
  QAction* grafik_ = nullptr;
  QAction* einkStTabelle_ = nullptr;
  QAction* jahresvergleich_ = nullptr;
  QAction* jahresuebersicht_ = nullptr;
  QAction* drucken_ = nullptr;
  QAction* arbeitgeber_ = nullptr;
  QAction* arbeitnehmer_ = nullptr;
  QAction* einkommensteuer_ = nullptr;
  QAction* lohnUmr_ = nullptr;
  QList<QAction*> jahre_;
  QAction* dm_ = nullptr;
  QAction* gfb8004_ = nullptr;
  QAction* gfb8130_ = nullptr;
  QAction* drucker_ = nullptr;
};

}  // namespace lst
