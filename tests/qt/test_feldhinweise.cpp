// What the calculator window's fields say of the request: a field that does
// not apply is disabled and names the core's reason, its usual hint comes
// back with it; an input the core does not take as typed is red with the
// core's message in the window's captions and the display currency, and
// the result is what the inputs give; a typed rate is stored as the year's
// row.

#include <QAction>
#include <QMenuBar>
#include <QRadioButton>
#include <QScrollArea>

#include <functional>
#include <memory>

#include "calc/abrechnung.h"
#include "calc/sozialversicherung.h"
#include "common/ini_datei.h"
#include "fenster_hilfen.h"
#include "ui/anwendung.h"
#include "ui/calculator/rechner.h"

using lst::TFRechner;

class TestFeldhinweise : public QObject {
  Q_OBJECT

  QTemporaryDir ordner_;
  std::unique_ptr<lst::TAnwendung> anw_;
  std::unique_ptr<TBoxFaenger> boxen_;
  TFRechner* r_ = nullptr;
  std::unique_ptr<TRechnerElemente> e_;

  QString Datei() const { return ordner_.filePath(QStringLiteral("DrumselLStTab.ini")); }
  const lst::TAbrechnungsStand& S() const { return r_->Stand(); }

  void Starten() {
    anw_ = std::make_unique<lst::TAnwendung>();
    r_ = &anw_->Rechner();
    e_ = std::make_unique<TRechnerElemente>(r_);
    anw_->Zeigen();
    QVERIFY(QTest::qWaitForWindowExposed(r_));
  }
  void Beenden() {
    e_->ProgrammBeenden1->trigger();
    e_.reset();
    r_ = nullptr;
    anw_.reset();
  }
  void Zeit(int jahr, int monat) {
    Waehlen(e_->CBJahr, jahr);
    if (jahr > 2013) Waehlen(e_->CBMonat, monat);
    QCOMPARE(S().Parameter.Jahr, jahr);
  }
  // The result of the core for the request and parameters the window shows.
  void WieDerKern() { QVERIFY(lst::Abrechnen(S().Parameter, S().Anfrage) == S().Ergebnis); }

 private slots:
  void initTestCase() {
    TestUmgebung(ordner_);
    boxen_ = std::make_unique<TBoxFaenger>();
    QApplication::setQuitOnLastWindowClosed(false);
  }
  void init() {
    QFile::remove(Datei());
    Starten();
  }
  void cleanup() {
    if (r_ != nullptr) Beenden();
    QVERIFY2(boxen_->Texte.isEmpty(), qPrintable(boxen_->Texte.join(QLatin1Char('\n'))));
  }

  // A disabled field names the reason; enabled again it shows its usual hint.
  void gesperrteFelderSagenWarum() {
    Zeit(2026, 12);
    struct TFall {
      QWidget* Feld;
      std::function<void()> Sperren, Freigeben;
      const char* Grund;
    };
    auto* west = r_->findChild<QRadioButton*>(QStringLiteral("RGOstWest_West"));
    auto* ost = r_->findChild<QRadioButton*>(QStringLiteral("RGOstWest_Ost"));
    const TFall faelle[] = {
        {e_->E_ZKF, [&] { e_->CBStKl->setCurrentIndex(4); }, [&] { e_->CBStKl->setCurrentIndex(0); },
         "Kinderfreibeträge gibt es nur in den Steuerklassen 1 bis 4"},
        {e_->cbSachsen, [&] { Klick(west); }, [&] { Klick(ost); }, "Sachsen gilt nur mit Region ost"},
        {e_->cbKirchenSt, [&] { Setzen(e_->CBR, true); }, [&] { Setzen(e_->CBR, false); },
         "Ohne Kirchenzugehörigkeit (bekenntnislos) fällt keine Kirchensteuer an"},
        {e_->CBRV_Verzicht, [&] { Zeit(2019, 7); }, [&] { Zeit(2019, 6); },
         "keine RV-Reduz.: den Verzicht gibt es nur bis Juni 2019, nicht für Juli 2019"},
        {e_->CBGleitZ, [&] { Zeit(2002, 12); }, [&] { Zeit(2003, 12); },
         "Gleitzone gilt erst ab April 2003, nicht für 2002"},
    };
    for (const TFall& f : faelle) {
      f.Freigeben();
      QVERIFY2(f.Feld->isEnabled(), f.Grund);
      const QString hinweis = f.Feld->toolTip();
      f.Sperren();
      QVERIFY2(!f.Feld->isEnabled(), f.Grund);
      QCOMPARE(f.Feld->toolTip(), QString::fromUtf8(f.Grund));
      f.Freigeben();
      QVERIFY2(f.Feld->isEnabled(), f.Grund);
      QCOMPARE(f.Feld->toolTip(), hinweis);
    }
    // Without the zone the waiver goes with it.
    Zeit(2002, 12);
    QVERIFY(!e_->CBRV_Verzicht->isEnabled());
    QVERIFY(e_->CBRV_Verzicht->toolTip().startsWith(QStringLiteral("Gleitzone gilt erst ab April 2003")));
  }

