#pragma once

#include <string>

namespace lst::cli {

struct TEingabe;

// What "drucken" is to print.
struct TDruckAuftrag {
  const TEingabe* Eingabe = nullptr;  // the options (of every row with lohnkonto)
  std::string Pdf;                    // the PDF file
  // The payroll year read from standard input as lohnkonto reads it,
  // instead of one slip; with the adjustment and the certificate.
  bool Lohnkonto = false;
  bool Jahresausgleich = false;
  bool Bescheinigung = false;
};

// The command "drucken" (the printout as a PDF file), which needs Qt;
// returns the exit status.
using TDruckenBefehl = int (*)(const TDruckAuftrag& auftrag);

// Entry point of lohnsteuer-cli; returns the process exit status.  Without
// a print command (lohnsteuer-cli itself links no Qt), "drucken" hands the
// call to the program "lohnsteuer-cli-druck" (in the same folder in the
// build, in lib/lohnsteuer/ installed), which passes its print command.
int Hauptprogramm(int argc, char** argv, TDruckenBefehl drucken = nullptr);

}  // namespace lst::cli
