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
  void Zeit(int jahr, int monat) {
    Waehlen(e_->CBJahr, jahr);
    Waehlen(e_->CBMonat, monat);
    QCOMPARE(int(S().Parameter.Jahr), jahr);
    QCOMPARE(int(S().Parameter.Monat), monat);
  }
  // A key typed into the field: four digits take effect with the last one,
  // anything shorter when the field is left with Enter.
  void Gruppe(const QString& text) {
    Eintippen(e_->EBeitragsgruppe, text);
    if (text.size() != 4) QTest::keyClick(e_->EBeitragsgruppe, Qt::Key_Return);
  }
  QString Feld() const { return e_->EBeitragsgruppe->text(); }
  QString Gruppe() const {
    return QString::fromStdString(lst::BeitragsgruppeDerAnfrage(S().Parameter, S().Anfrage).Text());
  }
  // A plain employee in the West: general table, statutory insurance.
  void Grundzustand() {
    Gruppe(QString());
    Klick(e_->rbAllgTab);
    Setzen(e_->CBGF, false);
    Setzen(e_->CBprivHH, false);
    Setzen(e_->cbPriv, false);
    QVERIFY(!e_->rbBesTab->isChecked());
    QCOMPARE(Feld(), QStringLiteral("1111"));
  }
  // The window's request and results against the command line's for the
  // same options; when the command line refuses them, the window's field
  // is red with the same message.
  void WieKommandozeile(const QStringList& optionen) {
    const std::string fehler = WieKommandozeileRechnung(S(), optionen);
    if (!fehler.empty()) {
      QVERIFY2(Rot(e_->EBeitragsgruppe), fehler.c_str());
      QCOMPARE(e_->EBeitragsgruppe->toolTip(), QString::fromStdString(fehler));
      QVERIFY(!S().Anfrage.Beitragsgruppe.has_value());
      return;
    }
    if (QTest::currentTestFailed()) return;
    WieDieKommandozeile(S(), optionen);
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
          if (minijob) Klick(e_->CBGF);
          const QString brutto = minijob || minijobGruppe ? QStringLiteral("400") : QStringLiteral("3456,78");
          Eintippen(e_->ELohn, brutto);
          Gruppe(gruppe);
          QStringList o{"--jahr", QString::number(z.Jahr), "--monat", QString::number(z.Monat), "--brutto", brutto,
                        "--beitragsgruppe", gruppe};
          if (minijob) o << "--minijob";
          qInfo().noquote() << o.join(QLatin1Char(' '));
          if (!Rot(e_->EBeitragsgruppe)) {
            QCOMPARE(Feld(), gruppe);
            QCOMPARE(Gruppe(), gruppe);
            QVERIFY(S().Anfrage.Beitragsgruppe.has_value());
          }
          WieKommandozeile(o);
          if (QTest::currentTestFailed()) return;
          // The employer's view computes from the same request.
          e_->Arbeitgeberanteil1->trigger();
          if (!Rot(e_->EBeitragsgruppe)) WieDieKommandozeile(S(), o << "--arbeitgeber");
          e_->Arbeitnehmeranteil1->trigger();
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
    Eintippen(e_->ELohn, QStringLiteral("3000"));
    QCOMPARE(Feld(), QStringLiteral("1111"));
    QVERIFY(e_->EBeitragsgruppe->isEnabled());

    Gruppe(QStringLiteral("6500"));
    QVERIFY(e_->CBGF->isChecked());
    QVERIFY(!e_->CBAufst->isChecked());
    QVERIFY(!e_->EAufProz->isEnabled());
    QVERIFY(e_->EAufProz->text().isEmpty());
    QVERIFY(!e_->E_KinderU25->isEnabled());  // a minijob pays no care contribution
    QVERIFY(e_->CBPauschSt->isEnabled());

    // 0100 beside a minijob: privately insured, with the top-up.
    Gruppe(QStringLiteral("0100"));
    QVERIFY(e_->CBGF->isChecked());
    QVERIFY(e_->CBAufst->isChecked());
    QVERIFY(e_->cbPriv->isChecked());
    QVERIFY(e_->EAufProz->isEnabled());

    // A minijob's key in a private household keeps the household.
    Klick(e_->cbPriv);
    QCOMPARE(Feld(), QStringLiteral("6100"));
    Klick(e_->CBprivHH);
    QCOMPARE(Feld(), QStringLiteral("6100"));
    Gruppe(QStringLiteral("6500"));
    QVERIFY(e_->CBprivHH->isChecked());
    QVERIFY(!e_->CBGF->isChecked());
    QVERIFY(!e_->CBAufst->isChecked());

    // Private insurance of an employee: health and care rates are out.
    Gruppe(QStringLiteral("0110"));
    QVERIFY(!e_->CBprivHH->isChecked());
    QVERIFY(e_->cbPriv->isChecked());
    QVERIFY(e_->rbAllgTab->isChecked());
    for (lst::TEditCS* e : {e_->EKVANProz, e_->EKVAGProz, e_->EKV2ANProz, e_->EPVANProz, e_->EPVAGProz, e_->ePV2ANProz}) {
      QVERIFY2(!e->isEnabled(), qPrintable(e->objectName()));
      QVERIFY2(e->text().isEmpty(), qPrintable(e->objectName()));
    }
    QVERIFY(e_->ERVANProz->isEnabled());
    QVERIFY(e_->EPVWert->isEnabled());
    QVERIFY(e_->EPVWertPV->isEnabled());
    QVERIFY(!e_->E_KinderU25->isEnabled());

    Gruppe(QStringLiteral("3321"));
    QVERIFY(e_->rbBesTab->isChecked());
    QVERIFY(!e_->cbPriv->isChecked());
    QVERIFY(!e_->CBGF->isChecked());
    QCOMPARE(e_->EKVANProz->text(), QStringLiteral("7,0"));
    QCOMPARE(e_->EKVAGProz->text(), QStringLiteral("7,0"));
    QVERIFY(!e_->EKVANProz->isEnabled());
    QVERIFY(!e_->ERVANProz->isEnabled());
    QVERIFY(e_->ERVANProz->text().isEmpty());
    QVERIFY(e_->ERVAGProz->isEnabled());
    QVERIFY(!e_->ERVAGProz->text().isEmpty());
    QVERIFY(e_->EAVANProz->text().isEmpty());
    QVERIFY(!e_->EAVAGProz->text().isEmpty());
    QVERIFY(e_->EPVANProz->isEnabled());
    QVERIFY(e_->E_KinderU25->isEnabled());
    QCOMPARE(S().Ergebnis.Beitrag(lst::svRV).AN, std::int64_t{0});
    QVERIFY(S().Ergebnis.Beitrag(lst::svRV).AG > 0);
    QCOMPARE(S().Ergebnis.Beitrag(lst::svKV).AN, std::int64_t{21000});
    // The key stays in force through other inputs, and in another month.
    Eintippen(e_->ELohn, QStringLiteral("3100"));
    QCOMPARE(Feld(), QStringLiteral("3321"));
    Waehlen(e_->CBMonat, 3);
    QCOMPARE(Feld(), QStringLiteral("3321"));
    QCOMPARE(e_->EKVANProz->text(), QStringLiteral("7,0"));
    WieKommandozeile({"--jahr", "2026", "--monat", "3", "--brutto", "3100", "--beitragsgruppe", "3321"});

    // Digits the boxes cannot say: the boxes describe 1111 and the key
    // stays 3111, 9111 or 0111.
    Gruppe(QStringLiteral("3111"));
    QVERIFY(e_->rbAllgTab->isChecked());
    QCOMPARE(Feld(), QStringLiteral("3111"));
    QCOMPARE(e_->EKVANProz->text(), QStringLiteral("7,0"));
    Gruppe(QStringLiteral("0111"));
    QCOMPARE(Feld(), QStringLiteral("0111"));
    QVERIFY(!e_->cbPriv->isChecked());
    QVERIFY(e_->EKVANProz->text().isEmpty());
    QVERIFY(e_->EPVANProz->isEnabled());
    QCOMPARE(S().Ergebnis.Beitrag(lst::svKV).AN, std::int64_t{0});
    QVERIFY(S().Ergebnis.Beitrag(lst::svPV).AN > 0);
  }

  // A click on a box of the insurance ends the typed key: the field shows
  // the key the boxes describe, the rates are the table's again.
  void kaestchenVerwirftSchluessel() {
    Zeit(2026, 12);
    Eintippen(e_->ELohn, QStringLiteral("3000"));
    Gruppe(QStringLiteral("3321"));
    Klick(e_->rbAllgTab);
    QCOMPARE(Feld(), QStringLiteral("1111"));
    QVERIFY(!S().Anfrage.Beitragsgruppe.has_value());
    QVERIFY(e_->EKVANProz->isEnabled());
    QCOMPARE(e_->EKVANProz->text(), QStringLiteral("7,3"));
    QVERIFY(e_->ERVANProz->isEnabled());

    Gruppe(QStringLiteral("3111"));
    Klick(e_->CBGF);
    QVERIFY(e_->CBAufst->isChecked());
    QCOMPARE(Feld(), QStringLiteral("6100"));
    Klick(e_->CBAufst);
    QCOMPARE(Feld(), QStringLiteral("6500"));
    Klick(e_->CBGF);
    QCOMPARE(Feld(), QStringLiteral("1111"));
    QCOMPARE(e_->EKVANProz->text(), QStringLiteral("7,3"));

    Gruppe(QStringLiteral("0111"));
    Klick(e_->cbPriv);
    QCOMPARE(Feld(), QStringLiteral("0110"));
    Klick(e_->rbBesTab);
    QCOMPARE(Feld(), QStringLiteral("0000"));
    QVERIFY(e_->cbPriv->isChecked());
    // An emptied field gives the boxes the say as well.
    Gruppe(QStringLiteral("3321"));
    QVERIFY(!e_->cbPriv->isChecked());
    Gruppe(QString());
    QCOMPARE(Feld(), QStringLiteral("1001"));
    QVERIFY(!Rot(e_->EBeitragsgruppe));
    QVERIFY(!S().Anfrage.Beitragsgruppe.has_value());
  }

  // A key the core refuses, or no key at all: the field is red with the
  // message as its tooltip, and the key in force before stays.
  void abgelehnterSchluessel() {
    Zeit(2026, 12);
    Eintippen(e_->ELohn, QStringLiteral("3000"));
    const QString hinweis = e_->EBeitragsgruppe->toolTip();
    Gruppe(QStringLiteral("3111"));
    const std::int64_t netto = S().Ergebnis.Netto;
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
      QVERIFY2(Rot(e_->EBeitragsgruppe), f.Text);
      QCOMPARE(Feld(), QString::fromLatin1(f.Text));
      if (f.Meldung != nullptr) QCOMPARE(e_->EBeitragsgruppe->toolTip(), QString::fromUtf8(f.Meldung));
      QVERIFY(e_->EBeitragsgruppe->toolTip().startsWith(QStringLiteral("Beitragsgruppe ")) || f.Meldung != nullptr);
      // Nothing changed.
      QCOMPARE(Gruppe(), QStringLiteral("3111"));
      QCOMPARE(S().Ergebnis.Netto, netto);
      QVERIFY(!e_->CBGF->isChecked());
      QVERIFY(e_->rbAllgTab->isChecked());
    }
    // Leaving the field ends its editing as Enter does.
    Eintippen(e_->EBeitragsgruppe, QStringLiteral("33"));
    e_->ELohn->setFocus();
    QVERIFY(Rot(e_->EBeitragsgruppe));
    QVERIFY(e_->EBeitragsgruppe->toolTip().startsWith(QStringLiteral("„33“")));
    QCOMPARE(Gruppe(), QStringLiteral("3111"));
    // The refused text stays through other inputs.
    Eintippen(e_->ELohn, QStringLiteral("3001"));
    QCOMPARE(Feld(), QStringLiteral("33"));
    QVERIFY(Rot(e_->EBeitragsgruppe));
    QCOMPARE(Gruppe(), QStringLiteral("3111"));
    // A key taken ends the warning.
    Gruppe(QStringLiteral("1111"));
    QVERIFY(!Rot(e_->EBeitragsgruppe));
    QCOMPARE(e_->EBeitragsgruppe->toolTip(), hinweis);
    QCOMPARE(e_->EKVANProz->text(), QStringLiteral("7,3"));
  }

  // Before 2014 there is no group; a key the new period refuses goes, and
  // the field says why.
  void jahreUndPerioden() {
    Zeit(2026, 12);
    Gruppe(QStringLiteral("3321"));
    Waehlen(e_->CBJahr, 2013);
    QVERIFY(!e_->EBeitragsgruppe->isEnabled());
    QVERIFY(e_->EBeitragsgruppe->text().isEmpty());
    QVERIFY(!S().Anfrage.Beitragsgruppe.has_value());
    QVERIFY(!Datensaetze(S()).SV.MitGruppe);
    Waehlen(e_->CBJahr, 2026);
    QVERIFY(e_->EBeitragsgruppe->isEnabled());
    // The boxes 3321 had set describe the group now.
    QCOMPARE(Feld(), QStringLiteral("1001"));
    Klick(e_->rbAllgTab);
    QCOMPARE(Feld(), QStringLiteral("1111"));

    // From 2017 to 2021 the employer paid no unemployment share alone (the
    // year chosen in the menu: one switch).
    Gruppe(QStringLiteral("3321"));
    r_->findChild<QAction*>(QStringLiteral("Jahr2019"))->trigger();
    QCOMPARE(int(S().Parameter.Jahr), 2019);
    QVERIFY(Rot(e_->EBeitragsgruppe));
    QCOMPARE(Feld(), QStringLiteral("3321"));
    QVERIFY2(e_->EBeitragsgruppe->toolTip().contains(QStringLiteral("AV 2")),
             qPrintable(e_->EBeitragsgruppe->toolTip()));
    QVERIFY(!S().Anfrage.Beitragsgruppe.has_value());
    // The next switch asks afresh.
    Waehlen(e_->CBMonat, 11);
    QVERIFY(!Rot(e_->EBeitragsgruppe));
    QCOMPARE(Feld(), QStringLiteral("1001"));
    Gruppe(QStringLiteral("3301"));
    QVERIFY(!Rot(e_->EBeitragsgruppe));
    QVERIFY(e_->rbBesTab->isChecked());
    Eintippen(e_->ELohn, QStringLiteral("2800"));
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
    Eintippen(e_->ELohn, QStringLiteral("3456,78"));
    Gruppe(QStringLiteral("3321"));
    speichern(QStringLiteral("gruppe_3321_2026"));
    Klick(e_->rbAllgTab);
    Eintippen(e_->ELohn, QStringLiteral("556"));
    Gruppe(QStringLiteral("6500"));
    speichern(QStringLiteral("gruppe_6500_2026"));
    Klick(e_->CBGF);
    Gruppe(QStringLiteral("0110"));
    Eintippen(e_->EPVWert, QStringLiteral("650"));
    Eintippen(e_->EPVWertPV, QStringLiteral("90"));
    speichern(QStringLiteral("gruppe_0110_2026"));
    Klick(e_->cbPriv);
    Gruppe(QStringLiteral("2111"));
    speichern(QStringLiteral("gruppe_abgelehnt"));
    Zeit(2025, 2);
    Eintippen(e_->ELohn, QStringLiteral("3040,47"));
    speichern(QStringLiteral("februar_2025"));
    Klick(e_->cbUrspruenglich);
    speichern(QStringLiteral("februar_2025_urspruenglich"));
  }
};

QTEST_MAIN(TestBeitragsgruppeFenster)
#include "test_beitragsgruppe_fenster.moc"
