// The tool windows driven as a user drives them, against a small calculator
// that has the controls, menu entries and signal the tools rely on.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>

#include <functional>

#include "calc/berechnung.h"
#include "calc/werkzeuge.h"
#include "common/ini_datei.h"
#include "common/qt/edit_cs.h"
#include "fenster_hilfen.h"
#include "ui/anwendung.h"
#include "ui/calculator/rechner.h"
#include "ui/rechner_schnittstelle.h"
#include "ui/tools/anzeige.h"
#include "ui/tools/einkst.h"
#include "ui/tools/lohnumr.h"
#include "ui/tools/plott.h"
#include "ui/tools/stvgl.h"
#include "ui/tools/tabelle.h"
#include "ui/tools/werkzeuge.h"

using namespace lst;

namespace {

// The calculator as far as the tools see it.
class TRechnerAttrappe : public QWidget, public TRechnerSchnittstelle {
  Q_OBJECT

 public:
  TRechnerAttrappe() {
    setObjectName(QStringLiteral("FRechner"));
    auto* layout = new QVBoxLayout(this);
    lohn = new TEditCS(this);
    lohn->setObjectName(QStringLiteral("ELohn"));
    lzz = new QComboBox(this);
    lzz->setObjectName(QStringLiteral("CBLZZ"));
    lzz->addItems({QStringLiteral("Jahr     (360 Tage)"), QStringLiteral("Monat  (30 Tage)"),
                   QStringLiteral("Woche (7 Tage)"), QStringLiteral("Tag")});
    lzz->setCurrentIndex(1);
    stkl = new QComboBox(this);
    stkl->setObjectName(QStringLiteral("CBStKl"));
    stkl->addItems({"I", "II", "III", "IV", "V", "VI"});
    kirche = new QComboBox(this);
    kirche->setObjectName(QStringLiteral("cbKirchenSt"));
    kirche->setEditable(true);
    kirche->addItems({"8", "9"});
    alter = new QCheckBox(this);
    alter->setObjectName(QStringLiteral("CBAlter"));
    ohneKirche = new QCheckBox(this);
    ohneKirche->setObjectName(QStringLiteral("CBR"));
    for (QWidget* w : std::initializer_list<QWidget*>{lohn, lzz, stkl, kirche, alter, ohneKirche}) layout->addWidget(w);
    for (const char* name : {"Steuerklassenvgl1", "Tabelle1", "Grafik1", "EinkStTabelle1",
                             "EinkommensteuerAnzeige1", "LohnUmrAnz1"}) {
      auto* a = new QAction(QString::fromLatin1(name), this);
      a->setObjectName(QString::fromLatin1(name));
      a->setEnabled(false);
      addAction(a);
    }
    connect(lohn, &QLineEdit::textChanged, this, &TRechnerAttrappe::Neuberechnen);
    connect(lzz, &QComboBox::currentIndexChanged, this, &TRechnerAttrappe::Neuberechnen);
    connect(stkl, &QComboBox::currentIndexChanged, this, &TRechnerAttrappe::Neuberechnen);
    connect(ohneKirche, &QCheckBox::toggled, this, &TRechnerAttrappe::Neuberechnen);
  }

  const TAbrechnungsStand& Stand() const override { return stand_; }
  QWidget* Fenster() override { return this; }
  TWerkzeugAktionen Aktionen() override {
    TWerkzeugAktionen a;
    a.Steuerklassenvgl1 = Aktion("Steuerklassenvgl1");
    a.Tabelle1 = Aktion("Tabelle1");
    a.Grafik1 = Aktion("Grafik1");
    a.EinkStTabelle1 = Aktion("EinkStTabelle1");
    a.EinkommensteuerAnzeige1 = Aktion("EinkommensteuerAnzeige1");
    a.LohnUmrAnz1 = Aktion("LohnUmrAnz1");
    return a;
  }
  QAction* DruckenAktion() override { return nullptr; }
  QAction* DruckerAktion() override { return nullptr; }
  // The calculation of the controls and of anfrage's other inputs, in the
  // year jahr.
  void Neuberechnen() override {
    stand_.Parameter = Parameter(jahr, 12);
    stand_.Euro = euro;
    stand_.ArbeitnehmerSicht = arbeitnehmerSicht;
    TAnfrage& a = stand_.Anfrage;
    a = anfrage;
    a.LZZ = static_cast<std::uint8_t>(lzz->currentIndex() + 1);
    a.Brutto = InCent(jahr, euro, lohn->AsFloat());
    a.STKL = static_cast<std::uint8_t>(stkl->currentIndex() + 1);
    a.KiStSatz = TEditCS::TextAlsZahl(kirche->currentText()) / 100;
    a.Bekenntnislos = ohneKirche->isChecked();
    if (alter->isChecked()) a.Altersentlastung = 0;
    a.Region = region;
    stand_.Ergebnis = Abrechnen(stand_.Parameter, a);
    ++rechnungen;
    emit Berechnet();
  }
  QAction* Aktion(const char* name) { return findChild<QAction*>(QString::fromLatin1(name)); }

  TEditCS* lohn;
  QComboBox* lzz;
  QComboBox* stkl;
  QComboBox* kirche;
  QCheckBox* alter;
  QCheckBox* ohneKirche;
  std::uint8_t region = 1;
  int jahr = 2013;
  bool euro = true;
  bool arbeitnehmerSicht = true;
  // The inputs without a control here.
  TAnfrage anfrage;
  int rechnungen = 0;

 signals:
  void Berechnet();

