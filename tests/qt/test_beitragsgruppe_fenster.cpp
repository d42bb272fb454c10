// The contribution group in the calculator window, typed and clicked as a
// user does: the field shows the key in force, a typed key sets the boxes and
// stays in force until a box is clicked, a key the core refuses turns the
// field red and changes nothing, and every group computes as the command
// line computes it.

#include <QAction>
#include <QComboBox>
#include <QMenuBar>
#include <QRadioButton>
#include <QScrollArea>

#include <memory>

#include "calc/beitragsgruppe.h"
#include "calc/jahresregeln.h"
#include "common/qt/edit_cs.h"
#include "fenster_hilfen.h"
#include "ui/anwendung.h"
#include "ui/calculator/rechner.h"

using lst::TFRechner;

class TestBeitragsgruppeFenster : public QObject {
  Q_OBJECT

  QTemporaryDir ordner_;
  std::unique_ptr<lst::TAnwendung> anw_;
  std::unique_ptr<TBoxFaenger> boxen_;
  TFRechner* r_ = nullptr;

  QString Datei() const { return ordner_.filePath(QStringLiteral("DrumselLStTab.ini")); }
  lst::TAbrechnung& D() { return anw_->Daten(); }

  void Starten() {
    anw_ = std::make_unique<lst::TAnwendung>();
    r_ = &anw_->Rechner();
    anw_->Zeigen();
    QVERIFY(QTest::qWaitForWindowExposed(r_));
  }
  void Zeit(int jahr, int monat) {
    Waehlen(r_->CBJahr, jahr);
    Waehlen(r_->CBMonat, monat);
    QCOMPARE(int(anw_->Kontext().LStJahr), jahr);
    QCOMPARE(int(anw_->Kontext().LStMonat), monat);
  }
  // A key typed into the field: four digits take effect with the last one,
  // anything shorter when the field is left with Enter.
  void Gruppe(const QString& text) {
    Eintippen(r_->EBeitragsgruppe, text);
    if (text.size() != 4) QTest::keyClick(r_->EBeitragsgruppe, Qt::Key_Return);
  }
  QString Feld() const { return r_->EBeitragsgruppe->text(); }
  QString Gruppe() const { return QString::fromStdString(lst::BeitragsgruppeDerRechnung(anw_->Daten().Rechnung).Text()); }
  // A plain employee in the West: general table, statutory insurance.
  void Grundzustand() {
    Gruppe(QString());
    Klick(r_->rbAllgTab);
    Setzen(r_->CBGF, false);
    Setzen(r_->CBprivHH, false);
    Setzen(r_->cbPriv, false);
    QVERIFY(!r_->rbBesTab->isChecked());
    QCOMPARE(Feld(), QStringLiteral("1111"));
  }
  // The window's request and results against the command line's for the
  // same options; when the command line refuses them, the window's field
  // is red with the same message.
  void WieKommandozeile(const QStringList& optionen) {
    lst::TRechnung c;
    const std::string fehler = KommandozeilenRechnung(optionen, c);
    if (!fehler.empty()) {
      QVERIFY2(Rot(r_->EBeitragsgruppe), fehler.c_str());
      QCOMPARE(r_->EBeitragsgruppe->toolTip(), QString::fromStdString(fehler));
      QVERIFY(!D().Rechnung.Beitragsgruppe.has_value());
      return;
    }
    r_->EingabenSammeln();
    GleicheRechnung(D().Rechnung, c);
    if (QTest::currentTestFailed()) return;
    WieDieKommandozeile(D(), optionen);
  }

 private slots:
  void initTestCase() {
    TestUmgebung(ordner_);
    boxen_ = std::make_unique<TBoxFaenger>();
  }
  void init() {
    QFile::remove(Datei());
    Starten();
  }
  void cleanup() {
    r_ = nullptr;
    anw_.reset();
  }

