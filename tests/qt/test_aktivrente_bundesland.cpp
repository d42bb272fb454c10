// The federal state and the Aktivrente in the calculator window: a state
// chosen sets the church-tax rate, the region and Saxony as the core has
// them, a rate typed afterwards wins, Berlin asks for its part while East
// and West differ; the box "Aktivrente" is enabled where the core has it and
// its tax-free line shows the core's amount; the special table's hint names
// the law of the year.  Everything against the command line's JSON for the
// same inputs.

#include <QComboBox>
#include <QMenuBar>
#include <QScrollArea>

#include <memory>

#include "calc/bundesland.h"
#include "common/qt/edit_cs.h"
#include "fenster_hilfen.h"
#include "ui/anwendung.h"
#include "ui/calculator/rechner.h"

using lst::TEditCS;
using lst::TFRechner;

class TestAktivrenteBundesland : public QObject {
  Q_OBJECT

  QTemporaryDir ordner_;
  std::unique_ptr<lst::TAnwendung> anw_;
  TFRechner* r_ = nullptr;
  std::unique_ptr<TRechnerElemente> e_;
  std::unique_ptr<TBoxFaenger> boxen_;
  QComboBox* land_ = nullptr;
  QCheckBox* aktiv_ = nullptr;

  const lst::TAbrechnungsStand& S() const { return r_->Stand(); }
  QLabel* Label(const char* name) const { return TRechnerElemente::Suchen<QLabel>(r_, name); }

  void Starten() {
    anw_ = std::make_unique<lst::TAnwendung>();
    r_ = &anw_->Rechner();
    e_ = std::make_unique<TRechnerElemente>(r_);
    land_ = TRechnerElemente::Suchen<QComboBox>(r_, "CBBundesland");
    aktiv_ = TRechnerElemente::Suchen<QCheckBox>(r_, "CBAktivrente");
    anw_->Zeigen();
    QVERIFY(QTest::qWaitForWindowExposed(r_));
  }
  void Beenden() {
    e_->ProgrammBeenden1->trigger();
    r_ = nullptr;
    anw_.reset();
  }
  // A state chosen with the keyboard, by its name in the list.
  void Land(const QString& name) {
    const int ziel = land_->findText(name);
    QVERIFY2(ziel >= 0, qPrintable(name));
    land_->setFocus();
    while (land_->currentIndex() < ziel) QTest::keyClick(land_, Qt::Key_Down);
    while (land_->currentIndex() > ziel) QTest::keyClick(land_, Qt::Key_Up);
    QCOMPARE(land_->currentIndex(), ziel);
  }
  void Jahr(int jahr) {
    Waehlen(e_->CBJahr, jahr);
    QCOMPARE(S().Parameter.Jahr, jahr);
  }

 private slots:
  void initTestCase() {
    TestUmgebung(ordner_);
    QApplication::setQuitOnLastWindowClosed(false);
    lst::TAnwendung::Einrichten(*qobject_cast<QApplication*>(QCoreApplication::instance()));
  }
  void init() {
    QFile::remove(ordner_.filePath(QStringLiteral("DrumselLStTab.ini")));
    JahrVorgeben(ordner_, 2026);
    boxen_ = std::make_unique<TBoxFaenger>();
    Starten();
  }
  void cleanup() {
    if (anw_) Beenden();
    QVERIFY2(boxen_->Texte.isEmpty(), qPrintable(boxen_->Texte.join(QLatin1Char('\n'))));
    boxen_.reset();
  }

  // Every state of the core's table in the list, after "not stated".
  void liste() {
    QCOMPARE(land_->count(), static_cast<int>(lst::Bundeslaender().size()) + 1);
    for (std::size_t i = 0; i < lst::Bundeslaender().size(); ++i)
      QCOMPARE(land_->itemText(static_cast<int>(i) + 1), QString::fromUtf8(lst::Bundeslaender()[i].Name));
    QCOMPARE(land_->currentIndex(), 0);
    QVERIFY(!S().Anfrage.Bundesland);
  }

