#pragma once
// Helpers shared by the window tests: a settings folder of their own, typing
// as a user does, catching message boxes, comparing with the command line.

#include <QAction>
#include <QApplication>
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QMenu>
#include <QRadioButton>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <cstdint>
#include <utility>

#include "calc/abrechnung.h"
#include "calc/anzeige.h"
#include "cli/eingabe.h"
#include "common/ini_datei.h"
#include "common/qt/edit_cs.h"
#include "ui/rechner_schnittstelle.h"

// The calculator window's controls, menu entries and result labels, looked
// up by their objectNames (the names the window promises).
struct TRechnerElemente {
  template <class T>
  static T* Suchen(QWidget* r, const char* name) {
    T* t = r->findChild<T*>(QString::fromLatin1(name));
    if (t == nullptr) qFatal("Element %s fehlt", name);
    return t;
  }
  explicit TRechnerElemente(QWidget* r) : Fenster(r) {}
  QWidget* Fenster;
  QComboBox* CBJahr = Suchen<QComboBox>(Fenster, "CBJahr");
  QComboBox* CBMonat = Suchen<QComboBox>(Fenster, "CBMonat");
  QLabel* LMonat = Suchen<QLabel>(Fenster, "LMonat");
  QLabel* LAblaufplan = Suchen<QLabel>(Fenster, "LAblaufplan");
  QCheckBox* cbUrspruenglich = Suchen<QCheckBox>(Fenster, "cbUrspruenglich");
  QCheckBox* CBAlter = Suchen<QCheckBox>(Fenster, "CBAlter");
  lst::TEditCS* edAJahr = Suchen<lst::TEditCS>(Fenster, "edAJahr");
  QComboBox* CBLZZ = Suchen<QComboBox>(Fenster, "CBLZZ");
  QComboBox* CBStKl = Suchen<QComboBox>(Fenster, "CBStKl");
  QCheckBox* cbAF = Suchen<QCheckBox>(Fenster, "cbAF");
  lst::TEditCS* edFaktor = Suchen<lst::TEditCS>(Fenster, "edFaktor");
  QComboBox* cbKirchenSt = Suchen<QComboBox>(Fenster, "cbKirchenSt");
  QCheckBox* CBR = Suchen<QCheckBox>(Fenster, "CBR");
  QRadioButton* rbAllgTab = Suchen<QRadioButton>(Fenster, "rbAllgTab");
  QRadioButton* rbBesTab = Suchen<QRadioButton>(Fenster, "rbBesTab");
  QComboBox* cbTabArt = Suchen<QComboBox>(Fenster, "cbTabArt");
  lst::TEditCS* ELohn = Suchen<lst::TEditCS>(Fenster, "ELohn");
  lst::TEditCS* EVersBez = Suchen<lst::TEditCS>(Fenster, "EVersBez");
  lst::TEditCS* EVBezM = Suchen<lst::TEditCS>(Fenster, "EVBezM");
  lst::TEditCS* EVBezS = Suchen<lst::TEditCS>(Fenster, "EVBezS");
  lst::TEditCS* EZMVB = Suchen<lst::TEditCS>(Fenster, "EZMVB");
  lst::TEditCS* edVJahr = Suchen<lst::TEditCS>(Fenster, "edVJahr");
  lst::TEditCS* EFreibetrag = Suchen<lst::TEditCS>(Fenster, "EFreibetrag");
  lst::TEditCS* EHinzuR = Suchen<lst::TEditCS>(Fenster, "EHinzuR");
  lst::TEditCS* edSterbe = Suchen<lst::TEditCS>(Fenster, "edSterbe");
  lst::TEditCS* E_ZKF = Suchen<lst::TEditCS>(Fenster, "E_ZKF");
  lst::TEditCS* E_KinderU25 = Suchen<lst::TEditCS>(Fenster, "E_KinderU25");
  QLabel* LKinderU25 = Suchen<QLabel>(Fenster, "LKinderU25");
  lst::TEditCS* EKindergeld = Suchen<lst::TEditCS>(Fenster, "EKindergeld");
  QLabel* LKindergeld = Suchen<QLabel>(Fenster, "LKindergeld");
  lst::TEditCS* EKVANProz = Suchen<lst::TEditCS>(Fenster, "EKVANProz");
  lst::TEditCS* EKVAGProz = Suchen<lst::TEditCS>(Fenster, "EKVAGProz");
  QCheckBox* cbKV2 = Suchen<QCheckBox>(Fenster, "cbKV2");
  lst::TEditCS* EKV2ANProz = Suchen<lst::TEditCS>(Fenster, "EKV2ANProz");
  lst::TEditCS* ERVANProz = Suchen<lst::TEditCS>(Fenster, "ERVANProz");
  lst::TEditCS* ERVAGProz = Suchen<lst::TEditCS>(Fenster, "ERVAGProz");
  QCheckBox* CBAufst = Suchen<QCheckBox>(Fenster, "CBAufst");
  lst::TEditCS* EAufProz = Suchen<lst::TEditCS>(Fenster, "EAufProz");
  lst::TEditCS* EAVANProz = Suchen<lst::TEditCS>(Fenster, "EAVANProz");
  lst::TEditCS* EAVAGProz = Suchen<lst::TEditCS>(Fenster, "EAVAGProz");
  lst::TEditCS* EPVANProz = Suchen<lst::TEditCS>(Fenster, "EPVANProz");
  lst::TEditCS* EPVAGProz = Suchen<lst::TEditCS>(Fenster, "EPVAGProz");
  QCheckBox* cbPV2 = Suchen<QCheckBox>(Fenster, "cbPV2");
  lst::TEditCS* ePV2ANProz = Suchen<lst::TEditCS>(Fenster, "ePV2ANProz");
  QCheckBox* cbPriv = Suchen<QCheckBox>(Fenster, "cbPriv");
  lst::TEditCS* EPVWert = Suchen<lst::TEditCS>(Fenster, "EPVWert");
  lst::TEditCS* EPVWertPV = Suchen<lst::TEditCS>(Fenster, "EPVWertPV");
  QLabel* LPVWertPV = Suchen<QLabel>(Fenster, "LPVWertPV");
  lst::TEditCS* EBeitragsgruppe = Suchen<lst::TEditCS>(Fenster, "EBeitragsgruppe");
  QLabel* LBeitragsgruppe = Suchen<QLabel>(Fenster, "LBeitragsgruppe");
  QGroupBox* RGprivTyp = Suchen<QGroupBox>(Fenster, "RGprivTyp");
  QGroupBox* RGOstWest = Suchen<QGroupBox>(Fenster, "RGOstWest");
  QCheckBox* cbSachsen = Suchen<QCheckBox>(Fenster, "cbSachsen");
  QCheckBox* CBGleitZ = Suchen<QCheckBox>(Fenster, "CBGleitZ");
  QCheckBox* CBRV_Verzicht = Suchen<QCheckBox>(Fenster, "CBRV_Verzicht");
  QCheckBox* CBGF = Suchen<QCheckBox>(Fenster, "CBGF");
  QCheckBox* CBprivHH = Suchen<QCheckBox>(Fenster, "CBprivHH");
  QCheckBox* CBPauschSt = Suchen<QCheckBox>(Fenster, "CBPauschSt");
  lst::TEditCS* EPauschSt = Suchen<lst::TEditCS>(Fenster, "EPauschSt");
  QLineEdit* EZusText = Suchen<QLineEdit>(Fenster, "EZusText");
  lst::TEditCS* EZusBetrag = Suchen<lst::TEditCS>(Fenster, "EZusBetrag");
  lst::TEditCS* EU1Proz = Suchen<lst::TEditCS>(Fenster, "EU1Proz");
  lst::TEditCS* EU2Proz = Suchen<lst::TEditCS>(Fenster, "EU2Proz");
  QFrame* PErg = Suchen<QFrame>(Fenster, "PErg");
  QLabel* LErg = Suchen<QLabel>(Fenster, "LErg");
  QLabel* LLoSt = Suchen<QLabel>(Fenster, "LLoSt");
  QLabel* LTxtNetto = Suchen<QLabel>(Fenster, "LTxtNetto");
  QLabel* LTxtWunsch = Suchen<QLabel>(Fenster, "LTxtWunsch");
  QLabel* LTxt7 = Suchen<QLabel>(Fenster, "LTxt7");
  QLabel* LTxtEndsumme = Suchen<QLabel>(Fenster, "LTxtEndsumme");
  QLabel* ErgText = Suchen<QLabel>(Fenster, "ErgText");
  QLabel* ErgBruttoLohn = Suchen<QLabel>(Fenster, "ErgBruttoLohn");
  QLabel* ErgLohnSt = Suchen<QLabel>(Fenster, "ErgLohnSt");
  QLabel* ErgKirchenSt = Suchen<QLabel>(Fenster, "ErgKirchenSt");
  QLabel* ErgSoli = Suchen<QLabel>(Fenster, "ErgSoli");
  QLabel* ErgSteuern = Suchen<QLabel>(Fenster, "ErgSteuern");
  QLabel* ErgNachSt = Suchen<QLabel>(Fenster, "ErgNachSt");
  QLabel* ErgKV = Suchen<QLabel>(Fenster, "ErgKV");
  QLabel* ErgKV2 = Suchen<QLabel>(Fenster, "ErgKV2");
  QLabel* ErgRV = Suchen<QLabel>(Fenster, "ErgRV");
  QLabel* ErgAV = Suchen<QLabel>(Fenster, "ErgAV");
  QLabel* ErgPV = Suchen<QLabel>(Fenster, "ErgPV");
  QLabel* ErgPV2 = Suchen<QLabel>(Fenster, "ErgPV2");
  QLabel* ErgSV = Suchen<QLabel>(Fenster, "ErgSV");
  QLabel* ErgZusatz = Suchen<QLabel>(Fenster, "ErgZusatz");
  QLabel* ErgNettoLohn = Suchen<QLabel>(Fenster, "ErgNettoLohn");
  QLabel* ErgKiGeld = Suchen<QLabel>(Fenster, "ErgKiGeld");
  QLabel* ErgKiGeldZwi = Suchen<QLabel>(Fenster, "ErgKiGeldZwi");
  QLabel* LTxtBE = Suchen<QLabel>(Fenster, "LTxtBE");
  QLabel* ErgBE = Suchen<QLabel>(Fenster, "ErgBE");
  QLabel* LTxtBEAN = Suchen<QLabel>(Fenster, "LTxtBEAN");
  QLabel* ErgBEAN = Suchen<QLabel>(Fenster, "ErgBEAN");
  QLabel* LTxtU1 = Suchen<QLabel>(Fenster, "LTxtU1");
  QLabel* ErgU1 = Suchen<QLabel>(Fenster, "ErgU1");
  QLabel* LTxtU2 = Suchen<QLabel>(Fenster, "LTxtU2");
  QLabel* ErgU2 = Suchen<QLabel>(Fenster, "ErgU2");
  QLabel* LTxtIGU = Suchen<QLabel>(Fenster, "LTxtIGU");
  QLabel* ErgIGU = Suchen<QLabel>(Fenster, "ErgIGU");
  QLabel* LTxtUmlagenGesamt = Suchen<QLabel>(Fenster, "LTxtUmlagenGesamt");
  QLabel* ErgUmlagenGesamt = Suchen<QLabel>(Fenster, "ErgUmlagenGesamt");
  lst::TEditCS* ENettoLohn = Suchen<lst::TEditCS>(Fenster, "ENettoLohn");
  QAction* Steuerklassenvgl1 = Suchen<QAction>(Fenster, "Steuerklassenvgl1");
  QAction* Tabelle1 = Suchen<QAction>(Fenster, "Tabelle1");
  QAction* Grafik1 = Suchen<QAction>(Fenster, "Grafik1");
  QAction* EinkStTabelle1 = Suchen<QAction>(Fenster, "EinkStTabelle1");
  QAction* Drucken1 = Suchen<QAction>(Fenster, "Drucken1");
  QAction* ProgrammBeenden1 = Suchen<QAction>(Fenster, "ProgrammBeenden1");
  QAction* Arbeitgeberanteil1 = Suchen<QAction>(Fenster, "Arbeitgeberanteil1");
  QAction* Arbeitnehmeranteil1 = Suchen<QAction>(Fenster, "Arbeitnehmeranteil1");
  QAction* EinkommensteuerAnzeige1 = Suchen<QAction>(Fenster, "EinkommensteuerAnzeige1");
  QAction* LohnUmrAnz1 = Suchen<QAction>(Fenster, "LohnUmrAnz1");
  QMenu* Steuerjahr1 = Suchen<QMenu>(Fenster, "Steuerjahr1");
  QAction* BetraegeInDM1 = Suchen<QAction>(Fenster, "BetraegeInDM1");
  QAction* Grundfreibetrag8004 = Suchen<QAction>(Fenster, "Grundfreibetrag8004");
  QAction* Grundfreibetrag8130 = Suchen<QAction>(Fenster, "Grundfreibetrag8130");
  QAction* Bemessungsgrenzen1 = Suchen<QAction>(Fenster, "Bemessungsgrenzen1");
  QAction* Drucker1 = Suchen<QAction>(Fenster, "Drucker1");
  QAction* Info1 = Suchen<QAction>(Fenster, "Info1");
  // One radio entry per year in the menu "Steuerjahr", newest first.
  QList<QAction*> JahrEintraege = Steuerjahr1->actions();
};

