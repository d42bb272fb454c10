// Printing from a calculator window: the texts the printout takes from the
// window's controls, the menu items, the PDF without a printer and the
// print preview.  The window here is a stand-in with the controls' names.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>
#include <gtest/gtest.h>

#include "fenster_hilfe.h"
#include "pdf_hilfe.h"
#include "print/fenster/druck_menue.h"
#include "print/fenster/druck_optionen.h"
#include "print/gebietsschema.h"

using namespace lst;

namespace {

class TProbeFenster : public QMainWindow, public TRechnerSchnittstelle {
 public:
  explicit TProbeFenster(const cli::TEingabe& e) : fall_(e) {
    setObjectName(QStringLiteral("FRechner"));
    setWindowTitle(QStringLiteral("Lohnsteuerberechnung 2013"));
    auto* mitte = new QWidget(this);
    auto* l = new QVBoxLayout(mitte);
    setCentralWidget(mitte);
    const auto liste = [&](const char* name, QStringList items, int index) {
      auto* c = new QComboBox(mitte);
      c->setObjectName(QString::fromLatin1(name));
      c->addItems(items);
      c->setCurrentIndex(index);
      l->addWidget(c);
      return c;
    };
    liste("CBLZZ", {druck::ZeitraumText(0), druck::ZeitraumText(1), druck::ZeitraumText(2), druck::ZeitraumText(3)},
          e.LZZ - 1);
    liste("CBStKl", {"I", "II", "III", "IV", "V", "VI"}, e.STKL - 1);
    liste("cbKirchenSt", {"8", "9"}, 0)->setEditable(true);
    liste("cbTabArt", {"Allgemeine LoSt", "Bes. LoSt"}, 0)->setVisible(false);
    for (const char* n : {"cbAF", "CBR", "CBAlter", "CBGF", "CBAufst", "cbPriv"}) {
      auto* c = new QCheckBox(QString::fromLatin1(n), mitte);
      c->setObjectName(QString::fromLatin1(n));
      l->addWidget(c);
    }
    for (const char* n : {"edFaktor", "EVersBez", "EVBezM", "EVBezS", "EZMVB", "EFreibetrag",
                          "EHinzuR", "edSterbe", "E_ZKF", "EAufProz", "EPVWert", "ELohn"}) {
      auto* f = new QLineEdit(mitte);
      f->setObjectName(QString::fromLatin1(n));
      l->addWidget(f);
    }
    Feld("edFaktor")->setText(QStringLiteral("1,0"));
    Feld("EZMVB")->setText(QStringLiteral("12"));
    Feld("EAufProz")->setText(QStringLiteral("3,9"));
    Feld("EPVWert")->setText(QStringLiteral("0,00"));
    auto* region = new QGroupBox(QStringLiteral("Sozialversicherung"), mitte);
    region->setObjectName(QStringLiteral("RGOstWest"));
    auto* rl = new QVBoxLayout(region);
    for (const char* n : {"Ost", "West"}) rl->addWidget(new QRadioButton(QString::fromLatin1(n), region));
    region->findChildren<QRadioButton*>()[e.Region]->setChecked(true);
    l->addWidget(region);
    const struct {
      const char* Name;
      const char16_t* Text;
    } beschriftungen[] = {{"LTxt1", u"Bruttolohn ="},     {"LLoSt", u"Lohnsteuer ="},
                          {"LTxt3", u"Kirchensteuer ="},  {"LTxt4", u"Solidarit\u00e4tsz. ="},
                          {"LTxt5", u"Steuern gesamt ="}, {"LTxt6", u"nach Steuern ="},
                          {"LTxt13", u"Soz.vers. gesamt ="}, {"ErgText", u"Sonstiges"},
                          {"ErgZusatz", u""}};
    for (const auto& b : beschriftungen) {
      auto* t = new QLabel(QString::fromUtf16(b.Text), mitte);
      t->setObjectName(QString::fromLatin1(b.Name));
      l->addWidget(t);
    }
    findChild<QLabel*>(QStringLiteral("ErgZusatz"))
        ->setText(druck::GeldText(AusCent(fall_.K, fall_.D.SonstigeAbzuege), fall_.K.Waehrung));

    auto* dienste = menuBar()->addMenu(QStringLiteral("&Dienste"));
    dienste->setObjectName(QStringLiteral("Dienste1"));
    for (const char* n : {"Steuerklassenvgl1", "Drucken1", "Tabelle1"}) {
      auto* a = dienste->addAction(QString::fromLatin1(n));
      a->setObjectName(QString::fromLatin1(n));
    }
    auto* einst = menuBar()->addMenu(QStringLiteral("&Einstellungen"));
    auto* drucker = einst->addAction(QStringLiteral("&Drucker..."));
    drucker->setObjectName(QStringLiteral("Drucker1"));
    findChild<QAction*>(QStringLiteral("Drucken1"))->setEnabled(false);
    drucker->setEnabled(false);
  }