  // Each group of the list in four rule periods, typed into the field,
  // against "lohnsteuer-cli berechnen --beitragsgruppe".  A privately
  // insured minijob (0100 beside "GF / MiniJob") as well.
  void jedeGruppeWieDieKommandozeile() {
    struct TZeit {
      int Jahr, Monat;
    };
    const TZeit zeiten[] = {{2014, 12}, {2019, 12}, {2023, 7}, {2026, 12}};
    const char* const gruppen[] = {"1111", "6100", "6500", "0100", "0110", "3321",
                                   "0000", "9111", "0111", "3111", "1121"};
    for (const TZeit& z : zeiten) {
      Zeit(z.Jahr, z.Monat);
      for (const char* g : gruppen) {
        for (const bool minijob : {false, true}) {
          const QString gruppe = QString::fromLatin1(g);
          const bool minijobGruppe = gruppe.startsWith(QLatin1Char('6'));
          if (minijob && gruppe != QStringLiteral("0100")) continue;
          Grundzustand();
          if (minijob) Klick(r_->CBGF);
          const QString brutto = minijob || minijobGruppe ? QStringLiteral("400") : QStringLiteral("3456,78");
          Eintippen(r_->ELohn, brutto);
          Gruppe(gruppe);
          QStringList o{"--jahr", QString::number(z.Jahr), "--monat", QString::number(z.Monat), "--brutto", brutto,
                        "--beitragsgruppe", gruppe};
          if (minijob) o << "--minijob";
          qInfo().noquote() << o.join(QLatin1Char(' '));
          if (!Rot(r_->EBeitragsgruppe)) {
            QCOMPARE(Feld(), gruppe);
            QCOMPARE(Gruppe(), gruppe);
            QVERIFY(D().Rechnung.Beitragsgruppe.has_value());
          }
          WieKommandozeile(o);
          if (QTest::currentTestFailed()) return;
          // The employer's view computes from the same request.
          r_->Arbeitgeberanteil1->trigger();
          if (!Rot(r_->EBeitragsgruppe)) WieDieKommandozeile(D(), o << "--arbeitgeber");
          r_->Arbeitnehmeranteil1->trigger();
          if (QTest::currentTestFailed()) return;
        }
      }
    }
  }