// The settings in the folder name a tax year, as after a session in it: the
// window starts there (a first start opens the newest year).
inline void JahrVorgeben(const QTemporaryDir& ordner, int jahr) {
  lst::TNewIniFile ini =
      lst::TNewIniFile::AusPfad(ordner.filePath(QStringLiteral("DrumselLStTab.ini")).toStdString());
  QVERIFY(ini.WriteInteger("LoSt", "Jahr", jahr));
}

// Points XDG_CONFIG_HOME at a temporary folder and sets the German locale,
// as the program does on a machine that is not German.
inline void TestUmgebung(QTemporaryDir& ordner) {
  QVERIFY(ordner.isValid());
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(ordner.path()));
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

// Replaces the text of a field by typing: select all, then the keys.
inline void Eintippen(QWidget* feld, const QString& text) {
  QVERIFY(feld != nullptr);
  feld->setFocus();
  QTest::keyClick(feld, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(feld, Qt::Key_Backspace);
  if (!text.isEmpty()) QTest::keyClicks(feld, text);
}

// A drop-down chosen with the keyboard, by the data of its item.
inline void Waehlen(QComboBox* liste, int daten) {
  liste->setFocus();
  const int ziel = liste->findData(daten);
  QVERIFY(ziel >= 0);
  while (liste->currentIndex() < ziel) QTest::keyClick(liste, Qt::Key_Down);
  while (liste->currentIndex() > ziel) QTest::keyClick(liste, Qt::Key_Up);
}

// A click with the mouse on an enabled box or button.
inline void Klick(QAbstractButton* knopf) {
  QVERIFY2(knopf->isEnabled(), qPrintable(knopf->objectName()));
  QTest::mouseClick(knopf, Qt::LeftButton, {}, QPoint(6, knopf->height() / 2));
}

// Clicks a box until it shows the state wished.
inline void Setzen(QAbstractButton* knopf, bool an) {
  if (knopf->isChecked() != an) Klick(knopf);
  QCOMPARE(knopf->isChecked(), an);
}

// The money text the result labels show for an amount in cents.
inline QString GeldText(std::int64_t cent) {
  return QLocale().toCurrencyString(static_cast<double>(cent) / 100.0, QStringLiteral("EUR"), 2);
}

// Closes every message box that opens while it lives and keeps its text.
class TBoxFaenger {
 public:
  TBoxFaenger() {
    QObject::connect(&uhr_, &QTimer::timeout, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        Texte << (box->informativeText().isEmpty() ? box->text() : box->text() + "\n" + box->informativeText());
        box->accept();
      }
    });
    uhr_.start(10);
  }
  QStringList Texte;

 private:
  QTimer uhr_;
};

