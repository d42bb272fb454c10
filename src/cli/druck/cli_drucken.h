#pragma once
// The command "drucken" of lohnsteuer-cli: the printout of one calculation
// as a PDF file.  It needs Qt's painting, so it lives apart from the
// Qt-free command line and is linked in only when Qt is there.

#include <string>

#include "cli/eingabe.h"
#include "print/rechnung_drucken.h"

namespace lst::cli {

struct TDruckAuftrag;

// Computes the slip of the options (or with Lohnkonto the payroll year of
// standard input) and writes its printout to the PDF file with the print
// settings the window reads at start.  Returns the exit status.
int DruckenAlsPdf(const TDruckAuftrag& auftrag);

}  // namespace lst::cli
