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
// Split over several files: rechner_aufbau.cpp (building the panels and
// connecting the controls), rechner.cpp (inputs, rates, rules, events),
// rechner_ergebnis.cpp (result panel, wish-net), rechner_menue.cpp (menus,
// settings, switching year and month).

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <string>

#include "calc/beitragsgruppe.h"
#include "calc/satzeingabe.h"
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

  // Switches the tax year (1995 to 2026) as the menu "Steuerjahr" and the
  // drop-down CBJahr do: the rates of the year left are stored (as at exit),
  // the new year's rates, flat-rate tax and ceilings are loaded, the boxes
  // follow the year's rules, amounts typed in DM or Euro keep their money,
  // then one recalculation.  A year without calculation is ignored.
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
  // ---- building (rechner_aufbau.cpp) ----
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
  // Private insurance: the premium fields, and before 2014 the health and
  // care rates it takes out (from 2014 its contribution group does).
  void PrivatFelderFreigeben();

  // ---- contribution group (from 2014) ----
  // The key in force: the one typed, else the one the boxes describe.
  TBeitragsgruppe GruppeInKraft() const;
  // The window's request with key g, as the core takes it
  // (BeitragsgruppeUebernehmen) in the year and month shown: an empty
  // string and the boxes it sets in probe, or the core's message.
  std::string GruppeProbieren(const TBeitragsgruppe& g, TRechnung& probe) const;
  // The field's text as a key, when its editing ends or its fourth digit is
  // typed: a key the core takes sets the boxes and stays in force; one it
  // refuses turns the field red with the core's message and changes nothing.
  void BeitragsgruppeEingegeben();
  // A box of the insurance changed by the user: a typed key goes, the boxes
  // decide again.
  void GruppeVerwerfen();
  // After a calculation: the key in force in the field (not while the user
  // types there or a refused key stands in it).
  void BeitragsgruppeZeigen();
  // After a switch of year or month: the field follows the year, and a typed
  // key the new period refuses goes (the field names why).
  void BeitragsgruppePruefen();
  void BeitragsgruppeAblehnen(const QString& text, const QString& meldung);
  // Marks that the calculation did not take something as typed: the age
  // relief before its year, a care part above the private premium.
  void HinweiseSetzen();

  // ---- rates typed in percent ----
  // The rate of a field by the rule of its kind (calc/satzeingabe.h): the
  // value, or nothing with the field red and the rule as its tooltip.
  std::optional<double> SatzDesFelds(QLineEdit* feld, TSatzArt art);
  // A field with a tooltip of its own while it warns: the usual one back.
  void Hinweis(QWidget* w, const QString& warnung);
  // The user typed into a rate field: a damaged stored value under its key
  // may now be overwritten when the settings are saved.
  void SatzGeaendert(QLineEdit* feld);
  // The flat-rate tax in force as a fraction: the typed one, else the year's.
  double PauschSatz();
  // The care discounts for further children under 25, from the field
  // E_KinderU25 (the 2nd to 5th child).
  int PVAbschlaege() const;
  // Whether the person counts as childless for the care surcharge: no child
  // allowances and no child under 25.
  bool Kinderlos() const;
  // The pay month of the rule period the tables hold: LStMonat from 2014,
  // 0 (the year's row) before.
  int SVMonat() const;
  // The levies' edits: the user's rates of normal employment, the minijob
  // office's rates in marginal employment.
  void UmlagenInEdits();

  // ---- results (rechner_ergebnis.cpp) ----
  void ErgebnisseZeigen();
  void ENettoLohnChange();
  QString Geld(std::int64_t cent);

  // ---- menus and settings (rechner_menue.cpp) ----
  void SichtWechseln(bool arbeitnehmer);
  // The flowchart first published instead of the corrected one (cbUrspruenglich).
  void UrspruenglichClick();
  void EinstellungenLaden();
  void BemessungsgrenzenZeigen();
  void InfoZeigen();
  void KirchenStListeSetzen(const QStringList& liste, const QString& auswahl);
  void EinstellungsWarnungenZeigen();
  // The year's rules on the boxes and menu entries (no recalculation).
  void JahresRegelnAnwenden();
  // The boxes of the pay month's rule period: the zone and its waiver, the
  // children under 25 (also after a change of employment or insurance).
  void PeriodenFelderFreigeben();
  // Loads the year's rates and ceilings for the pay month, with the add-on
  // rate and levies the settings hold; damaged values are noted.
  void SVLaden();
  // After a switch of year or month: the edits, boxes and captions follow
  // the context's rule period (no recalculation).
  void RegelperiodeZeigen();
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
  // The fund's health add-on rate and the levies of normal employment in
  // percent, as stored for the year (-1: the default).
  double kvZusatz_ = -1;
  double u1NV_ = -1;
  double u2NV_ = -1;

  QWidget* info_ = nullptr;
  QWidget* bmg_ = nullptr;
  QHash<QWidget*, QAction*> anzeigen_;
  // Damaged values of the settings file, named once the window is shown.
  QStringList einstellungsWarnungen_;
  // The damaged values of the current year's rates: the defaults shown in
  // their place are not saved over them unless the user types into their field.
  TEinstellungsBericht unbrauchbar_;
  // The contribution group typed by the user (from 2014), in force until a
  // box of the insurance is clicked; while it sets the boxes, their handlers
  // keep it.  A refused key stays in the field, red.
  std::optional<TBeitragsgruppe> gruppe_;
  bool gruppeSetzen_ = false;
  bool gruppeAbgelehnt_ = false;

 public:
  // The controls, named as their objectName.  Public so that the application
  // and the tools need no lookups for the common ones.
  QComboBox* CBJahr = nullptr;
  // Pay month (from 2014) and the flowchart it chooses.
  QComboBox* CBMonat = nullptr;
  QLabel* LMonat = nullptr;
  QLabel* LAblaufplan = nullptr;
  // The flowchart first published, in the months whose flowchart was corrected.
  QCheckBox* cbUrspruenglich = nullptr;
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
  TEditCS* E_KinderU25 = nullptr;
  QLabel* LKinderU25 = nullptr;
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
  // The care part of the private premium, where it is known apart.
  TEditCS* EPVWertPV = nullptr;
  QLabel* LPVWertPV = nullptr;
  // The contribution group KV-RV-AV-PV (from 2014).
  TEditCS* EBeitragsgruppe = nullptr;
  QLabel* LBeitragsgruppe = nullptr;
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
  // The employer's levies U1 and U2 (from 2014).
  TEditCS* EU1Proz = nullptr;
  TEditCS* EU2Proz = nullptr;

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
  // Reduced bases of the zone (both views, only in the zone), the
  // employer's levies and the cost including them (the employer's view,
  // from 2014).
  QLabel* LTxtBE = nullptr;
  QLabel* ErgBE = nullptr;
  QLabel* LTxtBEAN = nullptr;
  QLabel* ErgBEAN = nullptr;
  QLabel* LTxtU1 = nullptr;
  QLabel* ErgU1 = nullptr;
  QLabel* LTxtU2 = nullptr;
  QLabel* ErgU2 = nullptr;
  QLabel* LTxtIGU = nullptr;
  QLabel* ErgIGU = nullptr;
  QLabel* LTxtUmlagenGesamt = nullptr;
  QLabel* ErgUmlagenGesamt = nullptr;
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