  // An input the core refuses: red, its message with the captions and
  // amounts of the display currency; the figures are the core's for the
  // inputs as typed, and the mark goes when the input fits.
  void fehlerMitBetraegenUndNamen() {
    Zeit(2026, 12);
    Eintippen(e_->ELohn, QStringLiteral("1500"));
    Eintippen(e_->EVersBez, QStringLiteral("1600"));
    QVERIFY(Rot(e_->EVersBez));
    QCOMPARE(e_->EVersBez->toolTip(), QStringLiteral("darin enthaltene Versorgungsbezüge %1 ist größer als der "
                                                     "Bruttolohn %2, in dem er enthalten ist")
                                          .arg(GeldText(160000), GeldText(150000)));
    QCOMPARE(Datensaetze(S()).LSt.VBEZ, std::int64_t{160000});
    WieDerKern();
    Eintippen(e_->ELohn, QStringLiteral("1600"));
    QVERIFY(!Rot(e_->EVersBez));

    // In DM the amounts are DM.
    Zeit(1999, 12);
    QVERIFY(!S().Euro);
    Eintippen(e_->ELohn, QStringLiteral("1000"));
    Eintippen(e_->EVersBez, QStringLiteral("1000,01"));
    QVERIFY(Rot(e_->EVersBez));
    const QString dm = QLocale().toCurrencyString(1000.01, QStringLiteral("DM"), 2);
    QVERIFY2(e_->EVersBez->toolTip().contains(dm), qPrintable(e_->EVersBez->toolTip()));
    Eintippen(e_->EVersBez, QString());
    QVERIFY(!Rot(e_->EVersBez));

    // The care part above the premium counts as the premium.
    Zeit(2026, 12);
    Eintippen(e_->ELohn, QStringLiteral("6500"));
    Klick(e_->cbPriv);
    Eintippen(e_->EPVWert, QStringLiteral("900"));
    Eintippen(e_->EPVWertPV, QStringLiteral("950"));
    QVERIFY(Rot(e_->EPVWertPV));
    QVERIFY2(e_->EPVWertPV->toolTip().startsWith(
                 QStringLiteral("davon PV %1 ist größer als der Beitrag privat KV+PV %2").arg(GeldText(95000), GeldText(90000))),
             qPrintable(e_->EPVWertPV->toolTip()));
    WieDerKern();
    Eintippen(e_->EPVWertPV, QStringLiteral("900"));
    QVERIFY(!Rot(e_->EPVWertPV));
  }

