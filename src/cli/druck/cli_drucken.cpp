#include "cli/druck/cli_drucken.h"

#include <QGuiApplication>
#include <cstdio>

#include "calc/berechnung.h"
#include "cli/meldung.h"
#include "common/ini_datei.h"
#include "common/zahlen.h"
#include "print/gebietsschema.h"

namespace lst::cli {

namespace {

const char* const kSteuerklassen[] = {"I", "II", "III", "IV", "V", "VI"};

// A number as a German user types it: "8", "8,5", "0,955".
QString Zahl(double wert) { return druck::Gebietsschema().toString(wert, 'g', 10); }

QString Betrag(double wert) { return wert == 0 ? QString() : QString::fromStdString(BetragAlsText(wert)); }

}  // namespace

druck::TDruckAngaben DruckAngaben(const TEingabe& e, TRechenKontext& k, const TRechnung& r) {
  druck::TDruckAngaben a;
  a.Titel = QStringLiteral("Lohnsteuerberechnung %1").arg(e.Jahr);
  a.LZZIndex = e.LZZ - 1;
  a.Lohnzahlungszeitraum = druck::ZeitraumText(a.LZZIndex);
  a.Steuerklasse = QString::fromLatin1(kSteuerklassen[(e.STKL >= 1 && e.STKL <= 6 ? e.STKL : 1) - 1]);
  a.Faktorverfahren = e.Faktor.has_value();
  a.Faktor = Zahl(e.Faktor.value_or(1.0));
  a.Bekenntnislos = e.Bekenntnislos;
  a.Kirchensteuer = Zahl(e.KiStProzent);
  a.Altersentlastung = e.Altersentlastung.has_value();
  a.TabArt = e.BesondereTabelle ? 1 : 0;
  a.Versorgungsbezuege = Betrag(e.Versorgungsbezug);
  a.VersorgungJanuar = Betrag(e.VersorgungMonat);
  a.VersorgungSonder = Betrag(e.VersorgungSonder);
  a.VersorgungMonate = QString::number(e.VersorgungMonate);
  a.Freibetrag = Betrag(e.Freibetrag);
  a.Hinzurechnung = Betrag(e.Hinzurechnung);
  a.Sterbegeld = Betrag(e.Sterbegeld);
  a.Kinder = e.ZKF == 0 ? QString() : Zahl(e.ZKF);
  a.Region = e.Region == 0 ? 0 : 1;
  a.GF = e.Minijob;
  a.AufstockungAn = e.Aufstockung;
  const double auf = k.SVSatzTabelle[e.Minijob ? beGF : e.Haushalt ? beHH : beNV][svRVAuf].AN;
  a.AufstockungProzent = auf >= 0 ? Zahl(auf * 100) : QStringLiteral("0");
  a.Privat = e.PrivatBeitrag.has_value() || e.BesondereTabelle;
  a.PrivatBetrag = QString::fromStdString(BetragAlsText(e.PrivatBeitrag.value_or(0)));
  // The window's employee view: the tax line reads "Lohnsteuer =", the line
  // of the other deductions shows their amount.
  a.ErgZusatz = druck::GeldText(AusCent(k, r.SonstigeAbzuege), k.Waehrung);
  return a;
}

int DruckenAlsPdf(const TEingabe& e, const std::string& datei) {
  TRechenKontext k;
  TRechnung r;
  std::string fehler = Vorbereiten(k, e, r);
  if (!fehler.empty()) {
    std::fprintf(stderr, "lohnsteuer-cli: %s\n", fehler.c_str());
    return 2;
  }
  TRechnerDaten d;
  d.LohnZeitraum = r.LZ;
  d.LStEingabe = r.LSt;
  d.SVEingabe = r.SV;
  d.Zusatz = r.Zusatz;
  d.SonstigeAbzuege = r.SonstigeAbzuege;
  try {
    GesamtBerechnen(k, k.LStJahr, d.LohnZeitraum, d.LStEingabe, d.Ergebnis, d.Zusatz,
                    d.SonstigeAbzuege, d.SVEingabe);
  } catch (const TLStFehler& f) {
    std::fprintf(stderr, "lohnsteuer-cli: %s\n", f.what());
    return 1;
  }

  // Writing a PDF needs no display, and Qt's notes about the session are
  // no concern of a command line.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler([](QtMsgType typ, const QMessageLogContext&, const QString& text) {
    if (typ == QtCriticalMsg || typ == QtFatalMsg) {
      std::fprintf(stderr, "lohnsteuer-cli: %s\n", text.toLocal8Bit().constData());
    }
  });
  static int argc = 1;
  static char name[] = "lohnsteuer-cli";
  static char* argv[] = {name, nullptr};
  QGuiApplication app(argc, argv);

  // The print settings as the window has them after its start.
  const TDateiNamen namen;
  druck::TDruckEinstellungen einst;
  einst.Start = druck::DruckStartLesen(TNewIniFile(namen.Druck));
  einst.Optionen = druck::DruckOptionenLesen(
      e.Einstellungsdatei.empty() ? TNewIniFile(namen.Einstellungen)
                                  : TNewIniFile::AusPfad(e.Einstellungsdatei));
  druck::TDruckMaschine maschine;
  maschine.EinstellungenAnwenden(einst);

  const druck::TDruckAngaben a = DruckAngaben(e, k, r);
  QString grund;
  if (!druck::RechnungAlsPdf(maschine, QString::fromStdString(datei), a, k, d,
                             einst.Optionen.FontSize, &grund)) {
    std::fprintf(stderr, "lohnsteuer-cli: Die Datei %s kann nicht geschrieben werden: %s\n",
                 DateiZitat(datei).c_str(), grund.toStdString().c_str());
    return 1;
  }
  return 0;
}

}  // namespace lst::cli
