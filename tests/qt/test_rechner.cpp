// The calculator window driven as a user drives it: typing, clicking, menus.

#include <QAction>
#include <QButtonGroup>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

#include <memory>

#include "calc/sozialversicherung.h"
#include "common/qt/edit_cs.h"
#include "fenster_hilfen.h"
#include "ui/anwendung.h"
#include "ui/calculator/bmg_dialog.h"
#include "ui/calculator/rechner.h"

using lst::TEditCS;
using lst::TFRechner;

class TestRechner : public QObject {
  Q_OBJECT

  QTemporaryDir ordner_;
  std::unique_ptr<lst::TAnwendung> anw_;
  std::unique_ptr<TBoxFaenger> boxen_;
  TFRechner* r_ = nullptr;
  std::unique_ptr<TRechnerElemente> e_;

  QString Wert(const char* name) const {
    auto* l = r_->findChild<QLabel*>(QString::fromLatin1(name));
    return l != nullptr ? l->text() : QStringLiteral("<fehlt>");
  }
  const lst::TAbrechnungsStand& S() const { return r_->Stand(); }

 private slots:
  void initTestCase() {
    TestUmgebung(ordner_);
    lst::TAnwendung::Einrichten(*qobject_cast<QApplication*>(QCoreApplication::instance()));
  }

