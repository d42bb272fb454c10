#include "print/druck_maschine.h"

#include <QCoreApplication>
#include <QCursor>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QFileInfo>
#include <QPdfWriter>
#include <QSaveFile>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "lohnsteuer_version.h"
#include "print/gebietsschema.h"

namespace lst::druck {

QString StandardKopfzeile() {
  return QStringLiteral("Lohnsteuer \u2013 Lohnsteuer- und Sozialversicherungsrechner");
}

QString ProgrammVersion() {
  QStringList teile = QString::fromLatin1(LOHNSTEUER_VERSION).split(QLatin1Char('.'));
  while (teile.size() < 4) teile << QStringLiteral("0");
  return teile.mid(0, 4).join(QLatin1Char('.'));
}

TDruckMaschine::TDruckMaschine()
    : Kopfzeile(StandardKopfzeile()), Version(ProgrammVersion()) {
  StartEinstellungen(TDruckStart{});
}

void TDruckMaschine::StartEinstellungen(const TDruckStart& s) {
  Schrift = QFont(QString::fromStdString(s.FontName), s.FontSize);
  BasisGroesse = s.FontSize;
  FussOffset = s.FussOffset;
  Grau = s.Grau;
  LiRand = s.LiRand;
  ReRand = s.ReRand;
  ObRand = s.ObRand;
}

void TDruckMaschine::StartDateiLesen(const TDateiNamen& namen) {
  StartEinstellungen(DruckStartLesen(namen.DruckDatei()));
}

void TDruckMaschine::EinstellungenAnwenden(const TDruckEinstellungen& e) {
  StartEinstellungen(e.Start);
  Schrift = QFont(QString::fromStdString(e.Optionen.FontName), e.Optionen.FontSize);
}

int TDruckMaschine::ZeilenHoehe(int groesse) const {
  // The font's pixel height is that of its em; a line is 1.2 of it.
  const int pixel = static_cast<int>(std::lround(groesse * dpiY_ / 72.0));
  return static_cast<int>(1.2 * pixel);
}

int TDruckMaschine::Spalte(double prozent) const {
  return links_ + static_cast<int>(breite_ * prozent / 100.0);
}

QFont TDruckMaschine::SchriftFuer(const QFont& grund, int groesse, int stil) const {
  QFont f = grund;
  if (groesse != 0) f.setPointSize(groesse);
  f.setBold((stil & kFett) != 0);
  f.setItalic((stil & kKursiv) != 0);
  f.setUnderline((stil & kUnterstrichen) != 0);
  return f;
}

double TDruckMaschine::TextBreiteProzent(int groesse, int stil, const QString& text) const {
  if (geraet_ == nullptr || breite_ <= 0) return 0;
  const QFontMetrics fm(SchriftFuer(Schrift, groesse, stil), geraet_);
  return fm.horizontalAdvance(text) * 100.0 / breite_;
}

void TDruckMaschine::SchriftSetzen(const QFont& f) {
  aktuell_ = f;
  maler_.setFont(aktuell_);
}

bool TDruckMaschine::DruckBeginn(QPagedPaintDevice& geraet, int seitenlage, const QString& titel) {
  if (maler_.isActive()) return false;
  seite_ = 1;
  zeile_ = 0;
  titel_ = titel;
  imFuss_ = false;
  imKopf_ = false;
  fuellFarbe_ = Qt::white;
  if (seitenlage == kHochformat) geraet.setPageOrientation(QPageLayout::Portrait);
  if (seitenlage == kQuerformat) geraet.setPageOrientation(QPageLayout::Landscape);
  if (auto* pdf = dynamic_cast<QPdfWriter*>(&geraet)) pdf->setTitle(titel);

  if (!maler_.begin(&geraet)) return false;
  geraet_ = &geraet;
  if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
    app->setOverrideCursor(QCursor(Qt::WaitCursor));
    cursorGesetzt_ = true;
  }

  // Device metrics: resolution, the paper and the printable area in pixels.
  const int dpiX = std::max(1, geraet.logicalDpiX());
  dpiY_ = std::max(1, geraet.logicalDpiY());
  const QPageLayout lage = geraet.pageLayout();
  const QRect papier = lage.fullRectPixels(dpiX);
  const QRect druckbar = lage.paintRectPixels(dpiX);
  const int offsetX = druckbar.left() - papier.left();
  const int offsetY = druckbar.top() - papier.top();
  const int druckBreite = geraet.width();
  hoehe_ = geraet.height();

