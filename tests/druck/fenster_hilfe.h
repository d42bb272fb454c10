#pragma once
// Helpers for driving dialogs in the print tests.

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace druck_test {

// Runs f on the next modal window that opens (a message box, the font
// dialog, the print preview); f must close it.
inline void BeiModal(std::function<void(QWidget*)> f) {
  auto* timer = new QTimer;
  auto* uhr = new QElapsedTimer;
  uhr->start();
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, uhr, f]() {
    QWidget* w = QApplication::activeModalWidget();
    if (!w && uhr->elapsed() < 5000) return;
    timer->stop();
    timer->deleteLater();
    delete uhr;
    if (w) f(w);
  });
  timer->start();
}

// Closes the next message box and gives back its text.
inline void MeldungMerken(QString& text) {
  BeiModal([&text](QWidget* w) {
    if (auto* m = qobject_cast<QMessageBox*>(w)) {
      text = m->text();
      m->accept();
    } else {
      w->close();
    }
  });
}

}  // namespace druck_test
