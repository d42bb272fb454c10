#pragma once
// The payroll year as the user reads it, and its printout "Lohnkonto": a
// line per month with the slip's figures, the sum, the employer's annual
// adjustment and the lines of the annual wage-tax certificate.
//
// Everything here is text made from what LohnjahrRechnen and
// Lohnsteuerbescheinigung return; nothing is computed anew.  The tool window
// "Jahresübersicht" shows the same texts, so that screen, clipboard, CSV
// and paper agree.

#include <QString>
#include <QStringList>
#include <span>
#include <vector>

#include "calc/lohnjahr.h"
#include "print/druck_maschine.h"

class QPagedPaintDevice;

namespace lst::druck {

// The columns of a month after its name: regular wage, one-off payment,
// total gross, wage tax, surcharge, church tax, the employee's
// contributions, net wage, payout and the employer's cost.
QStringList LohnkontoSpalten();
// The same column captions spelt out (tooltips of the window's head).
QStringList LohnkontoSpaltenLang();

// An amount in cents of the display currency without its symbol: "1.234,56".
QString BetragText(std::int64_t anzeigeCent);

struct TLohnkontoZeile {
  int Monat = 0;        // 1 to 12; 0 for the sum
  QString Name;         // "Januar", "Summe"
  QStringList Zellen;   // one text per column of LohnkontoSpalten
  std::vector<std::int64_t> Cent;  // the same amounts in cents of the display currency
};

struct TLohnkontoTexte {
  int Jahr = 0;
  QString Personalnummer;                // printed above the employment where given
  QString Waehrung;                      // "EUR" or "DM"
  QString Beschaeftigung;                // "01.01.2025 bis 31.12.2025"
  std::vector<TLohnkontoZeile> Monate;   // the months of the employment
  TLohnkontoZeile Summe;
  // Whether the adjustment was asked for and the certificate is to be
  // shown; a block not asked for is left out.
  bool MitAusgleich = true;
  bool MitBescheinigung = true;
  // The annual adjustment: done, or the reasons why not (the core's words).
  bool Ausgleich = false;
  QStringList AusgleichGruende;
  QString AusgleichLohn;                 // the year's wage it taxed
  // Per tax ("Lohnsteuer", "Solidaritätszuschlag", "Kirchensteuer"): the
  // year's tax, the tax withheld, the refund.
  std::vector<QStringList> AusgleichZeilen;
  // The certificate's lines (number, text, amount or text); empty with a
  // note where the year has no certificate here.
  std::vector<QStringList> Bescheinigung;
  QString BescheinigungHinweis;
};

// The texts of a computed year (j.Fehler empty) in the display currency;
// the adjustment's block where the year asked for it.
TLohnkontoTexte LohnkontoTexte(const TLohnjahr& j, bool euro);

// The whole overview as lines of cells: the head, the months, the sum, then
// the adjustment and the certificate under headings of their own.  The
// clipboard and the CSV file take it.
std::vector<QStringList> LohnkontoTabelle(const TLohnkontoTexte& t);

// Prints the year as one job (landscape).  groesse is the print options'
// font size.  False when the job could not start or the device reported an
// error at its end.
bool LohnkontoDrucken(TDruckMaschine& maschine, QPagedPaintDevice& geraet, const TLohnkontoTexte& t,
                      int groesse);
// The years of many employees as one job, each beginning on a new page.
bool LohnkontenDrucken(TDruckMaschine& maschine, QPagedPaintDevice& geraet, std::span<const TLohnkontoTexte> t,
                       int groesse);

// The same printout as a PDF file (A4, 600 dpi), written into a temporary
// file beside datei that replaces it only when complete; on failure datei
// stays as it was and grund (when given) says why in German.
bool LohnkontoAlsPdf(TDruckMaschine& maschine, const QString& datei, std::span<const TLohnkontoTexte> t,
                     int groesse, QString* grund = nullptr);

}  // namespace lst::druck
