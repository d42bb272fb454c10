#pragma once
// What the print engine and the print options keep in the settings files.
//
// At program start the engine reads its page layout from "Kolvanta.ini"
// (TDateiNamen::Druck): section "Default" key "FussOffset", section "Druck"
// keys "FontName", "FontSize", "Grau", "LiRand", "ReRand", "ObRand".  The
// print options dialog keeps its own values in the section "Druck" of the
// program's settings file (TDateiNamen::Einstellungen): "ObRand", "LiRand",
// "ReRand", "FontName", "FontSize", all written as text.

#include <string>
#include <string_view>

#include "common/ini_datei.h"

namespace lst::druck {

// Largest margin in millimetres the print options accept.
inline constexpr int kGroessterRand = 99;

// The engine's start-up values.  A missing file, a missing key and a value
// that does not fit (not a number, a margin outside 0 to 99 mm, a font size
// outside 4 to 72 points, an empty font name) give these defaults.
struct TDruckStart {
  int FussOffset = 250;  // printer pixels between the foot line and the bottom of the printable area
  std::string FontName = "Arial";
  int FontSize = 10;
  bool Grau = true;
  int LiRand = 17;
  int ReRand = 15;
  int ObRand = 10;
};
TDruckStart DruckStartLesen(const TNewIniFile& ini);

// The values of the print options dialog.  The margins are kept as the text
// of their edits; reading gives the defaults for missing keys, for a font
// size that is not a number from 4 to 72 and for an empty font name.
struct TDruckOptionen {
  std::string ObRand = "10";
  std::string LiRand = "20";
  std::string ReRand = "0";
  std::string FontName = "Arial";
  int FontSize = 10;
};
TDruckOptionen DruckOptionenLesen(const TNewIniFile& ini);
// Writes the five keys in one rewrite of the file, at once also for a file
// held by a session (TIniSitzung); false when that failed.
bool DruckOptionenSchreiben(TNewIniFile& ini, const TDruckOptionen& optionen);

// Checks the text of a margin edit: a whole number of millimetres from 0 to
// 99.  Returns an empty string and sets mm, or a German message naming the
// field (feld, e.g. "Seitenrand oben").
std::string RandPruefen(std::string_view text, std::string_view feld, int& mm);

// The print settings as the program has them after its start: the engine's
// start-up read, then the print options (whose font replaces the engine's
// font; the margins stay those of the start-up read).
struct TDruckEinstellungen {
  TDruckStart Start;
  TDruckOptionen Optionen;
};
TDruckEinstellungen DruckEinstellungenBeimStart(const TDateiNamen& namen);

}  // namespace lst::druck