  // A typed key sets the boxes as the core says; the rates show what the
  // key levies: a share not levied disabled and empty, the reduced health
  // rate of KV 3 shown but not typed over.
  void schluesselSetztKaestchen() {
    Zeit(2026, 12);
    Eintippen(r_->ELohn, QStringLiteral("3000"));
    QCOMPARE(Feld(), QStringLiteral("1111"));
    QVERIFY(r_->EBeitragsgruppe->isEnabled());

    Gruppe(QStringLiteral("6500"));
    QVERIFY(r_->CBGF->isChecked());
    QVERIFY(!r_->CBAufst->isChecked());
    QVERIFY(!r_->EAufProz->isEnabled());
    QVERIFY(r_->EAufProz->text().isEmpty());
    QVERIFY(!r_->E_KinderU25->isEnabled());  // a minijob pays no care contribution
    QVERIFY(r_->CBPauschSt->isEnabled());

    // 0100 beside a minijob: privately insured, with the top-up.
    Gruppe(QStringLiteral("0100"));
    QVERIFY(r_->CBGF->isChecked());
    QVERIFY(r_->CBAufst->isChecked());
    QVERIFY(r_->cbPriv->isChecked());
    QVERIFY(r_->EAufProz->isEnabled());

    // A minijob's key in a private household keeps the household.
    Klick(r_->cbPriv);
    QCOMPARE(Feld(), QStringLiteral("6100"));
    Klick(r_->CBprivHH);
    QCOMPARE(Feld(), QStringLiteral("6100"));
    Gruppe(QStringLiteral("6500"));
    QVERIFY(r_->CBprivHH->isChecked());
    QVERIFY(!r_->CBGF->isChecked());
    QVERIFY(!r_->CBAufst->isChecked());

    // Private insurance of an employee: health and care rates are out.
    Gruppe(QStringLiteral("0110"));
    QVERIFY(!r_->CBprivHH->isChecked());
    QVERIFY(r_->cbPriv->isChecked());
    QVERIFY(r_->rbAllgTab->isChecked());
    for (lst::TEditCS* e : {r_->EKVANProz, r_->EKVAGProz, r_->EKV2ANProz, r_->EPVANProz, r_->EPVAGProz, r_->ePV2ANProz}) {
      QVERIFY2(!e->isEnabled(), qPrintable(e->objectName()));
      QVERIFY2(e->text().isEmpty(), qPrintable(e->objectName()));
    }
    QVERIFY(r_->ERVANProz->isEnabled());
    QVERIFY(r_->EPVWert->isEnabled());
    QVERIFY(r_->EPVWertPV->isEnabled());
    QVERIFY(!r_->E_KinderU25->isEnabled());

    Gruppe(QStringLiteral("3321"));
    QVERIFY(r_->rbBesTab->isChecked());
    QVERIFY(!r_->cbPriv->isChecked());
    QVERIFY(!r_->CBGF->isChecked());
    QCOMPARE(r_->EKVANProz->text(), QStringLiteral("7,0"));
    QCOMPARE(r_->EKVAGProz->text(), QStringLiteral("7,0"));
    QVERIFY(!r_->EKVANProz->isEnabled());
    QVERIFY(!r_->ERVANProz->isEnabled());
    QVERIFY(r_->ERVANProz->text().isEmpty());
    QVERIFY(r_->ERVAGProz->isEnabled());
    QVERIFY(!r_->ERVAGProz->text().isEmpty());
    QVERIFY(r_->EAVANProz->text().isEmpty());
    QVERIFY(!r_->EAVAGProz->text().isEmpty());
    QVERIFY(r_->EPVANProz->isEnabled());
    QVERIFY(r_->E_KinderU25->isEnabled());
    QCOMPARE(D().Ergebnis.SV.AN(lst::svRV), std::int64_t{0});
    QVERIFY(D().Ergebnis.SV.AG(lst::svRV) > 0);
    QCOMPARE(D().Ergebnis.SV.AN(lst::svKV), std::int64_t{21000});
    // The key stays in force through other inputs, and in another month.
    Eintippen(r_->ELohn, QStringLiteral("3100"));
    QCOMPARE(Feld(), QStringLiteral("3321"));
    Waehlen(r_->CBMonat, 3);
    QCOMPARE(Feld(), QStringLiteral("3321"));
    QCOMPARE(r_->EKVANProz->text(), QStringLiteral("7,0"));
    WieKommandozeile({"--jahr", "2026", "--monat", "3", "--brutto", "3100", "--beitragsgruppe", "3321"});

    // Digits the boxes cannot say: the boxes describe 1111 and the key
    // stays 3111, 9111 or 0111.
    Gruppe(QStringLiteral("3111"));
    QVERIFY(r_->rbAllgTab->isChecked());
    QCOMPARE(Feld(), QStringLiteral("3111"));
    QCOMPARE(r_->EKVANProz->text(), QStringLiteral("7,0"));
    Gruppe(QStringLiteral("0111"));
    QCOMPARE(Feld(), QStringLiteral("0111"));
    QVERIFY(!r_->cbPriv->isChecked());
    QVERIFY(r_->EKVANProz->text().isEmpty());
    QVERIFY(r_->EPVANProz->isEnabled());
    QCOMPARE(D().Ergebnis.SV.AN(lst::svKV), std::int64_t{0});
    QVERIFY(D().Ergebnis.SV.AN(lst::svPV) > 0);
  }

  // A click on a box of the insurance ends the typed key: the field shows
  // the key the boxes describe, the rates are the table's again.
  void kaestchenVerwirftSchluessel() {
    Zeit(2026, 12);
    Eintippen(r_->ELohn, QStringLiteral("3000"));
    Gruppe(QStringLiteral("3321"));
    Klick(r_->rbAllgTab);
    QCOMPARE(Feld(), QStringLiteral("1111"));
    QVERIFY(!D().Rechnung.Beitragsgruppe.has_value());
    QVERIFY(r_->EKVANProz->isEnabled());
    QCOMPARE(r_->EKVANProz->text(), QStringLiteral("7,3"));
    QVERIFY(r_->ERVANProz->isEnabled());

    Gruppe(QStringLiteral("3111"));
    Klick(r_->CBGF);
    QVERIFY(r_->CBAufst->isChecked());
    QCOMPARE(Feld(), QStringLiteral("6100"));
    Klick(r_->CBAufst);
    QCOMPARE(Feld(), QStringLiteral("6500"));
    Klick(r_->CBGF);
    QCOMPARE(Feld(), QStringLiteral("1111"));
    QCOMPARE(r_->EKVANProz->text(), QStringLiteral("7,3"));

    Gruppe(QStringLiteral("0111"));
    Klick(r_->cbPriv);
    QCOMPARE(Feld(), QStringLiteral("0110"));
    Klick(r_->rbBesTab);
    QCOMPARE(Feld(), QStringLiteral("0000"));
    QVERIFY(r_->cbPriv->isChecked());
    // An emptied field gives the boxes the say as well.
    Gruppe(QStringLiteral("3321"));
    QVERIFY(!r_->cbPriv->isChecked());
    Gruppe(QString());
    QCOMPARE(Feld(), QStringLiteral("1001"));
    QVERIFY(!Rot(r_->EBeitragsgruppe));
    QVERIFY(!D().Rechnung.Beitragsgruppe.has_value());
  }

