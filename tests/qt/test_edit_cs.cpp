#include <QLocale>
#include <QtTest>

#include "common/qt/edit_cs.h"

using lst::TEditCS;

// Types text as keystrokes, also characters outside ASCII.
static void Tippen(QWidget* w, const QString& text) {
  for (QChar c : text) {
    QTest::sendKeyEvent(QTest::Press, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
}

class TestEditCS : public QObject {
  Q_OBJECT

  static constexpr TEditCS::TZugZeichen kDezimal =
      TEditCS::Bearbeitg | TEditCS::Ziffern | TEditCS::DezTrenn;

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

  // Typed characters are filtered by class; a refused one flashes the field
  // for a while without blocking, and is swallowed.
  void filterUndBlinken() {
    TEditCS e;
    e.SetZugZeichen(kDezimal);
    e.show();
    QTest::keyClicks(&e, QStringLiteral("12,5"));
    QCOMPARE(e.text(), QStringLiteral("12,5"));
    QTest::keyClick(&e, Qt::Key_Backspace);
    QCOMPARE(e.text(), QStringLiteral("12,"));
    QVERIFY(!e.Blinkt());
    for (const char* falsch : {".", "-", "a", "€"}) {
      Tippen(&e, QString::fromUtf8(falsch));
      QCOMPARE(e.text(), QStringLiteral("12,"));
      QVERIFY2(e.Blinkt(), falsch);  // the event loop still runs: we are here
    }
    QTRY_VERIFY_WITH_TIMEOUT(!e.Blinkt(), 1000);
    // Shortcuts and keys without a character are not filtered.
    e.selectAll();
    QTest::keyClick(&e, Qt::Key_Delete);
    QCOMPARE(e.text(), QString());
    QVERIFY(!e.Blinkt());

    TEditCS z;
    z.SetZugZeichen(TEditCS::Bearbeitg | TEditCS::Ziffern);
    z.SetZusZeichen(QStringLiteral(","));
    z.SetVerbZeichen(QStringLiteral("0"));
    QTest::keyClicks(&z, QStringLiteral("1,0 9"));
    QCOMPARE(z.text(), QStringLiteral("1,9"));

    TEditCS g;  // default: all of 32 to 126, nothing else
    Tippen(&g, QStringLiteral("Aä~"));
    QCOMPARE(g.text(), QStringLiteral("A~"));
    g.SetZugZeichen(TEditCS::Umlaute);
    Tippen(&g, QStringLiteral("äßx"));
    QCOMPARE(g.text(), QStringLiteral("A~äß"));
  }

  // The conversion walk: a later pair sees the converted character.
  void umwandlung() {
    TEditCS e;
    e.SetZugZeichen(kDezimal);
    e.SetZusZeichen(QStringLiteral("."));
    e.SetUmwVon(QStringLiteral("."));
    e.SetUmwNach(QStringLiteral(","));
    QTest::keyClicks(&e, QStringLiteral("3.5"));
    QCOMPARE(e.text(), QStringLiteral("3,5"));
    e.clear();
    e.SetUmwVon(QStringLiteral(".,"));
    e.SetUmwNach(QStringLiteral(",."));
    QTest::keyClicks(&e, QStringLiteral("3.5"));
    QCOMPARE(e.text(), QStringLiteral("3.5"));
    e.clear();
    e.SetUmwVon(QStringLiteral("ab"));
    e.SetUmwNach(QStringLiteral("x"));  // shorter: its last character
    e.SetZugZeichen(TEditCS::Alle);
    QTest::keyClicks(&e, QStringLiteral("ab"));
    QCOMPARE(e.text(), QStringLiteral("xx"));
  }

  void lesen() {
    TEditCS e;
    e.setText(QStringLiteral("12,375"));
    QCOMPARE(e.AsCents(), 1238);
    e.setText(QStringLiteral("0,125"));
    QCOMPARE(e.AsCents(), 13);
    e.setText(QStringLiteral("1,005"));
    QCOMPARE(e.AsCents(), 101);
    e.setText(QStringLiteral("-2,5"));
    QCOMPARE(e.AsCents(), -250);
    e.setText(QStringLiteral("7,3"));
    QVERIFY(qAbs(e.AsFraction() - 0.073) < 1e-15);
    e.setText(QStringLiteral("3000.50"));  // pasted in the plain notation
    QCOMPARE(e.AsFloat(), 3000.5);
    e.setText(QStringLiteral("3.000,50"));
    QCOMPARE(e.AsFloat(), 3000.5);
    e.setText(QStringLiteral("42"));
    QCOMPARE(e.AsInteger(), 42);
    e.SetFraction(0.0725);
    QCOMPARE(e.text(), QStringLiteral("7,25"));
    e.SetFraction(0.1015);
    QCOMPARE(e.text(), QStringLiteral("10,15"));
    e.SetFraction(0.0);
    QCOMPARE(e.text(), QStringLiteral("0"));

    // Any text survives every reading operation and reads 0.
    const QString zehntausend(10000, QLatin1Char('9'));
    for (const QString& t : {QString(), QStringLiteral("12a"), QStringLiteral("1e999"),
                             QStringLiteral("nan"), QStringLiteral("inf"), QStringLiteral("--5"),
                             QStringLiteral("1,2,3"), QStringLiteral("١٢٣"), QStringLiteral("Ωμέγα"),
                             zehntausend, QStringLiteral("1e16")}) {
      e.setText(t);
      QCOMPARE(e.AsFloat(), 0.0);
      QCOMPARE(e.AsCents(), 0);
      QCOMPARE(e.AsFraction(), 0.0);
      QCOMPARE(e.AsInteger(), 0);
    }
    e.setText(QStringLiteral("99999999999"));
    QCOMPARE(e.AsInteger(), 0);
    QCOMPARE(e.AsCents(), 9999999999900);
  }

  void ausrichtung() {
    TEditCS e;
    QCOMPARE(e.Alignment(), TEditCS::taLeftJustify);
    e.SetAlignment(TEditCS::taRightJustify);
    QVERIFY(e.alignment() & Qt::AlignRight);
    e.SetAlignment(TEditCS::taCenter);
    QVERIFY(e.alignment() & Qt::AlignHCenter);
  }
};

QTEST_MAIN(TestEditCS)
#include "test_edit_cs.moc"
