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

  QString Wert(const char* name) const {
    auto* l = r_->findChild<QLabel*>(QString::fromLatin1(name));
    return l != nullptr ? l->text() : QStringLiteral("<fehlt>");
  }
  lst::TAbrechnung& D() { return anw_->Daten(); }

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
    QCOMPARE(r_->Arbeitgeberanteil1->shortcut(), QKeySequence(QStringLiteral("Ctrl+G")));
    QCOMPARE(r_->Arbeitnehmeranteil1->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    QCOMPARE(r_->EinkommensteuerAnzeige1->shortcut(), QKeySequence(QStringLiteral("Ctrl+E")));
    QCOMPARE(r_->LohnUmrAnz1->shortcut(), QKeySequence(QStringLiteral("Ctrl+L")));
    QCOMPARE(Wert("LDMBrutto"), QStringLiteral("[EUR]"));
    QCOMPARE(Wert("LDMNetto"), QStringLiteral("EUR"));
    QCOMPARE(Wert("LEuroPV"), QStringLiteral("[€]"));
    QCOMPARE(r_->ELohn->accessibleName(), QStringLiteral("steuerpfl. Bruttolohn"));
    QVERIFY(r_->ELohn->hasFocus());
    QVERIFY(r_->RechnenAktiv());
  }

  // A window that follows the calculation, toggled by its menu entry.
  void anzeigeUmschalten() {
    auto* fenster = new QWidget(r_, Qt::Window);
    r_->AnzeigeVerbinden(r_->LohnUmrAnz1, fenster);
    QVERIFY(r_->LohnUmrAnz1->isEnabled());
    r_->LohnUmrAnz1->trigger();
    QVERIFY(fenster->isVisible());
    QVERIFY(r_->LohnUmrAnz1->isChecked());
    r_->LohnUmrAnz1->trigger();
    QVERIFY(!fenster->isVisible());
    QVERIFY(!r_->LohnUmrAnz1->isChecked());
    r_->LohnUmrAnz1->trigger();
    fenster->close();  // its own close button
    QVERIFY(!r_->LohnUmrAnz1->isChecked());
  }

  // Every keystroke recalculates; refused keys do not reach the field.
  void tippenRechnet() {
    int zyklen = 0;
    connect(r_, &TFRechner::Berechnet, this, [&] { ++zyklen; });
    QTest::keyClicks(r_->ELohn, QStringLiteral("3000a,-5"));
    QCOMPARE(r_->ELohn->text(), QStringLiteral("3000,5"));
    QCOMPARE(zyklen, 6);
    QCOMPARE(D().Rechnung.LZ.RE4, 300050);
    QCOMPARE(Wert("ErgBruttoLohn"), GeldText(300050));
    QCOMPARE(Wert("ErgNettoLohn"), GeldText(D().Ergebnis.Netto));
    QVERIFY(D().Ergebnis.LSt.LSt > 0);
    QCOMPARE(Wert("ErgLohnSt"), GeldText(D().Ergebnis.LSt.LSt));
    QCOMPARE(Wert("ErgKV"), GeldText(D().Ergebnis.SV.AN(lst::svKV)));
    QCOMPARE(Wert("ErgZusatz"), GeldText(0));
    // Pasted or set text is not filtered; whatever it is, an amount reads
    // as 0, a church-tax rate turns red and the usual rate applies.
    for (const QString& t : {QStringLiteral("1e999"), QStringLiteral("nan"), QStringLiteral("--5"),
                             QStringLiteral("1,2,3"), QStringLiteral("-3000")}) {
      r_->ELohn->setText(t);
      QCOMPARE(D().Rechnung.LZ.RE4, 0);
      r_->cbKirchenSt->setEditText(t);
      QCOMPARE(D().Rechnung.LSt.KiStSatz, lst::kKirchensteuerVorgabe / 100);
      QVERIFY(Rot(r_->cbKirchenSt->lineEdit()));
    }
    QApplication::clipboard()->setText(QStringLiteral("12a"));
    r_->ELohn->clear();
    r_->ELohn->setFocus();
    QTest::keyClick(r_->ELohn, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(r_->ELohn->text(), QStringLiteral("12a"));
    QCOMPARE(D().Rechnung.LZ.RE4, 0);
    Eintippen(r_->ELohn, QStringLiteral("3000,5"));
    r_->cbKirchenSt->setEditText(QStringLiteral("8"));

    // The caption of "Sonstiges" follows the text field at once.
    Eintippen(r_->EZusText, QStringLiteral("Miete"));
    QCOMPARE(r_->ErgText->text(), QStringLiteral("Miete"));
    Eintippen(r_->EZusBetrag, QStringLiteral("100"));
    QCOMPARE(Wert("ErgZusatz"), GeldText(10000));
  }

  void steuerklasseUndKinder() {
    Eintippen(r_->E_ZKF, QStringLiteral("2"));
    QVERIFY(!r_->cbPV2->isChecked());
    QVERIFY(!r_->cbPV2->isEnabled());
    QCOMPARE(r_->EKindergeld->text(), QStringLiteral("368,00"));
    QCOMPARE(D().Rechnung.Zusatz.Kindergeld, 36800);
    Eintippen(r_->E_ZKF, QString());
    QVERIFY(r_->cbPV2->isChecked());
    QVERIFY(r_->cbPV2->isEnabled());
    QCOMPARE(r_->EKindergeld->text(), QString());

    Eintippen(r_->E_ZKF, QStringLiteral("1"));
    r_->CBStKl->setCurrentIndex(4);  // V
    QCOMPARE(r_->E_ZKF->text(), QString());
    QVERIFY(!r_->E_ZKF->isEnabled());
    QVERIFY(!r_->EKindergeld->isEnabled());
    QCOMPARE(D().Rechnung.LSt.STKL, 5);
    r_->CBStKl->setCurrentIndex(0);
    QCOMPARE(r_->E_ZKF->text(), QString());
    QVERIFY(r_->E_ZKF->isEnabled());
    QVERIFY(r_->cbPV2->isChecked());
    r_->CBStKl->setCurrentIndex(1);  // II: no surcharge for the childless
    QVERIFY(!r_->cbPV2->isChecked());

    // Factor method only in class IV; it locks the allowance.
    QVERIFY(!r_->cbAF->isEnabled());
    r_->CBStKl->setCurrentIndex(3);
    QVERIFY(r_->cbAF->isEnabled());
    Eintippen(r_->EFreibetrag, QStringLiteral("100"));
    r_->cbAF->click();
    QVERIFY(!r_->EFreibetrag->isEnabled());
    QCOMPARE(r_->EFreibetrag->text(), QString());
    Eintippen(r_->edFaktor, QStringLiteral("1,5"));
    QCOMPARE(r_->edFaktor->text(), QStringLiteral("1"));
    Eintippen(r_->edFaktor, QStringLiteral("0,873"));
    QVERIFY(D().Rechnung.LSt.af);
    QCOMPARE(D().Rechnung.LSt.f, 0.873);
    r_->CBStKl->setCurrentIndex(0);
    QVERIFY(!r_->cbAF->isChecked());
    QCOMPARE(r_->edFaktor->text(), QStringLiteral("1,0"));
    QVERIFY(r_->EFreibetrag->isEnabled());
  }

  void zeitraumUmrechnen() {
    Eintippen(r_->ELohn, QStringLiteral("3000,00"));
    Eintippen(r_->EVBezM, QStringLiteral("250"));
    QVERIFY(!r_->EZMVB->isEnabled());
    r_->CBLZZ->setCurrentIndex(0);
    QCOMPARE(r_->ELohn->text(), QStringLiteral("36000,00"));
    QVERIFY(r_->EZMVB->isEnabled());
    QVERIFY(r_->edSterbe->isEnabled());
    QCOMPARE(D().Rechnung.LZ.LZZ, 1);
    QCOMPARE(D().Rechnung.LZ.RE4, 3600000);
    r_->CBLZZ->setCurrentIndex(2);
    QCOMPARE(r_->ELohn->text(), QStringLiteral("700,00"));
    QCOMPARE(r_->EVBezM->text(), QStringLiteral("250"));
    QVERIFY(!r_->edSterbe->isEnabled());
    QCOMPARE(Wert("ErgBruttoLohn"), GeldText(70000));
  }

  void tabellenart() {
    r_->rbBesTab->click();
    for (TEditCS* e : {r_->ERVANProz, r_->ERVAGProz, r_->EAVANProz, r_->EAVAGProz})
      QCOMPARE(e->text(), QStringLiteral("0"));
    QVERIFY(r_->cbPriv->isChecked());
    QVERIFY(!r_->EKVANProz->isEnabled());
    QVERIFY(r_->EPVWert->isEnabled());
    QCOMPARE(D().Rechnung.LSt.TabArt, 1);
    r_->rbAllgTab->click();
    QCOMPARE(r_->ERVANProz->text(), QStringLiteral("9,45"));
    QCOMPARE(r_->EAVAGProz->text(), QStringLiteral("1,5"));
    QVERIFY(!r_->cbPriv->isChecked());
    QVERIFY(r_->EKVANProz->isEnabled());
    QCOMPARE(D().Rechnung.LSt.TabArt, 0);
  }

  // Marginal employment: its rates, flat-rate tax and the red boxes.
  void minijobUndWarnfarben() {
    const auto grenze = lst::BBGFuerZeitraum(anw_->Kontext().BBGTabelle, 2, lst::rgWest)[lst::bbgGF];
    const QString beiGrenze = QLocale().toString(grenze / 100.0, 'f', 2).remove(QLatin1Char('.'));
    const QString darueber = QLocale().toString((grenze + 1) / 100.0, 'f', 2).remove(QLatin1Char('.'));
    QVERIFY(!Rot(r_->CBGF));
    Eintippen(r_->ELohn, beiGrenze);
    QVERIFY(Rot(r_->CBGF) && Rot(r_->CBprivHH));  // ordinary employment at the limit
    Eintippen(r_->ELohn, darueber);
    QVERIFY(!Rot(r_->CBGF) && !Rot(r_->CBprivHH));

    r_->CBprivHH->click();
    r_->CBGF->click();
    QVERIFY(r_->CBGF->isChecked());
    QVERIFY(!r_->CBprivHH->isChecked());
    QVERIFY(r_->CBPauschSt->isEnabled());
    QVERIFY(r_->CBAufst->isEnabled());
    QCOMPARE(r_->EKVAGProz->text(), QStringLiteral("13"));
    QCOMPARE(r_->ERVAGProz->text(), QStringLiteral("15"));
    QCOMPARE(r_->EAufProz->text(), QStringLiteral("3,9"));
    for (TEditCS* e : {r_->EKVANProz, r_->EPVANProz, r_->ERVANProz, r_->EAVANProz})
      QCOMPARE(e->text(), QStringLiteral("0"));
    QVERIFY(!r_->EKV2ANProz->isEnabled());
    QVERIFY(!r_->cbKV2->isEnabled());
    QVERIFY(Rot(r_->CBGF) && Rot(r_->CBprivHH));  // above the limit
    Eintippen(r_->ELohn, beiGrenze);
    QVERIFY(!Rot(r_->CBGF) && !Rot(r_->CBprivHH));
    Eintippen(r_->ELohn, QString());
    QVERIFY(!Rot(r_->CBGF));

    // The employer's view with the flat-rate tax of 2 %.
    Eintippen(r_->ELohn, QStringLiteral("400"));
    r_->CBPauschSt->click();
    r_->Arbeitgeberanteil1->trigger();
    QCOMPARE(Wert("LLoSt"), QStringLiteral("Pauschalsteuer ="));
    QCOMPARE(Wert("ErgLohnSt"), GeldText(800));
    QCOMPARE(Wert("ErgKirchenSt"), GeldText(0));
    QCOMPARE(Wert("ErgSoli"), GeldText(0));
    QCOMPARE(Wert("ErgKV"), GeldText(5200));
    QCOMPARE(Wert("ErgZusatz"), QString());
    QCOMPARE(Wert("LTxtNetto"), QStringLiteral("Lohnkosten ="));
    QCOMPARE(Wert("LTxtWunsch"), QStringLiteral("Plan-Lohnkosten"));
    QCOMPARE(Wert("LErg"), QStringLiteral("Ergebnisse Arbeitgeber:"));
    QCOMPARE(Wert("ErgNettoLohn"), GeldText(D().Ergebnis.AGGesamt));

    // Back to ordinary employment: flat-rate tax off, own rates back.
    r_->CBGF->click();
    QVERIFY(!r_->CBPauschSt->isEnabled());
    QCOMPARE(r_->EKVANProz->text(), QStringLiteral("7,3"));
    QCOMPARE(D().Rechnung.LSt.PauschSatzAG, 0.0);
  }

  // The sliding zone measured against bounds of the pay period.
  void gleitzone() {
    r_->CBGleitZ->click();
    const std::pair<const char*, bool> monat[] = {
        {"450,00", true}, {"450,01", false}, {"850,00", false}, {"850,01", true}};
    for (const auto& [lohn, rot] : monat) {
      Eintippen(r_->ELohn, QString::fromLatin1(lohn));
      QVERIFY2(Rot(r_->CBGleitZ) == rot, lohn);
    }
    r_->CBLZZ->setCurrentIndex(0);
    const std::pair<const char*, bool> jahr[] = {
        {"7200", false}, {"5400,00", true}, {"5400,01", false}, {"10200", false}, {"10200,01", true}};
    for (const auto& [lohn, rot] : jahr) {
      Eintippen(r_->ELohn, QString::fromLatin1(lohn));
      QVERIFY2(Rot(r_->CBGleitZ) == rot, lohn);
    }
    r_->CBGleitZ->click();
    QVERIFY(!Rot(r_->CBGleitZ));
  }

  void sachsen() {
    QVERIFY(!r_->cbSachsen->isEnabled());
    r_->findChild<QRadioButton*>(QStringLiteral("RGOstWest_Ost"))->click();
    QVERIFY(r_->cbSachsen->isEnabled());
    r_->cbSachsen->click();
    QCOMPARE(r_->EPVANProz->text(), QStringLiteral("1,525"));
    QCOMPARE(r_->EPVAGProz->text(), QStringLiteral("0,525"));
    Eintippen(r_->ELohn, QStringLiteral("2000"));
    QCOMPARE(anw_->Kontext().SVSatzTabelle[lst::beNV][lst::svPV].AN, 0.01025);
    QCOMPARE(anw_->Kontext().SVSatzTabelle[lst::beNV][lst::svPV].AG, 0.01025);
    QCOMPARE(D().Rechnung.SV.Saetze[lst::svPV].AN, 0.01525);
    QVERIFY(D().Rechnung.SV.PVS);
    QCOMPARE(D().Ergebnis.SV.AN(lst::svPV), 3050);
    // Marginal employment has no care contribution to split.
    r_->CBGF->click();
    QCOMPARE(r_->EPVANProz->text(), QStringLiteral("0"));
    QCOMPARE(r_->EPVAGProz->text(), QStringLiteral("0"));
    QCOMPARE(D().Ergebnis.SV.AG(lst::svPV), 0);
    r_->CBGF->click();
    QCOMPARE(r_->EPVANProz->text(), QStringLiteral("1,525"));
    r_->findChild<QRadioButton*>(QStringLiteral("RGOstWest_West"))->click();
    QVERIFY(!r_->cbSachsen->isEnabled());
    QCOMPARE(r_->EPVANProz->text(), QStringLiteral("1,025"));
    QVERIFY(!D().Rechnung.SV.PVS);
  }

  void privatVersichert() {
    Eintippen(r_->ELohn, QStringLiteral("5000"));
    r_->cbPriv->click();
    QVERIFY(r_->EPVWert->isEnabled());
    QVERIFY(r_->RGprivTyp->isEnabled());
    for (QWidget* w : std::initializer_list<QWidget*>{r_->EKVANProz, r_->EKVAGProz, r_->EKV2ANProz, r_->cbKV2,
                                                     r_->EPVANProz, r_->EPVAGProz, r_->ePV2ANProz, r_->cbPV2})
      QVERIFY(!w->isEnabled());
    Eintippen(r_->EPVWert, QStringLiteral("300"));
    r_->findChild<QRadioButton*>(QStringLiteral("RGprivTyp_ja"))->click();
    QCOMPARE(D().Rechnung.SV.PKV, 2);
    QCOMPARE(D().Rechnung.SV.PKPV, 30000);
    QCOMPARE(D().Rechnung.SV.Saetze[lst::svKV2].AN, 0.0);
    r_->cbPriv->click();
    QVERIFY(r_->EKVANProz->isEnabled());
    QCOMPARE(D().Rechnung.SV.PKV, 0);
  }

  // Key preview: "(" and Enter go forward, "&" back, even in the text field.
  void tastenVorschau() {
    r_->EZusText->setFocus();
    QTest::keyClicks(r_->EZusText, QStringLiteral("("));
    QCOMPARE(r_->EZusText->text(), QStringLiteral("Sonstiges"));
    QVERIFY(r_->EZusBetrag->hasFocus());
    QTest::keyClicks(r_->EZusBetrag, QStringLiteral("&"));
    QVERIFY(r_->EZusText->hasFocus());
    r_->ELohn->setFocus();
    QTest::keyClicks(r_->ELohn, QStringLiteral("12"));
    QTest::keyClick(r_->ELohn, Qt::Key_Return);
    QVERIFY(r_->EVersBez->hasFocus());
    QCOMPARE(r_->ELohn->text(), QStringLiteral("12"));
  }

  // Church-tax rates join the list when editing ends, not per keystroke.
  void kirchensteuerListe() {
    QLineEdit* feld = r_->cbKirchenSt->lineEdit();
    feld->setFocus();
    Eintippen(feld, QStringLiteral("10"));
    QCOMPARE(D().Rechnung.LSt.KiStSatz, 0.10);
    QCOMPARE(r_->cbKirchenSt->count(), 2);
    QTest::keyClick(feld, Qt::Key_Return);
    QCOMPARE(r_->cbKirchenSt->count(), 3);
    QVERIFY(r_->cbKirchenSt->findText(QStringLiteral("10")) >= 0);
    QVERIFY(r_->cbKirchenSt->findText(QStringLiteral("1")) < 0);
    r_->CBR->click();
    QVERIFY(!r_->cbKirchenSt->isEnabled());
    QVERIFY(D().Rechnung.LSt.Bekenntnislos);
  }

  // A wished net wage shows the gross found; the view switch carries it over.
  void wunschNetto() {
    Eintippen(r_->ELohn, QStringLiteral("3000"));
    Eintippen(r_->ENettoLohn, QStringLiteral("2000,00"));
    QCOMPARE(r_->ELohn->text(), QStringLiteral("3000"));
    const std::int64_t gefunden = D().Rechnung.LZ.RE4;
    QVERIFY(gefunden > 250000 && gefunden < 350000);
    QVERIFY(std::llabs(D().Ergebnis.Netto - 200000) <= 1);
    QCOMPARE(Wert("ErgBruttoLohn"), GeldText(gefunden));
    QCOMPARE(r_->WunschBetrag(), 200000);

    // Typing into the gross wage computes from it again.
    QTest::keyClicks(r_->ELohn, QStringLiteral("0"));
    QCOMPARE(D().Rechnung.LZ.RE4, 3000000);
    Eintippen(r_->ELohn, QStringLiteral("3000"));
    Eintippen(r_->ENettoLohn, QStringLiteral("2000"));
    QCOMPARE(D().Rechnung.LZ.RE4, gefunden);
    r_->Arbeitgeberanteil1->trigger();
    QCOMPARE(r_->ELohn->AsCents(), gefunden);
    QCOMPARE(D().Rechnung.LZ.RE4, gefunden);
    QVERIFY(!anw_->Kontext().ArbeitnehmerSicht);
    QVERIFY(r_->Arbeitgeberanteil1->isChecked());
    QCOMPARE(Wert("ErgNettoLohn"), GeldText(D().Ergebnis.AGGesamt));

    // An empty, zero or unreadable wish leaves the results as they are.
    const QString vorher = Wert("ErgBruttoLohn");
    Eintippen(r_->ENettoLohn, QStringLiteral("0"));
    QCOMPARE(Wert("ErgBruttoLohn"), vorher);
    r_->Arbeitnehmeranteil1->trigger();
    QCOMPARE(Wert("LErg"), QStringLiteral("Ergebnisse Arbeitnehmer:"));
  }

  // A failure of the core is shown in German; the last results stay.
  void fehlerDesKerns() {
    Eintippen(r_->ELohn, QStringLiteral("3000"));
    const QString vorher = Wert("ErgNettoLohn");
    anw_->Kontext().LStJahr = 1990;
    r_->Neuberechnen();
    QCOMPARE(boxen_->Texte.size(), 1);
    QVERIFY2(boxen_->Texte[0].contains(QStringLiteral("1990")), qPrintable(boxen_->Texte[0]));
    boxen_->Texte.clear();
    QCOMPARE(Wert("ErgNettoLohn"), vorher);
    anw_->Kontext().LStJahr = 2013;
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
    Eintippen(r_->ELohn, QStringLiteral("3456,78"));
    Eintippen(r_->E_ZKF, QStringLiteral("1,5"));
    Eintippen(r_->EZusBetrag, QStringLiteral("25"));
    speichern(r_, "arbeitnehmer");
    r_->Arbeitgeberanteil1->trigger();
    speichern(r_, "arbeitgeber");
    r_->Arbeitnehmeranteil1->trigger();
    r_->CBGF->click();
    r_->CBPauschSt->click();
    speichern(r_, "minijob_rot");
    Eintippen(r_->ELohn, QStringLiteral("400"));
    r_->Arbeitgeberanteil1->trigger();
    speichern(r_, "minijob_arbeitgeber");
    r_->Arbeitnehmeranteil1->trigger();
    r_->CBGF->click();
    Eintippen(r_->ELohn, QStringLiteral("4321"));
    r_->cbPriv->click();
    Eintippen(r_->EPVWert, QStringLiteral("350"));
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
      if (o == QLatin1String("--zeitraum")) r_->CBLZZ->setCurrentIndex(0);
      if (o == QLatin1String("--steuerklasse")) r_->CBStKl->setCurrentIndex(w.toInt() - 1);
      if (o == QLatin1String("--kinderfreibetraege")) Eintippen(r_->E_ZKF, w);
      if (o == QLatin1String("--kirchensteuer")) Eintippen(r_->cbKirchenSt->lineEdit(), w);
      if (o == QLatin1String("--region")) r_->findChild<QRadioButton*>(QStringLiteral("RGOstWest_Ost"))->click();
      if (o == QLatin1String("--sachsen")) r_->cbSachsen->click();
      if (o == QLatin1String("--gleitzone")) r_->CBGleitZ->click();
      if (o == QLatin1String("--minijob")) r_->CBGF->click();
      if (o == QLatin1String("--pauschsteuer")) {
        r_->CBPauschSt->click();
        Eintippen(r_->EPauschSt, w);
      }
      if (o == QLatin1String("--aufstockung")) r_->CBAufst->click();
      if (o == QLatin1String("--faktor")) {
        r_->cbAF->click();
        Eintippen(r_->edFaktor, w);
      }
      if (o == QLatin1String("--privat")) {
        r_->cbPriv->click();
        Eintippen(r_->EPVWert, w);
      }
      if (o == QLatin1String("--ag-zuschuss")) r_->findChild<QRadioButton*>(QStringLiteral("RGprivTyp_ja"))->click();
      if (o == QLatin1String("--bekenntnislos")) r_->CBR->click();
    }
    Eintippen(r_->ELohn, optionen[optionen.indexOf(QStringLiteral("--brutto")) + 1]);

    ::WieDieKommandozeile(D(), optionen);
    if (QTest::currentTestFailed()) return;
    QCOMPARE(Wert("ErgNettoLohn"), GeldText(D().Ergebnis.Netto));
  }
};

QTEST_MAIN(TestRechner)
#include "test_rechner.moc"
