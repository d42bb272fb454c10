#pragma once
// Saving and restoring a window's position and size in a settings file.
//
// The section is the window's object name (for example "FRechner"), the keys
// are "Top", "Left", "Width" and "Height" in pixels.  "Top" and "Left" are the
// position of the window (with its frame, as QWidget::pos()), "Width" and
// "Height" the size of its content (as QWidget::size()).

#include <string_view>

class QWidget;

namespace lst {

class TNewIniFile;

// Modes of RestorePlacement; any other number restores nothing.
inline constexpr int kPlatzPosition = 0;  // "Top" and "Left"
inline constexpr int kPlatzGroesse = 1;   // "Width" and "Height"
inline constexpr int kPlatzAlles = 2;     // "Top", "Left", "Width", "Height"

// Reads the keys of the mode from the window's section and applies them; a
// key that is missing or not a usable number keeps the window's current
// value, so a window never saved keeps its designed geometry.  A size must be
// positive.  A restored position from which the window's top edge would not
// be on any screen (a screen that is no longer attached) is moved onto the
// primary screen.  Nothing happens for a null window or one without name.
void RestorePlacement(QWidget* fenster, const TNewIniFile& ini, int modus);
void RestorePlacement(QWidget* fenster, std::string_view dateiName, int modus);

// Writes "Top", "Left", "Width" and "Height" in this order into the window's
// section, in one write of the file.  A maximised or full-screen window
// saves its normal geometry.  False when nothing could be written.
bool SavePlacement(QWidget* fenster, TNewIniFile& ini);
bool SavePlacement(QWidget* fenster, std::string_view dateiName);

}  // namespace lst
