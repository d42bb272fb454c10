// The tool "Jahresvergleich" of the calculator window, opened from the
// menu "Dienste" as a user opens it: its cells against the core and the
// command line, following the calculator's inputs, the DM years in Euro, the
// years without figures, the copy of the table, pictures on request.

#include <QClipboard>
#include <QHeaderView>
#include <QJsonArray>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>

#include <memory>

#include "calc/jahresvergleich.h"
#include "fenster_hilfen.h"
#include "ui/anwendung.h"
#include "ui/calculator/rechner.h"
#include "ui/tools/anzeige.h"
#include "ui/tools/jahres_grafik.h"
#include "ui/tools/jahresvergleich.h"
#include "ui/tools/werkzeuge.h"

using namespace lst;

class TestJahresvergleich : public QObject {
  Q_OBJECT

  QTemporaryDir ordner_;
  std::unique_ptr<TAnwendung> anw_;
  TFRechner* r_ = nullptr;
  std::unique_ptr<TRechnerElemente> e_;
  std::unique_ptr<TBoxFaenger> boxen_;

  void Starten(int jahr) {
    QFile::remove(ordner_.filePath(QStringLiteral("DrumselLStTab.ini")));
    JahrVorgeben(ordner_, jahr);
    anw_ = std::make_unique<TAnwendung>();
    r_ = &anw_->Rechner();
    e_ = std::make_unique<TRechnerElemente>(r_);
    anw_->Zeigen();
    QVERIFY(QTest::qWaitForWindowExposed(r_));
  }

  // The tool as the menu "Dienste" opens it.
  TFJahresvergleich* Oeffnen() {
    auto* dienste = r_->findChild<QMenu*>(QStringLiteral("Dienste1"));
    QAction* eintrag = r_->findChild<QAction*>(QStringLiteral("Jahresvergleich1"));
    if (dienste == nullptr || eintrag == nullptr || !dienste->actions().contains(eintrag)) return nullptr;
    if (!eintrag->isEnabled() || eintrag->text() != QStringLiteral("&Jahresvergleich...")) return nullptr;
    eintrag->trigger();
    TFJahresvergleich* f = anw_->Werkzeuge().Jahresvergleich();
    if (f == nullptr || !f->isVisible()) return nullptr;
    return f;
  }

  // The cell of figure name in year jahr as the table shows it.
  static QString Zelle(const TFJahresvergleich* f, const char* name, int jahr) {
    const TJahresvergleichModell* m = f->Modell();
    const int zeile = m->GroessenZeile(static_cast<std::size_t>(VergleichsGroesse(name)));
    for (std::size_t i = 0; i < m->Vergleich().Jahre.size(); ++i) {
      if (m->Vergleich().Jahre[i].Jahr == jahr) return m->data(m->index(zeile, m->JahresSpalte(i)), Qt::DisplayRole).toString();
    }
    return QStringLiteral("?");
  }
  static QString DiffZelle(const TFJahresvergleich* f, const char* name, int jahr) {
    const TJahresvergleichModell* m = f->Modell();
    const int zeile = m->GroessenZeile(static_cast<std::size_t>(VergleichsGroesse(name)));
    for (std::size_t i = 1; i < m->Vergleich().Jahre.size(); ++i) {
      if (m->Vergleich().Jahre[i].Jahr == jahr) return m->data(m->index(zeile, m->DifferenzSpalte(i)), Qt::DisplayRole).toString();
    }
    return QStringLiteral("?");
  }

  // The window's request computed by the core in year jahr, December, as
  // shown in the display currency euro.
  TMonatsErgebnis Kern(int jahr, bool euro) const {
    const TAbrechnungsStand& s = r_->Stand();
    const TParameter& p = StandardParameter(jahr, 12);
    return AnzeigeErgebnis(p, euro, Abrechnen(p, AnfrageInJahr(s.Anfrage, s.Parameter.Jahr, jahr)));
  }
  static QString Text(std::int64_t cent) { return ZahlText(static_cast<double>(cent) / 100); }

