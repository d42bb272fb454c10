#include "cli/cli.h"

#include <cstdio>

namespace lst::cli {

int Hauptprogramm(int, char**) {
  std::fputs("lohnsteuer-cli: noch keine Befehle\n", stderr);
  return 2;
}

}  // namespace lst::cli