  void init() {
    QFile::remove(ordner_.filePath(QStringLiteral("DrumselLStTab.ini")));
    JahrVorgeben(ordner_, 2013);
    // No message box may stay open and block a test; unexpected ones fail it.
    boxen_ = std::make_unique<TBoxFaenger>();
    anw_ = std::make_unique<lst::TAnwendung>();
    r_ = &anw_->Rechner();
    e_ = std::make_unique<TRechnerElemente>(r_);
    anw_->Zeigen();
    QVERIFY(QTest::qWaitForWindowExposed(r_));
    r_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(r_));
  }

  void cleanup() {
    r_ = nullptr;
    anw_.reset();
    const QStringList texte = boxen_->Texte;
    boxen_.reset();
    QVERIFY2(texte.isEmpty(), qPrintable(texte.join(QLatin1Char('\n'))));
  }

  // The names other windows look the controls up by, and the menu entries of
  // windows that come later, disabled.
  void namenUndMenue() {
    QCOMPARE(r_->windowTitle(), QStringLiteral("Lohnsteuerberechnung 2013"));
    QCOMPARE(QApplication::applicationName(), QStringLiteral("Lohnsteuer"));
    for (const char* name : {"ELohn", "CBLZZ", "CBStKl", "cbKirchenSt", "CBAlter", "CBR", "E_ZKF", "EPauschSt",
                             "ENettoLohn", "EZusText", "EZusBetrag", "cbPriv", "CBGF", "CBprivHH", "CBGleitZ"})
      QVERIFY2(r_->findChild<QWidget*>(QString::fromLatin1(name)) != nullptr, name);
    for (const char* name : {"ErgBruttoLohn", "ErgLohnSt", "ErgNettoLohn", "ErgText", "ErgZusatz", "LErg",
                             "LDMBrutto", "LDMNetto", "LTxtWunsch"})
      QVERIFY2(r_->findChild<QLabel*>(QString::fromLatin1(name)) != nullptr, name);
    for (const char* name : {"Steuerklassenvgl1", "Tabelle1", "Grafik1", "EinkStTabelle1",
                             "EinkommensteuerAnzeige1", "LohnUmrAnz1", "Drucken1", "Druckvorschau1",
                             "Drucker1"}) {
      auto* a = r_->findChild<QAction*>(QString::fromLatin1(name));
      QVERIFY2(a != nullptr && a->isEnabled(), name);
    }
    QCOMPARE(e_->Arbeitgeberanteil1->shortcut(), QKeySequence(QStringLiteral("Ctrl+G")));
    QCOMPARE(e_->Arbeitnehmeranteil1->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    QCOMPARE(e_->EinkommensteuerAnzeige1->shortcut(), QKeySequence(QStringLiteral("Ctrl+E")));
    QCOMPARE(e_->LohnUmrAnz1->shortcut(), QKeySequence(QStringLiteral("Ctrl+L")));
    QCOMPARE(Wert("LDMBrutto"), QStringLiteral("[EUR]"));
    QCOMPARE(Wert("LDMNetto"), QStringLiteral("EUR"));
    QCOMPARE(Wert("LEuroPV"), QStringLiteral("[€]"));
    QCOMPARE(e_->ELohn->accessibleName(), QStringLiteral("steuerpfl. Bruttolohn"));
    QVERIFY(e_->ELohn->hasFocus());
    QVERIFY(r_->RechnenAktiv());
  }

  // A window that follows the calculation, toggled by its menu entry.
  void anzeigeUmschalten() {
    auto* fenster = new QWidget(r_, Qt::Window);
    r_->AnzeigeVerbinden(e_->LohnUmrAnz1, fenster);
    QVERIFY(e_->LohnUmrAnz1->isEnabled());
    e_->LohnUmrAnz1->trigger();
    QVERIFY(fenster->isVisible());
    QVERIFY(e_->LohnUmrAnz1->isChecked());
    e_->LohnUmrAnz1->trigger();
    QVERIFY(!fenster->isVisible());
    QVERIFY(!e_->LohnUmrAnz1->isChecked());
    e_->LohnUmrAnz1->trigger();
    fenster->close();  // its own close button
    QVERIFY(!e_->LohnUmrAnz1->isChecked());
  }

  // Every keystroke recalculates; refused keys do not reach the field.
  void tippenRechnet() {
    int zyklen = 0;
    connect(r_, &TFRechner::Berechnet, this, [&] { ++zyklen; });
    QTest::keyClicks(e_->ELohn, QStringLiteral("3000a,-5"));
    QCOMPARE(e_->ELohn->text(), QStringLiteral("3000,5"));
    QCOMPARE(zyklen, 6);
    QCOMPARE(S().Anfrage.Brutto, 300050);
    QCOMPARE(Wert("ErgBruttoLohn"), GeldText(300050));
    QCOMPARE(Wert("ErgNettoLohn"), GeldText(S().Ergebnis.Netto));
    QVERIFY(S().Ergebnis.LSt > 0);
    QCOMPARE(Wert("ErgLohnSt"), GeldText(S().Ergebnis.LSt));
    QCOMPARE(Wert("ErgKV"), GeldText(S().Ergebnis.Beitrag(lst::svKV).AN));
    QCOMPARE(Wert("ErgZusatz"), GeldText(0));
    // Pasted or set text is not filtered; whatever it is, an amount reads
    // as 0, a church-tax rate turns red and the usual rate applies.
    for (const QString& t : {QStringLiteral("1e999"), QStringLiteral("nan"), QStringLiteral("--5"),
                             QStringLiteral("1,2,3"), QStringLiteral("-3000")}) {
      e_->ELohn->setText(t);
      QCOMPARE(S().Anfrage.Brutto, 0);
      e_->cbKirchenSt->setEditText(t);
      QCOMPARE(Datensaetze(S()).LSt.KiStSatz, lst::kKirchensteuerVorgabe / 100);
      QVERIFY(Rot(e_->cbKirchenSt->lineEdit()));
    }
    QApplication::clipboard()->setText(QStringLiteral("12a"));
    e_->ELohn->clear();
    e_->ELohn->setFocus();
    QTest::keyClick(e_->ELohn, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(e_->ELohn->text(), QStringLiteral("12a"));
    QCOMPARE(S().Anfrage.Brutto, 0);
    Eintippen(e_->ELohn, QStringLiteral("3000,5"));
    e_->cbKirchenSt->setEditText(QStringLiteral("8"));

    // The caption of "Sonstiges" follows the text field at once.
    Eintippen(e_->EZusText, QStringLiteral("Miete"));
    QCOMPARE(e_->ErgText->text(), QStringLiteral("Miete"));
    Eintippen(e_->EZusBetrag, QStringLiteral("100"));
    QCOMPARE(Wert("ErgZusatz"), GeldText(10000));
  }

  void steuerklasseUndKinder() {
    Eintippen(e_->E_ZKF, QStringLiteral("2"));
    QVERIFY(!e_->cbPV2->isChecked());
    QVERIFY(!e_->cbPV2->isEnabled());
    QCOMPARE(e_->EKindergeld->text(), QStringLiteral("368,00"));
    QCOMPARE(Datensaetze(S()).Zusatz.Kindergeld, 36800);
    Eintippen(e_->E_ZKF, QString());
    QVERIFY(e_->cbPV2->isChecked());
    QVERIFY(e_->cbPV2->isEnabled());
    QCOMPARE(e_->EKindergeld->text(), QString());

    Eintippen(e_->E_ZKF, QStringLiteral("1"));
    e_->CBStKl->setCurrentIndex(4);  // V
    QCOMPARE(e_->E_ZKF->text(), QString());
    QVERIFY(!e_->E_ZKF->isEnabled());
    QVERIFY(!e_->EKindergeld->isEnabled());
    QCOMPARE(Datensaetze(S()).LSt.STKL, 5);
    e_->CBStKl->setCurrentIndex(0);
    QCOMPARE(e_->E_ZKF->text(), QString());
    QVERIFY(e_->E_ZKF->isEnabled());
    QVERIFY(e_->cbPV2->isChecked());
    e_->CBStKl->setCurrentIndex(1);  // II: no surcharge for the childless
    QVERIFY(!e_->cbPV2->isChecked());

    // Factor method only in class IV; it locks the allowance.
    QVERIFY(!e_->cbAF->isEnabled());
    e_->CBStKl->setCurrentIndex(3);
    QVERIFY(e_->cbAF->isEnabled());
    Eintippen(e_->EFreibetrag, QStringLiteral("100"));
    e_->cbAF->click();
    QVERIFY(!e_->EFreibetrag->isEnabled());
    QCOMPARE(e_->EFreibetrag->text(), QString());
    Eintippen(e_->edFaktor, QStringLiteral("1,5"));
    QCOMPARE(e_->edFaktor->text(), QStringLiteral("1"));
    Eintippen(e_->edFaktor, QStringLiteral("0,873"));
    QVERIFY(Datensaetze(S()).LSt.af);
    QCOMPARE(Datensaetze(S()).LSt.f, 0.873);
    e_->CBStKl->setCurrentIndex(0);
    QVERIFY(!e_->cbAF->isChecked());
    QCOMPARE(e_->edFaktor->text(), QStringLiteral("1,0"));
    QVERIFY(e_->EFreibetrag->isEnabled());
  }

  void zeitraumUmrechnen() {
    Eintippen(e_->ELohn, QStringLiteral("3000,00"));
    Eintippen(e_->EVBezM, QStringLiteral("250"));
    QVERIFY(!e_->EZMVB->isEnabled());
    e_->CBLZZ->setCurrentIndex(0);
    QCOMPARE(e_->ELohn->text(), QStringLiteral("36000,00"));
    QVERIFY(e_->EZMVB->isEnabled());
    QVERIFY(e_->edSterbe->isEnabled());
    QCOMPARE(S().Anfrage.LZZ, 1);
    QCOMPARE(S().Anfrage.Brutto, 3600000);
    e_->CBLZZ->setCurrentIndex(2);
    QCOMPARE(e_->ELohn->text(), QStringLiteral("700,00"));
    QCOMPARE(e_->EVBezM->text(), QStringLiteral("250"));
    QVERIFY(!e_->edSterbe->isEnabled());
    QCOMPARE(Wert("ErgBruttoLohn"), GeldText(70000));
  }

  void tabellenart() {
    e_->rbBesTab->click();
    for (TEditCS* e : {e_->ERVANProz, e_->ERVAGProz, e_->EAVANProz, e_->EAVAGProz})
      QCOMPARE(e->text(), QStringLiteral("0"));
    QVERIFY(e_->cbPriv->isChecked());
    QVERIFY(!e_->EKVANProz->isEnabled());
    QVERIFY(e_->EPVWert->isEnabled());
    QCOMPARE(Datensaetze(S()).LSt.TabArt, 1);
    e_->rbAllgTab->click();
    QCOMPARE(e_->ERVANProz->text(), QStringLiteral("9,45"));
    QCOMPARE(e_->EAVAGProz->text(), QStringLiteral("1,5"));
    QVERIFY(!e_->cbPriv->isChecked());
    QVERIFY(e_->EKVANProz->isEnabled());
    QCOMPARE(Datensaetze(S()).LSt.TabArt, 0);
  }

  // Marginal employment: its rates, flat-rate tax and the red boxes.
  void minijobUndWarnfarben() {
    const auto grenze = lst::BBGFuerZeitraum(S().Parameter.BBG, 2, lst::rgWest)[lst::bbgGF];
    const QString beiGrenze = QLocale().toString(grenze / 100.0, 'f', 2).remove(QLatin1Char('.'));
    const QString darueber = QLocale().toString((grenze + 1) / 100.0, 'f', 2).remove(QLatin1Char('.'));
    QVERIFY(!Rot(e_->CBGF));
    Eintippen(e_->ELohn, beiGrenze);
    QVERIFY(Rot(e_->CBGF) && Rot(e_->CBprivHH));  // ordinary employment at the limit
    Eintippen(e_->ELohn, darueber);
    QVERIFY(!Rot(e_->CBGF) && !Rot(e_->CBprivHH));

    e_->CBprivHH->click();
    e_->CBGF->click();
    QVERIFY(e_->CBGF->isChecked());
    QVERIFY(!e_->CBprivHH->isChecked());
    QVERIFY(e_->CBPauschSt->isEnabled());
    QVERIFY(e_->CBAufst->isEnabled());
    QCOMPARE(e_->EKVAGProz->text(), QStringLiteral("13"));
    QCOMPARE(e_->ERVAGProz->text(), QStringLiteral("15"));
    QCOMPARE(e_->EAufProz->text(), QStringLiteral("3,9"));
    for (TEditCS* e : {e_->EKVANProz, e_->EPVANProz, e_->ERVANProz, e_->EAVANProz})
      QCOMPARE(e->text(), QStringLiteral("0"));
    QVERIFY(!e_->EKV2ANProz->isEnabled());
    QVERIFY(!e_->cbKV2->isEnabled());
    QVERIFY(Rot(e_->CBGF) && Rot(e_->CBprivHH));  // above the limit
    Eintippen(e_->ELohn, beiGrenze);
    QVERIFY(!Rot(e_->CBGF) && !Rot(e_->CBprivHH));
    Eintippen(e_->ELohn, QString());
    QVERIFY(!Rot(e_->CBGF));

    // The employer's view with the flat-rate tax of 2 %.
    Eintippen(e_->ELohn, QStringLiteral("400"));
    e_->CBPauschSt->click();
    e_->Arbeitgeberanteil1->trigger();
    QCOMPARE(Wert("LLoSt"), QStringLiteral("Pauschalsteuer ="));
    QCOMPARE(Wert("ErgLohnSt"), GeldText(800));
    QCOMPARE(Wert("ErgKirchenSt"), GeldText(0));
    QCOMPARE(Wert("ErgSoli"), GeldText(0));
    QCOMPARE(Wert("ErgKV"), GeldText(5200));
    QCOMPARE(Wert("ErgZusatz"), QString());
    QCOMPARE(Wert("LTxtNetto"), QStringLiteral("Lohnkosten ="));
    QCOMPARE(Wert("LTxtWunsch"), QStringLiteral("Plan-Lohnkosten"));
    QCOMPARE(Wert("LErg"), QStringLiteral("Ergebnisse Arbeitgeber:"));
    QCOMPARE(Wert("ErgNettoLohn"), GeldText(S().Ergebnis.AGGesamt));

    // Back to ordinary employment: flat-rate tax off, own rates back.
    e_->CBGF->click();
    QVERIFY(!e_->CBPauschSt->isEnabled());
    QCOMPARE(e_->EKVANProz->text(), QStringLiteral("7,3"));
    QCOMPARE(Datensaetze(S()).LSt.PauschSatzAG, 0.0);
  }

  // The sliding zone measured against bounds of the pay period.
  void gleitzone() {
    e_->CBGleitZ->click();
    const std::pair<const char*, bool> monat[] = {
        {"450,00", true}, {"450,01", false}, {"850,00", false}, {"850,01", true}};
    for (const auto& [lohn, rot] : monat) {
      Eintippen(e_->ELohn, QString::fromLatin1(lohn));
      QVERIFY2(Rot(e_->CBGleitZ) == rot, lohn);
    }
    e_->CBLZZ->setCurrentIndex(0);
    const std::pair<const char*, bool> jahr[] = {
        {"7200", false}, {"5400,00", true}, {"5400,01", false}, {"10200", false}, {"10200,01", true}};
    for (const auto& [lohn, rot] : jahr) {
      Eintippen(e_->ELohn, QString::fromLatin1(lohn));
      QVERIFY2(Rot(e_->CBGleitZ) == rot, lohn);
    }
    e_->CBGleitZ->click();
    QVERIFY(!Rot(e_->CBGleitZ));
  }

  void sachsen() {
    QVERIFY(!e_->cbSachsen->isEnabled());
    r_->findChild<QRadioButton*>(QStringLiteral("RGOstWest_Ost"))->click();
    QVERIFY(e_->cbSachsen->isEnabled());
    e_->cbSachsen->click();
    QCOMPARE(e_->EPVANProz->text(), QStringLiteral("1,525"));
    QCOMPARE(e_->EPVAGProz->text(), QStringLiteral("0,525"));
    Eintippen(e_->ELohn, QStringLiteral("2000"));
    QCOMPARE(S().Parameter.Saetze[lst::beNV][lst::svPV].AN, 0.01025);
    QCOMPARE(S().Parameter.Saetze[lst::beNV][lst::svPV].AG, 0.01025);
    QCOMPARE(Datensaetze(S()).SV.Saetze[lst::svPV].AN, 0.01525);
    QVERIFY(Datensaetze(S()).SV.PVS);
    QCOMPARE(S().Ergebnis.Beitrag(lst::svPV).AN, 3050);
    // Marginal employment has no care contribution to split.
    e_->CBGF->click();
    QCOMPARE(e_->EPVANProz->text(), QStringLiteral("0"));
    QCOMPARE(e_->EPVAGProz->text(), QStringLiteral("0"));
    QCOMPARE(S().Ergebnis.Beitrag(lst::svPV).AG, 0);
    e_->CBGF->click();
    QCOMPARE(e_->EPVANProz->text(), QStringLiteral("1,525"));
    r_->findChild<QRadioButton*>(QStringLiteral("RGOstWest_West"))->click();
    QVERIFY(!e_->cbSachsen->isEnabled());
    QCOMPARE(e_->EPVANProz->text(), QStringLiteral("1,025"));
    QVERIFY(!Datensaetze(S()).SV.PVS);
  }

  void privatVersichert() {
    Eintippen(e_->ELohn, QStringLiteral("5000"));
    e_->cbPriv->click();
    QVERIFY(e_->EPVWert->isEnabled());
    QVERIFY(e_->RGprivTyp->isEnabled());
    for (QWidget* w : std::initializer_list<QWidget*>{e_->EKVANProz, e_->EKVAGProz, e_->EKV2ANProz, e_->cbKV2,
                                                     e_->EPVANProz, e_->EPVAGProz, e_->ePV2ANProz, e_->cbPV2})
      QVERIFY(!w->isEnabled());
    Eintippen(e_->EPVWert, QStringLiteral("300"));
    r_->findChild<QRadioButton*>(QStringLiteral("RGprivTyp_ja"))->click();
    QCOMPARE(Datensaetze(S()).SV.PKV, 2);
    QCOMPARE(Datensaetze(S()).SV.PKPV, 30000);
    QCOMPARE(Datensaetze(S()).SV.Saetze[lst::svKV2].AN, 0.0);
    e_->cbPriv->click();
    QVERIFY(e_->EKVANProz->isEnabled());
    QCOMPARE(Datensaetze(S()).SV.PKV, 0);
  }

  // Key preview: "(" and Enter go forward, "&" back, even in the text field.
  void tastenVorschau() {
    e_->EZusText->setFocus();
    QTest::keyClicks(e_->EZusText, QStringLiteral("("));
    QCOMPARE(e_->EZusText->text(), QStringLiteral("Sonstiges"));
    QVERIFY(e_->EZusBetrag->hasFocus());
    QTest::keyClicks(e_->EZusBetrag, QStringLiteral("&"));
    QVERIFY(e_->EZusText->hasFocus());
    e_->ELohn->setFocus();
    QTest::keyClicks(e_->ELohn, QStringLiteral("12"));
    QTest::keyClick(e_->ELohn, Qt::Key_Return);
    QVERIFY(e_->EVersBez->hasFocus());
    QCOMPARE(e_->ELohn->text(), QStringLiteral("12"));
  }

  // Church-tax rates join the list when editing ends, not per keystroke.
  void kirchensteuerListe() {
    QLineEdit* feld = e_->cbKirchenSt->lineEdit();
    feld->setFocus();
    Eintippen(feld, QStringLiteral("10"));
    QCOMPARE(Datensaetze(S()).LSt.KiStSatz, 0.10);
    QCOMPARE(e_->cbKirchenSt->count(), 2);
    QTest::keyClick(feld, Qt::Key_Return);
    QCOMPARE(e_->cbKirchenSt->count(), 3);
    QVERIFY(e_->cbKirchenSt->findText(QStringLiteral("10")) >= 0);
    QVERIFY(e_->cbKirchenSt->findText(QStringLiteral("1")) < 0);
    e_->CBR->click();
    QVERIFY(!e_->cbKirchenSt->isEnabled());
    QVERIFY(Datensaetze(S()).LSt.Bekenntnislos);
  }

  // A wished net wage shows the gross found; the view switch carries it over.
  void wunschNetto() {
    Eintippen(e_->ELohn, QStringLiteral("3000"));
    Eintippen(e_->ENettoLohn, QStringLiteral("2000,00"));
    QCOMPARE(e_->ELohn->text(), QStringLiteral("3000"));
    const std::int64_t gefunden = S().Anfrage.Brutto;
    QVERIFY(gefunden > 250000 && gefunden < 350000);
    QVERIFY(std::llabs(S().Ergebnis.Netto - 200000) <= 1);
    QCOMPARE(Wert("ErgBruttoLohn"), GeldText(gefunden));
    QCOMPARE(r_->WunschBetrag(), 200000);

    // Typing into the gross wage computes from it again.
    QTest::keyClicks(e_->ELohn, QStringLiteral("0"));
    QCOMPARE(S().Anfrage.Brutto, 3000000);
    Eintippen(e_->ELohn, QStringLiteral("3000"));
    Eintippen(e_->ENettoLohn, QStringLiteral("2000"));
    QCOMPARE(S().Anfrage.Brutto, gefunden);
    e_->Arbeitgeberanteil1->trigger();
    QCOMPARE(e_->ELohn->AsCents(), gefunden);
    QCOMPARE(S().Anfrage.Brutto, gefunden);
    QVERIFY(!S().ArbeitnehmerSicht);
    QVERIFY(e_->Arbeitgeberanteil1->isChecked());
    QCOMPARE(Wert("ErgNettoLohn"), GeldText(S().Ergebnis.AGGesamt));

    // An empty, zero or unreadable wish leaves the results as they are.
    const QString vorher = Wert("ErgBruttoLohn");
    Eintippen(e_->ENettoLohn, QStringLiteral("0"));
    QCOMPARE(Wert("ErgBruttoLohn"), vorher);
    e_->Arbeitnehmeranteil1->trigger();
    QCOMPARE(Wert("LErg"), QStringLiteral("Ergebnisse Arbeitnehmer:"));
  }

  // A failure of the core is shown in German; the last results stay.
  void fehlerDesKerns() {
    Eintippen(e_->ELohn, QStringLiteral("3000"));
    const QString vorher = Wert("ErgNettoLohn");
    // A wished net wage that no gross wage up to a billion reaches.
    e_->ENettoLohn->setText(QStringLiteral("9999999999"));
    QCOMPARE(boxen_->Texte.size(), 1);
    QVERIFY2(boxen_->Texte[0].contains(QStringLiteral("9.999.999.999")), qPrintable(boxen_->Texte[0]));
    boxen_->Texte.clear();
    QCOMPARE(Wert("ErgNettoLohn"), vorher);
  }

  // Pictures of the window for a look by eye; only when LOHNSTEUER_BILDER
  // names a folder.
  void bilder() {
    const QString ziel = qEnvironmentVariable("LOHNSTEUER_BILDER");
    if (ziel.isEmpty()) QSKIP("LOHNSTEUER_BILDER not set");
    auto speichern = [&](QWidget* w, const char* name) {
      QApplication::processEvents();
      QVERIFY(w->grab().save(ziel + "/" + QString::fromLatin1(name) + ".png"));
    };
    r_->resize(1000, 740);
    Eintippen(e_->ELohn, QStringLiteral("3456,78"));
    Eintippen(e_->E_ZKF, QStringLiteral("1,5"));
    Eintippen(e_->EZusBetrag, QStringLiteral("25"));
    speichern(r_, "arbeitnehmer");
    e_->Arbeitgeberanteil1->trigger();
    speichern(r_, "arbeitgeber");
    e_->Arbeitnehmeranteil1->trigger();
    e_->CBGF->click();
    e_->CBPauschSt->click();
    speichern(r_, "minijob_rot");
    Eintippen(e_->ELohn, QStringLiteral("400"));
    e_->Arbeitgeberanteil1->trigger();
    speichern(r_, "minijob_arbeitgeber");
    e_->Arbeitnehmeranteil1->trigger();
    e_->CBGF->click();
    Eintippen(e_->ELohn, QStringLiteral("4321"));
    e_->cbPriv->click();
    Eintippen(e_->EPVWert, QStringLiteral("350"));
    r_->findChild<QRadioButton*>(QStringLiteral("RGprivTyp_ja"))->click();
    r_->findChild<QRadioButton*>(QStringLiteral("RGOstWest_Ost"))->click();
    speichern(r_, "privat_ost");
    anw_->BMG().show();
    speichern(&anw_->BMG(), "bmg");
    anw_->BMG().hide();
    auto* info = r_->findChild<QDialog*>(QStringLiteral("AboutBox"));
    info->show();
    speichern(info, "info");
    info->hide();
  }

  // One core, two faces: the window computes what the command line computes.
  void wieDieKommandozeile_data() {
    QTest::addColumn<QStringList>("optionen");
    QTest::newRow("monat") << QStringList{"--brutto", "3000"};
    QTest::newRow("klasse3-sachsen") << QStringList{"--brutto",     "4500,50", "--steuerklasse", "3",
                                                    "--kinderfreibetraege", "2", "--kirchensteuer", "9",
                                                    "--region",     "ost",    "--sachsen"};
    QTest::newRow("jahr-gleitzone") << QStringList{"--zeitraum", "jahr", "--brutto", "7200", "--gleitzone"};
    QTest::newRow("minijob") << QStringList{"--minijob", "--brutto", "400", "--pauschsteuer", "2", "--aufstockung"};
    QTest::newRow("privat-faktor") << QStringList{"--brutto", "5000", "--steuerklasse", "4", "--faktor", "0,9",
                                                  "--privat", "300", "--ag-zuschuss", "--bekenntnislos"};
  }

  void wieDieKommandozeile() {
    QFETCH(QStringList, optionen);
    for (int i = 0; i < optionen.size(); ++i) {
      const QString o = optionen[i];
      const QString w = i + 1 < optionen.size() ? optionen[i + 1] : QString();
      if (o == QLatin1String("--zeitraum")) e_->CBLZZ->setCurrentIndex(0);
      if (o == QLatin1String("--steuerklasse")) e_->CBStKl->setCurrentIndex(w.toInt() - 1);
      if (o == QLatin1String("--kinderfreibetraege")) Eintippen(e_->E_ZKF, w);
      if (o == QLatin1String("--kirchensteuer")) Eintippen(e_->cbKirchenSt->lineEdit(), w);
      if (o == QLatin1String("--region")) r_->findChild<QRadioButton*>(QStringLiteral("RGOstWest_Ost"))->click();
      if (o == QLatin1String("--sachsen")) e_->cbSachsen->click();
      if (o == QLatin1String("--gleitzone")) e_->CBGleitZ->click();
      if (o == QLatin1String("--minijob")) e_->CBGF->click();
      if (o == QLatin1String("--pauschsteuer")) {
        e_->CBPauschSt->click();
        Eintippen(e_->EPauschSt, w);
      }
      if (o == QLatin1String("--aufstockung")) e_->CBAufst->click();
      if (o == QLatin1String("--faktor")) {
        e_->cbAF->click();
        Eintippen(e_->edFaktor, w);
      }
      if (o == QLatin1String("--privat")) {
        e_->cbPriv->click();
        Eintippen(e_->EPVWert, w);
      }
      if (o == QLatin1String("--ag-zuschuss")) r_->findChild<QRadioButton*>(QStringLiteral("RGprivTyp_ja"))->click();
      if (o == QLatin1String("--bekenntnislos")) e_->CBR->click();
    }
    Eintippen(e_->ELohn, optionen[optionen.indexOf(QStringLiteral("--brutto")) + 1]);

    ::WieDieKommandozeile(S(), optionen);
    if (QTest::currentTestFailed()) return;
    QCOMPARE(Wert("ErgNettoLohn"), GeldText(S().Ergebnis.Netto));
  }
};

QTEST_MAIN(TestRechner)
#include "test_rechner.moc"