  // The objects of "lohnsteuer-cli jahresvergleich --json" with the options.
  static QJsonArray Kommandozeile(const QStringList& optionen) {
    QProcess cli;
    cli.setProgram(QStringLiteral(LOHNSTEUER_CLI_PATH));
    cli.setArguments(QStringList{"jahresvergleich", "--json"} + optionen);
    cli.start();
    if (!cli.waitForFinished(20000)) return {};
    return QJsonDocument::fromJson(cli.readAllStandardOutput()).array();
  }

 private slots:
  void initTestCase() {
    TestUmgebung(ordner_);
    QApplication::setQuitOnLastWindowClosed(false);
    TAnwendung::Einrichten(*qobject_cast<QApplication*>(QCoreApplication::instance()));
  }
  void init() { boxen_ = std::make_unique<TBoxFaenger>(); }
  void cleanup() {
    if (anw_) {
      e_->ProgrammBeenden1->trigger();
      r_ = nullptr;
      anw_.reset();
    }
    QVERIFY2(boxen_->Texte.isEmpty(), qPrintable(boxen_->Texte.join(QLatin1Char('\n'))));
    boxen_.reset();
  }

  // Opened from the menu: the year before and the year shown, December, the
  // cells the core's and the command line's; the gross typed into the
  // calculator changes the table, and the calculator's year moves the range.
  void ausDemMenueUndFolgen() {
    Starten(2026);
    Eintippen(e_->ELohn, QStringLiteral("3000"));
    e_->CBStKl->setFocus();
    while (e_->CBStKl->currentIndex() < 2) QTest::keyClick(e_->CBStKl, Qt::Key_Down);
    TFJahresvergleich* f = Oeffnen();
    QVERIFY(f != nullptr);
    QCOMPARE(f->Von()->value(), 2025);
    QCOMPARE(f->Bis()->value(), 2026);
    QCOMPARE(f->Monat()->currentText(), QStringLiteral("Dezember"));
    QCOMPARE(f->Modell()->Kopf(1), QStringLiteral("2025"));
    QCOMPARE(f->Modell()->Kopf(2), QStringLiteral("Diff 2025/2026"));
    QCOMPARE(f->Modell()->Kopf(3), QStringLiteral("2026"));
    for (int jahr : {2025, 2026}) {
      const TMonatsErgebnis k = Kern(jahr, true);
      QCOMPARE(Zelle(f, "Gesamtbrutto", jahr), QStringLiteral("3.000,00"));
      QCOMPARE(Zelle(f, "LSt", jahr), Text(k.LSt));
      QCOMPARE(Zelle(f, "Netto", jahr), Text(k.Netto));
      QCOMPARE(Zelle(f, "AGGesamt", jahr), Text(k.AGGesamt));
      QCOMPARE(Zelle(f, "KV_AN", jahr), Text(k.KV.AN));
    }
    const std::int64_t netto26 = Kern(2026, true).Netto;
    const std::int64_t diff = netto26 - Kern(2025, true).Netto;
    QCOMPARE(DiffZelle(f, "Netto", 2026), (diff > 0 ? QStringLiteral("+") : QString()) + Text(diff));
    // The command line with the same inputs.
    const QJsonArray cli = Kommandozeile({"--brutto", "3000", "--steuerklasse", "3"});
    QCOMPARE(cli.size(), 2);
    QCOMPARE(Text(cli[1].toObject().value("Netto").toInteger()), Zelle(f, "Netto", 2026));
    QCOMPARE(Text(cli[0].toObject().value("AGGesamt").toInteger()), Zelle(f, "AGGesamt", 2025));

    // The calculator's gross changes: the table follows at once.
    Eintippen(e_->ELohn, QStringLiteral("4250,50"));
    QCOMPARE(Zelle(f, "Gesamtbrutto", 2026), QStringLiteral("4.250,50"));
    QCOMPARE(Zelle(f, "Netto", 2026), Text(Kern(2026, true).Netto));
    QVERIFY(Kern(2026, true).Netto != netto26);
    QCOMPARE(Zelle(f, "LSt", 2025), Text(Kern(2025, true).LSt));
    // So does the chart.
    QCOMPARE(f->Grafik()->Punkte().size(), std::size_t{2});
    QCOMPARE(*f->Grafik()->Punkte().back().Netto, static_cast<double>(Kern(2026, true).Netto) / 100);

    // Another year in the calculator moves the range with it ...
    Waehlen(e_->CBJahr, 2020);
    QCOMPARE(f->Von()->value(), 2019);
    QCOMPARE(f->Bis()->value(), 2020);
    QCOMPARE(Zelle(f, "Netto", 2019), Text(Kern(2019, true).Netto));
    // ... until the user chooses one; the month chooses the rules.
    f->Von()->setValue(2014);
    QCOMPARE(f->Modell()->Vergleich().Jahre.size(), std::size_t{7});
    Waehlen(e_->CBJahr, 2024);
    QCOMPARE(f->Von()->value(), 2014);
    QCOMPARE(f->Bis()->value(), 2020);
    Waehlen(f->Monat(), 6);
    const TParameter& juni = StandardParameter(2019, 6);
    const TMonatsErgebnis k = AnzeigeErgebnis(
        juni, true, Abrechnen(juni, AnfrageInJahr(r_->Stand().Anfrage, r_->Stand().Parameter.Jahr, 2019)));
    QCOMPARE(Zelle(f, "Netto", 2019), Text(k.Netto));
    QCOMPARE(f->Modell()->Vergleich().Jahre[5].Parameter.Monat, 6);
  }

