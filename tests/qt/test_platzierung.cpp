#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include <memory>

#include "common/ini_datei.h"
#include "common/qt/platzierung.h"

using lst::TNewIniFile;

// A window as the forms create it: named, with its designed geometry.
static std::unique_ptr<QWidget> Fenster(const char* name) {
  auto f = std::make_unique<QWidget>();
  f->setObjectName(QString::fromLatin1(name));
  f->setWindowTitle(QStringLiteral("Lohnsteuerberechnung 2013"));
  f->move(40, 30);
  f->resize(320, 240);
  return f;
}

class TestPlatzierung : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir ordner_;
  const lst::TDateiNamen namen_;

  QString Datei() const { return ordner_.filePath(QStringLiteral("DrumselLStTab.ini")); }

  void DateiSchreiben(const QByteArray& text) {
    QFile f(Datei());
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(text);
  }

  QByteArray DateiText() const {
    QFile f(Datei());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }

 private slots:
  void initTestCase() {
    QVERIFY(ordner_.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(ordner_.path()));
  }

  void init() { QFile::remove(Datei()); }

  // Saved from a shown window, restored into a fresh one with mode 2.
  void speichernUndWiederherstellen() {
    auto f = Fenster("FLohnUmr");
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.get()));
    f->move(120, 80);
    f->resize(300, 200);
    QVERIFY(lst::SavePlacement(f.get(), namen_.Einstellungen));
    QCOMPARE(DateiText(), QByteArray("[FLohnUmr]\nTop=80\nLeft=120\nWidth=300\nHeight=200\n"));

    auto g = Fenster("FLohnUmr");
    lst::RestorePlacement(g.get(), namen_.Einstellungen, lst::kPlatzAlles);
    g->show();
    QVERIFY(QTest::qWaitForWindowExposed(g.get()));
    QCOMPARE(g->pos(), QPoint(120, 80));
    QCOMPARE(g->size(), QSize(300, 200));
  }

  // Each mode reads only its keys; other modes and unsaved windows keep the
  // designed geometry.
  void modi_data() {
    QTest::addColumn<int>("modus");
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<QSize>("groesse");
    QTest::newRow("0: Top und Left") << 0 << QPoint(15, 25) << QSize(320, 240);
    QTest::newRow("1: Width und Height") << 1 << QPoint(40, 30) << QSize(350, 260);
    QTest::newRow("2: alle vier") << 2 << QPoint(15, 25) << QSize(350, 260);
    QTest::newRow("3: nichts") << 3 << QPoint(40, 30) << QSize(320, 240);
    QTest::newRow("-1: nichts") << -1 << QPoint(40, 30) << QSize(320, 240);
  }
  void modi() {
    QFETCH(int, modus);
    QFETCH(QPoint, pos);
    QFETCH(QSize, groesse);
    DateiSchreiben("[frechner]\nleft=15\nTOP=25\nWidth=350\nHeight=260\n");
    auto f = Fenster("FRechner");
    lst::RestorePlacement(f.get(), namen_.Einstellungen, modus);
    QCOMPARE(f->pos(), pos);
    QCOMPARE(f->size(), groesse);

    auto neu = Fenster("FLohnUmr");  // never saved
    lst::RestorePlacement(neu.get(), namen_.Einstellungen, modus);
    QCOMPARE(neu->pos(), QPoint(40, 30));
    QCOMPARE(neu->size(), QSize(320, 240));
  }

  // Values that are no usable numbers keep the current geometry key by key.
  void unbrauchbareWerte() {
    DateiSchreiben("[FRechner]\nTop=abc\nLeft=55\nWidth=-5\nHeight=99999999999\n");
    auto f = Fenster("FRechner");
    lst::RestorePlacement(f.get(), namen_.Einstellungen, lst::kPlatzAlles);
    QCOMPARE(f->pos(), QPoint(55, 30));
    QCOMPARE(f->size(), QSize(320, 240));
  }

  // A position saved on a screen that is gone brings the window back.
  void ausserhalbDesBildschirms() {
    DateiSchreiben("[FRechner]\nTop=-5000\nLeft=9000\n");
    auto f = Fenster("FRechner");
    lst::RestorePlacement(f.get(), namen_.Einstellungen, lst::kPlatzPosition);
    const QRect frei = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY2(frei.contains(QRect(f->pos(), f->size())),
             qPrintable(QStringLiteral("%1,%2").arg(f->x()).arg(f->y())));
    QCOMPARE(f->size(), QSize(320, 240));

    // Partly off the screen but with its top edge reachable: left alone.
    DateiSchreiben("[FRechner]\nTop=10\nLeft=" + QByteArray::number(frei.right() - 100) + "\n");
    lst::RestorePlacement(f.get(), namen_.Einstellungen, lst::kPlatzPosition);
    QCOMPARE(f->pos(), QPoint(frei.right() - 100, 10));
  }

  // Saving keeps the rest of the file and rewrites the four keys in place.
  void speichernBehaeltAnderes() {
    DateiSchreiben("[LoSt2013]\r\nGrdFreiB8130=1\r\n[FRechner]\r\nHeight=1\r\nTop=2\r\n"
                   "[Druck]\r\nFontName=Arial\r\n");
    auto f = Fenster("FRechner");
    QVERIFY(lst::SavePlacement(f.get(), namen_.Einstellungen));
    QCOMPARE(DateiText(), QByteArray("[LoSt2013]\r\nGrdFreiB8130=1\r\n[FRechner]\r\nHeight=240\r\n"
                                     "Top=30\r\nLeft=40\r\nWidth=320\r\n"
                                     "[Druck]\r\nFontName=Arial\r\n"));
  }

  void maximiertSpeichertNormaleGeometrie() {
    auto f = Fenster("FRechner");
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.get()));
    f->showMaximized();
    QTRY_VERIFY(f->isMaximized());
    QTRY_VERIFY(f->size() != QSize(320, 240));
    QVERIFY(lst::SavePlacement(f.get(), namen_.Einstellungen));
    TNewIniFile ini(namen_.Einstellungen);
    QCOMPARE(ini.ReadInteger("FRechner", "Width", 0), 320);
    QCOMPARE(ini.ReadInteger("FRechner", "Height", 0), 240);
  }

  // Without a name there is no section: nothing is read or written.
  void ohneNamen() {
    QWidget f;
    f.move(1, 2);
    QVERIFY(!lst::SavePlacement(&f, namen_.Einstellungen));
    QVERIFY(!QFile::exists(Datei()));
    lst::RestorePlacement(&f, namen_.Einstellungen, lst::kPlatzAlles);
    QCOMPARE(f.pos(), QPoint(1, 2));
  }
};

QTEST_MAIN(TestPlatzierung)
#include "test_platzierung.moc"
