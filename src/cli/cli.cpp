#include "cli/cli.h"

#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

#include "cli/pap.h"

namespace lst::cli {

namespace {

void Hilfe(std::FILE* ziel) {
  std::fputs(
      "Aufruf: lohnsteuer-cli BEFEHL [OPTIONEN]\n"
      "\n"
      "Befehle:\n"
      "  pap          Lohnsteuer-Programmablaufplan direkt rechnen: CSV mit den\n"
      "               Eingangsgrößen auf der Standardeingabe, jede Zeile mit den\n"
      "               Ausgangsgrößen auf der Standardausgabe\n"
      "  --help       diese Hilfe\n",
      ziel);
}

}  // namespace

int Hauptprogramm(int argc, char** argv) {
  if (argc < 2) {
    Hilfe(stderr);
    return 2;
  }
  const std::string befehl = argv[1];
  if (befehl == "--help" || befehl == "-h" || befehl == "hilfe") {
    Hilfe(stdout);
    return 0;
  }
  if (befehl == "pap") {
    std::ios::sync_with_stdio(false);
    return pap::Strom(std::cin, std::cout, std::cerr);
  }
  std::fprintf(stderr, "Unbekannter Befehl \"%s\". Hilfe mit: lohnsteuer-cli --help\n", argv[1]);
  return 2;
}

}  // namespace lst::cli