// Whether a check box shows the red warning colour.
inline bool Rot(const QWidget* w) {
  return w->property("warnung").toBool() && w->autoFillBackground() &&
         w->palette().color(QPalette::Window) == QColor(255, 0, 0);
}

// The records the core computes with for the calculation shown (calc/abrechnung.h).
inline lst::TDatensaetze Datensaetze(const lst::TAbrechnungsStand& s) { return lst::Aufbereiten(s.Parameter, s.Anfrage); }

// The window's result s against "lohnsteuer-cli berechnen --json" with the
// same options: every tax, every contribution, net and total cost.
inline void WieDieKommandozeile(const lst::TAbrechnungsStand& s, const QStringList& optionen) {
  QProcess cli;
  cli.setProgram(QStringLiteral(LOHNSTEUER_CLI_PATH));
  // The command line's default year is its newest; the window's is its own.
  QStringList jahr;
  if (!optionen.contains(QStringLiteral("--jahr")) && !optionen.contains(QStringLiteral("--pap")))
    jahr = QStringList{QStringLiteral("--jahr"), QString::number(s.Parameter.Jahr)};
  // From 2014 the pay month chooses the flowchart and the rules.
  if (s.Parameter.Jahr > 2013 && !optionen.contains(QStringLiteral("--monat")))
    jahr << QStringLiteral("--monat") << QString::number(s.Parameter.Monat);
  cli.setArguments(QStringList{"berechnen", "--json"} + optionen + jahr);
  // Named in the log, so that a failing comparison says which inputs.
  qInfo().noquote() << "lohnsteuer-cli" << cli.arguments().join(QLatin1Char(' '));
  cli.start();
  QVERIFY(cli.waitForFinished(10000));
  const QByteArray aus = cli.readAllStandardOutput();
  QVERIFY2(cli.exitCode() == 0, cli.readAllStandardError().constData());
  const QJsonObject j = QJsonDocument::fromJson(aus).object();
  QVERIFY2(!j.isEmpty(), aus.constData());
  const auto wert = [&](const char* name) -> std::int64_t {
    for (const lst::TErgebnisFeld& f : lst::ErgebnisFelder())
      if (QLatin1String(f.Name) == QLatin1String(name)) return f.Lesen(s.Ergebnis);
    qFatal("Ergebnisfeld %s fehlt", name);
    return 0;
  };
  // The regular wage as typed; the taxable current wage holds the company
  // car and the benefits in kind, less deferred compensation.
  QCOMPARE(j.value("LaufenderLohn").toInteger(), s.Anfrage.Brutto);
  QCOMPARE(j.value("RE4").toInteger(), s.Ergebnis.RE4);
  const char* const namen[] = {"LSt", "LStPausch", "Soli", "SoliPausch", "BK", "BKPausch", "KiSt", "KiStPausch",
                               "SteuerSumme", "SteuerSummePausch", "BruttoNachSteuer", "BruttoPlusPausch",
                               "KV_AN", "KV_AG", "PV_AN", "PV_AG", "RV_AN", "RV_AG", "AV_AN", "AV_AG", "RVAuf_AN",
                               "RVAuf_AG", "KV2_AN", "KV2_AG", "PV2_AN", "PV2_AG", "Netto", "AGGesamt", "Auszahlung"};
  for (const char* name : namen) QCOMPARE(j.value(QLatin1String(name)).toInteger(), wert(name));
  // The zone's bases, the levies and the cost with them, where the command
  // line has them.
  for (const char* name : {"BE", "BE_AN", "U1_AG", "U2_AG", "IGU_AG", "AGGesamtUmlagen", "PKVZuschuss_AG"})
    if (j.contains(QLatin1String(name))) QCOMPARE(j.value(QLatin1String(name)).toInteger(), wert(name));
  // The pay beside the regular wage: its parts, the one-off's taxes and
  // liable parts, the gross wages.
  for (const char* name : {"LSt_sonstig", "Soli_sonstig", "KiSt_sonstig", "AnteiligeBBG_KV", "AnteiligeBBG_RV",
                           "Einmalzahlung_KV", "Einmalzahlung_RV", "SonstigerBezug", "Abfindung", "GWV", "Sachbezug",
                           "Steuerfrei", "VWL_AG", "Entgeltumwandlung", "BAVZuschuss_AG", "VWLSparbetrag",
                           "SteuerBrutto", "SVBrutto_KV", "SVBrutto_RV", "Gesamtbrutto", "Aktivrente_steuerfrei"})
    QCOMPARE(j.value(QLatin1String(name)).toInteger(), wert(name));
  QCOMPARE(j.value("Maerzklausel").toBool(), s.Ergebnis.Maerzklausel);
}

