#include "ui/calculator/feld_hinweise.h"

#include <QApplication>
#include <QHash>
#include <QLineEdit>
#include <QPalette>
#include <QVariant>
#include <QWidget>

namespace lst::hinweis {

namespace {

// What a control says, kept beside it (every keystroke asks each control of
// the form; the controls' dynamic properties are too slow for that).
struct TZustand {
  QString Normal;
  QString Grund;
  QString Meldung;
  bool Rot = false;
};

QHash<const QWidget*, TZustand>& Zustaende() {
  static QHash<const QWidget*, TZustand> zustaende;
  return zustaende;
}

TZustand& Zustand(QWidget* w) {
  auto& zustaende = Zustaende();
  auto it = zustaende.find(w);
  if (it == zustaende.end()) {
    // The usual hint is the tooltip the control has when it is first seen.
    it = zustaende.insert(w, TZustand{w->toolTip(), {}, {}, false});
    QObject::connect(w, &QObject::destroyed, [w] { Zustaende().remove(w); });
  }
  return *it;
}

void Anzeigen(QWidget* w, const TZustand& z) {
  const QString& text = !z.Meldung.isEmpty() ? z.Meldung : !z.Grund.isEmpty() ? z.Grund : z.Normal;
  if (w->toolTip() != text) w->setToolTip(text);
}

void Faerben(QWidget* w, TZustand& z, bool rot) {
  if (z.Rot == rot) return;
  z.Rot = rot;
  // The property tells others (the tests) that the colour is a warning.
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
  TZustand& z = Zustand(w);
  z.Normal = text;
  Anzeigen(w, z);
}

QString Normal(QWidget* w) { return Zustand(w).Normal; }

void Grund(QWidget* w, const QString& text) {
  TZustand& z = Zustand(w);
  if (z.Grund == text) return;
  z.Grund = text;
  Anzeigen(w, z);
}

void Meldung(QWidget* w, const QString& text) {
  TZustand& z = Zustand(w);
  if (z.Meldung == text) return;
  z.Meldung = text;
  Faerben(w, z, !text.isEmpty());
  Anzeigen(w, z);
}

bool Rot(const QWidget* w) {
  const auto it = Zustaende().constFind(w);
  return it != Zustaende().constEnd() && !it->Meldung.isEmpty();
}

}  // namespace lst::hinweis
