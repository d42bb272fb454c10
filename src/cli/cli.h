#pragma once

#include <string>

namespace lst::cli {

struct TEingabe;

// The command "drucken" (the printout as a PDF file), which needs Qt;
// returns the exit status.
using TDruckenBefehl = int (*)(const TEingabe& eingabe, const std::string& pdfDatei);

// Entry point of lohnsteuer-cli; returns the process exit status.  Without
// a print command (lohnsteuer-cli itself links no Qt), "drucken" hands the
// call to the program "lohnsteuer-cli-druck" (in the same folder in the
// build, in lib/lohnsteuer/ installed), which passes its print command.
int Hauptprogramm(int argc, char** argv, TDruckenBefehl drucken = nullptr);

}  // namespace lst::cli
