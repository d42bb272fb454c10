// Building the left panel of the calculator window: the year bar, the
// wage-tax and the social-insurance panels with their controls, and the tab
// of the pay beside the regular wage.

#include "ui/calculator/eingabe_maske.h"

#include "calc/bundesland.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "calc/jahresregeln.h"
#include "calc/parameter.h"
#include "calc/satzeingabe.h"
#include "common/qt/edit_cs.h"
#include "lohnsteuer/versionen.h"
#include "ui/rechner_schnittstelle.h"

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

TEingabeMaske::TEingabeMaske(QWidget* eltern) : QWidget(eltern) {
  setObjectName(QStringLiteral("PEingabe"));
  auto* spalte = new QVBoxLayout(this);
  spalte->setContentsMargins(0, 0, 0, 0);
  spalte->addWidget(JahrPanelBauen());
  // The wage-tax and social-insurance panels on the first tab, the pay
  // beside the regular wage on the second: the form keeps its height.
  f_.TabEingabe = new QTabWidget(this);
  f_.TabEingabe->setObjectName(QStringLiteral("TabEingabe"));
  f_.TabEingabe->setDocumentMode(true);
  auto* grundSeite = new QWidget(f_.TabEingabe);
  grundSeite->setObjectName(QStringLiteral("PGrund"));
  auto* grund = new QVBoxLayout(grundSeite);
  grund->setContentsMargins(0, 4, 0, 0);
  grund->addWidget(LohnsteuerPanelBauen());
  grund->addWidget(SVPanelBauen());
  grund->addStretch(1);
  f_.TabEingabe->addTab(grundSeite, QStringLiteral("Lohnsteuer / Sozialversicherung"));
  f_.TabEingabe->addTab(EinmalzahlungPanelBauen(), QStringLiteral("Einmalzahlung / Sachbezüge"));
  f_.TabEingabe->setTabToolTip(0, QStringLiteral("Lohnsteuerabzugsmerkmale, laufender Bruttolohn und Sozialversicherung"));
  spalte->addWidget(f_.TabEingabe);
  spalte->addStretch(1);
  f_.CBLZZ->setCurrentIndex(1);
  f_.CBStKl->setCurrentIndex(0);
}

