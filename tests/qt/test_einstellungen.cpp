// Settings of the calculator window across program runs, the menu's
// dialogs (ceilings, about box) and failures to write the settings file.

#include <QAction>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>

#include <memory>

#include "calc/sozialversicherung.h"
#include "common/ini_datei.h"
#include "common/qt/edit_cs.h"
#include "fenster_hilfen.h"
#include "ui/anwendung.h"
#include "ui/calculator/bmg_dialog.h"
#include "ui/calculator/rechner.h"
#include "ui/tools/lohnumr.h"
#include "ui/tools/werkzeuge.h"

using lst::TFRechner;
using lst::TNewIniFile;

class TestEinstellungen : public QObject {
  Q_OBJECT

  QTemporaryDir ordner_;
  std::unique_ptr<lst::TAnwendung> anw_;
  TFRechner* r_ = nullptr;
  std::unique_ptr<TRechnerElemente> e_;

  const lst::TAbrechnungsStand& S() const { return r_->Stand(); }

  QString Datei() const { return ordner_.filePath(QStringLiteral("DrumselLStTab.ini")); }
  QByteArray DateiText() const {
    QFile f(Datei());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  TNewIniFile Ini() const { return TNewIniFile::AusPfad(Datei().toStdString()); }

  void Starten(const lst::TDateiNamen& namen = {}) {
    anw_ = std::make_unique<lst::TAnwendung>(namen);
    r_ = &anw_->Rechner();
    e_ = std::make_unique<TRechnerElemente>(r_);
    anw_->Zeigen();
    QVERIFY(QTest::qWaitForWindowExposed(r_));
  }
  // Ends the program as the user does, through the menu.
  void Beenden() {
    e_->ProgrammBeenden1->trigger();
    QVERIFY(!r_->isVisible());
    r_ = nullptr;
    anw_.reset();
  }
  QStringList KiStEintraege() const {
    QStringList l;
    for (int i = 0; i < e_->cbKirchenSt->count(); ++i) l << e_->cbKirchenSt->itemText(i);
    return l;
  }

 private slots:
  void initTestCase() {
    TestUmgebung(ordner_);
    // Closing the window must not end the test's own event handling.
    QApplication::setQuitOnLastWindowClosed(false);
  }
  void init() {
    QFile::remove(Datei());
    // These tests were written for the rates of 2013; the first start opens
    // the newest year.
    if (QLatin1String(QTest::currentTestFunction()) != QLatin1String("ersterStart")) JahrVorgeben(ordner_, 2013);
  }
  void cleanup() {
    r_ = nullptr;
    anw_.reset();
  }

  void ersterStart() {
    Starten();
    QCOMPARE(int(S().Parameter.Jahr), lst::kLetztesLStJahr);
    QCOMPARE(e_->cbKirchenSt->currentText(), QStringLiteral("8"));
    QCOMPARE(KiStEintraege(), (QStringList{"8", "9"}));
    QVERIFY(e_->Grundfreibetrag8130->isChecked());
    QVERIFY(!e_->Grundfreibetrag8004->isChecked());
    QVERIFY(!e_->Grundfreibetrag8130->isEnabled());
    // The rates of the newest year's table.
    const int jahr = S().Parameter.Jahr;
    const int monat = S().Parameter.Monat;
    const auto prozent = [](double p) { return QString::number(p).replace(QLatin1Char('.'), QLatin1Char(',')); };
    QCOMPARE(e_->EKVANProz->text(), QStringLiteral("7,3"));
    QCOMPARE(e_->ERVAGProz->text(), prozent(100 * lst::SVSaetzeStandard(jahr, monat)[lst::beNV][lst::svRV].AG));
    QCOMPARE(e_->EKV2ANProz->text(), prozent(lst::DurchschnittsZusatzbeitrag(jahr, monat)));
    QCOMPARE(e_->EU1Proz->text(), QStringLiteral("0"));
    QVERIFY(!e_->EAufProz->isEnabled());
    QCOMPARE(e_->EPauschSt->text(), QStringLiteral("2"));
    QVERIFY(!QFile::exists(Datei()));
  }

  // Damaged values give the defaults and are named once the window shows.
  void beschaedigteWerte() {
    {
      TNewIniFile ini = Ini();
      QVERIFY(ini.WriteString("SV2013", "NVKVAN", "150"));
      QVERIFY(ini.WriteString("BMG2013", "KVWest", "-5"));
    }
    TBoxFaenger boxen;
    Starten();
    QTRY_COMPARE(boxen.Texte.size(), 1);
    QVERIFY2(boxen.Texte[0].contains(QStringLiteral("NVKVAN")) && boxen.Texte[0].contains(QStringLiteral("KVWest")),
             qPrintable(boxen.Texte[0]));
    QCOMPARE(e_->EKVANProz->text(), QStringLiteral("7,3"));
    QCOMPARE(S().Parameter.BBG[lst::bbgKV][lst::rgWest], 393750);
    QTest::qWait(50);
    QCOMPARE(boxen.Texte.size(), 1);
  }

  // Start, type, quit, start again: what the user set comes back.
  void rundreise() {
    Starten();
    Eintippen(e_->ELohn, QStringLiteral("3000"));
    Eintippen(e_->EKVANProz, QStringLiteral("8"));
    e_->Grundfreibetrag8004->trigger();
    QCOMPARE(S().Parameter.Grundfreibetrag, 8004);
    QLineEdit* kist = e_->cbKirchenSt->lineEdit();
    Eintippen(kist, QStringLiteral("8,5"));
    QTest::keyClick(kist, Qt::Key_Return);
    r_->move(60, 50);
    Beenden();

    const TNewIniFile ini = Ini();
    QCOMPARE(ini.ReadString("LoSt", "KiSt", ""), std::string("8,\"8,5\",9"));
    QCOMPARE(ini.ReadBool("LoSt2013", "GrdFreiB8130", true), false);
    QCOMPARE(ini.ReadFloat("SV2013", "NVKVAN", 0), 8.0);
    QCOMPARE(ini.ReadFloat("LSt2013", "PauschSt", 0), 2.0);
    QVERIFY(ini.ValueExists("FRechner", "Width"));
    QCOMPARE(ini.ReadInteger("FRechner", "Left", -1), 60);

    Starten();
    QCOMPARE(KiStEintraege(), (QStringList{"8", "8,5", "9"}));
    QCOMPARE(e_->cbKirchenSt->currentText(), QStringLiteral("8"));
    QCOMPARE(e_->EKVANProz->text(), QStringLiteral("8"));
    QVERIFY(e_->Grundfreibetrag8004->isChecked());
    QCOMPARE(r_->pos(), QPoint(60, 50));
    QCOMPARE(e_->ELohn->text(), QString());
    Beenden();
  }

  // With "Besondere LoSt" at the end its zeros never reach the stored rates.
  void besondereLoStAmEnde() {
    {
      TNewIniFile ini = Ini();
      QVERIFY(ini.WriteFloat("SV2013", "NVRVAN", 9.5));
      QVERIFY(ini.WriteFloat("LSt2013", "PauschSt", 3));
    }
    Starten();
    QCOMPARE(e_->ERVANProz->text(), QStringLiteral("9,5"));
    QCOMPARE(e_->EPauschSt->text(), QStringLiteral("3"));
    e_->rbBesTab->click();
    QCOMPARE(e_->ERVANProz->text(), QStringLiteral("0"));
    Beenden();
    const TNewIniFile ini = Ini();
    QCOMPARE(ini.ReadFloat("SV2013", "NVRVAN", 0), 9.5);
    QVERIFY(!ini.ValueExists("SV2013", "NVKVAN"));
    QCOMPARE(ini.ReadFloat("LSt2013", "PauschSt", 0), 3.0);
    QVERIFY(ini.ValueExists("LoSt", "KiSt"));
    QVERIFY(ini.ValueExists("LoSt2013", "GrdFreiB8130"));
    QVERIFY(ini.ValueExists("FRechner", "Top"));
  }

  void bemessungsgrenzen() {
    Starten();
    lst::TFBMG& d = anw_->BMG();
    QCOMPARE(d.objectName(), QStringLiteral("TFBMG"));
    QCOMPARE(d.PageControl1->tabText(0), QStringLiteral("Ost"));
    QCOMPARE(d.PageControl1->tabText(1), QStringLiteral("West"));
    QCOMPARE(d.findChild<QLabel*>(QStringLiteral("LDM5"))->text(), QStringLiteral("EUR pro Monat"));
    Eintippen(e_->ELohn, QStringLiteral("5000"));
    const std::int64_t kvVorher = S().Ergebnis.Beitrag(lst::svKV).AN;

    // Through the menu: the dialog is modal; OK stores and the window recalculates.
    const auto gf = lst::BBGStandard(2013)[lst::bbgGF][lst::rgWest];
    QString gesehen;
    QTimer::singleShot(50, this, [&] {
      auto* dialog = qobject_cast<lst::TFBMG*>(QApplication::activeModalWidget());
      if (dialog == nullptr) return;
      gesehen = dialog->windowTitle() + "|" + QString::number(dialog->PageControl1->currentIndex());
      for (lst::TEditCS* e : {dialog->EKVWest, dialog->ERVWest, dialog->EAVWest, dialog->EGFWest})
        gesehen += "|" + e->text();
      Eintippen(dialog->EKVWest, QStringLiteral("4000"));
      dialog->BOK->click();
    });
    e_->Bemessungsgrenzen1->trigger();
    QCOMPARE(gesehen, QStringLiteral("Beitragsbemessungsgrenzen 2013|1|3937,50|5800,00|5800,00|") +
                          QLocale().toString(gf / 100.0, 'f', 2));
    QVERIFY(!d.isVisible());
    QCOMPARE(Ini().ReadInteger("BMG2013", "KVWest", 0), 400000);
    QCOMPARE(Ini().ReadInteger("BMG2013", "PVWest", 0), 400000);
    QCOMPARE(Ini().ReadInteger("BMG2013", "RVOst", 0), 490000);
    QCOMPARE(S().Parameter.BBG[lst::bbgKV][lst::rgWest], 400000);
    QVERIFY(S().Ergebnis.Beitrag(lst::svKV).AN > kvVorher);
    QCOMPARE(S().Ergebnis.Beitrag(lst::svKV).AN, 29200);  // 7,3 % of 4000,00

    // Abbrechen discards typing and writes nothing.
    const QByteArray vorher = DateiText();
    d.show();
    Eintippen(d.ERVOst, QStringLiteral("1"));
    d.BCancel->click();
    QVERIFY(!d.isVisible());
    QCOMPARE(d.ERVOst->text(), QStringLiteral("4900,00"));
    QCOMPARE(DateiText(), vorher);

    // An empty, zero or too large ceiling is refused with a message naming it.
    const std::pair<lst::TEditCS*, QString> falsch[] = {
        {d.EAVWest, QString()}, {d.EGFOst, QStringLiteral("0")}, {d.EKVOst, QStringLiteral("10000000")},
        {d.EKVOst, QStringLiteral("0,001")}};
    for (const auto& [feld, text] : falsch) {
      d.show();
      Eintippen(feld, text);
      TBoxFaenger boxen;
      d.BOK->click();
      QTRY_COMPARE(boxen.Texte.size(), 1);
      const bool ost = feld->objectName().endsWith(QLatin1String("Ost"));
      QVERIFY2(boxen.Texte[0].contains(ost ? QStringLiteral("„Ost“") : QStringLiteral("„West“")),
               qPrintable(boxen.Texte[0]));
      QVERIFY(boxen.Texte[0].contains(QStringLiteral("„") + feld->accessibleName().section(' ', 0, 0) + "“"));
      QVERIFY(d.isVisible());
      QCOMPARE(d.PageControl1->currentIndex(), ost ? 0 : 1);
      QCOMPARE(DateiText(), vorher);
      d.BCancel->click();
    }
    Beenden();
  }

  void info() {
    Starten();
    QString gesehen;
    QTimer::singleShot(50, this, [&] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (dialog == nullptr) return;
      gesehen = dialog->windowTitle() + "|" + dialog->findChild<QLabel*>(QStringLiteral("ProductName"))->text() +
                "|" + dialog->findChild<QLabel*>(QStringLiteral("Version"))->text();
      dialog->findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
    });
    e_->Info1->trigger();
    QVERIFY2(QRegularExpression(QStringLiteral("^Info\\|Lohnsteuerberechnung 2013\\|Version \\d+\\.\\d+\\.\\d+\\.\\d+$"))
                 .match(gesehen)
                 .hasMatch(),
             qPrintable(gesehen));
    Beenden();
  }

