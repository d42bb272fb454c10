#pragma once
// The printout of one calculation: the inputs ("Berechnungsdaten:"), the
// settlement of employee and employer ("Abrechnung:") and the contribution
// ceilings ("Beitragsbemessungsgrenzen:").
//
// The printout draws from a plain description of the calculation's texts
// (TDruckAngaben), made from the request by DruckAngabenFuer for the window
// and the command line alike, and from the result of the calculation.  It
// computes nothing but the ceilings of the pay period.

#include <QString>

#include "calc/abrechnung.h"
#include "print/druck_maschine.h"

class QPagedPaintDevice;

namespace lst::druck {

// The item texts of the pay-period list, by LZZ - 1.
// The calculator window's lists show the same texts.
inline QString ZeitraumText(int lzzIndex) {
  switch (lzzIndex) {
    case 0: return QStringLiteral("Jahr     (360 Tage)");
    case 2: return QStringLiteral("Woche (7 Tage)");
    case 3: return QStringLiteral("Tag");
    default: return QStringLiteral("Monat  (30 Tage)");
  }
}

// The tax class 1 to 6 as a roman number ("I" ... "VI"; out of range "I").
inline QString SteuerklassenText(int stkl) {
  static const char* const kNamen[] = {"I", "II", "III", "IV", "V", "VI"};
  return QString::fromLatin1(kNamen[(stkl >= 1 && stkl <= 6 ? stkl : 1) - 1]);
}

// Texts of the calculator window as the printout needs them.  Amount texts
// are the fields' texts as typed; the printout reads them as numbers.
struct TDruckAngaben {
  QString Titel = QStringLiteral("Lohnsteuerberechnung");

  // "Berechnungsdaten:"
  int LZZIndex = 1;                      // 0 year, 1 month, 2 week, 3 day
  QString Lohnzahlungszeitraum = ZeitraumText(1);
  QString Steuerklasse = QStringLiteral("I");
  bool Faktorverfahren = false;
  QString Faktor = QStringLiteral("1,0");
  bool Bekenntnislos = false;
  QString Kirchensteuer = QStringLiteral("8");  // percent, as typed
  bool Altersentlastung = false;
  // The Aktivrente (a row in the years that have it) and the state named.
  bool AktivrenteSichtbar = false;
  bool Aktivrente = false;
  QString Bundesland;
  int TabArt = 0;                        // 0 general, 1 special, 2 special with best-of test
  QString Versorgungsbezuege;
  QString VersorgungJanuar;
  QString VersorgungSonder;
  QString VersorgungMonate = QStringLiteral("12");
  QString Freibetrag;
  QString Hinzurechnung;
  QString Sterbegeld;
  QString Kinder;
  int Region = 1;                        // 0 "Ost", 1 "West"
  bool GFSichtbar = true;
  bool GF = false;                       // marginal employment of either kind
  bool Haushalt = false;                 // in a private household
  bool AufstockungSichtbar = true;
  bool AufstockungAn = false;            // enabled and ticked
  QString AufstockungProzent = QStringLiteral("7,5");
  bool Privat = false;
  QString PrivatBetrag = QStringLiteral("0,00");
  // Pay beside the regular wage and what the one-off is computed with.
  // Each text is empty where the input was not given, or where the year,
  // the pay month or the person does not have it (the calculation then
  // leaves it aside): amounts as typed, days and kilometres as numbers,
  // the add-on rate in percent, the company car's share as a fraction.
  QString SonstigerBezug;
  QString Jahresarbeitslohn;
  QString BisherigeSonstigeBezuege;
  QString SVTage;
  QString SVEntgeltBisherKV;
  QString SVEntgeltBisherRV;
  QString VorjahrSVTage;
  QString VorjahrSVEntgeltKV;
  QString VorjahrSVEntgeltRV;
  QString VorjahrKVZusatz;
  QString Abfindung;
  bool Fuenftelregelung = false;         // the severance taxed by the one-fifth rule
  QString DienstwagenListenpreis;
  QString DienstwagenKm;
  QString DienstwagenSatz;
  QString Sachbezug;
  QString Steuerfrei;
  QString Entgeltumwandlung;
  QString VWLAG;
  QString VWLSparbetrag;

  // "Abrechnung:": the captions of the result lines.
  QString LTxt1 = QStringLiteral("Bruttolohn =");
  QString LLoSt = QStringLiteral("Lohnsteuer =");
  QString LTxt3 = QStringLiteral("Kirchensteuer =");
  QString LTxt4 = QStringLiteral("Solidarit\u00e4tsz. =");
  QString LTxt5 = QStringLiteral("Steuern gesamt =");
  QString LTxt6 = QStringLiteral("nach Steuern =");
  QString LTxt13 = QStringLiteral("Soz.vers. gesamt =");
  QString ErgText = QStringLiteral("Sonstiges");
  QString ErgZusatz;                     // the other deduction as the window shows it
};

// The texts of the printout of a calculation, in its display currency.
TDruckAngaben DruckAngabenFuer(const TAbrechnungsStand& s);

// Prints the calculation as a whole job on the device.  druckGroesse is the
// print options' font size (body text; headings 2 points more).  False when
// the job could not start or the device reported an error at its end.
bool RechnungDrucken(TDruckMaschine& maschine, QPagedPaintDevice& geraet, const TDruckAngaben& a,
                     const TAbrechnungsStand& s, int druckGroesse);

// The same printout as a PDF file: A4, 600 dots per inch, no device margins,
// so that the same settings give the same pages on every machine.  The PDF
// is written into a temporary file beside datei, which replaces datei only
// once it is complete and every write succeeded; on failure datei stays as
// it was, the result is false and grund (when given) says why in German.
bool RechnungAlsPdf(TDruckMaschine& maschine, const QString& datei, const TDruckAngaben& a,
                    const TAbrechnungsStand& s, int druckGroesse, QString* grund = nullptr);

}  // namespace lst::druck