  // Bavaria: 8 %; Hesse: 9 %; a rate typed afterwards wins over the state's.
  void kirchensteuer() {
    Eintippen(e_->ELohn, QStringLiteral("4000"));
    Eintippen(e_->cbKirchenSt->lineEdit(), QStringLiteral("9"));
    Land(QStringLiteral("Bayern"));
    QCOMPARE(e_->cbKirchenSt->currentText(), QStringLiteral("8"));
    QCOMPARE(S().Anfrage.KiStSatz, 0.08);
    QCOMPARE(e_->ErgKirchenSt->text(), GeldText(S().Ergebnis.KiSt));
    WieDieKommandozeile(S(), {"--brutto", "4000", "--bundesland", "Bayern"});
    const std::int64_t acht = S().Ergebnis.KiSt;

    Land(QStringLiteral("Hessen"));
    QCOMPARE(e_->cbKirchenSt->currentText(), QStringLiteral("9"));
    WieDieKommandozeile(S(), {"--brutto", "4000", "--bundesland", "he"});
    QVERIFY(S().Ergebnis.KiSt > acht);

    Eintippen(e_->cbKirchenSt->lineEdit(), QStringLiteral("8"));
    QCOMPARE(land_->currentText(), QStringLiteral("Hessen"));
    QCOMPARE(S().Ergebnis.KiSt, acht);
    WieDieKommandozeile(S(), {"--brutto", "4000", "--bundesland", "Hessen", "--kirchensteuer", "8"});
  }

  // Saxony: East and the care split, region and Saxony disabled with the
  // core's reason; Berlin in 2024 is refused until its part is chosen.
  void sachsenUndBerlin() {
    Jahr(2024);
    Eintippen(e_->ELohn, QStringLiteral("8000"));
    Land(QStringLiteral("Sachsen"));
    QVERIFY(!e_->RGOstWest->isEnabled());
    QVERIFY(!e_->cbSachsen->isEnabled());
    QVERIFY(e_->cbSachsen->isChecked());
    QVERIFY(e_->RGOstWest->findChild<QRadioButton*>(QStringLiteral("RGOstWest_Ost"))->isChecked());
    QVERIFY(e_->RGOstWest->toolTip().contains(QStringLiteral("Bundesland")));
    QCOMPARE(S().Anfrage.Sachsen, true);
    QVERIFY(S().Ergebnis.PV.AN > S().Ergebnis.PV.AG);
    WieDieKommandozeile(S(), {"--brutto", "8000", "--bundesland", "Sachsen"});

    Land(QStringLiteral("Berlin"));
    QVERIFY(land_->toolTip().contains(QStringLiteral("Berlin-West oder Berlin-Ost")));
    Land(QStringLiteral("Berlin-Ost"));
    QVERIFY(!land_->toolTip().contains(QStringLiteral("Berlin-West oder Berlin-Ost")));
    QVERIFY(!e_->cbSachsen->isChecked());
    WieDieKommandozeile(S(), {"--brutto", "8000", "--bundesland", "BE-O"});
    // From 2025 Berlin alone is enough.
    Land(QStringLiteral("Berlin"));
    Jahr(2025);
    QVERIFY(!land_->toolTip().contains(QStringLiteral("Berlin-West oder Berlin-Ost")));
    WieDieKommandozeile(S(), {"--brutto", "8000", "--bundesland", "Berlin"});
    // No state: region and Saxony are the user's again.
    Land(QStringLiteral("\u2013 nicht angegeben \u2013"));
    QVERIFY(e_->RGOstWest->isEnabled());
  }

