#pragma once
// The picture of the gross/net graph: grid, axis labels and curve.

#include <vector>

class QFont;
class QImage;

namespace lst {

class TPlottAnsicht;

// An image for the picture of a drawing area of the given size in logical
// pixels: grey levels (white, grey grid and labels, black curve) take a
// quarter of the memory of colour and clear four times as fast.
QImage PlottBild(int breite, int hoehe, double pixelVerhaeltnis = 1.0);

// Draws the whole picture into bild (from PlottBild): white ground, the
// grey dotted grid, the curve (values at the columns 0, schritt, ...) and
// the labels in the font.
void PlottZeichnen(QImage& bild, const TPlottAnsicht& a, const std::vector<double>& werte,
                   const QFont& schrift, int schritt = 1);

}  // namespace lst