  // A DM year beside a Euro year: both in Euro, the DM year computed from
  // the gross turned into DM, as the command line computes it.
  void dmJahrInEuro() {
    Starten(2002);
    Eintippen(e_->ELohn, QStringLiteral("3000"));
    TFJahresvergleich* f = Oeffnen();
    QVERIFY(f != nullptr);
    QCOMPARE(f->Von()->value(), 2001);
    QCOMPARE(f->findChild<QLabel*>(QStringLiteral("LEinheit"))->text(), QStringLiteral("Beträge in EUR"));
    const TMonatsErgebnis k = Kern(2001, true);
    QCOMPARE(Zelle(f, "Gesamtbrutto", 2001), QStringLiteral("3.000,00"));
    QCOMPARE(Zelle(f, "Netto", 2001), Text(k.Netto));
    QCOMPARE(f->Modell()->Vergleich().Jahre[0].Anfrage.Brutto, 586749);
    const QJsonArray cli = Kommandozeile({"2001", "2002", "--brutto", "3000"});
    QCOMPARE(cli.size(), 2);
    QCOMPARE(cli[0].toObject().value("Waehrung").toString(), QStringLiteral("EUR"));
    for (const char* name : {"LSt", "Soli", "KiSt", "RV_AN", "Netto", "AGGesamt"}) {
      QCOMPARE(Text(cli[0].toObject().value(QLatin1String(name)).toInteger()), Zelle(f, name, 2001));
    }
  }

