#pragma once
// TFRechner: the calculator window, the program's main window.  The left
// panel takes one employee's pay for one pay period (wage-tax inputs above,
// social-insurance rates and the special cases of marginal employment below);
// every change recalculates at once.  The right panel shows the result in the
// employee's or the employer's view and takes a wished net wage.
//
// The window works on the application's context and records; it keeps no
// calculation state of its own beyond the flags that hold off re-entrance.
//
// Split over several files: rechner.cpp (building, inputs, rules),
// rechner_ergebnis.cpp (result panel, wish-net), rechner_menue.cpp (menus,
// settings).

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <string>

#include "common/ini_datei.h"
#include "ui/rechner_schnittstelle.h"

class QAction;
class QActionGroup;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFrame;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QRadioButton;

namespace lst {

class TEditCS;

class TFRechner : public QMainWindow, public TRechnerSchnittstelle {
  Q_OBJECT

 public:
  // Creates the window and loads its settings from the files named in namen;
  // the window does not calculate before it is shown (or Neuberechnen is
  // called).
  TFRechner(TRechenKontext& kontext, TAbrechnung& daten, const TDateiNamen& namen,
            QWidget* eltern = nullptr);
  ~TFRechner() override;

  // TRechnerSchnittstelle
  TRechenKontext& Kontext() override { return k_; }
  TAbrechnung& Daten() override { return d_; }
  QWidget* Fenster() override { return this; }
  TWerkzeugAktionen Aktionen() override;
  QAction* DruckenAktion() override { return Drucken1; }
  QAction* DruckerAktion() override { return Drucker1; }
  void EingabenSammeln() override;
  void Neuberechnen() override;

  // Switches the tax year (1995 to 2013) as the menu "Steuerjahr" and the
  // drop-down CBJahr do: the rates of the year left are stored (as at exit),
  // the new year's rates, flat-rate tax and ceilings are loaded, the boxes
  // follow the year's rules, amounts typed in DM or Euro keep their money,
  // then one recalculation.  A year without calculation is ignored.
  void JahrWechseln(int jahr);
  // "Beträge in DM": in the DM years 1995 to 2001 amounts are typed and
  // shown in DM (true) or in Euro (false); the typed amounts are converted.
  void BetraegeInDM(bool dm);

  // "Lohnsteuerberechnung 2013": the caption, also the printout's title.
  const QString& Titel() const { return titel_; }
  const TDateiNamen& DateiNamen() const { return namen_; }

  // Sets every unit label of the window ("LDM...") to "[EUR]" and the one
  // behind the wish-net field to "EUR" (the currency symbol of the context).
  void EinheitenSetzen();

  // The windows that the menu opens; the application creates them after this
  // window and hands them in.
  void SetInfoFenster(QWidget* info) { info_ = info; }
  void SetBMGDialog(QWidget* bmg) { bmg_ = bmg; }
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
  std::int64_t WunschBetrag() const { return wunschBetrag_; }

  // Days per pay period, by the item index of CBLZZ.
  static constexpr int kTageProZeitraum[4] = {360, 30, 7, 1};

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
  // ---- building (rechner.cpp) ----
  QWidget* LinkesPanelBauen();
  QWidget* JahrPanelBauen();
  QWidget* LohnsteuerPanelBauen();
  QWidget* SVPanelBauen();
  QWidget* ErgebnisPanelBauen();   // rechner_ergebnis.cpp
  void MenueBauen();               // rechner_menue.cpp
  void SignaleVerbinden();
  TEditCS* Zahlfeld(const char* name, int laenge, bool dezimal, const QString& hinweis);
  QLabel* Beschriftung(const char* name, const QString& text, QWidget* fuer = nullptr);
  QLabel* Einheit(const char* name, const QString& text);

  // ---- rules and the cycle (rechner.cpp) ----
  void DoIt();
  void Rechnen();
  void WarnfarbenSetzen();
  void Warnen(QWidget* w, bool rot);
  void SaetzeInEdits();
  void SaetzeNeuLaden();
  int Beschaeftigung() const;
  std::int64_t Betrag(const TEditCS* e) const;
  QString Fixiert2(double x) const;
  void Fehler(const QString& text);

