#pragma once
// The command "drucken" of lohnsteuer-cli: the printout of one calculation
// as a PDF file.  It needs Qt's painting, so it lives apart from the
// Qt-free command line and is linked in only when Qt is there.

#include <string>

#include "cli/eingabe.h"
#include "print/rechnung_drucken.h"

namespace lst::cli {

// Computes e and writes its printout to the PDF file datei with the print
// settings the window reads at start.  Returns the exit status.
int DruckenAlsPdf(const TEingabe& e, const std::string& datei);

}  // namespace lst::cli