  // Margins from the paper's edge; a margin inside the unprintable strip is 0.
  const double mmX = 25.4 / dpiX;
  const double mmY = 25.4 / dpiY_;
  links_ = std::max(0, static_cast<int>(LiRand / mmX - offsetX));
  oben_ = std::max(0, static_cast<int>(ObRand / mmY - offsetY));
  rechts_ = std::max(0, static_cast<int>(ReRand / mmX - (papier.width() - druckBreite - offsetX)));
  breite_ = std::max(0, druckBreite - links_ - rechts_);

  // Rules are drawn with a fine pen of about a tenth of a millimetre.
  grundStift_ = std::max(1, dpiX / 200);
  stiftBreite_ = grundStift_;
  SchriftSetzen(Schrift);
  zeilenHoehe_ = ZeilenHoehe(Schrift.pointSize());
  return true;
}

void TDruckMaschine::DruckText(int groesse, int stil, int ausrichtung, double position,
                               int schatten, const QString& text) {
  if (!maler_.isActive()) return;
  if (messen_) {
    if (groesse != 0) zeilenHoehe_ = ZeilenHoehe(groesse);
    return;
  }
  SchriftSetzen(Schrift);
  const bool platzFuerFuss = FussOffset + 40 < hoehe_;
  if (platzFuerFuss && !imFuss_ && !imKopf_ && zeile_ >= LetzteZeile()) NeueSeite();
  if (zeile_ == 0) {
    Kopf();
    SchriftSetzen(Schrift);
  }
  if (groesse != 0) zeilenHoehe_ = ZeilenHoehe(groesse);
  SchriftSetzen(SchriftFuer(aktuell_, groesse, stil));

  const QFontMetrics fm = maler_.fontMetrics();
  const int breite = fm.horizontalAdvance(text);
  int x = Spalte(position);
  if (ausrichtung == kRechts) x -= breite;
  if (ausrichtung == kMitte) x -= breite / 2;

  if (Grau) {
    if (schatten == kGrau) fuellFarbe_ = QColor(0xC0, 0xC0, 0xC0);
    const QRect kasten(QPoint(std::max(0, x - 2), std::max(0, zeile_ - 3)),
                       QPoint(x + breite + 2, zeile_ + fm.height() - 1));
    maler_.fillRect(kasten, fuellFarbe_);
  }
  maler_.setPen(QPen(Qt::black));
  maler_.drawText(x, zeile_ + fm.ascent(), text);
}

void TDruckMaschine::NeueSeite() {
  Fuss();
  geraet_->newPage();
  zeile_ = 0;
  ++seite_;
}

int TDruckMaschine::Hoehe(const std::function<void()>& druck) {
  if (!maler_.isActive() || messen_) return 0;
  const int zeile = zeile_;
  const int zeilenHoehe = zeilenHoehe_;
  messen_ = true;
  // Any position but 0, which would mean a page without its head.
  zeile_ = 1;
  druck();
  const int hoehe = zeile_ - 1;
  messen_ = false;
  zeile_ = zeile;
  zeilenHoehe_ = zeilenHoehe;
  return hoehe;
}

void TDruckMaschine::Seitenwechsel() {
  if (!maler_.isActive() || messen_ || zeile_ == 0) return;
  NeueSeite();
}

void TDruckMaschine::Zusammenhalten(int hoehe) {
  if (!maler_.isActive() || messen_ || zeile_ == 0) return;
  const bool passtHier = zeile_ + hoehe <= LetzteZeile();
  const bool passtLeer = kopfEnde_ + hoehe <= LetzteZeile();
  if (!passtHier && passtLeer && zeile_ > kopfEnde_ && FussOffset + 40 < hoehe_) NeueSeite();
}

void TDruckMaschine::DruckVorschub(int groesse) {
  if (!maler_.isActive()) return;
  if (zeile_ == 0 && !messen_) Kopf();
  zeile_ += groesse != 0 ? ZeilenHoehe(groesse) : zeilenHoehe_;
}