  // A key the core refuses, or no key at all: the field is red with the
  // message as its tooltip, and the key in force before stays.
  void abgelehnterSchluessel() {
    Zeit(2026, 12);
    Eintippen(r_->ELohn, QStringLiteral("3000"));
    const QString hinweis = r_->EBeitragsgruppe->toolTip();
    Gruppe(QStringLiteral("3111"));
    const std::int64_t netto = D().Ergebnis.Netto;
    struct TFall {
      const char* Text;
      const char* Meldung;
    };
    const TFall faelle[] = {
        {"2111", "Beitragsgruppe 2111: KV 2 (erhöhter Beitragssatz) gab es nur bis 2008"},
        {"1110", "Beitragsgruppe 1110: wer gesetzlich krankenversichert ist, ist auch in der sozialen "
                 "Pflegeversicherung versichert (PV 1)"},
        {"1112", "Beitragsgruppe 1112: PV 2 (halber Beitrag bei Anspruch auf Beihilfe) rechnet das Programm nicht"},
        {"6111", nullptr},
        {"12", "„12“ sind nicht vier Ziffern (KV, RV, AV, PV), z. B. 1111"},
    };
    for (const TFall& f : faelle) {
      Gruppe(QString::fromLatin1(f.Text));
      QVERIFY2(Rot(r_->EBeitragsgruppe), f.Text);
      QCOMPARE(Feld(), QString::fromLatin1(f.Text));
      if (f.Meldung != nullptr) QCOMPARE(r_->EBeitragsgruppe->toolTip(), QString::fromUtf8(f.Meldung));
      QVERIFY(r_->EBeitragsgruppe->toolTip().startsWith(QStringLiteral("Beitragsgruppe ")) || f.Meldung != nullptr);
      // Nothing changed.
      QCOMPARE(Gruppe(), QStringLiteral("3111"));
      QCOMPARE(D().Ergebnis.Netto, netto);
      QVERIFY(!r_->CBGF->isChecked());
      QVERIFY(r_->rbAllgTab->isChecked());
    }
    // Leaving the field ends its editing as Enter does.
    Eintippen(r_->EBeitragsgruppe, QStringLiteral("33"));
    r_->ELohn->setFocus();
    QVERIFY(Rot(r_->EBeitragsgruppe));
    QVERIFY(r_->EBeitragsgruppe->toolTip().startsWith(QStringLiteral("„33“")));
    QCOMPARE(Gruppe(), QStringLiteral("3111"));
    // The refused text stays through other inputs.
    Eintippen(r_->ELohn, QStringLiteral("3001"));
    QCOMPARE(Feld(), QStringLiteral("33"));
    QVERIFY(Rot(r_->EBeitragsgruppe));
    QCOMPARE(Gruppe(), QStringLiteral("3111"));
    // A key taken ends the warning.
    Gruppe(QStringLiteral("1111"));
    QVERIFY(!Rot(r_->EBeitragsgruppe));
    QCOMPARE(r_->EBeitragsgruppe->toolTip(), hinweis);
    QCOMPARE(r_->EKVANProz->text(), QStringLiteral("7,3"));
  }

