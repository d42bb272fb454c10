#include <QApplication>

#include "ui/anwendung.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  lst::TAnwendung::Einrichten(app);
  lst::TAnwendung anwendung;
  anwendung.Zeigen();
  return QApplication::exec();
}
