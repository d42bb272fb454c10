#include "cli/druck/cli_drucken.h"

#include <QGuiApplication>
#include <cstdio>
#include <iostream>
#include <memory>
#include <vector>

#include "calc/berechnung.h"
#include "cli/cli.h"
#include "cli/lohnkonto.h"
#include "cli/meldung.h"
#include "common/ini_datei.h"
#include "geld/zahlen.h"
#include "print/gebietsschema.h"
#include "print/lohnkonto_drucken.h"

namespace lst::cli {

namespace {

// The application a printout needs.  Writing a PDF needs no display, and
// Qt's notes about the session are no concern of a command line.
std::unique_ptr<QGuiApplication> QtStarten() {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler([](QtMsgType typ, const QMessageLogContext&, const QString& text) {
    if (typ == QtCriticalMsg || typ == QtFatalMsg) {
      std::fprintf(stderr, "lohnsteuer-cli: %s\n", text.toLocal8Bit().constData());
    }
  });
  static int argc = 1;
  static char name[] = "lohnsteuer-cli";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

// The print settings as the window has them after its start.
druck::TDruckEinstellungen Druckeinstellungen(const TEingabe& e) {
  const TDateiNamen namen;
  druck::TDruckEinstellungen einst;
  einst.Start = druck::DruckStartLesen(TNewIniFile(namen.Druck));
  einst.Optionen = druck::DruckOptionenLesen(
      e.Einstellungsdatei.empty() ? TNewIniFile(namen.Einstellungen)
                                  : TNewIniFile::AusPfad(e.Einstellungsdatei));
  return einst;
}

int NichtGeschrieben(const std::string& datei, const QString& grund) {
  std::fprintf(stderr, "lohnsteuer-cli: Die Datei %s kann nicht geschrieben werden: %s\n", DateiZitat(datei).c_str(),
               grund.toStdString().c_str());
  return 1;
}

// The payroll year of standard input: every employee's years, or no file.
int LohnkontoAlsPdf(const TDruckAuftrag& auftrag) {
  const auto app = QtStarten();
  std::vector<druck::TLohnkontoTexte> texte;
  const TLohnkontoOptionen o{auftrag.Jahresausgleich, auftrag.Bescheinigung, false};
  const int status = LohnjahreRechnen(*auftrag.Eingabe, o, std::cin, std::cerr, [&](TGerechnetesLohnjahr&& j) {
    druck::TLohnkontoTexte t = druck::LohnkontoTexte(j.Jahr, j.Euro);
    t.Personalnummer = QString::fromStdString(j.Personalnummer);
    t.MitBescheinigung = auftrag.Bescheinigung;
    texte.push_back(std::move(t));
  });
  if (status != 0) {
    std::fprintf(stderr, "lohnsteuer-cli: Die Datei %s ist nicht geschrieben: %s\n", DateiZitat(auftrag.Pdf).c_str(),
                 status == 1 ? "nicht jedes Lohnkonto ist gerechnet" : "die Eingabe ist nicht lesbar");
    return status;
  }
  if (texte.empty()) {
    std::fprintf(stderr, "lohnsteuer-cli: Die Datei %s ist nicht geschrieben: die Eingabe hat keinen Monat\n",
                 DateiZitat(auftrag.Pdf).c_str());
    return 2;
  }
  const druck::TDruckEinstellungen einst = Druckeinstellungen(*auftrag.Eingabe);
  druck::TDruckMaschine maschine;
  maschine.EinstellungenAnwenden(einst);
  QString grund;
  if (!druck::LohnkontoAlsPdf(maschine, QString::fromStdString(auftrag.Pdf), texte, einst.Optionen.FontSize,
                              &grund)) {
    return NichtGeschrieben(auftrag.Pdf, grund);
  }
  return 0;
}

}  // namespace

int DruckenAlsPdf(const TDruckAuftrag& auftrag) {
  if (auftrag.Lohnkonto) return LohnkontoAlsPdf(auftrag);
  const TEingabe& e = *auftrag.Eingabe;
  const std::string& datei = auftrag.Pdf;
  TAbrechnungsStand s;
  std::string fehler = Vorbereiten(e, s.Parameter, s.Anfrage);
  if (!fehler.empty()) {
    std::fprintf(stderr, "lohnsteuer-cli: %s\n", fehler.c_str());
    return 2;
  }
  s.Euro = !e.DM;
  s.ArbeitnehmerSicht = !e.Arbeitgeber;
  try {
    s.Ergebnis = Abrechnen(s.Parameter, s.Anfrage);
  } catch (const TLStFehler& f) {
    std::fprintf(stderr, "lohnsteuer-cli: %s\n", f.what());
    return 1;
  }

  const auto app = QtStarten();
  const druck::TDruckEinstellungen einst = Druckeinstellungen(e);
  druck::TDruckMaschine maschine;
  maschine.EinstellungenAnwenden(einst);

  const druck::TDruckAngaben a = druck::DruckAngabenFuer(s);
  QString grund;
  if (!druck::RechnungAlsPdf(maschine, QString::fromStdString(datei), a, s, einst.Optionen.FontSize, &grund)) {
    return NichtGeschrieben(datei, grund);
  }
  return 0;
}

}  // namespace lst::cli
