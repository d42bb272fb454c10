// lohnsteuer-cli-druck: lohnsteuer-cli with its command "drucken"; started
// by lohnsteuer-cli for that command.
#include "cli/cli.h"
#include "cli/druck/cli_drucken.h"

int main(int argc, char** argv) {
  return lst::cli::Hauptprogramm(argc, argv, &lst::cli::DruckenAlsPdf);
}
