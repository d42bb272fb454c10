#include "cli/druck/cli_drucken.h"

#include <QGuiApplication>
#include <cstdio>

#include "calc/berechnung.h"
#include "cli/meldung.h"
#include "common/ini_datei.h"
#include "geld/zahlen.h"
#include "print/gebietsschema.h"

namespace lst::cli {

int DruckenAlsPdf(const TEingabe& e, const std::string& datei) {
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

  const druck::TDruckAngaben a = druck::DruckAngabenFuer(s);
  QString grund;
  if (!druck::RechnungAlsPdf(maschine, QString::fromStdString(datei), a, s, einst.Optionen.FontSize, &grund)) {
    std::fprintf(stderr, "lohnsteuer-cli: Die Datei %s kann nicht geschrieben werden: %s\n",
                 DateiZitat(datei).c_str(), grund.toStdString().c_str());
    return 1;
  }
  return 0;
}

}  // namespace lst::cli