  void E_ZKFChange();
  void CBStKlChange();
  void CBRClick();
  void cbKirchenStChange();
  void KirchenStMerken();
  void CBAlterClick();
  void cbAFClick();
  void edFaktorChange();
  void OnChgMonat(int index);
  void TabArtWaehlen(int art);
  void CBKRVClick(bool mitSender);
  void RGOstWestClick();
  void cbSachsenClick();
  void BeschaeftigungClick(QCheckBox* geklickt);
  void cbPrivClick();
  void EZusTextChange();
  void KindergeldSetzen();
  void AufstockungFreigeben();

  // ---- results (rechner_ergebnis.cpp) ----
  void ErgebnisseZeigen();
  void ENettoLohnChange();
  QString Geld(std::int64_t cent);

  // ---- menus and settings (rechner_menue.cpp) ----
  void SichtWechseln(bool arbeitnehmer);
  void EinstellungenLaden();
  void BemessungsgrenzenZeigen();
  void InfoZeigen();
  void KirchenStListeSetzen(const QStringList& liste, const QString& auswahl);
  void EinstellungsWarnungenZeigen();
  // The year's rules on the boxes and menu entries (no recalculation).
  void JahresRegelnAnwenden();
  void ZuschlaegeAnzeigen();
  // Caption, drop-down and menu of the year.
  void JahrAnzeigen();
  // Multiplies every typed amount by faktor (a change of display currency).
  void BetraegeUmrechnen(double faktor);
  // The display currency's symbol on the unit labels here and in the
  // ceilings dialog.
  void WaehrungAnzeigen();
  // Stores the rates of the current year while the general table is
  // selected; names the file in fehler when it could not be written.
  void SaetzeSpeichern(QStringList& fehler);
  void SpeicherFehlerMelden(const QStringList& fehler);

  TRechenKontext& k_;
  TAbrechnung& d_;
  TDateiNamen namen_;
  QString titel_;

  bool rechnenAktiv_ = false;
  bool inAnzeige_ = false;
  bool klickSperre_ = true;
  std::uint8_t lzzAlt_ = 1;
  std::int64_t wunschBetrag_ = 0;
  bool gezeigt_ = false;
  bool gespeichert_ = false;
  // The user hears once per run that the settings could not be saved.
  bool speicherFehlerGemeldet_ = false;
  // In the DM years: amounts in DM (the default) or in Euro.
  bool dmGewuenscht_ = true;

  QWidget* info_ = nullptr;
  QWidget* bmg_ = nullptr;
  QHash<QWidget*, QAction*> anzeigen_;
  // Damaged values of the settings file, named once the window is shown.
  QStringList einstellungsWarnungen_;

 public:
  // The controls, named as their objectName.  Public so that the application
  // and the tools need no lookups for the common ones.
  QComboBox* CBJahr = nullptr;
  QCheckBox* CBAlter = nullptr;
  TEditCS* edAJahr = nullptr;
  QComboBox* CBLZZ = nullptr;
  QComboBox* CBStKl = nullptr;
  QCheckBox* cbAF = nullptr;
  TEditCS* edFaktor = nullptr;
  QComboBox* cbKirchenSt = nullptr;
  QCheckBox* CBR = nullptr;
  QRadioButton* rbAllgTab = nullptr;
  QRadioButton* rbBesTab = nullptr;
  QComboBox* cbTabArt = nullptr;
  TEditCS* ELohn = nullptr;
  TEditCS* EVersBez = nullptr;
  TEditCS* EVBezM = nullptr;
  TEditCS* EVBezS = nullptr;
  TEditCS* EZMVB = nullptr;
  TEditCS* edVJahr = nullptr;
  TEditCS* EFreibetrag = nullptr;
  TEditCS* EHinzuR = nullptr;
  TEditCS* edSterbe = nullptr;
  TEditCS* E_ZKF = nullptr;
  TEditCS* EKindergeld = nullptr;
  QLabel* LKindergeld = nullptr;