 private:
  TAbrechnungsStand stand_;
};

template <typename T>
T* Kind(QWidget* w, const char* name) {
  T* kind = w->findChild<T*>(QString::fromLatin1(name));
  if (kind == nullptr) qWarning("missing %s", name);
  return kind;
}

QString Text(QWidget* w, const char* name) { return Kind<QLabel>(w, name)->text(); }

// Runs pruefen while the modal window that the action opens is shown, then closes it.
void ModalPruefen(QAction* aktion, const std::function<void(QWidget*)>& pruefen) {
  bool gelaufen = false;
  QTimer::singleShot(0, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    QVERIFY(modal != nullptr);
    QTest::qWaitForWindowExposed(modal);
    pruefen(modal);
    gelaufen = true;
    modal->close();
  });
  aktion->trigger();
  QVERIFY(gelaufen);
}

// With LOHNSTEUER_BILDER set to a folder, the windows are saved there as PNG.
void Bild(QWidget* w, const char* name) {
  const QByteArray ordner = qgetenv("LOHNSTEUER_BILDER");
  if (ordner.isEmpty()) return;
  QCoreApplication::processEvents();
  w->grab().save(QString::fromLocal8Bit(ordner) + QChar('/') + QString::fromLatin1(name) + QStringLiteral(".png"));
}

std::string Cli(const QString& argumente) {
  QProcess p;
  // The window's year unless the arguments name one (the command line's
  // default is its newest year).
  QStringList liste = argumente.split(QChar(' '));
  if (!liste.contains(QStringLiteral("--jahr"))) liste << QStringLiteral("--jahr") << QStringLiteral("2013");
  p.start(QStringLiteral(LOHNSTEUER_CLI_PATH), liste);
  p.waitForFinished(20000);
  return p.readAllStandardOutput().toStdString();
}

}  // namespace

class TestWerkzeuge : public QObject {
  Q_OBJECT

  QTemporaryDir ordner_;
  std::unique_ptr<TRechnerAttrappe> rechner_;
  std::unique_ptr<TWerkzeuge> werkzeuge_;