void TDruckMaschine::DruckLinie(bool doppelt, double rechts, double links) {
  if (!maler_.isActive()) return;
  if (messen_) {
    if (doppelt) DruckVorschub(1);
    DruckVorschub(3);
    return;
  }
  if (zeile_ == 0) Kopf();
  maler_.setPen(QPen(Qt::black, stiftBreite_, Qt::SolidLine, Qt::FlatCap));
  const int von = Spalte(links);
  const int bis = Spalte(rechts);
  maler_.drawLine(von, zeile_, bis, zeile_);
  if (doppelt) {
    DruckVorschub(1);
    maler_.drawLine(von, zeile_, bis, zeile_);
  }
  DruckVorschub(3);
}

void TDruckMaschine::Kopf() {
  imKopf_ = true;
  zeile_ = std::max(1, oben_);
  DruckText(12, kFett, kMitte, 50, kGrau, titel_);
  DruckVorschub(0);
  DruckText(12, kFett, kLinks, 0, kOhneSchatten, Kopfzeile);
  DruckVorschub(0);
  stiftBreite_ = 10;
  DruckLinie(false, 100, 0);
  stiftBreite_ = grundStift_;
  DruckVorschub(3);
  imKopf_ = false;
  kopfEnde_ = zeile_;
}

void TDruckMaschine::Fuss() {
  imFuss_ = true;
  zeile_ = std::max(1, hoehe_ - FussOffset);
  stiftBreite_ = 6;
  DruckLinie(true, 100, 0);
  stiftBreite_ = grundStift_;
  DruckVorschub(8);
  const QLocale ort = Gebietsschema();
  const QDateTime jetzt = FesteZeit.value_or(QDateTime::currentDateTime());
  DruckText(7, kNormal, kLinks, 0, kOhneSchatten, QStringLiteral("Ver.: ") + Version);
  DruckText(10, kKursiv, kMitte, 50, kOhneSchatten,
            QStringLiteral("Seite ") + QString::number(seite_));
  DruckText(7, kNormal, kRechts, 100, kOhneSchatten,
            ort.toString(jetzt.date(), QLocale::ShortFormat) + QStringLiteral("  ") +
                ort.toString(jetzt.time(), QLocale::ShortFormat));
  DruckVorschub(0);
  DruckVorschub(3);
  imFuss_ = false;
}

bool TDruckMaschine::DruckEnde() {
  if (!maler_.isActive()) return false;
  Fuss();
  const bool ok = maler_.end();
  geraet_ = nullptr;
  if (cursorGesetzt_) {
    QGuiApplication::restoreOverrideCursor();
    cursorGesetzt_ = false;
  }
  return ok;
}

bool PdfSicherSchreiben(const QString& datei, QPageLayout::Orientation ausrichtung,
                        const std::function<bool(QPdfWriter&)>& drucken, const QString& nichtAnlegbar,
                        QString* grund) {
  const auto fehler = [&](const QString& text) {
    if (grund != nullptr) *grund = text;
    return false;
  };
  const QFileInfo info(datei);
  if (info.exists() && !info.isFile()) return fehler(QStringLiteral("Das Ziel ist keine gewöhnliche Datei."));
  QSaveFile ziel(datei);
  if (!ziel.open(QIODevice::WriteOnly)) return fehler(nichtAnlegbar);
  bool gedruckt = false;
  {
    QPdfWriter pdf(&ziel);
    pdf.setResolution(600);
    pdf.setCreator(QStringLiteral("Lohnsteuer"));
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), ausrichtung, QMarginsF()));
    gedruckt = drucken(pdf);
  }
  // A write that failed (a full disk, a size limit) leaves its mark on the
  // file; the temporary file is then removed and the target stays as it was.
  const bool schreibfehler = !ziel.flush() || ziel.error() != QFileDevice::NoError;
  if (!gedruckt || schreibfehler) {
    ziel.cancelWriting();
    return fehler(schreibfehler ? QStringLiteral("Schreibfehler, etwa weil der Datenträger voll ist; eine "
                                                 "vorhandene Datei bleibt unverändert.")
                                : QStringLiteral("Der Ausdruck konnte nicht erzeugt werden; eine vorhandene "
                                                 "Datei bleibt unverändert."));
  }
  if (!ziel.commit()) {
    return fehler(QStringLiteral("Sie konnte nicht vollständig geschrieben oder nicht an ihre Stelle gesetzt "
                                 "werden; eine vorhandene Datei bleibt unverändert."));
  }
  return true;
}

}  // namespace lst::druck