  QLineEdit* Feld(const char* n) { return findChild<QLineEdit*>(QString::fromLatin1(n)); }
  template <class T>
  T* Element(const char* n) { return findChild<T*>(QString::fromLatin1(n)); }

  TRechenKontext& Kontext() override { return fall_.K; }
  TRechnerDaten& Daten() override { return fall_.D; }
  QWidget* Fenster() override { return this; }
  void EingabenSammeln() override {}
  void Neuberechnen() override {}

 private:
  druck_test::TRechnungFall fall_;
};

QString OhneZeit(QString text) {
  static const QRegularExpression zeit(QStringLiteral("\\d\\d\\.\\d\\d\\.\\d\\d\\s+\\d\\d:\\d\\d"));
  return text.replace(zeit, QStringLiteral("DATUM"));
}

// What the printout takes from the window's controls.
TEST(DruckFenster, AngabenAusDenSteuerelementen) {
  cli::TEingabe e;
  e.STKL = 4;
  TProbeFenster f(e);
  f.Element<QComboBox>("CBLZZ")->setCurrentIndex(0);
  f.Element<QCheckBox>("cbAF")->setChecked(true);
  f.Feld("edFaktor")->setText(QStringLiteral("0,955"));
  f.Element<QComboBox>("cbKirchenSt")->setCurrentText(QStringLiteral("8,5"));
  f.Element<QCheckBox>("CBAlter")->setChecked(true);
  f.Element<QComboBox>("cbTabArt")->setCurrentIndex(1);
  f.Feld("EFreibetrag")->setText(QStringLiteral("1.200,50"));
  f.Feld("E_ZKF")->setText(QStringLiteral("1,5"));
  f.Element<QGroupBox>("RGOstWest")->findChildren<QRadioButton*>()[0]->setChecked(true);
  f.Element<QCheckBox>("CBGF")->setChecked(true);
  f.Element<QCheckBox>("CBAufst")->setChecked(true);
  f.Element<QCheckBox>("CBAufst")->setEnabled(false);  // ticked but not in force
  f.Element<QCheckBox>("cbPriv")->setChecked(true);
  f.Feld("EPVWert")->setText(QStringLiteral("250"));
  f.Element<QLabel>("LLoSt")->setText(QStringLiteral("Pauschalsteuer ="));
  f.Element<QLabel>("ErgText")->setText(QStringLiteral("Vorschuss"));

  druck::TDruckAngaben a = DruckAngabenAusFenster(&f, f.Kontext(), f.Daten());
  EXPECT_EQ(a.Titel, QStringLiteral("Lohnsteuerberechnung 2013"));
  EXPECT_EQ(a.LZZIndex, 0);
  EXPECT_EQ(a.Lohnzahlungszeitraum, druck::ZeitraumText(0));
  EXPECT_EQ(a.Steuerklasse, QStringLiteral("IV"));
  EXPECT_TRUE(a.Faktorverfahren);
  EXPECT_EQ(a.Faktor, QStringLiteral("0,955"));
  EXPECT_EQ(a.Kirchensteuer, QStringLiteral("8,5"));
  EXPECT_TRUE(a.Altersentlastung);
  EXPECT_EQ(a.TabArt, 1);
  EXPECT_EQ(a.Freibetrag, QStringLiteral("1.200,50"));
  EXPECT_EQ(a.Kinder, QStringLiteral("1,5"));
  EXPECT_EQ(a.Region, 0);
  EXPECT_TRUE(a.GF);
  EXPECT_TRUE(a.GFSichtbar);
  EXPECT_FALSE(a.AufstockungAn);
  EXPECT_TRUE(a.AufstockungSichtbar);
  EXPECT_TRUE(a.Privat);
  EXPECT_EQ(a.PrivatBetrag, QStringLiteral("250"));
  EXPECT_EQ(a.LLoSt, QStringLiteral("Pauschalsteuer ="));
  EXPECT_EQ(a.ErgText, QStringLiteral("Vorschuss"));

  // Hidden controls leave out their rows.
  f.Element<QCheckBox>("CBAufst")->setVisible(false);
  f.Element<QCheckBox>("CBGF")->setVisible(false);
  a = DruckAngabenAusFenster(&f, f.Kontext(), f.Daten());
  EXPECT_FALSE(a.AufstockungSichtbar);
  EXPECT_FALSE(a.GFSichtbar);
}

class DruckMenue : public ::testing::Test {
 protected:
  QTemporaryDir ordner_;
  druck::TDruckMaschine maschine_;
  std::unique_ptr<TFDruckOptionen> optionen_ = std::make_unique<TFDruckOptionen>(
      maschine_, ordner_.filePath(QStringLiteral("DrumselLStTab.ini")).toStdString());
};

// The menu items are enabled, the preview sits below "Drucken"; without a
// printer "Drucken" writes the PDF file the user names, and it holds the
// same text as the command line's printout of the same inputs.
TEST_F(DruckMenue, DruckenOhneDruckerGibtPdfWieDieKommandozeile) {
  cli::TEingabe e;
  e.Brutto = 3000;
  e.STKL = 3;
  TProbeFenster f(e);
  f.Feld("ELohn")->setText(QStringLiteral("3000"));
  TDruckSteuerung s(f, maschine_, *optionen_);
  ASSERT_TRUE(s.Anbinden());
  auto* drucken = f.findChild<QAction*>(QStringLiteral("Drucken1"));
  EXPECT_TRUE(drucken->isEnabled());
  EXPECT_TRUE(f.findChild<QAction*>(QStringLiteral("Drucker1"))->isEnabled());
  const auto aktionen = f.findChild<QMenu*>(QStringLiteral("Dienste1"))->actions();
  const int i = aktionen.indexOf(drucken);
  ASSERT_GE(i, 0);
  ASSERT_LT(i + 1, aktionen.size());
  EXPECT_EQ(aktionen[i + 1]->objectName(), QStringLiteral("Druckvorschau1"));
  EXPECT_EQ(aktionen[i + 1]->text(), QStringLiteral("Druck&vorschau..."));

  s.DruckerVorhanden = [] { return false; };
  const QString ohneEndung = ordner_.filePath(QStringLiteral("fenster"));
  int gefragt = 0;
  s.PdfDateiFragen = [&] {
    ++gefragt;
    return ohneEndung;
  };
  drucken->trigger();
  EXPECT_EQ(gefragt, 1);
  const QString pdf = ohneEndung + QStringLiteral(".pdf");
  ASSERT_TRUE(QFile::exists(pdf));

  const QString cliPdf = ordner_.filePath(QStringLiteral("cli.pdf"));
  QProcess cli;
  cli.start(QStringLiteral(LOHNSTEUER_CLI_PATH),
            {QStringLiteral("drucken"), QStringLiteral("--pdf"), cliPdf, QStringLiteral("--brutto"),
             QStringLiteral("3000"), QStringLiteral("--steuerklasse"), QStringLiteral("3")});
  ASSERT_TRUE(cli.waitForFinished(30000));
  EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
  const QString fensterText = OhneZeit(druck_test::PdfText(pdf));
  EXPECT_TRUE(fensterText.contains(QStringLiteral("Lohnsteuerklasse")));
  EXPECT_EQ(fensterText, OhneZeit(druck_test::PdfText(cliPdf)));

  // Cancelling the file dialog prints nothing.
  QFile::remove(pdf);
  s.PdfDateiFragen = [] { return QString(); };
  drucken->trigger();
  EXPECT_FALSE(QFile::exists(pdf));

  // A file that cannot be written is reported.
  s.PdfDateiFragen = [] { return QStringLiteral("/nonexistent-folder/x.pdf"); };
  QString meldung;
  druck_test::MeldungMerken(meldung);
  drucken->trigger();
  EXPECT_TRUE(meldung.contains(QStringLiteral("/nonexistent-folder/x.pdf"))) << meldung.toStdString();
}

// The print preview shows the printout's pages.
TEST_F(DruckMenue, Druckvorschau) {
  cli::TEingabe e;
  e.Brutto = 2500;
  TProbeFenster f(e);
  TDruckSteuerung s(f, maschine_, *optionen_);
  ASSERT_TRUE(s.Anbinden());
  int seiten = -1;
  QString titel;
  druck_test::BeiModal([&](QWidget* w) {
    if (auto* v = w->findChild<QPrintPreviewWidget*>()) seiten = v->pageCount();
    titel = w->windowTitle();
    w->close();
  });
  f.findChild<QAction*>(QStringLiteral("Druckvorschau1"))->trigger();
  EXPECT_EQ(seiten, 1);
  EXPECT_EQ(titel, QStringLiteral("Druckvorschau"));
}

}  // namespace
