#pragma once
// Reading printed PDF files back: text with poppler's pdftotext, word boxes
// with pdftotext -bbox, pixels with pdftoppm.

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>
#include <vector>

#include "calc/berechnung.h"
#include "cli/druck/cli_drucken.h"
#include "cli/eingabe.h"
#include "geld/zahlen.h"
#include "print/rechnung_drucken.h"

// Readable QString in test failures.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList& l, std::ostream* os) {
  for (const QString& s : l) *os << "\n  " << s.toStdString();
}

namespace druck_test {

inline QByteArray Ausfuehren(const QString& programm, const QStringList& argumente) {
  QProcess p;
  p.start(programm, argumente);
  if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
  return p.readAllStandardOutput();
}

// The text of a PDF as pdftotext -layout gives it (all pages, or one).
inline QString PdfText(const QString& pdf, int seite = 0) {
  QStringList a{QStringLiteral("-layout")};
  if (seite > 0) a << QStringLiteral("-f") << QString::number(seite) << QStringLiteral("-l") << QString::number(seite);
  a << pdf << QStringLiteral("-");
  return QString::fromUtf8(Ausfuehren(QStringLiteral("pdftotext"), a));
}

// The non-empty lines of a text with runs of blanks made one blank; the
// blank before "%" (which pdftotext keeps or drops by its width) is dropped.
inline QStringList Zeilen(const QString& text) {
  QStringList z;
  for (const QString& zeile : text.split(QLatin1Char('\n'))) {
    QString s = zeile.simplified();
    s.replace(QStringLiteral(" %"), QStringLiteral("%"));
    // pdftotext writes the ligatures "fi" and "fl" as one character.
    s.replace(QChar(0xFB01), QStringLiteral("fi")).replace(QChar(0xFB02), QStringLiteral("fl"));
    if (!s.isEmpty()) z << s;
  }
  return z;
}

struct TWort {
  int Seite = 0;
  double X0 = 0, Y0 = 0, X1 = 0, Y1 = 0;  // points from the page's top left
  QString Text;
};

// Every word of a PDF with its box.
inline std::vector<TWort> PdfWoerter(const QString& pdf) {
  const QString html = QString::fromUtf8(
      Ausfuehren(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")}));
  std::vector<TWort> woerter;
  static const QRegularExpression muster(QStringLiteral(
      "<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
  int seite = 0;
  for (auto it = muster.globalMatch(html); it.hasNext();) {
    const auto m = it.next();
    if (m.captured(0).startsWith(QStringLiteral("<page"))) {
      ++seite;
      continue;
    }
    woerter.push_back({seite, m.captured(1).toDouble(), m.captured(2).toDouble(),
                       m.captured(3).toDouble(), m.captured(4).toDouble(), m.captured(5)});
  }
  return woerter;
}

// The first word with that text (on a page, or on any page for 0).
inline const TWort* Wort(const std::vector<TWort>& woerter, const QString& text, int seite = 0) {
  for (const TWort& w : woerter) {
    if (w.Text == text && (seite == 0 || w.Seite == seite)) return &w;
  }
  return nullptr;
}

inline int Seiten(const QString& pdf) {
  int n = 0;
  for (const TWort& w : PdfWoerter(pdf)) n = std::max(n, w.Seite);
  return n;
}

// One page rendered at the given resolution.
inline QImage PdfBild(const QString& pdf, int seite, int dpi) {
  QTemporaryDir ordner;
  const QString basis = ordner.filePath(QStringLiteral("seite"));
  Ausfuehren(QStringLiteral("pdftoppm"),
             {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"),
              QString::number(seite), QStringLiteral("-l"), QString::number(seite),
              QStringLiteral("-singlefile"), pdf, basis});
  return QImage(basis + QStringLiteral(".png"));
}

// The longest run of light grey (C0C0C0) pixels in any row: a filled text
// box gives long runs, the edges of anti-aliased glyphs only short ones.
inline int LaengsterGrauLauf(const QImage& bild) {
  int laengster = 0;
  for (int y = 0; y < bild.height(); ++y) {
    int lauf = 0;
    for (int x = 0; x < bild.width(); ++x) {
      const QRgb p = bild.pixel(x, y);
      lauf = qRed(p) == 0xC0 && qGreen(p) == 0xC0 && qBlue(p) == 0xC0 ? lauf + 1 : 0;
      laengster = std::max(laengster, lauf);
    }
  }
  return laengster;
}

// No word of a printout lies over another.
inline void KeinWortUeberEinemAnderen(const QString& pdf) {
  const std::vector<druck_test::TWort> woerter = druck_test::PdfWoerter(pdf);
  ASSERT_FALSE(woerter.empty());
  // A word's box spans the font's whole ascent and descent, which reach
  // into the lines above and below; the glyphs' core is its middle half.
  // Touching boxes of one line are no overlap either.
  constexpr double kLuft = 0.5;  // points
  const auto kern = [](const druck_test::TWort& w) {
    const double viertel = (w.Y1 - w.Y0) / 4;
    return std::pair{w.Y0 + viertel, w.Y1 - viertel};
  };
  for (std::size_t i = 0; i < woerter.size(); ++i) {
    for (std::size_t j = i + 1; j < woerter.size(); ++j) {
      const druck_test::TWort& a = woerter[i];
      const druck_test::TWort& b = woerter[j];
      if (a.Seite != b.Seite) continue;
      const double breite = std::min(a.X1, b.X1) - std::max(a.X0, b.X0);
      const auto [a0, a1] = kern(a);
      const auto [b0, b1] = kern(b);
      const double hoehe = std::min(a1, b1) - std::max(a0, b0);
      EXPECT_FALSE(breite > kLuft && hoehe > kLuft)
          << a.Text.toStdString() << " liegt über " << b.Text.toStdString();
    }
  }
}

// A calculation as the command line prepares it, with the window's texts.
struct TRechnungFall {
  lst::TAbrechnungsStand S;
  lst::druck::TDruckAngaben A;

  explicit TRechnungFall(const lst::cli::TEingabe& e) {
    const std::string fehler = lst::cli::Vorbereiten(e, S.Parameter, S.Anfrage);
    if (!fehler.empty()) throw std::runtime_error(fehler);
    S.Euro = !e.DM;
    S.ArbeitnehmerSicht = !e.Arbeitgeber;
    S.Ergebnis = lst::Abrechnen(S.Parameter, S.Anfrage);
    A = lst::druck::DruckAngabenFuer(S);
  }
};

// The amount text the printout gives for cents: "1.234,56 €".
inline QString Geld(std::int64_t cent) {
  return QString::fromStdString(lst::CentAlsText(cent)) + QStringLiteral(" EUR");
}

}  // namespace druck_test