  // A settings file that cannot be written: the user is told, the program
  // still ends, nothing is lost from the old file.
  void schreibfehler() {
    const QString sperre = ordner_.filePath(QStringLiteral("keinOrdner"));
    {
      QFile f(sperre);
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write("eine Datei, kein Ordner");
    }
    lst::TDateiNamen namen;
    namen.Einstellungen = (sperre + QStringLiteral("/DrumselLStTab.ini")).toStdString();
    namen.Saetze = namen.Einstellungen;
    Starten(namen);
    QCOMPARE(e_->EKVANProz->text(), QStringLiteral("7,3"));

    {
      lst::TFBMG& d = anw_->BMG();
      d.show();
      Eintippen(d.EKVWest, QStringLiteral("4000"));
      TBoxFaenger boxen;
      d.BOK->click();
      QTRY_COMPARE(boxen.Texte.size(), 1);
      QVERIFY2(boxen.Texte[0].contains(sperre), qPrintable(boxen.Texte[0]));
      QVERIFY(d.isVisible());
      // The ceilings in effect stay the year's defaults (this start opens the newest year).
      QCOMPARE(S().Parameter.BBG[lst::bbgKV][lst::rgWest],
               lst::BBGStandard(S().Parameter.Jahr, S().Parameter.Monat)[lst::bbgKV][lst::rgWest]);
      d.BCancel->click();
    }

    TBoxFaenger boxen;
    e_->ProgrammBeenden1->trigger();
    QTRY_COMPARE(boxen.Texte.size(), 1);
    QVERIFY2(boxen.Texte[0].contains(sperre + QStringLiteral("/DrumselLStTab.ini")), qPrintable(boxen.Texte[0]));
    QVERIFY(!r_->isVisible());
    QCOMPARE(QFile(sperre).size(), qint64(23));
  }