TEditCS* TEingabeMaske::Zahlfeld(const char* name, int laenge, bool dezimal, const QString& hinweis) {
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

QLabel* TEingabeMaske::Beschriftung(const char* name, const QString& text, QWidget* fuer) {
  auto* l = new QLabel(text, this);
  if (name != nullptr) l->setObjectName(QString::fromLatin1(name));
  if (fuer != nullptr) {
    l->setBuddy(fuer);
    fuer->setAccessibleName(text);
  }
  return l;
}

QLabel* TEingabeMaske::Einheit(const char* name, const QString& text) {
  auto* l = new QLabel(text, this);
  if (name != nullptr) l->setObjectName(QString::fromLatin1(name));
  return l;
}

QWidget* TEingabeMaske::JahrPanelBauen() {
  auto* box = new QWidget(this);
  box->setObjectName(QStringLiteral("PJahr"));
  auto* g = new QGridLayout(box);
  g->setContentsMargins(6, 0, 6, 0);
  g->setVerticalSpacing(0);
  f_.CBJahr = new QComboBox(this);
  f_.CBJahr->setObjectName(QStringLiteral("CBJahr"));
  f_.CBJahr->setToolTip(QStringLiteral("Steuerjahr der Berechnung: Lohnsteuer, Beitragssätze und "
                                    "Bemessungsgrenzen dieses Jahres"));
  for (int jahr = NeuestesJahr(); jahr >= kErstesJahr; --jahr)
    if (JahresRegeln(jahr).Vorhanden) f_.CBJahr->addItem(QString::number(jahr), jahr);
  auto* l = Beschriftung("LJahr", QStringLiteral("Steuerjahr"), f_.CBJahr);
  QFont fett = l->font();
  fett.setBold(true);
  l->setFont(fett);
  g->addWidget(l, 0, 0);
  g->addWidget(f_.CBJahr, 0, 1);

  // The pay month, from 2014: it chooses the flowchart and the rule period.
  f_.CBMonat = new QComboBox(this);
  f_.CBMonat->setObjectName(QStringLiteral("CBMonat"));
  f_.CBMonat->setToolTip(QStringLiteral("Lohnzahlungsmonat: bestimmt den Programmablaufplan und die "
                                     "Regeln der Sozialversicherung, die in diesem Monat gelten"));
  for (int monat = 1; monat <= 12; ++monat) f_.CBMonat->addItem(QString::fromUtf8(Monatsname(monat)), monat);
  f_.LMonat = Beschriftung("LMonat", QStringLiteral("Monat"), f_.CBMonat);
  f_.LAblaufplan = new QLabel(this);
  f_.LAblaufplan->setObjectName(QStringLiteral("LAblaufplan"));
  f_.LAblaufplan->setToolTip(QStringLiteral("Programmablaufplan, nach dem die Lohnsteuer dieses Monats berechnet wird"));
  // Room for the longest name, so that the panels keep their width from
  // month to month.
  int breite = 0;
  for (int v = 0; v < kAnzahlLStVersionen; ++v) {
    if (!JahresRegeln(kLStVersionen[v].Jahr).PeriodenNachMonat) continue;
    breite = std::max(breite, f_.LAblaufplan->fontMetrics().horizontalAdvance(QString::fromStdString(AblaufplanName(v))));
  }
  f_.LAblaufplan->setMinimumWidth(breite + 4);
  g->setColumnMinimumWidth(2, 8);
  g->addWidget(f_.LMonat, 0, 3);
  g->addWidget(f_.CBMonat, 0, 4);
  g->addWidget(f_.LAblaufplan, 0, 5);
  // In the months whose first flowchart was corrected, under the flowchart's
  // name: the first one instead.
  f_.cbUrspruenglich = Kasten(this, "cbUrspruenglich", QStringLiteral("ursprünglicher Ablaufplan"));
  f_.cbUrspruenglich->setVisible(false);
  g->addWidget(f_.cbUrspruenglich, 1, 5, 1, 2);

  f_.LJahrWaehrung = new QLabel(this);
  f_.LJahrWaehrung->setObjectName(QStringLiteral("LJahrWaehrung"));
  g->addWidget(f_.LJahrWaehrung, 0, 6);
  g->setColumnStretch(7, 1);
  return box;
}




QWidget* TEingabeMaske::LohnsteuerPanelBauen() {
  auto* gruppe = new QGroupBox(QStringLiteral("Lohnsteuer"), this);
  gruppe->setObjectName(QStringLiteral("PLohnsteuer"));
  auto* g = new QGridLayout(gruppe);
  g->setVerticalSpacing(2);
  int z = 0;

  f_.CBAlter = Kasten(this, "CBAlter", QStringLiteral("Altersentlastung"),
                   QStringLiteral("AN hat das 64. Lebensjahr vollendet (§ 24a EStG)"));
  f_.edAJahr = Zahlfeld("edAJahr", 4, false,
                     QStringLiteral("Auf die Vollendung des 64. Lebensjahres folgendes Kalenderjahr"));
  f_.edAJahr->setEnabled(false);
  g->addWidget(f_.CBAlter, z, 0);
  g->addWidget(Beschriftung("LAJahr", QStringLiteral("65 im Jahre:"), f_.edAJahr), z, 3, Qt::AlignRight);
  g->addWidget(f_.edAJahr, z, 4);
  // Past the regular retirement age, beside the age relief: part of the
  // wage free of wage tax.
  f_.CBAktivrente = Kasten(this, "CBAktivrente", QStringLiteral("Aktivrente"),
                           QStringLiteral("AN hat die Regelaltersgrenze erreicht, der Arbeitgeber zahlt Beiträge zur "
                                          "Rentenversicherung: bis 2.000 € Arbeitslohn im Monat bleiben "
                                          "lohnsteuerfrei (§ 3 Nr. 21 EStG)"));
  g->addWidget(f_.CBAktivrente, z++, 1, 1, 2);

  f_.CBLZZ = new QComboBox(this);
  f_.CBLZZ->setObjectName(QStringLiteral("CBLZZ"));
  for (int lzz = 1; lzz <= 4; ++lzz) f_.CBLZZ->addItem(ZeitraumName(lzz));
  g->addWidget(Beschriftung("LLZZ", QStringLiteral("Lohnzahlungszeitraum"), f_.CBLZZ), z, 0);
  g->addWidget(f_.CBLZZ, z++, 1, 1, 2);

  f_.CBStKl = new QComboBox(this);
  f_.CBStKl->setObjectName(QStringLiteral("CBStKl"));
  for (int stkl = 1; stkl <= 6; ++stkl) f_.CBStKl->addItem(SteuerklasseName(stkl));
  f_.cbAF = Kasten(this, "cbAF", QStringLiteral("Faktorverf."),
                QStringLiteral("Bitte anhaken, wenn bei StKl. IV das Faktorverfahren angewendet werden soll"));
  f_.edFaktor = Zahlfeld("edFaktor", 5, true, QStringLiteral("Faktor [0..1] mit drei Nachkommastellen"));
  f_.edFaktor->setText(QStringLiteral("1,0"));
  f_.edFaktor->setAccessibleName(QStringLiteral("Faktor"));
  f_.cbAF->setEnabled(false);
  f_.edFaktor->setEnabled(false);
  g->addWidget(Beschriftung("LStKl", QStringLiteral("Steuerklasse"), f_.CBStKl), z, 0);
  g->addWidget(f_.CBStKl, z, 1, 1, 2);
  g->addWidget(f_.cbAF, z, 3, Qt::AlignRight);
  g->addWidget(f_.edFaktor, z++, 4);

  f_.CBBundesland = new QComboBox(this);
  f_.CBBundesland->setObjectName(QStringLiteral("CBBundesland"));
  f_.CBBundesland->setToolTip(QStringLiteral("Bundesland der Beschäftigung: setzt den Kirchensteuersatz (8 % in "
                                             "Baden-Württemberg und Bayern, sonst 9 %), die Region Ost/West und "
                                             "Sachsen; ein danach getippter Kirchensteuersatz gilt"));
  f_.CBBundesland->addItem(QStringLiteral("\u2013 nicht angegeben \u2013"));
  for (const TBundeslandDaten& land : Bundeslaender()) f_.CBBundesland->addItem(QString::fromUtf8(land.Name));
  f_.CBBundesland->setMaxVisibleItems(Bundeslaender().size() + 1);
  g->addWidget(Beschriftung("LBundesland", QStringLiteral("Bundesland"), f_.CBBundesland), z, 0);
  g->addWidget(f_.CBBundesland, z++, 1, 1, 4);

  f_.cbKirchenSt = new QComboBox(this);
  f_.cbKirchenSt->setObjectName(QStringLiteral("cbKirchenSt"));
  f_.cbKirchenSt->setEditable(true);
  f_.cbKirchenSt->setInsertPolicy(QComboBox::NoInsert);
  f_.cbKirchenSt->addItems({QStringLiteral("8"), QStringLiteral("9")});
  f_.cbKirchenSt->lineEdit()->setMaxLength(10);
  f_.CBR = Kasten(this, "CBR", QStringLiteral("Bekenntnislos"), QStringLiteral("AN zahlt keine Kirchensteuer"));
  g->addWidget(Beschriftung("LKiSt", QStringLiteral("Kirchensteuer"), f_.cbKirchenSt), z, 0);
  g->addWidget(f_.cbKirchenSt, z, 1);
  g->addWidget(Einheit(nullptr, QStringLiteral("[%]")), z, 2);
  g->addWidget(f_.CBR, z++, 3, 1, 2, Qt::AlignRight);

  f_.rbAllgTab = new QRadioButton(QStringLiteral("Allgemeine LoSt"), this);
  f_.rbAllgTab->setObjectName(QStringLiteral("rbAllgTab"));
  f_.rbBesTab = new QRadioButton(QStringLiteral("Besondere LoSt"), this);
  f_.rbBesTab->setObjectName(QStringLiteral("rbBesTab"));
  f_.rbAllgTab->setChecked(true);
  f_.cbTabArt = new QComboBox(this);
  f_.cbTabArt->setObjectName(QStringLiteral("cbTabArt"));
  f_.cbTabArt->addItems({QStringLiteral("Allgemeine LoSt"), QStringLiteral("Bes. LoSt")});
  f_.cbTabArt->setVisible(false);
  g->addWidget(f_.rbAllgTab, z, 0);
  g->addWidget(f_.rbBesTab, z++, 1, 1, 4);

  struct TZeile {
    TEditCS** Feld;
    const char* Name;
    int Laenge;
    const char* Einheit;
    QString Text;
    QString Hinweis;
  };
  const TZeile betraege[] = {
      {&f_.ELohn, "ELohn", 10, "LDMBrutto", QStringLiteral("steuerpfl. Bruttolohn"),
       QStringLiteral("stpfl. Arbeitslohn ohne Vers.freibetr., Altersentl.- u. Freibetrag")},
      {&f_.EVersBez, "EVersBez", 10, "LDMVersBez", QStringLiteral("darin enthaltene Versorgungsbezüge"),
       QStringLiteral("im Brutto enthaltene Versorgungsbezüge (§19 Abs. 2 Satz 10 u. 11 EStG)")},
      {&f_.EVBezM, "EVBezM", 10, "LDMVBEZM", QStringLiteral("Versorgungsbezug im Januar"),
       QStringLiteral("Vers.bez. im Jan. bzw. ersten vollen Monat")},
      {&f_.EVBezS, "EVBezS", 10, "LDMVBEZS", QStringLiteral("Sond.zahlg. für Versorgungsempfänger Kj."), {}},
  };
  for (const auto& zeile : betraege) {
    *zeile.Feld = Zahlfeld(zeile.Name, zeile.Laenge, true, zeile.Hinweis);
    g->addWidget(Beschriftung(nullptr, zeile.Text, *zeile.Feld), z, 0);
    g->addWidget(*zeile.Feld, z, 1);
    g->addWidget(Einheit(zeile.Einheit, QStringLiteral("[€]")), z++, 2);
  }

  f_.EZMVB = Zahlfeld("EZMVB", 2, false, QStringLiteral("nur relevant bei Lohnzahlungszeitraum Jahr"));
  f_.EZMVB->setText(QStringLiteral("12"));
  f_.EZMVB->setEnabled(false);
  g->addWidget(Beschriftung("LZMVB", QStringLiteral("Versorgungsbezüge gezahlt für"), f_.EZMVB), z, 0);
  g->addWidget(f_.EZMVB, z, 1);
  g->addWidget(Einheit(nullptr, QStringLiteral("Monate")), z++, 2);

  f_.edVJahr = Zahlfeld("edVJahr", 4, false,
                     QStringLiteral("Jahr, in dem der Versorgungsbezug erstmalig gewährt wurde"));
  g->addWidget(Beschriftung("LVJahr", QStringLiteral("erstmalig. Vers.bez. im Jahre"), f_.edVJahr), z, 0);
  g->addWidget(f_.edVJahr, z++, 1);

  const TZeile weitere[] = {
      {&f_.EFreibetrag, "EFreibetrag", 10, "LDMFreiBetr", QStringLiteral("Freibetrag"),
       QStringLiteral("Jahresfreibetrag laut Lohnsteuerkarte")},
      {&f_.EHinzuR, "EHinzuR", 10, "LDMHinzuR", QStringLiteral("Hinzurechnungsbetrag"),
       QStringLiteral("Hinzurechnungsbetrag laut Lohnsteuerkarte")},
      {&f_.edSterbe, "edSterbe", 10, "LDMSterbe", QStringLiteral("Abfindungen/Kap.ausz./Sterbegeld"),
       QStringLiteral("Sterbegeld bei sonst. Bez. (nicht mehrjährig)")},
  };
  for (const auto& zeile : weitere) {
    *zeile.Feld = Zahlfeld(zeile.Name, zeile.Laenge, true, zeile.Hinweis);
    g->addWidget(Beschriftung(nullptr, zeile.Text, *zeile.Feld), z, 0);
    g->addWidget(*zeile.Feld, z, 1);
    g->addWidget(Einheit(zeile.Einheit, QStringLiteral("[€]")), z++, 2);
  }
  f_.edSterbe->setEnabled(false);

  f_.E_ZKF = Zahlfeld("E_ZKF", 4, true, {});
  g->addWidget(Beschriftung("LZKF", QStringLiteral("Zahl der Kinderfreibeträge"), f_.E_ZKF), z, 0);
  g->addWidget(f_.E_ZKF, z++, 1);

  f_.E_KinderU25 = Zahlfeld("E_KinderU25", 1, false,
                         QStringLiteral("Kinder unter 25 Jahren: ab dem 2. bis zum 5. Kind ein Abschlag "
                                        "in der Pflegeversicherung (ab 01.07.2023)"));
  f_.E_KinderU25->setEnabled(false);
  f_.LKinderU25 = Beschriftung("LKinderU25", QStringLiteral("Kinder unter 25"), f_.E_KinderU25);
  g->addWidget(f_.LKinderU25, z, 0);
  g->addWidget(f_.E_KinderU25, z++, 1);

  f_.EKindergeld = Zahlfeld("EKindergeld", 9, true, {});
  f_.LKindergeld = Beschriftung("LKindergeld", QStringLiteral("Kindergeld"), f_.EKindergeld);
  auto* ldmKiGeld = Einheit("LDMKiGeld", QStringLiteral("[€]"));
  g->addWidget(f_.LKindergeld, z, 0);
  g->addWidget(f_.EKindergeld, z, 1);
  g->addWidget(ldmKiGeld, z++, 2);
  f_.LKindergeld->setVisible(false);
  f_.EKindergeld->setVisible(false);
  ldmKiGeld->setVisible(false);

  g->setColumnStretch(0, 1);
  g->setColumnStretch(3, 1);
  return gruppe;
}

QWidget* TEingabeMaske::SVPanelBauen() {
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

  paar(new QLabel(QStringLiteral("Krankenvers."), this), f_.EKVANProz, "EKVANProz", &f_.EKVAGProz, "EKVAGProz");
  f_.cbKV2 = Kasten(this, "cbKV2", QStringLiteral("KV Zuschlag"),
                 QStringLiteral("Zusatzbetrag KV f. Zahnersatz u. Krankengeld"));
  f_.cbKV2->setChecked(true);
  paar(f_.cbKV2, f_.EKV2ANProz, "EKV2ANProz", nullptr, nullptr, QStringLiteral("ab 01.07.2005"));
  paar(new QLabel(QStringLiteral("Rentenvers."), this), f_.ERVANProz, "ERVANProz", &f_.ERVAGProz, "ERVAGProz");
  f_.CBAufst = Kasten(this, "CBAufst", QStringLiteral("Aufstockung"),
                   QStringLiteral("Eingenanteil AN an der RV für Geringfügig Besch. / MiniJob"));
  f_.CBAufst->setEnabled(false);
  paar(f_.CBAufst, f_.EAufProz, "EAufProz", nullptr, nullptr, QStringLiteral("nur bei MiniJob aktiv"));
  paar(new QLabel(QStringLiteral("Arbeitslosenvers."), this), f_.EAVANProz, "EAVANProz", &f_.EAVAGProz, "EAVAGProz");
  paar(new QLabel(QStringLiteral("Pflegevers."), this), f_.EPVANProz, "EPVANProz", &f_.EPVAGProz, "EPVAGProz");
  f_.cbPV2 = Kasten(this, "cbPV2", QStringLiteral("PV Zuschlag"), QStringLiteral("Zusatzbeitrag PV für Kinderlose"));
  f_.cbPV2->setChecked(true);
  paar(f_.cbPV2, f_.ePV2ANProz, "ePV2ANProz", nullptr, nullptr);

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
  f_.EU1Proz = umlage("EU1Proz", "LU1", QStringLiteral("Umlage U1"),
                   QStringLiteral("Umlage U1 (Entgeltfortzahlung bei Krankheit), ab 2014; beim Minijob "
                                  "der Satz der Minijob-Zentrale"));
  f_.EU2Proz = umlage("EU2Proz", "LU2", QStringLiteral("Umlage U2"),
                   QStringLiteral("Umlage U2 (Mutterschaft), ab 2014; beim Minijob der Satz der Minijob-Zentrale"));

  // Form defaults; the stored rates replace them at creation.
  f_.EKVANProz->setText(QStringLiteral("6,6"));
  f_.EKVAGProz->setText(QStringLiteral("6,6"));
  f_.EKV2ANProz->setText(QStringLiteral("6,6"));
  f_.ERVANProz->setText(QStringLiteral("10,15"));
  f_.ERVAGProz->setText(QStringLiteral("10,15"));
  f_.EAufProz->setText(QStringLiteral("7,5"));
  f_.EAVANProz->setText(QStringLiteral("3,25"));
  f_.EAVAGProz->setText(QStringLiteral("3,25"));
  f_.EPVANProz->setText(QStringLiteral("0,85"));
  f_.EPVAGProz->setText(QStringLiteral("0,85"));
  f_.ePV2ANProz->setText(QStringLiteral("10,15"));

  g->setColumnStretch(0, 1);

  // Beside the rates: region, the special cases of low wages, employment types.
  auto* rechts = new QVBoxLayout;
  rechts->setSpacing(3);
  f_.RGOstWest = new QGroupBox(QStringLiteral("Sozialversicherung"), this);
  f_.RGOstWest->setObjectName(QStringLiteral("RGOstWest"));
  f_.RGOstWestGruppe = new QButtonGroup(this);
  auto* owReihe = new QHBoxLayout(f_.RGOstWest);
  owReihe->setContentsMargins(6, 0, 6, 0);
  for (int i = 0; i < 2; ++i) {
    auto* rb = new QRadioButton(i == 0 ? QStringLiteral("Ost") : QStringLiteral("West"), f_.RGOstWest);
    rb->setObjectName(i == 0 ? QStringLiteral("RGOstWest_Ost") : QStringLiteral("RGOstWest_West"));
    f_.RGOstWestGruppe->addButton(rb, i);
    owReihe->addWidget(rb);
  }
  f_.RGOstWestGruppe->button(1)->setChecked(true);
  f_.cbSachsen = Kasten(this, "cbSachsen", QStringLiteral("Sachsen"),
                     QStringLiteral("Beschäftigung in Sachsen: höherer Arbeitnehmeranteil der Pflegeversicherung"));
  f_.cbSachsen->setEnabled(false);
  rechts->addWidget(f_.RGOstWest);
  rechts->addWidget(f_.cbSachsen);

  f_.CBGleitZ = Kasten(this, "CBGleitZ", QStringLiteral("Gleitzone"),
                    QStringLiteral("Gleitzone für Arbeitsentgelte im Bereich über 450€ und bis zu 850€"));
  f_.CBRV_Verzicht = Kasten(this, "CBRV_Verzicht", QStringLiteral("keine RV-Reduz."),
                         QStringLiteral("ArbN verzichtet auf die Anwendung der Gleitzone in der Rentenversicherung"));
  f_.CBGF = Kasten(this, "CBGF", QStringLiteral("GF / MiniJob"),
                QStringLiteral("Geringfügige Beschäftigung (Minijob) bis zur Geringfügigkeitsgrenze"));
  f_.CBprivHH = Kasten(this, "CBprivHH", QStringLiteral("Minijob / priv. HH."),
                    QStringLiteral("Geringfügige Beschäftigung (Minijob) in einem Privathaushalt"));
  f_.CBPauschSt = Kasten(this, "CBPauschSt", QStringLiteral("Pauschalsteuer"),
                      QStringLiteral("Pauschale Lohnsteuer, die der Arbeitgeber trägt"));
  f_.CBPauschSt->setEnabled(false);
  f_.EPauschSt = Zahlfeld("EPauschSt", 5, true, {});
  f_.EPauschSt->setText(QStringLiteral("2"));
  f_.EPauschSt->setEnabled(false);
  f_.EPauschSt->setAccessibleName(QStringLiteral("Pauschalsteuer [%]"));
  for (QCheckBox* c : {f_.CBGleitZ, f_.CBRV_Verzicht}) rechts->addWidget(c, 0, Qt::AlignLeft);
  // The contribution group: the boxes below say the same in part, a typed
  // key says it all.
  f_.EBeitragsgruppe = Zahlfeld("EBeitragsgruppe", 4, false, {});
  f_.EBeitragsgruppe->SetAlignment(TEditCS::taCenter);
  f_.LBeitragsgruppe = Beschriftung("LBeitragsgruppe", QStringLiteral("Beitragsgruppe"), f_.EBeitragsgruppe);
  f_.EBeitragsgruppe->setToolTip(QStringLiteral("Beitragsgruppenschlüssel KV-RV-AV-PV (ab 2014), z. B. 1111 Arbeitnehmer, "
                                "6100/6500 Minijob mit/ohne Aufstockung, 0110 privat versichert, 3321 "
                                "Altersvollrentner; ein eingegebener Schlüssel setzt die Kästchen und gilt, "
                                "bis eines davon angeklickt wird"));
  f_.EBeitragsgruppe->setEnabled(false);
  auto* gruppeReihe = new QHBoxLayout;
  gruppeReihe->addWidget(f_.LBeitragsgruppe);
  gruppeReihe->addWidget(f_.EBeitragsgruppe);
  gruppeReihe->addStretch(1);
  rechts->addLayout(gruppeReihe);
  for (QCheckBox* c : {f_.CBGF, f_.CBprivHH}) rechts->addWidget(c, 0, Qt::AlignLeft);
  auto* pausch = new QHBoxLayout;
  pausch->addWidget(f_.CBPauschSt);
  pausch->addWidget(f_.EPauschSt);
  pausch->addWidget(Einheit(nullptr, QStringLiteral("[%]")));
  pausch->addStretch(1);
  rechts->addLayout(pausch);
  rechts->addStretch(1);

  // Private insurance under the rates, its subsidy choice beside it.
  f_.cbPriv = Kasten(this, "cbPriv", QStringLiteral("privat KV+PV"),
                  QStringLiteral("privatversichert KV+PV Beitrag (Basistarif)"));
  f_.EPVWert = Zahlfeld("EPVWert", 10, true,
                     QStringLiteral("monatliche Zahlung des Arbeitnehmers zur priv. KV bzw. PV"));
  f_.EPVWert->setText(QStringLiteral("0,00"));
  f_.EPVWert->setEnabled(false);
  f_.EPVWert->setAccessibleName(QStringLiteral("monatlicher Beitrag privat KV+PV"));
  f_.RGprivTyp = new QGroupBox(this);
  f_.RGprivTyp->setFlat(true);
  f_.RGprivTyp->setObjectName(QStringLiteral("RGprivTyp"));
  f_.RGprivTyp->setToolTip(QStringLiteral("bitte stellen Sie hier ein, ob der Arbeitnehmer Privatversichert MIT "
                                       "oder OHNE Arbeitgeberzuschuss ist"));
  f_.RGprivTypGruppe = new QButtonGroup(this);
  auto* privReihe = new QHBoxLayout(f_.RGprivTyp);
  privReihe->setContentsMargins(0, 0, 0, 0);
  privReihe->addWidget(new QLabel(QStringLiteral("mit AG-Zuschuss:"), f_.RGprivTyp));
  f_.RGprivTyp->setAccessibleName(QStringLiteral("mit AG-Zuschuss"));
  for (int i = 0; i < 2; ++i) {
    auto* rb = new QRadioButton(i == 0 ? QStringLiteral("ja") : QStringLiteral("nein"), f_.RGprivTyp);
    rb->setObjectName(i == 0 ? QStringLiteral("RGprivTyp_ja") : QStringLiteral("RGprivTyp_nein"));
    f_.RGprivTypGruppe->addButton(rb, i);
    privReihe->addWidget(rb);
  }
  f_.RGprivTypGruppe->button(1)->setChecked(true);
  f_.RGprivTyp->setEnabled(false);
  // The care part of the premium, where the insurer states it apart: the
  // employer's subsidy is then capped for health and care each on its own.
  f_.EPVWertPV = Zahlfeld("EPVWertPV", 10, true,
                       QStringLiteral("darin enthaltener monatlicher Beitrag zur privaten Pflegeversicherung "
                                      "(leer: nicht getrennt angegeben); der Zuschuss des Arbeitgebers wird "
                                      "dann für KV und PV je für sich begrenzt"));
  f_.EPVWertPV->setEnabled(false);
  f_.LPVWertPV = Beschriftung("LPVWertPV", QStringLiteral("davon PV"), f_.EPVWertPV);
  f_.LPVWertPV->setEnabled(false);
  auto* privat = new QHBoxLayout;
  privat->addWidget(f_.cbPriv);
  privat->addWidget(f_.EPVWert);
  privat->addWidget(Einheit("LEuroPV", QStringLiteral("[€]")));
  privat->addSpacing(8);
  privat->addWidget(f_.LPVWertPV);
  privat->addWidget(f_.EPVWertPV);
  privat->addWidget(Einheit("LEuroPVPflege", QStringLiteral("[€]")));
  privat->addStretch(1);
  auto* privatTyp = new QHBoxLayout;
  privatTyp->addSpacing(f_.cbPriv->sizeHint().width());
  privatTyp->addWidget(f_.RGprivTyp);
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
  f_.EZusText = new QLineEdit(QStringLiteral("Sonstiges"), this);
  f_.EZusText->setObjectName(QStringLiteral("EZusText"));
  f_.EZusText->setMaxLength(15);
  f_.EZusBetrag = Zahlfeld("EZusBetrag", 10, true, {});
  sonstKopf->setBuddy(f_.EZusText);
  f_.EZusText->setAccessibleName(QStringLiteral("Sonstige Abzüge: Text"));
  f_.EZusBetrag->setAccessibleName(QStringLiteral("Sonstige Abzüge: Betrag"));
  auto* lText = new QLabel(QStringLiteral("Text"), this);
  lText->setObjectName(QStringLiteral("LZusText"));
  lText->setBuddy(f_.EZusText);
  auto* lBetrag = new QLabel(QStringLiteral("Betrag"), this);
  lBetrag->setObjectName(QStringLiteral("LZusBetrag"));
  lBetrag->setBuddy(f_.EZusBetrag);
  sonst->addWidget(lText, 1, 1);
  sonst->addWidget(f_.EZusText, 1, 2);
  sonst->addWidget(lBetrag, 1, 3, Qt::AlignRight);
  sonst->addWidget(f_.EZusBetrag, 1, 4);
  sonst->addWidget(Einheit("LDMSonstiges", QStringLiteral("[€]")), 1, 5);
  sonst->setColumnStretch(2, 1);
  spalte->addLayout(sonst);
  return gruppe;
}

QWidget* TEingabeMaske::EinmalzahlungPanelBauen() {
  auto* seite = new QWidget(this);
  seite->setObjectName(QStringLiteral("PEinmalzahlung"));
  f_.PEinmalzahlung = seite;
  auto* spalte = new QVBoxLayout(seite);
  spalte->setContentsMargins(0, 4, 0, 0);
  spalte->setSpacing(4);

  // One row of a group: caption, field, unit; the captions of all groups
  // take the same width, so that the fields stand in one column.
  std::vector<QGridLayout*> gitter;
  std::vector<QLabel*> beschriftungen;
  const auto gruppe = [&](const char* name, const QString& titel) {
    auto* box = new QGroupBox(titel, seite);
    box->setObjectName(QString::fromLatin1(name));
    auto* g = new QGridLayout(box);
    g->setVerticalSpacing(2);
    g->setColumnStretch(3, 1);
    gitter.push_back(g);
    spalte->addWidget(box);
    return g;
  };
  const auto zeile = [&](QGridLayout* g, QWidget* feld, const char* labelName, const QString& text,
                         const char* einheitName, const QString& einheit) {
    const int z = g->rowCount();
    auto* l = Beschriftung(labelName, text, feld);
    beschriftungen.push_back(l);
    f_.EinmalBeschriftungen.emplace_back(feld, l);
    g->addWidget(l, z, 0);
    g->addWidget(feld, z, 1);
    if (!einheit.isEmpty()) g->addWidget(Einheit(einheitName, einheit), z, 2);
    return z;
  };
  const auto betrag = [&](QGridLayout* g, TEditCS*& feld, const char* name, const char* labelName,
                          const QString& text, const char* einheitName, const QString& hinweis,
                          bool vorgabe = false) {
    feld = Zahlfeld(name, 10, true, hinweis);
    if (vorgabe) feld->setPlaceholderText(QStringLiteral("Vorgabe"));
    zeile(g, feld, labelName, text, einheitName, QStringLiteral("[€]"));
  };
  const auto tage = [&](QGridLayout* g, TEditCS*& feld, const char* name, const char* labelName,
                        const QString& text, const QString& hinweis) {
    feld = Zahlfeld(name, 3, false, hinweis);
    feld->setPlaceholderText(QStringLiteral("Vorgabe"));
    zeile(g, feld, labelName, text, nullptr, QStringLiteral("Tage"));
  };

  // The one-off payment with its annual-difference method and its liable
  // part up to the pro-rated ceilings.
  QGridLayout* g = gruppe("PSonstigerBezug", QStringLiteral("Sonstiger Bezug (Einmalzahlung)"));
  betrag(g, f_.ESonstBezug, "ESonstBezug", "LSonstBezug", QStringLiteral("Sonstiger Bezug"), "LDMSonstBezug",
         QStringLiteral("Sonstiger Bezug dieses Zeitraums (Weihnachtsgeld, Urlaubsgeld, Prämie): "
                        "versteuert nach der Jahreslohnsteuer, beitragspflichtig bis zu den anteiligen "
                        "Beitragsbemessungsgrenzen (ab 2002)"));
  betrag(g, f_.EJahresLohn, "EJahresLohn", "LJahresLohn", QStringLiteral("Jahresarbeitslohn (ohne Bezug)"),
         "LDMJahresLohn",
         QStringLiteral("Voraussichtlicher Jahresarbeitslohn ohne diesen sonstigen Bezug; leer: der laufende "
                        "Lohn aufs Jahr gerechnet und die bisherigen sonstigen Bezüge"),
         true);
  betrag(g, f_.EBisherSonstBez, "EBisherSonstBez", "LBisherSonstBez", QStringLiteral("Bisherige sonstige Bezüge"),
         "LDMBisherSonstBez", QStringLiteral("Sonstige Bezüge dieses Jahres vor diesem Zeitraum"));
  tage(g, f_.ESVTage, "ESVTage", "LSVTage", QStringLiteral("SV-Tage"),
       QStringLiteral("SV-Tage vom Jahresbeginn (oder Beginn der Beschäftigung) bis zum Ende dieses Zeitraums, "
                      "1 bis 360; leer: 30 je Monat bis zum Ende des Zeitraums"));
  betrag(g, f_.ESVEntgeltKV, "ESVEntgeltKV", "LSVEntgeltKV", QStringLiteral("SV-Entgelt bisher KV/PV"),
         "LDMSVEntgeltKV",
         QStringLiteral("Beitragspflichtiges Entgelt der Kranken- und Pflegeversicherung in diesem Jahr vor diesem "
                        "Zeitraum; leer: der laufende Lohn, begrenzt, für jeden früheren Monat"),
         true);
  betrag(g, f_.ESVEntgeltRV, "ESVEntgeltRV", "LSVEntgeltRV", QStringLiteral("SV-Entgelt bisher RV/AV"),
         "LDMSVEntgeltRV",
         QStringLiteral("Beitragspflichtiges Entgelt der Renten- und Arbeitslosenversicherung in diesem Jahr vor "
                        "diesem Zeitraum; leer: der laufende Lohn, begrenzt, für jeden früheren Monat"),
         true);

  // The previous year with the same employer: a one-off of January to March
  // that exceeds this year's pro-rated ceiling belongs to it.
  g = gruppe("PMaerzklausel", QStringLiteral("Märzklausel (Vorjahr beim selben Arbeitgeber)"));
  tage(g, f_.EVorjahrSVTage, "EVorjahrSVTage", "LVorjahrSVTage", QStringLiteral("SV-Tage Vorjahr"),
       QStringLiteral("SV-Tage im Vorjahr beim selben Arbeitgeber, 0 bis 360 (0: im Vorjahr nicht beschäftigt); "
                      "leer: 360"));
  betrag(g, f_.EVorjahrSVEntgeltKV, "EVorjahrSVEntgeltKV", "LVorjahrSVEntgeltKV",
         QStringLiteral("SV-Entgelt Vorjahr KV/PV"), "LDMVorjahrSVEntgeltKV",
         QStringLiteral("Beitragspflichtiges Entgelt der Kranken- und Pflegeversicherung im Vorjahr; leer: der "
                        "laufende Lohn, begrenzt, für zwölf Monate"),
         true);
  betrag(g, f_.EVorjahrSVEntgeltRV, "EVorjahrSVEntgeltRV", "LVorjahrSVEntgeltRV",
         QStringLiteral("SV-Entgelt Vorjahr RV/AV"), "LDMVorjahrSVEntgeltRV",
         QStringLiteral("Beitragspflichtiges Entgelt der Renten- und Arbeitslosenversicherung im Vorjahr; leer: "
                        "der laufende Lohn, begrenzt, für zwölf Monate"),
         true);
  f_.EVorjahrKVZusatz = Zahlfeld("EVorjahrKVZusatz", 5, true,
                                 QStringLiteral("Zusatzbeitragssatz der Krankenkasse im Vorjahr; leer: der "
                                                "durchschnittliche Zusatzbeitragssatz des Vorjahres"));
  f_.EVorjahrKVZusatz->setPlaceholderText(QStringLiteral("Vorgabe"));
  zeile(g, f_.EVorjahrKVZusatz, "LVorjahrKVZusatz", QStringLiteral("Zusatzbeitrag Vorjahr"), nullptr,
        QStringLiteral("[%]"));

  // Severance.
  g = gruppe("PAbfindung", QStringLiteral("Abfindung"));
  betrag(g, f_.EAbfindung, "EAbfindung", "LAbfindung", QStringLiteral("Abfindung"), "LDMAbfindung",
         QStringLiteral("Abfindung für den Verlust des Arbeitsplatzes: beitragsfrei, als sonstiger Bezug "
                        "versteuert (ab 2002)"));
  f_.cbFuenftel = Kasten(this, "cbFuenftel", QStringLiteral("Fünftelregelung"),
                         QStringLiteral("Abfindung mit der Fünftelregelung versteuern (§ 34 EStG; im "
                                        "Lohnsteuerabzug bis 2024)"));
  g->addWidget(f_.cbFuenftel, g->rowCount() - 1, 3, Qt::AlignLeft);

  // Company car for private use.
  g = gruppe("PDienstwagen", QStringLiteral("Dienstwagen"));
  betrag(g, f_.EDienstwagen, "EDienstwagen", "LDienstwagen", QStringLiteral("Dienstwagen Listenpreis"),
         "LDMDienstwagen",
         QStringLiteral("Bruttolistenpreis des Dienstwagens zur privaten Nutzung: geldwerter Vorteil nach der "
                        "1-%-Regelung und 0,03 % je Entfernungskilometer (ab 2014)"));
  f_.EDienstwagenKm = Zahlfeld("EDienstwagenKm", 3, false,
                               QStringLiteral("Entfernung zwischen Wohnung und erster Tätigkeitsstätte in vollen "
                                              "Kilometern"));
  zeile(g, f_.EDienstwagenKm, "LDienstwagenKm", QStringLiteral("Entfernung km"), nullptr, QStringLiteral("km"));
  f_.CBDienstwagenSatz = new QComboBox(this);
  f_.CBDienstwagenSatz->setObjectName(QStringLiteral("CBDienstwagenSatz"));
  f_.CBDienstwagenSatz->addItem(QStringLiteral("1"), 1.0);
  f_.CBDienstwagenSatz->addItem(QStringLiteral("0,5"), 0.5);
  f_.CBDienstwagenSatz->addItem(QStringLiteral("0,25"), 0.25);
  f_.CBDienstwagenSatz->setToolTip(QStringLiteral("Anteil des Listenpreises: 1 (Vorgabe), 0,5 für Elektro- und "
                                                  "Hybridfahrzeuge (ab 2019), 0,25 für Elektrofahrzeuge (ab 2020)"));
  zeile(g, f_.CBDienstwagenSatz, "LDienstwagenSatz", QStringLiteral("Anteil Listenpreis"), nullptr, {});

  // Further pay: in kind, tax-free, converted, capital-forming.
  g = gruppe("PWeitereBezuege", QStringLiteral("Sachbezüge und weitere Bezüge"));
  betrag(g, f_.ESachbezug, "ESachbezug", "LSachbezug", QStringLiteral("Sachbezug"), "LDMSachbezug",
         QStringLiteral("Sachbezüge dieses Zeitraums (Gutscheine, Waren): frei bis zur monatlichen Freigrenze, "
                        "darüber ganz steuer- und beitragspflichtig; nicht ausgezahlt (ab 2014)"));
  betrag(g, f_.ESteuerfrei, "ESteuerfrei", "LSteuerfrei", QStringLiteral("Steuerfreie Bezüge"), "LDMSteuerfrei",
         QStringLiteral("Steuer- und beitragsfreie Bezüge, mit dem Lohn ausgezahlt (Jobticket-Zuschuss u. a.)"));
  betrag(g, f_.EEntgeltumw, "EEntgeltumw", "LEntgeltumw", QStringLiteral("Entgeltumwandlung"), "LDMEntgeltumw",
         QStringLiteral("Entgeltumwandlung für die betriebliche Altersversorgung aus dem Bruttolohn: steuerfrei "
                        "bis 8 %, beitragsfrei bis 4 % der Beitragsbemessungsgrenze der RV (West), ab 2022 mit "
                        "dem Zuschuss des Arbeitgebers (ab 2014)"));
  betrag(g, f_.EVWLAG, "EVWLAG", "LVWLAG", QStringLiteral("VWL Arbeitgeber"), "LDMVWLAG",
         QStringLiteral("Vermögenswirksame Leistungen des Arbeitgebers: steuer- und beitragspflichtig"));
  betrag(g, f_.EVWLSpar, "EVWLSpar", "LVWLSpar", QStringLiteral("VWL-Sparbetrag"), "LDMVWLSpar",
         QStringLiteral("Vermögenswirksamer Sparbetrag: vom Auszahlungsbetrag abgezogen und angelegt"));
  spalte->addStretch(1);

  int breite = 0;
  for (const QLabel* l : beschriftungen) breite = std::max(breite, l->sizeHint().width());
  for (QGridLayout* gi : gitter) gi->setColumnMinimumWidth(0, breite);
  return seite;
}

std::vector<TEditCS*> TEingabeFelder::EinmalFelder() const {
  return {ESonstBezug,         EJahresLohn,         EBisherSonstBez,  ESVTage,      ESVEntgeltKV,
          ESVEntgeltRV,        EVorjahrSVTage,      EVorjahrSVEntgeltKV, EVorjahrSVEntgeltRV, EVorjahrKVZusatz,
          EAbfindung,          EDienstwagen,        EDienstwagenKm,   ESachbezug,   ESteuerfrei,
          EEntgeltumw,         EVWLAG,              EVWLSpar};
}

void TEingabeMaske::EinmalReiterZeigen() {
  int eingaben = 0;
  bool frei = false;
  for (const auto& [feld, beschriftung] : f_.EinmalBeschriftungen) {
    if (!feld->isEnabled()) continue;
    frei = true;
    if (const auto* e = qobject_cast<const QLineEdit*>(feld)) {
      if (!e->text().trimmed().isEmpty()) ++eingaben;
    } else if (const auto* c = qobject_cast<const QComboBox*>(feld)) {
      if (c->currentIndex() > 0) ++eingaben;
    }
  }
  if (f_.cbFuenftel->isEnabled() && f_.cbFuenftel->isChecked()) ++eingaben;
  const int i = f_.TabEingabe->indexOf(f_.PEinmalzahlung);
  const QString titel = eingaben > 0 ? QStringLiteral("Einmalzahlung / Sachbezüge (%1)").arg(eingaben)
                                     : QStringLiteral("Einmalzahlung / Sachbezüge");
  if (f_.TabEingabe->tabText(i) != titel) f_.TabEingabe->setTabText(i, titel);
  if (f_.TabEingabe->isTabEnabled(i) != frei) f_.TabEingabe->setTabEnabled(i, frei);
  const QString hinweis =
      eingaben > 0 ? QStringLiteral("Sonstiger Bezug, Abfindung, Dienstwagen, Sachbezüge und weitere Bezüge; %1 "
                                    "Eingabe(n) gelten für die Berechnung")
                         .arg(eingaben)
                   : QStringLiteral("Sonstiger Bezug, Abfindung, Dienstwagen, Sachbezüge und weitere Bezüge");
  if (f_.TabEingabe->tabToolTip(i) != hinweis) f_.TabEingabe->setTabToolTip(i, hinweis);
}

// ---- church-tax list ------------------------------------------------------------

QStringList TEingabeMaske::KirchenStListe() const {
  QStringList liste;
  for (int i = 0; i < f_.cbKirchenSt->count(); ++i) liste << f_.cbKirchenSt->itemText(i);
  return liste;
}

void TEingabeMaske::KirchenStListeSetzen(const QStringList& roh, const QString& auswahl) {
  QStringList liste;
  for (const QString& s : roh)
    if (!s.isEmpty() && !liste.contains(s)) liste << s;
  std::sort(liste.begin(), liste.end(), [](const QString& a, const QString& b) {
    return QString::localeAwareCompare(a, b) < 0;
  });
  const bool vorher = f_.cbKirchenSt->blockSignals(true);
  f_.cbKirchenSt->clear();
  f_.cbKirchenSt->addItems(liste);
  const int i = f_.cbKirchenSt->findText(auswahl);
  if (i >= 0)
    f_.cbKirchenSt->setCurrentIndex(i);
  else
    f_.cbKirchenSt->setEditText(auswahl);
  f_.cbKirchenSt->blockSignals(vorher);
}

void TEingabeMaske::KirchenStMerken() {
  const QString text = f_.cbKirchenSt->currentText().trimmed();
  if (text.isEmpty() || f_.cbKirchenSt->findText(text) >= 0) return;
  // Only a rate the calculation takes (the field is red otherwise).
  const auto satz = SatzLesen(text.toStdString(), TSatzArt::Kirchensteuer);
  if (!satz || *satz == 0) return;
  KirchenStListeSetzen(KirchenStListe() << text, text);
}

}  // namespace lst
