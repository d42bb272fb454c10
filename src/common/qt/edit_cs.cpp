#include "common/qt/edit_cs.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLocale>
#include <QPainter>
#include <QRegularExpression>
#include <QTimer>

#include <cmath>
#include <limits>

#include "geld/geld.h"

namespace lst {

namespace {

// The Windows-1252 code of a character; -1 for a character outside that code
// page.
int Code1252(QChar c) {
  const char16_t u = c.unicode();
  if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return u;
  static constexpr char16_t kObereHaelfte[32] = {
      0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
  for (int i = 0; i < 32; ++i) {
    if (kObereHaelfte[i] != 0 && kObereHaelfte[i] == u) return 0x80 + i;
  }
  return -1;
}

bool IstUmlaut(int code) {
  switch (code) {
    case 196: case 214: case 220: case 228: case 246: case 252: case 223:
      return true;
    default:
      return false;
  }
}

QChar Dezimaltrenner() {
  const QString t = QLocale().decimalPoint();
  return t.isEmpty() ? QChar(u',') : t.front();
}

// Control characters that the platform's edit never saw as typed characters
// (escape, delete): they pass unfiltered, like arrow keys.
bool IstSteuertaste(QChar c) {
  const char16_t u = c.unicode();
  return (u < 32 && u != 8 && u != 9 && u != 13) || u == 127;
}

}  // namespace

TEditCS::TEditCS(QWidget* eltern) : QLineEdit(eltern) {}

void TEditCS::SetAlignment(TAlignment a) {
  ausrichtung_ = a;
  switch (a) {
    case taRightJustify: setAlignment(Qt::AlignRight | Qt::AlignVCenter); break;
    case taCenter: setAlignment(Qt::AlignHCenter | Qt::AlignVCenter); break;
    default: setAlignment(Qt::AlignLeft | Qt::AlignVCenter); break;
  }
}

bool TEditCS::Zulaessig(QChar c) const {
  if (!verbZeichen_.isEmpty() && verbZeichen_.contains(c)) return false;
  if (zusZeichen_.contains(c)) return true;
  const int code = Code1252(c);
  const auto z = zugZeichen_;
  if (code >= 0) {
    if (z.testFlag(Bearbeitg) && (code == 8 || code == 9 || code == 13)) return true;
    if (z.testFlag(Alle) && code >= 32 && code <= 126) return true;
    if (z.testFlag(Umlaute) && IstUmlaut(code)) return true;
    if (z.testFlag(Gross) && ((code >= 'A' && code <= 'Z') || code == 196 || code == 214 || code == 220))
      return true;
    if (z.testFlag(Klein) && ((code >= 'a' && code <= 'z') || code == 228 || code == 246 ||
                              code == 252 || code == 223))
      return true;
    if (z.testFlag(Ziffern) && code >= '0' && code <= '9') return true;
    if (z.testFlag(CTL) && code < 32) return true;
    if (z.testFlag(Sonderz) && code >= 192 && code <= 255) return true;
    if (z.testFlag(Graphikz) && code >= 128 && code <= 191) return true;
  }
  return z.testFlag(DezTrenn) && c == Dezimaltrenner();
}

QChar TEditCS::Umgewandelt(QChar c) const {
  if (umwVon_.isEmpty() || umwNach_.isEmpty()) return c;
  const int n = std::min<int>(umwVon_.size(), 255);
  for (int i = 0; i < n; ++i) {
    if (c == umwVon_[i]) c = i < umwNach_.size() ? umwNach_[i] : umwNach_.back();
  }
  return c;
}

void TEditCS::keyPressEvent(QKeyEvent* ereignis) {
  const QString text = ereignis->text();
  const auto mod = ereignis->modifiers();
  // Shortcuts (copy, paste, undo) and keys without a character go their way.
  const bool kuerzel = (mod & (Qt::ControlModifier | Qt::MetaModifier)) && !(mod & Qt::AltModifier);
  if (text.isEmpty() || kuerzel || (text.size() == 1 && IstSteuertaste(text.front()))) {
    QLineEdit::keyPressEvent(ereignis);
    return;
  }
  QString neu;
  neu.reserve(text.size());
  for (QChar c : text) {
    if (!Zulaessig(c)) {
      Abweisen();
      ereignis->accept();
      return;
    }
    neu.append(Umgewandelt(c));
  }
  if (neu == text) {
    QLineEdit::keyPressEvent(ereignis);
    return;
  }
  QKeyEvent umgewandelt(ereignis->type(), ereignis->key(), mod, neu, ereignis->isAutoRepeat(),
                        static_cast<quint16>(ereignis->count()));
  QLineEdit::keyPressEvent(&umgewandelt);
  ereignis->setAccepted(umgewandelt.isAccepted());
}

void TEditCS::Abweisen() {
  QApplication::beep();
  blinkt_ = true;
  const int nummer = ++blinkNummer_;
  update();
  QTimer::singleShot(kBlinkDauerMs, this, [this, nummer] {
    if (nummer != blinkNummer_) return;  // a later refusal keeps it inverted
    blinkt_ = false;
    update();
  });
}

void TEditCS::paintEvent(QPaintEvent* ereignis) {
  QLineEdit::paintEvent(ereignis);
  if (!blinkt_) return;
  QPainter maler(this);
  maler.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  maler.fillRect(rect(), Qt::white);
}

double TEditCS::TextAlsZahl(const QString& roh) {
  const QString text = roh.trimmed();
  if (text.isEmpty() || text.size() > 64) return 0.0;
  bool ok = false;
  double x = QLocale().toDouble(text, &ok);
  if (!ok) {
    // Pasted text in the plain notation with a point ("3000.50").
    static const QRegularExpression kSchlicht(QStringLiteral("^[+-]?[0-9]+(\\.[0-9]+)?$"));
    if (kSchlicht.match(text).hasMatch()) x = text.toDouble(&ok);
  }
  if (!ok || !std::isfinite(x) || std::fabs(x) > kGroessterWert) return 0.0;
  return x;
}

QString TEditCS::ZahlAlsText(double x) {
  if (!std::isfinite(x)) return QStringLiteral("0");
  QString t = QString::number(x, 'g', 15);
  if (t == QLatin1String("-0")) t = QStringLiteral("0");
  t.replace(QLatin1Char('.'), Dezimaltrenner());
  return t;
}

double TEditCS::AsFloat() const { return TextAlsZahl(text()); }

int TEditCS::AsInteger() const {
  const QString t = text().trimmed();
  bool ok = false;
  const qlonglong n = QLocale().toLongLong(t, &ok);
  if (!ok || n < std::numeric_limits<int>::min() || n > std::numeric_limits<int>::max()) return 0;
  return static_cast<int>(n);
}

double TEditCS::AsFraction() const { return AsFloat() / 100.0; }

std::int64_t TEditCS::AsCents() const { return Runden(AsFloat() * 100.0); }

void TEditCS::SetFraction(double x) { setText(ZahlAlsText(x * 100.0)); }

}  // namespace lst