  // A year the request does not fit shows the core's message instead of
  // figures; a range without two years says so.
  void jahreOhneZahlen() {
    Starten(2026);
    Eintippen(e_->ELohn, QStringLiteral("3000"));
    Eintippen(e_->E_KinderU25, QStringLiteral("3"));
    TFJahresvergleich* f = Oeffnen();
    QVERIFY(f != nullptr);
    f->Von()->setValue(2022);
    QCOMPARE(Zelle(f, "Netto", 2022), QStringLiteral("–"));
    QCOMPARE(DiffZelle(f, "Netto", 2023), QStringLiteral("–"));
    QVERIFY(Zelle(f, "Netto", 2024) != QStringLiteral("–"));
    QLabel* meldung = f->Meldung();
    QVERIFY(meldung->isVisible());
    QVERIFY2(meldung->text().startsWith(QStringLiteral("2022: ")), qPrintable(meldung->text()));
    QVERIFY2(meldung->text().contains(QStringLiteral("Juli 2023")), qPrintable(meldung->text()));
    const TJahresvergleichModell* m = f->Modell();
    const int zeile = m->GroessenZeile(static_cast<std::size_t>(VergleichsGroesse("Netto")));
    QVERIFY(m->data(m->index(zeile, m->JahresSpalte(0)), Qt::ToolTipRole).toString().startsWith("2022: "));
    QCOMPARE(f->Grafik()->Punkte().front().Netto.has_value(), false);
    // The first year after the last.
    f->Von()->setValue(2026);
    f->Bis()->setValue(2024);
    QCOMPARE(m->rowCount(), 0);
    QCOMPARE(meldung->text(), QStringLiteral("Das erste Jahr 2026 liegt nach dem letzten 2024."));
    f->Bis()->setValue(2026);
    QVERIFY2(meldung->text().contains(QStringLiteral("mindestens zwei Jahre")), qPrintable(meldung->text()));
    f->Von()->setValue(2025);
    QVERIFY(!meldung->isVisible());
    QCOMPARE(m->rowCount() > 0, true);
  }

  // "Kopieren": the head row and the marked rows (every row without a
  // mark), tabs between the cells, CR LF between the rows.
  void kopieren() {
    Starten(2026);
    Eintippen(e_->ELohn, QStringLiteral("3000"));
    TFJahresvergleich* f = Oeffnen();
    QVERIFY(f != nullptr);
    QTest::mouseClick(f->findChild<QPushButton*>(QStringLiteral("BKopieren")), Qt::LeftButton);
    const QStringList alle = QApplication::clipboard()->text().split(QStringLiteral("\r\n"));
    QCOMPARE(alle.size(), f->Modell()->rowCount() + 1);
    QCOMPARE(alle[0], QStringLiteral("Jahr\t2025\tDiff 2025/2026\t2026"));
    QCOMPARE(alle[1], QStringLiteral("Programmablaufplan\t2025\t\t2026"));
    const int zeile = f->Modell()->GroessenZeile(static_cast<std::size_t>(VergleichsGroesse("Netto")));
    f->Tabelle()->selectRow(zeile);
    f->Tabelle()->setFocus();
    QTest::keyClick(f->Tabelle(), Qt::Key_C, Qt::ControlModifier);
    const QStringList eine = QApplication::clipboard()->text().split(QStringLiteral("\r\n"));
    QCOMPARE(eine.size(), 2);
    QCOMPARE(eine[1], QStringLiteral("Nettolohn\t%1\t%2\t%3")
                          .arg(Zelle(f, "Netto", 2025), DiffZelle(f, "Netto", 2026), Zelle(f, "Netto", 2026)));
  }

  // Pictures for a look by eye; only when LOHNSTEUER_BILDER names a folder.
  void bilder() {
    const QString ziel = qEnvironmentVariable("LOHNSTEUER_BILDER");
    if (ziel.isEmpty()) QSKIP("LOHNSTEUER_BILDER not set");
    Starten(2026);
    Eintippen(e_->ELohn, QStringLiteral("3500"));
    TFJahresvergleich* f = Oeffnen();
    QVERIFY(f != nullptr);
    QTest::qWait(50);
    QVERIFY(f->grab().save(ziel + "/jahresvergleich_2025_2026.png"));
    f->Von()->setValue(2014);
    QTest::qWait(50);
    QVERIFY(f->grab().save(ziel + "/jahresvergleich_2014_2026.png"));
    f->Von()->setValue(1995);
    f->resize(1100, 760);
    QTest::qWait(50);
    QVERIFY(f->grab().save(ziel + "/jahresvergleich_1995_2026.png"));
    Eintippen(e_->E_KinderU25, QStringLiteral("2"));
    f->Von()->setValue(2021);
    QTest::qWait(50);
    QVERIFY(f->grab().save(ziel + "/jahresvergleich_ohne_zahlen.png"));
  }
};

QTEST_MAIN(TestJahresvergleich)
#include "test_jahresvergleich.moc"
