#pragma once
// Helpers shared by the window tests: a settings folder of their own, typing
// as a user does, catching message boxes, comparing with the command line.

#include <QApplication>
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
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

#include "calc/rechnung.h"
#include "cli/eingabe.h"
#include "common/ini_datei.h"
#include "ui/rechner_schnittstelle.h"

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

// The window's result d against "lohnsteuer-cli berechnen --json" with the
// same options: every tax, every contribution, net and total cost.
inline void WieDieKommandozeile(const lst::TAbrechnung& d, const QStringList& optionen) {
  QProcess cli;
  cli.setProgram(QStringLiteral(LOHNSTEUER_CLI_PATH));
  // The command line's default year is its newest; the window's is its own.
  QStringList jahr;
  if (!optionen.contains(QStringLiteral("--jahr")) && !optionen.contains(QStringLiteral("--pap")))
    jahr = QStringList{QStringLiteral("--jahr"), QString::number(d.Rechnung.Jahr)};
  // From 2014 the pay month chooses the flowchart and the rules.
  if (d.Rechnung.Jahr > 2013 && !optionen.contains(QStringLiteral("--monat")))
    jahr << QStringLiteral("--monat") << QString::number(d.Rechnung.Monat);
  cli.setArguments(QStringList{"berechnen", "--json"} + optionen + jahr);
  // Named in the log, so that a failing comparison says which inputs.
  qInfo().noquote() << "lohnsteuer-cli" << cli.arguments().join(QLatin1Char(' '));
  cli.start();
  QVERIFY(cli.waitForFinished(10000));
  const QByteArray aus = cli.readAllStandardOutput();
  QVERIFY2(cli.exitCode() == 0, cli.readAllStandardError().constData());
  const QJsonObject j = QJsonDocument::fromJson(aus).object();
  QVERIFY2(!j.isEmpty(), aus.constData());
  const lst::TGesamtErgebnis& e = d.Ergebnis;
  QCOMPARE(j.value("RE4").toInteger(), d.Rechnung.LZ.RE4);
  const char* const steuer[] = {"LSt", "LStPausch", "Soli", "SoliPausch", "BK", "BKPausch", "KiSt", "KiStPausch",
                                "SteuerSumme", "SteuerSummePausch", "BruttoNachSteuer", "BruttoPlusPausch"};
  for (int i = 0; i < 12; ++i) QCOMPARE(j.value(steuer[i]).toInteger(), e.LSt[i]);
  const char* const sv[] = {"KV", "PV", "RV", "AV", "RVAuf", "KV2", "PV2"};
  for (int i = 0; i < 7; ++i) {
    QCOMPARE(j.value(QString::fromLatin1(sv[i]) + "_AN").toInteger(), e.SV.AN(i));
    QCOMPARE(j.value(QString::fromLatin1(sv[i]) + "_AG").toInteger(), e.SV.AG(i));
  }
  QCOMPARE(j.value("Netto").toInteger(), e.Netto);
  QCOMPARE(j.value("AGGesamt").toInteger(), e.AGGesamt);
  QCOMPARE(j.value("Auszahlung").toInteger(), e.Auszahlung);
  // The zone's bases, the levies and the cost with them, where the command
  // line has them.
  const std::pair<const char*, std::int64_t> weitere[] = {
      {"BE", e.SV.BE},         {"BE_AN", e.SV.BE_AN},   {"U1_AG", e.SV.U1_AG},
      {"U2_AG", e.SV.U2_AG},   {"IGU_AG", e.SV.IGU_AG}, {"AGGesamtUmlagen", e.AGGesamtUmlagen},
      {"PKVZuschuss_AG", e.SV.PKVZuschuss_AG}};
  for (const auto& [name, wert] : weitere)
    if (j.contains(QLatin1String(name))) QCOMPARE(j.value(QLatin1String(name)).toInteger(), wert);
}

// The request "lohnsteuer-cli berechnen" makes of the options (without
// "--jahr", its newest year): an empty string, or the command line's message.
inline std::string KommandozeilenRechnung(const QStringList& optionen, lst::TRechnung& c) {
  lst::cli::TEingabe e;
  for (int i = 0; i < optionen.size(); ++i) {
    const QString name = optionen[i].mid(2);
    const bool mitWert = i + 1 < optionen.size() && !optionen[i + 1].startsWith(QStringLiteral("--"));
    const QString wert = mitWert ? optionen[++i] : QStringLiteral("ja");
    const std::string fehler = lst::cli::OptionSetzen(e, name.toStdString(), wert.toStdString());
    if (!fehler.empty()) return fehler;
  }
  lst::TRechenKontext k;
  return lst::cli::Vorbereiten(k, e, c);
}

// Every field of the records the core computes with.
inline void GleicheRechnung(const lst::TRechnung& f, const lst::TRechnung& c) {
  QCOMPARE(f.Jahr, c.Jahr);
  QCOMPARE(f.Version, c.Version);
  QCOMPARE(f.EuroAnzeige, c.EuroAnzeige);
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
  const lst::TSVEingabe& s = f.SV;
  const lst::TSVEingabe& t = c.SV;
  QCOMPARE(int(s.Region), int(t.Region));
  QCOMPARE(s.Aufstockung, t.Aufstockung);
  QCOMPARE(s.Gleitzone, t.Gleitzone);
  QCOMPARE(s.RVVerzicht, t.RVVerzicht);
  // Rates as fractions: the window reads them back from its percent edits,
  // the command line derives them; both are the same percentage.
  for (int art = 0; art < lst::svAnzahl; ++art) {
    QVERIFY2(qAbs(s.Saetze[art].AN - t.Saetze[art].AN) < 1e-12, qPrintable(QString::number(art)));
    QVERIFY2(qAbs(s.Saetze[art].AG - t.Saetze[art].AG) < 1e-12, qPrintable(QString::number(art)));
  }
  QCOMPARE(int(s.PKV), int(t.PKV));
  QCOMPARE(s.PKPV, t.PKPV);
  QCOMPARE(s.PVS, t.PVS);
  QCOMPARE(s.MitGruppe, t.MitGruppe);
  QCOMPARE(QString::fromStdString(s.Gruppe.Text()), QString::fromStdString(t.Gruppe.Text()));
  QCOMPARE(s.PKPVPflege, t.PKPVPflege);
  QCOMPARE(s.AGZuschuss, t.AGZuschuss);
  // The rule period and its inputs (from 2014).
  QCOMPARE(int(s.Monat), int(t.Monat));
  QCOMPARE(int(s.Beschaeftigung), int(t.Beschaeftigung));
  QCOMPARE(int(s.PVAbschlaege), int(t.PVAbschlaege));
  QCOMPARE(s.U1, t.U1);
  QCOMPARE(s.U2, t.U2);
  QCOMPARE(f.Zusatz.Kindergeld, c.Zusatz.Kindergeld);
  QCOMPARE(f.Zusatz.AGZusatz, c.Zusatz.AGZusatz);
  QCOMPARE(f.SonstigeAbzuege, c.SonstigeAbzuege);
}

