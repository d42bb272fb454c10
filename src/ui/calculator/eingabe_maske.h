#pragma once
// The left panel of the calculator window: the year bar above two tabs, the
// first with the wage-tax and the social-insurance inputs, the second with
// the pay beside the regular wage (one-off payments, severance, company car,
// benefits in kind, tax-free pay).  It lays the controls out and
// names them (their objectNames are what the tests and the other windows
// look them up by); what they mean for a calculation is the request
// binding's (anfrage_bindung.h) and the rates' (saetze.h).

#include <QStringList>
#include <QWidget>

#include <utility>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTabWidget;

namespace lst {

class TEditCS;

// The controls of the panel, for the parts of the calculator window.
struct TEingabeFelder {
  // Year bar.
  QComboBox* CBJahr = nullptr;
  QComboBox* CBMonat = nullptr;
  QLabel* LMonat = nullptr;
  QLabel* LAblaufplan = nullptr;
  QCheckBox* cbUrspruenglich = nullptr;
  QLabel* LJahrWaehrung = nullptr;

  // Wage tax.
  QCheckBox* CBAlter = nullptr;
  TEditCS* edAJahr = nullptr;
  QComboBox* CBLZZ = nullptr;
  QComboBox* CBStKl = nullptr;
  QCheckBox* cbAF = nullptr;
  TEditCS* edFaktor = nullptr;
  QComboBox* cbKirchenSt = nullptr;
  QComboBox* CBBundesland = nullptr;
  QCheckBox* CBAktivrente = nullptr;
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

  // Social insurance: the rates.
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
  TEditCS* EU1Proz = nullptr;
  TEditCS* EU2Proz = nullptr;

  // Social insurance: the person.
  QCheckBox* cbPriv = nullptr;
  TEditCS* EPVWert = nullptr;
  TEditCS* EPVWertPV = nullptr;
  QLabel* LPVWertPV = nullptr;
  QGroupBox* RGprivTyp = nullptr;
  QButtonGroup* RGprivTypGruppe = nullptr;
  QGroupBox* RGOstWest = nullptr;
  QButtonGroup* RGOstWestGruppe = nullptr;
  QCheckBox* cbSachsen = nullptr;
  QCheckBox* CBGleitZ = nullptr;
  QCheckBox* CBRV_Verzicht = nullptr;
  TEditCS* EBeitragsgruppe = nullptr;
  QLabel* LBeitragsgruppe = nullptr;
  QCheckBox* CBGF = nullptr;
  QCheckBox* CBprivHH = nullptr;
  QCheckBox* CBPauschSt = nullptr;
  TEditCS* EPauschSt = nullptr;
  QLineEdit* EZusText = nullptr;
  TEditCS* EZusBetrag = nullptr;

  // The tabs of the form: the wage tax and the social insurance, and the pay
  // beside the regular wage.
  QTabWidget* TabEingabe = nullptr;
  QWidget* PEinmalzahlung = nullptr;

  // A one-off payment and what its taxes and contributions depend on (empty
  // optional fields: the core's defaults).
  TEditCS* ESonstBezug = nullptr;
  TEditCS* EJahresLohn = nullptr;
  TEditCS* EBisherSonstBez = nullptr;
  TEditCS* ESVTage = nullptr;
  TEditCS* ESVEntgeltKV = nullptr;
  TEditCS* ESVEntgeltRV = nullptr;
  // The previous year with the same employer (March clause).
  TEditCS* EVorjahrSVTage = nullptr;
  TEditCS* EVorjahrSVEntgeltKV = nullptr;
  TEditCS* EVorjahrSVEntgeltRV = nullptr;
  TEditCS* EVorjahrKVZusatz = nullptr;
  // Severance.
  TEditCS* EAbfindung = nullptr;
  QCheckBox* cbFuenftel = nullptr;
  // Company car.
  TEditCS* EDienstwagen = nullptr;
  TEditCS* EDienstwagenKm = nullptr;
  QComboBox* CBDienstwagenSatz = nullptr;
  // Benefits in kind, tax-free pay, deferred compensation, capital-forming
  // benefits.
  TEditCS* ESachbezug = nullptr;
  TEditCS* ESteuerfrei = nullptr;
  TEditCS* EEntgeltumw = nullptr;
  TEditCS* EVWLAG = nullptr;
  TEditCS* EVWLSpar = nullptr;
  // The caption of each field of the tab, by the field.
  std::vector<std::pair<QWidget*, QLabel*>> EinmalBeschriftungen;

  // The edits and boxes of the tab, for the connections of the window.
  std::vector<TEditCS*> EinmalFelder() const;
};

class TEingabeMaske : public QWidget {
  Q_OBJECT

 public:
  explicit TEingabeMaske(QWidget* eltern);

  const TEingabeFelder& Felder() const { return f_; }

  // The church-tax rates of the drop-down, sorted, each once; auswahl is
  // chosen (or stands as typed text when it is no item).
  QStringList KirchenStListe() const;
  void KirchenStListeSetzen(const QStringList& liste, const QString& auswahl);
  // A rate typed into the drop-down joins its list once its editing has
  // ended (Enter or leaving the field), when the calculation takes it.
  void KirchenStMerken();

  // The tab of the pay beside the regular wage: enabled while one of its
  // fields applies, its caption counting the fields that hold an input in
  // force (enabled and not empty), so that an input on the hidden tab is
  // not forgotten.
  void EinmalReiterZeigen();

 private:
  QWidget* JahrPanelBauen();
  QWidget* LohnsteuerPanelBauen();
  QWidget* SVPanelBauen();
  QWidget* EinmalzahlungPanelBauen();
  TEditCS* Zahlfeld(const char* name, int laenge, bool dezimal, const QString& hinweis);
  QLabel* Beschriftung(const char* name, const QString& text, QWidget* fuer = nullptr);
  QLabel* Einheit(const char* name, const QString& text);

  TEingabeFelder f_;
};

}  // namespace lst
