#pragma once
// TEditCS: the single-line edit through which every number of the program is
// typed.  It filters typed characters by classes, can convert characters on
// the way in (a point into the decimal comma), and reads its text as a number.
//
// Only typed characters are filtered.  Text set by the program or pasted from
// the clipboard goes in unchecked, so every reading operation accepts any
// text: what is not a finite number within range reads as 0.
//
// A refused key beeps, is swallowed and shows the field inverted for 200 ms;
// the event loop keeps running meanwhile.

#include <QFlags>
#include <QLineEdit>
#include <QString>

#include <cstdint>

namespace lst {

class TEditCS : public QLineEdit {
  Q_OBJECT
  Q_PROPERTY(TAlignment Alignment READ Alignment WRITE SetAlignment)
  Q_PROPERTY(QString UmwVon READ UmwVon WRITE SetUmwVon)
  Q_PROPERTY(QString UmwNach READ UmwNach WRITE SetUmwNach)
  Q_PROPERTY(TZugZeichen ZugZeichen READ ZugZeichen WRITE SetZugZeichen)
  Q_PROPERTY(QString ZusZeichen READ ZusZeichen WRITE SetZusZeichen)
  Q_PROPERTY(QString VerbZeichen READ VerbZeichen WRITE SetVerbZeichen)

 public:
  enum TAlignment { taLeftJustify, taRightJustify, taCenter };
  Q_ENUM(TAlignment)

  // The character classes, one bit each in this order.  Codes are those of
  // the Windows-1252 code page; other characters belong to no class.
  enum TZugZeich {
    Bearbeitg = 1 << 0,  // backspace, tab, enter
    Alle = 1 << 1,       // 32 to 126
    Umlaute = 1 << 2,    // Ä Ö Ü ä ö ü ß
    Gross = 1 << 3,      // A to Z, Ä Ö Ü
    Klein = 1 << 4,      // a to z, ä ö ü ß
    Ziffern = 1 << 5,    // 0 to 9
    DezTrenn = 1 << 6,   // the locale's decimal separator
    CTL = 1 << 7,        // 0 to 31
    Sonderz = 1 << 8,    // 192 to 255
    Graphikz = 1 << 9,   // 128 to 191
  };
  Q_DECLARE_FLAGS(TZugZeichen, TZugZeich)
  Q_FLAG(TZugZeichen)

  // How long a refused key shows the field inverted.
  static constexpr int kBlinkDauerMs = 200;
  // Largest magnitude a reading operation accepts; beyond it the text reads
  // as 0 (cents of such an amount still fit a 64-bit integer).
  static constexpr double kGroessterWert = 1e15;

  explicit TEditCS(QWidget* eltern = nullptr);

  TAlignment Alignment() const { return ausrichtung_; }
  void SetAlignment(TAlignment a);
  const QString& UmwVon() const { return umwVon_; }
  void SetUmwVon(const QString& s) { umwVon_ = s; }
  const QString& UmwNach() const { return umwNach_; }
  void SetUmwNach(const QString& s) { umwNach_ = s; }
  TZugZeichen ZugZeichen() const { return zugZeichen_; }
  void SetZugZeichen(TZugZeichen z) { zugZeichen_ = z; }
  const QString& ZusZeichen() const { return zusZeichen_; }
  void SetZusZeichen(const QString& s) { zusZeichen_ = s; }
  const QString& VerbZeichen() const { return verbZeichen_; }
  void SetVerbZeichen(const QString& s) { verbZeichen_ = s; }

  // Whether the character may be typed into this field.
  bool Zulaessig(QChar c) const;
  // The character after the conversion walk of UmwVon / UmwNach.
  QChar Umgewandelt(QChar c) const;

  // The text as a number; 0 for text that is not a finite number in range.
  double AsFloat() const;
  // The text as a 32-bit integer; 0 for anything else ("12a", "1,5").
  int AsInteger() const;
  // The text as percent, returned as a fraction (7,3 gives 0.073).
  double AsFraction() const;
  // The text times 100, rounded half away from zero.
  std::int64_t AsCents() const;
  // Shows the fraction x as percent in the shortest decimal text (0.0725: "7,25").
  void SetFraction(double x);

  // Whether the field is shown inverted after a refused key.
  bool Blinkt() const { return blinkt_; }

  // Reading helpers shared with other fields that hold typed numbers.
  static double TextAlsZahl(const QString& text);
  static QString ZahlAlsText(double x);

 protected:
  void keyPressEvent(QKeyEvent* ereignis) override;
  void paintEvent(QPaintEvent* ereignis) override;

 private:
  void Abweisen();

  TAlignment ausrichtung_ = taLeftJustify;
  QString umwVon_;
  QString umwNach_;
  TZugZeichen zugZeichen_ = Alle;
  QString zusZeichen_;
  QString verbZeichen_;
  bool blinkt_ = false;
  int blinkNummer_ = 0;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(TEditCS::TZugZeichen)

}  // namespace lst
