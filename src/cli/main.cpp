#include "cli/cli.h"

#ifdef LOHNSTEUER_MIT_DRUCK
#include "cli/druck/cli_drucken.h"
int main(int argc, char** argv) { return lst::cli::Hauptprogramm(argc, argv, &lst::cli::DruckenAlsPdf); }
#else
int main(int argc, char** argv) { return lst::cli::Hauptprogramm(argc, argv); }
#endif
