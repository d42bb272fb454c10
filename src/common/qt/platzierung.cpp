#include "common/qt/platzierung.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>

#include "common/ini_datei.h"

namespace lst {

namespace {

std::string Abschnitt(const QWidget* fenster) {
  return fenster->objectName().trimmed().toUtf8().toStdString();
}

// The key's value as an int, or vorgabe when it is missing, not an integer or
// outside the range of int.
int Lesen(const TNewIniFile& ini, const std::string& abschnitt, const char* key, int vorgabe,
          bool& gelesen) {
  std::int64_t wert = 0;
  if (!TNewIniFile::TextAlsInteger(ini.ReadString(abschnitt, key, {}), wert)) return vorgabe;
  if (wert < std::numeric_limits<int>::min() || wert > std::numeric_limits<int>::max())
    return vorgabe;
  gelesen = true;
  return static_cast<int>(wert);
}

// Whether enough of the window's top edge, where its title bar is, lies on
// one of the screens for the user to grab it.
bool ObenSichtbar(const QRect& fenster) {
  const QRect leiste(fenster.left(), fenster.top(), fenster.width(),
                     std::min(fenster.height(), 30));
  const int breite = std::min(leiste.width(), 50);
  const int hoehe = std::min(leiste.height(), 10);
  const auto bildschirme = QGuiApplication::screens();
  return std::any_of(bildschirme.begin(), bildschirme.end(), [&](const QScreen* s) {
    const QRect teil = leiste.intersected(s->availableGeometry());
    return teil.width() >= breite && teil.height() >= hoehe;
  });
}

void AufBildschirmHolen(QWidget* fenster) {
  const QScreen* primaer = QGuiApplication::primaryScreen();
  if (primaer == nullptr) return;
  const QRect rahmen(fenster->pos(), fenster->frameGeometry().size());
  if (ObenSichtbar(rahmen)) return;
  const QRect frei = primaer->availableGeometry();
  const int x = std::max(frei.left(), std::min(rahmen.left(), frei.right() + 1 - rahmen.width()));
  const int y = std::max(frei.top(), std::min(rahmen.top(), frei.bottom() + 1 - rahmen.height()));
  fenster->move(x, y);
}

}  // namespace

void RestorePlacement(QWidget* fenster, const TNewIniFile& ini, int modus) {
  if (fenster == nullptr) return;
  if (modus != kPlatzPosition && modus != kPlatzGroesse && modus != kPlatzAlles) return;
  const std::string abschnitt = Abschnitt(fenster);
  if (abschnitt.empty()) return;

  bool position = false;
  bool groesse = false;
  int top = fenster->y();
  int left = fenster->x();
  int width = fenster->width();
  int height = fenster->height();
  if (modus == kPlatzPosition || modus == kPlatzAlles) {
    top = Lesen(ini, abschnitt, "Top", top, position);
    left = Lesen(ini, abschnitt, "Left", left, position);
  }
  if (modus == kPlatzGroesse || modus == kPlatzAlles) {
    bool gelesen = false;
    const int w = Lesen(ini, abschnitt, "Width", width, gelesen);
    if (w > 0) {
      width = w;
      groesse = groesse || gelesen;
    }
    gelesen = false;
    const int h = Lesen(ini, abschnitt, "Height", height, gelesen);
    if (h > 0) {
      height = h;
      groesse = groesse || gelesen;
    }
  }
  // The size first, so that the screen check below sees the final frame.
  if (groesse) fenster->resize(width, height);
  if (position) {
    fenster->move(left, top);
    if (fenster->isWindow()) AufBildschirmHolen(fenster);
  }
}

void RestorePlacement(QWidget* fenster, std::string_view dateiName, int modus) {
  RestorePlacement(fenster, TNewIniFile(dateiName), modus);
}

bool SavePlacement(QWidget* fenster, TNewIniFile& ini) {
  if (fenster == nullptr) return false;
  const std::string abschnitt = Abschnitt(fenster);
  if (abschnitt.empty()) return false;

  QPoint pos = fenster->pos();
  QSize groesse = fenster->size();
  if (fenster->isWindow() && (fenster->isMaximized() || fenster->isFullScreen())) {
    const QRect normal = fenster->normalGeometry();
    if (normal.isValid()) {
      // normalGeometry() is the content area; keep the frame's offset.
      pos = normal.topLeft() - (fenster->geometry().topLeft() - fenster->frameGeometry().topLeft());
      groesse = normal.size();
    }
  }
  return ini.WriteStrings(abschnitt, {{"Top", std::to_string(pos.y())},
                                      {"Left", std::to_string(pos.x())},
                                      {"Width", std::to_string(groesse.width())},
                                      {"Height", std::to_string(groesse.height())}});
}

bool SavePlacement(QWidget* fenster, std::string_view dateiName) {
  TNewIniFile ini(dateiName);
  return SavePlacement(fenster, ini);
}

}  // namespace lst
