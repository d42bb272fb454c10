#pragma once
// The print engine: line-oriented text pages on any paged device (a printer,
// a PDF file, the print preview).
//
// The caller places texts at horizontal positions given in percent of the
// printable width and moves a line position down the page; the engine
// converts to device pixels, keeps the page margins (measured from the
// paper's edge), prints a head at the top of every page and a foot at its
// bottom, and starts a new page when a text would run into the foot.
//
//   maschine.DruckBeginn(geraet, kAusrichtungBehalten, "Titel");
//   maschine.DruckText(10, kFett, kLinks, 0, kOhneSchatten, "Text");
//   maschine.DruckVorschub(0);
//   maschine.DruckEnde();
//
// The application owns one engine; its font, margins and options live for
// the program's run, a job lives from DruckBeginn to DruckEnde.

#include <QColor>
#include <QDateTime>
#include <QFont>
#include <QPageLayout>
#include <QPainter>
#include <QString>
#include <functional>
#include <optional>

#include "print/druck_einstellungen.h"

class QPagedPaintDevice;
class QPdfWriter;

namespace lst::druck {

// Styles of DruckText, combined with |.
enum TStil : int { kNormal = 0, kFett = 1, kKursiv = 2, kUnterstrichen = 4 };
// Alignment of DruckText: the text starts, ends or is centred at the position.
enum TAusrichtung : int { kLinks = 0, kRechts = 1, kMitte = 2 };
// Shade of DruckText.
enum TSchatten : int { kOhneSchatten = 0, kGrau = 2 };
// Orientation of DruckBeginn.
enum TSeitenlage : int { kHochformat = 0, kQuerformat = 1, kAusrichtungBehalten = 2 };

// The fixed header line of every page head: the program's name.
QString StandardKopfzeile();
// The program version as four numbers joined by ".".
QString ProgrammVersion();

class TDruckMaschine {
 public:
  TDruckMaschine();

  // Takes the start-up values read from "Kolvanta.ini": margins, foot
  // offset, grey fill, and font name and size (which also become the base
  // size).
  void StartEinstellungen(const TDruckStart& start);
  // Reads the start-up values from the print settings file (namen.Druck,
  // "Kolvanta.ini") as the program does when it starts.
  void StartDateiLesen(const TDateiNamen& namen);

  // The print settings as the program has them after its start: the
  // start-up values, then the font of the print options.
  void EinstellungenAnwenden(const TDruckEinstellungen& e);

  // Font of all printed text; DruckText sets sizes and styles on a copy.
  QFont Schrift;
  // The engine font's size after the start-up read, in points.
  int BasisGroesse = 10;
  // Margins in millimetres from the paper's edge.
  int LiRand = 17;
  int ReRand = 15;
  int ObRand = 10;
  // Distance of the foot line from the bottom of the printable area, in
  // device pixels.
  int FussOffset = 250;
  // Fill the box of every text before drawing it.
  bool Grau = true;
  QString Kopfzeile;
  QString Version;
  // Date and time printed in the foot; the current time when not set.
  std::optional<QDateTime> FesteZeit;

  // Starts a job on the device: the first page begins, nothing is drawn
  // yet.  False when the device cannot be painted on (no printer, a file
  // that cannot be written); the job has then not started.
  bool DruckBeginn(QPagedPaintDevice& geraet, int seitenlage, const QString& titel);
  // One text on the current line; size 0 keeps the engine font's size.
  void DruckText(int groesse, int stil, int ausrichtung, double position, int schatten,
                 const QString& text);
  // Moves the line position down by the line height of a font size (0: the
  // current line height).
  void DruckVorschub(int groesse);
  // A horizontal rule on the current line from links to rechts (percent);
  // doppelt draws a second one just below.
  void DruckLinie(bool doppelt, double rechts, double links);
  // The height in device pixels that druck's texts, rules and line feeds
  // take, measured without drawing anything or starting a page (nor a
  // head on a page that has none yet).  The line position and height stay
  // as they were.
  int Hoehe(const std::function<void()>& druck);
  // Starts a new page unless the rest of the current one holds a block of
  // hoehe pixels; nothing where the block would not fit an empty page
  // either, or where the page has nothing yet.  Keeps together what reads
  // as one: a section, a sum with its lines.
  void Zusammenhalten(int hoehe);
  // Ends the current page where it holds anything; what follows begins a
  // new page under its head.
  void Seitenwechsel();

  // Prints the last page's foot and ends the job.  False when the device
  // reported an error (for a file: it could not be written completely).
  bool DruckEnde();

  bool ImDruck() const { return maler_.isActive(); }

  // What the current job sees, for callers and tests.
  int Seite() const { return seite_; }
  int Zeile() const { return zeile_; }
  int DruckHoehe() const { return hoehe_; }
  int DruckBreite() const { return breite_; }
  int LinkerRandPixel() const { return links_; }
  int ObererRandPixel() const { return oben_; }
  // Device pixel column of a position in percent.
  int Spalte(double prozent) const;
  // Line height of a font size in device pixels.
  int ZeilenHoehe(int groesse) const;
  // Width in percent of the printable width that DruckText would give the
  // text (size 0: the engine font's size).
  double TextBreiteProzent(int groesse, int stil, const QString& text) const;

 private:
  void Kopf();
  void Fuss();
  void NeueSeite();
  // The lowest line position a text starts on before the page breaks.
  int LetzteZeile() const { return hoehe_ - FussOffset - 40; }
  void SchriftSetzen(const QFont& f);
  QFont SchriftFuer(const QFont& grund, int groesse, int stil) const;

  QPagedPaintDevice* geraet_ = nullptr;
  QPainter maler_;
  QString titel_;
  QFont aktuell_;           // the canvas font
  int zeilenHoehe_ = 0;     // line height of the canvas font's size
  int zeile_ = 0;           // 0: the page has no head yet
  int seite_ = 1;
  int dpiY_ = 600;
  int hoehe_ = 0;           // printable height in pixels
  int breite_ = 0;          // printable width between the margins
  int links_ = 0;
  int rechts_ = 0;
  int oben_ = 0;
  int stiftBreite_ = 1;     // the canvas pen's width
  int grundStift_ = 1;
  QColor fuellFarbe_ = Qt::white;
  bool imFuss_ = false;
  bool imKopf_ = false;
  bool cursorGesetzt_ = false;
  bool messen_ = false;     // within Hoehe: nothing drawn, no page started
  int kopfEnde_ = 0;        // the line position below the last head
};

// Writes a PDF file (A4, 600 dpi) by drucken without ever leaving a
// half-written one in the target's place: the pages go into a temporary
// file beside it, renamed over it at the end; a device or a pipe is
// refused.  nichtAnlegbar is the reason given where the file cannot be
// created.  False with a German reason in grund (where given).
bool PdfSicherSchreiben(const QString& datei, QPageLayout::Orientation ausrichtung,
                        const std::function<bool(QPdfWriter&)>& drucken, const QString& nichtAnlegbar,
                        QString* grund);

}  // namespace lst::druck
