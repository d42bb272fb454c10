#pragma once

#include <string>

namespace lst::cli {

struct TEingabe;

// The command "drucken" (the printout as a PDF file), linked in by the
// program when it is built with Qt; returns the exit status.
using TDruckenBefehl = int (*)(const TEingabe& eingabe, const std::string& pdfDatei);

// Entry point of lohnsteuer-cli; returns the process exit status.  Without
// a print command, "drucken" reports that printing is not available.
int Hauptprogramm(int argc, char** argv, TDruckenBefehl drucken = nullptr);

}  // namespace lst::cli