// The parameters and the request "lohnsteuer-cli berechnen" makes of the
// options (without "--jahr", its newest year), and whether it shows Euro: an
// empty string, or the command line's message.
inline std::string KommandozeilenAnfrage(const QStringList& optionen, lst::TParameter& p, lst::TAnfrage& a,
                                         bool* euro = nullptr) {
  lst::cli::TEingabe e;
  for (int i = 0; i < optionen.size(); ++i) {
    const QString name = optionen[i].mid(2);
    const bool mitWert = i + 1 < optionen.size() && !optionen[i + 1].startsWith(QStringLiteral("--"));
    const QString wert = mitWert ? optionen[++i] : QStringLiteral("ja");
    const std::string fehler = lst::cli::OptionSetzen(e, name.toStdString(), wert.toStdString());
    if (!fehler.empty()) return fehler;
  }
  if (euro != nullptr) *euro = !e.DM;
  return lst::cli::Vorbereiten(e, p, a);
}

// The window's calculation against the command line's for the same options:
// the year, the flowchart, the display currency and every field of the
// records the core computes with.
inline void GleicheRechnung(const lst::TAbrechnungsStand& s, const lst::TParameter& cp, const lst::TAnfrage& ca,
                            bool cliEuro) {
  QCOMPARE(s.Parameter.Jahr, cp.Jahr);
  QCOMPARE(s.Parameter.Version, cp.Version);
  QCOMPARE(s.Euro, cliEuro);
  const lst::TDatensaetze f = Datensaetze(s);
  const lst::TDatensaetze c = lst::Aufbereiten(cp, ca);
  QCOMPARE(int(f.LZ.LZZ), int(c.LZ.LZZ));
  QCOMPARE(f.LZ.RE4, c.LZ.RE4);
  const lst::TLStEingabe& a = f.LSt;
  const lst::TLStEingabe& b = c.LSt;
  QCOMPARE(a.ALTER1, b.ALTER1);
  QCOMPARE(a.Bekenntnislos, b.Bekenntnislos);
  QCOMPARE(int(a.TabArt), int(b.TabArt));
  QCOMPARE(int(a.STKL), int(b.STKL));
  QCOMPARE(a.af, b.af);
  if (a.af) QCOMPARE(a.f, b.f);
  QCOMPARE(a.ZKF, b.ZKF);
  QCOMPARE(a.Freibetrag, b.Freibetrag);
  QCOMPARE(a.Hinzurechnung, b.Hinzurechnung);
  QCOMPARE(a.VBEZ, b.VBEZ);
  QCOMPARE(a.VBEZM, b.VBEZM);
  QCOMPARE(a.VBEZS, b.VBEZS);
  QCOMPARE(a.SONSTB, b.SONSTB);
  QCOMPARE(a.STERBE, b.STERBE);
  QCOMPARE(a.KiStSatz, b.KiStSatz);
  QCOMPARE(a.PauschSatzLSt, b.PauschSatzLSt);
  QCOMPARE(a.PauschSatzAG, b.PauschSatzAG);
  QCOMPARE(a.KVZ, b.KVZ);
  QCOMPARE(a.PVZ, b.PVZ);
  QCOMPARE(int(a.PVA), int(b.PVA));
  const lst::TSVEingabe& sf = f.SV;
  const lst::TSVEingabe& t = c.SV;
  QCOMPARE(int(sf.Region), int(t.Region));
  QCOMPARE(sf.Aufstockung, t.Aufstockung);
  QCOMPARE(sf.Gleitzone, t.Gleitzone);
  QCOMPARE(sf.RVVerzicht, t.RVVerzicht);
  // Rates as fractions: the window reads them back from its percent edits,
  // the command line derives them; both are the same percentage.
  for (int art = 0; art < lst::svAnzahl; ++art) {
    QVERIFY2(qAbs(sf.Saetze[art].AN - t.Saetze[art].AN) < 1e-12, qPrintable(QString::number(art)));
    QVERIFY2(qAbs(sf.Saetze[art].AG - t.Saetze[art].AG) < 1e-12, qPrintable(QString::number(art)));
  }
  QCOMPARE(int(sf.PKV), int(t.PKV));
  QCOMPARE(sf.PKPV, t.PKPV);
  QCOMPARE(sf.PVS, t.PVS);
  QCOMPARE(sf.MitGruppe, t.MitGruppe);
  QCOMPARE(QString::fromStdString(sf.Gruppe.Text()), QString::fromStdString(t.Gruppe.Text()));
  QCOMPARE(sf.PKPVPflege, t.PKPVPflege);
  QCOMPARE(sf.AGZuschuss, t.AGZuschuss);
  // The rule period and its inputs (from 2014).
  QCOMPARE(int(sf.Monat), int(t.Monat));
  QCOMPARE(int(sf.Beschaeftigung), int(t.Beschaeftigung));
  QCOMPARE(int(sf.PVAbschlaege), int(t.PVAbschlaege));
  QCOMPARE(sf.U1, t.U1);
  QCOMPARE(sf.U2, t.U2);
  QCOMPARE(f.Zusatz.Kindergeld, c.Zusatz.Kindergeld);
  QCOMPARE(f.Zusatz.AGZusatz, c.Zusatz.AGZusatz);
  QCOMPARE(f.SonstigeAbzuege, c.SonstigeAbzuege);
}

// The window's calculation against the command line's for the options: an
// empty string when they agree (a failed comparison stops the test), or the
// message with which the command line refuses the options.
inline std::string WieKommandozeileRechnung(const lst::TAbrechnungsStand& s, const QStringList& optionen) {
  lst::TParameter p;
  lst::TAnfrage a;
  bool euro = true;
  const std::string fehler = KommandozeilenAnfrage(optionen, p, a, &euro);
  if (fehler.empty()) GleicheRechnung(s, p, a, euro);
  return fehler;
}
