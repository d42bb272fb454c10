#pragma once
// TFRechner: the calculator window, the program's main window.  The left
// panel takes one employee's pay for one pay period (wage-tax inputs above,
// social-insurance rates and the special cases of marginal employment below);
// every change recalculates at once.  The right panel shows the result in the
// employee's or the employer's view and takes a wished net wage.
//
// The window holds the tax year, the pay month, the choice of the flowchart
// first published, the display currency and the view; the values the user
// stored for the year (saetze.h); and the calculation it shows.  Each change
// runs one cycle: the request gathered through its binding
// (anfrage_bindung.h), the month's parameters, the core's findings marked on
// the controls and its availability on their enabled state, the slip
// computed and shown (ergebnis_panel.h).  The rules are the core's.
//
// Split over several files: rechner.cpp (the cycle, the contribution group,
// the events), rechner_zeit.cpp (year, month, display currency),
// rechner_einstellungen.cpp (the settings of the window), eingabe_maske.cpp
// (the left panel), rechner_menue.cpp (the menu).

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QPair>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <optional>

#include "calc/abrechnung.h"
#include "common/ini_datei.h"
#include "ui/calculator/anfrage_bindung.h"
#include "ui/calculator/bmg_dialog.h"
#include "ui/rechner_schnittstelle.h"

class QAction;
class QCheckBox;
class QLineEdit;

namespace lst {

class TAnfrageBindung;
class TEingabeMaske;
class TErgebnisPanel;
class TRechnerMenue;
class TSatzVerwaltung;
struct TEingabeFelder;

class TFRechner : public QMainWindow, public TRechnerSchnittstelle {
  Q_OBJECT

 public:
  // Creates the window and loads its settings from the files named in namen;
  // the window does not calculate before it is shown (or Neuberechnen is
  // called).
  explicit TFRechner(const TDateiNamen& namen, QWidget* eltern = nullptr);
  ~TFRechner() override;

  // TRechnerSchnittstelle
  const TAbrechnungsStand& Stand() const override { return stand_; }
  QWidget* Fenster() override { return this; }
  TWerkzeugAktionen Aktionen() override;
  QAction* DruckenAktion() override;
  QAction* DruckerAktion() override;
  void Neuberechnen() override;
  TParameter JahresParameter(int jahr, int monat) const override;
  std::string FeldName(TFeld f) const override;

  // Switches the tax year (1995 to 2026) as the menu "Steuerjahr" and the
  // drop-down CBJahr do: the rates of the year left are stored (as at exit),
  // the new year's stored values are loaded, the boxes follow the year's
  // rules, amounts typed in DM or Euro keep their money, then one
  // recalculation.  A year without calculation is ignored.
  void JahrWechseln(int jahr);
  // Switches the pay month (from 2014, CBMonat): it chooses the flowchart
  // and the rule period of the social insurance.  The rates and ceilings the
  // user left at their defaults follow the new period; one recalculation.
  void MonatWechseln(int monat);
  // The pay month a year opens with: the current month in the current
  // year, December in every other.
  static int StandardMonat(int jahr);
  // The newest tax year the window offers: the one a first start opens.
  static int NeuestesJahr();
  // "Beträge in DM": in the DM years 1995 to 2001 amounts are typed and
  // shown in DM (true) or in Euro (false); the typed amounts are converted.
  void BetraegeInDM(bool dm);

  // "Lohnsteuerberechnung 2026": the caption, also the printout's title.
  const QString& Titel() const { return titel_; }
  const TDateiNamen& DateiNamen() const { return namen_; }

  // Sets every unit label of the window ("LDM...") to "[EUR]" and the one
  // behind the wish-net field to "EUR" (the display currency's symbol).
  void EinheitenSetzen();

  // The windows that the menu opens; the application creates them after this
  // window and hands them in.
  void SetInfoFenster(QWidget* info) { info_ = info; }
  void SetBMGDialog(TFBMG* bmg);
  // What the ceilings dialog shows: the year, the pay month (from 2014),
  // the display currency and the ceilings in force.
  TBBGStand BBGStand() const;
  // Makes a checkable menu entry show or close a modeless window that follows
  // the calculation, and enables the entry.  Closing the window unchecks it.
  void AnzeigeVerbinden(QAction* eintrag, QWidget* fenster);

  // The church-tax rates as stored under "KiSt": the items separated by
  // commas, an item with a comma, blank or quote in quotes ("8,\"8,5\",9").
  static QString KommaText(const QStringList& liste);
  static QStringList KommaTextLesen(const QString& text);

  // Writes the settings of the window (church-tax rates, basic allowance,
  // placement, rates while the general table is selected) and, with the
  // settings the application holds, writes the file once.  Called once when
  // the window closes; a failed write is reported to the user, once per run.
  // Returns false when something could not be written.
  bool EinstellungenSpeichern();

  // The state flags, for the tools and tests.
  bool RechnenAktiv() const { return rechnenAktiv_; }
  bool InAnzeige() const { return inAnzeige_; }
  // The wished net wage (or wage cost) as typed, in cents of the display
  // currency.
  std::int64_t WunschBetrag() const;

