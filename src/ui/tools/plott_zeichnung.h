#pragma once
// The picture of the gross/net graph: grid, axis labels and curve.

#include <vector>

class QPainter;
class QSize;

namespace lst {

class TPlottAnsicht;

// Draws into a white area of the given size: the grey dotted grid with its
// labels and the curve (values at the columns 0, schritt, ...).
void PlottZeichnen(QPainter& p, const QSize& flaeche, const TPlottAnsicht& a,
                   const std::vector<double>& werte, int schritt = 1);

}  // namespace lst
