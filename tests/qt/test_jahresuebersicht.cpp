// The tool "Jahresübersicht" driven as a user drives it: opened from the
// menu "Dienste", a one-off typed into a month's cell, entry and exit typed;
// its figures against LohnjahrRechnen for the same inputs, the copy, the
// CSV file and the printout "Lohnkonto" read back from the PDF.

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "calc/lohnjahr.h"
#include "fenster_hilfen.h"
#include "print/lohnkonto_drucken.h"
#include "ui/anwendung.h"
#include "ui/calculator/rechner.h"
#include "ui/tools/jahresuebersicht.h"
#include "ui/tools/werkzeuge.h"

using lst::TFJahresuebersicht;
using lst::TFRechner;
using lst::TJahresModell;

namespace {

// An amount as the grid shows it, read back in cents.
std::int64_t Cent(const QString& text) {
  QString t = text;
  t.remove(QLatin1Char('.')).replace(QLatin1Char(','), QLatin1Char('.'));
  bool ok = false;
  const double x = t.trimmed().toDouble(&ok);
  if (!ok) qFatal("kein Betrag: %s", qPrintable(text));
  return static_cast<std::int64_t>(x * 100 + (x < 0 ? -0.5 : 0.5));
}

// The columns of the grid after the month, by the result they show.
std::vector<std::int64_t> Werte(const lst::TMonatsErgebnis& e) {
  return {e.LaufenderLohn, e.SonstigerBezug, e.Gesamtbrutto, e.LSt, e.Soli, e.KiSt,
          e.SVSummeAN,     e.Netto,          e.Auszahlung,   e.AGGesamt};
}

}  // namespace

class TestJahresuebersicht : public QObject {
  Q_OBJECT

  QTemporaryDir ordner_;
  QTemporaryDir ablage_;
  std::unique_ptr<lst::TAnwendung> anw_;
  TFRechner* r_ = nullptr;
  std::unique_ptr<TRechnerElemente> e_;
  std::unique_ptr<TBoxFaenger> boxen_;
  TFJahresuebersicht* f_ = nullptr;

  const lst::TAbrechnungsStand& S() const { return r_->Stand(); }
  TJahresModell* M() const { return f_->Modell(); }
  QString Zelle(int zeile, int spalte) const { return M()->index(zeile, spalte).data().toString(); }

  // Opens the tool from the menu "Dienste".
  void Oeffnen() {
    QAction* a = TRechnerElemente::Suchen<QAction>(r_, "Jahresuebersicht1");
    QVERIFY(a->isEnabled());
    QVERIFY(r_->findChild<QMenu*>(QStringLiteral("Dienste1"))->actions().contains(a));
    a->trigger();
    f_ = anw_->Werkzeuge().Jahresuebersicht();
    QVERIFY(f_ != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(f_));
  }