  // A wage of ordinary employment within the minijob limit: the minijob
  // boxes are red and say so; a minijob above it as well, with its own words.
  void minijobGrenzeSagtWarum() {
    Zeit(2026, 12);
    Eintippen(e_->ELohn, QStringLiteral("500"));
    QVERIFY(Rot(e_->CBGF) && Rot(e_->CBprivHH));
    QVERIFY2(e_->CBGF->toolTip().contains(QStringLiteral("nicht über der Geringfügigkeitsgrenze")),
             qPrintable(e_->CBGF->toolTip()));
    QVERIFY(e_->CBGF->toolTip().contains(QStringLiteral("GF / MiniJob")));
    Klick(e_->CBGF);
    QVERIFY(!Rot(e_->CBGF));
    Eintippen(e_->ELohn, QStringLiteral("2000"));
    QVERIFY(Rot(e_->CBGF));
    QVERIFY2(e_->CBGF->toolTip().contains(QStringLiteral("über der Geringfügigkeitsgrenze")),
             qPrintable(e_->CBGF->toolTip()));
    Klick(e_->CBGF);
    QVERIFY(!Rot(e_->CBGF));
  }

  // A rate typed in a pay month: one of the user's own applies in every
  // month of the year and is stored; one equal to the month's default goes
  // back to the year's row and follows the months again.
  void getippterSatzAlsJahreszeile() {
    const double januar = lst::SVSaetzeStandard(2023, 1)[lst::beNV][lst::svPV].AN * 100;
    const double juli = lst::SVSaetzeStandard(2023, 7)[lst::beNV][lst::svPV].AN * 100;
    QVERIFY(januar != juli);
    const auto text = [](double prozent) { return QLocale().toString(prozent); };
    Zeit(2023, 3);
    QCOMPARE(e_->EPVANProz->text(), text(januar));
    Eintippen(e_->EPVANProz, QStringLiteral("2"));
    QCOMPARE(S().Parameter.Saetze[lst::beNV][lst::svPV].AN, 0.02);
    Waehlen(e_->CBMonat, 7);
    QCOMPARE(e_->EPVANProz->text(), QStringLiteral("2"));
    QCOMPARE(S().Parameter.Saetze[lst::beNV][lst::svPV].AN, 0.02);
    Beenden();
    QCOMPARE(lst::TNewIniFile::AusPfad(Datei().toStdString()).ReadFloat("SV2023", "NVPVAN", 0), 2.0);

    Starten();
    Zeit(2023, 7);
    QCOMPARE(e_->EPVANProz->text(), QStringLiteral("2"));
    Eintippen(e_->EPVANProz, text(juli));
    Waehlen(e_->CBMonat, 1);
    QCOMPARE(e_->EPVANProz->text(), text(januar));
    Beenden();
    const double gespeichert = lst::TNewIniFile::AusPfad(Datei().toStdString()).ReadFloat("SV2023", "NVPVAN", 0);
    QVERIFY2(qAbs(gespeichert - januar) < 1e-9, qPrintable(QString::number(gespeichert)));
  }

  // Pictures for a look by eye, the whole form; only when LOHNSTEUER_BILDER
  // names a folder.
  void bilder() {
    const QString ziel = qEnvironmentVariable("LOHNSTEUER_BILDER");
    if (ziel.isEmpty()) QSKIP("LOHNSTEUER_BILDER not set");
    auto* rollen = qobject_cast<QScrollArea*>(r_->centralWidget());
    QVERIFY(rollen != nullptr);
    r_->resize(rollen->widget()->sizeHint() + QSize(4, r_->menuBar()->sizeHint().height() + 4));
    auto speichern = [&](const QString& name) {
      QTest::qWait(50);
      QVERIFY(r_->grab().save(ziel + "/" + name + ".png"));
    };
    Zeit(2026, 12);
    Eintippen(e_->ELohn, QStringLiteral("1500"));
    Eintippen(e_->EVersBez, QStringLiteral("1600"));
    e_->CBStKl->setCurrentIndex(4);
    speichern(QStringLiteral("hinweis_versorgung_klasse5"));
    e_->CBStKl->setCurrentIndex(3);
    Klick(e_->cbAF);
    Eintippen(e_->EVersBez, QString());
    Eintippen(e_->ELohn, QStringLiteral("500"));
    speichern(QStringLiteral("hinweis_faktor_minijobgrenze"));
  }
};

QTEST_MAIN(TestFeldhinweise)
#include "test_feldhinweise.moc"
