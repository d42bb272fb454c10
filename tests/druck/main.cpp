// The print tests run without a display and with their own configuration
// folder, so that no settings file of the user is read or written.
#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir ordner;
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(ordner.path()));
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