  // A read-only settings file: the window leaves it byte for byte and says
  // once that it could not save, however often it tries.
  void schreibgeschuetzt() {
    const QByteArray text = "; von Hand\n[LoSt]\nJahr=2013\nKiSt=8,9\n\n[Fremd]\nx=1\n";
    {
      QFile f(Datei());
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write(text);
    }
    QVERIFY(QFile::setPermissions(Datei(), QFileDevice::ReadOwner | QFileDevice::ReadGroup |
                                               QFileDevice::ReadOther));
    TBoxFaenger boxen;
    Starten();
    r_->JahrWechseln(2012);
    r_->JahrWechseln(2013);
    r_->move(70, 40);
    QVERIFY(!r_->EinstellungenSpeichern());
    QTRY_COMPARE(boxen.Texte.size(), 1);
    QVERIFY(!r_->EinstellungenSpeichern());
    Beenden();
    QTest::qWait(50);
    QCOMPARE(boxen.Texte.size(), 1);
    QVERIFY2(boxen.Texte[0].contains(Datei()) && boxen.Texte[0].contains(QStringLiteral("schreibgeschützt")),
             qPrintable(boxen.Texte[0]));
    QCOMPARE(DateiText(), text);
    QCOMPARE(QDir(ordner_.path()).entryList(QStringList{QStringLiteral("*.tmp")}, QDir::Files), QStringList());
    QFile::setPermissions(Datei(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
  }

  // Temporary files of a write killed before its rename go at the next start
  // once they are a minute old; a younger one may be a write under way.
  void alteTempDateien() {
    const auto anlegen = [&](const QString& name, int sekundenAlt) {
      QFile f(ordner_.filePath(name));
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write("[LoSt]\nJahr=20");
      QVERIFY(f.flush());
      const QDateTime zeit = QDateTime::currentDateTime().addSecs(-sekundenAlt);
      QVERIFY(f.setFileTime(zeit, QFileDevice::FileModificationTime));
    };
    anlegen(QStringLiteral("DrumselLStTab.ini.~1234567.tmp"), 120);
    anlegen(QStringLiteral("DrumselLStTab.ini.~7654321.tmp"), 5);
    anlegen(QStringLiteral("Fremd.ini.~42.tmp"), 120);
    Starten();
    QVERIFY(!QFile::exists(ordner_.filePath(QStringLiteral("DrumselLStTab.ini.~1234567.tmp"))));
    QVERIFY(QFile::exists(ordner_.filePath(QStringLiteral("DrumselLStTab.ini.~7654321.tmp"))));
    QVERIFY(QFile::exists(ordner_.filePath(QStringLiteral("Fremd.ini.~42.tmp"))));
    Beenden();
    QFile::remove(ordner_.filePath(QStringLiteral("DrumselLStTab.ini.~7654321.tmp")));
    QFile::remove(ordner_.filePath(QStringLiteral("Fremd.ini.~42.tmp")));
  }

  // The file is read at the start and written once at the close: a year
  // switch writes nothing yet; every foreign line keeps its bytes; what the
  // windows set comes back; what another program wrote meanwhile stays.
  void einmalLesenEinmalSchreiben() {
    const QByteArray fremd = "; Kommentar\r\n[Fremd]\r\nA = 1\r\n;x\r\n\r\n";
    {
      QFile f(Datei());
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write(fremd + "[LoSt]\r\nJahr=2012\r\nBetraegeInDM=1\r\n[SV2012]\r\nNVKVAN=8,2\r\n");
    }
    Starten();
    QCOMPARE(S().Parameter.Jahr, 2012);
    QCOMPARE(e_->EKVANProz->text(), QStringLiteral("8,2"));
    const QByteArray beimStart = DateiText();
    Eintippen(e_->EKVANProz, QStringLiteral("8,5"));
    r_->JahrWechseln(2013);
    Eintippen(e_->EKVANProz, QStringLiteral("7,5"));
    r_->JahrWechseln(2012);
    QCOMPARE(e_->EKVANProz->text(), QStringLiteral("8,5"));
    r_->move(90, 60);
    anw_->Werkzeuge().LohnUmr()->move(200, 150);
    QCOMPARE(DateiText(), beimStart);
    {
      TNewIniFile anderes = Ini();
      QVERIFY(anderes.WriteString("Anderes", "Programm", "ja"));
    }
    const QByteArray vorDemEnde = DateiText();
    Beenden();

    const QByteArray nachher = DateiText();
    QVERIFY2(nachher.startsWith(fremd), nachher.constData());
    QVERIFY(nachher.count("\r\n") == nachher.count("\n"));
    QVERIFY(nachher != vorDemEnde);
    const TNewIniFile ini = Ini();
    QCOMPARE(ini.ReadString("Anderes", "Programm", ""), std::string("ja"));
    QCOMPARE(ini.ReadFloat("SV2012", "NVKVAN", 0), 8.5);
    QCOMPARE(ini.ReadFloat("SV2013", "NVKVAN", 0), 7.5);
    QCOMPARE(ini.ReadInteger("LoSt", "Jahr", 0), 2012);
    QCOMPARE(ini.ReadInteger("FLohnUmr", "Left", -1), 200);
    QCOMPARE(ini.ReadInteger("FRechner", "Left", -1), 90);

    Starten();
    QCOMPARE(S().Parameter.Jahr, 2012);
    QCOMPARE(e_->EKVANProz->text(), QStringLiteral("8,5"));
    QCOMPARE(r_->pos(), QPoint(90, 60));
    QCOMPARE(anw_->Werkzeuge().LohnUmr()->pos(), QPoint(200, 150));
    Beenden();
  }
};

QTEST_MAIN(TestEinstellungen)
#include "test_einstellungen.moc"
