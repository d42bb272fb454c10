#include <QApplication>

#include "common/aufruf.h"
#include "ui/anwendung.h"

int main(int argc, char** argv) {
  // --help and --version are answered without a display.
  if (const auto status = lst::FensterAufrufBeantworten(argc, argv)) return *status;
  QApplication app(argc, argv);
  lst::TAnwendung::Einrichten(app);
  lst::TAnwendung anwendung;
  anwendung.Zeigen();
  return QApplication::exec();
}
