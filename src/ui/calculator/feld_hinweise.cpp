#include "ui/calculator/feld_hinweise.h"

#include <QApplication>
#include <QLineEdit>
#include <QPalette>
#include <QVariant>
#include <QWidget>

namespace lst::hinweis {

namespace {

const char* const kNormal = "hinweisNormal";
const char* const kGrund = "hinweisGrund";
const char* const kMeldung = "hinweisMeldung";

// The usual hint is taken from the control the first time it is needed.
void NormalMerken(QWidget* w) {
  if (!w->property(kNormal).isValid()) w->setProperty(kNormal, w->toolTip());
}

void Anzeigen(QWidget* w) {
  QString text = w->property(kMeldung).toString();
  if (text.isEmpty()) text = w->property(kGrund).toString();
  if (text.isEmpty()) text = w->property(kNormal).toString();
  if (w->toolTip() != text) w->setToolTip(text);
}

void Faerben(QWidget* w, bool rot) {
  if (w->property("warnung").toBool() == rot && w->autoFillBackground() == rot) return;
  w->setProperty("warnung", rot);
  QPalette p = w->palette();
  if (rot) {
    // Buttons paint their background with the button role, an edit its
    // field with the base role.
    p.setColor(QPalette::Window, QColor(255, 0, 0));
    p.setColor(QPalette::Button, QColor(255, 0, 0));
    if (qobject_cast<QLineEdit*>(w) != nullptr) p.setColor(QPalette::Base, QColor(255, 0, 0));
  } else {
    p = QApplication::palette(w);
  }
  w->setPalette(p);
  w->setAutoFillBackground(rot);
}

}  // namespace

void Normal(QWidget* w, const QString& text) {
  w->setProperty(kNormal, text);
  Anzeigen(w);
}

void Grund(QWidget* w, const QString& text) {
  if (w->property(kGrund).toString() == text && w->property(kNormal).isValid()) return;
  NormalMerken(w);
  w->setProperty(kGrund, text);
  Anzeigen(w);
}

void Meldung(QWidget* w, const QString& text) {
  if (w->property(kMeldung).toString() == text && w->property(kNormal).isValid()) return;
  NormalMerken(w);
  w->setProperty(kMeldung, text);
  Faerben(w, !text.isEmpty());
  Anzeigen(w);
}

bool Rot(const QWidget* w) { return !w->property(kMeldung).toString().isEmpty(); }

}  // namespace lst::hinweis
