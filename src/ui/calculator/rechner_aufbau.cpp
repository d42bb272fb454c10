// Building the calculator window: the year bar, the wage-tax and the
// social-insurance panels with their controls, and the connections of the
// controls to the input rules (rechner.cpp).

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

#include "calc/berechnung.h"
#include "calc/jahresregeln.h"
#include "calc/sozialversicherung.h"
#include "common/qt/edit_cs.h"
#include "ui/calculator/rechner.h"

namespace lst {

namespace {

constexpr TEditCS::TZugZeichen kZiffern = TEditCS::Bearbeitg | TEditCS::Ziffern;
constexpr TEditCS::TZugZeichen kDezimal = TEditCS::Bearbeitg | TEditCS::Ziffern | TEditCS::DezTrenn;

QCheckBox* Kasten(QWidget* eltern, const char* name, const QString& text, const QString& hinweis = {}) {
  auto* k = new QCheckBox(text, eltern);
  k->setObjectName(QString::fromLatin1(name));
  if (!hinweis.isEmpty()) k->setToolTip(hinweis);
  k->setAccessibleName(QString(text).remove(QLatin1Char('&')));
  return k;
}

}  // namespace

// ---- building ------------------------------------------------------------------

TEditCS* TFRechner::Zahlfeld(const char* name, int laenge, bool dezimal, const QString& hinweis) {
  auto* e = new TEditCS(this);
  e->setObjectName(QString::fromLatin1(name));
  e->SetZugZeichen(dezimal ? kDezimal : kZiffern);
  e->setMaxLength(laenge);
  e->SetAlignment(TEditCS::taRightJustify);
  if (!hinweis.isEmpty()) e->setToolTip(hinweis);
  const int zeichen = std::max(laenge, 4) + 2;
  e->setFixedWidth(e->fontMetrics().horizontalAdvance(QString(zeichen, QLatin1Char('0'))) + 12);
  return e;
}

QLabel* TFRechner::Beschriftung(const char* name, const QString& text, QWidget* fuer) {
  auto* l = new QLabel(text, this);
  if (name != nullptr) l->setObjectName(QString::fromLatin1(name));
  if (fuer != nullptr) {
    l->setBuddy(fuer);
    fuer->setAccessibleName(text);
  }
  return l;
}

QLabel* TFRechner::Einheit(const char* name, const QString& text) {
  auto* l = new QLabel(text, this);
  if (name != nullptr) l->setObjectName(QString::fromLatin1(name));
  return l;
}

QWidget* TFRechner::LinkesPanelBauen() {
  auto* panel = new QWidget(this);
  panel->setObjectName(QStringLiteral("PEingabe"));
  auto* spalte = new QVBoxLayout(panel);
  spalte->setContentsMargins(0, 0, 0, 0);
  spalte->addWidget(JahrPanelBauen());
  spalte->addWidget(LohnsteuerPanelBauen());
  spalte->addWidget(SVPanelBauen());
  spalte->addStretch(1);
  return panel;
}

QWidget* TFRechner::JahrPanelBauen() {
  auto* box = new QWidget(this);
  box->setObjectName(QStringLiteral("PJahr"));
  auto* g = new QGridLayout(box);
  g->setContentsMargins(6, 0, 6, 0);
  g->setVerticalSpacing(0);
  CBJahr = new QComboBox(this);
  CBJahr->setObjectName(QStringLiteral("CBJahr"));
  CBJahr->setToolTip(QStringLiteral("Steuerjahr der Berechnung: Lohnsteuer, Beitragssätze und "
                                    "Bemessungsgrenzen dieses Jahres"));
  for (int jahr = NeuestesJahr(); jahr >= kErstesJahr; --jahr)
    if (JahresRegeln(jahr).Vorhanden) CBJahr->addItem(QString::number(jahr), jahr);
  auto* l = Beschriftung("LJahr", QStringLiteral("Steuerjahr"), CBJahr);
  QFont fett = l->font();
  fett.setBold(true);
  l->setFont(fett);
  g->addWidget(l, 0, 0);
  g->addWidget(CBJahr, 0, 1);

  // The pay month, from 2014: it chooses the flowchart and the rule period.
  CBMonat = new QComboBox(this);
  CBMonat->setObjectName(QStringLiteral("CBMonat"));
  CBMonat->setToolTip(QStringLiteral("Lohnzahlungsmonat: bestimmt den Programmablaufplan und die "
                                     "Regeln der Sozialversicherung, die in diesem Monat gelten"));
  for (int monat = 1; monat <= 12; ++monat) CBMonat->addItem(QString::fromUtf8(Monatsname(monat)), monat);
  LMonat = Beschriftung("LMonat", QStringLiteral("Monat"), CBMonat);
  LAblaufplan = new QLabel(this);
  LAblaufplan->setObjectName(QStringLiteral("LAblaufplan"));
  LAblaufplan->setToolTip(QStringLiteral("Programmablaufplan, nach dem die Lohnsteuer dieses Monats berechnet wird"));
  // Room for the longest name, so that the panels keep their width from
  // month to month.
  int breite = 0;
  for (int v = 0; v < kAnzahlLStVersionen; ++v) {
    if (!JahresRegeln(kLStVersionen[v].Jahr).PeriodenNachMonat) continue;
    breite = std::max(breite, LAblaufplan->fontMetrics().horizontalAdvance(QString::fromStdString(AblaufplanName(v))));
  }
  LAblaufplan->setMinimumWidth(breite + 4);
  g->setColumnMinimumWidth(2, 8);
  g->addWidget(LMonat, 0, 3);
  g->addWidget(CBMonat, 0, 4);
  g->addWidget(LAblaufplan, 0, 5);
  // In the months whose first flowchart was corrected, under the flowchart's
  // name: the first one instead.
  cbUrspruenglich = Kasten(this, "cbUrspruenglich", QStringLiteral("ursprünglicher Ablaufplan"));
  cbUrspruenglich->setVisible(false);
  g->addWidget(cbUrspruenglich, 1, 5, 1, 2);

  auto* waehrung = new QLabel(this);
  waehrung->setObjectName(QStringLiteral("LJahrWaehrung"));
  g->addWidget(waehrung, 0, 6);
  g->setColumnStretch(7, 1);
  return box;
}

int TFRechner::NeuestesJahr() {
  for (int jahr = kLetztesLStJahr; jahr > kErstesJahr; --jahr)
    if (JahresRegeln(jahr).Vorhanden) return jahr;
  return kErstesJahr;
}

int TFRechner::StandardMonat(int jahr) {
  const QDate heute = QDate::currentDate();
  return heute.year() == jahr ? heute.month() : 12;
}

int TFRechner::SVMonat() const { return JahresRegeln(k_.LStJahr).PeriodenNachMonat ? k_.LStMonat : 0; }

QWidget* TFRechner::LohnsteuerPanelBauen() {
  auto* gruppe = new QGroupBox(QStringLiteral("Lohnsteuer"), this);
  gruppe->setObjectName(QStringLiteral("PLohnsteuer"));
  auto* g = new QGridLayout(gruppe);
  g->setVerticalSpacing(2);
  int z = 0;

  CBAlter = Kasten(this, "CBAlter", QStringLiteral("Altersentlastung"),
                   QStringLiteral("AN hat das 64. Lebensjahr vollendet (§ 24a EStG)"));
  edAJahr = Zahlfeld("edAJahr", 4, false,
                     QStringLiteral("Auf die Vollendung des 64. Lebensjahres folgendes Kalenderjahr"));
  edAJahr->setEnabled(false);
  g->addWidget(CBAlter, z, 0);
  g->addWidget(Beschriftung("LAJahr", QStringLiteral("65 im Jahre:"), edAJahr), z, 3, Qt::AlignRight);
  g->addWidget(edAJahr, z++, 4);

  CBLZZ = new QComboBox(this);
  CBLZZ->setObjectName(QStringLiteral("CBLZZ"));
  for (int lzz = 1; lzz <= 4; ++lzz) CBLZZ->addItem(ZeitraumName(lzz));
  g->addWidget(Beschriftung("LLZZ", QStringLiteral("Lohnzahlungszeitraum"), CBLZZ), z, 0);
  g->addWidget(CBLZZ, z++, 1, 1, 2);

  CBStKl = new QComboBox(this);
  CBStKl->setObjectName(QStringLiteral("CBStKl"));
  for (int stkl = 1; stkl <= 6; ++stkl) CBStKl->addItem(SteuerklasseName(stkl));
  cbAF = Kasten(this, "cbAF", QStringLiteral("Faktorverf."),
                QStringLiteral("Bitte anhaken, wenn bei StKl. IV das Faktorverfahren angewendet werden soll"));
  edFaktor = Zahlfeld("edFaktor", 5, true, QStringLiteral("Faktor [0..1] mit drei Nachkommastellen"));
  edFaktor->setText(QStringLiteral("1,0"));
  edFaktor->setAccessibleName(QStringLiteral("Faktor"));
  cbAF->setEnabled(false);
  edFaktor->setEnabled(false);
  g->addWidget(Beschriftung("LStKl", QStringLiteral("Steuerklasse"), CBStKl), z, 0);
  g->addWidget(CBStKl, z, 1, 1, 2);
  g->addWidget(cbAF, z, 3, Qt::AlignRight);
  g->addWidget(edFaktor, z++, 4);

  cbKirchenSt = new QComboBox(this);
  cbKirchenSt->setObjectName(QStringLiteral("cbKirchenSt"));
  cbKirchenSt->setEditable(true);
  cbKirchenSt->setInsertPolicy(QComboBox::NoInsert);
  cbKirchenSt->addItems({QStringLiteral("8"), QStringLiteral("9")});
  cbKirchenSt->lineEdit()->setMaxLength(10);
  CBR = Kasten(this, "CBR", QStringLiteral("Bekenntnislos"), QStringLiteral("AN zahlt keine Kirchensteuer"));
  g->addWidget(Beschriftung("LKiSt", QStringLiteral("Kirchensteuer"), cbKirchenSt), z, 0);
  g->addWidget(cbKirchenSt, z, 1);
  g->addWidget(Einheit(nullptr, QStringLiteral("[%]")), z, 2);
  g->addWidget(CBR, z++, 3, 1, 2, Qt::AlignRight);

  rbAllgTab = new QRadioButton(QStringLiteral("Allgemeine LoSt"), this);
  rbAllgTab->setObjectName(QStringLiteral("rbAllgTab"));
  rbBesTab = new QRadioButton(QStringLiteral("Besondere LoSt"), this);
  rbBesTab->setObjectName(QStringLiteral("rbBesTab"));
  rbAllgTab->setChecked(true);
  cbTabArt = new QComboBox(this);
  cbTabArt->setObjectName(QStringLiteral("cbTabArt"));
  cbTabArt->addItems({QStringLiteral("Allgemeine LoSt"), QStringLiteral("Bes. LoSt")});
  cbTabArt->setVisible(false);
  g->addWidget(rbAllgTab, z, 0);
  g->addWidget(rbBesTab, z++, 1, 1, 4);

  struct TZeile {
    TEditCS** Feld;
    const char* Name;
    int Laenge;
    const char* Einheit;
    QString Text;
    QString Hinweis;
  };
  const TZeile betraege[] = {
      {&ELohn, "ELohn", 10, "LDMBrutto", QStringLiteral("steuerpfl. Bruttolohn"),
       QStringLiteral("stpfl. Arbeitslohn ohne Vers.freibetr., Altersentl.- u. Freibetrag")},
      {&EVersBez, "EVersBez", 10, "LDMVersBez", QStringLiteral("darin enthaltene Versorgungsbezüge"),
       QStringLiteral("im Brutto enthaltene Versorgungsbezüge (§19 Abs. 2 Satz 10 u. 11 EStG)")},
      {&EVBezM, "EVBezM", 10, "LDMVBEZM", QStringLiteral("Versorgungsbezug im Januar"),
       QStringLiteral("Vers.bez. im Jan. bzw. ersten vollen Monat")},
      {&EVBezS, "EVBezS", 10, "LDMVBEZS", QStringLiteral("Sond.zahlg. für Versorgungsempfänger Kj."), {}},
  };
  for (const auto& zeile : betraege) {
    *zeile.Feld = Zahlfeld(zeile.Name, zeile.Laenge, true, zeile.Hinweis);
    g->addWidget(Beschriftung(nullptr, zeile.Text, *zeile.Feld), z, 0);
    g->addWidget(*zeile.Feld, z, 1);
    g->addWidget(Einheit(zeile.Einheit, QStringLiteral("[€]")), z++, 2);
  }

  EZMVB = Zahlfeld("EZMVB", 2, false, QStringLiteral("nur relevant bei Lohnzahlungszeitraum Jahr"));
  EZMVB->setText(QStringLiteral("12"));
  EZMVB->setEnabled(false);
  g->addWidget(Beschriftung("LZMVB", QStringLiteral("Versorgungsbezüge gezahlt für"), EZMVB), z, 0);
  g->addWidget(EZMVB, z, 1);
  g->addWidget(Einheit(nullptr, QStringLiteral("Monate")), z++, 2);

  edVJahr = Zahlfeld("edVJahr", 4, false,
                     QStringLiteral("Jahr, in dem der Versorgungsbezug erstmalig gewährt wurde"));
  g->addWidget(Beschriftung("LVJahr", QStringLiteral("erstmalig. Vers.bez. im Jahre"), edVJahr), z, 0);
  g->addWidget(edVJahr, z++, 1);

  const TZeile weitere[] = {
      {&EFreibetrag, "EFreibetrag", 10, "LDMFreiBetr", QStringLiteral("Freibetrag"),
       QStringLiteral("Jahresfreibetrag laut Lohnsteuerkarte")},
      {&EHinzuR, "EHinzuR", 10, "LDMHinzuR", QStringLiteral("Hinzurechnungsbetrag"),
       QStringLiteral("Hinzurechnungsbetrag laut Lohnsteuerkarte")},
      {&edSterbe, "edSterbe", 10, "LDMSterbe", QStringLiteral("Abfindungen/Kap.ausz./Sterbegeld"),
       QStringLiteral("Sterbegeld bei sonst. Bez. (nicht mehrjährig)")},
  };
  for (const auto& zeile : weitere) {
    *zeile.Feld = Zahlfeld(zeile.Name, zeile.Laenge, true, zeile.Hinweis);
    g->addWidget(Beschriftung(nullptr, zeile.Text, *zeile.Feld), z, 0);
    g->addWidget(*zeile.Feld, z, 1);
    g->addWidget(Einheit(zeile.Einheit, QStringLiteral("[€]")), z++, 2);
  }
  edSterbe->setEnabled(false);

  E_ZKF = Zahlfeld("E_ZKF", 4, true, {});
  g->addWidget(Beschriftung("LZKF", QStringLiteral("Zahl der Kinderfreibeträge"), E_ZKF), z, 0);
  g->addWidget(E_ZKF, z++, 1);

  E_KinderU25 = Zahlfeld("E_KinderU25", 1, false,
                         QStringLiteral("Kinder unter 25 Jahren: ab dem 2. bis zum 5. Kind ein Abschlag "
                                        "in der Pflegeversicherung (ab 01.07.2023)"));
  E_KinderU25->setEnabled(false);
  LKinderU25 = Beschriftung("LKinderU25", QStringLiteral("Kinder unter 25"), E_KinderU25);
  g->addWidget(LKinderU25, z, 0);
  g->addWidget(E_KinderU25, z++, 1);

  EKindergeld = Zahlfeld("EKindergeld", 9, true, {});
  LKindergeld = Beschriftung("LKindergeld", QStringLiteral("Kindergeld"), EKindergeld);
  auto* ldmKiGeld = Einheit("LDMKiGeld", QStringLiteral("[€]"));
  g->addWidget(LKindergeld, z, 0);
  g->addWidget(EKindergeld, z, 1);
  g->addWidget(ldmKiGeld, z++, 2);
  LKindergeld->setVisible(false);
  EKindergeld->setVisible(false);
  ldmKiGeld->setVisible(false);

  g->setColumnStretch(0, 1);
  g->setColumnStretch(3, 1);
  return gruppe;
}

QWidget* TFRechner::SVPanelBauen() {
  auto* gruppe = new QGroupBox(this);
  gruppe->setObjectName(QStringLiteral("PSV"));
  auto* spalte = new QVBoxLayout(gruppe);
  spalte->setSpacing(4);
  auto* g = new QGridLayout;
  g->setVerticalSpacing(2);

  auto kopf = new QLabel(QStringLiteral("SV-Beiträge (Anteile):"), this);
  kopf->setObjectName(QStringLiteral("LSVKopf"));
  QFont fett = kopf->font();
  fett.setBold(true);
  kopf->setFont(fett);
  g->addWidget(kopf, 0, 0);
  auto* an = new QLabel(QStringLiteral("AN"), this);
  auto* ag = new QLabel(QStringLiteral("AG"), this);
  an->setFont(fett);
  ag->setFont(fett);
  g->addWidget(an, 0, 1, Qt::AlignHCenter);
  g->addWidget(ag, 0, 3, Qt::AlignHCenter);

  int z = 1;
  auto paar = [&](QWidget* links, TEditCS*& feldAN, const char* nameAN, TEditCS** feldAG,
                  const char* nameAG, const QString& hinweisAN = {}) {
    feldAN = Zahlfeld(nameAN, 5, true, hinweisAN);
    g->addWidget(links, z, 0);
    g->addWidget(feldAN, z, 1);
    g->addWidget(Einheit(nullptr, QStringLiteral("[%]")), z, 2);
    const QString text = qobject_cast<QLabel*>(links) != nullptr
                             ? qobject_cast<QLabel*>(links)->text()
                             : qobject_cast<QCheckBox*>(links)->text();
    feldAN->setAccessibleName(text + QStringLiteral(" AN"));
    if (feldAG != nullptr) {
      *feldAG = Zahlfeld(nameAG, 5, true, {});
      (*feldAG)->setAccessibleName(text + QStringLiteral(" AG"));
      g->addWidget(*feldAG, z, 3);
      g->addWidget(Einheit(nullptr, QStringLiteral("[%]")), z, 4);
    }
    ++z;
  };

  paar(new QLabel(QStringLiteral("Krankenvers."), this), EKVANProz, "EKVANProz", &EKVAGProz, "EKVAGProz");
  cbKV2 = Kasten(this, "cbKV2", QStringLiteral("KV Zuschlag"),
                 QStringLiteral("Zusatzbetrag KV f. Zahnersatz u. Krankengeld"));
  cbKV2->setChecked(true);
  paar(cbKV2, EKV2ANProz, "EKV2ANProz", nullptr, nullptr, QStringLiteral("ab 01.07.2005"));
  paar(new QLabel(QStringLiteral("Rentenvers."), this), ERVANProz, "ERVANProz", &ERVAGProz, "ERVAGProz");
  CBAufst = Kasten(this, "CBAufst", QStringLiteral("Aufstockung"),
                   QStringLiteral("Eingenanteil AN an der RV für Geringfügig Besch. / MiniJob"));
  CBAufst->setEnabled(false);
  paar(CBAufst, EAufProz, "EAufProz", nullptr, nullptr, QStringLiteral("nur bei MiniJob aktiv"));
  paar(new QLabel(QStringLiteral("Arbeitslosenvers."), this), EAVANProz, "EAVANProz", &EAVAGProz, "EAVAGProz");
  paar(new QLabel(QStringLiteral("Pflegevers."), this), EPVANProz, "EPVANProz", &EPVAGProz, "EPVAGProz");
  cbPV2 = Kasten(this, "cbPV2", QStringLiteral("PV Zuschlag"), QStringLiteral("Zusatzbeitrag PV für Kinderlose"));
  cbPV2->setChecked(true);
  paar(cbPV2, ePV2ANProz, "ePV2ANProz", nullptr, nullptr);

  // The employer's levies: a rate of the employer alone.
  auto umlage = [&](const char* name, const char* labelName, const QString& text, const QString& hinweis) {
    auto* feld = Zahlfeld(name, 5, true, hinweis);
    feld->setAccessibleName(text + QStringLiteral(" AG"));
    feld->setEnabled(false);
    g->addWidget(Beschriftung(labelName, text), z, 0);
    g->addWidget(feld, z, 3);
    g->addWidget(Einheit(nullptr, QStringLiteral("[%]")), z, 4);
    ++z;
    return feld;
  };
  EU1Proz = umlage("EU1Proz", "LU1", QStringLiteral("Umlage U1"),
                   QStringLiteral("Umlage U1 (Entgeltfortzahlung bei Krankheit), ab 2014; beim Minijob "
                                  "der Satz der Minijob-Zentrale"));
  EU2Proz = umlage("EU2Proz", "LU2", QStringLiteral("Umlage U2"),
                   QStringLiteral("Umlage U2 (Mutterschaft), ab 2014; beim Minijob der Satz der Minijob-Zentrale"));

  // Form defaults; the stored rates replace them at creation.
  EKVANProz->setText(QStringLiteral("6,6"));
  EKVAGProz->setText(QStringLiteral("6,6"));
  EKV2ANProz->setText(QStringLiteral("6,6"));
  ERVANProz->setText(QStringLiteral("10,15"));
  ERVAGProz->setText(QStringLiteral("10,15"));
  EAufProz->setText(QStringLiteral("7,5"));
  EAVANProz->setText(QStringLiteral("3,25"));
  EAVAGProz->setText(QStringLiteral("3,25"));
  EPVANProz->setText(QStringLiteral("0,85"));
  EPVAGProz->setText(QStringLiteral("0,85"));
  ePV2ANProz->setText(QStringLiteral("10,15"));

  g->setColumnStretch(0, 1);

  // Beside the rates: region, the special cases of low wages, employment types.
  auto* rechts = new QVBoxLayout;
  rechts->setSpacing(3);
  RGOstWest = new QGroupBox(QStringLiteral("Sozialversicherung"), this);
  RGOstWest->setObjectName(QStringLiteral("RGOstWest"));
  RGOstWestGruppe = new QButtonGroup(this);
  auto* owReihe = new QHBoxLayout(RGOstWest);
  owReihe->setContentsMargins(6, 0, 6, 0);
  for (int i = 0; i < 2; ++i) {
    auto* rb = new QRadioButton(i == 0 ? QStringLiteral("Ost") : QStringLiteral("West"), RGOstWest);
    rb->setObjectName(i == 0 ? QStringLiteral("RGOstWest_Ost") : QStringLiteral("RGOstWest_West"));
    RGOstWestGruppe->addButton(rb, i);
    owReihe->addWidget(rb);
  }
  RGOstWestGruppe->button(1)->setChecked(true);
  cbSachsen = Kasten(this, "cbSachsen", QStringLiteral("Sachsen"),
                     QStringLiteral("Beschäftigung in Sachsen: höherer Arbeitnehmeranteil der Pflegeversicherung"));
  cbSachsen->setEnabled(false);
  rechts->addWidget(RGOstWest);
  rechts->addWidget(cbSachsen);

  CBGleitZ = Kasten(this, "CBGleitZ", QStringLiteral("Gleitzone"),
                    QStringLiteral("Gleitzone für Arbeitsentgelte im Bereich über 450€ und bis zu 850€"));
  CBRV_Verzicht = Kasten(this, "CBRV_Verzicht", QStringLiteral("keine RV-Reduz."),
                         QStringLiteral("ArbN verzichtet auf die Anwendung der Gleitzone in der Rentenversicherung"));
  CBGF = Kasten(this, "CBGF", QStringLiteral("GF / MiniJob"),
                QStringLiteral("Geringfügige Beschäftigung (Minijob) bis zur Geringfügigkeitsgrenze"));
  CBprivHH = Kasten(this, "CBprivHH", QStringLiteral("Minijob / priv. HH."),
                    QStringLiteral("Geringfügige Beschäftigung (Minijob) in einem Privathaushalt"));
  CBPauschSt = Kasten(this, "CBPauschSt", QStringLiteral("Pauschalsteuer"),
                      QStringLiteral("Pauschale Lohnsteuer, die der Arbeitgeber trägt"));
  CBPauschSt->setEnabled(false);
  EPauschSt = Zahlfeld("EPauschSt", 5, true, {});
  EPauschSt->setText(QStringLiteral("2"));
  EPauschSt->setEnabled(false);
  EPauschSt->setAccessibleName(QStringLiteral("Pauschalsteuer [%]"));
  for (QCheckBox* c : {CBGleitZ, CBRV_Verzicht}) rechts->addWidget(c, 0, Qt::AlignLeft);
  // The contribution group: the boxes below say the same in part, a typed
  // key says it all.
  EBeitragsgruppe = Zahlfeld("EBeitragsgruppe", 4, false, {});
  EBeitragsgruppe->SetAlignment(TEditCS::taCenter);
  LBeitragsgruppe = Beschriftung("LBeitragsgruppe", QStringLiteral("Beitragsgruppe"), EBeitragsgruppe);
  EBeitragsgruppe->setToolTip(QStringLiteral("Beitragsgruppenschlüssel KV-RV-AV-PV (ab 2014), z. B. 1111 Arbeitnehmer, "
                                "6100/6500 Minijob mit/ohne Aufstockung, 0110 privat versichert, 3321 "
                                "Altersvollrentner; ein eingegebener Schlüssel setzt die Kästchen und gilt, "
                                "bis eines davon angeklickt wird"));
  EBeitragsgruppe->setEnabled(false);
  auto* gruppeReihe = new QHBoxLayout;
  gruppeReihe->addWidget(LBeitragsgruppe);
  gruppeReihe->addWidget(EBeitragsgruppe);
  gruppeReihe->addStretch(1);
  rechts->addLayout(gruppeReihe);
  for (QCheckBox* c : {CBGF, CBprivHH}) rechts->addWidget(c, 0, Qt::AlignLeft);
  auto* pausch = new QHBoxLayout;
  pausch->addWidget(CBPauschSt);
  pausch->addWidget(EPauschSt);
  pausch->addWidget(Einheit(nullptr, QStringLiteral("[%]")));
  pausch->addStretch(1);
  rechts->addLayout(pausch);
  rechts->addStretch(1);

  // Private insurance under the rates, its subsidy choice beside it.
  cbPriv = Kasten(this, "cbPriv", QStringLiteral("privat KV+PV"),
                  QStringLiteral("privatversichert KV+PV Beitrag (Basistarif)"));
  EPVWert = Zahlfeld("EPVWert", 10, true,
                     QStringLiteral("monatliche Zahlung des Arbeitnehmers zur priv. KV bzw. PV"));
  EPVWert->setText(QStringLiteral("0,00"));
  EPVWert->setEnabled(false);
  EPVWert->setAccessibleName(QStringLiteral("monatlicher Beitrag privat KV+PV"));
  RGprivTyp = new QGroupBox(this);
  RGprivTyp->setFlat(true);
  RGprivTyp->setObjectName(QStringLiteral("RGprivTyp"));
  RGprivTyp->setToolTip(QStringLiteral("bitte stellen Sie hier ein, ob der Arbeitnehmer Privatversichert MIT "
                                       "oder OHNE Arbeitgeberzuschuss ist"));
  RGprivTypGruppe = new QButtonGroup(this);
  auto* privReihe = new QHBoxLayout(RGprivTyp);
  privReihe->setContentsMargins(0, 0, 0, 0);
  privReihe->addWidget(new QLabel(QStringLiteral("mit AG-Zuschuss:"), RGprivTyp));
  RGprivTyp->setAccessibleName(QStringLiteral("mit AG-Zuschuss"));
  for (int i = 0; i < 2; ++i) {
    auto* rb = new QRadioButton(i == 0 ? QStringLiteral("ja") : QStringLiteral("nein"), RGprivTyp);
    rb->setObjectName(i == 0 ? QStringLiteral("RGprivTyp_ja") : QStringLiteral("RGprivTyp_nein"));
    RGprivTypGruppe->addButton(rb, i);
    privReihe->addWidget(rb);
  }
  RGprivTypGruppe->button(1)->setChecked(true);
  RGprivTyp->setEnabled(false);
  // The care part of the premium, where the insurer states it apart: the
  // employer's subsidy is then capped for health and care each on its own.
  EPVWertPV = Zahlfeld("EPVWertPV", 10, true,
                       QStringLiteral("darin enthaltener monatlicher Beitrag zur privaten Pflegeversicherung "
                                      "(leer: nicht getrennt angegeben); der Zuschuss des Arbeitgebers wird "
                                      "dann für KV und PV je für sich begrenzt"));
  EPVWertPV->setEnabled(false);
  LPVWertPV = Beschriftung("LPVWertPV", QStringLiteral("davon PV"), EPVWertPV);
  LPVWertPV->setEnabled(false);
  auto* privat = new QHBoxLayout;
  privat->addWidget(cbPriv);
  privat->addWidget(EPVWert);
  privat->addWidget(Einheit("LEuroPV", QStringLiteral("[€]")));
  privat->addSpacing(8);
  privat->addWidget(LPVWertPV);
  privat->addWidget(EPVWertPV);
  privat->addWidget(Einheit("LEuroPVPflege", QStringLiteral("[€]")));
  privat->addStretch(1);
  auto* privatTyp = new QHBoxLayout;
  privatTyp->addSpacing(cbPriv->sizeHint().width());
  privatTyp->addWidget(RGprivTyp);
  privatTyp->addStretch(1);

  auto* oben = new QHBoxLayout;
  oben->addLayout(g, 0);
  oben->addSpacing(12);
  oben->addLayout(rechts, 1);
  spalte->insertLayout(0, oben);
  spalte->addLayout(privat);
  spalte->addLayout(privatTyp);

  // Other deductions.
  auto* sonst = new QGridLayout;
  auto* sonstKopf = new QLabel(QStringLiteral("Sonstige Abzüge:"), this);
  sonstKopf->setFont(fett);
  sonst->addWidget(sonstKopf, 1, 0);
  EZusText = new QLineEdit(QStringLiteral("Sonstiges"), this);
  EZusText->setObjectName(QStringLiteral("EZusText"));
  EZusText->setMaxLength(15);
  EZusBetrag = Zahlfeld("EZusBetrag", 10, true, {});
  sonstKopf->setBuddy(EZusText);
  EZusText->setAccessibleName(QStringLiteral("Sonstige Abzüge: Text"));
  EZusBetrag->setAccessibleName(QStringLiteral("Sonstige Abzüge: Betrag"));
  auto* lText = new QLabel(QStringLiteral("Text"), this);
  lText->setObjectName(QStringLiteral("LZusText"));
  lText->setBuddy(EZusText);
  auto* lBetrag = new QLabel(QStringLiteral("Betrag"), this);
  lBetrag->setObjectName(QStringLiteral("LZusBetrag"));
  lBetrag->setBuddy(EZusBetrag);
  sonst->addWidget(lText, 1, 1);
  sonst->addWidget(EZusText, 1, 2);
  sonst->addWidget(lBetrag, 1, 3, Qt::AlignRight);
  sonst->addWidget(EZusBetrag, 1, 4);
  sonst->addWidget(Einheit("LDMSonstiges", QStringLiteral("[€]")), 1, 5);
  sonst->setColumnStretch(2, 1);
  spalte->addLayout(sonst);
  return gruppe;
}

void TFRechner::SignaleVerbinden() {
  auto doIt = [this] { DoIt(); };
  for (TEditCS* e : {ELohn, EVersBez, EVBezM, EVBezS, EZMVB, edVJahr, EFreibetrag, EHinzuR, edSterbe,
                     EKindergeld, edAJahr, EKVANProz, EKVAGProz, EKV2ANProz, ERVANProz, ERVAGProz,
                     EAufProz, EAVANProz, EAVAGProz, EPVANProz, EPVAGProz, ePV2ANProz, EPVWert, EPVWertPV,
                     EPauschSt, EZusBetrag, EU1Proz, EU2Proz}) {
    connect(e, &QLineEdit::textChanged, this, doIt);
  }
  // What the user types into a rate may replace a damaged stored value.
  for (TEditCS* e : {EKVANProz, EKVAGProz, EKV2ANProz, ERVANProz, ERVAGProz, EAufProz, EAVANProz, EAVAGProz,
                     EPVANProz, EPVAGProz, ePV2ANProz, EPauschSt, EU1Proz, EU2Proz}) {
    connect(e, &QLineEdit::textEdited, this, [this, e] { SatzGeaendert(e); });
  }
  connect(cbTabArt, &QComboBox::currentIndexChanged, this, doIt);
  for (QCheckBox* c : {CBGleitZ, CBRV_Verzicht, CBPauschSt, cbKV2, cbPV2})
    connect(c, &QCheckBox::toggled, this, doIt);
  // The top-up is part of the contribution group: its rate is shown only
  // where it is levied.
  connect(CBAufst, &QCheckBox::toggled, this, [this] {
    if (!gruppeSetzen_) GruppeVerwerfen();
    if (JahresRegeln(k_.LStJahr).Beitragsgruppen) SaetzeInEdits();
    DoIt();
  });
  connect(EBeitragsgruppe, &QLineEdit::textEdited, this, [this](const QString& text) {
    if (text.trimmed().size() == 4) BeitragsgruppeEingegeben();
  });
  connect(EBeitragsgruppe, &QLineEdit::editingFinished, this, [this] { BeitragsgruppeEingegeben(); });
  connect(cbUrspruenglich, &QCheckBox::toggled, this, [this] { UrspruenglichClick(); });
  connect(RGprivTypGruppe, &QButtonGroup::idToggled, this, [this](int, bool an) {
    if (an) DoIt();
  });

  connect(E_ZKF, &QLineEdit::textChanged, this, [this] { E_ZKFChange(); });
  connect(E_KinderU25, &QLineEdit::textChanged, this, [this] { E_ZKFChange(); });
  connect(CBMonat, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (i >= 0) MonatWechseln(CBMonat->itemData(i).toInt());
  });
  connect(CBStKl, &QComboBox::currentIndexChanged, this, [this] { CBStKlChange(); });
  connect(CBR, &QCheckBox::toggled, this, [this] { CBRClick(); });
  connect(cbKirchenSt, &QComboBox::editTextChanged, this, [this] { cbKirchenStChange(); });
  connect(cbKirchenSt->lineEdit(), &QLineEdit::editingFinished, this, [this] { KirchenStMerken(); });
  connect(CBAlter, &QCheckBox::toggled, this, [this] { CBAlterClick(); });
  connect(cbAF, &QCheckBox::toggled, this, [this] { cbAFClick(); });
  connect(edFaktor, &QLineEdit::textChanged, this, [this] { edFaktorChange(); });
  connect(CBLZZ, &QComboBox::currentIndexChanged, this, [this](int i) { OnChgMonat(i); });
  connect(CBJahr, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (i >= 0) JahrWechseln(CBJahr->itemData(i).toInt());
  });
  // A click on a box of the insurance (table, employment, private) ends a
  // typed contribution group: the boxes decide again.
  connect(rbAllgTab, &QRadioButton::toggled, this, [this](bool an) {
    if (!an) return;
    if (!gruppeSetzen_) GruppeVerwerfen();
    TabArtWaehlen(0);
  });
  connect(rbBesTab, &QRadioButton::toggled, this, [this](bool an) {
    if (!an) return;
    if (!gruppeSetzen_) GruppeVerwerfen();
    TabArtWaehlen(1);
  });
  connect(RGOstWestGruppe, &QButtonGroup::idToggled, this, [this](int, bool an) {
    if (an) RGOstWestClick();
  });
  connect(cbSachsen, &QCheckBox::toggled, this, [this] { cbSachsenClick(); });
  for (QCheckBox* c : {CBGF, CBprivHH}) {
    connect(c, &QCheckBox::toggled, this, [this, c] {
      if (!gruppeSetzen_) GruppeVerwerfen();
      BeschaeftigungClick(c);
    });
  }
  connect(cbPriv, &QCheckBox::toggled, this, [this] {
    if (!gruppeSetzen_) GruppeVerwerfen();
    cbPrivClick();
  });
  connect(EZusText, &QLineEdit::textChanged, this, [this] { EZusTextChange(); });
  connect(ENettoLohn, &QLineEdit::textChanged, this, [this] { ENettoLohnChange(); });
}

}  // namespace lst