 signals:
  // Emitted at the end of every display of results: the windows that follow
  // the calculation (income-tax display, wage conversion) refresh on it.
  void Berechnet();
  // Emitted after a switch of the tax year or of the display currency
  // (also when a year switch changes the currency), before the recalculation
  // that follows it.
  void JahrGewechselt(int jahr);
  void WaehrungGewechselt(bool euro);
  // Emitted when the window is about to save its settings at its close: the
  // other windows put their own entries into the settings first, so that
  // one write of the file takes all.
  void EinstellungenSichern();

 protected:
  void showEvent(QShowEvent* ereignis) override;
  void closeEvent(QCloseEvent* ereignis) override;
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;

 private:
  // ---- the cycle (rechner.cpp) ----
  void SignaleVerbinden();
  // A control changed: what it means for the other controls, then one
  // cycle (not while a cycle is writing the controls).
  void Geaendert();
  void Rechnen();
  // The parameters of the year and month with the stored values.
  TParameter Parameter() const;
  // The request the controls state now, the controls enabled as the core
  // says.
  TAnfrage Anfrage(const TParameter& p, TMeldungen& meldungen);
  void Zeigen();
  void WunschGeaendert();
  void Fehler(const QString& text);
  // Whether the person counts as childless for the care surcharge: no child
  // allowances and no child under 25.
  bool Kinderlos() const;
  // The care surcharge box follows the children and the tax class.
  void PVZuschlagVorgabe();
  // A box of the employment type ticked by the user.
  void BeschaeftigungGeklickt(QCheckBox* kasten);
  // A box of the insurance clicked by the user: a typed key goes, the boxes
  // decide again.
  void GruppeVerwerfen();
  // The field's text as a key, when its editing ends or its fourth digit is
  // typed: a key the core takes sets the boxes and stays in force; one it
  // refuses turns the field red with the core's message and changes nothing.
  void BeitragsgruppeEingegeben();
  // The core's message for the window's request with the key g, or an
  // empty text; probe receives the request as the key sets it.
  QString GruppeProbieren(const TBeitragsgruppe& g, TAnfrage& probe);
  // After a switch of year or month: a typed key the new period refuses goes
  // (the field names why).
  void BeitragsgruppePruefen();
  void BeitragsgruppeAblehnen(const QString& text, const QString& meldung);
  void SichtWechseln(bool arbeitnehmer);

  // ---- year, month, currency (rechner_zeit.cpp) ----
  // The flowchart named outright (the one first published), or -1.
  int Version() const;
  // Caption, drop-down and menu of the year and month.
  void JahrAnzeigen();
  // The boxes and captions of the year and the pay month's rule period.
  void RegelnAnzeigen();
  void UrspruenglichClick();
  void WaehrungAnzeigen();

  // ---- settings (rechner_einstellungen.cpp) ----
  void EinstellungenLaden();
  // The inputs of the pay beside the regular wage, kept from the last
  // session (section "Einmalzahlung"): loaded at the start, saved with the
  // other settings.
  void BezuegeLaden(const TNewIniFile& ini);
  bool BezuegeSpeichern(TNewIniFile& ini) const;
  void SaetzeLaden();
  void EinstellungsWarnungenZeigen();
  void SpeicherFehlerMelden(const QStringList& fehler);
  void BemessungsgrenzenZeigen();
  void BBGGespeichert(const TBBGTabelle& zeile);
  void InfoZeigen();

  TDateiNamen namen_;
  QString titel_;
  TEingabeMaske* maske_ = nullptr;
  const TEingabeFelder* f_ = nullptr;
  TErgebnisPanel* ergebnis_ = nullptr;
  TRechnerMenue* menue_ = nullptr;
  std::unique_ptr<TAnfrageBindung> bindung_;
  std::unique_ptr<TSatzVerwaltung> saetze_;

  // The window's state.
  int jahr_ = 0;
  int monat_ = 12;
  bool urspruenglich_ = false;
  bool euro_ = true;
  // In the DM years: amounts in DM (the default) or in Euro.
  bool dmGewuenscht_ = true;
  bool arbeitnehmerSicht_ = true;
  // The calculation shown.
  TAbrechnungsStand stand_;

  bool rechnenAktiv_ = false;
  bool inZyklus_ = false;
  bool inAnzeige_ = false;
  int lzzAlt_ = 1;
  bool gezeigt_ = false;
  bool gespeichert_ = false;
  // The user hears once per run that the settings could not be saved.
  bool speicherFehlerGemeldet_ = false;

  QWidget* info_ = nullptr;
  TFBMG* bmg_ = nullptr;
  QHash<QWidget*, QAction*> anzeigen_;
  // Damaged values of the settings file, named once the window is shown.
  QStringList einstellungsWarnungen_;
  // The damaged stored inputs of the pay beside the regular wage (key and
  // value as they stand), kept in the file while their field stays empty.
  QList<QPair<QString, QString>> bezuegeUnbrauchbar_;
};

}  // namespace lst