  // Types an amount into a cell of the grid as a user does: F2, the keys,
  // Enter.
  void ZelleTippen(int zeile, int spalte, const QString& text) {
    QTableView* t = f_->Tabelle();
    f_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f_));
    t->setFocus();
    t->setCurrentIndex(M()->index(zeile, spalte));
    QTest::keyClick(t, Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor != nullptr && t->isAncestorOf(editor));
    Eintippen(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    // The delegate commits after the key, from the event loop.
    QTRY_VERIFY(!t->isAncestorOf(QApplication::focusWidget()) || QApplication::focusWidget() == t);
  }

  // The year the core computes for the window's request with these wages.
  lst::TLohnjahr Kern(const std::array<std::int64_t, 13>& lohn, const std::array<std::int64_t, 13>& einmal) {
    lst::TLohnjahrAnfrage a;
    a.Jahresausgleich = true;
    for (int m = 1; m <= 12; ++m) {
      lst::TLohnMonatEingabe e;
      e.Monat = m;
      e.Parameter = lst::Parameter(S().Parameter.Jahr, m, S().Parameter.Ue);
      e.Anfrage = S().Anfrage;
      e.Anfrage.Brutto = lohn[static_cast<std::size_t>(m)];
      e.Anfrage.SonstigerBezug = einmal[static_cast<std::size_t>(m)];
      a.Monate.push_back(e);
    }
    return lst::LohnjahrRechnen(a);
  }

  void GleichZeile(int zeile, const lst::TMonatsErgebnis& e) {
    const std::vector<std::int64_t> w = Werte(e);
    for (std::size_t i = 0; i < w.size(); ++i) {
      QCOMPARE(Cent(Zelle(zeile, static_cast<int>(i) + 1)), w[i]);
    }
  }

 private slots:
  void initTestCase() {
    TestUmgebung(ordner_);
    QVERIFY(ablage_.isValid());
    QApplication::setQuitOnLastWindowClosed(false);
    lst::TAnwendung::Einrichten(*qobject_cast<QApplication*>(QCoreApplication::instance()));
  }
  void init() {
    QFile::remove(ordner_.filePath(QStringLiteral("DrumselLStTab.ini")));
    JahrVorgeben(ordner_, 2026);
    boxen_ = std::make_unique<TBoxFaenger>();
    anw_ = std::make_unique<lst::TAnwendung>();
    r_ = &anw_->Rechner();
    e_ = std::make_unique<TRechnerElemente>(r_);
    anw_->Zeigen();
    QVERIFY(QTest::qWaitForWindowExposed(r_));
    Eintippen(e_->ELohn, QStringLiteral("3500"));
    Oeffnen();
  }
  void cleanup() {
    f_ = nullptr;
    e_.reset();
    r_ = nullptr;
    anw_.reset();
    if (boxen_) {
      const QStringList texte = boxen_->Texte;
      boxen_.reset();
      QVERIFY2(texte.isEmpty(), qPrintable(texte.join(QLatin1Char('\n'))));
    }
  }

  // Twelve months of the window's gross wage; a one-off typed into June:
  // every month and the sum as LohnjahrRechnen gives them for the same
  // inputs, the annual adjustment and the certificate with them.  The
  // months follow the window's wage where none was typed.
  void monateWieDerKern() {
    QCOMPARE(M()->rowCount(), 13);
    QCOMPARE(Zelle(5, 0), QStringLiteral("Juni"));
    QCOMPARE(Zelle(5, TJahresModell::kSpalteLohn), QStringLiteral("3.500,00"));
    QCOMPARE(Zelle(5, TJahresModell::kSpalteEinmal), QStringLiteral("0,00"));
    QVERIFY(!(M()->flags(M()->index(5, 3)) & Qt::ItemIsEditable));
    QVERIFY(!(M()->flags(M()->index(TJahresModell::kSummenZeile, 1)) & Qt::ItemIsEditable));
    const QString lStMai = Zelle(4, 4);
    ZelleTippen(5, TJahresModell::kSpalteEinmal, QStringLiteral("2.000"));
    QCOMPARE(Zelle(5, TJahresModell::kSpalteEinmal), QStringLiteral("2.000,00"));

    std::array<std::int64_t, 13> lohn{}, einmal{};
    lohn.fill(350000);
    einmal[6] = 200000;
    const lst::TLohnjahr j = Kern(lohn, einmal);
    QVERIFY2(j.Fehler.empty(), j.Fehler.c_str());
    QCOMPARE(int(j.Monate.size()), 12);
    for (int m = 0; m < 12; ++m) GleichZeile(m, j.Monate[static_cast<std::size_t>(m)].Ergebnis);
    GleichZeile(TJahresModell::kSummenZeile, j.Summe);
    // The one-off is taxed in June alone, and May's figures stay.
    QCOMPARE(Zelle(4, 4), lStMai);
    QVERIFY(Cent(Zelle(5, 4)) > Cent(lStMai));
    // The sum row adds the shown months.
    for (int c = 1; c < M()->columnCount(); ++c) {
      std::int64_t summe = 0;
      for (int m = 0; m < 12; ++m) summe += Cent(Zelle(m, c));
      QCOMPARE(Cent(Zelle(TJahresModell::kSummenZeile, c)), summe);
    }
    // Adjustment and certificate as the core returns them.
    QVERIFY(j.Jahresausgleich && j.Jahresausgleich->Durchgefuehrt);
    auto* ausgleich = f_->findChild<QTableView*>(QStringLiteral("TVJahresausgleich"));
    QCOMPARE(ausgleich->model()->rowCount(), 3);
    QCOMPARE(Cent(ausgleich->model()->index(0, 2).data().toString()), j.Jahresausgleich->LStJA);
    const lst::TBescheinigung b = lst::Lohnsteuerbescheinigung(j);
    auto* bescheinigung = f_->findChild<QTableView*>(QStringLiteral("TVBescheinigung"));
    QCOMPARE(bescheinigung->model()->rowCount(), int(b.Zeilen.size()));
    const int zeile4 = 3;
    QCOMPARE(bescheinigung->model()->index(zeile4, 0).data().toString(), QStringLiteral("4"));
    QCOMPARE(Cent(bescheinigung->model()->index(zeile4, 2).data().toString()), b.Zeile("4")->Betrag);

    // A new gross wage in the window: the months follow it, June's one-off
    // stays, and a typed wage stays as typed.
    ZelleTippen(0, TJahresModell::kSpalteLohn, QStringLiteral("3200"));
    r_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(r_));
    Eintippen(e_->ELohn, QStringLiteral("4000"));
    QCOMPARE(Zelle(5, TJahresModell::kSpalteLohn), QStringLiteral("4.000,00"));
    QCOMPARE(Zelle(0, TJahresModell::kSpalteLohn), QStringLiteral("3.200,00"));
    QCOMPARE(Zelle(5, TJahresModell::kSpalteEinmal), QStringLiteral("2.000,00"));
    lohn.fill(400000);
    lohn[1] = 320000;
    const lst::TLohnjahr j2 = Kern(lohn, einmal);
    for (int m = 0; m < 12; ++m) GleichZeile(m, j2.Monate[static_cast<std::size_t>(m)].Ergebnis);
    GleichZeile(TJahresModell::kSummenZeile, j2.Summe);
    // Different wages in the year: the adjustment still runs; its refund
    // is what the core says.
    QCOMPARE(Cent(ausgleich->model()->index(0, 2).data().toString()), j2.Jahresausgleich->LStJA);
  }

  // Entry and exit bound the months; the adjustment is then not done and
  // the window names the core's reason.  Bad input is a message, no crash.
  void eintrittAustrittUndFehler() {
    f_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f_));
    Eintippen(f_->Eintritt(), QStringLiteral("01.04.2026"));
    Eintippen(f_->Austritt(), QStringLiteral("15.10.2026"));
    QVERIFY(f_->Jahr());
    QCOMPARE(int(f_->Jahr()->Monate.size()), 7);
    QCOMPARE(Zelle(0, 4), QString());
    QVERIFY(!(M()->flags(M()->index(0, TJahresModell::kSpalteLohn)) & Qt::ItemIsEditable));
    QVERIFY(M()->flags(M()->index(3, TJahresModell::kSpalteLohn)) & Qt::ItemIsEditable);
    // October is a part month: its wage is typed for its days.
    QVERIFY(f_->Jahr()->Monate.back().Anfrage.Teilmonat.has_value());
    auto* text = f_->findChild<QLabel*>(QStringLiteral("LJahresausgleich"));
    QVERIFY2(text->text().contains(QStringLiteral("nicht das ganze Jahr")), qPrintable(text->text()));
    // The sum row is the core's sum of the seven months.
    GleichZeile(TJahresModell::kSummenZeile, f_->Jahr()->Summe);

    auto* hinweis = f_->findChild<QLabel*>(QStringLiteral("LHinweis"));
    Eintippen(f_->Austritt(), QStringLiteral("31.04.2026"));
    QVERIFY(!f_->Jahr());
    QVERIFY(hinweis->isVisible());
    QVERIFY2(hinweis->text().contains(QStringLiteral("kein Datum")), qPrintable(hinweis->text()));
    QCOMPARE(Zelle(5, 4), QString());
    Eintippen(f_->Austritt(), QStringLiteral("15.03.2026"));
    QVERIFY(!f_->Jahr());
    QVERIFY2(hinweis->text().contains(QStringLiteral("vor dem Eintritt")), qPrintable(hinweis->text()));
    Eintippen(f_->Austritt(), QString());
    QVERIFY(f_->Jahr());
    QVERIFY(hinweis->isHidden());

    // An amount that is none, or negative, is refused and named.
    ZelleTippen(6, TJahresModell::kSpalteEinmal, QStringLiteral("-5"));
    QVERIFY2(hinweis->text().contains(QStringLiteral("negativ")), qPrintable(hinweis->text()));
    QCOMPARE(Zelle(6, TJahresModell::kSpalteEinmal), QStringLiteral("0,00"));
    ZelleTippen(6, TJahresModell::kSpalteEinmal, QStringLiteral("12x"));
    QVERIFY2(hinweis->text().contains(QStringLiteral("kein Betrag")), qPrintable(hinweis->text()));

    // A pay period other than the month: a message instead of figures.
    e_->CBLZZ->setCurrentIndex(0);
    QVERIFY(!f_->Jahr());
    QVERIFY2(hinweis->text().contains(QStringLiteral("Monatslöhne")), qPrintable(hinweis->text()));
    QVERIFY(!f_->findChild<QAction*>(QStringLiteral("JahrDrucken"))->isEnabled());
  }

  // Wage free of German tax abroad typed into April (treaty) and May
  // (decree on work abroad): the slips stay as they are, the columns sum,
  // the certificate shows lines 16a and 16b, and the adjustment is not done
  // and names why.  Taken out again, the adjustment runs; the employee's
  // refusal stops it once more.  A negative amount is refused.
  void steuerfreiImAuslandUndAblehnung() {
    const int dba = TJahresModell::SpalteDBA(), ate = TJahresModell::SpalteATE();
    QCOMPARE(M()->columnCount(), ate + 1);
    QCOMPARE(M()->headerData(dba, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Stfr. DBA"));
    QVERIFY(M()->flags(M()->index(3, dba)) & Qt::ItemIsEditable);
    QVERIFY(!(M()->flags(M()->index(TJahresModell::kSummenZeile, ate)) & Qt::ItemIsEditable));
    ZelleTippen(3, dba, QStringLiteral("1.000"));
    ZelleTippen(4, ate, QStringLiteral("250,50"));
    QCOMPARE(Zelle(3, dba), QStringLiteral("1.000,00"));
    QCOMPARE(Zelle(TJahresModell::kSummenZeile, dba), QStringLiteral("1.000,00"));
    QCOMPARE(Zelle(TJahresModell::kSummenZeile, ate), QStringLiteral("250,50"));
    QVERIFY(f_->Jahr());
    QCOMPARE(f_->Anfrage().Monate[3].SteuerfreiDBA, 100000);
    QCOMPARE(f_->Anfrage().Monate[4].SteuerfreiATE, 25050);

    std::array<std::int64_t, 13> lohn{}, einmal{};
    lohn.fill(350000);
    const lst::TLohnjahr j = Kern(lohn, einmal);
    for (int m = 0; m < 12; ++m) GleichZeile(m, j.Monate[static_cast<std::size_t>(m)].Ergebnis);
    auto* bescheinigung = f_->findChild<QTableView*>(QStringLiteral("TVBescheinigung"));
    const auto zeile = [&](const QString& nummer) -> QString {
      for (int i = 0; i < bescheinigung->model()->rowCount(); ++i) {
        if (bescheinigung->model()->index(i, 0).data().toString() == nummer)
          return bescheinigung->model()->index(i, 2).data().toString();
      }
      return {};
    };
    QCOMPARE(Cent(zeile(QStringLiteral("16a"))), 100000);
    QCOMPARE(Cent(zeile(QStringLiteral("16b"))), 25050);
    auto* text = f_->findChild<QLabel*>(QStringLiteral("LJahresausgleich"));
    QVERIFY2(text->text().contains(QStringLiteral("Doppelbesteuerungsabkommen")), qPrintable(text->text()));
    QVERIFY(!f_->findChild<QTableView*>(QStringLiteral("TVJahresausgleich"))->isVisible());

    ZelleTippen(3, dba, QStringLiteral("-1"));
    auto* hinweis = f_->findChild<QLabel*>(QStringLiteral("LHinweis"));
    QVERIFY2(hinweis->text().contains(QStringLiteral("Stfr. DBA: der Betrag darf nicht negativ sein")),
             qPrintable(hinweis->text()));
    QCOMPARE(Zelle(3, dba), QStringLiteral("1.000,00"));

    ZelleTippen(3, dba, QStringLiteral("0"));
    ZelleTippen(4, ate, QString());
    QVERIFY(f_->Jahr() && f_->Jahr()->Jahresausgleich && f_->Jahr()->Jahresausgleich->Durchgefuehrt);
    QVERIFY(zeile(QStringLiteral("16a")).isEmpty() || Cent(zeile(QStringLiteral("16a"))) == 0);
    QVERIFY(f_->findChild<QTableView*>(QStringLiteral("TVJahresausgleich"))->isVisible());

    f_->KeinAusgleich()->click();
    QVERIFY(f_->Anfrage().AusgleichAbgelehnt);
    QVERIFY(f_->Jahr() && !(f_->Jahr()->Jahresausgleich && f_->Jahr()->Jahresausgleich->Durchgefuehrt));
    QVERIFY2(text->text().contains(QStringLiteral("will keinen Jahresausgleich")), qPrintable(text->text()));
    f_->KeinAusgleich()->click();
    QVERIFY(f_->Jahr()->Jahresausgleich && f_->Jahr()->Jahresausgleich->Durchgefuehrt);
  }

  // "Kopieren" puts the whole overview on the clipboard, tab-separated;
  // "Als CSV speichern..." writes the same with semicolons, and a save
  // into a folder that does not exist is a message and leaves no file.
  void kopierenUndCsv() {
    ZelleTippen(10, TJahresModell::kSpalteEinmal, QStringLiteral("1500"));
    f_->findChild<QAction*>(QStringLiteral("JahrKopieren"))->trigger();
    const QStringList zeilen = QApplication::clipboard()->text().split(QStringLiteral("\r\n"));
    QVERIFY(zeilen.size() > 14);
    QCOMPARE(zeilen[0], (QStringList{QStringLiteral("Monat")} + lst::druck::LohnkontoSpalten()).join('\t'));
    // The copy is the wage account as printed: the grid's columns up to the
    // tax-free wages typed abroad (those reach it as certificate lines).
    QStringList november;
    for (int c = 0; c < TJahresModell::SpalteDBA(); ++c) november << Zelle(10, c);
    QCOMPARE(zeilen[11], november.join('\t'));
    QVERIFY(zeilen[13].startsWith(QStringLiteral("Summe\t")));
    QVERIFY(zeilen.contains(QStringLiteral("Jahresausgleich")));
    QVERIFY(zeilen.contains(QStringLiteral("Lohnsteuerbescheinigung")));

    const QString datei = ablage_.filePath(QStringLiteral("jahr.csv"));
    f_->CsvDateiFragen = [&] { return datei; };
    f_->findChild<QAction*>(QStringLiteral("JahrCsv"))->trigger();
    QFile f(datei);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QStringList csv = QString::fromUtf8(f.readAll()).split(QStringLiteral("\r\n"));
    QCOMPARE(csv[11], november.join(';'));
    QCOMPARE(csv.size(), zeilen.size() + 1);  // a line end after the last line
    QCOMPARE(QDir(ablage_.path()).entryList(QDir::Files), QStringList{QStringLiteral("jahr.csv")});

    const QString falsch = ablage_.filePath(QStringLiteral("fehlt/jahr.csv"));
    f_->CsvDateiFragen = [&] { return falsch; };
    f_->findChild<QAction*>(QStringLiteral("JahrCsv"))->trigger();
    QTRY_COMPARE(boxen_->Texte.size(), 1);
    QVERIFY2(boxen_->Texte[0].contains(QStringLiteral("konnte nicht gespeichert werden")),
             qPrintable(boxen_->Texte[0]));
    boxen_->Texte.clear();
    QVERIFY(!QFile::exists(falsch));
  }

  // "Drucken" without a printer writes the printout "Lohnkonto" as PDF:
  // a line per month, the sum, the adjustment and the certificate; each
  // column of the sum line is the sum of the months' lines.
  void druckenAlsPdf() {
    ZelleTippen(5, TJahresModell::kSpalteEinmal, QStringLiteral("2000"));
    const QString pdf = ablage_.filePath(QStringLiteral("lohnkonto.pdf"));
    f_->PdfDateiFragen = [&] { return pdf; };
    f_->DruckerVorhanden = [] { return false; };
    f_->findChild<QAction*>(QStringLiteral("JahrDrucken"))->trigger();
    QVERIFY(QFile::exists(pdf));
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY(p.waitForFinished(30000));
    const QString text = QString::fromUtf8(p.readAllStandardOutput());
    QVERIFY2(text.contains(QStringLiteral("Lohnkonto 2026")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("Jahresausgleich")));
    QVERIFY(text.contains(QStringLiteral("Lohnsteuerbescheinigung 2026")));
    std::vector<std::int64_t> summe(10, 0);
    int monate = 0;
    QStringList summenZeile;
    for (const QString& zeile : text.split(QLatin1Char('\n'))) {
      const QStringList w = zeile.simplified().split(QLatin1Char(' '));
      if (w.size() != 11) continue;
      if (w[0] == QStringLiteral("Summe")) {
        summenZeile = w;
        continue;
      }
      if (QString::fromUtf8(lst::Monatsname(monate + 1)) != w[0]) continue;
      for (int i = 0; i < 10; ++i) summe[static_cast<std::size_t>(i)] += Cent(w[i + 1]);
      // The line is the grid's.
      for (int i = 0; i < 10; ++i) QCOMPARE(w[i + 1], Zelle(monate, i + 1));
      ++monate;
    }
    QCOMPARE(monate, 12);
    QCOMPARE(summenZeile.size(), 11);
    for (int i = 0; i < 10; ++i) QCOMPARE(Cent(summenZeile[i + 1]), summe[static_cast<std::size_t>(i)]);

    // A file that cannot be written is a message, and no file is left.
    const QString falsch = ablage_.filePath(QStringLiteral("fehlt/lohnkonto.pdf"));
    f_->PdfDateiFragen = [&] { return falsch; };
    f_->findChild<QAction*>(QStringLiteral("JahrDrucken"))->trigger();
    QTRY_COMPARE(boxen_->Texte.size(), 1);
    QVERIFY(boxen_->Texte[0].contains(QStringLiteral("konnte nicht geschrieben werden")));
    boxen_->Texte.clear();
    QVERIFY(!QFile::exists(falsch));
  }

  // Pictures for a look by eye; only when LOHNSTEUER_BILDER names a folder.
  void bilder() {
    const QString ziel = qEnvironmentVariable("LOHNSTEUER_BILDER");
    if (ziel.isEmpty()) QSKIP("LOHNSTEUER_BILDER not set");
    ZelleTippen(5, TJahresModell::kSpalteEinmal, QStringLiteral("2000"));
    ZelleTippen(10, TJahresModell::kSpalteEinmal, QStringLiteral("3500"));
    ZelleTippen(6, TJahresModell::SpalteDBA(), QStringLiteral("1200"));
    f_->resize(1300, 800);
    QTest::qWait(50);
    QVERIFY(f_->grab().save(QDir(ziel).filePath(QStringLiteral("jahresuebersicht.png"))));
    QString grund;
    QVERIFY2(f_->PdfSchreiben(QDir(ziel).filePath(QStringLiteral("lohnkonto.pdf")), &grund), qPrintable(grund));
  }
};

QTEST_MAIN(TestJahresuebersicht)
#include "test_jahresuebersicht.moc"
