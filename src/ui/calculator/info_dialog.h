#pragma once
// The about box "Info": product name, version and publisher.

#include <QDialog>

namespace lst {

class TFInfo : public QDialog {
  Q_OBJECT

 public:
  // produkt: the caption of the calculator window.
  explicit TFInfo(const QString& produkt, QWidget* eltern = nullptr);

  // "Version " and the four numbers of the build.
  static QString VersionsText();
  // The publisher, as the about box names it (also for the head of printed pages).
  static QString Herausgeber() { return QStringLiteral("Lohnsteuer-Projekt"); }
};

}  // namespace lst
