#pragma once
// Helpers shared by the window tests: a settings folder of their own, typing
// as a user does, catching message boxes.

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <cstdint>

// Points XDG_CONFIG_HOME at a temporary folder and sets the German locale,
// as the program does on a machine that is not German.
inline void TestUmgebung(QTemporaryDir& ordner) {
  QVERIFY(ordner.isValid());
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(ordner.path()));
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

// Replaces the text of a field by typing: select all, then the keys.
inline void Eintippen(QWidget* feld, const QString& text) {
  QVERIFY(feld != nullptr);
  feld->setFocus();
  QTest::keyClick(feld, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(feld, Qt::Key_Backspace);
  if (!text.isEmpty()) QTest::keyClicks(feld, text);
}

// The money text the result labels show for an amount in cents.
inline QString GeldText(std::int64_t cent) {
  return QLocale().toCurrencyString(static_cast<double>(cent) / 100.0, QStringLiteral("EUR"), 2);
}

// Closes every message box that opens while it lives and keeps its text.
class TBoxFaenger {
 public:
  TBoxFaenger() {
    QObject::connect(&uhr_, &QTimer::timeout, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        Texte << (box->informativeText().isEmpty() ? box->text() : box->text() + "\n" + box->informativeText());
        box->accept();
      }
    });
    uhr_.start(10);
  }
  QStringList Texte;

 private:
  QTimer uhr_;
};

// Whether a check box shows the red warning colour.
inline bool Rot(const QWidget* w) {
  return w->property("warnung").toBool() && w->autoFillBackground() &&
         w->palette().color(QPalette::Window) == QColor(255, 0, 0);
}