  // Before 2014 there is no group; a key the new period refuses goes, and
  // the field says why.
  void jahreUndPerioden() {
    Zeit(2026, 12);
    Gruppe(QStringLiteral("3321"));
    Waehlen(r_->CBJahr, 2013);
    QVERIFY(!r_->EBeitragsgruppe->isEnabled());
    QVERIFY(r_->EBeitragsgruppe->text().isEmpty());
    QVERIFY(!D().Rechnung.Beitragsgruppe.has_value());
    QVERIFY(!D().Rechnung.SV.MitGruppe);
    Waehlen(r_->CBJahr, 2026);
    QVERIFY(r_->EBeitragsgruppe->isEnabled());
    // The boxes 3321 had set describe the group now.
    QCOMPARE(Feld(), QStringLiteral("1001"));
    Klick(r_->rbAllgTab);
    QCOMPARE(Feld(), QStringLiteral("1111"));

    // From 2017 to 2021 the employer paid no unemployment share alone (the
    // year chosen in the menu: one switch).
    Gruppe(QStringLiteral("3321"));
    r_->findChild<QAction*>(QStringLiteral("Jahr2019"))->trigger();
    QCOMPARE(int(anw_->Kontext().LStJahr), 2019);
    QVERIFY(Rot(r_->EBeitragsgruppe));
    QCOMPARE(Feld(), QStringLiteral("3321"));
    QVERIFY2(r_->EBeitragsgruppe->toolTip().contains(QStringLiteral("AV 2")),
             qPrintable(r_->EBeitragsgruppe->toolTip()));
    QVERIFY(!D().Rechnung.Beitragsgruppe.has_value());
    // The next switch asks afresh.
    Waehlen(r_->CBMonat, 11);
    QVERIFY(!Rot(r_->EBeitragsgruppe));
    QCOMPARE(Feld(), QStringLiteral("1001"));
    Gruppe(QStringLiteral("3301"));
    QVERIFY(!Rot(r_->EBeitragsgruppe));
    QVERIFY(r_->rbBesTab->isChecked());
    Eintippen(r_->ELohn, QStringLiteral("2800"));
    WieKommandozeile({"--jahr", "2019", "--monat", "11", "--brutto", "2800", "--beitragsgruppe", "3301"});
  }

  // Pictures for a look by eye, the whole form; only when LOHNSTEUER_BILDER
  // names a folder.
  void bilder() {
    const QString ziel = qEnvironmentVariable("LOHNSTEUER_BILDER");
    if (ziel.isEmpty()) QSKIP("LOHNSTEUER_BILDER not set");
    // The whole form at its designed size, whatever the screen of the
    // offscreen platform allows.
    auto* rollen = qobject_cast<QScrollArea*>(r_->centralWidget());
    QVERIFY(rollen != nullptr);
    r_->resize(rollen->widget()->sizeHint() + QSize(4, r_->menuBar()->sizeHint().height() + 4));
    auto speichern = [&](const QString& name) {
      // The layout follows a longer text once its events have run.
      QTest::qWait(50);
      QVERIFY(r_->grab().save(ziel + "/" + name + ".png"));
    };
    Zeit(2026, 12);
    Eintippen(r_->ELohn, QStringLiteral("3456,78"));
    Gruppe(QStringLiteral("3321"));
    speichern(QStringLiteral("gruppe_3321_2026"));
    Klick(r_->rbAllgTab);
    Eintippen(r_->ELohn, QStringLiteral("556"));
    Gruppe(QStringLiteral("6500"));
    speichern(QStringLiteral("gruppe_6500_2026"));
    Klick(r_->CBGF);
    Gruppe(QStringLiteral("0110"));
    Eintippen(r_->EPVWert, QStringLiteral("650"));
    Eintippen(r_->EPVWertPV, QStringLiteral("90"));
    speichern(QStringLiteral("gruppe_0110_2026"));
    Klick(r_->cbPriv);
    Gruppe(QStringLiteral("2111"));
    speichern(QStringLiteral("gruppe_abgelehnt"));
    Zeit(2025, 2);
    Eintippen(r_->ELohn, QStringLiteral("3040,47"));
    speichern(QStringLiteral("februar_2025"));
    Klick(r_->cbUrspruenglich);
    speichern(QStringLiteral("februar_2025_urspruenglich"));
  }
};

QTEST_MAIN(TestBeitragsgruppeFenster)
#include "test_beitragsgruppe_fenster.moc"