  // The box in 2026 and the tax-free line equal to the core; disabled in
  // 2025 with the core's reason.
  void aktivrente() {
    QVERIFY(aktiv_->isEnabled());
    Eintippen(e_->ELohn, QStringLiteral("3500"));
    Eintippen(e_->EBeitragsgruppe, QStringLiteral("3321"));
    Setzen(e_->CBAlter, true);
    Eintippen(e_->edAJahr, QStringLiteral("2024"));
    Setzen(e_->CBR, true);
    QVERIFY(!Label("ErgAktivrente")->isVisibleTo(r_));
    Setzen(aktiv_, true);
    const QStringList optionen{"--brutto",         "3500", "--beitragsgruppe", "3321",      "--altersentlastung",
                               "2024",             "--bekenntnislos", "--aktivrente"};
    lst::TParameter p;
    lst::TAnfrage a;
    const std::string fehler = KommandozeilenAnfrage(optionen + QStringList{"--jahr", "2026", "--monat",
                                                                            QString::number(S().Parameter.Monat)},
                                                     p, a);
    QVERIFY2(fehler.empty(), fehler.c_str());
    const lst::TMonatsErgebnis kern = lst::Abrechnen(p, a);
    QCOMPARE(kern.Aktivrente_steuerfrei, 200000);
    QVERIFY(Label("ErgAktivrente")->isVisibleTo(r_));
    QCOMPARE(Label("ErgAktivrente")->text(), GeldText(kern.Aktivrente_steuerfrei));
    QCOMPARE(Label("ErgSteuerBrutto")->text(), GeldText(kern.SteuerBrutto));
    QCOMPARE(e_->ErgLohnSt->text(), GeldText(kern.LSt));
    QCOMPARE(S().Ergebnis.Aktivrente_steuerfrei, kern.Aktivrente_steuerfrei);
    WieDieKommandozeile(S(), optionen);

    // A minijob has no Aktivrente: the box goes disabled, the line away.
    Setzen(e_->CBGF, true);
    QVERIFY(!aktiv_->isEnabled());
    QVERIFY(aktiv_->toolTip().contains(QStringLiteral("Minijob")));
    QVERIFY(!Label("ErgAktivrente")->isVisibleTo(r_));
    Setzen(e_->CBGF, false);

    Jahr(2025);
    QVERIFY(!aktiv_->isEnabled());
    QVERIFY(!aktiv_->isChecked());
    QVERIFY2(aktiv_->toolTip().contains(QStringLiteral("erst ab 2026")), qPrintable(aktiv_->toolTip()));
    QVERIFY(!S().Anfrage.Aktivrente);
    QCOMPARE(S().Ergebnis.Aktivrente_steuerfrei, 0);
    QVERIFY(!Label("ErgAktivrente")->isVisibleTo(r_));
  }

  // The special table's hint names the provision allowance of the year.
  void besondereTabelle() {
    QVERIFY(e_->rbBesTab->toolTip().contains(QStringLiteral("§39b Abs.2 Satz 5 Nr.3 EStG")));
    QVERIFY(!e_->rbBesTab->toolTip().contains(QStringLiteral("10c")));
    Jahr(2009);
    QVERIFY(e_->rbBesTab->toolTip().contains(QStringLiteral("§10c Abs.3 EStG")));
  }

  // Pictures for a look by eye; only when LOHNSTEUER_BILDER names a folder.
  void bilder() {
    const QString ziel = qEnvironmentVariable("LOHNSTEUER_BILDER");
    if (ziel.isEmpty()) QSKIP("LOHNSTEUER_BILDER not set");
    auto* rollen = qobject_cast<QScrollArea*>(r_->centralWidget());
    QVERIFY(rollen != nullptr);
    r_->resize(rollen->widget()->sizeHint() + QSize(4, r_->menuBar()->sizeHint().height() + 4));
    Eintippen(e_->ELohn, QStringLiteral("3500"));
    Eintippen(e_->EBeitragsgruppe, QStringLiteral("3321"));
    Setzen(e_->CBAlter, true);
    Eintippen(e_->edAJahr, QStringLiteral("2024"));
    Land(QStringLiteral("Bayern"));
    Setzen(aktiv_, true);
    QTest::qWait(50);
    QVERIFY(r_->grab().save(ziel + "/aktivrente_bayern.png"));
    Jahr(2024);
    Land(QStringLiteral("Sachsen"));
    QTest::qWait(50);
    QVERIFY(r_->grab().save(ziel + "/sachsen_2024.png"));
  }
};

QTEST_MAIN(TestAktivrenteBundesland)
#include "test_aktivrente_bundesland.moc"