  TEditCS* EKVANProz = nullptr;
  TEditCS* EKVAGProz = nullptr;
  QCheckBox* cbKV2 = nullptr;
  TEditCS* EKV2ANProz = nullptr;
  TEditCS* ERVANProz = nullptr;
  TEditCS* ERVAGProz = nullptr;
  QCheckBox* CBAufst = nullptr;
  TEditCS* EAufProz = nullptr;
  TEditCS* EAVANProz = nullptr;
  TEditCS* EAVAGProz = nullptr;
  TEditCS* EPVANProz = nullptr;
  TEditCS* EPVAGProz = nullptr;
  QCheckBox* cbPV2 = nullptr;
  TEditCS* ePV2ANProz = nullptr;
  QCheckBox* cbPriv = nullptr;
  TEditCS* EPVWert = nullptr;
  QGroupBox* RGprivTyp = nullptr;
  QButtonGroup* RGprivTypGruppe = nullptr;
  QGroupBox* RGOstWest = nullptr;
  QButtonGroup* RGOstWestGruppe = nullptr;
  QCheckBox* cbSachsen = nullptr;
  QCheckBox* CBGleitZ = nullptr;
  QCheckBox* CBRV_Verzicht = nullptr;
  QCheckBox* CBGF = nullptr;
  QCheckBox* CBprivHH = nullptr;
  QCheckBox* CBPauschSt = nullptr;
  TEditCS* EPauschSt = nullptr;
  QLineEdit* EZusText = nullptr;
  TEditCS* EZusBetrag = nullptr;

  // Result panel.
  QFrame* PErg = nullptr;
  QLabel* LErg = nullptr;
  QLabel* LLoSt = nullptr;
  QLabel* LTxtNetto = nullptr;
  QLabel* LTxtWunsch = nullptr;
  QLabel* LTxt7 = nullptr;
  QLabel* LTxtEndsumme = nullptr;
  QLabel* ErgText = nullptr;
  QLabel* ErgBruttoLohn = nullptr;
  QLabel* ErgLohnSt = nullptr;
  QLabel* ErgKirchenSt = nullptr;
  QLabel* ErgSoli = nullptr;
  QLabel* ErgSteuern = nullptr;
  QLabel* ErgNachSt = nullptr;
  QLabel* ErgKV = nullptr;
  QLabel* ErgKV2 = nullptr;
  QLabel* ErgRV = nullptr;
  QLabel* ErgAV = nullptr;
  QLabel* ErgPV = nullptr;
  QLabel* ErgPV2 = nullptr;
  QLabel* ErgSV = nullptr;
  QLabel* ErgZusatz = nullptr;
  QLabel* ErgNettoLohn = nullptr;
  QLabel* ErgKiGeld = nullptr;
  QLabel* ErgKiGeldZwi = nullptr;
  TEditCS* ENettoLohn = nullptr;

  // Menu.
  QAction* Steuerklassenvgl1 = nullptr;
  QAction* Tabelle1 = nullptr;
  QAction* Grafik1 = nullptr;
  QAction* EinkStTabelle1 = nullptr;
  QAction* Drucken1 = nullptr;
  QAction* ProgrammBeenden1 = nullptr;
  QAction* Arbeitgeberanteil1 = nullptr;
  QAction* Arbeitnehmeranteil1 = nullptr;
  QAction* EinkommensteuerAnzeige1 = nullptr;
  QAction* LohnUmrAnz1 = nullptr;
  QMenu* Steuerjahr1 = nullptr;
  // One radio entry per year, newest first, named "Jahr" + year.
  QList<QAction*> JahrEintraege;
  QAction* BetraegeInDM1 = nullptr;
  QAction* Grundfreibetrag8004 = nullptr;
  QAction* Grundfreibetrag8130 = nullptr;
  QAction* Bemessungsgrenzen1 = nullptr;
  QAction* Drucker1 = nullptr;
  QAction* Info1 = nullptr;
};

}  // namespace lst