 private slots:
  void initTestCase() {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(ordner_.path()));
  }

  void init() {
    rechner_ = std::make_unique<TRechnerAttrappe>();
    rechner_->show();
    werkzeuge_ = std::make_unique<TWerkzeuge>(*rechner_, "DrumselLStTab.ini");
    werkzeuge_->AlleErzeugen();
    werkzeuge_->Verbinden();
    rechner_->Neuberechnen();
  }

  void cleanup() {
    werkzeuge_.reset();
    rechner_.reset();
  }

  // Six runs on every change, sums and verdict; the East uses its own ceiling.
  void steuerklassenvergleich() {
    QVERIFY(rechner_->Aktion("Steuerklassenvgl1")->isEnabled());
    rechner_->Aktion("Steuerklassenvgl1")->trigger();
    TFStVgl* f = werkzeuge_->StVgl();
    QVERIFY(f->isVisible());
    QVERIFY(!f->isModal());
    QCOMPARE(Kind<QComboBox>(f, "CLZZ")->currentText(), QStringLiteral("Monat"));
    // Both wages 0.
    QCOMPARE(Text(f, "L44Sum"), QStringLiteral("0,00 EUR"));
    QCOMPARE(Text(f, "LErgText"), QStringLiteral("Die günstigste Kombination ist 5/3"));
    // Employee only.
    QTest::keyClicks(Kind<TEditCS>(f, "EStPflAN"), QStringLiteral("3000"));
    TVergleichErgebnis r = f->Ergebnis();
    QVERIFY(r.AN3 > 0 && r.AN3 < r.AN4 && r.AN4 < r.AN5);
    QCOMPARE(Text(f, "L35AN"), GeldText(2013, true, r.AN3));
    QCOMPARE(Text(f, "L35Sum"), Text(f, "L35AN"));
    QCOMPARE(Text(f, "L53Sum"), Text(f, "L53AN"));
    QCOMPARE(Text(f, "L53EG"), QStringLiteral("0,00 EUR"));
    QCOMPARE(Text(f, "LErgText"), QStringLiteral("Die günstigste Kombination ist 3/5"));
    // Spouse and the yearly pay period at once.
    QTest::keyClicks(Kind<TEditCS>(f, "EStPflEG"), QStringLiteral("2500"));
    const QString monat = Text(f, "L44AN");
    Kind<QComboBox>(f, "CLZZ")->setCurrentIndex(0);
    QVERIFY(Text(f, "L44AN") != monat);
    QCOMPARE(Text(f, "L44Sum"), GeldText(2013, true, f->Ergebnis().AN4 + f->Ergebnis().EG4));
    // East: 5500 a month lies above the East pension ceiling.
    Kind<QComboBox>(f, "CLZZ")->setCurrentIndex(1);
    Kind<TEditCS>(f, "EStPflEG")->clear();
    Kind<TEditCS>(f, "EStPflAN")->setText(QStringLiteral("5500"));
    const std::int64_t west = f->Ergebnis().AN4;
    rechner_->region = 0;
    rechner_->Neuberechnen();
    f->CalcVgl();
    // The employee's column in class IV is the single calculation in class IV.
    TAnfrage einzeln = rechner_->Stand().Anfrage;
    einzeln.LZZ = 2;
    einzeln.Brutto = 550000;
    einzeln.STKL = 4;
    QCOMPARE(f->Ergebnis().AN4, Abrechnen(rechner_->Stand().Parameter, einzeln).LSt);
    QVERIFY(f->Ergebnis().AN4 > west);
    QTest::mouseClick(Kind<QWidget>(f, "BClose"), Qt::LeftButton);
    QVERIFY(!f->isVisible());
    rechner_->Aktion("Steuerklassenvgl1")->trigger();
    QCOMPARE(Kind<TEditCS>(f, "EStPflAN")->text(), QStringLiteral("5500"));
  }

  // The spouse's column is the spouse's own calculation: the employee's
  // addition, private insurance and children stay in the employee's column;
  // the spouse's fields count as the same options of a calculation do.
  void vergleichEhegatteNurMitEigenenEingaben() {
    TAnfrage& d = rechner_->anfrage;
    d.Hinzurechnung = 100000;
    d.ZKF = 2;
    d.Privat = true;
    d.PrivatBeitrag = 60000;
    rechner_->Neuberechnen();
    rechner_->Aktion("Steuerklassenvgl1")->trigger();
    TFStVgl* f = werkzeuge_->StVgl();
    QTest::keyClicks(Kind<TEditCS>(f, "EStPflAN"), QStringLiteral("3500"));
    QTest::keyClicks(Kind<TEditCS>(f, "EStPflEG"), QStringLiteral("1800"));
    const auto lst = [](const QString& optionen) {
      const std::string json = Cli(QStringLiteral("berechnen --json ") + optionen);
      const auto pos = json.find("\"LSt\": ");
      return pos == std::string::npos ? std::int64_t{-1} : std::stoll(json.substr(pos + 7));
    };
    QCOMPARE(Text(f, "L35EG"), QStringLiteral("377,00 EUR"));
    QCOMPARE(Text(f, "L35EG"), GeldText(2013, true, lst(QStringLiteral("--brutto 1800 --steuerklasse 5"))));
    QCOMPARE(Text(f, "L44EG"), GeldText(2013, true, lst(QStringLiteral("--brutto 1800 --steuerklasse 4"))));
    // The employee's column: the calculator's inputs in class III.
    TAnfrage einzeln = rechner_->Stand().Anfrage;
    einzeln.Brutto = 350000;
    einzeln.STKL = 3;
    einzeln.ZKF = 0;  // the children of the employee's column are its own field
    QCOMPARE(f->Ergebnis().AN3, Abrechnen(rechner_->Stand().Parameter, einzeln).LSt);
    // A recomputation starts from the calculator's inputs again, not from
    // the spouse's last run.
    const QString an = Text(f, "L44AN");
    f->CalcVgl();
    f->CalcVgl();
    QCOMPARE(Text(f, "L44AN"), an);
    QCOMPARE(Text(f, "L35EG"), QStringLiteral("377,00 EUR"));
    // The spouse's own allowance, children and the special table.
    QTest::keyClicks(Kind<TEditCS>(f, "EFreiEG"), QStringLiteral("200"));
    QTest::keyClicks(Kind<TEditCS>(f, "EAnzKiEG"), QStringLiteral("1"));
    Kind<QCheckBox>(f, "CBVFrEG")->setChecked(true);
    QCOMPARE(Text(f, "L44EG"), GeldText(2013, true, lst(QStringLiteral("--brutto 1800 --steuerklasse 4 --freibetrag 200 "
                                                               "--kinderfreibetraege 1 --besondere-tabelle"))));
    QCOMPARE(Text(f, "L44Sum"), GeldText(2013, true, f->Ergebnis().AN4 + f->Ergebnis().EG4));
    f->close();
  }

  // The wage-tax table from 1000.00 below the wage; copied rows as the
  // command line prints them.
  void lohnsteuertabelle() {
    rechner_->lzz->setCurrentIndex(2);
    rechner_->lohn->setText(QStringLiteral("1000,01"));
    QString alles;
    ModalPruefen(rechner_->Aktion("Tabelle1"), [&](QWidget* w) {
      auto* t = qobject_cast<TFTabelle*>(w);
      QVERIFY(t != nullptr);
      QCOMPARE(t->windowTitle(), QStringLiteral("Steuertabelle - Woche (7 Tage) - Stkl. I"));
      QTableWidget* g = t->Gitter();
      QCOMPARE(g->rowCount(), 499);
      QCOMPARE(g->columnCount(), 5);
      QCOMPARE(g->horizontalHeaderItem(2)->text(), QStringLiteral("LohnSt"));
      QCOMPARE(g->item(0, 0)->text(), QStringLiteral("0,00"));
      // Rows 3 to 5: a click and a shift-click.
      QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(g->model()->index(2, 1)).center());
      QTest::mouseClick(g->viewport(), Qt::LeftButton, Qt::ShiftModifier,
                        g->visualRect(g->model()->index(4, 1)).center());
      t->Kopieren1Click();
      const QString text = QApplication::clipboard()->text();
      QCOMPARE(text.count(QStringLiteral("\r\n")), 2);
      QCOMPARE(text.count(QChar('\t')), 12);
      QVERIFY(!text.endsWith(QChar('\n')));
      QVERIFY(text.startsWith(g->item(2, 0)->text() + QChar('\t')));
      g->selectAll();
      QTest::keySequence(g, QKeySequence::Copy);
      alles = QApplication::clipboard()->text();
      // CSV with the head row.
      const QString datei = ordner_.filePath(QStringLiteral("tabelle.csv"));
      QVERIFY(t->CsvSchreiben(datei));
      QFile f(datei);
      QVERIFY(f.open(QIODevice::ReadOnly));
      QCOMPARE(f.readLine(), QByteArray("UG;OG;LohnSt;KiSt;Soli\r\n"));
      QVERIFY(!t->CsvSchreiben(ordner_.filePath(QStringLiteral("fehlt/tabelle.csv"))));
      // Moved columns are copied as they are shown.
      g->horizontalHeader()->moveSection(4, 0);
      g->clearSelection();
      g->selectRow(0);
      QVERIFY(t->AuswahlText().startsWith(g->item(0, 4)->text() + QChar('\t') + g->item(0, 0)->text()));
      g->horizontalHeader()->moveSection(0, 4);
    });
    QCOMPARE(alles.toStdString(), Cli(QStringLiteral("tabelle --brutto 1000,01 --zeitraum woche")));
    // The same inputs give the same table again.
    ModalPruefen(rechner_->Aktion("Tabelle1"), [&](QWidget* w) {
      auto* t = qobject_cast<TFTabelle*>(w);
      t->Gitter()->selectAll();
      QCOMPARE(t->AuswahlText(), alles);
    });
  }

  // Zoom by click, band and right button, scrolling, the status line, and
  // the calculator's results afterwards.
  void grafik() {
    rechner_->lohn->setText(QStringLiteral("3000"));
    const TMonatsErgebnis vorher = rechner_->Stand().Ergebnis;
    ModalPruefen(rechner_->Aktion("Grafik1"), [&](QWidget* w) {
      auto* f = qobject_cast<TFPlott*>(w);
      QVERIFY(f != nullptr);
      QCOMPARE(f->windowTitle(), QStringLiteral("Brutto - Netto Diagramm  [Monat  (30 Tage)]"));
      TPlottFlaeche* p = f->Flaeche();
      TPlottAnsicht& a = f->Ansicht();
      QCOMPARE(a.XMax, 10000.0);
      QTRY_VERIFY(f->Kurvenlaeufe() > 0);
      const int laeufe = f->Kurvenlaeufe();
      // The status line follows the mouse without a new curve.
      QTest::mouseMove(p, QPoint(a.kLinks + a.Breite / 2, a.kOben + a.Hoehe / 2));
      QTest::mouseMove(p, QPoint(a.kLinks + a.Breite / 4, a.kOben + a.Hoehe / 2));
      QVERIFY(f->Statuszeile()->text().startsWith(QStringLiteral("Bruttolohn=")));
      QVERIFY(f->Statuszeile()->text().contains(QStringLiteral("   Nettolohn=")));
      p->repaint();
      QCOMPARE(f->Kurvenlaeufe(), laeufe);
      // A click: the middle half.
      QTest::mouseClick(p, Qt::LeftButton, {}, QPoint(100, 100));
      QCOMPARE(a.XMin, 2500.0);
      QCOMPARE(a.XMax, 7500.0);
      QCOMPARE(a.YMin, 2500.0);
      // A drag of 9 pixels only removes the band.
      QTest::mousePress(p, Qt::LeftButton, {}, QPoint(100, 100));
      QTest::mouseMove(p, QPoint(109, 160));
      QVERIFY(p->Zieht());
      QTest::mouseRelease(p, Qt::LeftButton, {}, QPoint(109, 160));
      QVERIFY(!p->Zieht());
      QCOMPARE(a.XMax, 7500.0);
      // A larger band zooms into it.
      const double links = a.XWert(100), rechts = a.XWert(300);
      QTest::mousePress(p, Qt::LeftButton, {}, QPoint(100, 50));
      QTest::mouseMove(p, QPoint(300, 150));
      QTest::mouseRelease(p, Qt::LeftButton, {}, QPoint(300, 150));
      QCOMPARE(a.XMin, links);
      QCOMPARE(a.XMax, rechts);
      // The right button zooms out; from 0..10000 to 0..20000.
      a.Zuruecksetzen();
      QTest::mouseClick(p, Qt::RightButton, {}, QPoint(100, 100));
      QCOMPARE(a.XMax, 20000.0);
      QCOMPARE(a.XMin, 0.0);
      // Scrolling left at 0 keeps the range; right moves it by a tenth.
      auto* s1 = Kind<QScrollBar>(f, "ScrollBar1");
      s1->triggerAction(QAbstractSlider::SliderSingleStepSub);
      QCOMPARE(a.XMin, 0.0);
      s1->triggerAction(QAbstractSlider::SliderSingleStepAdd);
      QCOMPARE(a.XMin, 2000.0);
      QCOMPARE(s1->value(), 0);
      Kind<QScrollBar>(f, "ScrollBar2")->triggerAction(QAbstractSlider::SliderSingleStepSub);
      QCOMPARE(a.YMin, 2000.0);
      // The keys do the same.
      QTest::keyClick(f, Qt::Key_Down);
      QCOMPARE(a.YMin, 0.0);
      QTest::keyClick(f, Qt::Key_Minus);
      QCOMPARE(a.YMax, 40000.0);
      // Zooming in ends at a cent per pixel.
      for (int i = 0; i < 60; ++i) f->ZoomIn();
      QVERIFY(a.XProPixel >= 0.01 - 1e-9);
      QVERIFY(f->Flaeche()->Bild().width() > 0);
    });
    QCOMPARE(rechner_->Stand().Ergebnis.Netto, vorher.Netto);
    QCOMPARE(rechner_->Stand().Ergebnis.AGGesamt, vorher.AGGesamt);
    QCOMPARE(rechner_->Stand().Anfrage.Brutto, 300000);
    // The employer view draws the total wage cost.
    rechner_->arbeitnehmerSicht = false;
    rechner_->Neuberechnen();
    ModalPruefen(rechner_->Aktion("Grafik1"), [&](QWidget* w) {
      auto* f = qobject_cast<TFPlott*>(w);
      QTest::mouseMove(f->Flaeche(), QPoint(200, 100));
      QVERIFY(f->Statuszeile()->text().contains(QStringLiteral("Lohnkosten=")));
      QCOMPARE(f->Ansicht().XMax, 10000.0);
    });
  }

  // The display follows the calculator, Ctrl+E toggles it; the table of
  // both tariffs.
  void einkommensteuer() {
    QAction* anzeige = rechner_->Aktion("EinkommensteuerAnzeige1");
    anzeige->trigger();
    TFEinkSt* f = werkzeuge_->EinkSt();
    QVERIFY(f->isVisible());
    QVERIFY(anzeige->isChecked());
    rechner_->stkl->setCurrentIndex(2);
    rechner_->lohn->setText(QStringLiteral("4000"));
    auto* splitting = f->findChildren<QRadioButton*>().at(1);
    QCOMPARE(splitting->text(), QStringLiteral("Splittingtabelle"));
    QVERIFY(splitting->isChecked());
    const TMonatsErgebnis& t = rechner_->Stand().Ergebnis;
    QCOMPARE(t.KZTAB, 2);
    auto* lohn = Kind<TEditCS>(f, "ELohn");
    // The whole taxable income, "%.2f": no thousands separator.
    QCOMPARE(lohn->text(), QString::number(t.TarifX * 2, 'f', 2).replace(QChar('.'), QChar(',')));
    const QString split = Text(f, "ErgSteuern");
    // Switching the tariff recomputes at once; so does typing.
    QTest::mouseClick(f->findChildren<QRadioButton*>().at(0), Qt::LeftButton);
    QVERIFY(Text(f, "ErgSteuern") != split);
    lohn->selectAll();
    QTest::keyClicks(lohn, QStringLiteral("50000"));
    const TEinkommensteuer e = EinkommensteuerJahr(rechner_->Stand().Parameter, rechner_->Stand().Anfrage, 3, 1, 50000);
    QCOMPARE(rechner_->Stand().Anfrage.KiStSatz, 0.08);
    QCOMPARE(Text(f, "ErgSteuern"), GeldText(2013, true, e.Steuer * 100));
    QCOMPARE(Text(f, "ErgNachSt"), GeldText(2013, true, e.Ergebnis.BruttoNachSteuer));
    // Closing unticks the entry; the entry shows it again.
    f->close();
    QVERIFY(!anzeige->isChecked());
    anzeige->trigger();
    QVERIFY(f->isVisible());
    anzeige->trigger();
    QVERIFY(!f->isVisible());

    rechner_->Neuberechnen();
    // The table starts 1000 below the income per tariff unit of the calculation.
    const std::int64_t start = EStTabellenStart(rechner_->Stand().Ergebnis.TarifX);
    QVERIFY(start > 15000);
    ModalPruefen(rechner_->Aktion("EinkStTabelle1"), [&](QWidget* w) {
      auto* t = qobject_cast<TFTabelle*>(w);
      QCOMPARE(t->windowTitle(), QStringLiteral("EinkSt-Tabelle - Stkl. III"));
      QTableWidget* g = t->Gitter();
      QCOMPARE(g->columnCount(), 8);
      QCOMPARE(g->rowCount(), 499);
      QCOMPARE(g->horizontalHeaderItem(7)->text(), QStringLiteral("Soli. Splitt."));
      QCOMPARE(g->item(0, 0)->text(), QString::fromStdString(GanzzahlAlsText(start)));
    });
    QVERIFY(werkzeuge_->EinkStTabelle() != werkzeuge_->Tabelle());
  }

  // Year, month and hour; the employer view; the placement kept.
  void lohnumrechnung() {
    QAction* anzeige = rechner_->Aktion("LohnUmrAnz1");
    anzeige->trigger();
    TFLohnUmr* f = werkzeuge_->LohnUmr();
    QVERIFY(f->isVisible());
    QVERIFY(anzeige->isChecked());
    rechner_->lohn->setText(QStringLiteral("3000"));
    QCOMPARE(Text(f, "ErgJahrLohn"), QStringLiteral("36.000,00 EUR"));
    QCOMPARE(Text(f, "ErgMonatsLohn"), QStringLiteral("3.000,00 EUR"));
    QCOMPARE(Text(f, "ErgStundenlohn"), QStringLiteral("17,98 EUR"));
    QCOMPARE(Text(f, "LWoStd"), QStringLiteral("38,5"));
    rechner_->lzz->setCurrentIndex(2);
    rechner_->lohn->setText(QStringLiteral("700"));
    QCOMPARE(Text(f, "ErgJahrLohn"), QStringLiteral("36.400,00 EUR"));
    QCOMPARE(Text(f, "ErgMonatsLohn"), QStringLiteral("3.033,33 EUR"));
    auto* stunden = Kind<TEditCS>(f, "EWochenStd");
    stunden->selectAll();
    QTest::keyClick(stunden, Qt::Key_Backspace);
    QCOMPARE(Text(f, "ErgStundenlohn"), QStringLiteral("Stunden falsch!"));
    QCOMPARE(Text(f, "ErgJahrLohn"), QStringLiteral("36.400,00 EUR"));
    QTest::keyClicks(stunden, QStringLiteral("40"));
    QCOMPARE(Text(f, "LWoStd"), QStringLiteral("40"));
    QCOMPARE(Text(f, "ErgStundenlohn"), QStringLiteral("17,50 EUR"));
    rechner_->arbeitnehmerSicht = false;
    rechner_->Neuberechnen();
    QCOMPARE(Text(f, "LWas"), QStringLiteral("Lohnkosten pro:"));
    QCOMPARE(Text(f, "ErgJahrLohn"), GeldText(2013, true, rechner_->Stand().Ergebnis.AGGesamt * 52));
    anzeige->trigger();
    QVERIFY(!f->isVisible());
    QVERIFY(!anzeige->isChecked());
    f->move(123, 77);
    // Ending with the window shown: it goes without reporting back.
    anzeige->trigger();
    werkzeuge_.reset();
    QVERIFY(anzeige->isChecked());
    const TNewIniFile ini("DrumselLStTab.ini");
    QCOMPARE(ini.ReadInteger("FLohnUmr", "Left", -1), 123);
  }

  // A tool computes from the calculation it is handed alone: the same
  // calculation gives the same figures again, whatever the tools computed
  // in between for other years, currencies, classes and views.
  void gleicherStandGleicheWerkzeuge() {
    TFStVgl* vgl = werkzeuge_->StVgl();
    TFEinkSt* est = werkzeuge_->EinkSt();
    TFPlott* plott = werkzeuge_->Plott();
    Kind<TEditCS>(vgl, "EStPflAN")->setText(QStringLiteral("3500"));
    Kind<TEditCS>(vgl, "EStPflEG")->setText(QStringLiteral("1800"));
    Kind<TEditCS>(vgl, "EAnzKiEG")->setText(QStringLiteral("1"));
    const auto ablesen = [&](QImage& bild) {
      QStringList texte;
      vgl->CalcVgl();
      for (const char* name : {"L35AN", "L44AN", "L53AN", "L35EG", "L44EG", "L53EG", "LErgText"})
        texte << Text(vgl, name);
      werkzeuge_->TabelleAufbauen();
      werkzeuge_->Tabelle()->Gitter()->selectAll();
      texte << werkzeuge_->Tabelle()->AuswahlText();
      werkzeuge_->EinkStTabelleAufbauen();
      werkzeuge_->EinkStTabelle()->Gitter()->selectAll();
      texte << werkzeuge_->EinkStTabelle()->AuswahlText();
      for (const char* name : {"ErgSteuern", "ErgSoli", "ErgKiSt", "ErgNachSt"}) texte << Text(est, name);
      texte << Text(werkzeuge_->LohnUmr(), "ErgJahrLohn");
      plott->Ansicht().Flaeche(400, 300);
      plott->Ansicht().Zuruecksetzen();
      bild = plott->Zeichne(QSize(400, 300));
      return texte;
    };
    // 2013, class III with an addition and a child, church tax 9 %.
    const auto erster = [&] {
      rechner_->jahr = 2013;
      rechner_->euro = true;
      rechner_->arbeitnehmerSicht = true;
      rechner_->region = 1;
      rechner_->anfrage = TAnfrage{};
      rechner_->anfrage.Hinzurechnung = 20000;
      rechner_->anfrage.ZKF = 1;
      rechner_->kirche->setEditText(QStringLiteral("9"));
      rechner_->stkl->setCurrentIndex(2);
      rechner_->lohn->setText(QStringLiteral("3000"));
      rechner_->Neuberechnen();
    };
    erster();
    const TMonatsErgebnis ergebnis = rechner_->Stand().Ergebnis;
    QImage bild1, bild2, andereBilder;
    const QStringList erste = ablesen(bild1);
    QVERIFY(!bild1.isNull());

    // Other calculations in between: 1999 in DM in the East, class V;
    // 2026 in the employer's view, class I, private insurance.
    rechner_->jahr = 1999;
    rechner_->euro = false;
    rechner_->region = 0;
    rechner_->stkl->setCurrentIndex(4);
    rechner_->lohn->setText(QStringLiteral("5000"));
    rechner_->Neuberechnen();
    const QStringList dm = ablesen(andereBilder);
    rechner_->jahr = 2026;
    rechner_->euro = true;
    rechner_->arbeitnehmerSicht = false;
    rechner_->anfrage.Privat = true;
    rechner_->anfrage.PrivatBeitrag = 70000;
    rechner_->stkl->setCurrentIndex(0);
    rechner_->lohn->setText(QStringLiteral("7000"));
    rechner_->Neuberechnen();
    const QStringList neu = ablesen(andereBilder);
    QVERIFY(dm != erste && neu != erste);

    erster();
    QVERIFY(rechner_->Stand().Ergebnis == ergebnis);
    const QStringList zweite = ablesen(bild2);
    QCOMPARE(zweite, erste);
    QVERIFY(bild2 == bild1);
  }

  // A DM year shown in Euro: the result panel converts each line once and
  // shows sums that are the sums of its lines, as the command line does.
  void dmJahrInEuro() {
    cleanup();
    QFile::remove(ordner_.filePath(QStringLiteral("DrumselLStTab.ini")));
    TAnwendung::Einrichten(*qobject_cast<QApplication*>(QCoreApplication::instance()));
    TAnwendung anw;
    TFRechner& r = anw.Rechner();
    const TRechnerElemente e(&r);
    anw.Zeigen();
    QVERIFY(QTest::qWaitForWindowExposed(&r));
    QAction* jahr = r.findChild<QAction*>(QStringLiteral("Jahr1999"));
    QVERIFY(jahr != nullptr);
    jahr->trigger();
    if (e.BetraegeInDM1->isChecked()) e.BetraegeInDM1->trigger();
    QVERIFY(!e.BetraegeInDM1->isChecked());
    e.ELohn->setFocus();
    QTest::keyClicks(e.ELohn, QStringLiteral("3000"));
    const auto cent = [](const QLabel* l) {
      QString ziffern;
      for (const QChar c : l->text()) {
        if (c.isDigit() || c == QChar('-')) ziffern += c;
      }
      return ziffern.toLongLong();
    };
    QVERIFY(e.ErgSV->text().contains(QStringLiteral("€")) || e.ErgSV->text().contains(QStringLiteral("EUR")));
    QCOMPARE(cent(e.ErgKV) + cent(e.ErgKV2) + cent(e.ErgRV) + cent(e.ErgAV) + cent(e.ErgPV) + cent(e.ErgPV2),
             cent(e.ErgSV));
    QCOMPARE(cent(e.ErgSV), 63300);
    QCOMPARE(cent(e.ErgLohnSt) + cent(e.ErgKirchenSt) + cent(e.ErgSoli), cent(e.ErgSteuern));
    QCOMPARE(cent(e.ErgBruttoLohn) - cent(e.ErgSteuern), cent(e.ErgNachSt));
    QCOMPARE(cent(e.ErgNachSt) - cent(e.ErgSV) - cent(e.ErgZusatz), cent(e.ErgNettoLohn));
    // The same net as the command line's.
    const std::string json = Cli(QStringLiteral("berechnen --jahr 1999 --brutto 3000 --json"));
    const auto pos = json.find("\"Netto\": ");
    QVERIFY(pos != std::string::npos);
    QCOMPARE(cent(e.ErgNettoLohn), std::stoll(json.substr(pos + 9)));
    // The wish-net search meets 2000.00 Euro with the shown net.
    QTest::keyClicks(e.ENettoLohn, QStringLiteral("2000"));
    QCOMPARE(cent(e.ErgNettoLohn), 200000);
  }

  // With the calculator window itself: the menu entries and shortcuts, the
  // windows following its calculations, its results after the graph.
  void mitDemRechner() {
    cleanup();
    QFile::remove(ordner_.filePath(QStringLiteral("DrumselLStTab.ini")));
    // Written for 2013: the settings name the year (a first start opens the newest).
    QVERIFY(TNewIniFile::AusPfad(ordner_.filePath(QStringLiteral("DrumselLStTab.ini")).toStdString())
                .WriteInteger("LoSt", "Jahr", 2013));
    TAnwendung::Einrichten(*qobject_cast<QApplication*>(QCoreApplication::instance()));
    TAnwendung anw;
    TFRechner& r = anw.Rechner();
    const TRechnerElemente e(&r);
    anw.Zeigen();
    QVERIFY(QTest::qWaitForWindowExposed(&r));
    r.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&r));
    e.ELohn->setFocus();
    QTest::keyClicks(e.ELohn, QStringLiteral("3000"));
    TWerkzeuge& w = anw.Werkzeuge();
    const QString netto = e.ErgNettoLohn->text();

    QTest::keyClick(&r, Qt::Key_L, Qt::ControlModifier);
    QVERIFY(w.LohnUmr()->isVisible());
    QVERIFY(e.LohnUmrAnz1->isChecked());
    QCOMPARE(Text(w.LohnUmr(), "ErgJahrLohn"), QStringLiteral("36.000,00 EUR"));
    QCOMPARE(Text(w.LohnUmr(), "ErgStundenlohn"), QStringLiteral("17,98 EUR"));
    Bild(w.LohnUmr(), "lohnumrechnung");
    QTest::keyClick(&r, Qt::Key_E, Qt::ControlModifier);
    QVERIFY(w.EinkSt()->isVisible());
    QVERIFY(e.EinkommensteuerAnzeige1->isChecked());
    Kind<QComboBox>(&r, "CBStKl")->setCurrentIndex(2);
    QVERIFY(w.EinkSt()->findChildren<QRadioButton*>().at(1)->isChecked());
    Bild(w.EinkSt(), "einkommensteuer");
    Bild(&r, "rechner");

    e.Steuerklassenvgl1->trigger();
    QTest::keyClicks(Kind<TEditCS>(w.StVgl(), "EStPflAN"), QStringLiteral("3500"));
    QTest::keyClicks(Kind<TEditCS>(w.StVgl(), "EStPflEG"), QStringLiteral("1800"));
    QTest::keyClicks(Kind<TEditCS>(w.StVgl(), "EAnzKiEG"), QStringLiteral("1"));
    QCOMPARE(Text(w.StVgl(), "LErgText"), QStringLiteral("Die günstigste Kombination ist 3/5"));
    Bild(w.StVgl(), "vergleich");

    // The table of the calculator's inputs is what the command line prints.
    QString tabelle;
    ModalPruefen(e.Tabelle1, [&](QWidget* m) {
      auto* t = qobject_cast<TFTabelle*>(m);
      t->Gitter()->selectRow(2);
      Bild(t, "lohnsteuertabelle");
      t->Gitter()->selectAll();
      tabelle = t->AuswahlText();
    });
    QCOMPARE(tabelle.toStdString(), Cli(QStringLiteral("tabelle --brutto 3000 --steuerklasse 3")));
    ModalPruefen(e.EinkStTabelle1, [&](QWidget* m) { Bild(m, "einkommensteuertabelle"); });

    const QString netto3 = e.ErgNettoLohn->text();
    QVERIFY(netto3 != netto);
    ModalPruefen(e.Grafik1, [&](QWidget* m) {
      auto* f = qobject_cast<TFPlott*>(m);
      f->resize(1000, 640);
      QTest::qWait(50);
      QTest::mouseMove(f->Flaeche(), QPoint(400, 200));
      Bild(f, "grafik");
      f->ZoomClick();
      f->ZoomClick();
      f->ZoomClick();
      QTest::mouseMove(f->Flaeche(), QPoint(300, 300));
      Bild(f, "grafik_verkleinert");
      f->Ansicht().Zuruecksetzen();
      f->ZoomRechteck(QPoint(f->Ansicht().Spalte(2500), f->Ansicht().Zeile(2200)),
                      QPoint(f->Ansicht().Spalte(3500), f->Ansicht().Zeile(1600)));
      QTest::mouseMove(f->Flaeche(), QPoint(500, 300));
      Bild(f, "grafik_vergroessert");
      for (int i = 0; i < 40; ++i) f->ZoomIn();
      Bild(f, "grafik_ein_cent");
      f->resize(260, 200);
      QTest::qWait(50);
      Bild(f, "grafik_klein");
    });
    QCOMPARE(e.ErgNettoLohn->text(), netto3);

    e.Arbeitgeberanteil1->trigger();
    QCOMPARE(Text(w.LohnUmr(), "LWas"), QStringLiteral("Lohnkosten pro:"));
    ModalPruefen(e.Grafik1, [&](QWidget* m) {
      auto* f = qobject_cast<TFPlott*>(m);
      f->resize(1000, 640);
      QTest::qWait(50);
      QTest::mouseMove(f->Flaeche(), QPoint(400, 200));
      QVERIFY(f->Statuszeile()->text().contains(QStringLiteral("Lohnkosten=")));
      Bild(f, "grafik_arbeitgeber");
    });
    Bild(w.LohnUmr(), "lohnumrechnung_arbeitgeber");
    w.EinkSt()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.EinkSt()));
    QTest::keyClick(w.EinkSt(), Qt::Key_E, Qt::ControlModifier);
    QVERIFY(!w.EinkSt()->isVisible());
    QVERIFY(!e.EinkommensteuerAnzeige1->isChecked());
    // Closing the calculator closes the tools.
    r.close();
    QVERIFY(!w.LohnUmr()->isVisible());
    QVERIFY(!w.StVgl()->isVisible());
  }

  // The tools in the years with a pay month: the newest year of a first
  // start, and July 2023 with the care discounts.  Each tool computes the
  // window's request (month, flowchart, add-on rate, discounts).
  void mitDemRechnerAb2014() {
    cleanup();
    QFile::remove(ordner_.filePath(QStringLiteral("DrumselLStTab.ini")));
    TAnwendung::Einrichten(*qobject_cast<QApplication*>(QCoreApplication::instance()));
    TAnwendung anw;
    TFRechner& r = anw.Rechner();
    const TRechnerElemente e(&r);
    anw.Zeigen();
    QVERIFY(QTest::qWaitForWindowExposed(&r));
    r.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&r));
    // A first start: the newest year.
    QCOMPARE(r.Stand().Parameter.Jahr, lst::kLetztesLStJahr);
    const QString monat = QString::number(r.Stand().Parameter.Monat);
    e.ELohn->setFocus();
    QTest::keyClicks(e.ELohn, QStringLiteral("3000"));
    Kind<QComboBox>(&r, "CBStKl")->setCurrentIndex(2);
    TWerkzeuge& w = anw.Werkzeuge();

    QString tabelle;
    ModalPruefen(e.Tabelle1, [&](QWidget* m) {
      auto* t = qobject_cast<TFTabelle*>(m);
      t->Gitter()->selectAll();
      tabelle = t->AuswahlText();
    });
    QCOMPARE(tabelle.toStdString(),
             Cli(QStringLiteral("tabelle --jahr %1 --monat %2 --brutto 3000 --steuerklasse 3").arg(lst::kLetztesLStJahr).arg(monat)));

    e.Steuerklassenvgl1->trigger();
    QTest::keyClicks(Kind<TEditCS>(w.StVgl(), "EStPflAN"), QStringLiteral("3500"));
    QTest::keyClicks(Kind<TEditCS>(w.StVgl(), "EStPflEG"), QStringLiteral("1800"));
    QCOMPARE(Text(w.StVgl(), "LErgText"), QStringLiteral("Die günstigste Kombination ist 3/5"));
    w.StVgl()->close();
    r.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&r));

    QTest::keyClick(&r, Qt::Key_L, Qt::ControlModifier);
    QCOMPARE(Text(w.LohnUmr(), "ErgJahrLohn"), QStringLiteral("36.000,00 EUR"));
    QTest::keyClick(&r, Qt::Key_E, Qt::ControlModifier);
    QVERIFY(w.EinkSt()->isVisible());
    ModalPruefen(e.EinkStTabelle1, [&](QWidget* m) { QVERIFY(m->isVisible()); });
    ModalPruefen(e.Grafik1, [&](QWidget* m) {
      auto* f = qobject_cast<TFPlott*>(m);
      f->resize(800, 500);
      QTest::qWait(50);
      QTest::mouseMove(f->Flaeche(), QPoint(400, 200));
      QVERIFY(f->Statuszeile()->text().contains(QStringLiteral("Netto")));
    });

    // The wish-net search meets a wish to the cent.
    e.ENettoLohn->setFocus();
    QTest::keyClicks(e.ENettoLohn, QStringLiteral("2500"));
    QCOMPARE(e.ErgNettoLohn->text(), QLocale().toCurrencyString(2500.0, QStringLiteral("EUR"), 2));
    e.ENettoLohn->clear();

    // July 2023, two children under 25 beside two child allowances.
    QTest::keyClicks(Kind<TEditCS>(&r, "E_ZKF"), QStringLiteral("2"));
    e.CBJahr->setCurrentIndex(e.CBJahr->findData(2023));
    e.CBMonat->setCurrentIndex(e.CBMonat->findData(7));
    QTest::keyClicks(Kind<TEditCS>(&r, "E_KinderU25"), QStringLiteral("2"));
    QCOMPARE(Aufbereiten(r.Stand().Parameter, r.Stand().Anfrage).SV.PVAbschlaege, std::uint8_t{1});
    ModalPruefen(e.Tabelle1, [&](QWidget* m) {
      auto* t = qobject_cast<TFTabelle*>(m);
      t->Gitter()->selectAll();
      tabelle = t->AuswahlText();
    });
    QCOMPARE(tabelle.toStdString(),
             Cli(QStringLiteral("tabelle --jahr 2023 --monat 7 --brutto 3000 --steuerklasse 3 "
                                "--kinderfreibetraege 2 --pv-abschlaege 1")));
    r.close();
  }
};

QTEST_MAIN(TestWerkzeuge)
#include "test_werkzeuge.moc"
